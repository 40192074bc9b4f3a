#include "cell_values.h"

#include <stdexcept>

#include "br_number.h"
#include "rng.h"
#include "theme_words.h"

namespace sample {
namespace {

// Draws from the cell's own hash, so that the order in which cells are drawn never matters.
struct CellDraw {
    std::uint64_t h;
    std::uint64_t below(std::uint64_t n) {
        h = mix64(h);
        return static_cast<std::uint64_t>((static_cast<unsigned __int128>(h) * n) >> 64);
    }
};

// Small values are commoner than large ones, as in any municipal survey.
std::int64_t skewed(CellDraw& d, std::int64_t scale) {
    const auto a = d.below(static_cast<std::uint64_t>(scale) + 1);
    const auto b = d.below(static_cast<std::uint64_t>(scale) + 1);
    return static_cast<std::int64_t>(a * b / (static_cast<std::uint64_t>(scale) + 1));
}

// FNV-1a of the code: keeps one variable's draws apart from another's, and unlike std::hash it is the
// same on every machine.
std::uint64_t codeKey(const std::string& code) {
    std::uint64_t k = 1469598103934665603ull;
    for (unsigned char c : code) k = (k ^ c) * 1099511628211ull;
    return k;
}

}  // namespace

CellValues::CellValues(const SurveyPlan& plan) : plan_(plan), indexOfCode_(851, -1) {
    const auto& areas = plan.localities.areas;
    for (std::size_t i = 0; i < areas.size(); ++i) {
        if (areas[i].code < 0 || areas[i].code > 850) throw std::invalid_argument("código de área fora de 0..850");
        indexOfCode_[static_cast<std::size_t>(areas[i].code)] = static_cast<int>(i);
    }
}

Cell CellValues::municipalityCell(const Variable& v, int areaCode) const {
    CellDraw d{keyedHash(plan_.seed, codeKey(v.code), static_cast<std::uint64_t>(areaCode))};
    // About one cell in ten of a sanitation variable is "SB"; any variable has a few of the other codes.
    auto roll = d.below(1000);
    if (v.sanitation) {
        if (roll < 100) return {kSabesp, std::nullopt};
        roll -= 100;
    }
    if (roll < 30) return {kNoAnswer, std::nullopt};
    if (roll < 45) return {kNotAvailable, std::nullopt};
    if (roll < 70) return {kNone, std::nullopt};
    switch (v.kind) {
    case ValueKind::Count: {
        const auto n = skewed(d, v.scale);
        return {formatBrInteger(n), n};
    }
    case ValueKind::Decimal: {
        const auto n = skewed(d, v.scale);
        return {formatBrDecimal(n, v.decimals), n};
    }
    case ValueKind::YesNo: {
        const bool yes = d.below(100) < 60;
        return {yes ? kYes : kNo, yes ? 1 : 0};
    }
    case ValueKind::Category:
        return {v.categories[d.below(v.categories.size())], std::nullopt};
    }
    return {};
}

Cell CellValues::groupCell(const Variable& v, const Area& group, const std::vector<Cell>& cells) const {
    std::int64_t sum = 0;
    std::int64_t counted = 0;
    for (int m : group.members) {
        const auto& c = cells[static_cast<std::size_t>(indexOfCode_[static_cast<std::size_t>(m)])];
        if (!c.number) continue;
        sum += *c.number;
        ++counted;
    }
    if (v.kind == ValueKind::Category || counted == 0) return {kNotAvailable, std::nullopt};
    if (v.kind == ValueKind::Decimal) {
        const auto mean = (sum + counted / 2) / counted;
        return {formatBrDecimal(mean, v.decimals), mean};
    }
    // Counts add up; for yes/no questions, Yes counts 1, so the sum is the number of municipalities saying Yes.
    return {formatBrInteger(sum), sum};
}

std::vector<Cell> CellValues::column(const Variable& v) const {
    const auto& areas = plan_.localities.areas;
    std::vector<Cell> cells(areas.size());
    for (std::size_t i = 0; i < areas.size(); ++i)
        if (areas[i].kind == AreaKind::Municipality) cells[i] = municipalityCell(v, areas[i].code);
    for (std::size_t i = 0; i < areas.size(); ++i)
        if (areas[i].kind != AreaKind::Municipality) cells[i] = groupCell(v, areas[i], cells);
    return cells;
}

std::string CellValues::repeatedValue(const RepeatedColumn& col, int areaCode, int repetition) const {
    CellDraw d{keyedHash(plan_.seed, codeKey(col.code), static_cast<std::uint64_t>(areaCode),
                         static_cast<std::uint64_t>(repetition))};
    if (d.below(100) < 3) return kNoAnswer;
    switch (col.kind) {
    case ValueKind::Count: return formatBrInteger(1 + skewed(d, col.scale));
    case ValueKind::YesNo: return d.below(100) < 65 ? kYes : kNo;
    case ValueKind::Category: return col.categories[d.below(col.categories.size())];
    case ValueKind::Decimal: break;
    }
    throw std::logic_error("coluna do grupo repetido sem tipo de valor");
}

std::vector<std::string> CellValues::repeatedRow(const Area& area) const {
    const auto& cols = plan_.catalogue.repeatedColumns;
    std::vector<std::string> row;
    row.reserve(kRepetitions * (kRepeatedColumns + 1));
    // Each municipality lists distinct councils, in an order of its own.
    std::vector<std::string> councils = councilNames();
    Rng order(keyedHash(plan_.seed, 0xC0DEull, static_cast<std::uint64_t>(area.code)));
    order.shuffle(councils);
    for (int n = 1; n <= kRepetitions; ++n) {
        const bool real = n <= area.repetitions;
        row.push_back(real ? councils[static_cast<std::size_t>(n - 1) % councils.size()] : kNone);
        for (int k = 0; k < kRepeatedColumns; ++k)
            row.push_back(real ? repeatedValue(cols[static_cast<std::size_t>(k)], area.code, n) : kNone);
    }
    return row;
}

}  // namespace sample
