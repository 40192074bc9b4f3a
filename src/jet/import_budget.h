#pragma once
#include <cstdint>

namespace jet {

// True in a build under AddressSanitizer, whose shadow memory needs an address space no cap can allow.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kSanitizedBuild = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kSanitizedBuild = true;
#else
inline constexpr bool kSanitizedBuild = false;
#endif
#else
inline constexpr bool kSanitizedBuild = false;
#endif

// What importing one Jet file may cost, from the file's size (the constants are in quelva_limits.h). The
// importer stops with the message that the file is damaged as soon as one of them is exceeded.
struct ImportBudget {
    std::uint64_t fileBytes = 0;    // the size they are derived from
    std::uint64_t rows = 0;         // rows of one table, and of all tables together
    std::uint64_t outputBytes = 0;  // bytes of values copied
    std::uint64_t memoryBytes = 0;  // the importer's address space, or what it keeps resident
    int seconds = 0;                // wall-clock time of the importer's process
};

ImportBudget importBudget(std::uint64_t fileBytes);

}  // namespace jet
