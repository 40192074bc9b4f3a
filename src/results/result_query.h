#pragma once
#include <QString>
#include <array>
#include <optional>
#include <string>

#include "quelva_limits.h"
#include "recordset.h"

class QWidget;

namespace quelva {

class Dialogs;
class LastResult;
struct RunState;

// True when at least one locality and one variable are selected; otherwise shows which is missing and
// returns false.
bool ValidarSelecao(const RunState& state, Dialogs& dialogs, QWidget* parent);

// The sub-variable number of an M1 code: the two characters at positions 6-7 ("M1_1012" gives 12); 0 when
// they are not two digits.
int subVariableNumber(const std::string& code);

// What one result run brings, kept apart from the state until the run has succeeded: the statement, its
// rows (empty until opened) and the facts about them the layouts read, named as the state names them.
struct ResultOutcome {
    QString statement;
    jet::Recordset rows;
    bool HaResultado = false;
    std::array<bool, kM1Marks> MarcaM1{};
    int QtdM1 = 0;
};

// The statement from the selected localities, variables and criteria, with the M1 facts it implies; entry 28
// of MarcaM1 is carried over from the state, which no run clears. Empty when the statement cannot be run as
// assembled: a locality condition or a statement over the length limit, or a sub-variable number past the
// group's marks. Changes nothing.
std::optional<ResultOutcome> assembleQuery(const RunState& state);

// The rows of `statement` from DbCatalogo, left on the last record so that the count is complete. When the
// engine refuses the statement, writes the engine's own message to the standard error stream and returns
// nothing.
std::optional<jet::Recordset> openResult(const RunState& state, const QString& statement);

// The result run: the statement assembled and its rows opened, or nothing when either fails. Needs the
// catalogue open; changes nothing: the caller commits a successful outcome with commitResult.
std::optional<ResultOutcome> MontarConsulta(const RunState& state);

// A successful run replaces all four of the last result; a run that starts, or a layout that finds the rows
// empty, only clears it (LastResult::clear), so a failed run keeps the rows and marks of the one before.
void commitResult(LastResult& result, ResultOutcome outcome);

}  // namespace quelva
