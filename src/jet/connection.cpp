#include "connection.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>

#include "database.h"
#include "error.h"
#include "import_process.h"
#include "lexer.h"
#include "recordset_data.h"
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

// Reads the whole file; only ever opened for reading.
std::string readAll(int fd, std::size_t size, const std::string& path) {
    std::string bytes(size, '\0');
    std::size_t got = 0;
    while (got < size) {
        ssize_t n = ::read(fd, bytes.data() + got, size - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw Error("Não foi possível ler o arquivo " + quotedPath(path) + ": " + std::strerror(errno) + ".");
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return bytes;
}

std::shared_ptr<Database> fromSqliteBytes(const std::string& bytes, const std::string& path) {
    auto d = std::make_shared<Database>();
    d->path = path;
    if (sqlite3_open_v2(":memory:", &d->db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
        throw Error("Memória insuficiente para abrir o arquivo " + quotedPath(path) + ".");
    registerJetSqlite(d->db);
    auto* buf = static_cast<unsigned char*>(sqlite3_malloc64(bytes.size()));
    if (!buf) throw Error("Memória insuficiente para abrir o arquivo " + quotedPath(path) + ".");
    std::memcpy(buf, bytes.data(), bytes.size());
    int rc = sqlite3_deserialize(d->db, "main", buf, static_cast<sqlite3_int64>(bytes.size()),
                                 static_cast<sqlite3_int64>(bytes.size()),
                                 SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_READONLY);
    if (rc != SQLITE_OK) throw Error("O arquivo " + quotedPath(path) + " não pôde ser carregado: " + sqlite3_errmsg(d->db) + ".");
    // A damaged page is found now, with a message that names the file, rather than in the middle of some
    // later statement.
    sqlite3_stmt* st = nullptr;
    std::string verdict;
    if (sqlite3_prepare_v2(d->db, "PRAGMA quick_check(1)", -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW) {
        const auto* t = sqlite3_column_text(st, 0);
        verdict = t ? reinterpret_cast<const char*>(t) : "";
    } else {
        verdict = sqlite3_errmsg(d->db);
    }
    sqlite3_finalize(st);
    if (verdict != "ok") throw Error("O arquivo " + quotedPath(path) + " está danificado: " + verdict + ".");
    sqlite3_exec(d->db, "PRAGMA query_only = 1", nullptr, nullptr, nullptr);
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
        return Connection(fromSqliteBytes(readAll(f.fd, static_cast<std::size_t>(sb.st_size), path), path));
    case FileKind::Jet:
        return Connection(fromSqliteBytes(importJetFile(path, tables), path));
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

std::string Connection::translate(const std::string& jetSql) const { return translateSelect(jetSql).sql; }

Recordset Connection::openRecordset(const std::string& jetSql) const {
    if (!db_) throw Error("Operação inválida: a conexão está fechada.");
    Translation t;
    try {
        t = translateSelect(jetSql);
    } catch (const Error& e) {
        throw Error(inStatement(e.what(), jetSql, db_->path));
    }
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db_->db, t.sql.c_str(), static_cast<int>(t.sql.size()), &st, nullptr) != SQLITE_OK) {
        std::string m = sqlite3_errmsg(db_->db);
        sqlite3_finalize(st);
        throw Error(statementError(m, jetSql, db_->path));
    }
    auto d = std::make_shared<RecordsetData>();
    d->database = db_;
    d->statement = jetSql;
    const int cols = sqlite3_column_count(st);
    std::vector<bool> boolean(static_cast<std::size_t>(cols));
    for (int i = 0; i < cols; ++i) {
        d->names.emplace_back(sqlite3_column_name(st, i));
        d->foldedNames.push_back(lowerCase(d->names.back()));
        boolean[i] = declaredBoolean(sqlite3_column_decltype(st, i)) || t.booleanColumns.count(d->names.back()) > 0;
    }
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        for (int i = 0; i < cols; ++i) d->cells.push_back(cellValue(st, i, boolean[i]));
        ++d->rows;
    }
    if (rc != SQLITE_DONE) {
        std::string m = sqlite3_errmsg(db_->db);
        sqlite3_finalize(st);
        throw Error(statementError(m, jetSql, db_->path));  // never a partial result
    }
    sqlite3_finalize(st);
    return Recordset(d);
}

}  // namespace jet
