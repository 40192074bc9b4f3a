#pragma once
#include <map>
#include <string>

namespace quelva {

// Position and size of one control in twips, Top and Left relative to its container.
struct ControlGeometry {
    int Top = 0, Left = 0, Width = 0, Height = 0;
    int bottom() const { return Top + Height; }    // bottom edge
    int right() const { return Left + Width; }  // right edge
};

// The geometry of every control the screen layout places, by the control's name. Starts with the design sizes;
// the layout rules then place and size them from the window's measures. Kept apart from the widgets so that
// the rules are plain functions. The set of names is fixed: naming a control the layout does not know is an
// error (std::out_of_range naming it), never a new entry.
class ControlLayout {
public:
    ControlLayout();
    ControlGeometry& operator[](const std::string& name);
    const ControlGeometry& at(const std::string& name) const;
    const std::map<std::string, ControlGeometry>& all() const { return g_; }

private:
    std::map<std::string, ControlGeometry> g_;
};

// The layout measures: AlturaBotao set by activation, the others by AjustarJanelaPrincipal.
struct ScreenMeasures {
    int LarguraTela = 0;
    int AlturaTela = 0;
    int MargemHorizontal = 0;
    int MargemVertical = 0;
    int AlturaBotao = 0;
};

// Sets Top and Left; the width and height only when 1 or more (0 or less leaves them unchanged).
void PosicionarControle(ControlGeometry& controle, int topo, int esquerda, int largura, int altura);

// The window's outer size from the largest size the screen allows (both in twips): the window measures its
// maximised size, adds 400 to the height, then takes 470 off the height and 90 off the width. Sets W and H,
// the margins, and the logo panel and its picture.
void AjustarJanelaPrincipal(ControlLayout& c, ScreenMeasures& m, int maximisedWidth, int maximisedHeight);

// LinMenu: from (0, 30) to (W, 30), kept as Left/Top = start and Width = end x.
void PosicionarLinhaMenu(ControlLayout& c, const ScreenMeasures& m);

void AjustarFraVar(ControlLayout& c, const ScreenMeasures& m);
void AjustarFraLoc(ControlLayout& c, const ScreenMeasures& m);
void AjustarFraCri(ControlLayout& c, const ScreenMeasures& m);
void AjustarFraPal(ControlLayout& c, const ScreenMeasures& m);
void AjustarFraSel(ControlLayout& c, const ScreenMeasures& m);
void AjustarFraRes(ControlLayout& c, const ScreenMeasures& m);

// Every control's geometry from the window's layout measures, recomputed at each activation; the window
// owns it and everyone else reads it.
class ScreenLayout {
public:
    // Activation's layout for a screen whose maximised window measures that many twips: AlturaBotao, the
    // window and its logo, the menu line, then each panel.
    void recompute(int maximisedWidth, int maximisedHeight);
    const ControlLayout& controls() const { return controls_; }

private:
    ControlLayout controls_;
};

// The panel a control belongs to: its name up to the first "_" ("FraSel" for "FraSel_FraVar_LstNomeVariavel");
// the whole name for a panel itself or a control of the window.
std::string panelOfControl(const std::string& name);

// "FraPal_LblLetra" element i.
std::string letterName(int i);
// "FraVar_LblTitulo" element i.
std::string variableTitleName(int i);

}  // namespace quelva
