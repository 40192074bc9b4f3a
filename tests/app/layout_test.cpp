#include <gtest/gtest.h>

#include "layout.h"
#include "twips.h"

namespace {

using namespace quelva;

// The layout as activation runs it, for a screen whose maximised window measures w x h twips.
struct Screen {
    ControlLayout c;
    Screen(int w, int h) {
        ScreenLayout layout;
        layout.recompute(w, h);
        c = layout.controls();
    }
};

TEST(Twips, RoundingHalvesToEvenAndDown) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
    EXPECT_EQ(roundHalfEven(2.5001), 3);
    EXPECT_EQ(roundDown(2.9), 2);
    EXPECT_EQ(roundDown(-2.1), -3);
    EXPECT_EQ(twipsToPixels(1440, 96), 96);
    EXPECT_EQ(twipsToPixels(15, 96), 1);
    EXPECT_EQ(pixelsToTwips(1280, 96), 19200);
}

TEST(PosicionarControle, ZeroOrNegativeSizesLeaveTheSize) {
    ControlGeometry g{1, 2, 300, 400};
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
    Screen t(19200, 14000);
    EXPECT_EQ(t.c["FrmQuelva"].Width, 19110);   // 90 less than the maximised width
    EXPECT_EQ(t.c["FrmQuelva"].Height, 13930);  // 400 more, then 470 less
    EXPECT_EQ(t.c["FrmQuelva"].Top, 0);
    EXPECT_EQ(t.c["FraLog"].Height, 13930 - 500);
    EXPECT_EQ(t.c["FraLog_ImgLogo"].Width, 19110);
    EXPECT_EQ(t.c["LinMenu"].Top, 30);
    EXPECT_EQ(t.c["LinMenu"].Width, 19110);
}

TEST(Layout, PanelFramesAndTheTallerVariablesPanel) {
    for (int w : {9000, 12000, 19200, 30000}) {
        Screen t(w, w * 3 / 4);
        for (const char* p : {"FraVar", "FraLoc", "FraCri", "FraPal", "FraSel", "FraRes"}) {
            EXPECT_EQ(t.c[p].Top, 100) << p;
            EXPECT_EQ(t.c[p].Left, 100) << p;
            EXPECT_EQ(t.c[p].Width, t.c["FrmQuelva"].Width - 300) << p;
        }
        for (const char* p : {"FraLoc", "FraCri", "FraPal", "FraSel", "FraRes"})
            EXPECT_EQ(t.c["FraVar"].Height, t.c[p].Height + 100) << p;
    }
}

// The tree takes two fifths of the panel's height and the name list as much less two margins, both across the
// panel between its margins; the three buttons are centred on its quarters.
TEST(Layout, VariablesPanelSharesItsHeightAndWidth) {
    Screen t(19200, 14000);  // FraVar 18810 x 13130
    const ControlGeometry &panel = t.c["FraVar"], &tree = t.c["FraVar_TrwTemas"], &names = t.c["FraVar_LstNomeVariavel"];
    EXPECT_EQ(panel.Height, 13130);
    EXPECT_EQ(tree.Height, 5252);  // 13130 / 2.5
    EXPECT_EQ(names.Height, tree.Height - 200);
    for (const ControlGeometry* g : {&tree, &names}) EXPECT_TRUE(g->Left == 100 && g->right() == panel.Width - 100);
    EXPECT_EQ(t.c[variableTitleName(0)].Top, 200);
    EXPECT_EQ(tree.Top, t.c[variableTitleName(0)].bottom());
    EXPECT_EQ(t.c[variableTitleName(1)].Top, tree.bottom() + 100);
    EXPECT_EQ(names.Top, t.c[variableTitleName(1)].bottom());
    const ControlGeometry& codes = t.c["FraVar_LstCodVariavel"];  // hidden, its own width left of the list's edge
    EXPECT_TRUE(codes.right() + codes.Width == names.right() && codes.Top == names.Top && codes.Height == names.Height);
    const char* buttons[] = {"FraVar_CmdMarcarTodas", "FraVar_CmdDesmarcarTodas", "FraVar_CmdMostrarDefinicao"};
    for (int k = 0; k < 3; ++k) {
        const ControlGeometry& b = t.c[buttons[k]];
        EXPECT_TRUE(b.Top == names.bottom() + 300 && b.Height == 400) << buttons[k];
        EXPECT_NEAR(b.Left + b.Width / 2.0, panel.Width * (k + 1) / 4.0, 0.5) << buttons[k];
    }
    EXPECT_EQ(t.c["FraVar_CmdDesmarcarTodas"].Left, 8588);  // 9405 - 817.5 = 8587.5, halves to even
}

TEST(Layout, LettersOfTheKeywordPanelAreCentredOnTheWindow) {
    ControlLayout c;
    ScreenMeasures m{.LarguraTela = 12000, .AlturaTela = 9000, .MargemHorizontal = 100, .MargemVertical = 100, .AlturaBotao = 400};
    AjustarFraPal(c, m);
    EXPECT_EQ(c[letterName(0)].Left, 2152);  // (12000 - 7695) / 2 rounded down
    EXPECT_EQ(c[letterName(25)].Left, 9652);
    EXPECT_EQ(c[letterName(13)].Top, 500);
    EXPECT_EQ(c[letterName(13)].Height, 323);
    EXPECT_EQ(c["FraPal_LblTitulo"].Left, 2400);
    m.LarguraTela = 12001;  // an odd width: both halves round down
    AjustarFraPal(c, m);
    EXPECT_EQ(c[letterName(0)].Left, 2153);
    EXPECT_EQ(c["FraPal_LblTitulo"].Left, 2400);
    EXPECT_EQ(c["FraPal_LstPalavraChave"].Top, c[letterName(0)].bottom() + 200);
    EXPECT_EQ(c["FraPal_TrwTema"].Left, c["FraPal_LstPalavraChave"].right() + 100);
    EXPECT_EQ(c["FraPal_CmdDesmarcarTodas"].Height, 405);  // keeps its design height
}

TEST(Layout, LocalitiesPanelCentresTheSearchBoxAndAlignsTheList) {
    Screen t(19200, 14000);  // FraLoc 18810 x 13030
    const ControlGeometry &panel = t.c["FraLoc"], &box = t.c["FraLoc_txtprocmun"], &list = t.c["FraLoc_LstMunSelec"];
    EXPECT_EQ(panel.Height, 13030);
    EXPECT_EQ(box.Left, 7462);  // (18810 - 3885) / 2 = 7462.5, halves to even
    EXPECT_TRUE(box.Top == t.c["FraLoc_lblprocmun"].bottom() + 300 && list.Top == box.bottom() + 200);
    EXPECT_TRUE(list.Left == box.Left && list.Width == 3945);
    EXPECT_EQ(list.Height, 7665);  // 13030 / 1.7 = 7664.7
    for (int k : {1, 2}) {
        const ControlGeometry& b = t.c[k == 1 ? "FraLoc_cmdmarcartodas" : "FraLoc_cmddesmarcartodas"];
        EXPECT_NEAR(b.Left + b.Width / 2.0, panel.Width * k / 3.0, 0.5) << k;  // on the thirds of the width
    }
}

// Whatever the screen, the rules keep each panel readable: its controls stacked from top to bottom in the
// order the user reads them, none over another, and the rows of buttons across the panel's width.
void expectBelow(const ControlGeometry& upper, const ControlGeometry& lower, const std::string& what) {
    EXPECT_LE(upper.bottom(), lower.Top) << what;
}
void expectSideBySide(const ControlGeometry& left, const ControlGeometry& right, const std::string& what) {
    EXPECT_LE(left.right(), right.Left) << what;
    EXPECT_EQ(left.Top, right.Top) << what;
}
void expectWithinWidth(const ControlGeometry& g, int width, const std::string& what) {
    EXPECT_GE(g.Left, 0) << what;
    EXPECT_LE(g.right(), width) << what;
}

TEST(Layout, PanelsStackTheirControlsWithoutOverlapOnEveryScreen) {
    for (int w : {12000, 15360, 19200, 28800}) {
        Screen t(w, w * 3 / 4);
        const std::string at = " at width " + std::to_string(w);
        const ControlLayout& c = t.c;

        const int varWidth = c.at("FraVar").Width;
        expectBelow(c.at(variableTitleName(0)), c.at("FraVar_TrwTemas"), "variables: title over tree" + at);
        expectBelow(c.at("FraVar_TrwTemas"), c.at(variableTitleName(1)), "variables: tree over title" + at);
        expectBelow(c.at(variableTitleName(1)), c.at("FraVar_LstNomeVariavel"), "variables: title over list" + at);
        expectBelow(c.at("FraVar_LstNomeVariavel"), c.at("FraVar_CmdMarcarTodas"), "variables: list over buttons" + at);
        expectSideBySide(c.at("FraVar_CmdMarcarTodas"), c.at("FraVar_CmdDesmarcarTodas"), "variables buttons" + at);
        expectSideBySide(c.at("FraVar_CmdDesmarcarTodas"), c.at("FraVar_CmdMostrarDefinicao"), "variables buttons" + at);
        for (const char* n : {"FraVar_TrwTemas", "FraVar_LstNomeVariavel", "FraVar_CmdMostrarDefinicao"})
            expectWithinWidth(c.at(n), varWidth, n + at);
        EXPECT_LE(c.at("FraVar_CmdMarcarTodas").bottom(), c.at("FraVar").Height) << at;

        const int locWidth = c.at("FraLoc").Width;
        expectBelow(c.at("FraLoc_lblprocmun"), c.at("FraLoc_txtprocmun"), "localities: label over box" + at);
        expectBelow(c.at("FraLoc_txtprocmun"), c.at("FraLoc_LstMunSelec"), "localities: box over list" + at);
        expectBelow(c.at("FraLoc_LstMunSelec"), c.at("FraLoc_cmdmarcartodas"), "localities: list over buttons" + at);
        expectSideBySide(c.at("FraLoc_cmdmarcartodas"), c.at("FraLoc_cmddesmarcartodas"), "localities buttons" + at);
        expectWithinWidth(c.at("FraLoc_cmddesmarcartodas"), locWidth, "localities buttons" + at);
        EXPECT_LE(c.at("FraLoc_cmdmarcartodas").bottom(), c.at("FraLoc").Height) << at;

        for (int i = 0; i + 1 < 26; ++i) expectSideBySide(c.at(letterName(i)), c.at(letterName(i + 1)), "letters" + at);
        expectBelow(c.at(letterName(0)), c.at("FraPal_LstPalavraChave"), "keywords: letters over list" + at);
        expectSideBySide(c.at("FraPal_LstPalavraChave"), c.at("FraPal_TrwTema"), "keywords: list beside tree" + at);
        expectWithinWidth(c.at("FraPal_TrwTema"), c.at("FraPal").Width, "keywords tree" + at);
        expectBelow(c.at("FraPal_TrwTema"), c.at("FraPal_LstNomeVariavel"), "keywords: tree over list" + at);
        expectBelow(c.at("FraPal_LstNomeVariavel"), c.at("FraPal_CmdMarcarTodas"), "keywords: list over buttons" + at);
        expectSideBySide(c.at("FraPal_CmdMarcarTodas"), c.at("FraPal_CmdDesmarcarTodas"), "keywords buttons" + at);

        expectBelow(c.at("FraSel_FraVar"), c.at("FraSel_Fraloc"), "review: variables over localities" + at);
        expectBelow(c.at("FraSel_FraVar_LstNomeVariavel"), c.at("FraSel_FraVar_CmdDesmarcarTodas"), "review buttons" + at);
        expectBelow(c.at("FraSel_Fraloc_Lstlocalidade"), c.at("FraSel_Fraloc_Cmddesmarcartodas"), "review buttons" + at);

        expectBelow(c.at("FraRes_SSTab1"), c.at("FraRes_TxtNotas"), "result: tabs over notes" + at);
        expectBelow(c.at("FraRes_LblTituloGrid1"), c.at("FraRes_LblSubTituloGrid1"), "result: title" + at);
        expectBelow(c.at("FraRes_LblSubTituloGrid1"), c.at("FraRes_MSFlexGrid1"), "result: subtitle" + at);
        expectBelow(c.at("FraRes_CmdConvencoes"), c.at("FraRes_CmdSalvar"), "result buttons" + at);
        expectSideBySide(c.at("FraRes_CmdChart"), c.at("FraRes_CmdConvencoes"), "chart beside legend" + at);
        EXPECT_LE(c.at("FraRes_TxtNotas").right(), c.at("FraRes_CmdChart").Left) << at;
        EXPECT_LE(c.at("FraRes_CmdSalvar").bottom(), c.at("FraRes").Height) << at;
    }
}

TEST(Layout, CriteriaControlsKeepTheirDesignPlaces) {
    Screen t(19200, 14000);
    EXPECT_EQ(t.c["FraCri_DbCmbVar"].Left, 930);
    EXPECT_EQ(t.c["FraCri_DbCmbVar"].Width, 8190);
    EXPECT_EQ(t.c["FraCri_GrdCri"].Height, 4365);
}

// The review's two frames share its height, inset by two margins at the sides; the result's notes fill the
// height of its two buttons, and every grid lies where the first does.
TEST(Layout, ReviewAndResultPanels) {
    Screen t(19200, 14000);
    const ControlGeometry &sel = t.c["FraSel"], &vars = t.c["FraSel_FraVar"], &locs = t.c["FraSel_Fraloc"];
    EXPECT_TRUE(vars.Left == 200 && vars.right() == sel.Width - 200 && locs.Left == 200 && locs.Width == vars.Width);
    EXPECT_EQ(vars.Height, 6515);  // half of 13030
    EXPECT_TRUE(locs.Top == vars.bottom() + 100 && locs.bottom() == sel.Height - 100);

    const ControlGeometry &res = t.c["FraRes"], &save = t.c["FraRes_CmdSalvar"], &notes = t.c["FraRes_TxtNotas"];
    const ControlGeometry& conventions = t.c["FraRes_CmdConvencoes"];
    EXPECT_TRUE(save.bottom() == res.Height - 100 && conventions.bottom() == save.Top - 100);
    EXPECT_TRUE(notes.Top == conventions.Top && notes.bottom() == save.bottom());
    for (const char* n : {"2", "3"}) {
        const ControlGeometry& g = t.c[std::string("FraRes_MSFlexGrid") + n];
        EXPECT_TRUE(g.Top == t.c["FraRes_MSFlexGrid1"].Top && g.Height == t.c["FraRes_MSFlexGrid1"].Height) << n;
    }
    // The message frame is centred on a box of the panel's size at the window's origin: 100 twips left of
    // and above the panel's own centre.
    const ControlGeometry& msg = t.c["FraRes_Mensagem"];
    EXPECT_NEAR(msg.Left + msg.Width / 2.0 + 100, res.Left + res.Width / 2.0, 0.5);
    EXPECT_NEAR(msg.Top + msg.Height / 2.0 + 100, res.Top + res.Height / 2.0, 0.5);
}

}  // namespace
