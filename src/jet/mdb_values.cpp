#include "mdb_values.h"

#include <cstdlib>
#include <cstring>

#include "stored_calculated.h"
#include "stored_date.h"

namespace jet {
namespace {

// Jet's long values (memo text) live in rows of "LVAL" pages, chained when they span pages. libmdb follows
// the chain without checking where it leads: a zeroed page reads back as an empty text, a chain that loops
// never ends. The chain is walked here, at most once through the file's pages, and its stored bytes are
// gathered into `out`.
void checkedMemoBytes(MdbHandle* mdb, const Column& c, const std::string& table, const Spending& spent, std::string& out) {
    const auto damaged = [&](const std::string& why) {
        return damagedTable(table, "o texto longo da coluna " + quoted(c.col->name) + " " + why);
    };
    out.clear();
    if (c.col->cur_value_len < MDB_MEMO_OVERHEAD) throw damaged("tem um cabeçalho incompleto");
    const unsigned long header = static_cast<unsigned long>(mdb_get_int32(mdb->pg_buf, c.col->cur_value_start));
    if (header & 0x80000000UL) {  // in the row
        out.assign(reinterpret_cast<const char*>(mdb->pg_buf) + c.col->cur_value_start + MDB_MEMO_OVERHEAD,
                   static_cast<std::size_t>(c.col->cur_value_len - MDB_MEMO_OVERHEAD));
        return;
    }
    const std::uint64_t length = header & 0x00ffffffUL;
    if (length > spent.fileBytes) throw damaged("declara mais bytes do que o arquivo tem");
    const bool onePage = header & 0x40000000UL;
    if (!onePage && (header & 0xff000000UL) != 0) throw damaged("tem um tipo desconhecido");
    int pgRow = static_cast<int>(mdb_get_int32(mdb->pg_buf, c.col->cur_value_start + 4));
    const std::size_t pageSize = static_cast<std::size_t>(mdb->fmt->pg_size);
    for (std::uint64_t step = 0; step <= spent.pages; ++step) {
        void* buf = nullptr;
        int start = 0;
        size_t len = 0;
        if (mdb_find_pg_row(mdb, pgRow, &buf, &start, &len) != 0) throw damaged("aponta para fora das suas páginas");
        const auto* page = static_cast<const unsigned char*>(buf);
        if (page[0] != MDB_PAGE_DATA || std::memcmp(page + 4, "LVAL", 4) != 0)
            throw damaged("aponta para uma página que não é de textos longos");
        const std::size_t at = static_cast<std::size_t>(start) & 0x1fff;
        if (at + len > pageSize || len > pageSize) throw damaged("aponta para fora da sua página");
        const char* row = reinterpret_cast<const char*>(page) + at;
        if (onePage) {
            if (len < length) throw damaged("é mais curto do que declara");
            out.assign(row, static_cast<std::size_t>(length));
            return;
        }
        if (len < 4) break;
        out.append(row + 4, len - 4);
        if (out.size() >= length) {
            out.resize(static_cast<std::size_t>(length));
            return;
        }
        pgRow = static_cast<int>(mdb_get_int32(buf, static_cast<int>(at)));
        if (pgRow == 0) break;
    }
    throw damaged("não está inteiro nas suas páginas");
}

void appendText(MdbHandle* mdb, std::optional<StoredTextForm> form, std::span<const unsigned char> v, std::string& out) {
    if (form) {
        appendStoredText(*form, v.data(), v.size(), out);
        return;
    }
    std::vector<char> converted(v.size() * 4 + 16);
    const int n = mdb_unicode2ascii(mdb, reinterpret_cast<const char*>(v.data()), v.size(), converted.data(), converted.size());
    out.append(converted.data(), static_cast<std::size_t>(std::max(n, 0)));
}

// Whether a column's value is decoded by bindStoredValue; dates keep their own line, Decimal numbers and
// Yes/No values libmdb's text.
bool fromStoredBytes(const Column& c) {
    if (c.calculated) return true;
    return c.reading != Reading::LibmdbText && c.reading != Reading::Date && c.reading != Reading::Boolean;
}

// Binds a value taken from its stored bytes (a calculated column's result, after its header) to parameter
// `p`; returns the bytes it adds to the copy.
std::uint64_t bindStoredValue(MdbHandle* mdb, const Column& c, std::span<const unsigned char> v,
                              std::optional<StoredTextForm> textForm, std::string& text, sqlite3_stmt* st, int p,
                              const std::string& table) {
    const auto bindText = [&](const std::string& t) {
        sqlite3_bind_text(st, p, t.data(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
        return static_cast<std::uint64_t>(t.size());
    };
    const auto wrongSize = [&] {
        return damagedTable(table, "a coluna " + quoted(c.col->name) + (c.reading == Reading::Number ? " tem um número de " : " tem um valor de ") +
                                       std::to_string(v.size()) + " bytes, que o seu tipo não admite");
    };
    if (c.calculated && v.empty()) {  // an expression without a result
        sqlite3_bind_null(st, p);
        return 0;
    }
    switch (c.reading) {
    case Reading::Text:
    case Reading::Memo:
        text.clear();
        appendText(mdb, textForm, v, text);
        return bindText(text);
    case Reading::Guid: {
        const std::optional<std::string> guid = storedGuidText(v.data(), v.size());
        if (!guid) throw wrongSize();
        return bindText(*guid);
    }
    case Reading::Number:
        if (!bindStoredNumber(*c.stored, v, st, p)) throw wrongSize();
        return 8;
    case Reading::Date: {
        if (v.size() != 8) throw wrongSize();
        const std::optional<std::string> date = storedDateText(mdb_get_double(const_cast<unsigned char*>(v.data()), 0));
        if (!date) throw damagedTable(table, "a coluna " + quoted(c.col->name) + " tem uma data fora dos anos 100 a 9999");
        return bindText(*date);
    }
    case Reading::Boolean:
        sqlite3_bind_int(st, p, v[0] != 0 ? -1 : 0);
        return 1;
    case Reading::CalculatedDecimal: {
        const std::optional<double> d = calculatedDecimal(v);
        if (!d) throw wrongSize();
        sqlite3_bind_double(st, p, *d);
        return 8;
    }
    case Reading::LibmdbText:
        break;
    }
    return 0;
}

}  // namespace

// Texts of a Jet 3 file in a code page other than Windows-1252 keep libmdb's conversion, in which a byte
// without a character becomes '?'.
std::optional<StoredTextForm> textFormOf(MdbHandle* mdb) {
    if (mdb->f->jet_version != MDB_VER_JET3) return StoredTextForm::Utf16;
    if (mdb->f->code_page == 1252 || mdb->f->code_page == 0) return StoredTextForm::Windows1252;
    return std::nullopt;
}

std::uint64_t bindRow(MdbHandle* mdb, const std::vector<Column>& cols, RowDecoding& decoding, sqlite3_stmt* st,
                      const std::string& name, const Spending& spent) {
    std::uint64_t rowBytes = 0;
    const auto* page = static_cast<const unsigned char*>(static_cast<const void*>(mdb->pg_buf));
    for (std::size_t i = 0; i < cols.size(); ++i) {
        const Column& c = cols[i];
        const int p = static_cast<int>(i) + 1;
        if (c.col->cur_value_len > 0 && c.stored && !c.calculated) {  // the commonest value first, directly
            std::span<const unsigned char> v(page + c.col->cur_value_start, static_cast<std::size_t>(c.col->cur_value_len));
            if (!bindStoredNumber(*c.stored, v, st, p))
                throw damagedTable(name, "a coluna " + quoted(c.col->name) + " tem um número de " +
                                             std::to_string(v.size()) + " bytes, que o seu tipo não admite");
            rowBytes += 8;
            continue;
        }
        if (fromStoredBytes(c)) {
            if (c.col->cur_value_len == 0) { sqlite3_bind_null(st, p); continue; }
            std::span<const unsigned char> v(page + c.col->cur_value_start, static_cast<std::size_t>(c.col->cur_value_len));
            if (c.reading == Reading::Memo) {
                checkedMemoBytes(mdb, c, name, spent, decoding.memo);
                v = std::span<const unsigned char>(reinterpret_cast<const unsigned char*>(decoding.memo.data()), decoding.memo.size());
            }
            if (c.calculated) {
                const auto result = calculatedResult(v);
                if (!result)
                    throw damagedTable(name, "a coluna calculada " + quoted(c.col->name) + " tem um resultado guardado incompleto");
                v = *result;
            }
            rowBytes += bindStoredValue(mdb, c, v, decoding.textForm, decoding.decoded, st, p, name);
            continue;
        }
        if (c.store == Store::Date) {
            if (c.col->cur_value_len == 0) { sqlite3_bind_null(st, p); continue; }
            std::optional<std::string> text;
            if (c.col->cur_value_len == 8) text = storedDateText(mdb_get_double(mdb->pg_buf, c.col->cur_value_start));
            if (!text)
                throw damagedTable(name, "a coluna " + quoted(c.col->name) + " tem uma data fora dos anos 100 a 9999");
            rowBytes += text->size();
            sqlite3_bind_text(st, p, text->data(), static_cast<int>(text->size()), SQLITE_TRANSIENT);
            continue;
        }
        const char* v = c.buffer.data();
        if (c.store == Store::Boolean) {  // never Null in Jet; libmdb writes "1" or "0"
            sqlite3_bind_int(st, p, v[0] == '1' ? -1 : 0);
            rowBytes += 1;
            continue;
        }
        if (c.length == 0) { sqlite3_bind_null(st, p); continue; }
        sqlite3_bind_double(st, p, std::strtod(v, nullptr));  // a Decimal, in libmdb's text
        rowBytes += 8;
    }
    return rowBytes;
}

}  // namespace jet
