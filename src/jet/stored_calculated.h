#pragma once
#include <cstddef>
#include <optional>
#include <span>

namespace jet {

// Access 2010 and later keep the last result of a calculated column in the row (or, for a Memo result, in
// its long value), after a header of 20 bytes whose last four give the result's length (little-endian); a
// few bytes of padding may follow. The result's own bytes, or nothing when the value is shorter than that
// header or declares more bytes than follow it, which only a damaged file holds.
std::optional<std::span<const unsigned char>> calculatedResult(std::span<const unsigned char> stored);

// A Decimal result, which a calculated column stores in its own form: the length of what follows (two bytes,
// 0 for all of it), the scale, a sign byte (non-zero when negative), then the whole number of units of the
// last decimal place in groups of 4 or 8 bytes, the most significant group first, each group little-endian.
// The double nearest that number. Nothing for a scale beyond 28 or a value too short to hold one.
std::optional<double> calculatedDecimal(std::span<const unsigned char> result);

}  // namespace jet
