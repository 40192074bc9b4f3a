#include "estado.h"
#include "formatos.h"
#include "lote_grade.h"
#include "regras_grade.h"

namespace quelva {

namespace {
const char* kCantoFormato1 = "Município";
}

void MontarFormato1(Estado& estado, Grade& grade) {
    jet::Recordset& rs = estado.RsResultado;
    if (rs.recordCount() == 0) {
        estado.HaResultado = false;
        return;
    }
    const int F = rs.fieldCount(), R = rs.recordCount();
    const std::vector<QString> titulos = fieldTitles(estado.tabelasCD, rs);
    GradeBatch lote(grade);
    grade.definirTamanho(0, 0);
    grade.definirTamanho(R + 1, F);
    grade.definirTexto(0, 0, QString::fromUtf8(kCantoFormato1));
    for (int i = 1; i < F; ++i) grade.definirTexto(0, i, titulos[static_cast<std::size_t>(i)]);

    std::vector<std::string> nomes;
    for (int i = 0; i < F; ++i) nomes.push_back(rs.fieldName(i));
    RepetitionCount repeticoes;
    rs.moveFirst();
    for (int p = 0; !rs.eof(); ++p, rs.moveNext()) {
        grade.definirTexto(p + 1, 0, QString::fromStdString(BuscarDescricao(estado.tabelasCD, rs.field(0), "LOCALIDADE")));
        for (int i = 1; i < F; ++i) {
            const QString valor = cellText(rs.field(i));
            repeticoes.see(nomes[static_cast<std::size_t>(i)], valor);
            grade.definirTexto(p + 1, i, valor);
        }
    }
    grade.definirTamanho(R + 1, F - repeticoes.dropped(estado.QtdM1));
    grade.definirQuebraTexto(true);

    const Qt::Alignment centro = Qt::AlignCenter, esquerda = Qt::AlignLeft | Qt::AlignVCenter;
    const QColor localidade = localityColour(), variavel = variableColour(), valor = valueColour();
    for (int c = 0; c < grade.colunas(); ++c) {
        grade.definirLarguraColuna(c, kLarguraColunaResultado);
        grade.celula(0, c).fundo = c == 0 ? localidade : variavel;
        grade.celula(0, c).alinhamento = centro;
    }
    for (int r = 1; r < grade.linhas(); ++r) {
        grade.celula(r, 0).fundo = localidade;
        grade.celula(r, 0).alinhamento = esquerda;
        for (int c = 1; c < grade.colunas(); ++c) {
            grade.celula(r, c).fundo = valor;
            grade.celula(r, c).alinhamento = centro;
        }
    }
    AjustarAlturaLinhas(grade);
}

}  // namespace quelva
