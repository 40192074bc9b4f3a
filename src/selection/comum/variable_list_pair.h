#pragma once
#include <QObject>
#include <QString>

class QListWidget;
class QPushButton;
class QWidget;

namespace quelva {

class ErrorPolicy;
class ListasVariaveis;
struct Estado;

// Texts of every panel that lists variables.
extern const char* const kDicaListaVariaveis;
extern const char* const kMarcarTodas;
extern const char* const kDesmarcarTodas;
extern const char* const kMostrarDefinicao;

// The variable list pair of a panel as the user sees it: the check-box list of names, the hidden list of codes
// matched by position, and the buttons "&Marcar todas" (where the panel has it), "&Desmarcar todas" and
// "&Mostrar definição", with the right mouse button on a name showing its definition. The marks are written
// through to VetorVariavel by the shared ListasVariaveis. Controls are named `prefixo` + their own name
// ("FraVar_" gives FraVar_LstNomeVariavel, FraVar_CmdMarcarTodas, ...).
class VariableListPair : public QObject {
    Q_OBJECT
public:
    struct Options {
        bool markAllButton = true;     // the review panel has none
        bool hideWhileMarking = true;  // hide the name list while "&Marcar todas" runs
        bool hideWhileUnmarking = true;
    };

    VariableListPair(QWidget* pai, const QString& prefixo, Options opcoes, Estado& estado, ListasVariaveis& listas,
                     ErrorPolicy& politica);

    QListWidget* nomes = nullptr;
    QListWidget* codigos = nullptr;
    QPushButton* marcarTodas = nullptr;  // null without the button
    QPushButton* desmarcarTodas = nullptr;
    QPushButton* mostrarDefinicao = nullptr;

    void markAll();
    void unmarkAll();
    void showDefinition();

    // Filling: empty both lists, append entries, then set the marks from VetorVariavel with no current entry.
    void clear();
    void append(const QString& codigo, const QString& nome);
    void finishFilling();

    // Re-applies VetorVariavel to the marks (when the panel is opened from the menu).
    void refreshMarks();

private:
    Options opcoes_;
    Estado& estado_;
    ListasVariaveis& listas_;
    ErrorPolicy& politica_;
};

}  // namespace quelva
