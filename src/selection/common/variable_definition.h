#pragma once
#include <QString>
#include <functional>

class QListWidget;
class QWidget;

namespace quelva {

class SurveyDatabase;
class Dialogs;
class ErrorPolicy;

// The definition of a variable, in the box "Definição de variável": its theme, subtheme, name and the
// definition text from CD_DEFINICOES. Shows nothing when the variable has no definition.
void Ger_MostrarDescricaoVariavel(const SurveyDatabase& database, Dialogs& dialogs, QWidget* parent, const QString& code);

// The "&Mostrar definição" button of any panel: the current entry's variable, or "Selecione uma variável".
void showDefinitionOfCurrentEntry(const SurveyDatabase& database, Dialogs& dialogs, QWidget* parent, QListWidget& codes, QListWidget& names);

// Wires a name list so that a right-button press shows the definition of its current entry.
void showDefinitionOnRightClick(QListWidget& names, ErrorPolicy& policy, std::function<void()> show);

}  // namespace quelva
