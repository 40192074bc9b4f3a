#include "connection.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <utility>

#include "database.h"
#include "engine_limits.h"
#include "functions.h"
#include "error.h"
#include "import_process.h"
#include "lexer.h"
#include "recordset_data.h"
#include "sql_text.h"
#include "statement_watch.h"
#include "sqlite_setup.h"
#include "text.h"
#include "translate.h"

namespace jet {
namespace {

enum class FileKind { Sqlite, Jet, Other };

FileKind kindOf(const unsigned char* head, std::size_t n) {
    if (n >= 16 && std::memcmp(head, "SQLite format 3\0", 16) == 0) return FileKind::Sqlite;
    if (n >= 19 && (std::memcmp(head + 4, "Standard Jet DB", 15) == 0 || std::memcmp(head + 4, "Standard ACE DB", 15) == 0))
        return FileKind::Jet;
    return FileKind::Other;
}

struct Fd {
    int fd;
    ~Fd() { if (fd >= 0) ::close(fd); }
};

// Bytes in SQLite's own allocation, which sqlite3_deserialize takes over: a file is read straight into it.
struct SqliteBytes {
    unsigned char* data = nullptr;
    std::size_t size = 0;

    SqliteBytes(std::size_t n, const std::string& path)
        : data(static_cast<unsigned char*>(sqlite3_malloc64(n ? n : 1))), size(n) {
        if (!data) throw Error("Memória insuficiente para abrir o arquivo " + quotedPath(path) + ".");
    }
    SqliteBytes(SqliteBytes&& o) noexcept : data(std::exchange(o.data, nullptr)), size(o.size) {}
    SqliteBytes(const SqliteBytes&) = delete;
    SqliteBytes& operator=(const SqliteBytes&) = delete;
    ~SqliteBytes() { sqlite3_free(data); }
    unsigned char* release() { return std::exchange(data, nullptr); }
};

// Reads the whole file; only ever opened for reading.
SqliteBytes readAll(int fd, std::size_t size, const std::string& path) {
    SqliteBytes bytes(size, path);
    std::size_t got = 0;
    while (got < size) {
        ssize_t n = ::read(fd, bytes.data + got, size - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw Error("Não foi possível ler o arquivo " + quotedPath(path) + ": " + std::strerror(errno) + ".");
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    bytes.size = got;
    return bytes;
}

SqliteBytes copied(const std::string& s, const std::string& path) {
    SqliteBytes bytes(s.size(), path);
    std::memcpy(bytes.data, s.data(), s.size());
    return bytes;
}

bool listed(const std::vector<std::string>& names, const char* name) {
    return name && std::find(names.begin(), names.end(), name) != names.end();
}

// What a statement may reach: the file's own tables and the functions of the engine's list. SQLite's schema
// tables, its table-valued functions (pragma_..., json_each), row numbers and other functions stay out of
// reach, whatever the file's own tables are called.
int guard(void* database, int action, const char* a, const char* b, const char*, const char*) {
    const auto& d = *static_cast<const Database*>(database);
    switch (action) {
    case SQLITE_SELECT: return SQLITE_OK;
    case SQLITE_READ:
        // SQLite names a table's hidden row number "ROWID" here; Jet has no such column.
        if (!listed(d.tables, a)) return SQLITE_DENY;
        return b && std::strcmp(b, "ROWID") == 0 && !listed(d.tablesWithRowidColumn, a) ? SQLITE_DENY : SQLITE_OK;
    case SQLITE_FUNCTION: return b && allowedSqlFunction(b) ? SQLITE_OK : SQLITE_DENY;
    default: return SQLITE_DENY;
    }
}

std::vector<std::string> firstColumnOf(sqlite3* db, const std::string& sql) {
    std::vector<std::string> out;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) == SQLITE_OK)
        while (sqlite3_step(st) == SQLITE_ROW) {
            const auto* t = sqlite3_column_text(st, 0);
            out.emplace_back(t ? reinterpret_cast<const char*>(t) : "");
        }
    sqlite3_finalize(st);
    return out;
}

// A file in SQLite form is data only: anything that would run SQL of the file's own when it is read (a view,
// a trigger, a virtual table, a generated column) is refused, so that it cannot reach what the guard keeps out
// of a statement's reach nor run functions outside the engine's list.
void refuseCode(const Database& d) {
    struct Probe {
        const char* sql;
        const char* before;  // the message, around what the query found
        const char* after;
    };
    static constexpr Probe kProbes[] = {
        {"SELECT type || ' ' || name FROM sqlite_schema WHERE type IN ('view', 'trigger') OR "
         "(type = 'table' AND upper(substr(ltrim(sql), 1, 14)) = 'CREATE VIRTUAL') LIMIT 1",
         " contém código SQL próprio (", "), que o Quelva não executa"},
        {"SELECT t.name || '.' || c.name FROM sqlite_schema AS t, pragma_table_xinfo(t.name) AS c "
         "WHERE t.type = 'table' AND c.hidden IN (2, 3) LIMIT 1",
         " contém a coluna calculada ", ", cuja expressão o Quelva não executa"},
    };
    for (const Probe& p : kProbes) {
        const std::vector<std::string> found = firstColumnOf(d.db, p.sql);
        if (!found.empty())
            throw Error("O arquivo " + quotedPath(d.path) + p.before + found.front() + p.after +
                        ": só tabelas de dados são aceitas.");
    }
}

void learnTables(Database& d) {
    for (std::string& t : firstColumnOf(d.db, "SELECT name FROM sqlite_schema WHERE type = 'table'"))
        if (t != kLeftOutTable && t.rfind("sqlite_", 0) != 0) d.tables.push_back(std::move(t));
    for (const std::string& t : d.tables) {
        d.spellings.emplace(foldName(t), t);
        for (const std::string& c : firstColumnOf(d.db, "SELECT name FROM pragma_table_info(" + quoteText(t) + ")")) {
            d.spellings.emplace(foldName(c), c);
            if (c == "ROWID") d.tablesWithRowidColumn.push_back(t);
        }
    }
}

enum class Origin { Disk, Importer };

// An empty database with the engine's collation and functions, for the file's tables to be loaded into.
std::shared_ptr<Database> preparedDatabase(const std::string& path) {
    auto d = std::make_shared<Database>();
    d->path = path;
    if (sqlite3_open_v2(":memory:", &d->db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
        throw Error("Memória insuficiente para abrir o arquivo " + quotedPath(path) + ".");
    registerJetSqlite(d->db);
    return d;
}

std::shared_ptr<Database> loaded(std::shared_ptr<Database> d, SqliteBytes bytes, Origin origin) {
    const std::string& path = d->path;
    const auto size = static_cast<sqlite3_int64>(bytes.size);
    int rc = sqlite3_deserialize(d->db, "main", bytes.release(), size, size,
                                 SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_READONLY);
    if (rc != SQLITE_OK) throw Error("O arquivo " + quotedPath(path) + " não pôde ser carregado: " + sqlite3_errmsg(d->db) + ".");
    // A damaged page is found now, with a message that names the file, rather than in the middle of some
    // later statement. What the importer wrote was serialised by SQLite a moment ago and is not read again.
    std::string verdict = "ok";
    if (origin == Origin::Disk) {
        refuseCode(*d);
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(d->db, "PRAGMA quick_check(1)", -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW) {
            const auto* t = sqlite3_column_text(st, 0);
            verdict = t ? reinterpret_cast<const char*>(t) : "";
        } else {
            verdict = sqlite3_errmsg(d->db);
        }
        sqlite3_finalize(st);
    }
    if (verdict != "ok") throw Error("O arquivo " + quotedPath(path) + " está danificado: " + verdict + ".");
    if (origin == Origin::Importer) d->leftOut = readLeftOutColumns(d->db);
    learnTables(*d);
    sqlite3_exec(d->db, "PRAGMA query_only = 1", nullptr, nullptr, nullptr);
    sqlite3_set_authorizer(d->db, guard, d.get());
    return d;
}

Value cellValue(sqlite3_stmt* st, int i, bool boolean) {
    switch (sqlite3_column_type(st, i)) {
    case SQLITE_NULL: return Value();
    case SQLITE_INTEGER:
        return boolean ? Value::boolean(sqlite3_column_int64(st, i) != 0) : Value::integer(sqlite3_column_int64(st, i));
    case SQLITE_FLOAT:
        return boolean ? Value::boolean(sqlite3_column_double(st, i) != 0) : Value::real(sqlite3_column_double(st, i));
    default: {
        const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
        return Value::text(t ? std::string(t, static_cast<std::size_t>(sqlite3_column_bytes(st, i))) : std::string());
    }
    }
}

bool declaredBoolean(const char* decl) {
    if (!decl) return false;
    std::string d = decl;
    for (char& c : d) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return d == "BOOLEAN" || d == "BIT" || d == "YESNO";
}

// The tables a statement may read: every name it holds (keywords and column names too, which match no
// table or cost one table more). A statement that cannot be split into tokens fails on its own, on no table.
TableChoice tablesNamedIn(const std::string& jetSql) {
    TableChoice t;
    t.all = false;
    try {
        for (const Token& tok : tokenize(jetSql))
            if (tok.type == TokenType::Name && std::find(t.names.begin(), t.names.end(), tok.text) == t.names.end())
                t.names.push_back(tok.text);
    } catch (const Error&) {
        t.names.clear();
    }
    return t;
}

}  // namespace

Connection Connection::open(const std::string& path) { return open(path, TableChoice{}); }

Connection Connection::openForStatement(const std::string& path, const std::string& jetSql) {
    return open(path, tablesNamedIn(jetSql));
}

Connection Connection::open(const std::string& path, const TableChoice& tables) {
    struct stat sb;
    if (::stat(path.c_str(), &sb) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) throw Error("O arquivo " + quotedPath(path) + " não foi encontrado.");
        throw Error("Não foi possível abrir o arquivo " + quotedPath(path) + ": " + std::strerror(errno) + ".");
    }
    if (S_ISDIR(sb.st_mode)) throw Error(quotedPath(path) + " é uma pasta, não um arquivo de dados.");
    if (!S_ISREG(sb.st_mode)) throw Error(quotedPath(path) + " não é um arquivo comum.");
    Fd f{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    if (f.fd < 0) throw Error("Não foi possível abrir o arquivo " + quotedPath(path) + ": " + std::strerror(errno) + ".");
    if (sb.st_size == 0) throw Error("O arquivo " + quotedPath(path) + " está vazio.");

    unsigned char head[32] = {};
    ssize_t n = ::pread(f.fd, head, sizeof head, 0);
    if (n < 0) throw Error("Não foi possível ler o arquivo " + quotedPath(path) + ": " + std::strerror(errno) + ".");
    switch (kindOf(head, static_cast<std::size_t>(n))) {
    case FileKind::Sqlite:
        // A Jet file's import is bounded by a budget; a file already in SQLite form is read whole into memory.
        if (static_cast<std::uint64_t>(sb.st_size) > kMaxSqliteFileBytes)
            throw Error("O arquivo " + quotedPath(path) + " tem " + std::to_string(sb.st_size) +
                        " bytes, mais do que o mecanismo de dados carrega na memória (" +
                        std::to_string(kMaxSqliteFileBytes >> 20) + " MB).");
        return Connection(loaded(preparedDatabase(path), readAll(f.fd, static_cast<std::size_t>(sb.st_size), path), Origin::Disk));
    case FileKind::Jet: {
        // The database is prepared while the importer reads the file.
        ImporterChild importer(path, tables);
        std::shared_ptr<Database> d = preparedDatabase(path);
        return Connection(loaded(std::move(d), copied(importer.collect(), path), Origin::Importer));
    }
    case FileKind::Other:
        break;
    }
    throw Error("O arquivo " + quotedPath(path) + " não é um banco de dados do Access reconhecível.");
}

const std::string& Connection::path() const {
    if (!db_) throw Error("Operação inválida: a conexão está fechada.");
    return db_->path;
}

void Connection::close() { db_.reset(); }


namespace {

// Whether `column` names a column of the sources, asked of SQLite itself.
ColumnProbe probeFor(sqlite3* db) {
    return [db](const std::string& from, const std::string& column) {
        sqlite3_stmt* st = nullptr;
        const std::string sql = "SELECT " + quoteName(column) + " FROM " + from;
        const bool ok = sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) == SQLITE_OK ||
                        std::string(sqlite3_errmsg(db)).rfind("no such column", 0) != 0;
        sqlite3_finalize(st);
        return ok;
    };
}

// SQLite's message about a statement, for the user; a column the import left out is named as such.
std::string errorOf(const Database& db, const std::string& sqliteMessage, const std::string& jetSql) {
    if (auto m = leftOutMessage(db.leftOut, sqliteMessage, tablesNamedIn(jetSql).names)) return inStatement(*m, jetSql, db.path);
    return statementError(sqliteMessage, jetSql, db.path);
}

// Rows tie under the Order By when every key compares equal as Jet compares (texts by the collation).
bool tied(const std::vector<Value>& a, const std::vector<Value>& b, const TextRules& rules) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].isNull() || b[i].isNull()) {
            if (a[i].isNull() != b[i].isNull()) return false;
        } else if (a[i].kind() == Value::Kind::Text || b[i].kind() == Value::Kind::Text) {
            if (a[i].kind() != b[i].kind() || rules.compare(a[i].toText(), b[i].toText()) != 0) return false;
        } else if (a[i].toDouble() != b[i].toDouble()) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string Connection::translate(const std::string& jetSql) const {
    return translateSelect(jetSql, db_ ? probeFor(db_->db) : ColumnProbe(), db_ ? &db_->spellings : nullptr).sql;
}

Recordset Connection::openRecordset(const std::string& jetSql) const {
    if (!db_) throw Error("Operação inválida: a conexão está fechada.");
    try {
        return run(jetSql);
    } catch (const std::bad_alloc&) {
        throw Error(inStatement(kOutOfMemory, jetSql, db_->path));
    }
}

Recordset Connection::run(const std::string& jetSql) const {
    Translation t;
    try {
        t = translateSelect(jetSql, probeFor(db_->db), &db_->spellings);
    } catch (const Error& e) {
        throw Error(inStatement(e.what(), jetSql, db_->path));
    }
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db_->db, t.sql.c_str(), static_cast<int>(t.sql.size()), &st, nullptr) != SQLITE_OK) {
        std::string m = sqlite3_errmsg(db_->db);
        sqlite3_finalize(st);
        throw Error(errorOf(*db_, m, jetSql));
    }
    auto d = std::make_shared<RecordsetData>();
    d->database = db_;
    d->statement = jetSql;
    const int cols = sqlite3_column_count(st) - t.hiddenKeys;
    std::vector<bool> boolean(static_cast<std::size_t>(cols));
    for (int i = 0; i < cols; ++i) {
        d->names.emplace_back(sqlite3_column_name(st, i));
        d->foldedNames.push_back(foldName(d->names.back()));
        boolean[i] = declaredBoolean(sqlite3_column_decltype(st, i));
    }
    // Top n keeps the rows tied with the n-th under the Order By; Top n Percent needs every row counted first.
    const bool percent = t.top >= 0 && t.percent;
    const long long wanted = t.top >= 0 && !percent ? static_cast<long long>(t.top) : -1;
    std::vector<std::vector<Value>> keys;
    std::vector<Value> last;
    std::size_t bytes = 0;
    int rc;
    // A statement whose every row costs megabytes of work, or whose sort holds them all, is stopped.
    const StatementWatch watch(db_->db);
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        if (t.hiddenKeys) {
            last.clear();
            for (int i = cols; i < cols + t.hiddenKeys; ++i) last.push_back(cellValue(st, i, false));
            if (wanted >= 0 && d->rows >= wanted && (wanted == 0 || !tied(last, keys.back(), db_->textRules()))) {
                rc = SQLITE_DONE;
                break;
            }
            if (percent || d->rows + 1 == wanted) keys.push_back(last);
        } else if (wanted >= 0 && d->rows >= wanted) {
            rc = SQLITE_DONE;
            break;
        }
        for (int i = 0; i < cols; ++i) {
            bytes += sizeof(Value) + (sqlite3_column_type(st, i) == SQLITE_TEXT ? static_cast<std::size_t>(sqlite3_column_bytes(st, i)) : 0);
            if (bytes > kMaxResultBytes) {
                sqlite3_finalize(st);
                throw Error(inStatement("O resultado da consulta passaria de " + std::to_string(kMaxResultBytes >> 20) +
                                        " MB de memória: restrinja os registros ou os campos pedidos.", jetSql, db_->path));
            }
            d->cells.push_back(cellValue(st, i, boolean[i]));
        }
        ++d->rows;
    }
    if (rc != SQLITE_DONE) {
        std::string m = sqlite3_errmsg(db_->db);
        sqlite3_finalize(st);
        if (watch.tookTooMuchMemory()) throw Error(inStatement(kOutOfMemory, jetSql, db_->path));
        throw Error(errorOf(*db_, m, jetSql));  // never a partial result
    }
    sqlite3_finalize(st);
    if (percent) {
        auto keep = static_cast<int>(std::ceil(d->rows * t.top / 100 - 1e-9));
        while (t.hiddenKeys && keep > 0 && keep < d->rows && tied(keys[keep], keys[keep - 1], db_->textRules())) ++keep;
        if (keep < d->rows) {
            d->rows = keep;
            d->cells.shrink(static_cast<std::size_t>(keep) * static_cast<std::size_t>(cols));
        }
    }
    return Recordset(d);
}

}  // namespace jet
