#include "estado.h"
#include "formatos.h"
#include "lote_grade.h"
#include "regras_grade.h"
#include "twips.h"

namespace quelva {

namespace {
const char* kMunicipio = "Município: ";
// Column 1 leaves this much of the grid's width free, for the scroll bar.
constexpr int kFolgaColuna1 = 400;
}

void MontarFormato3(Estado& estado, Grade& grade, int larguraGrade) {
    jet::Recordset& rs = estado.RsResultado;
    if (rs.recordCount() == 0) {
        estado.HaResultado = false;
        return;
    }
    const int F = rs.fieldCount();
    const std::vector<QString> titulos = fieldTitles(estado.tabelasCD, rs);
    // Which fields belong to the M1 group, and which of those are name columns.
    std::vector<char> m1(static_cast<std::size_t>(F)), colunaNome(static_cast<std::size_t>(F));
    for (int i = 0; i < F; ++i) {
        const std::string nome = rs.fieldName(i);
        m1[static_cast<std::size_t>(i)] = nome.rfind("M1", 0) == 0;
        colunaNome[static_cast<std::size_t>(i)] = QString::fromStdString(nome.substr(0, 7)).toUpper() == u"M1_NOME";
    }

    GradeBatch lote(grade);
    grade.definirTamanho(0, 0);
    grade.definirTamanho(1, 2);
    // At most a heading and a row per field for each record.
    grade.reservarLinhas(rs.recordCount() * F);
    const Qt::Alignment centro = Qt::AlignCenter, esquerda = Qt::AlignLeft | Qt::AlignVCenter;
    const QColor localidade = localityColour(), variavel = variableColour(), corValor = valueColour();
    auto adicionarLinha = [&] {
        grade.definirTamanho(grade.linhas() + 1, 2);
        return grade.linhas() - 1;
    };
    auto escrever = [&](int linha, int coluna, const QString& texto, const QColor& fundo, Qt::Alignment alinhamento) {
        Grade::Celula& c = grade.celula(linha, coluna);
        c.texto = texto;
        c.fundo = fundo;
        c.alinhamento = alinhamento;
    };

    rs.moveFirst();
    while (!rs.eof()) {
        const int cabecalho = grade.linhas() == 1 ? 0 : adicionarLinha();
        const QString nome = QString::fromStdString(BuscarDescricao(estado.tabelasCD, rs.field(0), "LOCALIDADE"));
        escrever(cabecalho, 0, QString::fromUtf8(kMunicipio) + nome, localidade, esquerda);
        escrever(cabecalho, 1, QString(), localidade, esquerda);
        bool primeiroM1 = true, pular = false;
        for (int i = 1; i < F; ++i) {
            const QString valor = cellText(rs.field(i));
            if (m1[static_cast<std::size_t>(i)]) {
                // From the first repetition (after the first) whose name column holds "-", the locality has no
                // more M1 rows; repetition 1 is always listed.
                if (colunaNome[static_cast<std::size_t>(i)] && valor == u"-" && !primeiroM1) pular = true;
                primeiroM1 = false;
                if (pular) continue;
            }
            const int linha = adicionarLinha();
            escrever(linha, 0, titulos[static_cast<std::size_t>(i)], variavel, esquerda);
            escrever(linha, 1, valor, corValor, centro);
        }
        rs.moveNext();
    }
    grade.definirQuebraTexto(true);
    const int largura0 = arredondar(larguraGrade / 4.0 * 2.5);
    grade.definirLarguraColuna(0, largura0);
    grade.definirLarguraColuna(1, larguraGrade - largura0 - kFolgaColuna1);
    AjustarAlturaLinhas(grade);
}

}  // namespace quelva
