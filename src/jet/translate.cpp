#include "translate.h"

#include <cmath>
#include <cstdio>
#include <map>

#include "engine_limits.h"
#include "error.h"
#include "functions.h"
#include "parser.h"
#include "sql_text.h"
#include "text.h"

namespace jet {
namespace {

const char* kCollate = " COLLATE \"JET\"";

const std::map<std::string, std::string> kOperatorNames = {
    {"+", "+"}, {"-", "-"}, {"*", "*"}, {"/", "/"}, {"\\", "\\"}, {"mod", "mod"}, {"^", "^"}, {"&", "&"},
};

std::string sqlName(const char* jet) {
    const JetFunction* f = findJetFunction(jet);
    return f && f->sql ? f->sql : "";
}

bool isAggregateCall(const Expr& e) {
    if (e.kind != Expr::Kind::Call) return false;
    const JetFunction* f = findJetFunction(e.name);
    return f && f->aggregate;
}

bool containsAggregate(const Expr& e) {
    if (isAggregateCall(e)) return true;
    for (const auto& a : e.args)
        if (containsAggregate(*a)) return true;
    return false;
}

// Two expressions written alike (names in any case; "T.x" and "x" alike), as Jet matches a select item
// with a Group By expression.
bool sameExpr(const Expr& a, const Expr& b) {
    if (a.kind != b.kind || !sameName(a.op, b.op) || !sameName(a.name, b.name) || a.negated != b.negated ||
        a.star != b.star || !(a.lit == b.lit) || a.args.size() != b.args.size() || a.sub != b.sub)
        return false;
    if (a.kind == Expr::Kind::Column && !a.table.empty() && !b.table.empty() && !sameName(a.table, b.table)) return false;
    for (std::size_t i = 0; i < a.args.size(); ++i)
        if (!sameExpr(*a.args[i], *b.args[i])) return false;
    return true;
}

std::string columnText(const Expr& e) { return e.table.empty() ? e.name : e.table + "." + e.name; }

// In a grouped select every column outside an aggregate must be grouped.
void checkGrouped(const Expr& e, const std::vector<ExprPtr>& groupBy) {
    for (const auto& g : groupBy)
        if (sameExpr(e, *g)) return;
    if (isAggregateCall(e) || e.kind == Expr::Kind::Subquery || e.kind == Expr::Kind::Exists) return;
    if (e.kind == Expr::Kind::Column)
        throw Error("Você tentou executar uma consulta que não inclui a expressão especificada '" + columnText(e) +
                    "' como parte de uma função agregada.");
    for (const auto& a : e.args) checkGrouped(*a, groupBy);
}

// With Distinct the order can only name what is selected: another column would tell apart rows that Distinct
// makes one (and Top would count them apart).
void checkDistinctOrder(const SelectStatement& st) {
    if (!st.distinct) return;
    for (const auto& it : st.items)
        if (!it.expr) return;  // "*": every column is selected
    for (const auto& o : st.orderBy) {
        bool selected = false;
        for (const auto& it : st.items)
            selected = selected || sameExpr(*o.expr, *it.expr) ||
                       (o.expr->kind == Expr::Kind::Column && o.expr->table.empty() && sameName(o.expr->name, it.alias));
        if (!selected)
            throw Error("A cláusula ORDER BY entra em conflito com DISTINCT: ordene por campos da lista do Select.");
    }
}

void checkGrouping(const SelectStatement& st) {
    bool grouped = !st.groupBy.empty() || (st.having && containsAggregate(*st.having));
    for (const auto& it : st.items) grouped = grouped || (it.expr && containsAggregate(*it.expr));
    if (!grouped) return;
    for (const auto& it : st.items) {
        if (!it.expr) throw Error("Não é possível agrupar campos selecionados com '*'.");
        checkGrouped(*it.expr, st.groupBy);
    }
    if (st.having) checkGrouped(*st.having, st.groupBy);
    for (const auto& o : st.orderBy) checkGrouped(*o.expr, st.groupBy);
}

// Unqualified names used in an expression, outside its subqueries.
void bareNames(const Expr& e, std::vector<std::string>& out) {
    if (e.kind == Expr::Kind::Column && e.table.empty()) out.push_back(e.name);
    for (const auto& a : e.args) bareNames(*a, out);
}

class Printer {
public:
    Printer(const ColumnProbe* probe, const NameSpellings* spellings) : probe_(probe), spellings_(spellings) {}

    bool allowSubqueries = true;

    // Each operand is printed whole into every level above it: the work of the whole statement is counted, so
    // that no statement, however its parts repeat, costs more than the cap to print.
    std::string expr(const Expr& e) {
        std::string s = exprText(e);
        printed_ += s.size();
        if (s.size() > kMaxStatementBytes || printed_ > kMaxPrintedBytes) throw Error(kTooComplex);
        return s;
    }

    // The statement, with the outermost Top left to the reader of its rows (see Translation).
    std::string statement(const SelectStatement& st, Translation& t) {
        if (!st.unions.empty()) return unionOf(st, false);
        checkDistinctOrder(st);
        std::string s = head(st, false);
        if (st.top >= 0 && !st.orderBy.empty()) {
            for (std::size_t i = 0; i < st.orderBy.size(); ++i)
                s += ", (" + expr(orderKey(st, i)) + ") AS \"jet_key" + std::to_string(i + 1) + "\"";
            t.hiddenKeys = static_cast<int>(st.orderBy.size());
        }
        s += body(st);
        s += orderBy(st);
        if (st.top >= 0) {
            t.top = st.top;
            t.percent = st.percent;
            if (!st.percent && st.orderBy.empty()) s += " LIMIT " + std::to_string(static_cast<long long>(st.top));
        }
        return s;
    }

private:
    const ColumnProbe* probe_;
    const NameSpellings* spellings_;
    std::size_t printed_ = 0;

    std::string name(const std::string& n) const {
        if (spellings_) {
            const auto it = spellings_->find(foldName(n));
            if (it != spellings_->end()) return quoteName(it->second);
        }
        return quoteName(n);
    }

    std::string exprText(const Expr& e) {
        switch (e.kind) {
        case Expr::Kind::Literal: return literal(e.lit);
        case Expr::Kind::Column: return e.table.empty() ? name(e.name) : name(e.table) + "." + name(e.name);
        case Expr::Kind::Unary:
            return e.op == "-" ? sqlName("neg") + "(" + expr(*e.args[0]) + ")" : "(" + expr(*e.args[0]) + ")";
        case Expr::Kind::Binary: return binaryChain(e);
        case Expr::Kind::Compare:
            // The collation goes on the right operand: it then rules the comparison even where the left one is
            // a computed text, which SQLite would otherwise compare byte by byte.
            return "(" + expr(*e.args[0]) + " " + e.op + " (" + expr(*e.args[1]) + ")" + kCollate + ")";
        case Expr::Kind::And: case Expr::Kind::Or: return logical(e);
        case Expr::Kind::Not:
            if (e.args[0]->isCondition()) return "(NOT " + expr(*e.args[0]) + ")";
            return sqlName("not") + "(" + expr(*e.args[0]) + ")";
        case Expr::Kind::Like: {
            std::string s = sqlName("like") + "(" + expr(*e.args[0]) + ", " + expr(*e.args[1]) + ")";
            return e.negated ? "(NOT " + s + ")" : s;
        }
        case Expr::Kind::IsNull: return "(" + expr(*e.args[0]) + (e.negated ? " IS NOT NULL)" : " IS NULL)");
        case Expr::Kind::In: {
            std::string s = "((" + expr(*e.args[0]) + ")" + kCollate + (e.negated ? " NOT IN (" : " IN (");
            if (e.sub) return s + subquery(*e.sub, true) + "))";
            for (std::size_t i = 1; i < e.args.size(); ++i) s += (i > 1 ? ", " : "") + expr(*e.args[i]);
            return s + "))";
        }
        case Expr::Kind::Between: {
            // Jet takes the bounds in either order. Each operand is printed once: SQLite's min and max of several
            // values order them by the collation of the first, as the comparison does.
            const std::string x = "(" + expr(*e.args[0]) + ")" + kCollate, a = "(" + expr(*e.args[1]) + ")" + kCollate,
                              b = expr(*e.args[2]);
            std::string s = "(" + x + " BETWEEN min(" + a + ", " + b + ") AND max(" + a + ", " + b + "))";
            return e.negated ? "(NOT " + s + ")" : s;
        }
        case Expr::Kind::Call: return call(e);
        case Expr::Kind::Subquery:
            // Jet stops the statement when a subquery used as a value gives more than one row.
            return "(SELECT jet_only_row(count(*) OVER (), \"c1\") FROM (" + subquery(*e.sub, true) +
                   ") LIMIT 1)";
        case Expr::Kind::Exists:
            return std::string(e.negated ? "(NOT " : "(") + "EXISTS (" + subquery(*e.sub, false) + "))";
        }
        return {};
    }

    // a + b - c ... is a left-leaning tree as deep as the chain is long, and SQLite's parser takes only some
    // thirty nested calls: the chain is printed as one call with every operand and operator flat in it.
    std::string binaryChain(const Expr& e) {
        std::vector<const Expr*> spine;  // the chain's operators, the last one first
        const Expr* leftmost = &e;
        while (leftmost->kind == Expr::Kind::Binary) {
            spine.push_back(leftmost);
            leftmost = leftmost->args[0].get();
        }
        std::string s = expr(*leftmost);
        if (spine.size() == 1) return sqlName(kOperatorNames.at(e.op).c_str()) + "(" + s + ", " + expr(*e.args[1]) + ")";
        // SQLite takes at most 127 arguments to a function: a longer chain continues in an enclosing call.
        constexpr std::size_t kTermsPerCall = 60;
        for (std::size_t done = 0; done < spine.size();) {
            std::string call = sqlName("chain") + "(" + s;
            for (std::size_t k = 0; k < kTermsPerCall && done < spine.size(); ++k, ++done) {
                const Expr& link = *spine[spine.size() - 1 - done];
                call += ", " + quoteText(link.op) + ", " + expr(*link.args[1]);
            }
            s = call + ")";
        }
        return s;
    }

    // "Order By 2" sorts by the second item, as SQLite reads it too; where the key is computed apart from the
    // sort (Top's ties and ranks), it is that item's expression.
    static const Expr& orderKey(const SelectStatement& st, std::size_t i) {
        const Expr& k = *st.orderBy[i].expr;
        if (k.kind != Expr::Kind::Literal || k.lit.kind() != Value::Kind::Integer) return k;
        const std::int64_t n = k.lit.toInteger();
        if (n < 1 || static_cast<std::uint64_t>(n) > st.items.size() || !st.items[static_cast<std::size_t>(n - 1)].expr) return k;
        return *st.items[static_cast<std::size_t>(n - 1)].expr;
    }

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

    // And / Or: logical between conditions; bit by bit, as Jet does, as soon as one operand is a number.
    std::string logical(const Expr& e) {
        const bool bits = !e.isCondition();
        std::vector<std::string> parts;
        for (const auto& a : e.args)
            parts.push_back(bits && a->isCondition() ? "(-" + expr(*a) + ")" : expr(*a));
        const std::string fn = bits ? sqlName(e.kind == Expr::Kind::And ? "and" : "or") : "";
        return balanced(parts, 0, parts.size(), e.kind == Expr::Kind::And ? " AND " : " OR ", fn);
    }

    // Long chains of And/Or (a locality condition may hold hundreds of terms) are printed as a balanced tree:
    // SQLite limits the depth of an expression, not its length.
    static std::string balanced(const std::vector<std::string>& p, std::size_t lo, std::size_t hi, const char* op,
                                const std::string& fn) {
        if (hi - lo == 1) return p[lo];
        std::size_t mid = lo + (hi - lo) / 2;
        if (!fn.empty()) return fn + "(" + balanced(p, lo, mid, op, fn) + ", " + balanced(p, mid, hi, op, fn) + ")";
        return "(" + balanced(p, lo, mid, op, fn) + op + balanced(p, mid, hi, op, fn) + ")";
    }

    std::string call(const Expr& e) {
        const int n = static_cast<int>(e.args.size());
        const JetFunction* f = findJetFunction(e.name);
        if (!f || e.name == "not" || e.name == "and" || e.name == "or" || e.name == "like" || e.name == "neg" ||
            e.name == "mod" || e.name == "chain")
            throw Error("Função '" + e.name + "' indefinida na expressão.");
        if (e.star) {
            if (e.name != "count") throw Error("Uso de '*' inválido na função '" + e.name + "'.");
            return "count(*)";
        }
        if (n < f->minArgs || (f->maxArgs != kAnyCount && n > f->maxArgs))
            throw Error("Número incorreto de argumentos na função '" + e.name + "' da instrução.");
        std::vector<std::string> a;
        for (const auto& arg : e.args) a.push_back(expr(*arg));
        if (e.name == "iif") return "(CASE WHEN " + a[0] + " THEN " + a[1] + " ELSE " + a[2] + " END)";
        if (e.name == "nz") return "coalesce(" + a[0] + ", " + (n == 2 ? a[1] : std::string("''")) + ")";
        if (e.name == "isnull") return "((" + a[0] + ") IS NULL)";
        if (e.name == "switch") {
            if (n % 2) throw Error("Número incorreto de argumentos na função 'switch' da instrução.");
            std::string s = "(CASE";
            for (int i = 0; i < n; i += 2) s += " WHEN " + a[i] + " THEN " + a[i + 1];
            return s + " END)";  // no condition true: Null
        }
        if (e.name == "choose") {
            // The index is rounded to the nearest whole number; out of range gives Null.
            std::string s = "(CASE " + sqlName("round") + "(" + a[0] + ")";
            for (int i = 1; i < n; ++i) s += " WHEN " + std::to_string(i) + " THEN " + a[i];
            return s + " END)";
        }
        std::string s = std::string(f->sql) + "(";
        for (int i = 0; i < n; ++i) {
            if (e.name == "min" || e.name == "max") a[i] = "(" + a[i] + ")" + kCollate;
            s += (i ? ", " : "") + a[i];
        }
        s += ")";
        if (e.name == "cbool") return "(" + s + " <> 0)";
        return s;
    }

    std::string source(const Source& s) {
        if (s.join.empty()) return name(s.table) + (s.alias.empty() ? "" : " AS " + quoteName(s.alias));
        return "(" + source(*s.left) + " " + s.join + " JOIN " + source(*s.right) + " ON " + expr(*s.on) + ")";
    }

    std::string fromText(const SelectStatement& st) {
        std::string s;
        for (std::size_t i = 0; i < st.from.size(); ++i) s += (i ? ", " : "") + source(*st.from[i]);
        return s;
    }

    // Jet does not see the select list's aliases in Where and Having: it would take one for a parameter.
    void checkAliases(const SelectStatement& st, const std::string& from) {
        if (!probe_ || !*probe_) return;
        std::vector<std::string> names;
        if (st.where) bareNames(*st.where, names);
        if (st.having) bareNames(*st.having, names);
        for (const std::string& n : names) {
            for (const auto& it : st.items) {
                if (!it.expr || it.alias.empty() || !sameName(it.alias, n)) continue;
                if (from.empty() || !(*probe_)(from, n))
                    throw Error("'" + n + "' é o nome de uma expressão da lista do Select e não pode ser usado no Where "
                                "nem no Having: o Jet o tomaria por um parâmetro.");
            }
        }
    }

    // SELECT and the items; `numbered` names every item c1, c2 ... as subqueries do.
    std::string head(const SelectStatement& st, bool numbered, bool inUnion = false) {
        checkGrouping(st);
        std::string s = st.distinct ? "SELECT DISTINCT " : "SELECT ";
        for (std::size_t i = 0; i < st.items.size(); ++i) {
            const SelectItem& it = st.items[i];
            if (i) s += ", ";
            if (!it.expr) {
                s += it.starTable.empty() ? "*" : name(it.starTable) + ".*";
                continue;
            }
            const bool bare = it.expr->kind == Expr::Kind::Column;
            std::string as = numbered ? "c" + std::to_string(i + 1)
                           : !it.alias.empty() ? it.alias
                           : bare ? std::string() : "Expr" + std::to_string(1000 + i);
            if (it.expr->isCondition()) {
                s += "(-(" + expr(*it.expr) + "))";  // Jet's True is -1, a number like any other here
            } else if ((st.distinct || inUnion) && !bare) {
                s += "(" + expr(*it.expr) + ")" + kCollate;  // Distinct and Union tell texts apart as "=" does
            } else {
                s += expr(*it.expr);
            }
            if (!as.empty()) s += " AS " + quoteName(as);
        }
        return s;
    }

    // FROM to HAVING.
    std::string body(const SelectStatement& st) {
        std::string s;
        const std::string from = fromText(st);
        checkAliases(st, from);
        if (!from.empty()) s += " FROM " + from;
        if (st.where) s += " WHERE " + expr(*st.where);
        for (std::size_t i = 0; i < st.groupBy.size(); ++i)
            s += (i ? ", (" : " GROUP BY (") + expr(*st.groupBy[i]) + ")" + kCollate;
        if (st.having) s += " HAVING " + expr(*st.having);
        return s;
    }

    std::string orderBy(const SelectStatement& st) {
        std::string s;
        for (std::size_t i = 0; i < st.orderBy.size(); ++i) {
            s += (i ? ", (" : " ORDER BY (") + expr(*st.orderBy[i].expr) + ")" + kCollate;
            if (st.orderBy[i].descending) s += " DESC";
        }
        return s;
    }

    // `numbered` names the columns c1, c2 ... as a subquery's are.
    std::string unionOf(const SelectStatement& st, bool numbered) {
        if (st.top >= 0) throw Error("Top numa consulta com Union não é aceito: use-o numa subconsulta.");
        // Union tells repeated rows apart as "=" does, so every arm's items carry the collation.
        std::string s = head(st, numbered, true) + body(st);
        for (const UnionArm& arm : st.unions) {
            const SelectStatement& a = *arm.select;
            if (a.top >= 0) throw Error("Top numa consulta com Union não é aceito: use-o numa subconsulta.");
            s += arm.all ? " UNION ALL " : " UNION ";
            s += head(a, false, true) + body(a);
        }
        // The order of a Union names the first select's columns.
        for (std::size_t i = 0; i < st.orderBy.size(); ++i) {
            const Expr& k = *st.orderBy[i].expr;
            if (k.kind != Expr::Kind::Column)
                throw Error("A ordem de uma consulta com Union deve nomear campos da primeira consulta.");
            s += (i ? ", " : " ORDER BY ") + (numbered ? numberedColumn(st, k.name) : quoteName(k.name)) + kCollate;
            if (st.orderBy[i].descending) s += " DESC";
        }
        return s;
    }

    // The numbered column of the first select's item of that name (its alias, or the column it is).
    static std::string numberedColumn(const SelectStatement& st, const std::string& n) {
        for (std::size_t i = 0; i < st.items.size(); ++i) {
            const SelectItem& it = st.items[i];
            if (it.expr && (sameName(it.alias, n) || (it.alias.empty() && it.expr->kind == Expr::Kind::Column && sameName(it.expr->name, n))))
                return "\"c" + std::to_string(i + 1) + "\"";
        }
        throw Error("A ordem de uma consulta com Union deve nomear campos da primeira consulta.");
    }

    // A select inside an expression. Its Top is a rank over its Order By, so that ties are kept here too.
    std::string subquery(const SelectStatement& st, bool oneColumn) {
        if (!allowSubqueries) throw Error("Um critério de pesquisa não pode conter uma subconsulta.");
        if (oneColumn && (st.items.size() != 1 || !st.items[0].expr) && st.unions.empty())
            throw Error("A subconsulta deve retornar um só campo.");
        if (!st.unions.empty()) return unionOf(st, true);
        if (st.top < 0) return head(st, true) + body(st);
        if (st.distinct) throw Error("Distinct com Top numa subconsulta não é aceito.");
        std::string keys;
        for (std::size_t i = 0; i < st.orderBy.size(); ++i) {
            keys += (i ? ", (" : "(") + expr(orderKey(st, i)) + ")" + kCollate;
            if (st.orderBy[i].descending) keys += " DESC";
        }
        std::string inner = head(st, true) + ", " + (keys.empty() ? "row_number() OVER ()" : "rank() OVER (ORDER BY " + keys + ")") +
                            " AS \"jet_rank\", count(*) OVER () AS \"jet_rows\"" + body(st);
        std::string cols;
        for (std::size_t i = 0; i < st.items.size(); ++i) cols += (i ? ", " : "") + std::string("\"c") + std::to_string(i + 1) + "\"";
        if (!st.items[0].expr) cols = "1";
        char limit[64];
        if (st.percent) std::snprintf(limit, sizeof limit, "(\"jet_rank\" - 1) * 100 < \"jet_rows\" * %.17g", st.top);
        else std::snprintf(limit, sizeof limit, "\"jet_rank\" <= %lld", static_cast<long long>(st.top));
        return "SELECT " + cols + " FROM (" + inner + ") WHERE " + limit;
    }
};

}  // namespace

std::string translateExpression(const Expr& e) {
    Printer p(nullptr, nullptr);
    p.allowSubqueries = false;
    return p.expr(e);
}

Translation translateSelect(std::string_view jetSql, const ColumnProbe& probe, const NameSpellings* spellings) {
    SelectStatement st = parseSelect(jetSql);
    Printer p(&probe, spellings);
    Translation t;
    t.sql = p.statement(st, t);
    return t;
}

}  // namespace jet
