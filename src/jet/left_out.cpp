#include "left_out.h"

#include <sqlite3.h>

#include "sql_text.h"
#include "text.h"

namespace jet {
namespace {

bool named(const std::string& table, const std::vector<std::string>& names) {
    for (const std::string& n : names)
        if (sameName(n, table)) return true;
    return false;
}

std::string afterPrefix(const std::string& s, const std::string& prefix) {
    return s.compare(0, prefix.size(), prefix) == 0 ? s.substr(prefix.size()) : std::string();
}

}  // namespace

std::vector<LeftOutColumn> readLeftOutColumns(sqlite3* db) {
    std::vector<LeftOutColumn> out;
    sqlite3_stmt* st = nullptr;
    const std::string sql = std::string("SELECT table_name, column_name, type_name FROM ") + quoteName(kLeftOutTable);
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) == SQLITE_OK) {
        const auto text = [st](int i) {
            const auto* t = sqlite3_column_text(st, i);
            return t ? std::string(reinterpret_cast<const char*>(t)) : std::string();
        };
        while (sqlite3_step(st) == SQLITE_ROW) out.push_back({text(0), text(1), text(2)});
    }
    sqlite3_finalize(st);
    return out;
}

std::optional<std::string> leftOutMessage(const std::vector<LeftOutColumn>& leftOut, const std::string& sqliteMessage,
                                          const std::vector<std::string>& namesInStatement) {
    if (leftOut.empty()) return std::nullopt;
    if (std::string name = afterPrefix(sqliteMessage, "no such column: "); !name.empty()) {
        std::string qualifier;
        if (auto dot = name.rfind('.'); dot != std::string::npos) {
            qualifier = name.substr(0, dot);
            name = name.substr(dot + 1);
        }
        const LeftOutColumn* found = nullptr;
        for (const LeftOutColumn& c : leftOut) {
            if (!sameName(c.column, name) || !named(c.table, namesInStatement)) continue;
            if (!found || sameName(c.table, qualifier)) found = &c;
        }
        if (found)
            return "O campo '" + found->column + "' da tabela '" + found->table + "' é do tipo " + found->type +
                   ", que o Quelva não lê.";
    }
    if (std::string name = afterPrefix(sqliteMessage, "no such table: "); !name.empty()) {
        std::string types;
        std::string table;
        for (const LeftOutColumn& c : leftOut) {
            if (!sameName(c.table, name)) continue;
            table = c.table;
            if (types.find(c.type) == std::string::npos) types += (types.empty() ? "" : ", ") + c.type;
        }
        if (!table.empty())
            return "A tabela '" + table + "' só tem campos de tipos que o Quelva não lê (" + types + ").";
    }
    return std::nullopt;
}

}  // namespace jet
