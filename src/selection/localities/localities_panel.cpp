#include "localities_panel.h"

#include <QGroupBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "area_code.h"
#include "blanks.h"
#include "wait_cursor.h"
#include "dialogs.h"
#include "error_policy.h"
#include "run_state.h"
#include "locality_entry.h"
#include "region_groups.h"
#include "sql_quoting.h"
#include "ticked_entry.h"
#include "typed_character_filter.h"
#include "variable_list_pair.h"

namespace quelva {

namespace {

const char* const kFindMunicipality = "Digite as primeiras letras do nome do município";
const char* const kLocalitiesSql = "Select * From CD_AREA Where mun<>0  ORDER by descricao";

// Codes a typed character may have in the search box: control keys and the blank, digits, letters and the
// accented letters. Everything else (punctuation, and with it Like's wildcards and the quotes) is refused.
bool searchCharacterAccepted(int code) {
    return code <= 32 || (code >= 48 && code <= 57) || (code >= 65 && code <= 90) ||
           (code >= 97 && code <= 122) || (code >= 192 && code <= 251);
}

}  // namespace

LocalitiesPanel::LocalitiesPanel(QGroupBox* FraLoc, const RunState& state, LocalitySelection& selection, ErrorPolicy& policy)
    : QObject(FraLoc), frame_(FraLoc), state_(state), selection_(selection), policy_(policy) {
    const QString prompt = QString::fromUtf8(kFindMunicipality);
    FraLoc_lblprocmun = new QLabel(prompt, frame_);
    FraLoc_lblprocmun->setObjectName("FraLoc_lblprocmun");
    FraLoc_txtprocmun = new QLineEdit(frame_);
    FraLoc_txtprocmun->setObjectName("FraLoc_txtprocmun");
    FraLoc_txtprocmun->setToolTip(prompt);
    FraLoc_LstMunSelec = new QListWidget(frame_);
    FraLoc_LstMunSelec->setObjectName("FraLoc_LstMunSelec");
    FraLoc_cmdmarcartodas = new QPushButton(QString::fromUtf8(kMarkAllCaption), frame_);
    FraLoc_cmdmarcartodas->setObjectName("FraLoc_cmdmarcartodas");
    FraLoc_cmddesmarcartodas = new QPushButton(QString::fromUtf8(kUnmarkAllCaption), frame_);
    FraLoc_cmddesmarcartodas->setObjectName("FraLoc_cmddesmarcartodas");

    // Only printable characters are filtered: control keys edit the text and never put a character into it.
    new TypedCharacterFilter(FraLoc_txtprocmun, policy_,
                             {.codes = TypedCharacterRules::Codes::Windows1252, .controlCharacters = false,
                              .focusAndDeleteKeysPass = false, .inputMethodText = true},
                             [this](int& KeyAscii) { FraLoc_txtprocmun_KeyPress(KeyAscii); });
    FraLoc_txtprocmun->installEventFilter(this);
    policy_.connect(FraLoc_cmdmarcartodas, &QPushButton::clicked, this, [this] { FraLoc_CmdMarcarTodas_Click(); });
    policy_.connect(FraLoc_cmddesmarcartodas, &QPushButton::clicked, this, [this] { FraLoc_CmdDesmarcarTodas_Click(); });
    recordTicksAsClicks(FraLoc_LstMunSelec, this, policy_, [] { return true; }, [this] { FraLoc_LstMunSelec_Click(); });
}

void LocalitiesPanel::FraLoc_CarregarLocalidades() {
    WaitCursor busy(frame_->window());
    jet::Connection db = state_.session.database().open();
    QListWidget* list = FraLoc_LstMunSelec;
    list->hide();
    list->clear();
    jet::Recordset rs = db.openRecordset(kLocalitiesSql);
    {
        const QSignalBlocker noSignals(list);
        while (!rs.eof()) {
            const int code = areaCode(rs.field("COD_AREA_NORVA"));
            const QString name = QString::fromStdString(rs.field("DESCRICAO").toText());
            list->addItem(newLocalityItem(localityEntryText(name, code), name));
            rs.moveNext();
        }
    }
    rs.close();
    db.close();
    applyMarks();
    list->setCurrentRow(-1);
    list->show();
}

void LocalitiesPanel::AtualizarMarcasLocalidades() {
    if (FraLoc_LstMunSelec->count() == 0) return;
    applyMarks();
    FraLoc_LstMunSelec->setCurrentRow(-1);
}

int LocalitiesPanel::selectOnly(const std::vector<int>& codes) {
    std::vector<bool> listed(kMaxAreaCode + 1);
    for (int i = 0; i < FraLoc_LstMunSelec->count(); ++i)
        if (const int code = entryCode(i); code >= 0) listed[static_cast<std::size_t>(code)] = true;
    markEveryEntry(false);
    int unknown = 0;
    for (int code : codes) {
        if (code < 0 || code > kMaxAreaCode || !listed[static_cast<std::size_t>(code)]) ++unknown;
        else selection_.setMark(code, true);
    }
    applyMarks();
    return unknown;
}

void LocalitiesPanel::applyMarks() {
    QListWidget* list = FraLoc_LstMunSelec;
    const QSignalBlocker noSignals(list);
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem* item = list->item(i);
        const int code = entryCode(i);
        if (code < 0) continue;
        const Qt::CheckState mark = selection_.isMarked(code) ? Qt::Checked : Qt::Unchecked;
        if (item->checkState() != mark) item->setCheckState(mark);
    }
}

int LocalitiesPanel::entryCode(int i) const {
    const int code = codeOfLocalityEntry(entryOfLocalityItem(FraLoc_LstMunSelec->item(i)));
    return code <= kMaxAreaCode ? code : -1;  // the list holds none above: its codes were checked on loading
}

void LocalitiesPanel::setMark(int i, bool marked) {
    const QSignalBlocker noSignals(FraLoc_LstMunSelec);
    FraLoc_LstMunSelec->item(i)->setCheckState(marked ? Qt::Checked : Qt::Unchecked);
}

void LocalitiesPanel::markEveryEntry(bool marked) {
    QListWidget* list = FraLoc_LstMunSelec;
    for (int i = 0; i < list->count(); ++i) {
        setMark(i, marked);
        const int code = entryCode(i);
        if (code >= 0) selection_.setMark(code, marked);
    }
    list->setCurrentRow(-1);
}

void LocalitiesPanel::FraLoc_CmdMarcarTodas_Click() {
    WaitCursor busy(FraLoc_cmdmarcartodas);
    FraLoc_LstMunSelec->hide();
    markEveryEntry(true);
    FraLoc_LstMunSelec->show();
    FraLoc_LstMunSelec->repaint();
}

void LocalitiesPanel::FraLoc_CmdDesmarcarTodas_Click() {
    WaitCursor busy(FraLoc_cmddesmarcartodas);
    markEveryEntry(false);
    FraLoc_LstMunSelec->repaint();
}

void LocalitiesPanel::FraLoc_txtprocmun_KeyPress(int& KeyAscii) {
    if (!searchCharacterAccepted(KeyAscii)) KeyAscii = 0;
}

void LocalitiesPanel::FraLoc_txtprocmun_KeyUp() {
    const QString T = trimBlanks(FraLoc_txtprocmun->text().toUpper());
    jet::Recordset rs = state_.session.RsBuscaMunicipio();
    // The typed text matches itself: a quote or one of Like's wildcards pasted into the box neither breaks
    // the criterion nor widens it.
    rs.findFirst("desc like '" + likeText(T) + "*'");
    // Row p of the recordset is entry p of the list: both are the listed localities in name order.
    int p = rs.noMatch() ? -1 : rs.absolutePosition();
    if (p >= FraLoc_LstMunSelec->count()) p = -1;
    FraLoc_LstMunSelec->setCurrentRow(p);
    if (p >= 0) FraLoc_LstMunSelec->scrollToItem(FraLoc_LstMunSelec->item(p));
}

void LocalitiesPanel::FraLoc_LstMunSelec_Click() {
    const int i = FraLoc_LstMunSelec->currentRow();
    if (i < 0) return;
    QListWidgetItem* item = FraLoc_LstMunSelec->item(i);
    const int code = entryCode(i);
    if (code < 0) return;
    if (item->checkState() != Qt::Checked) selection_.setMark(code, false);
    else if (regionFamily(code)) tickRegionGroup(i, code);
    else selection_.setMark(code, true);
}

void LocalitiesPanel::tickRegionGroup(int i, int code) {
    const RegionFamily family = *regionFamily(code);
    const RegionFamily other = otherFamily(family);
    const bool switchFamily = selection_.familySelected(other);
    if (switchFamily && policy_.dialogs().message(frame_->window(), switchFamilyQuestion(family), Dialogs::Icon::Exclamation,
                                                Dialogs::Buttons::YesNo, switchFamilyTitle(), true) != Dialogs::Answer::Yes) {
        setMark(i, false);  // the earlier selection stays, the new tick is withdrawn
        return;
    }
    if (switchFamily) selection_.clearFamily(other);
    selection_.setMark(code, true);
    // The cancelled family's check boxes are cleared at once: the list never shows a tick that the selection
    // does not hold.
    if (switchFamily) applyMarks();
}

// Any key released in the search box moves the list; the typed characters are filtered before.
bool LocalitiesPanel::eventFilter(QObject* target, QEvent* event) {
    if (target == FraLoc_txtprocmun && event->type() == QEvent::KeyRelease) policy_.run([&] { FraLoc_txtprocmun_KeyUp(); });
    return false;
}

}  // namespace quelva
