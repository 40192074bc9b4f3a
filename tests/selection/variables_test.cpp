// The Variables panel and the list mechanism it shares, through the real widgets on the small sample.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>

#include "theme_tree.h"
#include "test_window.h"
#include "keywords_panel.h"
#include "variables_panel.h"

namespace {

using testing_support::TestWindow;
using testing_support::texts;

class Variables : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(t.start());
        t.window->MnuVariaveis->trigger();
        p = t.window->variablesPanel;
    }
    void clickNode(const QString& key) { ASSERT_TRUE(testing_support::clickNode(p->FraVar_TrwTemas, key)) << key.toStdString(); }
    bool selected(const char* code) {
        for (const auto& v : t.state->variables.VetorVariavel())
            if (v.CodVariavel.toText() == code) return v.isSelected();
        ADD_FAILURE() << "no variable " << code;
        return false;
    }
    // Ticks or unticks entry `i` with the keyboard: it becomes the current entry, the space bar toggles it.
    void toggle(QListWidget* list, int i) {
        list->setCurrentRow(i);
        QTest::keyClick(list, Qt::Key_Space);
    }
    TestWindow t;
    quelva::VariablesPanel* p = nullptr;
};

TEST_F(Variables, TreeOfThemesAndSubthemesInNumSeqOrder) {
    auto* tree = p->FraVar_TrwTemas;
    ASSERT_EQ(tree->topLevelItemCount(), 3);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), "Administração Municipal");
    EXPECT_EQ(tree->topLevelItem(1)->text(0), "Saneamento e Meio Ambiente");
    EXPECT_EQ(tree->topLevelItem(2)->text(0), "Tecnologia da Informação e Comunicação");
    EXPECT_EQ(tree->topLevelItem(0)->childCount(), 3);
    EXPECT_EQ(tree->key(tree->node(1)), "T2");
    EXPECT_EQ(tree->key(tree->node(2)), "ST1");
    EXPECT_EQ(tree->key(tree->node(5)), "T5");
    EXPECT_EQ(tree->nodeCount(), 10);
    EXPECT_FALSE(p->FraVar_LstCodVariavel->isVisibleTo(t.window.get()));
}

TEST_F(Variables, SubthemeClickListsItsVariablesThemeClickEmptiesTheLists) {
    clickNode("ST2");
    EXPECT_EQ(texts(p->FraVar_LstCodVariavel), QStringList({"M003", "I001", "I002", "I003", "H001", "H002", "H003"}));
    EXPECT_EQ(p->FraVar_LstNomeVariavel->count(), 7);
    EXPECT_EQ(p->FraVar_LstNomeVariavel->item(0)->text(), "Número de cadastro imobiliário em 1998");
    EXPECT_EQ(p->FraVar_LstNomeVariavel->currentRow(), -1);
    EXPECT_TRUE(p->FraVar_LstNomeVariavel->isVisibleTo(t.window.get()));
    EXPECT_TRUE(p->FraVar_TrwTemas->node(3)->font(0).bold());
    EXPECT_EQ(t.state->NoDestacadoVar.index(), 3);

    clickNode("T2");
    EXPECT_EQ(p->FraVar_LstNomeVariavel->count(), 0);
    EXPECT_EQ(p->FraVar_LstCodVariavel->count(), 0);
    EXPECT_TRUE(p->FraVar_TrwTemas->node(1)->font(0).bold());
    EXPECT_FALSE(p->FraVar_TrwTemas->node(3)->font(0).bold());
    clickNode("ST1");
    EXPECT_FALSE(p->FraVar_TrwTemas->node(1)->font(0).bold());
    EXPECT_EQ(p->FraVar_LstNomeVariavel->count(), 8);
}

TEST_F(Variables, TicksAreWrittenThroughAtOnce) {
    clickNode("ST2");
    toggle(p->FraVar_LstNomeVariavel, 1);
    EXPECT_TRUE(selected("I001"));
    EXPECT_FALSE(selected("M003"));
    toggle(p->FraVar_LstNomeVariavel, 1);
    EXPECT_FALSE(selected("I001"));
    toggle(p->FraVar_LstNomeVariavel, 6);
    clickNode("ST1");
    clickNode("ST2");  // the list is refilled from the table
    EXPECT_EQ(p->FraVar_LstNomeVariavel->item(6)->checkState(), Qt::Checked);
    EXPECT_EQ(p->FraVar_LstNomeVariavel->item(1)->checkState(), Qt::Unchecked);
}

TEST_F(Variables, AMouseClickOnACheckBoxTicksAndRecordsIt) {
    t.window->show();
    clickNode("ST2");
    QListWidget* list = p->FraVar_LstNomeVariavel;
    QStyleOptionViewItem option;
    option.initFrom(list);
    option.rect = list->visualItemRect(list->item(2));
    option.features = QStyleOptionViewItem::HasCheckIndicator;
    const QRect box = list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
    EXPECT_EQ(list->item(2)->checkState(), Qt::Checked);
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_TRUE(selected("I002"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
    EXPECT_FALSE(selected("I002"));
}

TEST_F(Variables, MarkAndUnmarkAllTouchOnlyTheListedVariables) {
    clickNode("ST1");
    toggle(p->FraVar_LstNomeVariavel, 0);  // K001, in another subtheme than the next list
    clickNode("ST2");
    QTest::mouseClick(p->FraVar_CmdMarcarTodas, Qt::LeftButton);
    for (const char* c : {"M003", "I001", "I002", "I003", "H001", "H002", "H003"}) EXPECT_TRUE(selected(c)) << c;
    EXPECT_TRUE(selected("K001"));
    EXPECT_FALSE(selected("K002"));
    EXPECT_EQ(p->FraVar_LstNomeVariavel->currentRow(), -1);
    EXPECT_TRUE(p->FraVar_LstNomeVariavel->isVisibleTo(t.window.get()));
    int selectedCount = 0;
    for (const auto& v : t.state->variables.VetorVariavel()) selectedCount += v.isSelected();
    EXPECT_EQ(selectedCount, 8);

    QTest::mouseClick(p->FraVar_CmdDesmarcarTodas, Qt::LeftButton);
    for (const char* c : {"M003", "I001", "H003"}) EXPECT_FALSE(selected(c)) << c;
    EXPECT_TRUE(selected("K001"));
    for (int i = 0; i < p->FraVar_LstNomeVariavel->count(); ++i)
        EXPECT_EQ(p->FraVar_LstNomeVariavel->item(i)->checkState(), Qt::Unchecked);
}

TEST_F(Variables, MarkAllOnAnEmptyListChangesNothing) {
    QTest::mouseClick(p->FraVar_CmdMarcarTodas, Qt::LeftButton);  // before any subtheme click
    clickNode("T5");
    QTest::mouseClick(p->FraVar_CmdMarcarTodas, Qt::LeftButton);
    QTest::mouseClick(p->FraVar_CmdDesmarcarTodas, Qt::LeftButton);
    for (const auto& v : t.state->variables.VetorVariavel()) EXPECT_FALSE(v.isSelected());
}

TEST_F(Variables, ArrowKeysInTheTreeRefillTheList) {
    p->FraVar_TrwTemas->node(1)->setExpanded(true);  // the user opened the first theme
    clickNode("ST1");
    p->FraVar_TrwTemas->setFocus();
    QTest::keyClick(p->FraVar_TrwTemas, Qt::Key_Down);
    EXPECT_EQ(p->FraVar_TrwTemas->key(p->FraVar_TrwTemas->currentItem()), "ST2");
    EXPECT_EQ(p->FraVar_LstCodVariavel->item(0)->text(), "M003");
    EXPECT_EQ(t.state->NoDestacadoVar.index(), 3);
    QTest::keyClick(p->FraVar_TrwTemas, Qt::Key_Up);
    EXPECT_EQ(p->FraVar_LstCodVariavel->item(0)->text(), "K001");
}

TEST_F(Variables, ReopeningFromTheMenuShowsMarksChangedElsewhere) {
    clickNode("ST2");
    toggle(p->FraVar_LstNomeVariavel, 0);
    t.window->MnuVariaveis->trigger();  // already shown: nothing happens
    EXPECT_EQ(p->FraVar_LstNomeVariavel->item(0)->checkState(), Qt::Checked);
    t.window->MnuCriterios->trigger();
    // Another panel unticks it in the table.
    for (int i = 0; i < quelva::kMaxVariables; ++i)
        if (t.state->variables.VetorVariavel()[static_cast<std::size_t>(i)].CodVariavel.toText() == "M003") t.state->variables.setMark(i, false);
    EXPECT_EQ(p->FraVar_LstNomeVariavel->item(0)->checkState(), Qt::Checked);
    t.window->MnuVariaveis->trigger();
    EXPECT_EQ(p->FraVar_LstNomeVariavel->item(0)->checkState(), Qt::Unchecked);
    EXPECT_FALSE(selected("M003"));
    EXPECT_EQ(t.state->NoDestacadoVar.index(), 3);  // the tree and the bold node stay
}

}  // namespace
