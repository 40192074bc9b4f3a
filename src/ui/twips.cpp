#include "twips.h"

#include <cmath>

namespace quelva {

int arredondar(double valor) {
    double baixo = std::floor(valor);
    double resto = valor - baixo;
    if (resto > 0.5) return static_cast<int>(baixo) + 1;
    if (resto < 0.5) return static_cast<int>(baixo);
    return static_cast<int>(std::fmod(baixo, 2.0) == 0.0 ? baixo : baixo + 1);
}

int arredondarParaBaixo(double valor) { return static_cast<int>(std::floor(valor)); }

int twipsParaPixels(int twips, double dpi) { return arredondar(twips * dpi / kTwipsPorPolegada); }

int pixelsParaTwips(int pixels, double dpi) { return arredondar(pixels * kTwipsPorPolegada / dpi); }

}  // namespace quelva
