#include "stored_number.h"

#include <cstring>

#include "value.h"

namespace jet {
namespace {

std::uint64_t littleEndian(const unsigned char* bytes, std::size_t n) {
    std::uint64_t v = 0;
    for (std::size_t i = n; i-- > 0;) v = (v << 8) | bytes[i];
    return v;
}

std::size_t sizeOf(StoredNumberKind kind) {
    switch (kind) {
    case StoredNumberKind::Byte: return 1;
    case StoredNumberKind::Integer: return 2;
    case StoredNumberKind::Long: case StoredNumberKind::Single: return 4;
    case StoredNumberKind::LargeNumber: case StoredNumberKind::Currency: case StoredNumberKind::Double: return 8;
    }
    return 0;
}

}  // namespace

std::optional<StoredNumber> storedNumber(StoredNumberKind kind, const unsigned char* bytes, std::size_t length) {
    if (!bytes || length != sizeOf(kind)) return std::nullopt;
    const std::uint64_t raw = littleEndian(bytes, length);
    switch (kind) {
    case StoredNumberKind::Byte: return StoredNumber(static_cast<std::int64_t>(raw));
    case StoredNumberKind::Integer: return StoredNumber(static_cast<std::int64_t>(static_cast<std::int16_t>(raw)));
    case StoredNumberKind::Long: return StoredNumber(static_cast<std::int64_t>(static_cast<std::int32_t>(raw)));
    case StoredNumberKind::LargeNumber: return StoredNumber(static_cast<std::int64_t>(raw));
    // Below 2^53 ten-thousandths both numbers are exact and the quotient is rounded once: the double nearest
    // the amount, as its text would give.
    case StoredNumberKind::Currency: return StoredNumber(static_cast<double>(static_cast<std::int64_t>(raw)) / 10000.0);
    case StoredNumberKind::Single: {
        float f;
        const auto bits = static_cast<std::uint32_t>(raw);
        std::memcpy(&f, &bits, sizeof f);
        return StoredNumber(toSingle(f));
    }
    case StoredNumberKind::Double: {
        double d;
        std::memcpy(&d, &raw, sizeof d);
        return StoredNumber(d);
    }
    }
    return std::nullopt;
}

}  // namespace jet
