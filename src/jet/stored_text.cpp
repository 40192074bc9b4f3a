#include "stored_text.h"

#include "windows1252.h"

namespace jet {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// UTF-16 code units in, characters out: a high surrogate waits for the low one that completes it.
class Utf16Decoder {
public:
    explicit Utf16Decoder(std::string& out) : out_(out) {}
    ~Utf16Decoder() { flush(); }
    Utf16Decoder(const Utf16Decoder&) = delete;
    Utf16Decoder& operator=(const Utf16Decoder&) = delete;

    void unit(char16_t u) {
        if (u >= 0xDC00 && u <= 0xDFFF) {
            if (high_) appendUtf8(0x10000 + ((char32_t(high_) - 0xD800) << 10) + (u - 0xDC00), out_);
            else appendUtf8(kReplacement, out_);
            high_ = 0;
            return;
        }
        flush();
        if (u >= 0xD800 && u <= 0xDBFF) high_ = u;
        else appendUtf8(u, out_);
    }
    bool pending() const { return high_ != 0; }
    // A high surrogate that no low one followed.
    void flush() {
        if (high_) appendUtf8(kReplacement, out_);
        high_ = 0;
    }

private:
    std::string& out_;
    char16_t high_ = 0;
};

void appendUtf16(const unsigned char* b, std::size_t n, std::string& out) {
    Utf16Decoder d(out);
    // The compressed form: a byte is a character of U+0001..U+00FF, and each zero byte switches between that
    // and whole UTF-16 units, starting with bytes.
    if (n >= 2 && b[0] == 0xFF && b[1] == 0xFE) {
        bool bytes = true;
        for (std::size_t i = 2; i < n;) {
            if (b[i] == 0) {
                bytes = !bytes;
                ++i;
            } else if (bytes) {
                d.unit(b[i++]);
            } else if (i + 1 < n) {
                d.unit(static_cast<char16_t>(b[i] | (b[i + 1] << 8)));
                i += 2;
            } else {
                d.flush();
                appendUtf8(kReplacement, out);
                break;
            }
        }
        return;
    }
    std::size_t i = 0;
    for (; i + 1 < n; i += 2) {
        const char16_t u = static_cast<char16_t>(b[i] | (b[i + 1] << 8));
        if (u < 0x80 && !d.pending()) out += static_cast<char>(u);
        else d.unit(u);
    }
    d.flush();
    if (i < n) appendUtf8(kReplacement, out);
}

void appendWindows1252(const unsigned char* b, std::size_t n, std::string& out) {
    for (std::size_t i = 0; i < n; ++i) {
        if (b[i] < 0x80) {
            out += static_cast<char>(b[i]);
            continue;
        }
        const char32_t c = windows1252::toUnicode(b[i]);
        // The bytes the code page leaves undefined come back as C1 control characters.
        appendUtf8(c >= 0x80 && c <= 0x9F ? kReplacement : c, out);
    }
}

}  // namespace

void appendStoredText(StoredTextForm form, const unsigned char* bytes, std::size_t length, std::string& out) {
    if (!bytes || length == 0) return;
    out.reserve(out.size() + length + length / 2);
    if (form == StoredTextForm::Utf16) appendUtf16(bytes, length, out);
    else appendWindows1252(bytes, length, out);
}

std::optional<std::string> storedGuidText(const unsigned char* b, std::size_t length) {
    if (!b || length != 16) return std::nullopt;
    static constexpr char kHex[] = "0123456789ABCDEF";
    // Byte order of each printed group: three little-endian numbers, then eight bytes as stored.
    static constexpr int kOrder[] = {3, 2, 1, 0, -1, 5, 4, -1, 7, 6, -1, 8, 9, -1, 10, 11, 12, 13, 14, 15};
    std::string s = "{";
    for (int i : kOrder) {
        if (i < 0) {
            s += '-';
            continue;
        }
        s += kHex[b[i] >> 4];
        s += kHex[b[i] & 0x0F];
    }
    return s + "}";
}

}  // namespace jet
