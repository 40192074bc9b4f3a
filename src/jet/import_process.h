#pragma once
#include <sys/types.h>

#include <chrono>
#include <string>

#include "import_budget.h"
#include "mdb_import.h"

namespace jet {

// The importer running in a child process on one Jet/ACE file. It starts at once, so that the caller can
// prepare its side while the file is read; collect() waits for the SQLite database it writes and returns
// it as bytes. A file that makes libmdb crash, loop or run wild ends in jet::Error naming the file, never in
// the end of the program; the child's time and memory are bounded by a budget derived from the file's size
// (import_budget.h). An importer never collected is stopped when this object goes.
class ImporterChild {
public:
    // The importer beside the program, with the budget of the file's size.
    ImporterChild(const std::string& path, const TableChoice& tables);
    // A given importer program and budget (tests put stand-ins for a crash or a hang here).
    ImporterChild(const std::string& importer, const std::string& path, const TableChoice& tables,
                  const ImportBudget& budget);
    ~ImporterChild();
    ImporterChild(const ImporterChild&) = delete;
    ImporterChild& operator=(const ImporterChild&) = delete;

    std::string collect();

private:
    std::string path_;
    ImportBudget budget_;
    std::chrono::steady_clock::time_point started_;
    pid_t pid_ = -1;
    int out_ = -1, err_ = -1;
};

// Name of the importer program, which sits in the folder of the running executable.
inline constexpr const char* kImporterName = "quelva-import";

}  // namespace jet
