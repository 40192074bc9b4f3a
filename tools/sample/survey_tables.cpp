#include "survey_tables.h"

#include <algorithm>
#include <map>

#include "cell_values.h"

namespace sample {
namespace {

using T = ColumnType;

// One row per area, each starting with its key.
Table keyedTable(const std::string& name, const std::string& key, const Localities& loc) {
    Table t{name, {{key, T::Integer, true}}, {}};
    for (const auto& a : loc.areas) t.rows.push_back({Field{std::int64_t{a.code}}});
    return t;
}

Table repeatedTable(const SurveyPlan& plan, const CellValues& values) {
    Table t = keyedTable(kRepeatedTable, "Cod_Mun", plan.localities);
    const auto& cols = plan.catalogue.repeatedColumns;
    for (int n = 1; n <= kRepetitions; ++n) {
        t.columns.push_back({"M1_Nome_" + std::to_string(n), T::Text});
        for (int k = 0; k < kRepeatedColumns; ++k)
            t.columns.push_back({cols[static_cast<std::size_t>(k)].code + "_" + std::to_string(n), T::Text});
    }
    const auto& areas = plan.localities.areas;
    for (std::size_t i = 0; i < areas.size(); ++i)
        for (auto& s : values.repeatedRow(areas[i])) t.rows[i].push_back(std::move(s));
    return t;
}

Table orderTable(const Localities& loc) {
    Table t = keyedTable(kOrderTable, "COD_AREA_NORVA", loc);
    t.columns.push_back({"DESCRICAO", T::Text});
    for (std::size_t i = 0; i < loc.areas.size(); ++i) t.rows[i].push_back(loc.areas[i].name);
    return t;
}

void dropMissingRows(Table& t, const Localities& loc) {
    for (const auto& m : loc.missing) {
        if (m.table != t.name) continue;
        std::erase_if(t.rows, [&](const Row& r) { return std::get<std::int64_t>(r.front()) == m.areaCode; });
    }
}

}  // namespace

std::vector<Table> surveyTables(const SurveyPlan& plan) {
    const CellValues values(plan);
    const auto& loc = plan.localities;

    std::map<std::string, Table> ordinary;
    for (const auto& name : ordinaryTables()) ordinary.emplace(name, keyedTable(name, "Cod_Mun", loc));
    Table criteria = keyedTable(kCriteriaTable, "Cod_Mun", loc);

    for (const auto& v : plan.catalogue.variables) {
        if (v.repeatedGroup()) continue;
        const auto cells = values.column(v);
        Table& t = ordinary.at(v.table);
        t.columns.push_back({v.code, T::Text});
        for (std::size_t i = 0; i < cells.size(); ++i) t.rows[i].push_back(cells[i].text);
        if (!v.criterion) continue;
        criteria.columns.push_back({criterionColumn(v.code), T::Integer});
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (cells[i].number) criteria.rows[i].emplace_back(*cells[i].number);
            else criteria.rows[i].emplace_back(std::monostate{});
        }
    }

    std::vector<Table> out;
    for (const auto& name : joinedTables()) {
        Table t = name == kRepeatedTable ? repeatedTable(plan, values)
                  : name == kOrderTable  ? orderTable(loc)
                  : name == kCriteriaTable ? std::move(criteria)
                                           : std::move(ordinary.at(name));
        dropMissingRows(t, loc);
        out.push_back(std::move(t));
    }
    return out;
}

}  // namespace sample
