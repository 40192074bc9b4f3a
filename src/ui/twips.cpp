#include "twips.h"

#include <cmath>

namespace quelva {

int arredondar(double value) {
    double whole = std::floor(value);
    double fraction = value - whole;
    if (fraction > 0.5) return static_cast<int>(whole) + 1;
    if (fraction < 0.5) return static_cast<int>(whole);
    return static_cast<int>(std::fmod(whole, 2.0) == 0.0 ? whole : whole + 1);
}

int arredondarParaBaixo(double value) { return static_cast<int>(std::floor(value)); }

int twipsParaPixels(int twips, double dpi) { return arredondar(twips * dpi / kTwipsPerInch); }

int pixelsParaTwips(int pixels, double dpi) { return arredondar(pixels * kTwipsPerInch / dpi); }

}  // namespace quelva
