#pragma once
#include <string>

namespace jet {

// Reads every user table of a Jet/ACE file with libmdb into a new SQLite database and returns it serialised.
// Throws jet::Error. Runs in the importer's own process (see import_process.h): libmdb trusts the file.
std::string importWithLibmdb(const std::string& path);

}  // namespace jet
