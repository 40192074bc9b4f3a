#pragma once
#include <QString>
#include <optional>

namespace quelva {

// The number a grid cell's text stands for, when it reads as one: an optional sign, digits, "." only between
// groups of three digits, and "," before the decimals ("1.234,5" is 1234.5). Anything else (codes such as
// "NR", "...", "-", the empty text, "1.2345") is no number.
std::optional<double> numberFromCellText(const QString& text);

}  // namespace quelva
