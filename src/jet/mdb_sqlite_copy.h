#pragma once
#include <sqlite3.h>

#include <string>
#include <vector>

#include "left_out.h"
#include "mdb_damage.h"
#include "mdb_libmdb.h"
#include "mdb_warnings.h"

// Writing what libmdb reads into the SQLite copy.
namespace jet {

struct Sqlite {
    sqlite3* db = nullptr;
    ~Sqlite() { if (db) sqlite3_close_v2(db); }
    void exec(const std::string& sql) {
        char* err = nullptr;
        if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
            std::string m = err ? err : "?";
            sqlite3_free(err);
            throw Error("falha ao copiar os dados (" + m + ")");
        }
    }
};

struct Statement {
    sqlite3_stmt* st = nullptr;
    ~Statement() { sqlite3_finalize(st); }
};

// Declares the table in the copy and copies every row of it, checking what it reads against its definition
// and the budget. The columns left out are added to `leftOut`.
void copyTable(MdbHandle* mdb, MdbCatalogEntry* entry, Sqlite& out, WarningTrap& warnings, Spending& spent,
               std::vector<LeftOutColumn>& leftOut);

// The columns left out, for the engine to name them when a statement asks for one (see left_out.h).
void writeLeftOut(Sqlite& out, const std::vector<LeftOutColumn>& leftOut);

}  // namespace jet
