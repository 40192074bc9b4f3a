#pragma once
// The worksheet of one exported result: the titles, the grid of the tab on screen from row 4, then the
// sources, notes and definitions of the selected variables and the legend of the codes.
#include <QString>

namespace xls {
class Sheet;
class Workbook;
}  // namespace xls

namespace quelva {

class Grade;
struct Estado;

// The worksheet's name for tab 0, 1 or 2 of the result.
QString nomePlanilha(int aba);

// Rows 1 and 2 (the result's title and subtitle) and the grid from row 4, a cell that reads as a number
// written as one. Returns LinhaPlanilha: the row after the grid (rows count from 1).
int PreencherPlanilha(xls::Sheet& planilha, const Grade& grade, const Estado& estado);

// From the row after the grid: "Fontes, Notas e Definições:", the block of each selected variable with any
// text and an empty row after each selected variable, then "Convenções:" and the legend. Reads the notes
// tables from the data file again. Throws jet::Error when they cannot be read. Under the largest grid the
// notes run past the worksheet's last row: the rows beyond go on, in order, in a second worksheet.
void EscreverNotasPlanilha(xls::Workbook& pasta, xls::Sheet& planilha, int LinhaPlanilha, Estado& estado);

}  // namespace quelva
