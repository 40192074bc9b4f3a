#pragma once
#include <string>
#include <vector>

#include "import_budget.h"

namespace jet {

// Which tables to copy: every user table, or those whose names appear among `names` (names as a statement
// writes them; compared ignoring case).
struct TableChoice {
    bool all = true;
    std::vector<std::string> names;
};

// Reads the chosen user tables of a Jet/ACE file with libmdb into a new SQLite database and returns it
// serialised. Throws jet::Error when the file is damaged: a table whose rows read back do not match the
// count its definition declares, a long value that points outside its pages, a warning from libmdb, or a
// budget exceeded. Runs in the importer's own process (see import_process.h): libmdb trusts the file, and
// the process's standard error is taken for libmdb's warnings while it reads.
std::string importWithLibmdb(const std::string& path, const TableChoice& tables, const ImportBudget& budget);

}  // namespace jet
