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

#include "janela_teste.h"
#include "painel_palavras.h"
#include "painel_variaveis.h"

namespace {

using quelva::Dialogos;
using testing_support::JanelaTeste;

// The data file gone after start-up, as when the user deletes it while the program runs.
void removeFile(JanelaTeste& t) { std::filesystem::remove(t.pasta.file("Quelva.mdb")); }

// The last message was the failure to read the data file, under "Quelva", and the program ended with 1.
void expectEndByFailure(JanelaTeste& t) {
    ASSERT_FALSE(t.dialogos.mensagens().empty());
    const auto& m = t.dialogos.mensagens().back();
    EXPECT_EQ(m.titulo, "Quelva");
    EXPECT_EQ(m.icone, Dialogos::Icone::Critico);
    EXPECT_TRUE(m.texto.contains("Quelva.mdb")) << m.texto.toStdString();
    EXPECT_EQ(t.encerrouCom, 1);
}

TEST(Handlers, AKeywordLetterClickedAfterTheFileIsGoneEndsWithTheMessage) {
    JanelaTeste t;
    ASSERT_TRUE(t.iniciar());
    t.janela->MnuPalavrasChaves->trigger();
    removeFile(t);
    QTest::mouseClick(t.janela->painelPalavras->FraPal_LblLetra[0], Qt::LeftButton);
    expectEndByFailure(t);
}

TEST(Handlers, ADefinitionAskedForAfterTheFileIsGoneEndsWithTheMessage) {
    JanelaTeste t;
    ASSERT_TRUE(t.iniciar());
    t.janela->MnuVariaveis->trigger();
    auto* v = t.janela->painelVariaveis;
    ASSERT_TRUE(testing_support::clicarNo(v->FraVar_TrwTemas, "ST1"));
    v->FraVar_LstNomeVariavel->setCurrentRow(0);
    removeFile(t);
    // By the right button: an event filter, not a signal.
    QTest::mouseClick(v->FraVar_LstNomeVariavel->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    expectEndByFailure(t);
    // Nothing runs after the end: the button asks nothing more.
    const std::size_t before = t.dialogos.mensagens().size();
    QTest::mouseClick(v->FraVar_CmdMostrarDefinicao, Qt::LeftButton);
    EXPECT_EQ(t.dialogos.mensagens().size(), before);
}

TEST(Handlers, AnInformationWindowClosingAfterTheFileIsGoneEndsWithTheMessage) {
    JanelaTeste t;
    ASSERT_TRUE(t.iniciar());
    removeFile(t);
    // Activation after a window closes opens the session connection again, through the menu's handler.
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) d->reject();
    });
    t.janela->MnuSobre->trigger();
    expectEndByFailure(t);
}

TEST(Layout, AControlTheLayoutPlacesMustExistInABuiltPanel) {
    JanelaTeste t;
    ASSERT_TRUE(t.iniciar());
    delete t.janela->painelVariaveis->FraVar_CmdMarcarTodas;
    t.janela->executarTratado([&] { t.janela->Form_Activate(); });
    ASSERT_EQ(t.dialogos.mensagens().size(), 1u);
    EXPECT_TRUE(t.dialogos.mensagens()[0].texto.contains("FraVar_CmdMarcarTodas")) << t.dialogos.mensagens()[0].texto.toStdString();
    EXPECT_EQ(t.encerrouCom, 1);
}

TEST(Layout, NamingAControlTheLayoutDoesNotKnowIsAnError) {
    quelva::ControlLayout c;
    EXPECT_THROW(c["FraVar_CmdMarcarTodaz"], std::out_of_range);
    EXPECT_THROW(static_cast<const quelva::ControlLayout&>(c).at("FraLoc_LstMunSelect"), std::out_of_range);
    EXPECT_NO_THROW(c["FraLoc_LstMunSelec"]);
}

}  // namespace
