#include "text_case.h"

#include <stdexcept>

namespace sample {
namespace {

// Code points of Latin-1's letters from U+00C0 on, with the base letter each one folds to; '\0' marks the
// two signs in that block that are not letters (× and ÷).
constexpr char kBase[64 + 1] =
    "aaaaaaaceeeeiiiidnooooo\0ouuuuyts"   // U+00C0..U+00DF (capitals, then ß at U+00DF)
    "aaaaaaaceeeeiiiidnooooo\0ouuuuyty";  // U+00E0..U+00FF

template <class OnChar>
void walk(std::string_view s, OnChar onChar) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            onChar(static_cast<char32_t>(b));
        } else if ((b == 0xC3 || b == 0xC2) && i + 1 < s.size()) {
            onChar(static_cast<char32_t>(((b & 0x1F) << 6) | (static_cast<unsigned char>(s[++i]) & 0x3F)));
        } else {
            throw std::invalid_argument("texto com letra fora do alfabeto português: " + std::string(s));
        }
    }
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool isLatin1Letter(char32_t c) { return c >= 0xC0 && c <= 0xFF && kBase[c - 0xC0] != '\0'; }

void requireSupported(char32_t c, std::string_view s) {
    // ß, ÿ and the signs of U+0080..U+00BF change length or leave Latin-1 when put in capitals.
    if ((c >= 0x80 && c < 0xC0) || c == 0xDF || c == 0xFF || (c >= 0xC0 && !isLatin1Letter(c)))
        throw std::invalid_argument("texto com sinal fora do alfabeto português: " + std::string(s));
}

}  // namespace

std::string upperPt(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    walk(s, [&](char32_t c) {
        requireSupported(c, s);
        if (c >= 'a' && c <= 'z') c -= 0x20;
        else if (c >= 0xE0) c -= 0x20;  // Latin-1 keeps each small accented letter 0x20 above its capital
        appendUtf8(out, c);
    });
    return out;
}

std::string foldPt(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    walk(s, [&](char32_t c) {
        requireSupported(c, s);
        if (c >= 'A' && c <= 'Z') out += static_cast<char>(c + 0x20);
        else if (c >= 0xC0) out += kBase[c - 0xC0];
        else out += static_cast<char>(c);
    });
    return out;
}

}  // namespace sample
