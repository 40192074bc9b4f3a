#pragma once
#include <cstdint>
#include <utility>
#include <vector>

namespace sample {

// splitmix64: tiny, fast and fully defined, so the sample comes out byte for byte the same on every
// machine. std:: distributions are avoided on purpose: their output may change between library versions.
inline std::uint64_t mix64(std::uint64_t z) {
    z += 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// A value that depends only on its keys: cell values are drawn this way so that each cell is the same
// whatever order the tables are written in, and a group total can recompute its members' values.
inline std::uint64_t keyedHash(std::uint64_t seed, std::uint64_t a, std::uint64_t b = 0, std::uint64_t c = 0) {
    return mix64(mix64(mix64(seed ^ a) ^ b) ^ c);
}

class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        const std::uint64_t z = state_;
        state_ += 0x9E3779B97F4A7C15ull;
        return mix64(z);
    }

    // A whole number in [0, n); n must be positive. The multiply-and-shift keeps it branch-free; its bias is
    // below 2^-40 for the sizes used here.
    std::uint64_t below(std::uint64_t n) { return static_cast<std::uint64_t>((static_cast<unsigned __int128>(next()) * n) >> 64); }

    // A whole number in [lo, hi].
    std::int64_t between(std::int64_t lo, std::int64_t hi) {
        return lo + static_cast<std::int64_t>(below(static_cast<std::uint64_t>(hi - lo) + 1));
    }

    // True with probability num/den.
    bool chance(std::uint64_t num, std::uint64_t den) { return below(den) < num; }

    template <class T>
    const T& pick(const std::vector<T>& v) { return v[below(v.size())]; }

    template <class T>
    void shuffle(std::vector<T>& v) {
        for (std::size_t i = v.size(); i > 1; --i) std::swap(v[i - 1], v[below(i)]);
    }

private:
    std::uint64_t state_;
};

}  // namespace sample
