#pragma once
#include <optional>
#include <string>
#include <vector>

#include "left_out.h"
#include "mdb_libmdb.h"
#include "stored_number.h"

// Reading a table's definition: what each Jet column becomes in the copy, and how its values are read.
namespace jet {

enum class Store { Integer, Real, Text, Boolean, Date };

// How a column's value is taken from the row: from its stored bytes, except Decimal numbers (libmdb's text)
// and Yes/No (libmdb's "1" or "0", the value being the row's null bit).
enum class Reading { LibmdbText, Boolean, Number, Date, Text, Memo, Guid, CalculatedDecimal };

// Types libmdb 1.0 has no name for.
constexpr int kLargeNumber = 0x13;
constexpr int kExtendedDate = 0x14;

// What a column of one Jet type becomes; nothing for the types Quelva leaves out.
struct Kind {
    Reading reading;
    Store store;
};

struct Column {
    int number;  // 1-based, as libmdb binds
    Store store;
    Reading reading;
    MdbColumn* col;
    std::optional<StoredNumberKind> stored;
    bool calculated = false;  // its value is the last result of an expression, after a header
    std::vector<char> buffer;
    int length = 0;
};

// A table's columns that the copy keeps, and the statement that declares them.
struct TableColumns {
    std::vector<Column> columns;
    std::string create;
};

// The columns of `table` (named `name`) that Quelva reads; those it leaves out are added to `leftOut`.
TableColumns readColumns(MdbHandle* mdb, MdbTableDef* table, const std::string& name, std::vector<LeftOutColumn>& leftOut);

// The catalogue keeps the properties of each column under the column's name. A definition page that now
// holds another table's definition (pages swapped or overwritten) reads as that table, rows and all, unless
// the two are compared: the names the catalogue lists that the definition lacks, or nothing.
std::string columnsMissingFromDefinition(MdbCatalogEntry* entry, MdbTableDef* table);

}  // namespace jet
