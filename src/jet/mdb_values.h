#pragma once
#include <sqlite3.h>

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "mdb_columns.h"
#include "mdb_damage.h"
#include "stored_text.h"

// Decoding a row's values from their stored bytes (or libmdb's text) and binding them for the copy.
namespace jet {

// Texts of a Jet 3 file in a code page other than Windows-1252 keep libmdb's conversion, in which a byte
// without a character becomes '?'.
std::optional<StoredTextForm> textFormOf(MdbHandle* mdb);

// Binds a number of a fixed size; false when its length is not its type's.
[[gnu::always_inline]] inline bool bindStoredNumber(StoredNumberKind kind, std::span<const unsigned char> v, sqlite3_stmt* st, int p) {
    const std::optional<StoredNumber> n = storedNumber(kind, v.data(), v.size());
    if (!n) return false;
    if (const auto* whole = std::get_if<std::int64_t>(&*n)) sqlite3_bind_int64(st, p, *whole);
    else sqlite3_bind_double(st, p, std::get<double>(*n));
    return true;
}

// What decoding a table's rows needs beside the row: the text form of the file, and room reused row after row.
struct RowDecoding {
    std::optional<StoredTextForm> textForm;
    std::string decoded, memo;
};

// Binds the values of the row libmdb has just fetched to the statement's parameters, in the order of
// `cols`; returns the bytes they add to the copy. Throws jet::Error on a value its type does not admit.
std::uint64_t bindRow(MdbHandle* mdb, const std::vector<Column>& cols, RowDecoding& decoding, sqlite3_stmt* st,
                      const std::string& name, const Spending& spent);

}  // namespace jet
