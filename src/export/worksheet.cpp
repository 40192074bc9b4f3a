#include "worksheet.h"

#include "survey_database.h"
#include "cell_number.h"
#include "run_state.h"
#include "grid.h"
#include "result_formats.h"
#include "sheet_sink.h"
#include "catalogue_tables.h"
#include "variable_texts.h"

namespace quelva {

namespace {

const char* const kNotesHeading = "Fontes, Notas e Definições:";
const char* const kConventionsHeading = "Convenções:";
// The workbook's legend, worded unlike the one on screen.
const char* const kLegend[] = {
    "NR  Município não respondeu",
    "SB  Saneamento básico do município operado pela SABESP",
    "... Dado não disponível",
    " -  Fenômeno inexistente",
};
const char* const kDefinitionLabel = "Definicao: ";
const char* const kContinuationSheet = "Continuação";

// Formato 1 and 2 are tables whose first row and column name the others; Formato 3 is a list of cards.
bool hasFrozenHeaders(int tab) { return tab == 0 || tab == 1; }

// The cells that name what the others hold: the first row and column, and in Formato 3 the rest of a
// locality's heading row, which shares its first cell's colour (`firstColumnFill`). A value cell has a colour of
// its own.
bool isHeaderCell(const Grid::Cell& cell, int row, int column, const QColor& firstColumnFill) {
    return row == 0 || column == 0 || cell.background == firstColumnFill;
}

// The notes' column 1, row by row (counted from 1), carried over to a second worksheet past the first one's
// last row.
class NotesColumn {
public:
    explicit NotesColumn(SheetSink& sheet) : sheet_(sheet) {}
    void write(int row, const QString& text) {
        if (row > sheet_.maxRows()) {
            if (!continued_) sheet_.startSheet(QString::fromUtf8(kContinuationSheet));
            continued_ = true;
            row -= sheet_.maxRows();
        }
        sheet_.text(row - 1, 0, text, QColor());
    }
    void write(int row, const std::string& text) { write(row, QString::fromStdString(text)); }

private:
    SheetSink& sheet_;
    bool continued_ = false;
};

// The worksheet's name for tab 0, 1 or 2 of the result.
QString sheetName(int tab) { return QString::fromUtf8(kLayoutNames[tab]); }

}  // namespace

int PreencherPlanilha(SheetSink& sheet, int tab, const Grid& grid, const RunState& state) {
    sheet.startSheet(sheetName(tab));
    GridView view;
    view.firstRow = 3;
    view.frozenHeaders = hasFrozenHeaders(tab);
    for (int j = 0; j < grid.columns(); ++j) view.columnWidths.push_back(grid.columnWidth(j));
    sheet.describeGrid(view);

    sheet.text(0, 0, state.session.TituloResultado(), QColor());
    sheet.text(1, 0, state.session.SubTituloResultado(), QColor());
    int LinhaPlanilha = 4;
    // Each cell is asked of the grid once: a result's grid works it out on demand.
    Grid::Cell computed;
    for (int i = 0; i < grid.rows(); ++i) {
        QColor firstColumnFill;
        for (int j = 0; j < grid.columns(); ++j) {
            const Grid::Cell& cell = grid.cell(i, j, computed);
            if (j == 0) firstColumnFill = cell.background;
            const QColor fill = isHeaderCell(cell, i, j, firstColumnFill) ? cell.background : QColor();
            if (const auto number = numberFromCellText(cell.text))
                sheet.number(LinhaPlanilha - 1, j, *number, cell.text, fill);
            else
                sheet.text(LinhaPlanilha - 1, j, cell.text, fill);
        }
        ++LinhaPlanilha;
    }
    return LinhaPlanilha;
}

void EscreverNotasPlanilha(SheetSink& sheet, int LinhaPlanilha, const RunState& state) {
    NotesColumn column(sheet);
    // A connection of the export's own: the run's catalogue is closed, and the export changes no state.
    const jet::Connection db = state.session.database().open();
    const jet::Recordset sources = db.openRecordset(catalogueStatement(CatalogueTables::kFontes));
    const jet::Recordset notes = db.openRecordset(catalogueStatement(CatalogueTables::kNotas));
    const jet::Recordset definitions = db.openRecordset(catalogueStatement(CatalogueTables::kDefinicoes));

    LinhaPlanilha += 1;
    column.write(LinhaPlanilha, QString::fromUtf8(kNotesHeading));
    LinhaPlanilha += 2;
    for (const std::vector<std::string>& block :
         selectedVariableNotes(state.variables.VetorVariavel(), sources, notes, definitions, kDefinitionLabel)) {
        for (const std::string& line : block) column.write(LinhaPlanilha++, line);
        LinhaPlanilha += 1;
    }
    LinhaPlanilha += 2;
    column.write(LinhaPlanilha, QString::fromUtf8(kConventionsHeading));
    for (const char* row : kLegend) column.write(++LinhaPlanilha, QString::fromUtf8(row));
}

}  // namespace quelva
