#pragma once
#include <QObject>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace quelva {

class ThemeTree;
class ErrorPolicy;
class VariableListPair;
struct RunState;

// The Variables panel: the theme tree and, under it, the variables of the chosen subtheme with check boxes.
class VariablesPanel : public QObject {
    Q_OBJECT
public:
    VariablesPanel(QGroupBox* FraVar, RunState& state, ErrorPolicy& policy);

    // Builds the theme tree once, at start-up. Throws jet::Error.
    void CarregarArvoreTemas();

    void FraVar_TrwTemas_Click();

    // Re-applies VetorVariavel to the list's check marks (when the panel is opened from the menu).
    void refreshMarks();

    QLabel* FraVar_LblTitulo[2] = {};
    ThemeTree* FraVar_TrwTemas = nullptr;
    QListWidget* FraVar_LstNomeVariavel = nullptr;
    QListWidget* FraVar_LstCodVariavel = nullptr;
    QPushButton* FraVar_CmdMarcarTodas = nullptr;
    QPushButton* FraVar_CmdDesmarcarTodas = nullptr;
    QPushButton* FraVar_CmdMostrarDefinicao = nullptr;

private:
    QGroupBox* frame_;
    RunState& state_;
    VariableListPair* pair_ = nullptr;
};

}  // namespace quelva
