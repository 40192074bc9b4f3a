#include "statement_watch.h"

#include <sqlite3.h>

#include "engine_limits.h"

namespace jet {

namespace {

// Often enough that a sort of rows megabytes long is stopped within a few hundred of them, seldom enough to
// cost nothing measurable: the check reads a clock and a counter.
constexpr int kInstructionsBetweenChecks = 100;

}  // namespace

StatementWatch::StatementWatch(sqlite3* db)
    : db_(db), deadline_(std::chrono::steady_clock::now() + std::chrono::seconds(kMaxStatementSeconds)),
      memoryAtStart_(sqlite3_memory_used()) {
    sqlite3_progress_handler(db_, kInstructionsBetweenChecks, &StatementWatch::check, this);
}

StatementWatch::~StatementWatch() { sqlite3_progress_handler(db_, 0, nullptr, nullptr); }

int StatementWatch::check(void* watch) {
    auto* w = static_cast<StatementWatch*>(watch);
    w->overMemory_ = sqlite3_memory_used() - w->memoryAtStart_ > kMaxStatementMemoryBytes;
    return w->overMemory_ || std::chrono::steady_clock::now() > w->deadline_ ? 1 : 0;
}

}  // namespace jet
