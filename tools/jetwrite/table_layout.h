#pragma once
#include <vector>

#include "format.h"

namespace jetwrite {

// Where each column of a table sits in its rows: fixed-size values at an offset after the column count,
// the others in the row's list of variable-length values.
struct ColumnPlace {
    int number = 0;
    bool fixed = false;
    int fixedOffset = 0;  // fixed columns
    int varIndex = 0;     // variable-length columns
    int declaredLength = 0;  // the column's length in the table definition
};

struct TableLayout {
    std::vector<ColumnPlace> places;
    int fixedSize = 0;
    int varCount = 0;
};

TableLayout layoutOf(const Format& f, const Table& t);

int typeCode(Type t);

}  // namespace jetwrite
