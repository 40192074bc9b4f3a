#pragma once
#include <QObject>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "criterion.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quelva {

class ErrorPolicy;
class Grid;
class GridTableView;
class CriteriaExpression;
struct RunState;

// The character typed into the criterion value: backspace (8) and the digits pass, any other key code comes
// back as 0 (discarded). The length of the value so far is not used.
int mdl_verifica_numero(int KeyAscii, int length);

// The Criteria panel: criteria built one at a time from a variable, an operator and a whole number, chained
// with "E" or "OU", shown in a grid and kept as the condition ExpressaoCriterio that the result run adds to
// its statement. Criteria are added one by one and cleared all together.
class CriteriaPanel : public QObject {
    Q_OBJECT
public:
    // The panel owns the criteria expression and reads the rest of the state.
    CriteriaPanel(QGroupBox* FraCri, const RunState& state, CriteriaExpression& criteria, ErrorPolicy& policy);

    // At the first activation of the window only: fills the variable list from the data file and the operator
    // and connector lists, writes the grid's header and empties ExpressaoCriterio. Throws jet::Error.
    void prepareControls();

    void AtualizarBotoesCriterio();

    void FraCri_dbcmbvar_Click() { AtualizarBotoesCriterio(); }
    void FraCri_cmboperador_Click() { AtualizarBotoesCriterio(); }
    void FraCri_cmbconector_Click() { AtualizarBotoesCriterio(); }
    void FraCri_txtvalor_Change() { AtualizarBotoesCriterio(); }
    void FraCri_txtvalor_KeyPress(int& KeyAscii);
    void FraCri_cmdadicionacri_Click();
    void FraCri_cmdlimpacri_Click();
    void FraCri_cmdlimpatodoscri_Click();

    // The chosen entry's value: the code padded or cut to 20 characters, then the name; empty with no choice.
    QString chosenVariableValue() const;

    // The criteria of the grid, in the order of adding.
    std::vector<Criterion> criteria() const;
    // Replaces every criterion by `criteria` (a selection opened from a file), each made as the button
    // makes it, so that each goes through the same checks as a typed one: an operator and a connector of
    // the lists, a whole number, and a variable of the list, without which it is left out. Nothing changes
    // and there is no answer when one of them holds anything else; otherwise, how many were left out.
    std::optional<int> replaceCriteria(const std::vector<Criterion>& criteria);

    QGroupBox* FraCri_FraCriTop = nullptr;
    std::array<QLabel*, 4> FraCri_LblTit{};
    QComboBox* FraCri_CmbConector = nullptr;
    QComboBox* FraCri_DbCmbVar = nullptr;
    QComboBox* FraCri_CmbOperador = nullptr;
    QLineEdit* FraCri_TxtValor = nullptr;
    QPushButton* FraCri_CmdLimpaCri = nullptr;
    QPushButton* FraCri_CmdAdicionaCri = nullptr;
    QGroupBox* FraCri_FraCri = nullptr;
    GridTableView* FraCri_GrdCri = nullptr;
    Grid* criteriaGrid = nullptr;
    QPushButton* FraCri_CmdLimpaTodosCri = nullptr;

private:
    void loadVariableList();
    void writeGridHeader();
    bool connectorOk() const;
    // Appends the criterion of the variable list's value `choice` to the grid and to ExpressaoCriterio, joined
    // by the connector at `connector` of its list (-1: none, as for the first).
    void addCriterion(const QString& choice, const QString& op, const QString& value, int connector);
    // The grid back to its header and ExpressaoCriterio empty: no criterion.
    void clearCriteria();
    // The value of the variable list's entry of `code`; empty when the list has none.
    QString listValueOfCode(const QString& code) const;

    QGroupBox* frame_;
    const RunState& state_;
    CriteriaExpression& criteria_;
    ErrorPolicy& policy_;
};

}  // namespace quelva
