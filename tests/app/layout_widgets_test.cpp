// The screen layout applied to the real widgets: the Localities panel's controls at every activation, and
// a control the layout names that is missing from a built panel stops the activation.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <stdexcept>

#include "test_window.h"
#include "localities_panel.h"
#include "twips.h"

namespace {

using testing_support::TestWindow;

TEST(LayoutOnWidgets, TheLocalitiesPanelTakesItsDesignSizesAtEveryActivation) {
    TestWindow t;
    ASSERT_TRUE(t.start());
    auto* p = t.window->localitiesPanel;
    const double dx = t.window->logicalDpiX(), dy = t.window->logicalDpiY();
    auto pxX = [&](int tw) { return quelva::twipsToPixels(tw, dx); };
    auto pxY = [&](int tw) { return quelva::twipsToPixels(tw, dy); };
    for (int activation = 0; activation < 2; ++activation) {
        EXPECT_EQ(p->FraLoc_txtprocmun->width(), pxX(3885));
        EXPECT_EQ(p->FraLoc_txtprocmun->height(), pxY(345));
        EXPECT_EQ(p->FraLoc_LstMunSelec->width(), pxX(3945));
        EXPECT_EQ(p->FraLoc_LstMunSelec->x(), p->FraLoc_txtprocmun->x());
        EXPECT_GT(p->FraLoc_LstMunSelec->y(), p->FraLoc_txtprocmun->y());
        for (QPushButton* b : {p->FraLoc_cmdmarcartodas, p->FraLoc_cmddesmarcartodas}) {
            EXPECT_EQ(b->size(), QSize(pxX(1500), pxY(400)));
            EXPECT_GE(b->y(), p->FraLoc_LstMunSelec->geometry().bottom());
        }
        // A third and two thirds across the panel.
        const int w = t.window->FraLoc->width();
        EXPECT_NEAR(p->FraLoc_cmdmarcartodas->geometry().center().x(), w / 3, 2);
        EXPECT_NEAR(p->FraLoc_cmddesmarcartodas->geometry().center().x(), 2 * w / 3, 2);
        // Moved away, then back at the next activation.
        p->FraLoc_LstMunSelec->setGeometry(0, 0, 10, 10);
        p->FraLoc_cmdmarcartodas->setGeometry(0, 0, 10, 10);
        t.window->runHandled([&] { t.window->Form_Activate(); });
    }
    EXPECT_FALSE(t.endedWith.has_value());
}

// Every control the layout places stops the activation when its panel lacks it; under the error policy the
// message names it and the program ends.
TEST(LayoutOnWidgets, AControlMissingFromABuiltPanelStopsTheLayout) {
    TestWindow t;
    ASSERT_TRUE(t.start());
    int checked = 0;
    for (const auto& [name, g] : t.window->controls().all()) {
        const std::string panel = quelva::panelOfControl(name);
        if (name == panel) continue;
        auto* w = t.window->findChild<QWidget*>(QString::fromStdString(name));
        ASSERT_NE(w, nullptr) << name << " is named by the layout but not built";
        w->setObjectName("elsewhere");
        try {
            t.window->Form_Activate();
            ADD_FAILURE() << "the layout passed over the missing " << name;
        } catch (const std::logic_error& e) {
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
        }
        w->setObjectName(QString::fromStdString(name));
        ++checked;
    }
    EXPECT_GE(checked, 5 + 6);  // at least the Localities panel's five and the Variables panel's controls
    delete t.window->localitiesPanel->FraLoc_LstMunSelec;
    t.window->runHandled([&] { t.window->Form_Activate(); });
    EXPECT_EQ(t.endedWith, 1);
    ASSERT_EQ(t.dialogs.messages().size(), 1u);
    EXPECT_TRUE(t.dialogs.messages()[0].text.contains("FraLoc_LstMunSelec"));
}

}  // namespace
