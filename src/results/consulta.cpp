#include "consulta.h"

#include <cstdio>

#include "dialogos.h"
#include "error.h"
#include "estado.h"
#include "texto.h"

namespace quelva {

namespace {

const char* kFaltamAmbas = "Selecionar no mínimo uma Localidade e uma Variável";
const char* kFaltaLocalidade = "Selecionar no mínimo uma Localidade";
const char* kFaltaVariavel = "Selecionar no mínimo uma Variável";

const char* kTabelas = "From TK, TJ, TM, TM1, TI, TH, TA, TB, TL99, TD, TG, municipios, TABCRI, socioe_char ";
// Every survey table joins TK on the area code, in this order.
const char* const kJuncoes[] = {
    "TK.Cod_Mun=TJ.Cod_Mun and ",   "TK.Cod_Mun=TM.Cod_Mun and ",     "TK.Cod_Mun=TM1.Cod_Mun and ",
    "TK.Cod_Mun=TI.Cod_Mun and ",   "TK.Cod_Mun=TH.Cod_Mun and ",     "TK.Cod_Mun=TA.Cod_Mun and ",
    "TK.Cod_Mun=TB.Cod_Mun and ",   "TK.Cod_Mun=TL99.Cod_Mun and ",   "TK.Cod_Mun=TD.Cod_Mun and ",
    "TK.Cod_Mun=TG.Cod_Mun and ",   "TK.Cod_Mun=tabcri.Cod_Mun and ", "TK.Cod_Mun=socioe_char.Cod_Mun and ",
    "TK.Cod_Mun=municipios.COD_AREA_NORVA",
};
const char* kOrdem = " Order By municipios.DESCRICAO";

// Repetitions of the M1 group, and the sub-variables that have a column in each.
constexpr int kRepeticoesM1 = 9;
constexpr int kColunasM1 = 27;

QString texto(const jet::Value& v) { return QString::fromStdString(v.toText()); }

}  // namespace

bool ValidarSelecao(const Estado& estado, Dialogos& dialogos, QWidget* pai) {
    bool localidade = false, variavel = false;
    for (bool marcada : estado.VetorLocalidade) localidade = localidade || marcada;
    for (const Variavel& v : estado.VetorVariavel) variavel = variavel || v.selecionada();
    const char* falta = !localidade && !variavel ? kFaltamAmbas : !localidade ? kFaltaLocalidade : !variavel ? kFaltaVariavel : nullptr;
    if (!falta) return true;
    dialogos.mensagem(pai, QString::fromUtf8(falta), Dialogos::Icone::Informacao, Dialogos::Botoes::Ok, QString());
    return false;
}

bool belongsToM1(const std::string& codigo) { return codigo.rfind("M1", 0) == 0; }

int subVariableNumber(const std::string& codigo) {
    if (codigo.size() < 7) return 0;
    const char a = codigo[5], b = codigo[6];
    if (a < '0' || a > '9' || b < '0' || b > '9') return 0;
    return (a - '0') * 10 + (b - '0');
}

std::optional<QString> MontarConsulta(Estado& estado) {
    QString L;
    for (int c = 0; c <= kMaxCodigoArea; ++c) {
        if (!estado.VetorLocalidade[static_cast<std::size_t>(c)]) continue;
        L += (trimBlanks(L).isEmpty() ? QStringLiteral("TK.Cod_Mun=") : QStringLiteral(" or TK.Cod_Mun=")) + QString::number(c);
        if (L.size() > kMaxStatementLength) return std::nullopt;
    }
    L = "(" + L + ")";
    if (L.size() > kMaxStatementLength) return std::nullopt;

    QString F;
    for (const Variavel& v : estado.VetorVariavel) {
        if (!v.selecionada() || belongsToM1(v.CodVariavel.toText())) continue;
        estado.HaResultado = true;
        F += (F.isEmpty() ? QString() : QStringLiteral(", ")) + texto(v.NomeTabela) + "." + texto(v.CodVariavel);
    }

    // Entry 28 of the marks is neither cleared here nor ever given a column.
    for (int k = 0; k < kM1Marks - 1; ++k) estado.MarcaM1[static_cast<std::size_t>(k)] = false;
    for (const Variavel& v : estado.VetorVariavel) {
        const std::string codigo = v.CodVariavel.toText();
        if (!v.selecionada() || !belongsToM1(codigo)) continue;
        estado.HaResultado = true;
        estado.MarcaM1[0] = true;
        const int k = subVariableNumber(codigo);
        if (k >= kM1Marks) return std::nullopt;
        estado.MarcaM1[static_cast<std::size_t>(k)] = true;
    }
    if (estado.MarcaM1[0]) {
        for (int n = 1; n <= kRepeticoesM1; ++n) {
            F += (F.isEmpty() ? QStringLiteral("TM1.M1_Nome_") : QStringLiteral(", TM1.M1_Nome_")) + QString::number(n);
            for (int k = 1; k <= kColunasM1; ++k)
                if (estado.MarcaM1[static_cast<std::size_t>(k)])
                    F += QStringLiteral(", TM1.M1_10%1_%2").arg(k, 2, 10, QLatin1Char('0')).arg(n);
        }
    }
    estado.QtdM1 = 0;
    for (int k = 0; k < kM1Marks - 1; ++k) estado.QtdM1 += estado.MarcaM1[static_cast<std::size_t>(k)];
    F = "TK.Cod_Mun, " + F;

    QString S = "Select " + F + " " + QString::fromUtf8(kTabelas) + "WHERE " + L + " and ";
    for (const char* j : kJuncoes) S += QString::fromUtf8(j);
    if (!trimBlanks(estado.ExpressaoCriterio).isEmpty()) S += " and (" + estado.ExpressaoCriterio + ")";
    S += QString::fromUtf8(kOrdem);
    if (S.size() > kMaxStatementLength) return std::nullopt;
    return S;
}

bool openResult(Estado& estado, const QString& instrucao) {
    try {
        jet::Recordset rs = estado.tabelasCD.DbCatalogo.openRecordset(instrucao.toStdString());
        if (rs.recordCount() > 0) rs.moveLast();
        estado.RsResultado = rs;
        return true;
    } catch (const jet::Error& e) {
        std::fprintf(stderr, "Quelva: o banco de dados recusou a consulta do resultado: %s\n", e.what());
        return false;
    }
}

}  // namespace quelva
