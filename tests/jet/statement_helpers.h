#pragma once
// What the engine's tests ask of a statement: the first column of its rows, or the message it stops with.
#include <string>

#include "connection.h"
#include "error.h"

namespace testing_support {

// The first column of every row, joined by commas.
inline std::string firstColumn(jet::Recordset rs) {
    std::string out;
    for (; !rs.eof(); rs.moveNext()) out += (out.empty() ? "" : ",") + rs.field(0).toText();
    return out;
}

// The engine's message for `sql`, or "(no error)".
inline std::string errorOf(const jet::Connection& db, const std::string& sql) {
    try {
        db.openRecordset(sql);
    } catch (const jet::Error& e) {
        return e.what();
    }
    return "(no error)";
}

}  // namespace testing_support
