// The Localities panel through its real widgets on the small sample: the list and its entries, the name
// search, marking, and the region group rules.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>

#include "run_state.h"
#include "test_window.h"
#include "locality_entry.h"
#include "locality_selection.h"
#include "localities_panel.h"
#include "review_panel.h"

namespace {

using quelva::Dialogs;

// The area code an entry's text holds, read back as every part of the program reads it.
int codeOf(const QListWidgetItem* item) { return quelva::codeOfLocalityEntry(quelva::entryOfLocalityItem(item)); }
using testing_support::TestWindow;

const QString kRaRgQuestion = QString::fromUtf8(
    "ATENÇÃO !\r\nA seleção de RA/RG é icompatível com as DRADS previamente selecionadas\r\n\r\n"
    "Deseja CONFIMAR a seleção da RA/RG e \r\ncancelar a seleção de DRADS ? ");
const QString kDradsQuestion = QString::fromUtf8(
    "ATENÇÃO !\r\nA seleção de DRADS é icompatível com as RA/RG's previamente selecionadas\r\n\r\n"
    "Deseja CONFIMAR a seleção da DRAD e \r\ncancelar a seleção de RA/RG ? ");

class Localities : public ::testing::Test {
protected:
    void SetUp() override { openPanel(); }
    void openPanel() {
        ASSERT_TRUE(t.start());
        t.window->MnuLocalidades->trigger();
        p = t.window->localitiesPanel;
        list = p->FraLoc_LstMunSelec;
        search = p->FraLoc_txtprocmun;
    }
    // The list entry of an area code.
    int row(int code) {
        for (int i = 0; i < list->count(); ++i)
            if (codeOf(list->item(i)) == code) return i;
        ADD_FAILURE() << "no entry for code " << code;
        return 0;
    }
    int rowOfName(const QString& name) {
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->text() == name) return i;
        ADD_FAILURE() << "no entry named " << name.toStdString();
        return 0;
    }
    bool ticked(int code) { return list->item(row(code))->checkState() == Qt::Checked; }
    bool selected(int code) const { return t.state->localities.isMarked(code); }
    void select(int code, bool marked) { t.state->localities.setMark(code, marked); }
    // Ticks or clears the entry of `code` as the user does with the keyboard: it becomes current, the space
    // bar toggles its check box.
    void toggle(int code) {
        list->setCurrentRow(row(code));
        QTest::keyClick(list, Qt::Key_Space);
    }
    // Types each character as its key gives it (QTest's own typing knows ASCII only).
    void typeText(const QString& text) {
        for (char32_t c : text.toUcs4()) typeCharacter(QString::fromUcs4(&c, 1));
    }
    void typeCharacter(const QString& c) {
        QTest::sendKeyEvent(QTest::Press, search, Qt::Key_unknown, c, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, search, Qt::Key_unknown, c, Qt::NoModifier);
    }
    void paste(const QString& text) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(search, Qt::Key_V, Qt::ControlModifier);
    }
    void clearEverything() {
        search->end(false);
        while (!search->text().isEmpty()) QTest::keyClick(search, Qt::Key_Backspace);
    }
    int allTicked() {
        int n = 0;
        for (int i = 0; i < list->count(); ++i) n += list->item(i)->checkState() == Qt::Checked;
        return n;
    }
    // The list's check boxes agree with VetorLocalidade.
    void waitForMarksToMatchTable() {
        for (int i = 0; i < list->count(); ++i) {
            const int c = codeOf(list->item(i));
            EXPECT_EQ(list->item(i)->checkState() == Qt::Checked, selected(c)) << "code " << c;
        }
    }

    TestWindow t;
    quelva::LocalitiesPanel* p = nullptr;
    QListWidget* list = nullptr;
    QLineEdit* search = nullptr;
};

// ---- the list ----

TEST_F(Localities, ListsEveryLocalityButTheStateTotalInNameOrder) {
    EXPECT_EQ(list->count(), 43);
    EXPECT_EQ(list->item(0)->text(), "Águas de Ipocuquara");
    EXPECT_EQ(codeOf(list->item(0)), 420);
    EXPECT_EQ(list->item(42)->text(), "São Sebastião do Araçá");
    const QString one = quelva::entryOfLocalityItem(list->item(row(5)));
    EXPECT_EQ(one, "Anhurapuã" + QString(290, ' ') + "5" + QString(9, ' '));
    EXPECT_EQ(quelva::entryOfLocalityItem(list->item(row(803))).mid(299), "803" + QString(29, ' '));
    for (int i = 0; i < list->count(); ++i) {
        EXPECT_NE(codeOf(list->item(i)), 0);
        EXPECT_EQ(list->item(i)->checkState(), Qt::Unchecked);
        EXPECT_EQ(list->item(i)->data(Qt::AccessibleTextRole).toString(), list->item(i)->text());
    }
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_TRUE(list->isVisibleTo(t.window.get()));
}

TEST_F(Localities, TheListShowsNamesOnlyAndDoesNotScrollSidewaysToTheCode) {
    t.window->show();
    QStyleOptionViewItem option;
    option.initFrom(list);
    const int i = row(698);  // the longest name of the sample
    const QSize tip = list->itemDelegate()->sizeHint(option, list->model()->index(i, 0));
    const int nameWidth = list->fontMetrics().horizontalAdvance(list->item(i)->text());
    EXPECT_LT(tip.width(), nameWidth + 60);
    list->resize(tip.width() + 60, list->height());
    QApplication::processEvents();
    EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0);
}

TEST_F(Localities, StartUpTicksWhatTheTableAlreadyHolds) {
    TestWindow other;
    other.state->localities.setMark(5, true);
    other.state->localities.setMark(802, true);
    ASSERT_TRUE(other.start());
    auto* l = other.window->localitiesPanel->FraLoc_LstMunSelec;
    int tickedCount = 0;
    for (int i = 0; i < l->count(); ++i) {
        if (l->item(i)->checkState() != Qt::Checked) continue;
        ++tickedCount;
        const int c = codeOf(l->item(i));
        EXPECT_TRUE(c == 5 || c == 802) << c;
    }
    EXPECT_EQ(tickedCount, 2);
}

TEST(LocalitiesLoading, ACodeOutsideTheTablesOrNoneStopsStartUpWithItsMessage) {
    for (const char* row : {"(900, 'Fora da faixa', 1, 0, 0)", "(NULL, 'Sem código', 1, 0, 0)"}) {
        TestWindow t;
        testing_support::editSample(t.folder.file("Quelva.mdb"), std::string("INSERT INTO CD_AREA VALUES ") + row);
        EXPECT_FALSE(t.start());
        EXPECT_EQ(t.endedWith, 1);
        ASSERT_EQ(t.dialogs.messages().size(), 1u);
        const QString text = t.dialogs.messages()[0].text;
        EXPECT_TRUE(text.contains("CD_AREA")) << text.toStdString();
        EXPECT_TRUE(text.contains("900") || text.contains("vazio")) << text.toStdString();
    }
}

// ---- the name search ----

TEST_F(Localities, TypedLettersMoveToTheFirstNameTheyBegin) {
    typeText("s");
    EXPECT_EQ(list->currentRow(), rowOfName("Santa Cruz"));
    typeText(QString::fromUtf8("ão "));
    EXPECT_EQ(search->text(), QString::fromUtf8("são "));
    EXPECT_EQ(list->currentRow(), rowOfName("São Caetano do Campo"));
    typeText("p");
    EXPECT_EQ(list->currentRow(), rowOfName("São Pedro das Palmeiras"));
    EXPECT_EQ(list->selectedItems().size(), 1);
    EXPECT_EQ(allTicked(), 0);  // the search never ticks

    clearEverything();
    EXPECT_EQ(list->currentRow(), 0);
    typeText("  ipa");
    EXPECT_EQ(list->currentRow(), rowOfName("Ipapobeté"));
}

TEST_F(Localities, APrefixWithoutMatchLeavesNoEntryCurrentOrHighlighted) {
    typeText("ipa");
    ASSERT_GE(list->currentRow(), 0);
    typeText("x");
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    typeText("q");
    EXPECT_EQ(list->currentRow(), -1);
}

TEST_F(Localities, TheKeyFilterRefusesPunctuationAndTakesLettersAndAccents) {
    typeText("-'");
    EXPECT_EQ(search->text(), "");
    typeText(QString::fromUtf8("ãÇ"));
    EXPECT_EQ(search->text(), QString::fromUtf8("ãÇ"));
    search->clear();
    // The edges of the bands the filter lets through, by their Windows Latin-1 codes.
    const QString accepted = QString::fromUtf8(" 09AZazÀ÷û");
    const QString refused = QString::fromUtf8("!/:@[`{~¡¿üÿ\"*?#]");
    typeText(accepted + refused);
    EXPECT_EQ(search->text(), accepted);
    search->clear();
    // Characters the code page lacks, or holds among the signs, are refused too.
    typeText(QString::fromUtf8("€Šő Ж😀"));
    EXPECT_EQ(search->text(), " ");
    search->clear();
    // Editing keys still edit.
    typeText("boi");
    QTest::keyClick(search, Qt::Key_Backspace);
    QTest::keyClick(search, Qt::Key_Home);
    QTest::keyClick(search, Qt::Key_Delete);
    EXPECT_EQ(search->text(), "o");
    EXPECT_TRUE(t.dialogs.messages().empty());
}

TEST_F(Localities, AnInputMethodsCharactersPassTheSameFilter) {
    QInputMethodEvent composed;
    composed.setCommitString(QString::fromUtf8("s-ã'o€"));
    QApplication::sendEvent(search, &composed);
    EXPECT_EQ(search->text(), QString::fromUtf8("são"));
}

TEST_F(Localities, PastedQuotesAndWildcardsMatchThemselves) {
    paste(QString::fromUtf8("cajocunópolis d'"));
    EXPECT_EQ(list->currentRow(), rowOfName("Cajocunópolis d'Oeste"));
    for (const char* text : {"*", "s?o", "[", "[s]", "#", "\"", "d'x"}) {
        search->clear();
        paste(QString::fromUtf8(text));
        EXPECT_EQ(search->text(), QString::fromUtf8(text));
        EXPECT_EQ(list->currentRow(), -1) << text;
    }
    EXPECT_TRUE(t.dialogs.messages().empty());
    EXPECT_FALSE(t.endedWith.has_value());
    search->clear();
    paste("potipecatu-");
    EXPECT_EQ(list->currentRow(), rowOfName("Potipecatu-Mirim"));
}

// ---- marking ----

TEST_F(Localities, TickingAndClearingAMunicipalityWritesThrough) {
    toggle(5);
    EXPECT_TRUE(selected(5));
    EXPECT_TRUE(ticked(5));
    toggle(5);
    EXPECT_FALSE(selected(5));
    EXPECT_FALSE(ticked(5));
}

TEST_F(Localities, AMouseClickOnACheckBoxTicksAndRecordsIt) {
    t.window->show();
    const int i = row(212);
    QStyleOptionViewItem option;
    option.initFrom(list);
    option.rect = list->visualItemRect(list->item(i));
    option.features = QStyleOptionViewItem::HasCheckIndicator;
    const QRect box = list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
    EXPECT_EQ(list->currentRow(), i);
    EXPECT_TRUE(selected(212));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
    EXPECT_FALSE(selected(212));
}

TEST_F(Localities, MarkAllSelectsBothFamiliesWithoutAQuestionUnmarkAllTouchesOnlyListedCodes) {
    select(0, true);  // not listed: neither button touches it
    select(850, true);
    QTest::mouseClick(p->FraLoc_cmdmarcartodas, Qt::LeftButton);
    EXPECT_TRUE(t.dialogs.messages().empty());
    EXPECT_EQ(allTicked(), list->count());
    for (int c : {1, 5, 679, 681, 683, 698, 700, 701, 705, 801, 803}) EXPECT_TRUE(selected(c)) << c;
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_TRUE(list->isVisibleTo(t.window.get()));

    QTest::mouseClick(p->FraLoc_cmddesmarcartodas, Qt::LeftButton);
    EXPECT_EQ(allTicked(), 0);
    int selectedCount = 0;
    for (bool s : t.state->localities.VetorLocalidade()) selectedCount += s;
    EXPECT_EQ(selectedCount, 2);
    EXPECT_TRUE(selected(0));
    EXPECT_TRUE(selected(850));
    EXPECT_EQ(list->currentRow(), -1);
}

// ---- region groups ----

TEST_F(Localities, SwitchingFromDradsToRaRgAsksAndYesClearsTheDradsAtOnce) {
    toggle(801);
    toggle(802);
    toggle(5);
    t.dialogs.answer(Dialogs::Answer::Yes);
    toggle(681);
    ASSERT_EQ(t.dialogs.messages().size(), 1u);
    const auto& m = t.dialogs.messages()[0];
    EXPECT_EQ(m.text, kRaRgQuestion);
    EXPECT_EQ(m.title, QString::fromUtf8("Seleção de RA/RG e DRADS incompatível"));
    EXPECT_EQ(m.icon, Dialogs::Icon::Exclamation);
    EXPECT_EQ(m.buttons, Dialogs::Buttons::YesNo);
    EXPECT_TRUE(m.defaultNo);
    EXPECT_TRUE(selected(681));
    EXPECT_FALSE(selected(801));
    EXPECT_FALSE(selected(802));
    EXPECT_TRUE(selected(5));  // municipalities never conflict
    EXPECT_FALSE(ticked(801));
    EXPECT_FALSE(ticked(802));
    EXPECT_TRUE(ticked(681));
    waitForMarksToMatchTable();
}

TEST_F(Localities, SwitchingFromDradsToRaRgWithNoKeepsTheDradsAndWithdrawsTheTick) {
    toggle(803);
    t.dialogs.answer(Dialogs::Answer::No);
    toggle(703);
    EXPECT_EQ(t.dialogs.messages().size(), 1u);
    EXPECT_TRUE(selected(803));
    EXPECT_FALSE(selected(703));
    EXPECT_FALSE(ticked(703));
    EXPECT_TRUE(ticked(803));
    waitForMarksToMatchTable();
}

TEST_F(Localities, SwitchingFromRaRgToDradsAsksTheMirrorQuestion) {
    toggle(701);
    toggle(682);
    t.dialogs.answer(Dialogs::Answer::No);
    toggle(801);
    ASSERT_EQ(t.dialogs.messages().size(), 1u);
    EXPECT_EQ(t.dialogs.messages()[0].text, kDradsQuestion);
    EXPECT_TRUE(selected(701));
    EXPECT_FALSE(selected(801));
    EXPECT_FALSE(ticked(801));

    t.dialogs.answer(Dialogs::Answer::Yes);
    toggle(801);
    EXPECT_EQ(t.dialogs.messages().size(), 2u);
    EXPECT_TRUE(selected(801));
    EXPECT_FALSE(selected(701));
    EXPECT_FALSE(selected(682));
    waitForMarksToMatchTable();
}

TEST_F(Localities, CodesOutsideTheRaRgSelectionBandAreTickedAsRaRgButNeverExamined) {
    toggle(698);
    toggle(700);
    toggle(801);  // 698 and 700 are not "the RA/RG selection"
    EXPECT_TRUE(t.dialogs.messages().empty());
    EXPECT_TRUE(selected(698));
    EXPECT_TRUE(selected(801));

    toggle(698);  // cleared without a question
    EXPECT_FALSE(selected(698));
    EXPECT_TRUE(t.dialogs.messages().empty());
    t.dialogs.answer(Dialogs::Answer::Yes);
    toggle(698);  // ticked while a DRADS is selected: it asks
    EXPECT_EQ(t.dialogs.messages().size(), 1u);
    EXPECT_TRUE(selected(698));
    EXPECT_FALSE(selected(801));
    EXPECT_TRUE(selected(700));  // the switch does not clear what it does not examine
    EXPECT_TRUE(ticked(700));
    waitForMarksToMatchTable();
}

TEST_F(Localities, ASecondGroupOfTheSameFamilyAsksNothing) {
    for (int c : {681, 704, 683}) toggle(c);
    EXPECT_TRUE(t.dialogs.messages().empty());
    for (int c : {681, 704, 683}) EXPECT_TRUE(selected(c)) << c;
    QTest::mouseClick(p->FraLoc_cmddesmarcartodas, Qt::LeftButton);
    for (int c : {801, 803}) toggle(c);
    EXPECT_TRUE(t.dialogs.messages().empty());
    EXPECT_TRUE(selected(801) && selected(803));
}

// ---- opening the panel ----

TEST_F(Localities, ReopeningReappliesTheTableOpeningItWhileShownChangesNothing) {
    t.window->show();
    toggle(5);
    typeText("boi");
    const int current = list->currentRow();
    // The review panel changes the table meanwhile.
    select(5, false);
    select(212, true);
    t.window->MnuLocalidades->trigger();  // already shown
    EXPECT_TRUE(ticked(5));
    EXPECT_FALSE(ticked(212));
    EXPECT_EQ(list->currentRow(), current);

    t.window->MnuCriterios->trigger();
    t.window->MnuLocalidades->trigger();
    EXPECT_EQ(t.visiblePanel(), "FraLoc");
    EXPECT_FALSE(ticked(5));
    EXPECT_TRUE(ticked(212));
    EXPECT_EQ(list->currentRow(), -1);
}

TEST_F(Localities, TheReviewPanelsUnmarkAllShowsEveryEntryClearedOnReopening) {
    for (int c : {5, 212, 681, 700}) toggle(c);
    t.window->MnuVerSelecoes->trigger();
    ASSERT_EQ(t.visiblePanel(), "FraSel");
    QTest::mouseClick(t.window->reviewPanel->FraSel_Fraloc_Cmddesmarcartodas, Qt::LeftButton);
    for (bool s : t.state->localities.VetorLocalidade()) ASSERT_FALSE(s);
    EXPECT_EQ(allTicked(), 0);  // it ran the Localities panel's own "&Desmarcar todas"
    t.window->MnuLocalidades->trigger();
    EXPECT_EQ(allTicked(), 0);
    EXPECT_FALSE(t.endedWith.has_value());
}

}  // namespace
