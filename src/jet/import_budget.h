#pragma once
#include <cstdint>
#include <string>

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

// What the importer may spend on one Jet file. A damaged file can send libmdb into a loop that reads the same
// pages again and again, so every budget is derived from the bytes the file holds (heldBytes below): what a
// good file needs grows with them, and a loop is caught long before it starves the machine.

// No row takes fewer bytes than this: its 2-byte slot in the page's row table, a column count and a
// variable-column count (1 byte each in Jet 3) and a null mask of at least one byte. A table definition
// that declares more rows than the file's size allows at this rate is damaged.
inline constexpr std::uint64_t kImportMinRowBytes = 5;
// The values a file yields, counted as they are copied (text in UTF-8, 8 bytes a number or date): a Jet
// value never grows more than 3 times in UTF-8 or in a date's text, and pages are never full, so 4 times
// the file is far beyond any good file; the floor lets small files hold long memos.
inline constexpr std::uint64_t kImportOutputFloorBytes = 32ull << 20;
inline constexpr std::uint64_t kImportOutputPerFileByte = 4;
// Memory of the importer's process (its address space, and what the program lets it keep resident): the
// libraries take under 100 MiB, the copy it builds and serialises about 3 times the output above.
inline constexpr std::uint64_t kImportMemoryFloorBytes = 256ull << 20;
inline constexpr std::uint64_t kImportMemoryPerFileByte = 16;
// Time: libmdb reads a good file at tens of megabytes a second on a slow machine; allow 2 MiB a second
// after a floor for starting the process, so that a damaged file of 10 MB ends within 10 seconds.
inline constexpr double kImportTimeFloorSeconds = 3.0;
inline constexpr double kImportSecondsPerMebibyte = 0.5;
// A build under AddressSanitizer runs slower and keeps shadow memory beside every allocation.
inline constexpr int kImportSanitizerAllowance = 4;

// What importing one Jet file may cost, from the bytes it holds. The importer stops with the message that the
// file is damaged as soon as one of them is exceeded.
struct ImportBudget {
    std::uint64_t fileBytes = 0;    // the bytes they are derived from
    std::uint64_t rows = 0;         // rows of one table, and of all tables together
    std::uint64_t outputBytes = 0;  // bytes of values copied
    std::uint64_t memoryBytes = 0;  // the importer's address space, or what it keeps resident
    int seconds = 0;                // wall-clock time of the importer's process
};

ImportBudget importBudget(std::uint64_t fileBytes);

// The bytes of the pages that hold the database: the header, the catalogue and every page a table owns (its
// definition, data and long-value pages, indexes, usage maps). Pages of nothing (the zeros or the bytes that
// padding adds) do not count, so that padding a damaged file does not buy it more time or memory. A file
// whose pages are encrypted, or that is no Jet file, counts whole.
std::uint64_t heldBytes(const std::string& path);

// The budget of the file at `path`.
ImportBudget importBudgetOf(const std::string& path);

}  // namespace jet
