#include "table_rows.h"

#include <algorithm>
#include <cstring>

#include "long_values.h"
#include "row_builder.h"
#include "text_encoding.h"
#include "validation.h"

namespace jetwrite {
namespace {

// Access keeps a memo compressed only up to this many characters.
constexpr std::size_t kLongestCompressedMemo = 1024;
// A memo's length takes the low three bytes of its field; the fourth says where the value is.
constexpr std::size_t kLongestMemoBytes = 0xFFFFFF;

Bytes fixedValue(Type type, const Value& v) {
    Bytes b;
    const auto number = [&] { return std::holds_alternative<double>(v) ? std::get<double>(v) : static_cast<double>(std::get<std::int64_t>(v)); };
    switch (type) {
    case Type::Byte: append(b, static_cast<std::uint64_t>(std::get<std::int64_t>(v)), 1); break;
    case Type::Integer: append(b, static_cast<std::uint64_t>(std::get<std::int64_t>(v)), 2); break;
    case Type::Long: append(b, static_cast<std::uint64_t>(std::get<std::int64_t>(v)), 4); break;
    case Type::Single: {
        const float s = static_cast<float>(number());
        std::uint32_t bits;
        std::memcpy(&bits, &s, sizeof bits);
        append(b, bits, 4);
        break;
    }
    case Type::Double: appendDouble(b, number()); break;
    case Type::Currency: append(b, static_cast<std::uint64_t>(std::get<Currency>(v).tenThousandths), 8); break;
    case Type::DateTime: appendDouble(b, std::get<Date>(v).serial); break;
    default: break;
    }
    return b;
}

struct PreparedRow {
    RowFields fields;
    std::vector<std::optional<Bytes>> memos;  // memo values still to be placed, by column
};

PreparedRow prepare(const Format& f, const Table& t, std::size_t r) {
    PreparedRow p;
    const Row& row = t.rows[r];
    p.fields.bytes.resize(row.size());
    p.fields.bits.assign(row.size(), false);
    p.memos.resize(row.size());
    for (std::size_t i = 0; i < row.size(); ++i) {
        const Value& v = row[i];
        const Type type = t.columns[i].type;
        if (std::holds_alternative<std::monostate>(v)) continue;
        if (type == Type::YesNo) {
            p.fields.bits[i] = std::get<bool>(v);
        } else if (type == Type::Text || type == Type::Memo) {
            const std::string where = place(t, &t.columns[i]);
            const std::u16string text = utf16(std::get<std::string>(v), where);
            Bytes stored = storedText(f, text, type == Type::Text || text.size() <= kLongestCompressedMemo, where);
            if (type == Type::Memo && stored.size() > kLongestMemoBytes)
                throw WriteError(where + ", linha " + std::to_string(r + 1) + ": memorando de mais de 16 MB");
            if (type == Type::Text) p.fields.bytes[i] = std::move(stored);
            else p.memos[i] = std::move(stored);
        } else {
            p.fields.bytes[i] = fixedValue(type, v);
        }
    }
    return p;
}

// Memos stay in the row while it fits a page; the longest goes out first.
Bytes layOut(PageFile& file, const Table& t, const TableLayout& layout, PreparedRow& p, std::size_t r) {
    const Format& f = file.format();
    std::vector<std::size_t> memos;
    for (std::size_t i = 0; i < p.memos.size(); ++i)
        if (p.memos[i]) memos.push_back(i);
    std::vector<std::size_t> order = memos;  // the memos still in the row, shortest first
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return p.memos[a]->size() < p.memos[b]->size(); });
    std::vector<bool> outside(p.memos.size(), false);
    const auto fields = [&] {
        RowFields copy = p.fields;
        for (std::size_t i : memos) copy.bytes[i] = outside[i] ? Bytes(kLongValueHeader, 0) : inlineLongValue(*p.memos[i]);
        return copy;
    };
    Bytes row = buildRow(f, layout, fields());
    while (row.size() > static_cast<std::size_t>(f.maxRowSize()) && !order.empty()) {
        outside[order.back()] = true;
        order.pop_back();
        row = buildRow(f, layout, fields());
    }
    if (row.size() > static_cast<std::size_t>(f.maxRowSize()))
        throw WriteError(place(t) + ", linha " + std::to_string(r + 1) + ": a linha tem " + std::to_string(row.size()) +
                         " bytes e não cabe numa página, que guarda " + std::to_string(f.maxRowSize()));
    if (order.size() == memos.size()) return row;
    for (std::size_t i : memos) p.fields.bytes[i] = outside[i] ? storeLongValue(file, *p.memos[i]) : inlineLongValue(*p.memos[i]);
    return buildRow(f, layout, p.fields);
}

}  // namespace

std::vector<std::uint32_t> writeRows(PageFile& file, const Table& t, const TableLayout& layout, std::uint32_t owner) {
    RowPages pages(file, owner);
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        PreparedRow p = prepare(file.format(), t, r);
        const Bytes row = layOut(file, t, layout, p, r);
        checkJumpTable(file.format(), t, r, layout, row);
        pages.add(row);
    }
    return pages.pages();
}

}  // namespace jetwrite
