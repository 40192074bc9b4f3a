#pragma once
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace sample {

// A table as it will be written: column names and types, and its rows in order.
enum class ColumnType {
    Integer,  // INTEGER
    Text,     // TEXT COLLATE JET
    Boolean,  // BOOLEAN holding -1 (True) or 0 (False), as Jet stores yes/no fields
    Memo,     // TEXT COLLATE JET; a Memo in the Jet forms, as the survey keeps its long texts
};

struct Column {
    std::string name;
    ColumnType type = ColumnType::Text;
    bool key = false;  // the table's primary key (the area code of a survey table)
};

using Field = std::variant<std::monostate, std::int64_t, std::string>;  // Null, whole number, text
using Row = std::vector<Field>;

struct Table {
    std::string name;
    std::vector<Column> columns;
    std::vector<Row> rows;
};

inline Field jetBoolean(bool b) { return std::int64_t{b ? -1 : 0}; }

}  // namespace sample
