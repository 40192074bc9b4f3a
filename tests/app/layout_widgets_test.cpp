// The screen layout applied to the real widgets: the Localities panel's controls at every activation, and
// a control the layout names that is missing from a built panel stops the activation.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <stdexcept>

#include "janela_teste.h"
#include "painel_localidades.h"
#include "twips.h"

namespace {

using testing_support::JanelaTeste;

TEST(LayoutOnWidgets, TheLocalitiesPanelTakesItsDesignSizesAtEveryActivation) {
    JanelaTeste t;
    ASSERT_TRUE(t.iniciar());
    auto* p = t.janela->painelLocalidades;
    const double dx = t.janela->logicalDpiX(), dy = t.janela->logicalDpiY();
    auto pxX = [&](int tw) { return quelva::twipsParaPixels(tw, dx); };
    auto pxY = [&](int tw) { return quelva::twipsParaPixels(tw, dy); };
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
        const int w = t.janela->FraLoc->width();
        EXPECT_NEAR(p->FraLoc_cmdmarcartodas->geometry().center().x(), w / 3, 2);
        EXPECT_NEAR(p->FraLoc_cmddesmarcartodas->geometry().center().x(), 2 * w / 3, 2);
        // Moved away, then back at the next activation.
        p->FraLoc_LstMunSelec->setGeometry(0, 0, 10, 10);
        p->FraLoc_cmdmarcartodas->setGeometry(0, 0, 10, 10);
        t.janela->executarTratado([&] { t.janela->Form_Activate(); });
    }
    EXPECT_FALSE(t.encerrouCom.has_value());
}

TEST(LayoutOnWidgets, AControlMissingFromABuiltPanelStopsTheLayout) {
    JanelaTeste t;
    ASSERT_TRUE(t.iniciar());
    int checked = 0;
    for (const auto& [name, g] : t.janela->controles.todos()) {
        const std::string panel = quelva::painelDoControle(name);
        if (name == panel || !t.janela->builtPanels().count(panel)) continue;
        auto* w = t.janela->findChild<QWidget*>(QString::fromStdString(name));
        ASSERT_NE(w, nullptr) << name << " is named by the layout but not built";
        w->setObjectName("fora");
        try {
            t.janela->Form_Activate();
            ADD_FAILURE() << "the layout passed over the missing " << name;
        } catch (const std::logic_error& e) {
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
        }
        w->setObjectName(QString::fromStdString(name));
        ++checked;
    }
    EXPECT_GE(checked, 5 + 6);  // at least the Localities panel's five and the Variables panel's controls
    EXPECT_TRUE(t.janela->builtPanels().count("FraLoc"));
}

TEST(LayoutOnWidgets, TheMissingControlIsReportedAndEndsTheProgram) {
    JanelaTeste t;
    ASSERT_TRUE(t.iniciar());
    t.janela->painelLocalidades->FraLoc_LstMunSelec->setObjectName("outro");
    t.janela->executarTratado([&] { t.janela->Form_Activate(); });
    EXPECT_EQ(t.encerrouCom, 1);
    ASSERT_EQ(t.dialogos.mensagens().size(), 1u);
    EXPECT_TRUE(t.dialogos.mensagens()[0].texto.contains("FraLoc_LstMunSelec"));
}

}  // namespace
