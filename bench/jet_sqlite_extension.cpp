// The engine's collation and functions as an extension of the sqlite3 shell, so that the shell can run the
// statements the engine translates, on the same data, for the benchmarks' side-by-side figures.
#include <sqlite3.h>

#include <exception>

#include "sqlite_setup.h"

extern "C" int sqlite3_extension_init(sqlite3* db, char** error, const void*) {
    try {
        jet::registerJetSqlite(db);
        return SQLITE_OK;
    } catch (const std::exception& e) {
        *error = sqlite3_mprintf("%s", e.what());
        return SQLITE_ERROR;
    }
}
