#pragma once
#include <memory>
#include <string>
#include <vector>

#include "value.h"

namespace jet {

struct SelectStatement;

// A Jet expression. Kinds that take operands keep them in `args`, left to right.
struct Expr {
    enum class Kind {
        Literal,   // lit
        Column,    // table (may be empty) and name
        Unary,     // op "-" or "+"; args[0]
        Binary,    // op: + - * / \ mod ^ &; args[0], args[1]
        Compare,   // op: = <> < > <= >=; args[0], args[1]
        And,       // args: two or more, flattened
        Or,        // args: two or more, flattened
        Not,       // args[0]
        Like,      // args[0] Like args[1]; negated for Not Like
        IsNull,    // args[0] Is Null; negated for Is Not Null
        In,        // args[0] In (args[1..]), or In (sub); negated for Not In
        Between,   // args[0] Between args[1] And args[2]; negated for Not Between
        Call,      // name(args); name in lower case without a trailing "$"; star for Count(*)
        Subquery,  // (sub) as a value
        Exists,    // Exists (sub); negated for Not Exists
    };
    Kind kind = Kind::Literal;
    std::string op;
    std::string table, name;
    Value lit;
    bool negated = false;
    bool star = false;
    std::vector<std::unique_ptr<Expr>> args;
    std::shared_ptr<SelectStatement> sub;  // In (Select ...), Exists, a subquery as a value
    // Levels from here to the deepest leaf, through subqueries too. The parser refuses a tree deeper than its
    // limit, so that every walk of the tree, which recurses once per level, stays within the stack.
    int height = 1;

    // True when the expression yields a truth value (a comparison, a logical operator ...).
    bool isCondition() const;
};
using ExprPtr = std::unique_ptr<Expr>;

struct SelectItem {
    ExprPtr expr;            // null for "*" and "T.*"
    std::string starTable;   // "T" for "T.*"
    std::string alias;       // "As name"
};

// A FROM source: a table, or a join of two sources.
struct Source {
    std::string table, alias;          // a table
    std::string join;                  // "INNER", "LEFT" or "RIGHT" for a join
    std::unique_ptr<Source> left, right;
    ExprPtr on;
};

struct OrderItem {
    ExprPtr expr;
    bool descending = false;
};

struct UnionArm {
    bool all = false;  // Union All keeps repeated rows
    std::shared_ptr<SelectStatement> select;
};

struct SelectStatement {
    bool distinct = false;
    double top = -1;       // Top n, or Top n Percent
    bool percent = false;
    std::vector<SelectItem> items;
    std::vector<std::unique_ptr<Source>> from;  // comma-separated sources
    ExprPtr where, having;
    std::vector<ExprPtr> groupBy;
    std::vector<OrderItem> orderBy;  // after a Union, the order of the whole
    std::vector<UnionArm> unions;
};

}  // namespace jet
