#pragma once
#include <string>

#include "import_budget.h"
#include "mdb_import.h"

namespace jet {

// Imports a Jet/ACE file by running the importer beside the program in a child process, and returns the
// SQLite database it wrote, as bytes. A file that makes libmdb crash, loop or run wild ends in jet::Error
// naming the file, never in the end of the program; the child's time and memory are bounded by a budget
// derived from the file's size (import_budget.h).
std::string importJetFile(const std::string& path, const TableChoice& tables = {});

// The same with a given importer program and budget (tests put stand-ins for a crash or a hang here).
std::string runImporter(const std::string& importer, const std::string& path, const TableChoice& tables,
                        const ImportBudget& budget);

// Name of the importer program, which sits in the folder of the running executable.
inline constexpr const char* kImporterName = "quelva-importar";

}  // namespace jet
