#include "variable_list_pair.h"

#include <QListWidget>
#include <QPushButton>
#include <array>

#include "wait_cursor.h"
#include "error_policy.h"
#include "quelva_limits.h"
#include "survey_database.h"
#include "ticked_entry.h"
#include "variable_selection.h"
#include "variable_definition.h"

namespace quelva {

const char* const kVariableListTip =
    "Selecione uma variável e clique com o botão direito do mouse para visualizar a definição da variável.";
const char* const kMarkAllCaption = "&Marcar todas";
const char* const kUnmarkAllCaption = "&Desmarcar todas";
const char* const kShowDefinitionCaption = "&Mostrar definição";

void VariableListPair::buildIndex() {
    // VetorVariavel's codes never change after loading: one pass gives every look-up of the run, the same
    // answer as scanning positions 0 to 705 in order (the first match wins, empty codes match nothing).
    for (int p = kMaxVariables - 1; p >= 0; --p) {
        const jet::Value& c = variables_.VetorVariavel()[static_cast<std::size_t>(p)].CodVariavel;
        if (c.isNull()) continue;
        QString text = QString::fromStdString(c.toText());
        if (!text.isEmpty()) positions_.insert(text, p);
    }
    indexed_ = true;
}

int VariableListPair::positionOfCode(const QString& code) {
    if (!indexed_) buildIndex();
    return positions_.value(code, -1);
}

void VariableListPair::Ger_AtualizarListaVariavel(QListWidget& codes, QListWidget& names) {
    variables_.setSincronizarMarcas(false);
    for (int i = 0; i < codes.count(); ++i) {
        int p = positionOfCode(codes.item(i)->text());
        if (p < 0 || i >= names.count()) continue;
        const bool marked = variables_.VetorVariavel()[static_cast<std::size_t>(p)].isSelected();
        names.item(i)->setCheckState(marked ? Qt::Checked : Qt::Unchecked);
    }
    variables_.setSincronizarMarcas(true);
}

void VariableListPair::Ger_AtualizarVetorVariavel(QListWidget& codes, QListWidget& names) {
    const int i = names.currentRow();
    if (i < 0 || !variables_.SincronizarMarcas() || i >= codes.count()) return;
    int p = positionOfCode(codes.item(i)->text());
    if (p < 0) return;
    variables_.setMark(p, names.item(i)->checkState() == Qt::Checked);
}

int VariableListPair::selectOnly(const QStringList& codes) {
    std::array<bool, kMaxVariables> marks{};
    int unknown = 0;
    for (const QString& code : codes) {
        const int p = positionOfCode(code);
        if (p < 0) ++unknown;
        else marks[static_cast<std::size_t>(p)] = true;
    }
    for (int p = 0; p < kMaxVariables; ++p) variables_.setMark(p, marks[static_cast<std::size_t>(p)]);
    return unknown;
}

namespace {

QPushButton* newButton(QWidget* parent, const QString& name, const char* text) {
    auto* b = new QPushButton(QString::fromUtf8(text), parent);
    b->setObjectName(name);
    return b;
}

}  // namespace

VariableListPair::VariableListPair(QWidget* parent, const QString& prefix, Options options, const SurveyDatabase& database,
                                   VariableSelection& variables, ErrorPolicy& policy)
    : QObject(parent), options_(options), database_(database), variables_(variables), policy_(policy) {
    codes = new QListWidget(parent);
    codes->setObjectName(prefix + "LstCodVariavel");
    codes->hide();
    names = new QListWidget(parent);
    names->setObjectName(prefix + "LstNomeVariavel");
    names->setToolTip(QString::fromUtf8(kVariableListTip));
    if (options_.hasMarkAll) markAllButton = newButton(parent, prefix + "CmdMarcarTodas", kMarkAllCaption);
    unmarkAllButton = newButton(parent, prefix + "CmdDesmarcarTodas", kUnmarkAllCaption);
    definitionButton = newButton(parent, prefix + "CmdMostrarDefinicao", kShowDefinitionCaption);

}

void VariableListPair::connectHandlers(const Handlers& h) {
    recordTicksAsClicks(names, names, policy_, [this] { return variables_.SincronizarMarcas(); }, h.nameClick);
    policy_.connect(names, &QListWidget::currentRowChanged, names, [click = h.nameClick](int) { click(); });
    if (markAllButton) policy_.connect(markAllButton, &QPushButton::clicked, this, h.markAll);
    policy_.connect(unmarkAllButton, &QPushButton::clicked, this, h.unmarkAll);
    policy_.connect(definitionButton, &QPushButton::clicked, this, h.showDefinition);
    showDefinitionOnRightClick(*names, policy_, h.nameMouseDown);
}

void VariableListPair::setEveryMark(bool marked, bool hideMeanwhile) {
    if (hideMeanwhile) names->hide();
    const QSignalBlocker noSignals(names);  // each entry is recorded here, once, not again by the signals
    for (int i = 0; i < names->count(); ++i) {
        names->setCurrentRow(i);
        names->item(i)->setCheckState(marked ? Qt::Checked : Qt::Unchecked);
        Ger_AtualizarVetorVariavel(*codes, *names);
    }
    names->setCurrentRow(-1);
    if (hideMeanwhile) names->show();
}

void VariableListPair::markAll() {
    WaitCursor busy(markAllButton);
    setEveryMark(true, options_.hideWhileMarking);
}

void VariableListPair::unmarkAll() {
    WaitCursor busy(unmarkAllButton);
    setEveryMark(false, options_.hideWhileUnmarking);
}

void VariableListPair::showDefinition() {
    showDefinitionOfCurrentEntry(database_, policy_.dialogs(), definitionButton, *codes, *names);
}

void VariableListPair::clear(bool writeThroughOff) {
    if (writeThroughOff) variables_.setSincronizarMarcas(false);
    codes->clear();
    names->clear();
}

void VariableListPair::append(const QString& code, const QString& name) {
    auto* c = new QListWidgetItem(code);
    c->setFlags(c->flags() | Qt::ItemIsUserCheckable);
    c->setCheckState(Qt::Unchecked);
    codes->addItem(c);
    auto* n = new QListWidgetItem(name);  // set up before it joins the list, so no change is signalled
    n->setFlags(n->flags() | Qt::ItemIsUserCheckable);
    n->setCheckState(Qt::Unchecked);
    names->addItem(n);
}

void VariableListPair::finishFilling() {
    Ger_AtualizarListaVariavel(*codes, *names);
    const QSignalBlocker b(names);
    names->setCurrentRow(-1);
}


}  // namespace quelva
