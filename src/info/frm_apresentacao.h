#pragma once
#include <QDialog>

#include "grid.h"

class QPushButton;

namespace quelva {

class ErrorPolicy;

// The presentation window: a heading and five paragraphs on information technology in the state's
// municipalities, in one grid, MSFlexGrid1, filled when the window is first shown (under the program's error
// policy). The caller builds one at each opening and calls exec().
class FrmApresentacao : public QDialog {
    Q_OBJECT
public:
    explicit FrmApresentacao(ErrorPolicy& policy, QWidget* parent = nullptr);

    // Writes the text into the grid and shows it.
    void fill();

protected:
    void showEvent(QShowEvent* event) override;

private:
    ErrorPolicy& policy_;
    Grid grid_;
    GridTableView* MSFlexGrid1 = nullptr;
    // Shares its control name with the institutional record's close button.
    QPushButton* FrmFichaInstitucional_cmdfechar = nullptr;
    bool filled_ = false;
};

}  // namespace quelva
