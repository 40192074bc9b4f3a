#pragma once
// The worksheet of one exported result: the titles, the grid of the tab on screen from row 4, then the
// sources, notes and definitions of the selected variables and the legend of the codes. One layout for every
// file type: it writes to a SheetSink.
#include <QString>

namespace quelva {

class Grid;
class SheetSink;
struct RunState;

// Names the worksheet after tab `tab`; rows 1 and 2 (the result's title and subtitle) and the grid from
// row 4, a cell that reads as a number written as one, the header cells with their colour on screen. The
// header row and first column of Formato 1 and 2 stay in view where the file can keep them. Returns
// LinhaPlanilha: the row after the grid (rows count from 1).
int PreencherPlanilha(SheetSink& sheet, int tab, const Grid& grid, const RunState& state);

// From the row after the grid: "Fontes, Notas e Definições:", the block of each selected variable with any
// text and an empty row after each selected variable, then "Convenções:" and the legend. Reads the notes
// tables from the data file again. Throws jet::Error when they cannot be read. Rows past the sheet's last
// go on, in order, in a second worksheet.
void EscreverNotasPlanilha(SheetSink& sheet, int LinhaPlanilha, const RunState& state);

}  // namespace quelva
