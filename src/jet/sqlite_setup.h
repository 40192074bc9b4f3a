#pragma once

struct sqlite3;

namespace jet {

// Name of the collation that compares texts as Jet does: case ignored, accents not, accented letters next
// to their base letter. Text columns are declared with it.
inline constexpr const char* kCollation = "JET";

// Registers the collation and the functions that translated statements call. Every SQLite handle that holds
// or reads survey data needs it, the importer and the sample generator included.
void registerJetSqlite(sqlite3* db);

}  // namespace jet
