// Every handler of the window runs under the one error policy, and the layout is applied to controls that
// exist: a data file removed while the program runs, and a control the layout names but the window lacks.
#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "test_window.h"
#include "keywords_panel.h"
#include "variables_panel.h"

namespace {

using quelva::Dialogs;
using testing_support::TestWindow;

// The data file gone after start-up, as when the user deletes it while the program runs.
void removeFile(TestWindow& t) { std::filesystem::remove(t.folder.file("Quelva.mdb")); }

// The last message was the failure to read the data file, under "Quelva", and the program ended with 1.
void expectEndByFailure(TestWindow& t) {
    ASSERT_FALSE(t.dialogs.messages().empty());
    const auto& m = t.dialogs.messages().back();
    EXPECT_EQ(m.title, "Quelva");
    EXPECT_EQ(m.icon, Dialogs::Icon::Critical);
    EXPECT_TRUE(m.text.contains("Quelva.mdb")) << m.text.toStdString();
    EXPECT_EQ(t.endedWith, 1);
}

TEST(Handlers, AKeywordLetterClickedAfterTheFileIsGoneEndsWithTheMessage) {
    TestWindow t;
    ASSERT_TRUE(t.start());
    t.window->MnuPalavrasChaves->trigger();
    removeFile(t);
    QTest::mouseClick(t.window->keywordsPanel->FraPal_LblLetra[0], Qt::LeftButton);
    expectEndByFailure(t);
}

TEST(Handlers, ADefinitionAskedForAfterTheFileIsGoneEndsWithTheMessage) {
    TestWindow t;
    ASSERT_TRUE(t.start());
    t.window->MnuVariaveis->trigger();
    auto* v = t.window->variablesPanel;
    ASSERT_TRUE(testing_support::clickNode(v->FraVar_TrwTemas, "ST1"));
    v->FraVar_LstNomeVariavel->setCurrentRow(0);
    removeFile(t);
    // By the right button: an event filter, not a signal.
    QTest::mouseClick(v->FraVar_LstNomeVariavel->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    expectEndByFailure(t);
    // Nothing runs after the end: the button asks nothing more.
    const std::size_t before = t.dialogs.messages().size();
    QTest::mouseClick(v->FraVar_CmdMostrarDefinicao, Qt::LeftButton);
    EXPECT_EQ(t.dialogs.messages().size(), before);
}

TEST(Handlers, AnInformationWindowClosingAfterTheFileIsGoneEndsWithTheMessage) {
    TestWindow t;
    ASSERT_TRUE(t.start());
    removeFile(t);
    // Activation after a window closes opens the session connection again, through the menu's handler.
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) d->reject();
    });
    t.window->MnuSobre->trigger();
    expectEndByFailure(t);
}

TEST(Layout, NamingAControlTheLayoutDoesNotKnowIsAnError) {
    quelva::ControlLayout c;
    EXPECT_THROW(c["FraVar_CmdMarcarTodaz"], std::out_of_range);
    EXPECT_THROW(static_cast<const quelva::ControlLayout&>(c).at("FraLoc_LstMunSelect"), std::out_of_range);
    EXPECT_NO_THROW(c["FraLoc_LstMunSelec"]);
}

}  // namespace
