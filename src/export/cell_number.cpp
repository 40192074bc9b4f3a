#include "cell_number.h"

#include <charconv>
#include <string>

namespace quelva {

std::optional<double> numberFromCellText(const QString& text) {
    // Read by hand rather than by a regular expression: every cell of the largest grids passes here.
    // An optional sign, then either up to three digits followed by groups of "." and three digits, or digits
    // alone; then "," and digits. The digits, the sign and a decimal point go to the C-locale reader.
    // SubstituirTexto(texto, ".", "") of the worksheet's number rule is this loop's skipping of each ".": a
    // separate pass over the text would copy every cell twice.
    std::string number;  // what the C-locale reader takes
    const qsizetype length = text.size();
    if (length == 0) return std::nullopt;
    number.reserve(static_cast<std::size_t>(length));
    const QChar* c = text.constData();
    qsizetype i = 0;
    if (c[0] == u'+' || c[0] == u'-') {
        if (c[0] == u'-') number += '-';
        ++i;
    }
    auto isDigit = [&](qsizetype k) { return k < length && c[k] >= u'0' && c[k] <= u'9'; };
    const qsizetype start = i;
    while (isDigit(i)) number += static_cast<char>(c[i++].unicode());
    if (i == start) return std::nullopt;
    if (i < length && c[i] == u'.') {
        if (i - start > 3) return std::nullopt;
        while (i < length && c[i] == u'.') {
            if (!isDigit(i + 1) || !isDigit(i + 2) || !isDigit(i + 3) || isDigit(i + 4)) return std::nullopt;
            for (qsizetype k = i + 1; k <= i + 3; ++k) number += static_cast<char>(c[k].unicode());
            i += 4;
        }
    }
    if (i < length && c[i] == u',') {
        number += '.';
        const qsizetype decimalsStart = ++i;
        while (isDigit(i)) number += static_cast<char>(c[i++].unicode());
        if (i == decimalsStart) return std::nullopt;
    }
    if (i != length) return std::nullopt;
    double value = 0;
    const char* const end = number.data() + number.size();
    const auto [parsedEnd, error] = std::from_chars(number.data(), end, value);
    if (error != std::errc() || parsedEnd != end) return std::nullopt;
    return value;
}

}  // namespace quelva
