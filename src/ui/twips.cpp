#include "twips.h"

#include <cmath>

namespace quelva {

int roundHalfEven(double value) {
    double whole = std::floor(value);
    double fraction = value - whole;
    if (fraction > 0.5) return static_cast<int>(whole) + 1;
    if (fraction < 0.5) return static_cast<int>(whole);
    return static_cast<int>(std::fmod(whole, 2.0) == 0.0 ? whole : whole + 1);
}

int roundDown(double value) { return static_cast<int>(std::floor(value)); }

int twipsToPixels(int twips, double dpi) { return roundHalfEven(twips * dpi / kTwipsPerInch); }

int pixelsToTwips(int pixels, double dpi) { return roundHalfEven(pixels * kTwipsPerInch / dpi); }

}  // namespace quelva
