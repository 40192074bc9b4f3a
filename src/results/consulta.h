#pragma once
#include <QString>
#include <optional>
#include <string>

class QWidget;

namespace quelva {

class Dialogos;
struct Estado;

// True when at least one locality and one variable are selected; otherwise shows which is missing and
// returns false.
bool ValidarSelecao(const Estado& estado, Dialogos& dialogos, QWidget* pai);

// A code of the repeated group M1: its first two characters are "M1".
bool belongsToM1(const std::string& codigo);
// The sub-variable number of an M1 code: the two characters at positions 6-7 ("M1_1012" gives 12); 0 when
// they are not two digits.
int subVariableNumber(const std::string& codigo);

// Assembles the result statement from the selected localities, variables and criteria, and records the M1
// facts (MarcaM1, QtdM1) and HaResultado. Empty when the statement cannot be run as assembled: a locality
// condition or a statement over the length limit, or a sub-variable number past the group's marks.
std::optional<QString> MontarConsulta(Estado& estado);

// Opens RsResultado on DbCatalogo with `instrucao`. When the engine refuses it, writes the engine's own
// message to the standard error stream, keeps the previous result and returns false.
bool openResult(Estado& estado, const QString& instrucao);

}  // namespace quelva
