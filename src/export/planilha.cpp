#include "planilha.h"

#include "banco.h"
#include "cell_number.h"
#include "estado.h"
#include "grade.h"
#include "variable_texts.h"
#include "workbook.h"

namespace quelva {

namespace {

const char* const kNomesPlanilha[] = {"Resultado - Formato 1", "Resultado - Formato 2", "Resultado - Formato 3"};
const char* const kFontesNotas = "Fontes, Notas e Definições:";
const char* const kConvencoes = "Convenções:";
// The workbook's legend, worded unlike the one on screen.
const char* const kLegenda[] = {
    "NR  Município não respondeu",
    "SB  Saneamento básico do município operado pela SABESP",
    "... Dado não disponível",
    " -  Fenômeno inexistente",
};
const char* const kSqlFontes = "Select * From CD_FONTES order by CodFonte";
const char* const kSqlNotas = "Select * From CD_NOTAS order by CodNota";
const char* const kSqlDefinicoes = "Select * From CD_DEFINICOES order by CodVariavel";

// Rows and columns of the worksheet count from 1 here, as the layout is told; the writer's from 0.
void escrever(xls::Sheet& planilha, int linha, int coluna, const QString& texto) {
    planilha.setText(linha - 1, coluna - 1, texto.toStdU16String());
}

const char* const kContinuacao = "Continuação";

// The notes' column 1, row by row, carried over to a second worksheet past the first one's last row.
class ColunaNotas {
public:
    ColunaNotas(xls::Workbook& pasta, xls::Sheet& planilha) : pasta_(pasta), planilha_(planilha) {}
    void escrever(int linha, const QString& texto) {
        if (linha <= xls::kMaxRows) return quelva::escrever(planilha_, linha, 1, texto);
        if (!continuacao_) continuacao_ = &pasta_.addSheet(QString::fromUtf8(kContinuacao).toStdU16String());
        quelva::escrever(*continuacao_, linha - xls::kMaxRows, 1, texto);
    }
    void escrever(int linha, const std::string& texto) { escrever(linha, QString::fromStdString(texto)); }

private:
    xls::Workbook& pasta_;
    xls::Sheet& planilha_;
    xls::Sheet* continuacao_ = nullptr;
};

}  // namespace

QString nomePlanilha(int aba) { return QString::fromUtf8(kNomesPlanilha[aba]); }

int PreencherPlanilha(xls::Sheet& planilha, const Grade& grade, const Estado& estado) {
    escrever(planilha, 1, 1, estado.TituloResultado);
    escrever(planilha, 2, 1, estado.SubTituloResultado);
    int LinhaPlanilha = 4;
    for (int i = 0; i < grade.linhas(); ++i) {
        for (int j = 0; j < grade.colunas(); ++j) {
            const QString& texto = grade.celula(i, j).texto;
            if (const auto numero = numberFromCellText(texto)) planilha.setNumber(LinhaPlanilha - 1, j, *numero);
            else escrever(planilha, LinhaPlanilha, j + 1, texto);
        }
        ++LinhaPlanilha;
    }
    return LinhaPlanilha;
}

void EscreverNotasPlanilha(xls::Workbook& pasta, xls::Sheet& planilha, int LinhaPlanilha, Estado& estado) {
    ColunaNotas coluna(pasta, planilha);
    // A connection of the export's own: the run's catalogue is closed, and the export changes no state.
    jet::Connection db = estado.banco.abrir();
    jet::Recordset fontes = db.openRecordset(kSqlFontes);
    jet::Recordset notas = db.openRecordset(kSqlNotas);
    jet::Recordset definicoes = db.openRecordset(kSqlDefinicoes);

    LinhaPlanilha += 1;
    coluna.escrever(LinhaPlanilha, QString::fromUtf8(kFontesNotas));
    LinhaPlanilha += 2;
    for (const Variavel& v : estado.VetorVariavel) {
        if (!v.selecionada()) continue;
        const VariableTexts t = variableTexts(fontes, notas, definicoes, v);
        if (!isBlank(t.fonte) || !isBlank(t.nota) || !isBlank(t.definicao)) {
            coluna.escrever(LinhaPlanilha++, "Variável: " + v.NomeVariavel.toText());
            if (!isBlank(t.fonte)) coluna.escrever(LinhaPlanilha++, "Fonte: " + t.fonte);
            if (!isBlank(t.nota)) coluna.escrever(LinhaPlanilha++, "Nota: " + t.nota);
            if (!isBlank(t.definicao)) coluna.escrever(LinhaPlanilha++, "Definicao: " + t.definicao);
        }
        LinhaPlanilha += 1;
    }
    LinhaPlanilha += 2;
    coluna.escrever(LinhaPlanilha, QString::fromUtf8(kConvencoes));
    for (const char* linha : kLegenda) coluna.escrever(++LinhaPlanilha, QString::fromUtf8(linha));
}

}  // namespace quelva
