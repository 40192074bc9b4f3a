#include "row_builder.h"

namespace jetwrite {
namespace {

Bytes nullMask(const TableLayout& layout, const RowFields& fields) {
    Bytes mask((layout.places.size() + 7) / 8, 0);
    for (std::size_t i = 0; i < layout.places.size(); ++i)
        if (fields.bytes[i] || fields.bits[i]) mask[i / 8] |= static_cast<std::uint8_t>(1 << (i % 8));
    return mask;
}

// Jet 3 offsets are one byte: jump k names the first offset at or past (k + 1) * 256 bytes. Their number
// follows from the whole row's length, so the last may name none (0xFF).
Bytes jumpTable(const std::vector<std::size_t>& offsets, std::size_t rowWithoutJumps) {
    std::size_t jumps = 0;
    while ((rowWithoutJumps + jumps - 1) / 256 > jumps) ++jumps;
    Bytes table(jumps, 0xFF);
    for (std::size_t k = 0; k < jumps; ++k)
        for (std::size_t i = 0; i < offsets.size(); ++i)
            if (offsets[i] >= (k + 1) * 256) {
                table[k] = static_cast<std::uint8_t>(i);
                break;
            }
    return table;
}

}  // namespace

Bytes buildRow(const Format& f, const TableLayout& layout, const RowFields& fields) {
    const int countSize = f.jet4() ? 2 : 1;
    Bytes row;
    append(row, layout.places.size(), countSize);
    Bytes fixed(static_cast<std::size_t>(layout.fixedSize), 0);
    std::vector<const Bytes*> variable(static_cast<std::size_t>(layout.varCount), nullptr);
    for (std::size_t i = 0; i < layout.places.size(); ++i) {
        const ColumnPlace& p = layout.places[i];
        const auto& b = fields.bytes[i];
        if (p.fixed && b) std::copy(b->begin(), b->end(), fixed.begin() + p.fixedOffset);
        else if (!p.fixed && b) variable[static_cast<std::size_t>(p.varIndex)] = &*b;
    }
    append(row, fixed);
    const Bytes mask = nullMask(layout, fields);
    if (layout.varCount == 0) {
        append(row, mask);
        return row;
    }
    std::vector<std::size_t> offsets;  // each variable value's start, then the end of them all
    for (const Bytes* v : variable) {
        offsets.push_back(row.size());
        if (v) append(row, *v);
    }
    offsets.push_back(row.size());
    const std::size_t offsetSize = f.jet4() ? 2 : 1;
    const std::size_t tail = offsets.size() * offsetSize + static_cast<std::size_t>(countSize) + mask.size();
    const Bytes jumps = f.jet4() ? Bytes{} : jumpTable(offsets, row.size() + tail);
    for (std::size_t i = offsets.size(); i-- > 0;) append(row, offsets[i] & (f.jet4() ? 0xFFFF : 0xFF), static_cast<int>(offsetSize));
    for (std::size_t k = jumps.size(); k-- > 0;) row.push_back(jumps[k]);
    append(row, static_cast<std::uint64_t>(layout.varCount), countSize);
    append(row, mask);
    return row;
}

}  // namespace jetwrite
