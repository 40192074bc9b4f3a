// The review panel "Ver seleções" through its widgets on the small sample: the lines of the selected
// localities, their order by family, what unticking writes, and the mixed families that end the program.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <map>

#include "test_window.h"
#include "locality_entry.h"
#include "localities_panel.h"
#include "review_panel.h"

namespace {

using quelva::Dialogs;
using testing_support::TestWindow;

class Review : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(t.start()); }
    void select(std::initializer_list<int> codes) {
        for (int c : codes) t.state->localities.setMark(c, true);
    }
    void openPanel() {
        t.window->MnuVerSelecoes->trigger();
        p = t.window->reviewPanel;
    }
    QListWidget* list() const { return p->FraSel_Fraloc_Lstlocalidade; }
    QString entryOf(int i) const { return quelva::entryOfLocalityItem(list()->item(i)); }
    std::vector<int> listedCodes() const {
        std::vector<int> v;
        for (int i = 0; i < list()->count(); ++i) v.push_back(quelva::codeOfLocalityEntry(entryOf(i)));
        return v;
    }
    // The line as the user reads it: the entry up to the code, without the trailing blanks.
    QString visible(int i) const { return list()->item(i)->text(); }

    TestWindow t;
    quelva::ReviewPanel* p = nullptr;
};

TEST(ReviewLine, IndentPrefixAndTheCodeAtCharacterThreeHundred) {
    int indent = 0;
    const QString m = quelva::reviewLineOfLocality(5, "Anhurapuã", indent);
    EXPECT_EQ(m.left(18), QString(9, ' ') + "Anhurapuã");
    EXPECT_EQ(m.mid(299), "5" + QString(8 + 9 + 300 - 300 - 18 + 18 - 18, ' ').left(0) + m.mid(300));
    EXPECT_EQ(m.mid(299, 3), "5  ");
    EXPECT_EQ(m.size(), 9 + 9 + 300);  // blanks left after the code stay
    EXPECT_EQ(quelva::codeOfLocalityEntry(m), 5);
    EXPECT_EQ(indent, 9);

    const QString g = quelva::reviewLineOfLocality(823, "DRADS de X", indent);
    EXPECT_TRUE(g.startsWith("     Totais da DRADS de X  "));
    EXPECT_EQ(g.mid(299, 3), "823");
    EXPECT_EQ(quelva::codeOfLocalityEntry(g), 823);

    indent = 0;
    EXPECT_TRUE(quelva::reviewLineOfLocality(681, "RA", indent).startsWith("   Totais da RA "));
    EXPECT_TRUE(quelva::reviewLineOfLocality(742, "RG", indent).startsWith("      Totais da RG "));
    // Outside every band: the previous line's indent, and the prefix from 681 on.
    EXPECT_TRUE(quelva::reviewLineOfLocality(698, "RM", indent).startsWith("      Totais da RM "));
    EXPECT_TRUE(quelva::reviewLineOfLocality(680, "X", indent).startsWith("      X "));
    EXPECT_EQ(indent, 6);

    // The state total: no indent, no prefix, "0" at 300; a name long enough to reach 300 is overwritten.
    indent = 9;
    const QString e = quelva::reviewLineOfLocality(0, "Totais", indent);
    EXPECT_TRUE(e.startsWith("Totais "));
    EXPECT_EQ(e.mid(299, 3), "0  ");
    const QString longLine = quelva::reviewLineOfLocality(12, QString(295, 'n'), indent);
    EXPECT_EQ(longLine.mid(299, 3), "12n");
    EXPECT_EQ(quelva::codeOfLocalityEntry(longLine), 12);
}

TEST_F(Review, OneMunicipalityGivesOneTickedLineWithItsCodeOutOfSight) {
    select({5});
    openPanel();
    ASSERT_EQ(list()->count(), 1);
    EXPECT_EQ(visible(0), QString(9, ' ') + "Anhurapuã");
    EXPECT_EQ(entryOf(0).mid(299, 3), "5  ");
    EXPECT_EQ(list()->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(list()->item(0)->data(Qt::AccessibleTextRole).toString(), "Anhurapuã");
    EXPECT_EQ(list()->font().family(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    EXPECT_EQ(list()->currentRow(), -1);
    EXPECT_EQ(t.visiblePanel(), "FraSel");
}

TEST_F(Review, LinesFollowTheOrderOfTheFamilySelectedStateTotalFirst) {
    // DRADS 801 (sequence 1) with municipalities 622 (3) and 5 (6), and the state total.
    select({0, 5, 622, 801});
    openPanel();
    EXPECT_EQ(listedCodes(), (std::vector<int>{0, 801, 622, 5}));
    EXPECT_EQ(visible(0), "Total do Estado");  // CD_AREA's row 0 names the state total
    EXPECT_EQ(visible(1), "     Totais da DRADS de Santa Isabel");
    EXPECT_EQ(visible(2), QString(9, ' ') + "Santa Isabel");

    // No group: municipalities by name.
    for (int c = 0; c <= quelva::kMaxAreaCode; ++c) t.state->localities.setMark(c, false);
    select({5, 420, 1});
    t.window->MnuVariaveis->trigger();
    openPanel();
    EXPECT_EQ(listedCodes(), (std::vector<int>{420, 5, 1}));  // Águas, Anhurapuã, Ilha
}

TEST_F(Review, RaRgGroupsInBothBandsAndACodeOutsideThemTakingThePreviousIndent) {
    // 698 moved after the bands' groups in the RA/RG sequence: 700 (2), 681 (3), 701 (4), 698 (5).
    testing_support::editSample(t.folder.file("Quelva.mdb"), "UPDATE CD_AREA SET munseqrarg = 5 WHERE COD_AREA_NORVA = 698");
    t.window->Form_Activate();  // the session connection opened again on the changed file
    select({698, 700, 681, 701, 5});
    openPanel();
    EXPECT_EQ(listedCodes(), (std::vector<int>{700, 681, 701, 698, 5}));
    EXPECT_EQ(visible(0), "Totais da Interior do Estado");  // before any band: no indent
    EXPECT_EQ(visible(1), "   Totais da RA de Potipecatu-Mirim");
    EXPECT_EQ(visible(2), "      Totais da RG de Potipecatu-Mirim");
    EXPECT_EQ(visible(3), "      Totais da Região Metropolitana de Potipecatu-Mirim");
    EXPECT_EQ(visible(4), QString(9, ' ') + "Anhurapuã");
}

TEST_F(Review, UntickingWritesAtOnceAndTickingAgainSelectsAgain) {
    select({5, 622});
    t.state->variables.setMark(0, true);
    t.state->variables.setMark(3, true);
    openPanel();
    auto* names = p->FraSel_FraVar_LstNomeVariavel;
    ASSERT_EQ(names->count(), 2);
    EXPECT_EQ(names->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(p->FraSel_FraVar_LstCodVariavel->item(1)->text(), QString::fromStdString(t.state->variables.VetorVariavel()[3].CodVariavel.toText()));

    names->setCurrentRow(1);
    QTest::keyClick(names, Qt::Key_Space);
    EXPECT_FALSE(t.state->variables.VetorVariavel()[3].isSelected());
    QTest::keyClick(names, Qt::Key_Space);
    EXPECT_TRUE(t.state->variables.VetorVariavel()[3].isSelected());

    // A mouse click on a locality's check box.
    const QRect r = list()->visualItemRect(list()->item(0));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, QPoint(r.left() + 8, r.center().y()));
    const int code = quelva::codeOfLocalityEntry(entryOf(0));
    EXPECT_EQ(list()->item(0)->checkState(), Qt::Unchecked);
    EXPECT_FALSE(t.state->localities.isMarked(code));
    EXPECT_EQ(list()->count(), 2);  // entries stay while the panel is shown

    // Reopened: the unticked items are gone.
    t.window->MnuVariaveis->trigger();
    openPanel();
    EXPECT_EQ(list()->count(), 1);
}

TEST_F(Review, UnmarkAllButtonsLeaveTheEntriesUnticked) {
    select({5, 622});
    t.state->variables.setMark(0, true);
    openPanel();
    QTest::mouseClick(p->FraSel_FraVar_CmdDesmarcarTodas, Qt::LeftButton);
    EXPECT_FALSE(t.state->variables.VetorVariavel()[0].isSelected());
    EXPECT_EQ(p->FraSel_FraVar_LstNomeVariavel->item(0)->checkState(), Qt::Unchecked);

    QTest::mouseClick(p->FraSel_Fraloc_Cmddesmarcartodas, Qt::LeftButton);
    for (bool isTicked : t.state->localities.VetorLocalidade()) EXPECT_FALSE(isTicked);
    ASSERT_EQ(list()->count(), 2);
    EXPECT_EQ(list()->item(1)->checkState(), Qt::Unchecked);
    EXPECT_EQ(list()->currentRow(), -1);
}

TEST_F(Review, BothFamiliesSelectedShowTheMessageAndEndTheProgram) {
    select({700, 801});  // 700 counts for RA/RG here
    t.window->MnuVerSelecoes->trigger();
    ASSERT_EQ(t.dialogs.messages().size(), 1u);
    const auto& m = t.dialogs.messages()[0];
    EXPECT_EQ(m.text.toStdString(), "ERRO DE SELEÇÃO DE LOCALIDADES !!!");
    EXPECT_EQ(m.icon, Dialogs::Icon::NoIcon);
    EXPECT_EQ(m.buttons, Dialogs::Buttons::Ok);
    EXPECT_EQ(m.title, "");  // the application's title
    EXPECT_EQ(t.endedWith, 1);
    EXPECT_NE(t.visiblePanel(), "FraSel");
}

TEST_F(Review, NothingSelectedShowsTwoEmptyListsAndOpeningAgainChangesNothing) {
    openPanel();
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(p->FraSel_FraVar_LstNomeVariavel->count(), 0);
    EXPECT_TRUE(t.dialogs.messages().empty());
    EXPECT_EQ(t.visiblePanel(), "FraSel");

    select({5});
    t.window->MnuVerSelecoes->trigger();  // already shown: no refill
    EXPECT_EQ(list()->count(), 0);
}

}  // namespace

namespace {

// The Localities panel's marks, by code.
std::map<int, bool> localityMarks(quelva::LocalitiesPanel* l) {
    std::map<int, bool> m;
    for (int i = 0; i < l->FraLoc_LstMunSelec->count(); ++i) {
        QListWidgetItem* item = l->FraLoc_LstMunSelec->item(i);
        m[quelva::codeOfLocalityEntry(quelva::entryOfLocalityItem(item))] = item->checkState() == Qt::Checked;
    }
    return m;
}

TEST_F(Review, WhatIsUntickedHereIsUntickedInTheLocalitiesPanel) {
    t.window->MnuLocalidades->trigger();
    auto* l = t.window->localitiesPanel;
    select({5, 622});
    openPanel();
    list()->setCurrentRow(0);  // 5 (Anhurapuã) before 622 (Santa Isabel)
    QTest::keyClick(list(), Qt::Key_Space);
    t.window->MnuLocalidades->trigger();
    const auto m = localityMarks(l);
    EXPECT_FALSE(m.at(5));
    EXPECT_TRUE(m.at(622));
}

TEST_F(Review, TheLocalitiesUnmarkAllLeavesNothingSelectedListedHereOrNot) {
    select({5});
    openPanel();
    // Selected after the list was built: not listed here, yet unmarked too.
    t.state->localities.setMark(622, true);
    QTest::mouseClick(p->FraSel_Fraloc_Cmddesmarcartodas, Qt::LeftButton);
    for (std::size_t c = 0; c < t.state->localities.VetorLocalidade().size(); ++c) EXPECT_FALSE(t.state->localities.VetorLocalidade()[c]) << c;
}

TEST_F(Review, MarkingEveryLocalityThenReviewingEndsTheProgram) {
    t.window->MnuLocalidades->trigger();
    QTest::mouseClick(t.window->localitiesPanel->FraLoc_cmdmarcartodas, Qt::LeftButton);
    EXPECT_TRUE(t.dialogs.messages().empty());  // no question for "&Marcar todas"
    t.window->MnuVerSelecoes->trigger();
    ASSERT_EQ(t.dialogs.messages().size(), 1u);
    EXPECT_EQ(t.dialogs.messages()[0].text.toStdString(), "ERRO DE SELEÇÃO DE LOCALIDADES !!!");
    EXPECT_EQ(t.endedWith, 1);
}

}  // namespace
