#include "text_encoding.h"

#include <cstdio>
#include <optional>

#include "windows1252.h"

namespace jetwrite {
namespace {

[[noreturn]] void refuse(const std::string& where, const std::string& why) { throw WriteError(where + ": " + why); }

char32_t nextCodePoint(const std::string& s, std::size_t& i, const std::string& where) {
    const auto lead = static_cast<unsigned char>(s[i++]);
    if (lead < 0x80) return lead;
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0 || lead > 0xF4 || i + static_cast<std::size_t>(extra) > s.size()) refuse(where, "texto em UTF-8 inválido");
    char32_t c = lead & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        const auto b = static_cast<unsigned char>(s[i++]);
        if ((b & 0xC0) != 0x80) refuse(where, "texto em UTF-8 inválido");
        c = c << 6 | (b & 0x3F);
    }
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) refuse(where, "texto em UTF-8 inválido");
    return c;
}

// The code page's own table, less the five bytes it leaves undefined: the importer reads those as the
// replacement character, so a text holding one would not come back as written.
std::uint8_t windows1252Byte(char16_t c, const std::string& where) {
    const std::optional<std::uint8_t> b = windows1252::fromUnicode(c);
    const bool undefined = b && *b >= 0x80 && *b <= 0x9F && windows1252::toUnicode(*b) == char32_t(*b);
    if (b && !undefined) return *b;
    char code[8];
    std::snprintf(code, sizeof code, "%04X", static_cast<unsigned>(c));
    refuse(where, std::string("o caractere U+") + code + " não existe em Windows-1252");
}

}  // namespace

std::u16string utf16(const std::string& utf8, const std::string& where) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t c = nextCodePoint(utf8, i, where);
        if (c < 0x10000) {
            out.push_back(static_cast<char16_t>(c));
        } else {
            out.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        }
    }
    return out;
}

Bytes storedText(const Format& f, const std::u16string& text, bool compressible, const std::string& where) {
    Bytes out;
    if (!f.jet4()) {
        out.reserve(text.size());
        for (char16_t c : text) out.push_back(windows1252Byte(c, where));
        return out;
    }
    // A zero byte would switch the compressed form back to two bytes a character.
    bool oneByte = compressible && !text.empty();
    for (char16_t c : text) oneByte = oneByte && c > 0 && c < 0x100;
    if (oneByte) {
        out = {0xFF, 0xFE};
        for (char16_t c : text) out.push_back(static_cast<std::uint8_t>(c));
        return out;
    }
    for (char16_t c : text) append(out, c, 2);
    return out;
}

Bytes storedName(const Format& f, const std::string& name, const std::string& where) {
    const Bytes text = storedText(f, utf16(name, where), false, where);
    Bytes out;
    append(out, text.size(), f.jet4() ? 2 : 1);
    append(out, text);
    return out;
}

}  // namespace jetwrite
