#include "translate.h"

#include <cstdio>
#include <map>

#include "error.h"
#include "sql_text.h"
#include "parser.h"

namespace jet {
namespace {



const char* kCollate = " COLLATE \"JET\"";

// Jet functions with the SQLite function that stands for each and the numbers of arguments it takes.
struct FunctionInfo { const char* target; int minArgs, maxArgs; };
const std::map<std::string, FunctionInfo> kFunctions = {
    {"ucase", {"jet_ucase", 1, 1}}, {"lcase", {"jet_lcase", 1, 1}}, {"left", {"jet_left", 2, 2}},
    {"right", {"jet_right", 2, 2}}, {"mid", {"jet_mid", 2, 3}},     {"trim", {"jet_trim", 1, 1}},
    {"ltrim", {"jet_ltrim", 1, 1}}, {"rtrim", {"jet_rtrim", 1, 1}}, {"len", {"jet_len", 1, 1}},
    {"cstr", {"jet_cstr", 1, 1}},   {"space", {"jet_space", 1, 1}}, {"instr", {"jet_instr", 2, 3}},
    {"val", {"jet_val", 1, 1}},     {"clng", {"jet_clng", 1, 1}},   {"cint", {"jet_cint", 1, 1}},
    {"cdbl", {"jet_cdbl", 1, 1}},   {"int", {"jet_int", 1, 1}},     {"abs", {"jet_abs", 1, 1}},
    {"chr", {"jet_chr", 1, 1}},     {"asc", {"jet_asc", 1, 1}},
    {"count", {"count", 1, 1}},     {"sum", {"sum", 1, 1}},         {"avg", {"avg", 1, 1}},
    {"min", {"min", 1, 1}},         {"max", {"max", 1, 1}},
};

const std::map<std::string, const char*> kOperators = {
    {"+", "jet_add"}, {"-", "jet_sub"}, {"*", "jet_mul"}, {"/", "jet_div"},
    {"\\", "jet_idiv"}, {"mod", "jet_mod"}, {"^", "jet_pow"}, {"&", "jet_concat"},
};

class Printer {
public:
    std::string expr(const Expr& e) {
        switch (e.kind) {
        case Expr::Kind::Literal: return literal(e.lit);
        case Expr::Kind::Column: return e.table.empty() ? quoteName(e.name) : quoteName(e.table) + "." + quoteName(e.name);
        case Expr::Kind::Unary:
            return e.op == "-" ? "jet_neg(" + expr(*e.args[0]) + ")" : "(" + expr(*e.args[0]) + ")";
        case Expr::Kind::Binary:
            return std::string(kOperators.at(e.op)) + "(" + expr(*e.args[0]) + ", " + expr(*e.args[1]) + ")";
        case Expr::Kind::Compare:
            // The collation goes on the right operand: it then rules the comparison even where the left one is
            // a computed text, which SQLite would otherwise compare byte by byte.
            return "(" + expr(*e.args[0]) + " " + e.op + " (" + expr(*e.args[1]) + ")" + kCollate + ")";
        case Expr::Kind::And: return balanced(e, 0, e.args.size(), " AND ");
        case Expr::Kind::Or: return balanced(e, 0, e.args.size(), " OR ");
        case Expr::Kind::Not: return "(NOT " + expr(*e.args[0]) + ")";
        case Expr::Kind::Like: {
            std::string s = "jet_like(" + expr(*e.args[0]) + ", " + expr(*e.args[1]) + ")";
            return e.negated ? "(NOT " + s + ")" : s;
        }
        case Expr::Kind::IsNull: return "(" + expr(*e.args[0]) + (e.negated ? " IS NOT NULL)" : " IS NULL)");
        case Expr::Kind::In: {
            std::string s = "((" + expr(*e.args[0]) + ")" + kCollate + (e.negated ? " NOT IN (" : " IN (");
            for (std::size_t i = 1; i < e.args.size(); ++i) s += (i > 1 ? ", " : "") + expr(*e.args[i]);
            return s + "))";
        }
        case Expr::Kind::Between:
            return "((" + expr(*e.args[0]) + ")" + kCollate + (e.negated ? " NOT BETWEEN " : " BETWEEN ") +
                   expr(*e.args[1]) + " AND " + expr(*e.args[2]) + ")";
        case Expr::Kind::Call: return call(e);
        }
        return {};
    }

    // Long chains of And/Or (a locality condition may hold hundreds of terms) are printed as a balanced tree:
    // SQLite limits the depth of an expression, not its length.
    std::string balanced(const Expr& e, std::size_t lo, std::size_t hi, const char* op) {
        if (hi - lo == 1) return expr(*e.args[lo]);
        std::size_t mid = lo + (hi - lo) / 2;
        return "(" + balanced(e, lo, mid, op) + op + balanced(e, mid, hi, op) + ")";
    }

private:
    static std::string literal(const Value& v) {
        switch (v.kind()) {
        case Value::Kind::Null: return "NULL";
        case Value::Kind::Integer: return v.toText();
        case Value::Kind::Boolean: return v.toBool() ? "-1" : "0";
        case Value::Kind::Double: {
            char buf[40];
            std::snprintf(buf, sizeof buf, "%.17g", v.toDouble());
            std::string s = buf;
            if (s.find_first_of(".eEn") == std::string::npos) s += ".0";
            return s;
        }
        case Value::Kind::Text: return quoteText(v.toText());
        }
        return "NULL";
    }

    std::string call(const Expr& e) {
        const int n = static_cast<int>(e.args.size());
        if (e.name == "iif") {
            if (n != 3) throw Error("Número incorreto de argumentos na função IIf da instrução.");
            return "(CASE WHEN " + expr(*e.args[0]) + " THEN " + expr(*e.args[1]) + " ELSE " + expr(*e.args[2]) + " END)";
        }
        if (e.name == "nz") {
            if (n < 1 || n > 2) throw Error("Número incorreto de argumentos na função Nz da instrução.");
            return "coalesce(" + expr(*e.args[0]) + ", " + (n == 2 ? expr(*e.args[1]) : std::string("''")) + ")";
        }
        auto f = kFunctions.find(e.name);
        if (f == kFunctions.end()) throw Error("Função '" + e.name + "' indefinida na expressão.");
        if (e.star) {
            if (e.name != "count") throw Error("Uso de '*' inválido na função '" + e.name + "'.");
            return "count(*)";
        }
        if (n < f->second.minArgs || n > f->second.maxArgs)
            throw Error("Número incorreto de argumentos na função '" + e.name + "' da instrução.");
        std::string s = std::string(f->second.target) + "(";
        for (int i = 0; i < n; ++i) {
            std::string a = expr(*e.args[i]);
            if (e.name == "min" || e.name == "max") a = "(" + a + ")" + kCollate;
            s += (i ? ", " : "") + a;
        }
        return s + ")";
    }
};

std::string source(Printer& p, const Source& s) {
    if (s.join.empty()) return quoteName(s.table) + (s.alias.empty() ? "" : " AS " + quoteName(s.alias));
    return "(" + source(p, *s.left) + " " + s.join + " JOIN " + source(p, *s.right) + " ON " + p.expr(*s.on) + ")";
}

}  // namespace

std::string translateExpression(const Expr& e) { return Printer().expr(e); }

Translation translateSelect(std::string_view jetSql) {
    SelectStatement st = parseSelect(jetSql);
    Printer p;
    Translation t;
    std::string& s = t.sql;
    s = st.distinct ? "SELECT DISTINCT " : "SELECT ";
    for (std::size_t i = 0; i < st.items.size(); ++i) {
        const SelectItem& it = st.items[i];
        if (i) s += ", ";
        if (!it.expr) {
            s += it.starTable.empty() ? "*" : quoteName(it.starTable) + ".*";
            continue;
        }
        const bool bare = it.expr->kind == Expr::Kind::Column;
        std::string name = !it.alias.empty() ? it.alias : bare ? std::string() : "Expr" + std::to_string(1000 + i);
        if (it.expr->isCondition()) {
            // Jet's True is -1.
            s += "(-(" + p.expr(*it.expr) + "))";
            t.booleanColumns.insert(name);
        } else if (st.distinct && !bare) {
            s += "(" + p.expr(*it.expr) + ")" + kCollate;  // Distinct tells texts apart as "=" does
        } else {
            s += p.expr(*it.expr);
        }
        if (!name.empty()) s += " AS " + quoteName(name);
    }
    s += " FROM ";
    for (std::size_t i = 0; i < st.from.size(); ++i) s += (i ? ", " : "") + source(p, *st.from[i]);
    if (st.where) s += " WHERE " + p.expr(*st.where);
    for (std::size_t i = 0; i < st.groupBy.size(); ++i)
        s += (i ? ", (" : " GROUP BY (") + p.expr(*st.groupBy[i]) + ")" + kCollate;
    if (st.having) s += " HAVING " + p.expr(*st.having);
    for (std::size_t i = 0; i < st.orderBy.size(); ++i) {
        s += (i ? ", (" : " ORDER BY (") + p.expr(*st.orderBy[i].expr) + ")" + kCollate;
        if (st.orderBy[i].descending) s += " DESC";
    }
    if (st.top >= 0) s += " LIMIT " + std::to_string(st.top);
    return t;
}

}  // namespace jet
