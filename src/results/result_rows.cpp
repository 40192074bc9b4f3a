#include "result_rows.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "blanks.h"
#include "run_state.h"
#include "grid_rules.h"
#include "result_query.h"
#include "catalogue_tables.h"
#include "variable_texts.h"

namespace quelva {

namespace {

// The selected variables by code.
std::unordered_map<std::string, const SurveyVariable*> selectedByCode(const RunState& state) {
    std::unordered_map<std::string, const SurveyVariable*> selected;
    for (const SurveyVariable& v : state.variables.VetorVariavel())
        if (v.isSelected()) selected.emplace(v.CodVariavel.toText(), &v);
    return selected;
}

// The source of the selected variable `code`, looked up while the run's catalogue is open.
QString sourceOf(const std::unordered_map<std::string, const SurveyVariable*>& selected, const CatalogueTables& cd,
                 const std::string& code) {
    const auto v = selected.find(code);
    if (v == selected.end()) return {};
    const std::string source = variableTexts(cd.RsCdFontes, cd.RsCdNotas, cd.RsCdDefinicoes, *v->second).source;
    return isBlank(source) ? QString() : QString::fromStdString(source);
}

}  // namespace

ResultRows::ResultRows(const RunState& state) : rs_(state.result.RsResultado()) {
    records_ = rs_.recordCount();
    fields_ = rs_.fieldCount();
    titles_ = fieldTitles(state.result.catalogueTables(), rs_);
    std::vector<std::string> names;
    std::vector<char> nameColumn;
    const CatalogueTables& cd = state.result.catalogueTables();
    const auto selected = selectedByCode(state);
    for (int i = 0; i < fields_; ++i) {
        names.push_back(rs_.fieldName(i));
        m1_.push_back(belongsToM1(names.back()));
        nameColumn.push_back(isM1NameColumn(names.back()));
        sources_.push_back(i == 0 ? QString() : sourceOf(selected, cd, m1_.back() ? m1Key(names.back()) : names.back()));
    }
    const int firstM1 = static_cast<int>(std::find(m1_.begin() + std::min(1, fields_), m1_.end(), 1) - m1_.begin());

    lengths_.resize(static_cast<std::size_t>(records_) * static_cast<std::size_t>(fields_));
    places_.reserve(static_cast<std::size_t>(records_));
    cut_.assign(static_cast<std::size_t>(records_), fields_);
    RepetitionCount repetitions;
    rs_.moveFirst();
    for (int p = 0; !rs_.eof(); ++p, rs_.moveNext()) {
        places_.push_back(QString::fromStdString(BuscarDescricao(state.result.catalogueTables(), rs_.field(0), "LOCALIDADE")));
        for (int i = 1; i < fields_; ++i) {
            const std::string text = rs_.field(i).toText();
            const std::string_view value = trimBlanks(std::string_view(text));
            lengths_[position(p, i)] = static_cast<std::uint32_t>(utf16Length(value));
            if (!m1_[static_cast<std::size_t>(i)]) continue;
            const bool dash = value == "-";
            repetitions.see(names[static_cast<std::size_t>(i)], dash);
            int& cut = cut_[static_cast<std::size_t>(p)];
            if (dash && nameColumn[static_cast<std::size_t>(i)] && i > firstM1 && cut == fields_) cut = i;
        }
    }
    tableFields_ = fields_ - repetitions.dropped(state.result.QtdM1());
}

QString ResultRows::value(int record, int field) const { return cellText(rs_.value(record, field)); }

std::shared_ptr<const ResultRows> readResult(const RunState& state, LastResult& result) {
    if (result.RsResultado().recordCount() == 0) {
        result.clear();
        return nullptr;
    }
    return std::make_shared<const ResultRows>(state);
}

}  // namespace quelva
