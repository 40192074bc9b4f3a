#pragma once
#include <QDialog>
#include <QString>
#include <string>

#include "grid.h"

class QPushButton;

namespace quelva {

class Dialogs;
class ErrorPolicy;

// A record window: one grid, MSFlexGrid1, showing a plain text file of the program folder one line per row,
// lines starting with "BB" in bold. FrmFichaTecnica and FrmFichaInstitucional are this window with their
// own caption, file and close button.
//
// The caller builds one at each opening and calls exec(). When the file is missing or cannot be read, exec()
// tells the user through the dialogs service and returns Rejected without showing the window, so the user
// never sees an empty record.
class RecordWindow : public QDialog {
    Q_OBJECT
public:
    // Reads the file anew and fills the grid from it, then shows the grid. When the file cannot be read, says
    // so to the user, leaves the grid hidden and answers false.
    bool fill();

    // Opens the window modally once its file has been read; see the class comment.
    int exec() override;

protected:
    struct Record {
        const char* title;            // the window's caption
        const char* file;             // the file's name in the program folder
        const char* closeButtonName;  // the close button's control name
    };
    RecordWindow(const Record& record, const std::string& programFolder, ErrorPolicy& policy, QWidget* parent);

    // Activation fills the grid when exec() has not already done so (a window opened with show()), under the
    // program's error policy.
    void showEvent(QShowEvent* event) override;

private:
    void fillGrid(const QStringList& lines);
    void reportFailure(const QString& failure);

    QString title_;
    std::string path_;  // the file system's bytes, which need not be UTF-8
    ErrorPolicy& policy_;
    Dialogs& dialogs_;
    Grid grid_;
    GridTableView* MSFlexGrid1 = nullptr;
    QPushButton* closeButton_ = nullptr;
    bool filled_ = false;
};

}  // namespace quelva
