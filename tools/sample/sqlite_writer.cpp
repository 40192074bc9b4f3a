#include "sqlite_writer.h"

#include <sqlite3.h>

#include <memory>
#include <stdexcept>

#include "sql_text.h"
#include "sqlite_setup.h"

namespace sample {
namespace {

struct CloseDb {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct Finalize {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Db = std::unique_ptr<sqlite3, CloseDb>;
using Statement = std::unique_ptr<sqlite3_stmt, Finalize>;

[[noreturn]] void fail(sqlite3* db, const std::string& what) {
    throw std::runtime_error(what + ": " + (db ? sqlite3_errmsg(db) : "sem memória"));
}

void exec(sqlite3* db, const std::string& sql) {
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) fail(db, "falha em \"" + sql + "\"");
}

std::string declaration(const Column& c) {
    std::string d = jet::quoteName(c.name);
    switch (c.type) {
    case ColumnType::Integer: d += " INTEGER"; break;
    case ColumnType::Text: case ColumnType::Memo: d += std::string(" TEXT COLLATE ") + jet::kCollation; break;
    case ColumnType::Boolean: d += " BOOLEAN"; break;
    }
    return c.key ? d + " PRIMARY KEY" : d;
}

void bind(sqlite3* db, sqlite3_stmt* st, int index, const Field& f) {
    int rc = SQLITE_OK;
    if (const auto* i = std::get_if<std::int64_t>(&f)) rc = sqlite3_bind_int64(st, index, *i);
    else if (const auto* s = std::get_if<std::string>(&f)) rc = sqlite3_bind_text(st, index, s->data(), static_cast<int>(s->size()), SQLITE_STATIC);
    else rc = sqlite3_bind_null(st, index);
    if (rc != SQLITE_OK) fail(db, "falha ao preparar valor");
}

void writeTable(sqlite3* db, const Table& t) {
    std::string create = "CREATE TABLE " + jet::quoteName(t.name) + " (";
    std::string insert = "INSERT INTO " + jet::quoteName(t.name) + " VALUES (";
    for (std::size_t i = 0; i < t.columns.size(); ++i) {
        create += (i ? ", " : "") + declaration(t.columns[i]);
        insert += i ? ", ?" : "?";
    }
    exec(db, create + ")");
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, (insert + ")").c_str(), -1, &raw, nullptr) != SQLITE_OK) fail(db, "falha ao preparar " + t.name);
    const Statement st(raw);
    for (const auto& row : t.rows) {
        if (row.size() != t.columns.size()) throw std::logic_error("linha com número errado de campos em " + t.name);
        for (std::size_t i = 0; i < row.size(); ++i) bind(db, raw, static_cast<int>(i) + 1, row[i]);
        if (sqlite3_step(raw) != SQLITE_DONE) fail(db, "falha ao gravar em " + t.name);
        sqlite3_reset(raw);
    }
}

}  // namespace

void writeSqlite(const std::filesystem::path& file, const std::vector<Table>& tables) {
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(file.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    const Db db(raw);
    if (rc != SQLITE_OK) fail(raw, "não foi possível criar " + file.string());
    jet::registerJetSqlite(raw);
    // The file is written under a temporary name and renamed when complete, so SQLite's own journal would
    // only slow the run down.
    exec(raw, "PRAGMA journal_mode=OFF");
    exec(raw, "PRAGMA synchronous=OFF");
    exec(raw, "BEGIN");
    for (const auto& t : tables) writeTable(raw, t);
    exec(raw, "COMMIT");
}

}  // namespace sample
