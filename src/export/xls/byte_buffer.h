#pragma once
// A growing little-endian byte image of a stream, written front to back, with fields patched afterwards once
// the offsets they hold are known.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace xls {

class ByteBuffer {
public:
    void u8(std::uint8_t v) { bytes_.push_back(v); }
    void u16(std::uint16_t v) {
        bytes_.push_back(static_cast<std::uint8_t>(v));
        bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v) {
        u16(static_cast<std::uint16_t>(v));
        u16(static_cast<std::uint16_t>(v >> 16));
    }
    void f64(double v) {
        std::uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        u32(static_cast<std::uint32_t>(bits));
        u32(static_cast<std::uint32_t>(bits >> 32));
    }
    void zeros(std::size_t n) { bytes_.insert(bytes_.end(), n, 0); }
    void append(const std::uint8_t* data, std::size_t n) { bytes_.insert(bytes_.end(), data, data + n); }

    void patch16(std::size_t at, std::uint16_t v) {
        bytes_[at] = static_cast<std::uint8_t>(v);
        bytes_[at + 1] = static_cast<std::uint8_t>(v >> 8);
    }
    void patch32(std::size_t at, std::uint32_t v) {
        patch16(at, static_cast<std::uint16_t>(v));
        patch16(at + 2, static_cast<std::uint16_t>(v >> 16));
    }

    std::size_t size() const { return bytes_.size(); }
    void reserve(std::size_t n) { bytes_.reserve(n); }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace xls
