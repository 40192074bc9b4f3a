#include "planilha.h"

#include "banco.h"
#include "cell_number.h"
#include "estado.h"
#include "grade.h"
#include "result_formats.h"
#include "sheet_sink.h"
#include "variable_texts.h"

namespace quelva {

namespace {

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
const char* const kContinuacao = "Continuação";

// Formato 1 and 2 are tables whose first row and column name the others; Formato 3 is a list of cards.
bool hasFrozenHeaders(int aba) { return aba == 0 || aba == 1; }

// The cells that name what the others hold: the first row and column, and in Formato 3 the rest of a
// locality's heading row, which shares its first cell's colour (`fundoColuna0`). A value cell has a colour of
// its own.
bool isHeaderCell(const Grade::Celula& celula, int linha, int coluna, const QColor& fundoColuna0) {
    return linha == 0 || coluna == 0 || celula.fundo == fundoColuna0;
}

// The notes' column 1, row by row (counted from 1), carried over to a second worksheet past the first one's
// last row.
class ColunaNotas {
public:
    explicit ColunaNotas(SheetSink& planilha) : planilha_(planilha) {}
    void escrever(int linha, const QString& texto) {
        if (linha > planilha_.maxRows()) {
            if (!continuacao_) planilha_.startSheet(QString::fromUtf8(kContinuacao));
            continuacao_ = true;
            linha -= planilha_.maxRows();
        }
        planilha_.text(linha - 1, 0, texto, QColor());
    }
    void escrever(int linha, const std::string& texto) { escrever(linha, QString::fromStdString(texto)); }

private:
    SheetSink& planilha_;
    bool continuacao_ = false;
};

}  // namespace

QString nomePlanilha(int aba) { return QString::fromUtf8(kNomesFormatos[aba]); }

int PreencherPlanilha(SheetSink& planilha, int aba, const Grade& grade, const Estado& estado) {
    planilha.startSheet(nomePlanilha(aba));
    GridView vista;
    vista.firstRow = 3;
    vista.frozenHeaders = hasFrozenHeaders(aba);
    for (int j = 0; j < grade.colunas(); ++j) vista.columnWidths.push_back(grade.larguraColuna(j));
    planilha.describeGrid(vista);

    planilha.text(0, 0, estado.TituloResultado, QColor());
    planilha.text(1, 0, estado.SubTituloResultado, QColor());
    int LinhaPlanilha = 4;
    // Each cell is asked of the grid once: a result's grid works it out on demand.
    Grade::Celula calculada;
    for (int i = 0; i < grade.linhas(); ++i) {
        QColor fundoColuna0;
        for (int j = 0; j < grade.colunas(); ++j) {
            const Grade::Celula& celula = grade.celula(i, j, calculada);
            if (j == 0) fundoColuna0 = celula.fundo;
            const QColor fundo = isHeaderCell(celula, i, j, fundoColuna0) ? celula.fundo : QColor();
            if (const auto numero = numberFromCellText(celula.texto))
                planilha.number(LinhaPlanilha - 1, j, *numero, celula.texto, fundo);
            else
                planilha.text(LinhaPlanilha - 1, j, celula.texto, fundo);
        }
        ++LinhaPlanilha;
    }
    return LinhaPlanilha;
}

void EscreverNotasPlanilha(SheetSink& planilha, int LinhaPlanilha, Estado& estado) {
    ColunaNotas coluna(planilha);
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
            coluna.escrever(LinhaPlanilha++, kRotuloVariavel + v.NomeVariavel.toText());
            if (!isBlank(t.fonte)) coluna.escrever(LinhaPlanilha++, kRotuloFonte + t.fonte);
            if (!isBlank(t.nota)) coluna.escrever(LinhaPlanilha++, kRotuloNota + t.nota);
            if (!isBlank(t.definicao)) coluna.escrever(LinhaPlanilha++, "Definicao: " + t.definicao);
        }
        LinhaPlanilha += 1;
    }
    LinhaPlanilha += 2;
    coluna.escrever(LinhaPlanilha, QString::fromUtf8(kConvencoes));
    for (const char* linha : kLegenda) coluna.escrever(++LinhaPlanilha, QString::fromUtf8(linha));
}

}  // namespace quelva
