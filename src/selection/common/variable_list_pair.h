#pragma once
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QListWidget;
class QPushButton;
class QWidget;

namespace quelva {

class ErrorPolicy;
class SurveyDatabase;
class VariableSelection;

// Texts of every panel that lists variables.
extern const char* const kVariableListTip;
extern const char* const kMarkAllCaption;
extern const char* const kUnmarkAllCaption;
extern const char* const kShowDefinitionCaption;

// The variable list pair of a panel as the user sees it: the check-box list of names, the hidden list of codes
// matched by position, and the buttons "&Marcar todas" (where the panel has it), "&Desmarcar todas" and
// "&Mostrar definição", with the right mouse button on a name showing its definition. Controls are named
// `prefix` + their own name ("FraVar_" gives FraVar_LstNomeVariavel, FraVar_CmdMarcarTodas, ...).
//
// The pairs of the three panels that list variables are the only writers of the variable marks (Selecionada
// in VetorVariavel) and of the guard SincronizarMarcas. A name list's check marks are a view of the table: set
// from it with the guard off, and every change written back at once while the guard is on.
class VariableListPair : public QObject {
    Q_OBJECT
public:
    struct Options {
        bool hasMarkAll = true;        // the review panel has no "&Marcar todas"
        bool hideWhileMarking = true;  // hide the name list while "&Marcar todas" runs
        bool hideWhileUnmarking = true;
    };

    VariableListPair(QWidget* parent, const QString& prefix, Options options, const SurveyDatabase& database,
                     VariableSelection& variables, ErrorPolicy& policy);

    QListWidget* names = nullptr;
    QListWidget* codes = nullptr;
    QPushButton* markAllButton = nullptr;  // null without the button
    QPushButton* unmarkAllButton = nullptr;
    QPushButton* definitionButton = nullptr;

    // The panel's handlers of its controls, each run under the error policy: the buttons' clicks, a change of a
    // name's check box or of the current name (its entry first made the current one), and the right mouse
    // button on a name. Without a button there is no handler for it.
    struct Handlers {
        std::function<void()> markAll, unmarkAll, showDefinition, nameClick, nameMouseDown;
    };
    void connectHandlers(const Handlers& h);

    // What the handlers do, the same for the three panels.
    void markAll();
    void unmarkAll();
    void showDefinition();
    // The current entry's check mark recorded (Ger_AtualizarVetorVariavel on this pair's lists).
    void recordCurrent() { Ger_AtualizarVetorVariavel(*codes, *names); }

    // Filling: empty both lists, append entries, then set the marks from VetorVariavel with no current entry.
    // `writeThroughOff` keeps every change of a mark from being recorded until the marks are set.
    void clear(bool writeThroughOff = false);
    void append(const QString& code, const QString& name);
    void finishFilling();

    // Sets the name list's check marks from VetorVariavel, with the write-through off meanwhile.
    void Ger_AtualizarListaVariavel(QListWidget& codes, QListWidget& names);

    // Writes the current entry's check mark into VetorVariavel (nothing without a current entry, or while
    // the marks are being set from the table).
    void Ger_AtualizarVetorVariavel(QListWidget& codes, QListWidget& names);

    // Selects exactly the variables of `codes` (a selection opened from a file), matched as the lists match
    // them; the lists show it once refilled. The number of codes VetorVariavel lacks, which are left out.
    int selectOnly(const QStringList& codes);

private:
    // Every listed entry ticked or unticked, each recorded as a click would.
    void setEveryMark(bool marked, bool hideMeanwhile);

    // The first position of VetorVariavel whose code, as text, equals `code` exactly; -1 when none.
    int positionOfCode(const QString& code);
    void buildIndex();

    Options options_;
    const SurveyDatabase& database_;
    VariableSelection& variables_;
    ErrorPolicy& policy_;
    QHash<QString, int> positions_;
    bool indexed_ = false;
};

}  // namespace quelva
