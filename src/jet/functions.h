#pragma once
// The one list of what Jet SQL can call: the functions and operators a statement may use, with the SQLite
// function each becomes. The translator reads it to check names and argument counts, the SQLite set-up to
// register the implementations, the statement guard to let only these functions run.
#include <span>
#include <string_view>

struct sqlite3_context;
struct sqlite3_value;

namespace jet {

using SqlFunction = void (*)(sqlite3_context*, int, sqlite3_value**);
using SqlFinal = void (*)(sqlite3_context*);

inline constexpr int kAnyCount = -1;

struct JetFunction {
    const char* jet;  // the name in Jet SQL in lower case, or the operator ("&", "mod")
    const char* sql;  // the SQLite function it becomes; nullptr where the translator writes it out itself
    int minArgs, maxArgs;
    SqlFunction scalar = nullptr;                  // registered under `sql` when set
    SqlFunction step = nullptr;                    // an aggregate's step and final, registered when set
    SqlFinal final = nullptr;
    bool deterministic = true;                     // Now() is not
    bool aggregate = false;
};

std::span<const JetFunction> jetFunctions();
// Nullptr when Jet has no such function or operator.
const JetFunction* findJetFunction(std::string_view jet);
// Whether a statement may call the SQLite function `sql` (ours, or one of SQLite's the translator writes).
bool allowedSqlFunction(std::string_view sql);

}  // namespace jet
