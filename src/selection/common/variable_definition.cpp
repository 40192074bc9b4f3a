#include "variable_definition.h"

#include <QEvent>
#include <QListWidget>
#include <QMouseEvent>

#include "survey_database.h"
#include "wait_cursor.h"
#include "dialogs.h"
#include "error_policy.h"
#include "sql_quoting.h"

namespace quelva {

namespace {

const char* kDefinitionTitle = "Definição de variável";
const char* kChooseAVariable = "Selecione uma variável";

// The last row's field as text; "" when there is no row or the field is null.
QString lastRowField(jet::Recordset& rs, const char* field) {
    if (rs.recordCount() == 0) return {};
    rs.moveLast();
    return QString::fromStdString(rs.field(field).toText());
}

// Passes right-button presses on a list to the panel's definition handler.
class RightButtonFilter : public QObject {
public:
    RightButtonFilter(QWidget* list, ErrorPolicy& policy, std::function<void()> action)
        : QObject(list), list_(list), policy_(policy), action_(std::move(action)) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(e)->button() == Qt::RightButton) {
            policy_.run([this] {
                WaitCursor busy(list_);
                action_();
            });
            return true;  // the press must not move the current entry
        }
        return false;
    }

private:
    QWidget* list_;
    ErrorPolicy& policy_;
    std::function<void()> action_;
};

}  // namespace

void Ger_MostrarDescricaoVariavel(const SurveyDatabase& database, Dialogs& dialogs, QWidget* parent, const QString& code) {
    jet::Connection db = database.open();
    jet::Recordset var = db.openRecordset("Select * From CD_VAR Where CodVariavel = " + quotedText(code));
    if (var.recordCount() == 0) return;  // a code the catalogue does not know: nothing to describe
    var.moveLast();
    const std::string subtheme = var.field("CodSubTema").toText();
    const std::string theme = var.field("CodTema").toText();
    const QString name = QString::fromStdString(var.field("NomeVariavel").toText());
    const QString storedCode = QString::fromStdString(var.field("CodVariavel").toText());
    jet::Recordset rsSubtheme = db.openRecordset("Select * From CD_SUBTEMA Where CodSubTema = " + (subtheme.empty() ? "Null" : subtheme));
    jet::Recordset rsTheme = db.openRecordset("Select * From CD_TEMA Where CodTema = " + (theme.empty() ? "Null" : theme));
    jet::Recordset rsDef = db.openRecordset("Select * From CD_DEFINICOES Where CodVariavel = " + quotedText(storedCode));
    if (rsDef.recordCount() > 0) {
        const QString blankLine = QStringLiteral("\r\r");  // a carriage return alone, twice: one blank line between parts
        const QString text = QStringLiteral("Tema: ") + lastRowField(rsTheme, "NomeTema") + blankLine + QStringLiteral("SubTema: ") +
                              lastRowField(rsSubtheme, "NomeSubTema") + blankLine + QString::fromUtf8("Variável: ") + name + blankLine +
                              QString::fromUtf8("Definição: ") + lastRowField(rsDef, "DefinicaoVariavel");
        dialogs.message(parent, text, Dialogs::Icon::Information, Dialogs::Buttons::Ok, QString::fromUtf8(kDefinitionTitle));
    }
}

void showDefinitionOfCurrentEntry(const SurveyDatabase& database, Dialogs& dialogs, QWidget* parent, QListWidget& codes, QListWidget& names) {
    const int i = names.currentRow();
    if (i < 0 || i >= codes.count()) {
        dialogs.message(parent, QString::fromUtf8(kChooseAVariable), Dialogs::Icon::Critical, Dialogs::Buttons::Ok, QString());
        return;
    }
    WaitCursor busy(parent);
    Ger_MostrarDescricaoVariavel(database, dialogs, parent, codes.item(i)->text());
}

void showDefinitionOnRightClick(QListWidget& names, ErrorPolicy& policy, std::function<void()> show) {
    names.viewport()->installEventFilter(new RightButtonFilter(&names, policy, std::move(show)));
}

}  // namespace quelva
