#include "mdb_sqlite_copy.h"

#include <memory>

#include "mdb_columns.h"
#include "mdb_values.h"
#include "sql_text.h"

namespace jet {
namespace {

using TableDef = std::unique_ptr<MdbTableDef, void (*)(MdbTableDef*)>;

// The table's definition, once it agrees with the catalogue and the budget.
TableDef readDefinition(MdbCatalogEntry* entry, WarningTrap& warnings, const Spending& spent) {
    const std::string name = entry->object_name;
    TableDef table(mdb_read_table(entry), mdb_free_tabledef);
    if (!table) throw damagedTable(name, "a sua definição não pôde ser lida");
    if (!mdb_read_columns(table.get())) throw damagedTable(name, "as suas colunas não puderam ser lidas");
    if (table->num_cols == 0) throw damagedTable(name, "a sua definição não tem colunas");
    if (std::string lost = columnsMissingFromDefinition(entry, table.get()); !lost.empty())
        throw damagedTable(name, "o catálogo descreve colunas que a sua definição não tem (" + lost + ")");
    const std::uint64_t declared = table->num_rows;
    if (declared > spent.budget.rows)
        throw damagedTable(name, "a sua definição declara " + std::to_string(declared) +
                                     " registros, mais do que um arquivo de " + std::to_string(spent.fileBytes) +
                                     " bytes pode conter");
    if (std::string w = warnings.take(); !w.empty()) throw damagedTable(name, "a leitura da sua definição deu avisos\n" + w);
    return table;
}

// Only Decimal numbers and Yes/No values are bound, and taken from libmdb's text; every other value is
// decoded here from its stored bytes. Memo texts would be cut at the bind size, dates before 1900 or
// after 2100 printed wrong, and libmdb's texts lose the characters outside the Basic Multilingual Plane.
void bindLibmdbColumns(MdbHandle* mdb, MdbTableDef* table, std::vector<Column>& cols) {
    for (Column& c : cols) {
        if (c.reading != Reading::LibmdbText && (c.reading != Reading::Boolean || c.calculated)) continue;
        c.buffer.assign(mdb->bind_size, '\0');
        mdb_bind_column(table, c.number, c.buffer.data(), &c.length);
    }
}

}  // namespace


void copyTable(MdbHandle* mdb, MdbCatalogEntry* entry, Sqlite& out, WarningTrap& warnings, Spending& spent,
               std::vector<LeftOutColumn>& leftOut) {
    const std::string name = entry->object_name;
    const TableDef table = readDefinition(entry, warnings, spent);
    const std::uint64_t declared = table->num_rows;
    TableColumns t = readColumns(mdb, table.get(), name, leftOut);
    std::vector<Column>& cols = t.columns;
    if (cols.empty()) return;  // only pictures and binary data: nothing to copy
    try {
        out.exec(t.create);
    } catch (const Error& e) {
        throw damagedTable(name, e.what());
    }
    bindLibmdbColumns(mdb, table.get(), cols);
    RowDecoding decoding{textFormOf(mdb), {}, {}};

    std::string insert = "INSERT INTO " + quoteName(name) + " VALUES (";
    for (std::size_t i = 0; i < cols.size(); ++i) insert += i ? ", ?" : "?";
    Statement st;
    if (sqlite3_prepare_v2(out.db, (insert + ")").c_str(), -1, &st.st, nullptr) != SQLITE_OK)
        throw Error("falha ao copiar a tabela " + quoted(name) + " (" + sqlite3_errmsg(out.db) + ")");

    std::uint64_t rows = 0;
    mdb_rewind_table(table.get());
    while (mdb_fetch_row(table.get())) {
        ++rows;
        if (++spent.rows > spent.budget.rows)
            throw damagedTable(name, "o arquivo devolveu mais registros do que um arquivo de " +
                                         std::to_string(spent.fileBytes) + " bytes pode conter");
        if (rows % 256 == 0)
            if (std::string w = warnings.take(); !w.empty()) throw damagedTable(name, "a leitura dos seus registros deu avisos\n" + w);
        spent.addOutput(name, bindRow(mdb, cols, decoding, st.st, name, spent));
        if (sqlite3_step(st.st) != SQLITE_DONE)
            throw Error("falha ao copiar a tabela " + quoted(name) + " (" + sqlite3_errmsg(out.db) + ")");
        sqlite3_reset(st.st);
    }
    if (std::string w = warnings.take(); !w.empty()) throw damagedTable(name, "a leitura dos seus registros deu avisos\n" + w);
    // More rows than declared is no sign of damage: Access leaves the count of a table's definition behind
    // its data pages (calcFieldTestV2010's Table1 declares 3 and holds 4, which Access itself shows). Fewer
    // rows than declared means pages that could not be read.
    if (rows < declared)
        throw damagedTable(name, "a sua definição declara " + std::to_string(declared) + " registros e só " +
                                     std::to_string(rows) + " puderam ser lidos");
}

// The columns left out, for the engine to name them when a statement asks for one (see left_out.h).
void writeLeftOut(Sqlite& out, const std::vector<LeftOutColumn>& leftOut) {
    if (leftOut.empty()) return;
    out.exec("CREATE TABLE " + quoteName(kLeftOutTable) + " (table_name TEXT, column_name TEXT, type_name TEXT)");
    Statement st;
    const std::string sql = "INSERT INTO " + quoteName(kLeftOutTable) + " VALUES (?, ?, ?)";
    if (sqlite3_prepare_v2(out.db, sql.c_str(), -1, &st.st, nullptr) != SQLITE_OK)
        throw Error("falha ao copiar os dados (" + std::string(sqlite3_errmsg(out.db)) + ")");
    for (const LeftOutColumn& c : leftOut) {
        sqlite3_bind_text(st.st, 1, c.table.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st.st, 2, c.column.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st.st, 3, c.type.c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(st.st) != SQLITE_DONE) throw Error("falha ao copiar os dados (" + std::string(sqlite3_errmsg(out.db)) + ")");
        sqlite3_reset(st.st);
    }
}

}  // namespace jet
