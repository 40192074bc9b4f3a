#include "mdb_import.h"

// Debian's mdbtools.h opens an extern "C" block around glib; glib must be seen first, from C++.
#include <glib.h>
#include <mdbtools.h>
#include <sqlite3.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "error.h"
#include "sql_text.h"
#include "stored_date.h"
#include "stored_number.h"
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

// The tables are only declared here, never sorted or compared: the engine's collation is registered where
// the copy is opened, and this process need not load ICU for a name.
int unusedCollation(void*, int, const void*, int, const void*) { return 0; }

std::string quoted(const std::string& name) { return "'" + name + "'"; }

Error damagedTable(const std::string& table, const std::string& why) {
    return Error("a tabela " + quoted(table) + " está danificada: " + why);
}

// libmdb reports what it cannot make sense of on standard error (and dumps bytes on standard output) and
// carries on with whatever it read. While a file is read, both go to a file in memory, so that each warning
// is seen and stops the import; the size of that file is capped when the process starts (see
// tools/importar). The copy is written to standard output only after.
class WarningTrap {
public:
    WarningTrap() {
        std::fflush(stdout);
        std::fflush(stderr);
        trap_ = memfd_create("libmdb-warnings", MFD_CLOEXEC);
        savedOut_ = dup(1);
        savedErr_ = dup(2);
        if (trap_ < 0 || savedOut_ < 0 || savedErr_ < 0 || dup2(trap_, 1) < 0 || dup2(trap_, 2) < 0)
            throw Error("não foi possível preparar a leitura dos avisos");
    }
    ~WarningTrap() {
        std::fflush(stdout);
        std::fflush(stderr);
        dup2(savedOut_, 1);
        dup2(savedErr_, 2);
        close(savedOut_);
        close(savedErr_);
        close(trap_);
    }
    WarningTrap(const WarningTrap&) = delete;
    WarningTrap& operator=(const WarningTrap&) = delete;

    // What libmdb wrote since the last call, one warning a line, at most a few lines.
    std::string take() {
        std::fflush(stdout);
        std::fflush(stderr);
        off_t end = lseek(trap_, 0, SEEK_END);
        if (end <= seen_) return {};
        std::string text(static_cast<std::size_t>(std::min<off_t>(end - seen_, 2000)), '\0');
        ssize_t n = pread(trap_, text.data(), text.size(), seen_);
        seen_ = end;
        text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
        while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
        std::replace(text.begin(), text.end(), '\n', ';');
        return text.empty() ? "(aviso vazio)" : text;
    }

private:
    int trap_ = -1, savedOut_ = -1, savedErr_ = -1;
    off_t seen_ = 0;
};

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

// Numbers of a fixed size are read from their stored bytes: exact, and without libmdb's detour through text
// (its Currency text comes from a slow long multiplication). Decimal numbers still take libmdb's text.
std::optional<StoredNumberKind> storedNumberKind(int type) {
    switch (type) {
    case MDB_BYTE: return StoredNumberKind::Byte;
    case MDB_INT: return StoredNumberKind::Integer;
    case MDB_LONGINT: return StoredNumberKind::Long;
    case MDB_MONEY: return StoredNumberKind::Currency;
    case MDB_FLOAT: return StoredNumberKind::Single;
    case MDB_DOUBLE: return StoredNumberKind::Double;
    default: return std::nullopt;
    }
}

struct Column {
    int number;  // 1-based, as libmdb binds
    Store store;
    MdbColumn* col;
    std::optional<StoredNumberKind> stored;
    std::vector<char> buffer;
    int length = 0;
};

// Everything one import has spent so far, against its budget.
struct Spending {
    const ImportBudget& budget;
    std::uint64_t fileBytes;
    std::uint64_t pages;
    std::uint64_t rows = 0, outputBytes = 0;

    void addOutput(const std::string& table, std::uint64_t bytes) {
        outputBytes += bytes;
        if (outputBytes > budget.outputBytes)
            throw damagedTable(table, "os dados lidos passam de " + std::to_string(budget.outputBytes >> 20) +
                                          " MB, mais do que um arquivo de " + std::to_string(fileBytes) +
                                          " bytes pode conter");
    }
};

// Jet's long values (memo text) live in rows of "LVAL" pages, chained when they span pages. libmdb follows
// the chain without checking where it leads: a zeroed page reads back as an empty text, a chain that loops
// never ends. The chain is walked here first, at most once through the file's pages. Returns the stored
// length, which the text may take up to three times in UTF-8.
std::uint64_t checkedMemoLength(MdbHandle* mdb, const Column& c, const std::string& table, const Spending& spent) {
    const auto damaged = [&](const std::string& why) {
        return damagedTable(table, "o texto longo da coluna " + quoted(c.col->name) + " " + why);
    };
    if (c.col->cur_value_len < MDB_MEMO_OVERHEAD) throw damaged("tem um cabeçalho incompleto");
    const unsigned long header = static_cast<unsigned long>(mdb_get_int32(mdb->pg_buf, c.col->cur_value_start));
    if (header & 0x80000000UL) return static_cast<std::uint64_t>(c.col->cur_value_len - MDB_MEMO_OVERHEAD);  // in the row
    const std::uint64_t length = header & 0x00ffffffUL;
    if (length > spent.fileBytes) throw damaged("declara mais bytes do que o arquivo tem");
    const bool onePage = header & 0x40000000UL;
    if (!onePage && (header & 0xff000000UL) != 0) throw damaged("tem um tipo desconhecido");
    int pgRow = static_cast<int>(mdb_get_int32(mdb->pg_buf, c.col->cur_value_start + 4));
    std::uint64_t found = 0;
    for (std::uint64_t step = 0; step <= spent.pages; ++step) {
        void* buf = nullptr;
        int start = 0;
        size_t len = 0;
        if (mdb_find_pg_row(mdb, pgRow, &buf, &start, &len) != 0) throw damaged("aponta para fora das suas páginas");
        const auto* page = static_cast<const unsigned char*>(buf);
        if (page[0] != MDB_PAGE_DATA || std::memcmp(page + 4, "LVAL", 4) != 0)
            throw damaged("aponta para uma página que não é de textos longos");
        if (onePage) {
            if (len < length) throw damaged("é mais curto do que declara");
            return length;
        }
        if (len < 4) break;
        found += len - 4;
        if (found >= length) return length;
        pgRow = static_cast<int>(mdb_get_int32(buf, start));
        if (pgRow == 0) break;
    }
    throw damaged("não está inteiro nas suas páginas");
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

void copyTable(MdbHandle* mdb, MdbCatalogEntry* entry, Sqlite& out, WarningTrap& warnings, Spending& spent) {
    const std::string name = entry->object_name;
    std::unique_ptr<MdbTableDef, void (*)(MdbTableDef*)> table(mdb_read_table(entry), mdb_free_tabledef);
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

    std::vector<Column> cols;
    std::string create = "CREATE TABLE " + quoteName(name) + " (";
    for (unsigned i = 0; i < table->num_cols; ++i) {
        auto* c = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        Store s = storeOf(c->col_type);
        if (s == Store::Skip) continue;
        create += (cols.empty() ? "" : ", ") + quoteName(c->name) + " " + declaredType(s);
        cols.push_back({static_cast<int>(i) + 1, s, c, storedNumberKind(c->col_type), {}, 0});
    }
    if (cols.empty()) return;  // only pictures and binary data: nothing to copy
    try {
        out.exec(create + ")");
    } catch (const Error& e) {
        throw damagedTable(name, e.what());
    }

    // Memo columns are not bound: libmdb would cut them at the bind size. Their text is read whole after
    // each fetch instead. Dates are not bound either: libmdb cannot print those before 1900 or after 2100,
    // so the stored value is decoded here, as are the numbers of a fixed size.
    for (Column& c : cols) {
        if (c.store == Store::Memo || c.store == Store::Date || c.stored) continue;
        c.buffer.assign(mdb->bind_size, '\0');
        mdb_bind_column(table.get(), c.number, c.buffer.data(), &c.length);
    }

    std::string insert = "INSERT INTO " + quoteName(name) + " VALUES (";
    for (std::size_t i = 0; i < cols.size(); ++i) insert += i ? ", ?" : "?";
    Statement st;
    if (sqlite3_prepare_v2(out.db, (insert + ")").c_str(), -1, &st.st, nullptr) != SQLITE_OK)
        throw Error("falha ao copiar a tabela " + quoted(name) + " (" + sqlite3_errmsg(out.db) + ")");

    const std::size_t bindSize = mdb->bind_size;
    std::uint64_t rows = 0;
    mdb_rewind_table(table.get());
    while (mdb_fetch_row(table.get())) {
        if (++rows > declared)
            throw damagedTable(name, "tem mais registros do que os " + std::to_string(declared) + " que a sua definição declara");
        if (++spent.rows > spent.budget.rows)
            throw damagedTable(name, "o arquivo devolveu mais registros do que um arquivo de " +
                                         std::to_string(spent.fileBytes) + " bytes pode conter");
        if (rows % 256 == 0)
            if (std::string w = warnings.take(); !w.empty()) throw damagedTable(name, "a leitura dos seus registros deu avisos\n" + w);
        std::uint64_t rowBytes = 0;
        for (std::size_t i = 0; i < cols.size(); ++i) {
            Column& c = cols[i];
            const int p = static_cast<int>(i) + 1;
            if (c.store == Store::Memo) {
                // Through the bind interface an empty text and a Null look the same (length 0); both are
                // taken as Null here, as for the other text columns.
                if (c.col->cur_value_len == 0) { sqlite3_bind_null(st.st, p); continue; }
                const std::uint64_t stored = checkedMemoLength(mdb, c, name, spent);
                mdb_set_bind_size(mdb, std::max<std::size_t>(bindSize, stored * 3 + 16));
                char* text = mdb_col_to_string(mdb, mdb->pg_buf, c.col->cur_value_start, MDB_MEMO, c.col->cur_value_len);
                mdb_set_bind_size(mdb, bindSize);
                rowBytes += text ? std::strlen(text) : 0;
                sqlite3_bind_text(st.st, p, text ? text : "", -1, SQLITE_TRANSIENT);
                g_free(text);
                continue;
            }
            if (c.stored) {
                if (c.col->cur_value_len == 0) { sqlite3_bind_null(st.st, p); continue; }
                const auto* page = static_cast<const unsigned char*>(static_cast<const void*>(mdb->pg_buf));
                const std::optional<StoredNumber> n =
                    storedNumber(*c.stored, page + c.col->cur_value_start, static_cast<std::size_t>(c.col->cur_value_len));
                if (!n)
                    throw damagedTable(name, "a coluna " + quoted(c.col->name) + " tem um número de " +
                                                 std::to_string(c.col->cur_value_len) + " bytes, que o seu tipo não admite");
                if (const auto* whole = std::get_if<std::int64_t>(&*n)) sqlite3_bind_int64(st.st, p, *whole);
                else sqlite3_bind_double(st.st, p, std::get<double>(*n));
                rowBytes += 8;
                continue;
            }
            if (c.store == Store::Date) {
                if (c.col->cur_value_len == 0) { sqlite3_bind_null(st.st, p); continue; }
                std::optional<std::string> text;
                if (c.col->cur_value_len == 8) text = storedDateText(mdb_get_double(mdb->pg_buf, c.col->cur_value_start));
                if (!text)
                    throw damagedTable(name, "a coluna " + quoted(c.col->name) + " tem uma data fora dos anos 100 a 9999");
                rowBytes += text->size();
                sqlite3_bind_text(st.st, p, text->data(), static_cast<int>(text->size()), SQLITE_TRANSIENT);
                continue;
            }
            const char* v = c.buffer.data();
            if (c.store == Store::Boolean) {  // never Null in Jet; libmdb writes "1" or "0"
                sqlite3_bind_int(st.st, p, v[0] == '1' ? -1 : 0);
                rowBytes += 1;
                continue;
            }
            if (c.length == 0) { sqlite3_bind_null(st.st, p); continue; }
            if (c.store == Store::Real) {  // a Decimal, in libmdb's text
                sqlite3_bind_double(st.st, p, std::strtod(v, nullptr));
                rowBytes += 8;
            } else {
                sqlite3_bind_text(st.st, p, v, c.length, SQLITE_TRANSIENT);
                rowBytes += static_cast<std::uint64_t>(c.length);
            }
        }
        spent.addOutput(name, rowBytes);
        if (sqlite3_step(st.st) != SQLITE_DONE)
            throw Error("falha ao copiar a tabela " + quoted(name) + " (" + sqlite3_errmsg(out.db) + ")");
        sqlite3_reset(st.st);
    }
    if (std::string w = warnings.take(); !w.empty()) throw damagedTable(name, "a leitura dos seus registros deu avisos\n" + w);
    if (rows != declared)
        throw damagedTable(name, "a sua definição declara " + std::to_string(declared) + " registros e só " +
                                     std::to_string(rows) + " puderam ser lidos");
}

// A statement's name and a table's name are the same name when they differ only in case, as in Jet.
std::string folded(const std::string& name) {
    gchar* f = g_utf8_casefold(name.c_str(), -1);
    std::string s = f ? f : name;
    g_free(f);
    return s;
}

bool chosen(const TableChoice& tables, const std::vector<std::string>& foldedNames, const char* name) {
    return tables.all || std::find(foldedNames.begin(), foldedNames.end(), folded(name)) != foldedNames.end();
}

}  // namespace

std::string importWithLibmdb(const std::string& path, const TableChoice& tables, const ImportBudget& budget) {
    WarningTrap warnings;
    Handle h{mdb_open(path.c_str(), MDB_NOFLAGS)};
    if (!h.mdb) throw Error("o arquivo não é um banco de dados do Access legível");
    mdb_set_date_fmt(h.mdb, "%Y-%m-%d %H:%M:%S");
    mdb_set_shortdate_fmt(h.mdb, "%Y-%m-%d");
    mdb_set_boolean_fmt_numbers(h.mdb);
    if (!mdb_read_catalog(h.mdb, MDB_TABLE)) throw Error("o catálogo de tabelas do arquivo não pôde ser lido");
    if (std::string w = warnings.take(); !w.empty())
        throw Error("o arquivo está danificado: a leitura do catálogo de tabelas deu avisos\n" + w);

    std::vector<std::string> wanted;
    for (const std::string& n : tables.names) wanted.push_back(folded(n));

    Sqlite out;
    if (sqlite3_open_v2(":memory:", &out.db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
        throw Error("memória insuficiente");
    sqlite3_create_collation(out.db, "JET", SQLITE_UTF8, nullptr, unusedCollation);
    out.exec("BEGIN");
    // Written even when no table is chosen, so that the copy is never empty: an importer that writes
    // nothing has failed.
    out.exec("PRAGMA user_version = 1");
    Spending spent{budget, budget.fileBytes, budget.fileBytes / static_cast<std::uint64_t>(h.mdb->fmt->pg_size)};
    for (unsigned i = 0; i < h.mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(h.mdb->catalog, i));
        if (entry->object_type != MDB_TABLE || mdb_is_system_table(entry)) continue;
        if (!chosen(tables, wanted, entry->object_name)) continue;
        copyTable(h.mdb, entry, out, warnings, spent);
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
