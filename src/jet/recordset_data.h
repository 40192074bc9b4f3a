#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "cell_store.h"
#include "database.h"
#include "value.h"

namespace jet {

// Look-ups of one column by value: the first row holding each value, built on the first find on that
// column so that repeated finds do not rescan the rows.
struct ColumnIndex {
    std::unordered_map<std::string, int> texts;  // by collation key
    std::unordered_map<std::int64_t, int> wholes;  // whole numbers, exactly: beyond 2^53 no double tells them apart
    std::unordered_map<double, int> numbers;       // the others
    bool hasTexts = false, hasNumbers = false;
};

// The rows of one statement, shared by every copy of its recordset and never changed after they are read;
// what else it holds is look-up caches. Each recordset keeps its own current row.
struct RecordsetData {
    std::shared_ptr<Database> database;
    std::string statement;
    std::vector<std::string> names;
    std::vector<std::string> foldedNames;  // for look-up in any case
    CellStore cells;  // row after row
    int rows = 0;
    bool open = true;
    std::unordered_map<int, ColumnIndex> indexes;
    std::string scratchTable;  // where the rows were copied for finds that need SQL; empty until then
    std::string scratchKey;    // that table's row number, named apart from every field
    int lastField = -1;        // the last field looked up by name, a cheap cache for loops over one field
    std::string lastFieldName;

    ~RecordsetData();
    int columns() const { return static_cast<int>(names.size()); }
    const Value& cell(int row, int col) const { return cells[static_cast<std::size_t>(row) * names.size() + col]; }
    int columnOf(const std::string& name);  // -1 when absent
};

// The first row satisfying `criterion`, or -1.
int findRow(RecordsetData& d, const std::string& criterion);

}  // namespace jet
