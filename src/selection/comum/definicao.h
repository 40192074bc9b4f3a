#pragma once
#include <QString>
#include <functional>

class QListWidget;
class QWidget;

namespace quelva {

class Banco;
class Dialogos;
class ErrorPolicy;

// The definition of a variable, in the box "Definição de variável": its theme, subtheme, name and the
// definition text from CD_DEFINICOES. Shows nothing when the variable has no definition.
void Ger_MostrarDescricaoVariavel(Banco& banco, Dialogos& dialogos, QWidget* pai, const QString& codigo);

// The "&Mostrar definição" button of any panel: the current entry's variable, or "Selecione uma variável".
void MostrarDefinicaoDaLista(Banco& banco, Dialogos& dialogos, QWidget* pai, QListWidget& codigos, QListWidget& nomes);

// Wires a name list so that a right-button press shows the definition of its current entry.
void ligarBotaoDireito(QListWidget& nomes, ErrorPolicy& politica, std::function<void()> mostrar);

}  // namespace quelva
