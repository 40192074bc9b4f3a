#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <variant>

namespace jet {

// The fixed-size number columns of a Jet file, as their bytes are stored in a row (little-endian).
enum class StoredNumberKind { Byte, Integer, Long, LargeNumber, Currency, Single, Double };

// The value those bytes hold: a whole number for Byte, Integer, Long and Large Number (64 bits, exact), a real number for the others.
// Currency is a count of ten-thousandths; a Single becomes the double nearest its 7 significant digits, as
// the engine keeps Singles. Nothing when the length is not the kind's size, which only a damaged file
// holds.
using StoredNumber = std::variant<std::int64_t, double>;
std::optional<StoredNumber> storedNumber(StoredNumberKind kind, const unsigned char* bytes, std::size_t length);

}  // namespace jet
