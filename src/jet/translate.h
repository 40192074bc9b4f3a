#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "ast.h"

namespace jet {

struct Translation {
    std::string sql;                       // the statement for SQLite
    // Top of the outermost select, applied while the rows are read: Jet keeps the rows tied with the last one
    // under the Order By, whose values the statement's last `hiddenKeys` columns carry.
    double top = -1;
    bool percent = false;
    int hiddenKeys = 0;
};

// Whether the sources of a statement (as SQLite text, the part after FROM) have a column of that name.
using ColumnProbe = std::function<bool(const std::string& fromSql, const std::string& column)>;

// The spelling of names by their folded form (foldName).
using NameSpellings = std::unordered_map<std::string, std::string>;

// Jet SQL to SQLite. Text comparisons, Like and sorting get Jet's rules; operators and functions are those of
// Jet (see functions.cpp). Throws jet::Error for what Jet would not run either. With a probe, a name in
// Where or Having that is only an alias of the select list is refused, as Jet does not see aliases there.
// Names found in `spellings` are written as spelled there.
Translation translateSelect(std::string_view jetSql, const ColumnProbe& probe = {}, const NameSpellings* spellings = nullptr);
// A find criterion; subqueries are refused there.
std::string translateExpression(const Expr& e);

}  // namespace jet
