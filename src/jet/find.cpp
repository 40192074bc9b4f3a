// Find-first on a recordset's rows. The criteria programs write most ("Code = 5", "Code = 'X1'") are answered
// from a per-column index; anything else is evaluated by SQLite over a copy of the rows, so that a criterion
// means exactly what the same expression means in a statement.
#include <sqlite3.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

#include "error.h"
#include "sql_text.h"
#include "parser.h"
#include "recordset_data.h"
#include "sqlite_setup.h"
#include "text.h"
#include "translate.h"

namespace jet {
namespace {

struct Equality {
    std::string column;
    Value literal;
};

void skipBlanks(const std::string& s, std::size_t& i) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
}

bool namePart(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c >= 0x80;
}

bool isValueWord(const std::string& name) {
    static constexpr const char* kWords[] = {"true", "false", "yes", "no", "on", "off", "null"};
    const std::string f = foldName(name);
    for (const char* w : kWords)
        if (f == w) return true;
    return false;
}

// Reads "[T.]Name = literal" without building a syntax tree: the look-up loops of the result layouts call
// find-first hundreds of thousands of times. Anything it does not recognise goes to the full parser.
bool readEquality(const std::string& s, Equality& out) {
    std::size_t i = 0;
    skipBlanks(s, i);
    const std::size_t start = i;
    auto readName = [&](std::string& name) {
        if (i < s.size() && s[i] == '[') {
            std::size_t close = s.find(']', i + 1);
            if (close == std::string::npos) return false;
            name = s.substr(i + 1, close - i - 1);
            i = close + 1;
            return true;
        }
        std::size_t b = i;
        while (i < s.size() && namePart(static_cast<unsigned char>(s[i]))) ++i;
        if (i == b || (s[b] >= '0' && s[b] <= '9')) return false;
        name = s.substr(b, i - b);
        return true;
    };
    if (!readName(out.column)) return false;
    // True, Yes, Null ... are values, not fields: the parser reads them.
    if (s[start] != '[' && isValueWord(out.column)) return false;
    if (i < s.size() && s[i] == '.') {
        ++i;
        if (!readName(out.column)) return false;
    }
    skipBlanks(s, i);
    if (i >= s.size() || s[i] != '=') return false;
    ++i;
    skipBlanks(s, i);
    if (i < s.size() && (s[i] == '\'' || s[i] == '"')) {
        char q = s[i];
        std::string text;
        std::size_t j = i + 1;
        for (;; ++j) {
            if (j >= s.size()) return false;
            if (s[j] != q) { text += s[j]; continue; }
            if (j + 1 < s.size() && s[j + 1] == q) { text += q; ++j; continue; }
            break;
        }
        i = j + 1;
        out.literal = Value::text(std::move(text));
    } else {
        std::size_t b = i;
        if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
        while (i < s.size() && ((s[i] >= '0' && s[i] <= '9') || s[i] == '.')) ++i;
        if (b >= s.size()) return false;
        const char* first = s.data() + b + (s[b] == '+' ? 1 : 0);
        // a whole number stays exact: the look-up must tell 2^53 + 1 from 2^53
        std::int64_t whole;
        double d;
        auto w = std::from_chars(first, s.data() + i, whole);
        auto r = std::from_chars(first, s.data() + i, d);
        if (w.ec == std::errc() && w.ptr == s.data() + i) out.literal = Value::integer(whole);
        else if (r.ec == std::errc() && r.ptr == s.data() + i) out.literal = Value::real(d);
        else return false;
    }
    skipBlanks(s, i);
    return i == s.size();
}

// The same shape, from a parsed criterion.
bool equalityOf(const Expr& e, Equality& out) {
    if (e.kind != Expr::Kind::Compare || e.op != "=") return false;
    const Expr* col = e.args[0].get();
    const Expr* lit = e.args[1].get();
    if (col->kind != Expr::Kind::Column) std::swap(col, lit);
    if (col->kind != Expr::Kind::Column || lit->kind != Expr::Kind::Literal || lit->lit.isNull()) return false;
    out.column = col->name;
    out.literal = lit->lit;
    return true;
}

// A number that is whole, as an exact integer: the key of the look-up for every whole number.
std::optional<std::int64_t> exactWhole(const Value& v) {
    if (v.kind() == Value::Kind::Integer || v.kind() == Value::Kind::Boolean) return v.toInteger();
    const double d = v.toDouble();
    if (d != std::floor(d) || !(d >= -9223372036854775808.0 && d < 9223372036854775808.0)) return std::nullopt;
    return static_cast<std::int64_t>(d);
}

ColumnIndex& indexOf(RecordsetData& d, int col, const TextRules& rules) {
    auto it = d.indexes.find(col);
    if (it != d.indexes.end()) return it->second;
    ColumnIndex& ix = d.indexes[col];
    for (int r = 0; r < d.rows; ++r) {
        const Value& v = d.cell(r, col);
        if (v.isNull()) continue;
        if (v.kind() == Value::Kind::Text) {
            ix.hasTexts = true;
            ix.texts.emplace(rules.sortKey(v.toText()), r);
        } else {
            ix.hasNumbers = true;
            if (const auto w = exactWhole(v)) ix.wholes.emplace(*w, r);
            else ix.numbers.emplace(v.toDouble(), r);
        }
    }
    return ix;
}

// -1 for no match, -2 when the index cannot answer (a text compared with a number column or the reverse,
// which Jet settles by converting, as SQLite does).
int findByIndex(RecordsetData& d, const Equality& q) {
    int col = d.columnOf(q.column);
    if (col < 0) throw Error("O campo '" + q.column + "' do critério não existe no recordset.");
    const TextRules& rules = d.database->textRules();
    ColumnIndex& ix = indexOf(d, col, rules);
    if (q.literal.kind() == Value::Kind::Text) {
        if (ix.hasNumbers) return -2;
        auto it = ix.texts.find(rules.sortKey(q.literal.toText()));
        return it == ix.texts.end() ? -1 : it->second;
    }
    if (ix.hasTexts) return -2;
    if (const auto w = exactWhole(q.literal)) {
        auto it = ix.wholes.find(*w);
        return it == ix.wholes.end() ? -1 : it->second;
    }
    auto it = ix.numbers.find(q.literal.toDouble());
    return it == ix.numbers.end() ? -1 : it->second;
}

void check(int rc, sqlite3* db, const std::string& what) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) throw Error(what + ": " + sqlite3_errmsg(db));
}

constexpr const char* kScratchFailed = "Não foi possível preparar a pesquisa no recordset";

// The scratch table's own key: a name none of the recordset's fields has, so that every field keeps its
// place and a criterion on a field named like the key reads the field.
std::string keyName(const RecordsetData& d) {
    std::string key = "jet_row";
    for (int n = 1;; ++n) {
        bool taken = false;
        for (const auto& f : d.foldedNames) taken = taken || f == key;
        if (!taken) return key;
        key = "jet_row" + std::to_string(n);
    }
}

void bindValue(sqlite3_stmt* st, int p, const Value& v, int& rc) {
    switch (v.kind()) {
    case Value::Kind::Null: rc = sqlite3_bind_null(st, p); break;
    case Value::Kind::Integer: case Value::Kind::Boolean: rc = sqlite3_bind_int64(st, p, v.toInteger()); break;
    case Value::Kind::Double: rc = sqlite3_bind_double(st, p, v.toDouble()); break;
    case Value::Kind::Text: {
        const std::string& t = v.toText();
        rc = sqlite3_bind_text(st, p, t.data(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
        break;
    }
    }
}

// Copies the rows into the scratch database once, as a table with the recordset's field names. Every step is
// checked: a copy that stopped half-way would answer from part of the rows.
void ensureScratch(RecordsetData& d) {
    if (!d.scratchTable.empty()) return;
    sqlite3* db = d.database->scratchHandle();
    const std::string table = "rs" + std::to_string(d.database->nextScratchTable++);
    d.scratchKey = keyName(d);
    std::string create = "CREATE TABLE " + table + " (" + quoteName(d.scratchKey) + " INTEGER PRIMARY KEY";
    std::vector<std::string> seen;
    std::vector<int> kept;
    for (int c = 0; c < d.columns(); ++c) {
        // A repeated name (possible in a join) is reachable through its first column only, as in Jet.
        bool dup = false;
        for (const auto& s : seen) dup = dup || s == d.foldedNames[c];
        if (dup) continue;
        seen.push_back(d.foldedNames[c]);
        kept.push_back(c);
        create += ", " + quoteName(d.names[c]);
    }
    create += ")";
    check(sqlite3_exec(db, create.c_str(), nullptr, nullptr, nullptr), db, kScratchFailed);
    std::string insert = "INSERT INTO " + table + " VALUES (?";
    for (std::size_t i = 0; i < kept.size(); ++i) insert += ", ?";
    insert += ")";
    sqlite3_stmt* st = nullptr;
    int rc = sqlite3_prepare_v2(db, insert.c_str(), -1, &st, nullptr);
    bool begun = false;
    if (rc == SQLITE_OK) {
        rc = sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        begun = rc == SQLITE_OK;
    }
    for (int r = 0; r < d.rows && rc == SQLITE_OK; ++r) {
        rc = sqlite3_bind_int(st, 1, r);
        for (std::size_t i = 0; i < kept.size() && rc == SQLITE_OK; ++i)
            bindValue(st, static_cast<int>(i) + 2, d.cell(r, kept[i]), rc);
        if (rc == SQLITE_OK) rc = sqlite3_step(st);
        if (rc == SQLITE_DONE) rc = sqlite3_reset(st);
    }
    if (rc == SQLITE_OK && begun) rc = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        const std::string m = sqlite3_errmsg(db);
        sqlite3_finalize(st);
        if (begun) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_exec(db, ("DROP TABLE IF EXISTS " + table).c_str(), nullptr, nullptr, nullptr);
        throw Error(std::string(kScratchFailed) + ": " + m);
    }
    sqlite3_finalize(st);
    d.scratchTable = table;
}

// A criterion names only the recordset's fields: not the scratch table's key, nor anything else there.
void checkFields(RecordsetData& d, const Expr& e) {
    if (e.kind == Expr::Kind::Column && d.columnOf(e.name) < 0)
        throw Error("O campo '" + e.name + "' do critério não existe no recordset.");
    for (const auto& a : e.args) checkFields(d, *a);
}

// Criteria name the recordset's fields; a table qualifier ("V.NumSeq") has nothing left to qualify. Each field is
// written as the recordset spells it, which SQLite then finds whatever the case of its accented letters.
void spellFields(RecordsetData& d, Expr& e) {
    if (e.kind == Expr::Kind::Column) {
        e.table.clear();
        const int col = d.columnOf(e.name);
        if (col >= 0) e.name = d.names[static_cast<std::size_t>(col)];
    }
    for (auto& a : e.args) spellFields(d, *a);
}

int findBySql(RecordsetData& d, Expr& criterion, const std::string& text) {
    checkFields(d, criterion);
    spellFields(d, criterion);
    ensureScratch(d);
    sqlite3* db = d.database->scratchHandle();
    std::string sql = "SELECT min(" + quoteName(d.scratchKey) + ") FROM " + d.scratchTable + " WHERE " + translateExpression(criterion);
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
        std::string m = sqlite3_errmsg(db);
        sqlite3_finalize(st);
        throw Error(statementError(m, text, d.database->path));
    }
    int rc = sqlite3_step(st);
    int row = -1;
    if (rc == SQLITE_ROW && sqlite3_column_type(st, 0) != SQLITE_NULL) row = sqlite3_column_int(st, 0);
    std::string m = rc == SQLITE_ROW ? std::string() : sqlite3_errmsg(db);
    sqlite3_finalize(st);
    if (rc != SQLITE_ROW) throw Error(statementError(m, text, d.database->path));
    return row;
}

int findRowOf(RecordsetData& d, const std::string& criterion) {
    Equality q;
    if (readEquality(criterion, q)) {
        int r = findByIndex(d, q);
        if (r != -2) return r;
    }
    ExprPtr e = parseExpression(criterion);
    if (equalityOf(*e, q)) {
        int r = findByIndex(d, q);
        if (r != -2) return r;
    }
    return findBySql(d, *e, criterion);
}

}  // namespace

// A criterion that cannot be read or run is told with the file and the criterion, as a statement is.
int findRow(RecordsetData& d, const std::string& criterion) {
    try {
        return findRowOf(d, criterion);
    } catch (const Error& e) {
        throw Error(inStatement(e.what(), criterion, d.database->path));
    }
}

RecordsetData::~RecordsetData() {
    if (!scratchTable.empty() && database && database->scratch)
        sqlite3_exec(database->scratch, ("DROP TABLE " + scratchTable).c_str(), nullptr, nullptr, nullptr);
}

}  // namespace jet
