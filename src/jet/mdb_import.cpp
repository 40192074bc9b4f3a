#include "mdb_import.h"

// Debian's mdbtools.h opens an extern "C" block around glib; glib must be seen first, from C++.
#include <glib.h>
#include <mdbtools.h>
#include <sqlite3.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "error.h"
#include "sql_text.h"
#include "sqlite_setup.h"
#include "value.h"

namespace jet {
namespace {

enum class Store { Integer, Real, Single, Text, Memo, Boolean, Date, Skip };

// What each Jet column type becomes. OLE objects, binary columns and attachments are left out: nothing in
// Quelva reads them and they would only make the copy in memory larger.
Store storeOf(int type) {
    switch (type) {
    case MDB_BOOL: return Store::Boolean;
    case MDB_BYTE: case MDB_INT: case MDB_LONGINT: return Store::Integer;
    case MDB_FLOAT: return Store::Single;
    case MDB_MONEY: case MDB_DOUBLE: case MDB_NUMERIC: return Store::Real;
    case MDB_DATETIME: return Store::Date;
    case MDB_TEXT: case MDB_REPID: return Store::Text;
    case MDB_MEMO: return Store::Memo;
    default: return Store::Skip;
    }
}

const char* declaredType(Store s) {
    switch (s) {
    case Store::Integer: return "INTEGER";
    case Store::Real: case Store::Single: return "REAL";
    case Store::Boolean: return "BOOLEAN";
    case Store::Date: return "DATETIME";
    default: return "TEXT COLLATE JET";
    }
}


struct Handle {
    MdbHandle* mdb;
    ~Handle() { if (mdb) mdb_close(mdb); }
};

struct Sqlite {
    sqlite3* db = nullptr;
    ~Sqlite() { if (db) sqlite3_close_v2(db); }
    void exec(const std::string& sql) {
        char* err = nullptr;
        if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
            std::string m = err ? err : "?";
            sqlite3_free(err);
            throw Error("falha ao copiar os dados (" + m + ")");
        }
    }
};

struct Statement {
    sqlite3_stmt* st = nullptr;
    ~Statement() { sqlite3_finalize(st); }
};

struct Column {
    int number;  // 1-based, as libmdb binds
    Store store;
    MdbColumn* col;
    std::vector<char> buffer;
    int length = 0;
};

void copyTable(MdbHandle* mdb, MdbCatalogEntry* entry, Sqlite& out) {
    std::unique_ptr<MdbTableDef, void (*)(MdbTableDef*)> table(mdb_read_table(entry), mdb_free_tabledef);
    const std::string name = entry->object_name;
    if (!table) throw Error("a tabela '" + name + "' não pôde ser lida");
    if (!mdb_read_columns(table.get())) throw Error("as colunas da tabela '" + name + "' não puderam ser lidas");

    std::vector<Column> cols;
    std::string create = "CREATE TABLE " + quoteName(name) + " (";
    for (unsigned i = 0; i < table->num_cols; ++i) {
        auto* c = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        Store s = storeOf(c->col_type);
        if (s == Store::Skip) continue;
        create += (cols.empty() ? "" : ", ") + quoteName(c->name) + " " + declaredType(s);
        cols.push_back({static_cast<int>(i) + 1, s, c, {}, 0});
    }
    if (cols.empty()) return;
    out.exec(create + ")");

    // Memo columns are not bound: libmdb would cut them at the bind size. Their text is read whole after
    // each fetch instead.
    for (Column& c : cols) {
        if (c.store == Store::Memo) continue;
        c.buffer.assign(mdb->bind_size, '\0');
        mdb_bind_column(table.get(), c.number, c.buffer.data(), &c.length);
    }

    std::string insert = "INSERT INTO " + quoteName(name) + " VALUES (";
    for (std::size_t i = 0; i < cols.size(); ++i) insert += i ? ", ?" : "?";
    Statement st;
    if (sqlite3_prepare_v2(out.db, (insert + ")").c_str(), -1, &st.st, nullptr) != SQLITE_OK)
        throw Error(std::string("falha ao copiar a tabela '") + name + "' (" + sqlite3_errmsg(out.db) + ")");

    mdb_rewind_table(table.get());
    while (mdb_fetch_row(table.get())) {
        for (std::size_t i = 0; i < cols.size(); ++i) {
            Column& c = cols[i];
            const int p = static_cast<int>(i) + 1;
            if (c.store == Store::Memo) {
                // Through the bind interface an empty text and a Null look the same (length 0); both are
                // taken as Null here, as for the other text columns.
                if (c.col->cur_value_len == 0) { sqlite3_bind_null(st.st, p); continue; }
                char* text = mdb_col_to_string(mdb, mdb->pg_buf, c.col->cur_value_start, MDB_MEMO, c.col->cur_value_len);
                sqlite3_bind_text(st.st, p, text ? text : "", -1, SQLITE_TRANSIENT);
                g_free(text);
                continue;
            }
            const char* v = c.buffer.data();
            if (c.store == Store::Boolean) {  // never Null in Jet; libmdb writes "1" or "0"
                sqlite3_bind_int(st.st, p, v[0] == '1' ? -1 : 0);
                continue;
            }
            if (c.length == 0) { sqlite3_bind_null(st.st, p); continue; }
            switch (c.store) {
            case Store::Integer: sqlite3_bind_int64(st.st, p, std::strtoll(v, nullptr, 10)); break;
            case Store::Real: sqlite3_bind_double(st.st, p, std::strtod(v, nullptr)); break;
            case Store::Single: sqlite3_bind_double(st.st, p, toSingle(std::strtod(v, nullptr))); break;  // libmdb prints 8 digits
            default: sqlite3_bind_text(st.st, p, v, c.length, SQLITE_TRANSIENT); break;
            }
        }
        if (sqlite3_step(st.st) != SQLITE_DONE)
            throw Error(std::string("falha ao copiar a tabela '") + name + "' (" + sqlite3_errmsg(out.db) + ")");
        sqlite3_reset(st.st);
    }
}

}  // namespace

std::string importWithLibmdb(const std::string& path) {
    Handle h{mdb_open(path.c_str(), MDB_NOFLAGS)};
    if (!h.mdb) throw Error("o arquivo não é um banco de dados do Access legível");
    mdb_set_date_fmt(h.mdb, "%Y-%m-%d %H:%M:%S");
    mdb_set_shortdate_fmt(h.mdb, "%Y-%m-%d");
    mdb_set_boolean_fmt_numbers(h.mdb);
    if (!mdb_read_catalog(h.mdb, MDB_TABLE)) throw Error("o catálogo de tabelas do arquivo não pôde ser lido");

    Sqlite out;
    if (sqlite3_open_v2(":memory:", &out.db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
        throw Error("memória insuficiente");
    registerJetSqlite(out.db);
    out.exec("BEGIN");
    for (unsigned i = 0; i < h.mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(h.mdb->catalog, i));
        if (entry->object_type != MDB_TABLE || mdb_is_system_table(entry)) continue;
        copyTable(h.mdb, entry, out);
    }
    out.exec("COMMIT");

    sqlite3_int64 size = 0;
    unsigned char* bytes = sqlite3_serialize(out.db, "main", &size, 0);
    if (!bytes) throw Error("memória insuficiente");
    std::string result(reinterpret_cast<char*>(bytes), static_cast<std::size_t>(size));
    sqlite3_free(bytes);
    return result;
}

}  // namespace jet
