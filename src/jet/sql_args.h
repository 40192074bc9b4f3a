#pragma once
// What the engine's SQLite functions share: reading arguments the way Jet converts them, and answering.
#include <sqlite3.h>

#include <cstdint>
#include <string>

#include "engine_limits.h"
#include "error.h"
#include "value.h"

namespace jet {


inline bool isNull(sqlite3_value* v) { return sqlite3_value_type(v) == SQLITE_NULL; }

// The text form of a value as Jet writes it (numbers with at most 15 significant digits).
std::string argText(sqlite3_value* v);

Value argValue(sqlite3_value* v);

// A number argument: `isInt` tells whether it is whole. Texts that read as numbers count, as Jet converts
// "12" to 12 in arithmetic, and a date counts as its serial number; any other text is a type mismatch.
struct Num {
    bool isInt;
    std::int64_t i;
    double d;
    double value() const { return isInt ? static_cast<double>(i) : d; }
};
bool argNumber(sqlite3_value* v, Num& out);
bool valueNumber(const Value& v, Num& out);

// The argument rounded to a whole number (halves to even); false after setting the error.
bool argInt(sqlite3_context* ctx, sqlite3_value* v, std::int64_t& out);
// The argument as a real number; false after setting the error (Null included, as `kInvalidNull`).
bool argReal(sqlite3_context* ctx, sqlite3_value* v, double& out);

inline constexpr const char* kTextTooLong = "Texto longo demais na expressão: o resultado passaria de 16 MB.";

void resultText(sqlite3_context* ctx, const std::string& s);
// The message goes out behind `kEngineMessageMark`, so that it reaches the user as written, where SQLite's own
// messages are translated.
void resultError(sqlite3_context* ctx, const char* message);
// A whole double within the exact range as an integer, so that Round(2.5) is 2 and not 2.0.
void resultNumber(sqlite3_context* ctx, double v, bool wasInt);

}  // namespace jet
