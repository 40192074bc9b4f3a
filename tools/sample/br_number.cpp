#include "br_number.h"

#include <stdexcept>

namespace sample {

std::string formatBrInteger(std::int64_t v) {
    // Work on the magnitude as unsigned so that the smallest int64 has a magnitude too.
    const bool negative = v < 0;
    std::uint64_t m = negative ? ~static_cast<std::uint64_t>(v) + 1 : static_cast<std::uint64_t>(v);
    std::string digits = std::to_string(m);
    std::string out;
    const std::size_t lead = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
    out.append(digits, 0, lead);
    for (std::size_t i = lead; i < digits.size(); i += 3) {
        out += '.';
        out.append(digits, i, 3);
    }
    return negative ? "-" + out : out;
}

std::string formatBrDecimal(std::int64_t scaled, int decimals) {
    if (decimals < 1 || decimals > 6) throw std::invalid_argument("casas decimais fora de 1..6");
    std::int64_t unit = 1;
    for (int i = 0; i < decimals; ++i) unit *= 10;
    const bool negative = scaled < 0;
    const std::uint64_t m = negative ? ~static_cast<std::uint64_t>(scaled) + 1 : static_cast<std::uint64_t>(scaled);
    std::string fraction = std::to_string(m % static_cast<std::uint64_t>(unit));
    fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
    const std::string whole = formatBrInteger(static_cast<std::int64_t>(m / static_cast<std::uint64_t>(unit)));
    return (negative ? "-" : "") + whole + "," + fraction;
}

}  // namespace sample
