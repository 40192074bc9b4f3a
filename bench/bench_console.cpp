// The console answering one statement on one table of nwind.mdb, side by side with mdb-export of that
// table: both run in turn, many times, in this one run. Prints one JSON object per table with the median
// wall-clock times and their ratio. Run by `make bench`, never as a timed test.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// Milliseconds one program takes from its start to its end, its output thrown away; -1 if it failed.
double runMs(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);
    auto start = Clock::now();
    pid_t pid;
    int rc = posix_spawnp(&pid, argv[0], &fa, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&fa);
    if (rc != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ms : -1;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main() {
    const std::string file = std::string(QUELVA_TESTDATA) + "/nwind.mdb";
    const std::string console = std::string(QUELVA_BIN) + "/quelva-sql";
    if (!std::filesystem::exists(file)) {
        std::printf("{\"bench\": \"console_one_table\", \"skipped\": \"no %s\"}\n", file.c_str());
        return 0;
    }
    const int rounds = 31;
    for (const std::string table : {"Orders", "Order Details", "Customers", "Employees"}) {
        std::vector<double> ours, theirs;
        for (int i = 0; i < rounds; ++i) {  // in turn, so that a busy moment of the machine weighs on both
            ours.push_back(runMs({console, file, "select * from [" + table + "]"}));
            theirs.push_back(runMs({"mdb-export", file, table}));
        }
        if (*std::min_element(ours.begin(), ours.end()) < 0 || *std::min_element(theirs.begin(), theirs.end()) < 0) {
            std::printf("{\"bench\": \"console_one_table\", \"table\": \"%s\", \"failed\": true}\n", table.c_str());
            continue;
        }
        const double a = median(ours), b = median(theirs);
        std::printf("{\"bench\": \"console_one_table\", \"table\": \"%s\", \"rounds\": %d, \"quelva_sql_ms\": %.1f, "
                    "\"mdb_export_ms\": %.1f, \"ratio\": %.2f}\n", table.c_str(), rounds, a, b, a / b);
    }
    return 0;
}
