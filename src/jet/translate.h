#pragma once
#include <set>
#include <string>
#include <string_view>

#include "ast.h"

namespace jet {

struct Translation {
    std::string sql;                       // the statement for SQLite
    std::set<std::string> booleanColumns;  // result columns that hold Jet truth values (-1 / 0)
};

// Jet SQL to SQLite. Text comparisons, Like and sorting get Jet's rules; operators and functions are those of
// Jet (see sqlite_setup.cpp). Throws jet::Error for what Jet would not run either.
Translation translateSelect(std::string_view jetSql);
std::string translateExpression(const Expr& e);

}  // namespace jet
