#include "stored_calculated.h"

#include <algorithm>
#include <cstdlib>
#include <cstdint>

namespace jet {
namespace {

constexpr std::size_t kLengthOffset = 16;
constexpr std::size_t kHeader = 20;
constexpr std::size_t kMostDigits = 16;  // bytes of a whole number a Decimal can need
constexpr int kMostScale = 28;

std::uint64_t littleEndian(const unsigned char* b, std::size_t n) {
    std::uint64_t v = 0;
    for (std::size_t i = n; i-- > 0;) v = (v << 8) | b[i];
    return v;
}

}  // namespace

std::optional<std::span<const unsigned char>> calculatedResult(std::span<const unsigned char> stored) {
    if (stored.size() < kHeader) return std::nullopt;
    const std::uint64_t length = littleEndian(stored.data() + kLengthOffset, 4);
    if (length > stored.size() - kHeader) return std::nullopt;
    return stored.subspan(kHeader, static_cast<std::size_t>(length));
}

std::optional<double> calculatedDecimal(std::span<const unsigned char> r) {
    if (r.size() < 8) return std::nullopt;
    // The length counts the scale, the sign and the digits.
    const std::size_t declared = littleEndian(r.data(), 2);
    const std::size_t following = declared > 0 ? std::min<std::size_t>(declared, r.size() - 2) : r.size() - 2;
    if (following < 6) return std::nullopt;
    std::size_t digits = following - 2;
    digits = std::min(digits - digits % 4, kMostDigits);
    const int scale = r[2];
    const bool negative = r[3] != 0;
    if (scale > kMostScale || digits == 0 || 4 + digits > r.size()) return std::nullopt;
    const unsigned char* p = r.data() + 4;
    unsigned __int128 units = 0;
    std::size_t group = 0;
    if (digits % 8 != 0) {
        units = littleEndian(p, 4);
        group = 4;
    }
    for (; group < digits; group += 8) units = (units << 64) | littleEndian(p + group, 8);

    // The decimal text of the number, read back as the nearest double.
    char text[64];
    char* end = text + sizeof text - 1;  // room for the terminating zero
    char* at = end;
    for (int place = 0; units != 0 || place <= scale; ++place) {
        if (place == scale && scale > 0) *--at = '.';
        *--at = static_cast<char>('0' + static_cast<int>(units % 10));
        units /= 10;
    }
    *end = '\0';
    const double value = std::strtod(at, nullptr);  // the importer reads numbers in the "C" locale
    return negative ? -value : value;
}

}  // namespace jet
