#pragma once
#include <optional>
#include <string>
#include <vector>

struct sqlite3;

namespace jet {

// Columns of a Jet file whose type Quelva does not read (OLE objects, binary data, attachments and other
// complex columns). The importer lists them in the copy, in a table whose name no Jet table can have (Jet
// names hold no period) and which statements cannot reach; `Select *` does not see them, and a statement
// that names one is told why it is not there.
inline constexpr const char* kLeftOutTable = "quelva.left_out_columns";

struct LeftOutColumn {
    std::string table, column, type;  // the type as Access names it
};

// The list the importer wrote; empty when the copy has none.
std::vector<LeftOutColumn> readLeftOutColumns(sqlite3* db);

// The message for SQLite's "no such column: X" or "no such table: X" when X (a column, possibly qualified,
// or a table whose every column is left out) belongs to a table the statement names; nothing otherwise.
std::optional<std::string> leftOutMessage(const std::vector<LeftOutColumn>& leftOut, const std::string& sqliteMessage,
                                          const std::vector<std::string>& namesInStatement);

}  // namespace jet
