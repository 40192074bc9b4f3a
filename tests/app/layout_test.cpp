#include <gtest/gtest.h>

#include "layout.h"
#include "twips.h"

namespace {

using namespace quelva;

// The layout as activation runs it, for a screen whose maximised window measures w x h twips.
struct Tela {
    Controles c;
    MedidasTela m;
    Tela(int w, int h) {
        m.AlturaBotao = 400;
        AjustarJanelaPrincipal(c, m, w, h);
        PosicionarLinhaMenu(c, m);
        AjustarFraVar(c, m);
        AjustarFraLoc(c, m);
        AjustarFraCri(c, m);
        AjustarFraPal(c, m);
        AjustarFraSel(c, m);
        AjustarFraRes(c, m);
    }
};

TEST(Twips, RoundingHalvesToEvenAndDown) {
    EXPECT_EQ(arredondar(2.5), 2);
    EXPECT_EQ(arredondar(3.5), 4);
    EXPECT_EQ(arredondar(-2.5), -2);
    EXPECT_EQ(arredondar(2.4999), 2);
    EXPECT_EQ(arredondar(2.5001), 3);
    EXPECT_EQ(arredondarParaBaixo(2.9), 2);
    EXPECT_EQ(arredondarParaBaixo(-2.1), -3);
    EXPECT_EQ(twipsParaPixels(1440, 96), 96);
    EXPECT_EQ(twipsParaPixels(15, 96), 1);
    EXPECT_EQ(pixelsParaTwips(1280, 96), 19200);
}

TEST(PosicionarControle, ZeroOrNegativeSizesLeaveTheSize) {
    Geometria g{1, 2, 300, 400};
    PosicionarControle(g, 10, 20, 0, 0);
    EXPECT_EQ(g.Top, 10);
    EXPECT_EQ(g.Left, 20);
    EXPECT_EQ(g.Width, 300);
    EXPECT_EQ(g.Height, 400);
    PosicionarControle(g, 5, 6, -1, -50);
    EXPECT_EQ(g.Width, 300);
    EXPECT_EQ(g.Height, 400);
    PosicionarControle(g, 5, 6, 1, 2);
    EXPECT_EQ(g.Width, 1);
    EXPECT_EQ(g.Height, 2);
}

TEST(Layout, WindowAndLogoFromTheMaximisedSize) {
    Tela t(19200, 14000);
    EXPECT_EQ(t.m.LarguraTela, 19110);          // 90 less than the maximised width
    EXPECT_EQ(t.m.AlturaTela, 13930);           // 400 more, then 470 less
    EXPECT_EQ(t.c["FrmQuelva"].Top, 0);
    EXPECT_EQ(t.c["FraLog"].Height, 13930 - 500);
    EXPECT_EQ(t.c["FraLog_ImgLogo"].Width, 19110);
    EXPECT_EQ(t.c["LinMenu"].Top, 30);
    EXPECT_EQ(t.c["LinMenu"].Width, 19110);
}

TEST(Layout, PanelFramesAndTheTallerVariablesPanel) {
    for (int w : {9000, 12000, 19200, 30000}) {
        Tela t(w, w * 3 / 4);
        for (const char* p : {"FraVar", "FraLoc", "FraCri", "FraPal", "FraSel", "FraRes"}) {
            EXPECT_EQ(t.c[p].Top, 100) << p;
            EXPECT_EQ(t.c[p].Left, 100) << p;
            EXPECT_EQ(t.c[p].Width, t.m.LarguraTela - 300) << p;
        }
        for (const char* p : {"FraLoc", "FraCri", "FraPal", "FraSel", "FraRes"})
            EXPECT_EQ(t.c["FraVar"].Height, t.c[p].Height + 100) << p;
    }
}

TEST(Layout, VariablesPanel) {
    Tela t(19200, 14000);  // FraVar 18810 x 13130
    EXPECT_EQ(t.c["FraVar"].Height, 13130);
    EXPECT_EQ(t.c["FraVar_TrwTemas"].Top, 500);            // title 0 at 200, 300 high
    EXPECT_EQ(t.c["FraVar_TrwTemas"].Height, 5252);        // 13130 / 2.5
    EXPECT_EQ(t.c["FraVar_TrwTemas"].Width, 18610);
    EXPECT_EQ(t.c["FraVar_LblTitulo(1)"].Top, 500 + 5252 + 100);
    EXPECT_EQ(t.c["FraVar_LstNomeVariavel"].Top, 5852 + 300);
    EXPECT_EQ(t.c["FraVar_LstNomeVariavel"].Height, 5252 - 200);
    EXPECT_EQ(t.c["FraVar_LstCodVariavel"].Left, 100 + 18610 - 2 * 1245);
    const int topo = 6152 + 5052 + 300;
    EXPECT_EQ(t.c["FraVar_CmdMarcarTodas"].Top, topo);
    EXPECT_EQ(t.c["FraVar_CmdMarcarTodas"].Height, 400);
    EXPECT_EQ(t.c["FraVar_CmdMarcarTodas"].Left, 3885);      // 4702.5 - 817.5
    EXPECT_EQ(t.c["FraVar_CmdDesmarcarTodas"].Left, 8588);   // 9405 - 817.5 = 8587.5, halves to even
    EXPECT_EQ(t.c["FraVar_CmdMostrarDefinicao"].Left, arredondar(3 * 18810 / 4.0 - 817.5));
}

TEST(Layout, LettersOfTheKeywordPanelAreCentredOnTheWindow) {
    Controles c;
    MedidasTela m;
    m.LarguraTela = 12000;
    m.AlturaTela = 9000;
    AjustarFraPal(c, m);
    EXPECT_EQ(c[nomeLetra(0)].Left, 2152);  // (12000 - 7695) / 2 rounded down
    EXPECT_EQ(c[nomeLetra(25)].Left, 9652);
    EXPECT_EQ(c[nomeLetra(13)].Top, 500);
    EXPECT_EQ(c[nomeLetra(13)].Height, 323);
    EXPECT_EQ(c["FraPal_LblTitulo"].Left, 2400);
    m.LarguraTela = 12001;  // an odd width: both halves round down
    AjustarFraPal(c, m);
    EXPECT_EQ(c[nomeLetra(0)].Left, 2153);
    EXPECT_EQ(c["FraPal_LblTitulo"].Left, 2400);
    EXPECT_EQ(c["FraPal_LstPalavraChave"].Top, 500 + 323 + 200);
    EXPECT_EQ(c["FraPal_TrwTema"].Left, c["FraPal_LstPalavraChave"].direita() + 100);
    EXPECT_EQ(c["FraPal_CmdDesmarcarTodas"].Height, 405);  // keeps its design height
}

TEST(Layout, LocalitiesPanelCentresTheSearchBoxAndAlignsTheList) {
    Tela t(19200, 14000);
    const Geometria& fra = t.c["FraLoc"];
    EXPECT_EQ(t.c["FraLoc_txtprocmun"].Left, arredondar((fra.Width - 3885) / 2.0));
    EXPECT_EQ(t.c["FraLoc_LstMunSelec"].Left, t.c["FraLoc_txtprocmun"].Left);
    EXPECT_EQ(t.c["FraLoc_LstMunSelec"].Width, 3945);
    EXPECT_EQ(t.c["FraLoc_LstMunSelec"].Top, 300 + 195 + 345 + 500);
    EXPECT_EQ(t.c["FraLoc_LstMunSelec"].Height, arredondar(fra.Height / 1.7));
    EXPECT_EQ(t.c["FraLoc_cmdmarcartodas"].Left, arredondar(fra.Width / 3.0 - 750));
}

TEST(Layout, CriteriaControlsKeepTheirDesignPlaces) {
    Tela t(19200, 14000);
    EXPECT_EQ(t.c["FraCri_DbCmbVar"].Left, 930);
    EXPECT_EQ(t.c["FraCri_DbCmbVar"].Width, 8190);
    EXPECT_EQ(t.c["FraCri_GrdCri"].Height, 4365);
}

TEST(Layout, ReviewAndResultPanels) {
    Tela t(19200, 14000);
    const Geometria& sel = t.c["FraSel"];
    EXPECT_EQ(t.c["FraSel_FraVar"].Left, 200);
    EXPECT_EQ(t.c["FraSel_FraVar"].Width, sel.Width - 400);
    EXPECT_EQ(t.c["FraSel_Fraloc"].Top, t.c["FraSel_FraVar"].fundo() + 100);
    EXPECT_EQ(t.c["FraSel_Fraloc"].Height, sel.Height - 300 - t.c["FraSel_FraVar"].Height - 200);

    const Geometria& res = t.c["FraRes"];
    EXPECT_EQ(t.c["FraRes_CmdSalvar"].Top, res.Height - 885 - 100);
    EXPECT_EQ(t.c["FraRes_CmdConvencoes"].Top, res.Height - 885 - 315 - 200);
    EXPECT_EQ(t.c["FraRes_TxtNotas"].Height, 885 + 315 + 100);
    for (const char* n : {"2", "3"}) {
        EXPECT_EQ(t.c[std::string("FraRes_MSFlexGrid") + n].Top, t.c["FraRes_MSFlexGrid1"].Top);
        EXPECT_EQ(t.c[std::string("FraRes_MSFlexGrid") + n].Height, t.c["FraRes_MSFlexGrid1"].Height);
    }
    // The message frame is centred on a box of the panel's size at the window's origin: 100 twips left of
    // and above the panel's own centre.
    const Geometria& msg = t.c["FraRes_Mensagem"];
    EXPECT_NEAR(msg.Left + msg.Width / 2.0 + 100, res.Left + res.Width / 2.0, 0.5);
    EXPECT_NEAR(msg.Top + msg.Height / 2.0 + 100, res.Top + res.Height / 2.0, 0.5);
}

}  // namespace
