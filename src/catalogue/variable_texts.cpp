#include "variable_texts.h"

#include "catalogue_tables.h"
#include "sql_text.h"
#include "variable_table.h"

namespace quelva {

namespace {

// The text of `textField` in the first row where the numeric `codeField` equals `code`; "" for a code of 0.
std::string byNumericCode(const jet::Recordset& rs, const char* codeField, const jet::Value& code, const char* textField) {
    if (code.isNull() || code.toDouble() == 0) return {};
    return fieldOfFirstMatch(rs, std::string(codeField) + " = " + code.toText(), textField).value_or(std::string());
}

}  // namespace

VariableTexts variableTexts(const jet::Recordset& sources, const jet::Recordset& notes, const jet::Recordset& definitions,
                            const SurveyVariable& v) {
    VariableTexts t;
    t.source = byNumericCode(sources, "CodFonte", v.CodFonte, "DescricaoFonte");
    t.note = byNumericCode(notes, "CodNota", v.CodNota, "DescricaoNota");
    t.definition = fieldOfFirstMatch(definitions, "CodVariavel = " + jet::quoteText(v.CodVariavel.toText()), "DefinicaoVariavel")
                       .value_or(std::string());
    return t;
}

std::vector<std::vector<std::string>> selectedVariableNotes(const VetorVariavel& table, const jet::Recordset& sources,
                                                            const jet::Recordset& notes, const jet::Recordset& definitions,
                                                            const char* definitionLabel) {
    std::vector<std::vector<std::string>> blocks;
    for (const SurveyVariable& v : table) {
        if (!v.isSelected()) continue;
        std::vector<std::string>& lines = blocks.emplace_back();
        const VariableTexts t = variableTexts(sources, notes, definitions, v);
        if (isBlank(t.source) && isBlank(t.note) && isBlank(t.definition)) continue;
        lines.push_back(kVariableLabel + v.NomeVariavel.toText());
        if (!isBlank(t.source)) lines.push_back(kSourceLabel + t.source);
        if (!isBlank(t.note)) lines.push_back(kNoteLabel + t.note);
        if (!isBlank(t.definition)) lines.push_back(definitionLabel + t.definition);
    }
    return blocks;
}

bool isBlank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

}  // namespace quelva
