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
class HighlightedNode;
class VariableSelection;
struct RunState;

// The Variables panel: the theme tree and, under it, the variables of the chosen subtheme with check boxes.
class VariablesPanel : public QObject {
    Q_OBJECT
public:
    // The panel owns, through its list pair, the variable marks, and NoDestacadoVar; it reads the rest.
    VariablesPanel(QGroupBox* FraVar, const RunState& state, VariableSelection& variables, HighlightedNode& NoDestacadoVar,
                   ErrorPolicy& policy);

    // Builds the theme tree once, at start-up. Throws jet::Error.
    void CarregarArvoreTemas();

    void FraVar_TrwTemas_Click();
    // A key released in the tree does what a click does.
    void FraVar_TrwTemas_KeyUp();
    void FraVar_LstNomeVariavel_Click();
    void FraVar_LstNomeVariavel_MouseDown();
    void FraVar_CmdMarcarTodas_Click();
    void FraVar_CmdDesmarcarTodas_Click();
    void FraVar_CmdMostrarDefinicao_Click();

    // The list pair of FraVar_LstCodVariavel and FraVar_LstNomeVariavel, with Ger_AtualizarListaVariavel.
    VariableListPair& variableList() const { return *pair_; }

    QLabel* FraVar_LblTitulo[2] = {};
    ThemeTree* FraVar_TrwTemas = nullptr;
    QListWidget* FraVar_LstNomeVariavel = nullptr;
    QListWidget* FraVar_LstCodVariavel = nullptr;
    QPushButton* FraVar_CmdMarcarTodas = nullptr;
    QPushButton* FraVar_CmdDesmarcarTodas = nullptr;
    QPushButton* FraVar_CmdMostrarDefinicao = nullptr;

private:
    QGroupBox* frame_;
    const RunState& state_;
    HighlightedNode& NoDestacadoVar_;
    VariableListPair* pair_ = nullptr;
};

}  // namespace quelva
