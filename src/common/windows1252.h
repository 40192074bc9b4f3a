#pragma once
// The Windows Latin-1 code page (1252), the one the Portuguese editions of Windows use for their texts and
// key codes. Bytes 0x00-0x7F and 0xA0-0xFF are the Unicode characters of the same value; 0x80-0x9F hold
// typographic signs, except five bytes the code page leaves undefined, which Windows itself carries as the
// control characters of the same value (so that every byte goes there and back).
#include <array>
#include <cstdint>
#include <optional>

namespace windows1252 {

namespace detail {
inline constexpr std::array<char32_t, 32> k80to9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
}  // namespace detail

// The Unicode code point of a byte.
constexpr char32_t toUnicode(std::uint8_t byte) {
    return byte >= 0x80 && byte <= 0x9F ? detail::k80to9F[byte - 0x80] : char32_t(byte);
}

// The byte of a Unicode code point; none when the code page has no such character.
constexpr std::optional<std::uint8_t> fromUnicode(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return std::uint8_t(codePoint);
    for (std::size_t i = 0; i < detail::k80to9F.size(); ++i)
        if (detail::k80to9F[i] == codePoint) return std::uint8_t(0x80 + i);
    return std::nullopt;
}

}  // namespace windows1252
