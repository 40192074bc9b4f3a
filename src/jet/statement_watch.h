#pragma once
// The backstops behind the bounds on texts and results while SQLite runs one statement: a time limit, and a
// limit on the memory the statement itself takes (a sort or a grouping holds every row before the first is
// returned, so the bound on a result's rows comes too late for it).
#include <chrono>

struct sqlite3;

namespace jet {

class StatementWatch {
public:
    // Watches `db` from now until the watch goes.
    explicit StatementWatch(sqlite3* db);
    ~StatementWatch();
    StatementWatch(const StatementWatch&) = delete;
    StatementWatch& operator=(const StatementWatch&) = delete;

    // Whether the statement was interrupted for the memory it took; SQLite tells the time limit as
    // "interrupted".
    bool tookTooMuchMemory() const { return overMemory_; }

private:
    static int check(void* watch);

    sqlite3* db_;
    std::chrono::steady_clock::time_point deadline_;
    long long memoryAtStart_;
    bool overMemory_ = false;
};

}  // namespace jet
