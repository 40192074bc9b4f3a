#pragma once
#include <QString>
#include <functional>

class QWidget;

namespace quelva {

class Dialogs;
class Grid;
struct RunState;

// What the export needs of the window: the result on screen and the window's message frame.
struct ExportRequest {
    const RunState& state;
    Dialogs& dialogs;
    QWidget* parent;
    int tab;            // the selected tab of the result, 0 to 2
    const Grid& grid;   // its grid
    std::function<void(bool)> showMessage;
};

// "Salvar em Excel": the grid of the selected tab, the notes and the legend saved under the name the user
// chooses, as an .xls or .xlsx workbook or a .csv text. The dialog offers .xls first, or .xlsx for a grid
// over the .xls limits, which are refused with their message when .xls is still chosen; cancelling the dialog
// ends the export silently; replacing an existing file asks first; any failure after the dialog is reported
// with the file's name and the reason, and never leaves a partial file or loses the one there. No
// spreadsheet application is driven: the file is written here, so AppPlanilha, PastaPlanilha and Planilha
// (the application, its workbook and worksheet) become the sink that writes the chosen file type.
void SalvarExcel(const ExportRequest& e);

}  // namespace quelva
