#include "header_page.h"

#include <array>
#include <cstring>

namespace jetwrite {
namespace {

// Access hides the header's fields from offset 0x18 under RC4 with a key that every file shares; readers
// take them out the same way, so the plain values are written here and the whole range masked at the end.
constexpr std::uint32_t kHeaderKey = 0x6b39dac7;
constexpr int kMaskedStart = 0x18;

void rc4(std::uint8_t* data, int length) {
    std::array<std::uint8_t, 256> s{};
    for (int i = 0; i < 256; ++i) s[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    std::uint8_t key[4];
    for (int i = 0; i < 4; ++i) key[i] = static_cast<std::uint8_t>(kHeaderKey >> (8 * i));
    std::uint8_t j = 0;
    for (int i = 0; i < 256; ++i) {
        j = static_cast<std::uint8_t>(j + s[static_cast<std::size_t>(i)] + key[i % 4]);
        std::swap(s[static_cast<std::size_t>(i)], s[j]);
    }
    std::uint8_t a = 0;
    std::uint8_t b = 0;
    for (int n = 0; n < length; ++n) {
        a = static_cast<std::uint8_t>(a + 1);
        b = static_cast<std::uint8_t>(b + s[a]);
        std::swap(s[a], s[b]);
        data[n] ^= s[static_cast<std::uint8_t>(s[a] + s[b])];
    }
}

}  // namespace

Bytes headerPage(const Format& f) {
    Bytes p(static_cast<std::size_t>(f.pageSize), 0);
    p[1] = 0x01;
    std::memcpy(&p[4], "Standard Jet DB", 15);
    put32(p, 0x14, f.jet4() ? 1 : 0);
    put16(p, 0x3C, kCodePage);
    put32(p, 0x3E, 0);  // the database key: 0 says the pages are not encrypted
    if (f.jet4()) put32(p, 0x6E, kGeneralSortOrder);
    else put16(p, 0x3A, kGeneralSortOrder);
    rc4(&p[kMaskedStart], f.jet4() ? 128 : 126);
    return p;
}

}  // namespace jetwrite
