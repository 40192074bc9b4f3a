#pragma once

namespace quelva {

// Screen measures are kept in twips (1/1440 inch), whole numbers, as the layout rules are written.
inline constexpr int kTwipsPerInch = 1440;

// A quotient rounded to the nearest whole number, halves to even (the rounding of every division of the
// layout rules).
int roundHalfEven(double value);

// Truncated towards minus infinity ("rounded down").
int roundDown(double value);

// Twips to pixels and back at a given logical resolution (96 dots per inch: 15 twips per pixel).
int twipsToPixels(int twips, double dpi);
int pixelsToTwips(int pixels, double dpi);

}  // namespace quelva
