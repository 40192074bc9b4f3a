#include "table_definition.h"

#include "text_encoding.h"
#include "validation.h"

namespace jetwrite {
namespace {

constexpr std::size_t kPageHeader = 8;
constexpr std::uint8_t kUserTable = 0x4E;
constexpr std::uint8_t kSystemTable = 0x53;
constexpr std::uint8_t kFixedColumn = 0x01;
constexpr std::uint8_t kNullable = 0x02;
constexpr std::uint8_t kCompressedUnicode = 0x01;

// The block before the column entries; Jet 4 puts 20 more bytes before the table type.
void putCounts(const Format& f, Bytes& d, const TableLayout& layout, const DefinitionFacts& facts) {
    const std::size_t shift = f.jet4() ? 20 : 0;
    put32(d, f.jet4() ? 16 : 12, facts.rows);
    if (f.jet4()) d[24] = 0x01;  // as Access sets it; readers ignore it
    d[20 + shift] = facts.system ? kSystemTable : kUserTable;
    const auto columns = static_cast<std::uint32_t>(layout.places.size());
    put16(d, 21 + shift, columns);
    put16(d, 23 + shift, static_cast<std::uint32_t>(layout.varCount));
    put16(d, 25 + shift, columns);
    put32(d, 35 + shift, facts.usedPages);
    put32(d, 39 + shift, facts.freePages);
}

Bytes columnEntry(const Format& f, const Column& c, const ColumnPlace& p) {
    Bytes e(static_cast<std::size_t>(f.columnEntrySize), 0);
    e[0] = static_cast<std::uint8_t>(typeCode(c.type));
    const std::size_t base = f.jet4() ? 5 : 1;  // Jet 4 has four bytes before the column number
    put16(e, base, static_cast<std::uint32_t>(p.number));
    put16(e, base + 2, static_cast<std::uint32_t>(p.varIndex));
    put16(e, base + 4, static_cast<std::uint32_t>(p.number));
    const bool text = c.type == Type::Text || c.type == Type::Memo;
    if (f.jet4()) {
        if (text) put16(e, 11, kGeneralSortOrder);
        e[15] = static_cast<std::uint8_t>((p.fixed ? kFixedColumn : 0) | kNullable);
        if (c.type == Type::Text) e[16] = kCompressedUnicode;
        put16(e, 21, static_cast<std::uint32_t>(p.fixedOffset));
        put16(e, 23, static_cast<std::uint32_t>(p.declaredLength));
    } else {
        if (text) {
            put16(e, 9, kGeneralSortOrder);
            put16(e, 11, kCodePage);
        }
        e[13] = static_cast<std::uint8_t>((p.fixed ? kFixedColumn : 0) | kNullable);
        put16(e, 14, static_cast<std::uint32_t>(p.fixedOffset));
        put16(e, 16, static_cast<std::uint32_t>(p.declaredLength));
    }
    return e;
}

std::size_t pageRoom(const Format& f) { return static_cast<std::size_t>(f.pageSize) - kPageHeader; }

}  // namespace

Bytes tableDefinition(const Format& f, const Table& t, const TableLayout& layout, const DefinitionFacts& facts) {
    Bytes d(static_cast<std::size_t>(f.definitionStart), 0);
    putCounts(f, d, layout, facts);
    for (std::size_t i = 0; i < t.columns.size(); ++i) append(d, columnEntry(f, t.columns[i], layout.places[i]));
    for (const auto& c : t.columns) append(d, storedName(f, c.name, place(t, &c)));
    append(d, 0xFFFF, 2);  // the end of the (empty) list of the columns' own usage maps
    put32(d, 8, static_cast<std::uint32_t>(d.size() - kPageHeader));
    return d;
}

std::size_t definitionPageCount(const Format& f, std::size_t length) {
    return (length - kPageHeader + pageRoom(f) - 1) / pageRoom(f);
}

void writeDefinition(PageFile& file, const std::vector<std::uint32_t>& pages, const Bytes& definition) {
    const Format& f = file.format();
    std::size_t from = kPageHeader;
    for (std::size_t k = 0; k < pages.size(); ++k) {
        Bytes& p = file.page(pages[k]);
        const std::size_t n = std::min(pageRoom(f), definition.size() - from);
        std::copy(definition.begin() + static_cast<std::ptrdiff_t>(from),
                  definition.begin() + static_cast<std::ptrdiff_t>(from + n), p.begin() + kPageHeader);
        from += n;
        p[0] = 0x02;
        p[1] = 0x01;
        if (f.jet4()) put16(p, 2, static_cast<std::uint32_t>(pageRoom(f) - n));
        else p[2] = 'V', p[3] = 'C';
        put32(p, 4, k + 1 < pages.size() ? pages[k + 1] : 0);
    }
}

}  // namespace jetwrite
