#pragma once
#include "quelva_limits.h"
#include <string>

namespace jet {

// Imports a Jet/ACE file by running the importer beside the program in a child process with a time limit,
// and returns the SQLite database it wrote, as bytes. A file that makes libmdb crash, hang or run wild
// ends in jet::Error naming the file, never in the end of the program.
std::string importJetFile(const std::string& path);

// The same with a given importer program and time limit (tests put stand-ins for a crash or a hang here).
std::string runImporter(const std::string& importer, const std::string& path, int seconds);

// Name of the importer program, which sits in the folder of the running executable.
inline constexpr const char* kImporterName = "quelva-importar";

}  // namespace jet
