#include "parser.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <set>

#include "engine_limits.h"
#include "error.h"
#include "jet_date.h"
#include "lexer.h"
#include "text.h"

namespace jet {

bool Expr::isCondition() const {
    switch (kind) {
    case Kind::Compare: case Kind::Like: case Kind::IsNull: case Kind::In: case Kind::Between: case Kind::Exists:
        return true;
    case Kind::And: case Kind::Or: case Kind::Not:
        // On numbers these work bit by bit and give a number, as in Jet.
        return std::all_of(args.begin(), args.end(), [](const ExprPtr& a) { return a->isCondition(); });
    case Kind::Call:
        return name == "isnull" || name == "cbool" || name == "isnumeric" || name == "isdate";
    default:
        return false;
    }
}

namespace {

std::string lower(std::string s) {
    for (char& c : s) if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// Words that end a table alias or a select item, so that "From T Where" does not read "Where" as an alias.
const std::set<std::string> kReserved = {"select", "from", "where", "order", "group", "having", "by", "as",
                                         "inner", "left", "right", "outer", "join", "on", "and", "or", "not",
                                         "like", "is", "in", "between", "union", "distinct", "top", "asc", "desc"};
// Words that cannot name a column in an expression. "Desc" can: the name-search table has a column so named,
// and its criterion writes it bare ("desc like ...").
const std::set<std::string> kNotColumn = {"select", "from", "where", "order", "group", "having", "as", "on",
                                          "join", "and", "or", "not", "like", "is", "in", "between", "union"};

class Parser {
public:
    explicit Parser(std::string_view sql) : sql_(sql), toks_(tokenize(sql)) {}

    SelectStatement select() {
        SelectStatement st = query();
        acceptSymbol(";");
        if (peek().type != TokenType::End) fail("o fim da instrução");
        return st;
    }

    ExprPtr criterion() {
        ExprPtr e = expression();
        if (peek().type != TokenType::End) fail("o fim da expressão");
        return e;
    }

private:
    std::string_view sql_;
    std::vector<Token> toks_;
    std::size_t at_ = 0;
    int depth_ = 0;

    int deepest_ = 0;  // the greatest height of a node finished in the current (sub)query

    struct DepthGuard {
        Parser& p;
        explicit DepthGuard(Parser& pp) : p(pp) {
            if (++p.depth_ > kMaxDepth) throw Error(kTooComplex);
        }
        ~DepthGuard() { --p.depth_; }
    };

    // Every node that takes operands passes here once they are in place.
    ExprPtr finish(ExprPtr e, int subHeight = 0) {
        int h = subHeight;
        for (const auto& a : e->args) h = std::max(h, a->height);
        e->height = h + 1;
        if (e->height > kMaxDepth) throw Error(kTooComplex);
        deepest_ = std::max(deepest_, e->height);
        return e;
    }

    const Token& peek(std::size_t ahead = 0) const { return toks_[std::min(at_ + ahead, toks_.size() - 1)]; }
    const Token& next() { const Token& t = toks_[at_]; if (at_ + 1 < toks_.size()) ++at_; return t; }

    static bool isWord(const Token& t, const char* w) { return t.type == TokenType::Name && !t.bracketed && lower(t.text) == w; }
    static bool isSymbol(const Token& t, const char* s) { return t.type == TokenType::Symbol && t.text == s; }
    bool acceptWord(const char* w) { if (isWord(peek(), w)) { next(); return true; } return false; }
    bool acceptSymbol(const char* s) { if (isSymbol(peek(), s)) { next(); return true; } return false; }
    void expectWord(const char* w) { if (!acceptWord(w)) fail(std::string("a palavra ") + w); }
    void expectSymbol(const char* s) { if (!acceptSymbol(s)) fail(std::string("'") + s + "'"); }

    [[noreturn]] void fail(const std::string& expected) const {
        const Token& t = peek();
        std::string found = t.type == TokenType::End ? "o fim do texto" : "'" + std::string(sql_.substr(t.pos, 40)) + "'";
        throw Error("Erro de sintaxe na instrução: esperava-se " + expected + ", encontrou-se " + found + ".");
    }

    // A select with its Union arms and the Order By of the whole.
    SelectStatement query() {
        SelectStatement st = core();
        while (acceptWord("union")) {
            UnionArm arm;
            arm.all = acceptWord("all");
            arm.select = std::make_shared<SelectStatement>(core());
            st.unions.push_back(std::move(arm));
        }
        if (acceptWord("order")) {
            expectWord("by");
            do {
                OrderItem o;
                o.expr = expression();
                if (acceptWord("desc")) o.descending = true;
                else acceptWord("asc");
                st.orderBy.push_back(std::move(o));
            } while (acceptSymbol(","));
        }
        return st;
    }

    SelectStatement core() {
        expectWord("select");
        SelectStatement st;
        if (acceptWord("distinct")) st.distinct = true;
        else acceptWord("all");
        if (acceptWord("distinctrow")) st.distinct = false;
        if (acceptWord("top")) {
            if (peek().type != TokenType::Number) fail("um número depois de TOP");
            st.top = number(next().text);
            st.percent = acceptWord("percent");
            if (!st.percent && (st.top != std::floor(st.top) || !wholeNumber(st.top))) fail("um número inteiro depois de TOP");
            if (st.percent && st.top > 100) fail("um percentual de 0 a 100 depois de TOP");
        }
        do st.items.push_back(selectItem()); while (acceptSymbol(","));
        // Without From the select list is a row of expressions ("Select 1 + 1").
        if (acceptWord("from")) {
            do st.from.push_back(source(0)); while (acceptSymbol(","));
        }
        if (acceptWord("where")) st.where = expression();
        if (acceptWord("group")) {
            expectWord("by");
            do st.groupBy.push_back(expression()); while (acceptSymbol(","));
        }
        if (acceptWord("having")) st.having = expression();
        return st;
    }

    // "(Select ...)" with the "(" already read.
    std::shared_ptr<SelectStatement> subquery(int& height) {
        DepthGuard g(*this);
        const int outer = deepest_;
        deepest_ = 0;
        auto sub = std::make_shared<SelectStatement>(query());
        expectSymbol(")");
        height = deepest_;
        deepest_ = std::max(outer, deepest_);
        return sub;
    }

    std::string name(const std::set<std::string>& reserved = kReserved) {
        const Token& t = peek();
        if (t.type != TokenType::Name || (!t.bracketed && reserved.count(lower(t.text)))) fail("um nome");
        return next().text;
    }

    // An alias after a table or a select item, with or without "As".
    std::string optionalAlias() {
        if (acceptWord("as")) return name();
        const Token& t = peek();
        if (t.type == TokenType::Name && (t.bracketed || !kReserved.count(lower(t.text)))) return next().text;
        return {};
    }

    SelectItem selectItem() {
        SelectItem it;
        if (acceptSymbol("*")) return it;
        if (peek().type == TokenType::Name && isSymbol(peek(1), ".") && isSymbol(peek(2), "*")) {
            it.starTable = next().text;
            next();
            next();
            return it;
        }
        it.expr = expression();
        it.alias = optionalAlias();
        return it;
    }

    std::unique_ptr<Source> source(int) {
        DepthGuard g(*this);
        auto left = sourcePrimary();
        // A chain of joins is read in a loop but printed by recursion; SQLite joins 64 tables at most.
        for (int joins = 0;; ++joins) {
            if (joins > kMaxDepth) throw Error(kTooComplex);
            std::string kind;
            if (acceptWord("inner")) kind = "INNER";
            else if (acceptWord("left")) { acceptWord("outer"); kind = "LEFT"; }
            else if (acceptWord("right")) { acceptWord("outer"); kind = "RIGHT"; }
            else break;
            expectWord("join");
            auto j = std::make_unique<Source>();
            j->join = kind;
            j->left = std::move(left);
            j->right = sourcePrimary();
            expectWord("on");
            j->on = expression();
            left = std::move(j);
        }
        return left;
    }

    std::unique_ptr<Source> sourcePrimary() {
        if (acceptSymbol("(")) {
            auto s = source(0);
            expectSymbol(")");
            return s;
        }
        auto s = std::make_unique<Source>();
        s->table = name();
        s->alias = optionalAlias();
        return s;
    }

    // ---- expressions, lowest precedence first ----

    ExprPtr expression() { DepthGuard g(*this); return orExpr(); }

    ExprPtr chain(Expr::Kind kind, const char* word, ExprPtr (Parser::*operand)()) {
        ExprPtr first = (this->*operand)();
        if (!isWord(peek(), word)) return first;
        auto e = std::make_unique<Expr>();
        e->kind = kind;
        e->args.push_back(std::move(first));
        while (acceptWord(word)) e->args.push_back((this->*operand)());
        return finish(std::move(e));
    }

    ExprPtr orExpr() {
        if (isWord(peek(), "xor") || isWord(peek(), "eqv") || isWord(peek(), "imp")) fail("uma expressão");
        return chain(Expr::Kind::Or, "or", &Parser::andExpr);
    }
    ExprPtr andExpr() { return chain(Expr::Kind::And, "and", &Parser::notExpr); }

    ExprPtr notExpr() {
        if (acceptWord("not")) {
            DepthGuard g(*this);
            auto e = std::make_unique<Expr>();
            e->kind = Expr::Kind::Not;
            e->args.push_back(notExpr());
            return finish(std::move(e));
        }
        return comparison();
    }

    ExprPtr comparison() {
        ExprPtr left = concat();
        for (;;) {
            const Token& t = peek();
            int subHeight = 0;
            auto e = std::make_unique<Expr>();
            if (isSymbol(t, "!=")) throw Error("Erro de sintaxe na instrução: '!=' não é um operador do Jet; escreva '<>'.");
            if (t.type == TokenType::Symbol && (t.text == "=" || t.text == "<>" || t.text == "<" || t.text == ">" ||
                                                t.text == "<=" || t.text == ">=")) {
                e->kind = Expr::Kind::Compare;
                e->op = t.text;
                next();
                e->args.push_back(std::move(left));
                e->args.push_back(concat());
            } else if (isWord(t, "is")) {
                next();
                e->kind = Expr::Kind::IsNull;
                e->negated = acceptWord("not");
                expectWord("null");
                e->args.push_back(std::move(left));
            } else {
                std::size_t save = at_;
                bool neg = acceptWord("not");
                if (acceptWord("like")) {
                    e->kind = Expr::Kind::Like;
                    e->args.push_back(std::move(left));
                    e->args.push_back(concat());
                } else if (acceptWord("in")) {
                    e->kind = Expr::Kind::In;
                    e->args.push_back(std::move(left));
                    expectSymbol("(");
                    if (isWord(peek(), "select")) {
                        e->sub = subquery(subHeight);
                    } else {
                        do e->args.push_back(expression()); while (acceptSymbol(","));
                        expectSymbol(")");
                    }
                } else if (acceptWord("between")) {
                    e->kind = Expr::Kind::Between;
                    e->args.push_back(std::move(left));
                    e->args.push_back(concat());
                    expectWord("and");
                    e->args.push_back(concat());
                } else {
                    at_ = save;
                    return left;
                }
                e->negated = neg;
            }
            left = finish(std::move(e), subHeight);
        }
    }

    ExprPtr binary(const char* op, ExprPtr l, ExprPtr r) {
        auto e = std::make_unique<Expr>();
        e->kind = Expr::Kind::Binary;
        e->op = op;
        e->args.push_back(std::move(l));
        e->args.push_back(std::move(r));
        return finish(std::move(e));
    }

    ExprPtr concat() {
        ExprPtr e = additive();
        while (acceptSymbol("&")) e = binary("&", std::move(e), additive());
        return e;
    }
    ExprPtr additive() {
        ExprPtr e = modulo();
        for (;;) {
            if (acceptSymbol("+")) e = binary("+", std::move(e), modulo());
            else if (acceptSymbol("-")) e = binary("-", std::move(e), modulo());
            else return e;
        }
    }
    ExprPtr modulo() {
        ExprPtr e = intDivision();
        while (acceptWord("mod")) e = binary("mod", std::move(e), intDivision());
        return e;
    }
    ExprPtr intDivision() {
        ExprPtr e = multiplicative();
        while (acceptSymbol("\\")) e = binary("\\", std::move(e), multiplicative());
        return e;
    }
    ExprPtr multiplicative() {
        ExprPtr e = unary();
        for (;;) {
            if (acceptSymbol("*")) e = binary("*", std::move(e), unary());
            else if (acceptSymbol("/")) e = binary("/", std::move(e), unary());
            else return e;
        }
    }
    ExprPtr unary() {
        if (isSymbol(peek(), "-") || isSymbol(peek(), "+")) {
            DepthGuard g(*this);
            auto e = std::make_unique<Expr>();
            e->kind = Expr::Kind::Unary;
            e->op = next().text;
            e->args.push_back(unary());
            return finish(std::move(e));
        }
        return power();
    }
    ExprPtr power() {
        ExprPtr e = primary();
        while (acceptSymbol("^")) {
            ExprPtr r;
            if (isSymbol(peek(), "-") || isSymbol(peek(), "+")) r = unary();
            else r = primary();
            e = binary("^", std::move(e), std::move(r));
        }
        return e;
    }

    // A number as the lexer took it, read with a point whatever the program's locale. Beyond a Double's range
    // Jet stops with its overflow; below it the number is zero.
    static double number(const std::string& s) {
        double d = 0;
        auto r = std::from_chars(s.data(), s.data() + s.size(), d);
        if (r.ec == std::errc::result_out_of_range) {
            if (s.find("e-") == std::string::npos && s.find("E-") == std::string::npos) throw Error(kOverflow);
            d = 0;
        }
        return d;
    }

    ExprPtr literal(Value v) {
        auto e = std::make_unique<Expr>();
        e->kind = Expr::Kind::Literal;
        e->lit = std::move(v);
        return e;
    }

    ExprPtr primary() {
        const Token& t = peek();
        if (t.type == TokenType::Number) {
            std::string s = next().text;
            if (s.find_first_of(".eE") == std::string::npos && s.size() < 18) return literal(Value::integer(std::atoll(s.c_str())));
            return literal(Value::real(number(s)));
        }
        if (t.type == TokenType::String) return literal(Value::text(next().text));
        if (t.type == TokenType::Date) return literal(Value::text(dateLiteral(next().text)));
        if (acceptSymbol("(")) {
            if (isWord(peek(), "select")) {
                auto e = std::make_unique<Expr>();
                e->kind = Expr::Kind::Subquery;
                int h = 0;
                e->sub = subquery(h);
                return finish(std::move(e), h);
            }
            ExprPtr e = expression();
            expectSymbol(")");
            return e;
        }
        if (t.type != TokenType::Name) fail("uma expressão");
        if (isWord(t, "exists") && isSymbol(peek(1), "(")) {
            next();
            next();
            auto e = std::make_unique<Expr>();
            e->kind = Expr::Kind::Exists;
            if (!isWord(peek(), "select")) fail("uma subconsulta depois de EXISTS");
            int h = 0;
            e->sub = subquery(h);
            return finish(std::move(e), h);
        }
        if (!t.bracketed) {
            std::string w = lower(t.text);
            if (w == "null") { next(); return literal(Value()); }
            if (w == "true" || w == "yes" || w == "on") { next(); return literal(Value::integer(-1)); }
            if (w == "false" || w == "no" || w == "off") { next(); return literal(Value::integer(0)); }
            if (isSymbol(peek(1), "(")) return call();
        }
        std::string first = name(kNotColumn);
        auto e = std::make_unique<Expr>();
        e->kind = Expr::Kind::Column;
        if (acceptSymbol(".") || acceptSymbol("!")) {
            e->table = first;
            e->name = name(kNotColumn);
        } else {
            e->name = first;
        }
        return e;
    }

    ExprPtr call() {
        auto e = std::make_unique<Expr>();
        e->kind = Expr::Kind::Call;
        e->name = lower(next().text);
        if (!e->name.empty() && e->name.back() == '$') e->name.pop_back();
        expectSymbol("(");
        if (acceptSymbol("*")) {
            e->star = true;
        } else if (!isSymbol(peek(), ")")) {
            do e->args.push_back(expression()); while (acceptSymbol(","));
        }
        expectSymbol(")");
        return finish(std::move(e));
    }

    // #m/d/yyyy [h:mm[:ss]]#, #yyyy-mm-dd# and the other forms CDate reads, as a date value.
    static std::string dateLiteral(const std::string& s) {
        const std::optional<DateTime> d = readDate(s);
        if (!d) throw Error("Erro de sintaxe na data #" + s + "# da instrução.");
        return dateText(*d);
    }
};

}  // namespace

SelectStatement parseSelect(std::string_view sql) { return Parser(sql).select(); }
ExprPtr parseExpression(std::string_view text) { return Parser(text).criterion(); }

}  // namespace jet
