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
#include <optional>
#include <span>
#include <vector>

#include "error.h"
#include "sql_text.h"
#include "left_out.h"
#include "stored_calculated.h"
#include "stored_date.h"
#include "stored_number.h"
#include "stored_text.h"
#include "value.h"

namespace jet {
namespace {

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
// tools/import). The copy is written to standard output only after.
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
    case kLargeNumber: return StoredNumberKind::LargeNumber;
    case MDB_MONEY: return StoredNumberKind::Currency;
    case MDB_FLOAT: return StoredNumberKind::Single;
    case MDB_DOUBLE: return StoredNumberKind::Double;
    default: return std::nullopt;
    }
}

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
// never ends. The chain is walked here, at most once through the file's pages, and its stored bytes are
// gathered into `out`.
void checkedMemoBytes(MdbHandle* mdb, const Column& c, const std::string& table, const Spending& spent, std::string& out) {
    const auto damaged = [&](const std::string& why) {
        return damagedTable(table, "o texto longo da coluna " + quoted(c.col->name) + " " + why);
    };
    out.clear();
    if (c.col->cur_value_len < MDB_MEMO_OVERHEAD) throw damaged("tem um cabeçalho incompleto");
    const unsigned long header = static_cast<unsigned long>(mdb_get_int32(mdb->pg_buf, c.col->cur_value_start));
    if (header & 0x80000000UL) {  // in the row
        out.assign(reinterpret_cast<const char*>(mdb->pg_buf) + c.col->cur_value_start + MDB_MEMO_OVERHEAD,
                   static_cast<std::size_t>(c.col->cur_value_len - MDB_MEMO_OVERHEAD));
        return;
    }
    const std::uint64_t length = header & 0x00ffffffUL;
    if (length > spent.fileBytes) throw damaged("declara mais bytes do que o arquivo tem");
    const bool onePage = header & 0x40000000UL;
    if (!onePage && (header & 0xff000000UL) != 0) throw damaged("tem um tipo desconhecido");
    int pgRow = static_cast<int>(mdb_get_int32(mdb->pg_buf, c.col->cur_value_start + 4));
    const std::size_t pageSize = static_cast<std::size_t>(mdb->fmt->pg_size);
    for (std::uint64_t step = 0; step <= spent.pages; ++step) {
        void* buf = nullptr;
        int start = 0;
        size_t len = 0;
        if (mdb_find_pg_row(mdb, pgRow, &buf, &start, &len) != 0) throw damaged("aponta para fora das suas páginas");
        const auto* page = static_cast<const unsigned char*>(buf);
        if (page[0] != MDB_PAGE_DATA || std::memcmp(page + 4, "LVAL", 4) != 0)
            throw damaged("aponta para uma página que não é de textos longos");
        const std::size_t at = static_cast<std::size_t>(start) & 0x1fff;
        if (at + len > pageSize || len > pageSize) throw damaged("aponta para fora da sua página");
        const char* row = reinterpret_cast<const char*>(page) + at;
        if (onePage) {
            if (len < length) throw damaged("é mais curto do que declara");
            out.assign(row, static_cast<std::size_t>(length));
            return;
        }
        if (len < 4) break;
        out.append(row + 4, len - 4);
        if (out.size() >= length) {
            out.resize(static_cast<std::size_t>(length));
            return;
        }
        pgRow = static_cast<int>(mdb_get_int32(buf, static_cast<int>(at)));
        if (pgRow == 0) break;
    }
    throw damaged("não está inteiro nas suas páginas");
}

// Texts of a Jet 3 file in a code page other than Windows-1252 keep libmdb's conversion, in which a byte
// without a character becomes '?'.
std::optional<StoredTextForm> textFormOf(MdbHandle* mdb) {
    if (mdb->f->jet_version != MDB_VER_JET3) return StoredTextForm::Utf16;
    if (mdb->f->code_page == 1252 || mdb->f->code_page == 0) return StoredTextForm::Windows1252;
    return std::nullopt;
}

void appendText(MdbHandle* mdb, std::optional<StoredTextForm> form, std::span<const unsigned char> v, std::string& out) {
    if (form) {
        appendStoredText(*form, v.data(), v.size(), out);
        return;
    }
    std::vector<char> converted(v.size() * 4 + 16);
    const int n = mdb_unicode2ascii(mdb, reinterpret_cast<const char*>(v.data()), v.size(), converted.data(), converted.size());
    out.append(converted.data(), static_cast<std::size_t>(std::max(n, 0)));
}

// Binds a number of a fixed size; false when its length is not its type's.
[[gnu::always_inline]] inline bool bindStoredNumber(StoredNumberKind kind, std::span<const unsigned char> v, sqlite3_stmt* st, int p) {
    const std::optional<StoredNumber> n = storedNumber(kind, v.data(), v.size());
    if (!n) return false;
    if (const auto* whole = std::get_if<std::int64_t>(&*n)) sqlite3_bind_int64(st, p, *whole);
    else sqlite3_bind_double(st, p, std::get<double>(*n));
    return true;
}

// Whether a column's value is decoded by bindStoredValue; dates keep their own line, Decimal numbers and
// Yes/No values libmdb's text.
bool fromStoredBytes(const Column& c) {
    if (c.calculated) return true;
    return c.reading != Reading::LibmdbText && c.reading != Reading::Date && c.reading != Reading::Boolean;
}

// Binds a value taken from its stored bytes (a calculated column's result, after its header) to parameter
// `p`; returns the bytes it adds to the copy.
std::uint64_t bindStoredValue(MdbHandle* mdb, const Column& c, std::span<const unsigned char> v,
                              std::optional<StoredTextForm> textForm, std::string& text, sqlite3_stmt* st, int p,
                              const std::string& table) {
    const auto bindText = [&](const std::string& t) {
        sqlite3_bind_text(st, p, t.data(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
        return static_cast<std::uint64_t>(t.size());
    };
    const auto wrongSize = [&] {
        return damagedTable(table, "a coluna " + quoted(c.col->name) + (c.reading == Reading::Number ? " tem um número de " : " tem um valor de ") +
                                       std::to_string(v.size()) + " bytes, que o seu tipo não admite");
    };
    if (c.calculated && v.empty()) {  // an expression without a result
        sqlite3_bind_null(st, p);
        return 0;
    }
    switch (c.reading) {
    case Reading::Text:
    case Reading::Memo:
        text.clear();
        appendText(mdb, textForm, v, text);
        return bindText(text);
    case Reading::Guid: {
        const std::optional<std::string> guid = storedGuidText(v.data(), v.size());
        if (!guid) throw wrongSize();
        return bindText(*guid);
    }
    case Reading::Number:
        if (!bindStoredNumber(*c.stored, v, st, p)) throw wrongSize();
        return 8;
    case Reading::Date: {
        if (v.size() != 8) throw wrongSize();
        const std::optional<std::string> date = storedDateText(mdb_get_double(const_cast<unsigned char*>(v.data()), 0));
        if (!date) throw damagedTable(table, "a coluna " + quoted(c.col->name) + " tem uma data fora dos anos 100 a 9999");
        return bindText(*date);
    }
    case Reading::Boolean:
        sqlite3_bind_int(st, p, v[0] != 0 ? -1 : 0);
        return 1;
    case Reading::CalculatedDecimal: {
        const std::optional<double> d = calculatedDecimal(v);
        if (!d) throw wrongSize();
        sqlite3_bind_double(st, p, *d);
        return 8;
    }
    case Reading::LibmdbText:
        break;
    }
    return 0;
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

void copyTable(MdbHandle* mdb, MdbCatalogEntry* entry, Sqlite& out, WarningTrap& warnings, Spending& spent,
               std::vector<LeftOutColumn>& leftOut) {
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
    if (cols.empty()) return;  // only pictures and binary data: nothing to copy
    try {
        out.exec(create + ")");
    } catch (const Error& e) {
        throw damagedTable(name, e.what());
    }

    // Only Decimal numbers and Yes/No values are bound, and taken from libmdb's text; every other value is
    // decoded here from its stored bytes. Memo texts would be cut at the bind size, dates before 1900 or
    // after 2100 printed wrong, and libmdb's texts lose the characters outside the Basic Multilingual Plane.
    for (Column& c : cols) {
        if (c.reading != Reading::LibmdbText && (c.reading != Reading::Boolean || c.calculated)) continue;
        c.buffer.assign(mdb->bind_size, '\0');
        mdb_bind_column(table.get(), c.number, c.buffer.data(), &c.length);
    }
    const std::optional<StoredTextForm> textForm = textFormOf(mdb);
    std::string decoded, memo;

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
        std::uint64_t rowBytes = 0;
        const auto* page = static_cast<const unsigned char*>(static_cast<const void*>(mdb->pg_buf));
        for (std::size_t i = 0; i < cols.size(); ++i) {
            Column& c = cols[i];
            const int p = static_cast<int>(i) + 1;
            if (c.col->cur_value_len > 0 && c.stored && !c.calculated) {  // the commonest value first, directly
                std::span<const unsigned char> v(page + c.col->cur_value_start, static_cast<std::size_t>(c.col->cur_value_len));
                if (!bindStoredNumber(*c.stored, v, st.st, p))
                    throw damagedTable(name, "a coluna " + quoted(c.col->name) + " tem um número de " +
                                                 std::to_string(v.size()) + " bytes, que o seu tipo não admite");
                rowBytes += 8;
                continue;
            }
            if (fromStoredBytes(c)) {
                if (c.col->cur_value_len == 0) { sqlite3_bind_null(st.st, p); continue; }
                std::span<const unsigned char> v(page + c.col->cur_value_start, static_cast<std::size_t>(c.col->cur_value_len));
                if (c.reading == Reading::Memo) {
                    checkedMemoBytes(mdb, c, name, spent, memo);
                    v = std::span<const unsigned char>(reinterpret_cast<const unsigned char*>(memo.data()), memo.size());
                }
                if (c.calculated) {
                    const auto result = calculatedResult(v);
                    if (!result)
                        throw damagedTable(name, "a coluna calculada " + quoted(c.col->name) + " tem um resultado guardado incompleto");
                    v = *result;
                }
                rowBytes += bindStoredValue(mdb, c, v, textForm, decoded, st.st, p, name);
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
            sqlite3_bind_double(st.st, p, std::strtod(v, nullptr));  // a Decimal, in libmdb's text
            rowBytes += 8;
        }
        spent.addOutput(name, rowBytes);
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
    // An Access 2007 or later file with a password is encrypted page by page with a key that only the password
    // gives, which libmdb does not do. A Jet 3 or Jet 4 file keeps its database password in its header alone
    // (or encodes its pages with a key it carries): libmdb reads those whatever the password.
    if (h.mdb->f->jet_version >= MDB_VER_ACCDB_2007 && h.mdb->f->db_key != 0)
        throw Error("o arquivo está criptografado com uma senha, e o Quelva não lê arquivos criptografados; abra-o "
                    "no Access com a senha e retire-a (Arquivo > Informações > Descriptografar Banco de Dados)");
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
    std::vector<LeftOutColumn> leftOut;
    Spending spent{budget, budget.fileBytes, budget.fileBytes / static_cast<std::uint64_t>(h.mdb->fmt->pg_size)};
    for (unsigned i = 0; i < h.mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(h.mdb->catalog, i));
        if (entry->object_type != MDB_TABLE || mdb_is_system_table(entry)) continue;
        if (!chosen(tables, wanted, entry->object_name)) continue;
        copyTable(h.mdb, entry, out, warnings, spent, leftOut);
    }
    writeLeftOut(out, leftOut);
    out.exec("COMMIT");

    sqlite3_int64 size = 0;
    unsigned char* bytes = sqlite3_serialize(out.db, "main", &size, 0);
    if (!bytes) throw Error("memória insuficiente");
    std::string result(reinterpret_cast<char*>(bytes), static_cast<std::size_t>(size));
    sqlite3_free(bytes);
    return result;
}

}  // namespace jet
