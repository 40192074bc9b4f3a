#include "chart_model.h"

#include <algorithm>
#include <map>

#include "table_layout.h"
#include "value_order.h"
#include "variable_texts.h"

namespace quelva {

ChartModel buildChart(const VariableSeries& series, const QStringList& headings, const ValueOrder& order) {
    using Kind = ValueOrder::Kind;
    ChartModel m;
    m.title = series.variable;
    m.headings = headings;
    if (!series.source.isEmpty()) m.source = QString::fromUtf8(kSourceLabel) + series.source;
    std::vector<ValueOrder::Rank> ranks;
    ranks.reserve(series.cells.size());
    for (const QString& c : series.cells) ranks.push_back(order.rank(c));
    const bool numbers = std::any_of(ranks.begin(), ranks.end(), [](const ValueOrder::Rank& r) { return r.kind == Kind::Number; });
    m.kind = numbers ? ChartModel::Kind::Values : ChartModel::Kind::Counts;

    // Texts by Jet's sort key: the map keeps them in Jet's order, each with the form first met.
    std::map<std::string, ChartBar> texts;
    for (std::size_t i = 0; i < ranks.size(); ++i) {
        const ValueOrder::Rank& r = ranks[i];
        const QString& cell = series.cells[i];
        if (numbers && r.kind == Kind::Number) {
            m.bars.push_back({series.localities[i], cell, r.number});
        } else if (!numbers && r.kind == Kind::Text) {
            ChartBar& bar = texts.try_emplace(r.key, ChartBar{cell, QString(), 0}).first->second;
            bar.amount += 1;
        } else {
            m.listed.push_back({series.localities[i], cell});
        }
    }
    for (auto& [key, bar] : texts) {
        bar.value = QString::number(static_cast<long long>(bar.amount));
        m.bars.push_back(std::move(bar));
    }
    for (const ChartBar& b : m.bars) {
        m.low = std::min(m.low, b.amount);
        m.high = std::max(m.high, b.amount);
    }
    return m;
}

}  // namespace quelva
