#include "mdb_columns.h"

#include <cstdlib>
#include <cstring>

#include "sql_text.h"

namespace jet {
namespace {

// Types libmdb 1.0 has no name for.
constexpr int kLargeNumber = 0x13;
constexpr int kExtendedDate = 0x14;

std::optional<Kind> kindOf(int type) {
    switch (type) {
    case MDB_BOOL: return Kind{Reading::Boolean, Store::Boolean};
    case MDB_BYTE: case MDB_INT: case MDB_LONGINT: case kLargeNumber: return Kind{Reading::Number, Store::Integer};
    case MDB_MONEY: case MDB_FLOAT: case MDB_DOUBLE: return Kind{Reading::Number, Store::Real};
    case MDB_NUMERIC: return Kind{Reading::LibmdbText, Store::Real};
    case MDB_DATETIME: return Kind{Reading::Date, Store::Date};
    case MDB_TEXT: return Kind{Reading::Text, Store::Text};
    case MDB_MEMO: return Kind{Reading::Memo, Store::Text};
    case MDB_REPID: return Kind{Reading::Guid, Store::Text};
    default: return std::nullopt;
    }
}

// The name Access gives a type that is left out, for the message of a statement that names such a column.
std::string leftOutTypeName(int type) {
    switch (type) {
    case MDB_OLE: return "Objeto OLE";
    case MDB_BINARY: return "Binário";
    case MDB_COMPLEX: return "complexo (Anexo, Valores múltiplos ou Histórico de versões)";
    case kExtendedDate: return "Data/Hora estendida";
    default: return "desconhecido (código " + std::to_string(type) + ")";
    }
}

const char* declaredType(Store s) {
    switch (s) {
    case Store::Integer: return "INTEGER";
    case Store::Real: return "REAL";
    case Store::Boolean: return "BOOLEAN";
    case Store::Date: return "DATETIME";
    default: return "TEXT COLLATE JET";
    }
}

// Numbers of a fixed size are read from their stored bytes: exact, and without libmdb's detour through text
// (its Currency text comes from a slow long multiplication). Decimal numbers still take libmdb's text.
std::optional<StoredNumberKind> storedNumberKind(int type) {
    switch (type) {
    case MDB_BYTE: return StoredNumberKind::Byte;
    case MDB_INT: return StoredNumberKind::Integer;
    case MDB_LONGINT: return StoredNumberKind::Long;
    case kLargeNumber: return StoredNumberKind::LargeNumber;
    case MDB_MONEY: return StoredNumberKind::Currency;
    case MDB_FLOAT: return StoredNumberKind::Single;
    case MDB_DOUBLE: return StoredNumberKind::Double;
    default: return std::nullopt;
    }
}

// A calculated column (Access 2010 and later) says so in the properties the catalogue keeps for it: its
// expression, and the Jet type of its result, which decides how the result is stored (the type in the
// table's definition may differ). The Kind of that result, or nothing when Quelva does not read it.
std::optional<Kind> calculatedKindOf(int resultType) {
    switch (resultType) {
    case MDB_BOOL: return Kind{Reading::Boolean, Store::Boolean};
    case MDB_NUMERIC: return Kind{Reading::CalculatedDecimal, Store::Real};
    default: {
        std::optional<Kind> k = kindOf(resultType);
        if (k && k->reading == Reading::LibmdbText) return std::nullopt;
        return k;
    }
    }
}

bool isCalculated(const MdbHandle* mdb, const MdbColumn* c) {
    return mdb->f->jet_version >= MDB_VER_ACCDB_2010 && mdb_col_get_prop(c, "Expression") != nullptr;
}

int calculatedResultType(const MdbColumn* c) {
    const char* t = mdb_col_get_prop(c, "ResultType");
    return t ? std::atoi(t) : 0;
}

}  // namespace

TableColumns readColumns(MdbHandle* mdb, MdbTableDef* table, const std::string& name, std::vector<LeftOutColumn>& leftOut) {
    TableColumns t;
    std::vector<Column>& cols = t.columns;
    std::string& create = t.create;
    create = "CREATE TABLE " + quoteName(name) + " (";
    for (unsigned i = 0; i < table->num_cols; ++i) {
        auto* c = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        const bool calculated = isCalculated(mdb, c);
        std::optional<Kind> k = calculated ? calculatedKindOf(calculatedResultType(c)) : kindOf(c->col_type);
        // libmdb gives a Yes/No column only its null bit, where a calculated one keeps its result.
        if (calculated && c->col_type == MDB_BOOL) k.reset();
        if (!k) {
            leftOut.push_back({name, c->name, calculated ? "calculado, de resultado " + leftOutTypeName(calculatedResultType(c))
                                                         : leftOutTypeName(c->col_type)});
            continue;
        }
        create += (cols.empty() ? "" : ", ") + quoteName(c->name) + " " + declaredType(k->store);
        const int numberType = calculated ? calculatedResultType(c) : c->col_type;
        cols.push_back({static_cast<int>(i) + 1, k->store, k->reading, c,
                        k->reading == Reading::Number ? storedNumberKind(numberType) : std::nullopt, calculated, {}, 0});
    }
    create += ")";
    return t;
}

// The catalogue keeps the properties of each column under the column's name. A definition page that now
// holds another table's definition (pages swapped or overwritten) reads as that table, rows and all, unless
// the two are compared: the names the catalogue lists that the definition lacks, or nothing.
std::string columnsMissingFromDefinition(MdbCatalogEntry* entry, MdbTableDef* table) {
    std::string missing;
    if (!entry->props) return missing;
    for (unsigned k = 0; k < entry->props->len; ++k) {
        auto* p = static_cast<MdbProperties*>(g_ptr_array_index(entry->props, k));
        if (!p || !p->name) continue;  // the table's own properties
        bool found = false;
        for (unsigned i = 0; i < table->num_cols && !found; ++i)
            found = std::strcmp(static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i))->name, p->name) == 0;
        if (!found) missing += (missing.empty() ? "'" : ", '") + std::string(p->name) + "'";
    }
    return missing;
}

}  // namespace jet
