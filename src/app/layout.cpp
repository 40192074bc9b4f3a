#include "layout.h"

#include <stdexcept>

#include "twips.h"

namespace quelva {

namespace {

// Design sizes the rules read, and controls the layout never moves (Left, Top, Width, Height).
struct DesignSize {
    const char* name;
    int left, top, width, height;
};

const DesignSize kDesignSizes[] = {
    {"FraVar_LblTitulo(0)", 0, 0, 1000, 300},
    {"FraVar_LblTitulo(1)", 0, 0, 1000, 300},
    {"FraVar_CmdMarcarTodas", 0, 0, 1635, 400},
    {"FraVar_CmdDesmarcarTodas", 0, 0, 1635, 400},
    {"FraVar_CmdMostrarDefinicao", 0, 0, 1635, 400},
    {"FraVar_LstCodVariavel", 0, 0, 1245, 0},
    {"FraPal_LstCodVariavel", 0, 0, 1245, 0},
    {"FraSel_FraVar_LstCodVariavel", 0, 0, 1245, 0},
    {"FraLoc_lblprocmun", 0, 0, 0, 195},
    {"FraLoc_txtprocmun", 0, 0, 3885, 345},
    {"FraLoc_LstMunSelec", 0, 0, 3945, 0},
    {"FraLoc_cmdmarcartodas", 0, 0, 1500, 400},
    {"FraLoc_cmddesmarcartodas", 0, 0, 1500, 400},
    {"FraPal_LblTitulo", 0, 0, 7200, 315},
    {"FraPal_CmdMarcarTodas", 0, 0, 1635, 405},
    {"FraPal_CmdDesmarcarTodas", 0, 0, 1635, 405},
    {"FraPal_CmdMostrarDefinicao", 0, 0, 1635, 405},
    {"FraSel_FraVar_CmdDesmarcarTodas", 0, 0, 1365, 400},
    {"FraSel_FraVar_CmdMostrarDefinicao", 0, 0, 1365, 400},
    {"FraSel_Fraloc_Cmddesmarcartodas", 0, 0, 1365, 400},
    {"FraRes_LblTituloGrid1", 0, 0, 0, 285},
    {"FraRes_LblSubTituloGrid1", 0, 0, 0, 285},
    {"FraRes_CmdSalvar", 0, 0, 1095, 885},
    {"FraRes_CmdConvencoes", 0, 0, 1095, 315},
    {"FraRes_CmdChart", 0, 0, 1095, 315},
    {"FraRes_FraConvencoes", 0, 0, 6795, 2415},
    {"FraRes_TxtConvencoes", 180, 300, 6375, 1455},
    {"FraRes_CmdFechar", 5550, 1890, 975, 375},
    {"FraRes_Mensagem", 0, 0, 5505, 1155},
    {"FraRes_LblMensagem", 60, 480, 5355, 360},
    {"FraCri_FraCriTop", 135, 330, 11310, 1410},
    {"FraCri_LblTit(3)", 135, 240, 960, 240},
    {"FraCri_LblTit(0)", 1050, 240, 2130, 240},
    {"FraCri_LblTit(1)", 9060, 240, 960, 240},
    {"FraCri_LblTit(2)", 10200, 240, 885, 240},
    {"FraCri_CmbConector", 90, 540, 720, 315},
    {"FraCri_DbCmbVar", 930, 540, 8190, 315},
    {"FraCri_CmbOperador", 9240, 540, 750, 315},
    {"FraCri_TxtValor", 10065, 540, 1155, 315},
    {"FraCri_CmdLimpaCri", 120, 960, 1485, 285},
    {"FraCri_CmdAdicionaCri", 9720, 960, 1485, 285},
    {"FraCri_FraCri", 135, 1830, 11310, 5580},
    {"FraCri_GrdCri", 135, 225, 11085, 4365},
    {"FraCri_CmdLimpaTodosCri", 4710, 4890, 1860, 330},
};

// Controls the rules place that have no design size of their own.
const char* const kWithoutDesignSize[] = {
    "FrmQuelva", "LinMenu", "FraLog", "FraLog_ImgLogo",
    "FraVar", "FraVar_TrwTemas", "FraVar_LstNomeVariavel",
    "FraLoc", "FraCri",
    "FraPal", "FraPal_LstPalavraChave", "FraPal_TrwTema", "FraPal_LstNomeVariavel",
    "FraSel", "FraSel_FraVar", "FraSel_FraVar_LstNomeVariavel", "FraSel_Fraloc", "FraSel_Fraloc_Lstlocalidade",
    "FraRes", "FraRes_TxtNotas", "FraRes_SSTab1", "FraRes_MSFlexGrid1", "FraRes_MSFlexGrid2", "FraRes_MSFlexGrid3",
    "FraRes_LblTituloGrid2", "FraRes_LblTituloGrid3", "FraRes_LblSubTituloGrid2", "FraRes_LblSubTituloGrid3",
};

constexpr int kLetterCount = 26;

// Left of a control of width `width` centred on the vertical line `line`.
int centredLeft(double line, int width) { return roundHalfEven(line - width / 2.0); }

// A row of buttons at `top`, the k-th (from 1) centred on the line start + k x width / parts.
void centreButtons(ControlLayout& c, std::initializer_list<const char*> buttons, int top, double start, double width, int parts) {
    int k = 1;
    for (const char* name : buttons) {
        ControlGeometry& b = c[name];
        PosicionarControle(b, top, centredLeft(start + k * width / parts, b.Width), 0, 0);
        ++k;
    }
}

// Every panel frame but the logo: Top mv, Left mh, Width W - 3 mh; Height H - `margins` mv.
void placePanel(ControlGeometry& g, const ScreenMeasures& m, int margins) {
    PosicionarControle(g, m.MargemVertical, m.MargemHorizontal, m.LarguraTela - 3 * m.MargemHorizontal,
                       m.AlturaTela - margins * m.MargemVertical);
}

// The hidden code list beside a name list: Left = right edge of the name list - 2 x its own width.
void placeCodeList(ControlGeometry& codes, const ControlGeometry& names) {
    PosicionarControle(codes, names.Top, names.right() - 2 * codes.Width, 0, names.Height);
}

}  // namespace

std::string letterName(int i) { return "FraPal_LblLetra(" + std::to_string(i) + ")"; }
std::string variableTitleName(int i) { return "FraVar_LblTitulo(" + std::to_string(i) + ")"; }

ControlLayout::ControlLayout() {
    for (const DesignSize& p : kDesignSizes) g_[p.name] = {p.top, p.left, p.width, p.height};
    for (int i = 0; i < kLetterCount; ++i) g_[letterName(i)] = {0, 0, 195, 323};
    for (const char* name : kWithoutDesignSize) g_[name];
}

ControlGeometry& ControlLayout::operator[](const std::string& name) {
    auto it = g_.find(name);
    if (it == g_.end()) throw std::out_of_range("O layout não conhece o controle " + name + ".");
    return it->second;
}

const ControlGeometry& ControlLayout::at(const std::string& name) const {
    auto it = g_.find(name);
    if (it == g_.end()) throw std::out_of_range("O layout não conhece o controle " + name + ".");
    return it->second;
}

std::string panelOfControl(const std::string& name) { return name.substr(0, name.find('_')); }

void PosicionarControle(ControlGeometry& controle, int topo, int esquerda, int largura, int altura) {
    controle.Top = topo;
    controle.Left = esquerda;
    if (largura >= 1) controle.Width = largura;
    if (altura >= 1) controle.Height = altura;
}

void AjustarJanelaPrincipal(ControlLayout& c, ScreenMeasures& m, int maximisedWidth, int maximisedHeight) {
    int H = maximisedHeight + 400;
    int W = maximisedWidth;
    PosicionarControle(c["FrmQuelva"], 0, 0, W - 90, H - 470);
    m.AlturaTela = c["FrmQuelva"].Height;
    m.LarguraTela = c["FrmQuelva"].Width;
    m.MargemHorizontal = 100;
    m.MargemVertical = 100;
    PosicionarControle(c["FraLog"], 0, 0, m.LarguraTela, m.AlturaTela - 500);
    PosicionarControle(c["FraLog_ImgLogo"], 0, 0, c["FraLog"].Width, c["FraLog"].Height);
}

void ScreenLayout::recompute(int maximisedWidth, int maximisedHeight) {
    ScreenMeasures m;
    ControlLayout& c = controls_;
    m.AlturaBotao = 400;
    AjustarJanelaPrincipal(c, m, maximisedWidth, maximisedHeight);
    PosicionarLinhaMenu(c, m);
    AjustarFraVar(c, m);
    AjustarFraLoc(c, m);
    AjustarFraCri(c, m);
    AjustarFraPal(c, m);
    AjustarFraSel(c, m);
    AjustarFraRes(c, m);
}

void PosicionarLinhaMenu(ControlLayout& c, const ScreenMeasures& m) {
    ControlGeometry& l = c["LinMenu"];
    l.Left = 0;
    l.Top = 30;
    l.Width = m.LarguraTela;
    l.Height = 0;
}

void AjustarFraVar(ControlLayout& c, const ScreenMeasures& m) {
    const int mh = m.MargemHorizontal, mv = m.MargemVertical;
    for (const char* b : {"FraVar_CmdMarcarTodas", "FraVar_CmdDesmarcarTodas", "FraVar_CmdMostrarDefinicao"})
        c[b].Height = m.AlturaBotao;
    ControlGeometry& panel = c["FraVar"];
    placePanel(panel, m, 8);
    ControlGeometry& title0 = c[variableTitleName(0)];
    PosicionarControle(title0, 2 * mv, mh, 0, 0);
    ControlGeometry& tree = c["FraVar_TrwTemas"];
    PosicionarControle(tree, title0.bottom(), mh, panel.Width - 2 * mh, roundHalfEven(panel.Height / 2.5));
    ControlGeometry& title1 = c[variableTitleName(1)];
    PosicionarControle(title1, tree.bottom() + mv, mh, 0, 0);
    ControlGeometry& names = c["FraVar_LstNomeVariavel"];
    PosicionarControle(names, title1.bottom(), mh, tree.Width, tree.Height - 2 * mv);
    placeCodeList(c["FraVar_LstCodVariavel"], names);
    centreButtons(c, {"FraVar_CmdMarcarTodas", "FraVar_CmdDesmarcarTodas", "FraVar_CmdMostrarDefinicao"}, names.bottom() + 3 * mv, 0,
                  panel.Width, 4);
}

void AjustarFraLoc(ControlLayout& c, const ScreenMeasures& m) {
    const int mh = m.MargemHorizontal, mv = m.MargemVertical;
    ControlGeometry& panel = c["FraLoc"];
    placePanel(panel, m, 9);
    ControlGeometry& label = c["FraLoc_lblprocmun"];
    PosicionarControle(label, 3 * mv, mh, panel.Width - 3 * mh, 0);
    ControlGeometry& text = c["FraLoc_txtprocmun"];
    PosicionarControle(text, label.bottom() + 3 * mv, roundHalfEven((panel.Width - text.Width) / 2.0), 0, 0);
    ControlGeometry& list = c["FraLoc_LstMunSelec"];
    PosicionarControle(list, label.bottom() + text.Height + 5 * mv, text.Left, 0, roundHalfEven(panel.Height / 1.7));
    ControlGeometry& markAll = c["FraLoc_cmdmarcartodas"];
    ControlGeometry& unmarkAll = c["FraLoc_cmddesmarcartodas"];
    markAll.Height = m.AlturaBotao;
    unmarkAll.Height = m.AlturaBotao;
    centreButtons(c, {"FraLoc_cmdmarcartodas", "FraLoc_cmddesmarcartodas"}, list.bottom() + 3 * mv, 0, panel.Width, 3);
}

void AjustarFraCri(ControlLayout& c, const ScreenMeasures& m) { placePanel(c["FraCri"], m, 9); }

void AjustarFraPal(ControlLayout& c, const ScreenMeasures& m) {
    const int mh = m.MargemHorizontal, mv = m.MargemVertical, W = m.LarguraTela;
    ControlGeometry& panel = c["FraPal"];
    placePanel(panel, m, 9);
    ControlGeometry& title = c["FraPal_LblTitulo"];
    PosicionarControle(title, 2 * mv, roundDown((W - title.Width) / 2.0), 0, 0);
    const int start = roundDown((W - (c[letterName(0)].Width + 7500)) / 2.0);
    for (int i = 0; i < kLetterCount; ++i) {
        ControlGeometry& letter = c[letterName(i)];
        letter.Height = 323;
        PosicionarControle(letter, 500, start + 300 * i, 0, 0);
    }
    const ControlGeometry& letter0 = c[letterName(0)];
    ControlGeometry& keywords = c["FraPal_LstPalavraChave"];
    const int keywordsTop = letter0.bottom() + 2 * mv;
    PosicionarControle(keywords, keywordsTop, mh, roundHalfEven(panel.Width / 4.0), roundHalfEven((panel.Height - keywordsTop) / 2.0));
    ControlGeometry& tree = c["FraPal_TrwTema"];
    PosicionarControle(tree, keywords.Top, keywords.right() + mh, panel.Width - keywords.right() - 2 * mh, keywords.Height);
    ControlGeometry& names = c["FraPal_LstNomeVariavel"];
    PosicionarControle(names, keywords.bottom() + mv, keywords.Left, panel.Width - 2 * mh,
                       panel.Height - title.Height - letter0.Height - keywords.Height - 6 * mv -
                           c["FraPal_CmdDesmarcarTodas"].Height);
    placeCodeList(c["FraPal_LstCodVariavel"], names);
    centreButtons(c, {"FraPal_CmdMarcarTodas", "FraPal_CmdDesmarcarTodas", "FraPal_CmdMostrarDefinicao"}, names.bottom() + mv,
                  names.Left, panel.Width - names.Left, 4);
}

void AjustarFraSel(ControlLayout& c, const ScreenMeasures& m) {
    const int mh = m.MargemHorizontal, mv = m.MargemVertical;
    for (const char* b : {"FraSel_FraVar_CmdDesmarcarTodas", "FraSel_FraVar_CmdMostrarDefinicao", "FraSel_Fraloc_Cmddesmarcartodas"})
        c[b].Height = m.AlturaBotao;
    ControlGeometry& panel = c["FraSel"];
    placePanel(panel, m, 9);
    ControlGeometry& fraVar = c["FraSel_FraVar"];
    PosicionarControle(fraVar, 3 * mv, mh + panel.Left, panel.Width - 4 * panel.Left, roundHalfEven(panel.Height / 2.0));
    ControlGeometry& unmarkVariables = c["FraSel_FraVar_CmdDesmarcarTodas"];
    ControlGeometry& names = c["FraSel_FraVar_LstNomeVariavel"];
    PosicionarControle(names, 3 * mv, fraVar.Left, fraVar.Width - 4 * mh, fraVar.Height - unmarkVariables.Height - 4 * mv);
    placeCodeList(c["FraSel_FraVar_LstCodVariavel"], names);
    centreButtons(c, {"FraSel_FraVar_CmdDesmarcarTodas", "FraSel_FraVar_CmdMostrarDefinicao"}, names.bottom() + mv, 0, fraVar.Width, 3);
    ControlGeometry& fraLoc = c["FraSel_Fraloc"];
    PosicionarControle(fraLoc, fraVar.bottom() + mv, fraVar.Left, fraVar.Width, panel.Height - fraVar.Top - fraVar.Height - 2 * mv);
    ControlGeometry& unmarkLocalities = c["FraSel_Fraloc_Cmddesmarcartodas"];
    ControlGeometry& list = c["FraSel_Fraloc_Lstlocalidade"];
    PosicionarControle(list, 3 * mv, fraLoc.Left, fraLoc.Width - 4 * mh, fraLoc.Height - unmarkLocalities.Height - 4 * mv);
    centreButtons(c, {"FraSel_Fraloc_Cmddesmarcartodas"}, list.bottom() + mv, 0, fraLoc.Width, 3);
}

void AjustarFraRes(ControlLayout& c, const ScreenMeasures& m) {
    const int mh = m.MargemHorizontal, mv = m.MargemVertical;
    ControlGeometry& panel = c["FraRes"];
    placePanel(panel, m, 9);
    ControlGeometry& save = c["FraRes_CmdSalvar"];
    PosicionarControle(save, panel.Height - save.Height - mv, panel.Width - save.Width - 2 * mh, 0, 0);
    ControlGeometry& conventions = c["FraRes_CmdConvencoes"];
    PosicionarControle(conventions, panel.Height - save.Height - conventions.Height - 2 * mv, save.Left, save.Width, 0);
    // The chart's button beside the legend's and as large, the notes narrower by it.
    ControlGeometry& chart = c["FraRes_CmdChart"];
    PosicionarControle(chart, conventions.Top, conventions.Left - mh - conventions.Width, conventions.Width, conventions.Height);
    ControlGeometry& notes = c["FraRes_TxtNotas"];
    PosicionarControle(notes, conventions.Top, panel.Left + mh, panel.Width - 5 * panel.Left - save.Width - chart.Width - mh,
                       save.Height + conventions.Height + mv);
    ControlGeometry& tabs = c["FraRes_SSTab1"];
    PosicionarControle(tabs, 2 * mv + panel.Top, panel.Left + mh, panel.Width - 4 * panel.Left, panel.Height - notes.Height - 5 * mv);
    ControlGeometry& title = c["FraRes_LblTituloGrid1"];
    PosicionarControle(title, 3 * mv + panel.Top, panel.Left + mh, tabs.Width - 2 * tabs.Left, 0);
    ControlGeometry& subtitle = c["FraRes_LblSubTituloGrid1"];
    PosicionarControle(subtitle, title.bottom(), title.Left, title.Width, 0);
    ControlGeometry& grid = c["FraRes_MSFlexGrid1"];
    PosicionarControle(grid, subtitle.bottom() + mv, subtitle.Left, subtitle.Width,
                       tabs.Height - title.Top - subtitle.Height - 4 * mv);
    for (const char* n : {"2", "3"}) {
        PosicionarControle(c[std::string("FraRes_LblTituloGrid") + n], title.Top, title.Left, title.Width, 0);
        PosicionarControle(c[std::string("FraRes_LblSubTituloGrid") + n], subtitle.Top, subtitle.Left, subtitle.Width, 0);
        PosicionarControle(c[std::string("FraRes_MSFlexGrid") + n], grid.Top, grid.Left, grid.Width, grid.Height);
    }
    ControlGeometry& conventionsFrame = c["FraRes_FraConvencoes"];
    PosicionarControle(conventionsFrame, roundHalfEven((panel.Height - conventionsFrame.Height) / 2.0), roundHalfEven((panel.Width - conventionsFrame.Width) / 2.0), 0, 0);
    ControlGeometry& message = c["FraRes_Mensagem"];
    PosicionarControle(message, roundHalfEven((panel.Height - message.Height) / 2.0), roundHalfEven((panel.Width - message.Width) / 2.0), 0, 0);
}

}  // namespace quelva
