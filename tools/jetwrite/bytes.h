#pragma once
#include <cstdint>
#include <cstring>
#include <vector>

namespace jetwrite {

using Bytes = std::vector<std::uint8_t>;

// Little-endian numbers, as every number in a Jet page is stored.
inline void put16(Bytes& b, std::size_t at, std::uint32_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
inline void put32(Bytes& b, std::size_t at, std::uint32_t v) {
    put16(b, at, v & 0xFFFF);
    put16(b, at + 2, v >> 16);
}
inline void append(Bytes& b, std::uint64_t v, int size) {
    for (int i = 0; i < size; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
inline void append(Bytes& b, const Bytes& more) { b.insert(b.end(), more.begin(), more.end()); }
inline void appendDouble(Bytes& b, double d) {
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    append(b, bits, 8);
}

}  // namespace jetwrite
