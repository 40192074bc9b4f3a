#pragma once
#include <string>
#include <vector>

// Debian's mdbtools as the independent reader of what the Jet writer writes.
namespace mdb_tools {

// The command's standard output. mdbtools read their arguments and write their output in the locale's
// character set: in UTF-8 whatever the locale the tests run under, so that a table named "Umsätze" is found
// under LANG=C too.
std::string run(const std::string& command);

// mdb-export's CSV of one table, dates as "YYYY-MM-DD HH:MM:SS": a row of fields per line, the header first.
std::vector<std::vector<std::string>> exportTable(const std::string& file, const std::string& table);

}  // namespace mdb_tools
