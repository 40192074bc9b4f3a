#pragma once
#include <memory>
#include <string>

#include "mdb_import.h"
#include "recordset.h"

struct sqlite3;

namespace jet {

struct Database;

// An open data file. Opening reads the whole file into an in-memory database and never writes to, locks or
// otherwise touches the file on disk: a Jet/ACE file is imported by a child process (so that a damaged file
// cannot take the program down), a file already in SQLite form is copied.
class Connection {
public:
    Connection() = default;  // closed, until assigned an opened one
    static Connection open(const std::string& path);
    // The same with only the tables a statement names, for a tool that runs that one statement: a large Jet
    // file need not be imported whole for it. A file in SQLite form is opened whole.
    static Connection openForStatement(const std::string& path, const std::string& jetSql);

    // Runs one Jet SQL select statement and returns all its rows. Throws jet::Error with the reason.
    Recordset openRecordset(const std::string& jetSql) const;

    // The SQLite statement a Jet statement becomes (for the console and for tests).
    std::string translate(const std::string& jetSql) const;

    const std::string& path() const;
    void close();
    bool isOpen() const { return db_ != nullptr; }

private:
    static Connection open(const std::string& path, const TableChoice& tables);
    explicit Connection(std::shared_ptr<Database> db) : db_(std::move(db)) {}
    Recordset run(const std::string& jetSql) const;  // openRecordset, which turns running out of memory into a message
    std::shared_ptr<Database> db_;
};

}  // namespace jet
