#pragma once
#include <memory>
#include <string>
#include <vector>

#include "left_out.h"
#include "text.h"
#include "translate.h"

struct sqlite3;

namespace jet {

// What one opened file becomes: an in-memory SQLite database holding its tables, read-only, plus a scratch
// database where recordsets put their rows when a find criterion needs SQL to be evaluated.
struct Database {
    std::string path;
    sqlite3* db = nullptr;
    sqlite3* scratch = nullptr;  // opened on first use
    int nextScratchTable = 0;
    std::vector<LeftOutColumn> leftOut;  // columns of the file the import left out
    // The file's own tables, as SQLite names them, the only ones a statement may read; and those of them with
    // a column named ROWID, which is then that column and not SQLite's hidden row number.
    std::vector<std::string> tables, tablesWithRowidColumn;
    // The spelling of every table and column name, by its folded form: SQLite matches names ignoring case for
    // the letters A to Z only, so statements name them as the file spells them.
    NameSpellings spellings;

    Database() = default;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;
    ~Database();

    sqlite3* scratchHandle();
    const TextRules& textRules();

private:
    std::unique_ptr<TextRules> rules_;
};

// "the file 'x'" in messages.
std::string quotedPath(const std::string& path);

// Turns an SQLite message about a statement run on the file at `path` into one for the user.
std::string statementError(const std::string& sqliteMessage, const std::string& jetSql, const std::string& path);

// A message about a statement, followed by the file it ran on and the statement, unless it names them.
std::string inStatement(const std::string& what, const std::string& jetSql, const std::string& path);

}  // namespace jet
