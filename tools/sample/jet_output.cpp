#include "jet_output.h"

namespace sample {
namespace {

constexpr std::size_t kLongestText = 255;

// The characters of a UTF-8 text as Jet counts them (UTF-16 code units).
std::size_t jetLength(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char c : s) {
        if ((c & 0xC0) != 0x80) ++n;
        if (c >= 0xF0) ++n;
    }
    return n;
}

jetwrite::Type jetType(const Table& t, std::size_t column) {
    switch (t.columns[column].type) {
    case ColumnType::Integer: return jetwrite::Type::Long;
    case ColumnType::Boolean: return jetwrite::Type::YesNo;
    case ColumnType::Memo: return jetwrite::Type::Memo;
    case ColumnType::Text: break;
    }
    for (const auto& row : t.rows)
        if (const auto* s = std::get_if<std::string>(&row[column]); s && jetLength(*s) > kLongestText) return jetwrite::Type::Memo;
    return jetwrite::Type::Text;
}

jetwrite::Value jetValue(jetwrite::Type type, const Field& f) {
    if (const auto* i = std::get_if<std::int64_t>(&f)) {
        if (type == jetwrite::Type::YesNo) return *i != 0;
        return *i;
    }
    if (const auto* s = std::get_if<std::string>(&f)) return *s;
    return std::monostate{};
}

}  // namespace

std::vector<jetwrite::Table> jetTables(const std::vector<Table>& tables) {
    std::vector<jetwrite::Table> out;
    out.reserve(tables.size());
    for (const auto& t : tables) {
        jetwrite::Table j{t.name, {}, {}};
        std::vector<jetwrite::Type> types;
        for (std::size_t c = 0; c < t.columns.size(); ++c) {
            types.push_back(jetType(t, c));
            j.columns.push_back({t.columns[c].name, types.back(), static_cast<int>(kLongestText)});
        }
        j.rows.reserve(t.rows.size());
        for (const auto& row : t.rows) {
            jetwrite::Row r;
            r.reserve(row.size());
            for (std::size_t c = 0; c < row.size(); ++c) r.push_back(jetValue(types[c], row[c]));
            j.rows.push_back(std::move(r));
        }
        out.push_back(std::move(j));
    }
    return out;
}

}  // namespace sample
