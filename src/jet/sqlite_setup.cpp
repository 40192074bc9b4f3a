#include "sqlite_setup.h"

#include <sqlite3.h>

#include <string>

#include "engine_limits.h"
#include "error.h"
#include "functions.h"
#include "text.h"

namespace jet {
namespace {

int collate(void* rules, int na, const void* a, int nb, const void* b) {
    return static_cast<TextRules*>(rules)->compare(std::string_view(static_cast<const char*>(a), na),
                                                   std::string_view(static_cast<const char*>(b), nb));
}

void destroyRules(void* rules) { delete static_cast<TextRules*>(rules); }

}  // namespace

void registerJetSqlite(sqlite3* db) {
    sqlite3_hard_heap_limit64(kMaxSqliteHeapBytes);  // the same bound for every handle: setting it again is harmless
    // What a statement sorts stays in memory too, under that bound, instead of spilling gigabytes to disk.
    sqlite3_exec(db, "PRAGMA temp_store = MEMORY", nullptr, nullptr, nullptr);
    // A double-quoted name that matches no column must be an error, not silently a text: translated
    // statements quote every name that way.
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    auto* rules = new TextRules();
    if (sqlite3_create_collation_v2(db, kCollation, SQLITE_UTF8, rules, collate, destroyRules) != SQLITE_OK) {
        delete rules;
        throw Error(std::string("Não foi possível registrar a comparação de textos: ") + sqlite3_errmsg(db));
    }
    // The functions get the collation's rules (StrComp compares as "=" does); both live as long as the handle.
    for (const JetFunction& f : jetFunctions()) {
        if (!f.scalar && !f.step) continue;
        const int flags = SQLITE_UTF8 | (f.deterministic ? SQLITE_DETERMINISTIC : 0);
        const int argc = f.minArgs == f.maxArgs ? f.minArgs : -1;
        if (sqlite3_create_function_v2(db, f.sql, argc, flags, rules, f.scalar, f.step, f.final, nullptr) != SQLITE_OK)
            throw Error(std::string("Não foi possível registrar a função ") + f.sql + ": " + sqlite3_errmsg(db));
    }
}

}  // namespace jet
