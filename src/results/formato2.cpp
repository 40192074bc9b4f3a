#include "estado.h"
#include "formatos.h"
#include "lote_grade.h"
#include "regras_grade.h"

namespace quelva {

namespace {
const char* kCantoFormato2 = "Variáveis";
}

void MontarFormato2(Estado& estado, Grade& grade) {
    jet::Recordset& rs = estado.RsResultado;
    if (rs.recordCount() == 0) {
        estado.HaResultado = false;
        return;
    }
    const int F = rs.fieldCount(), R = rs.recordCount();
    GradeBatch lote(grade);
    grade.definirTamanho(0, 0);
    grade.definirTamanho(F, R + 1);
    grade.definirTexto(0, 0, QString::fromUtf8(kCantoFormato2));
    rs.moveFirst();
    for (int p = 0; !rs.eof(); ++p, rs.moveNext())
        grade.definirTexto(0, p + 1, QString::fromStdString(BuscarDescricao(estado.tabelasCD, rs.field(0), "LOCALIDADE")));
    const std::vector<QString> titulos = fieldTitles(estado.tabelasCD, rs);
    for (int i = 1; i < F; ++i) grade.definirTexto(i, 0, titulos[static_cast<std::size_t>(i)]);

    std::vector<std::string> nomes;
    for (int i = 0; i < F; ++i) nomes.push_back(rs.fieldName(i));
    RepetitionCount repeticoes;
    rs.moveFirst();
    for (int p = 0; !rs.eof(); ++p, rs.moveNext()) {
        for (int i = 1; i < F; ++i) {
            const QString valor = cellText(rs.field(i));
            repeticoes.see(nomes[static_cast<std::size_t>(i)], valor);
            grade.definirTexto(i, p + 1, valor);
        }
    }
    grade.definirTamanho(F - repeticoes.dropped(estado.QtdM1), R + 1);
    grade.definirQuebraTexto(true);

    const Qt::Alignment centro = Qt::AlignCenter;
    const QColor localidade = localityColour(), variavel = variableColour(), valor = valueColour();
    for (int c = 0; c < grade.colunas(); ++c) {
        grade.definirLarguraColuna(c, kLarguraColunaResultado);
        grade.celula(0, c).fundo = c == 0 ? variavel : localidade;
        grade.celula(0, c).alinhamento = centro;
    }
    for (int r = 1; r < grade.linhas(); ++r) {
        grade.celula(r, 0).fundo = variavel;
        grade.celula(r, 0).alinhamento = centro;
        for (int c = 1; c < grade.colunas(); ++c) {
            grade.celula(r, c).fundo = valor;
            grade.celula(r, c).alinhamento = centro;
        }
    }
    AjustarAlturaLinhas(grade);
}

}  // namespace quelva
