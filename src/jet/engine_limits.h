#pragma once
// Every bound the engine puts on a statement, its result and the files it reads, in one place: what may grow
// with its input (depth, printed SQL, texts, rows, a data file's size) stops here with a message.
#include <cstddef>

namespace jet {

// Deeper nesting than this is no statement a person writes; refusing it keeps the recursion bounded. It bounds
// the tree as well as the parser: a chain "1 + 1 + ... + 1" is read in a loop but is a tree as deep as it is
// long, and every later walk of the tree recurses once per level.
inline constexpr int kMaxDepth = 200;

// The longest SQL a statement may become: many times the longest statement Jet itself takes (64,000
// characters), and still small enough for SQLite to read in a moment.
inline constexpr std::size_t kMaxStatementBytes = std::size_t{1} << 20;
// All the text printed on the way there, the parts of every level counted each time they are copied into the
// level above: a statement whose parts repeat (Between prints its bounds twice) stops at this much work.
inline constexpr std::size_t kMaxPrintedBytes = std::size_t{8} << 20;

// The longest text an expression may build. Every function that makes a text answers through `resultText`,
// which refuses a longer one; those that multiply their input (Space, String, Replace) check before building.
inline constexpr std::size_t kMaxTextBytes = std::size_t{16} << 20;

// The most a result may hold in memory (its texts and their cells); a statement beyond it stops with a
// message long before the machine's memory runs out.
inline constexpr std::size_t kMaxResultBytes = std::size_t{256} << 20;

// The most SQLite may hold at once in the whole program (every open file's tables, and what a statement
// sorts or groups): a statement that would need more stops with "Memória insuficiente" rather than the
// machine's memory running out.
inline constexpr long long kMaxSqliteHeapBytes = 1LL << 30;

// The most memory SQLite may take for one statement beyond what it held before (the rows a sort or a
// grouping holds, the tables it builds): as much as a result may hold.
inline constexpr long long kMaxStatementMemoryBytes = static_cast<long long>(kMaxResultBytes);

// The longest a statement may run before it is stopped with a message: far beyond any statement the program
// runs, it bounds one whose every row does megabytes of work.
inline constexpr int kMaxStatementSeconds = 30;

// The largest data file in SQLite form the engine loads into memory, as a Jet file's import is bounded too.
inline constexpr std::size_t kMaxSqliteFileBytes = std::size_t{1} << 30;

}  // namespace jet
