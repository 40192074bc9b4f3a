#include "variable_texts.h"

#include "sql_text.h"
#include "variable_table.h"

namespace quelva {

namespace {

// The text of `textField` in the first row where the numeric `codeField` equals `code`; "" for a code of 0.
std::string byNumericCode(jet::Recordset& rs, const char* codeField, const jet::Value& code, const char* textField) {
    if (code.isNull() || code.toDouble() == 0) return {};
    rs.findFirst(std::string(codeField) + " = " + code.toText());
    return rs.noMatch() ? std::string() : rs.field(textField).toText();
}

}  // namespace

VariableTexts variableTexts(jet::Recordset& sources, jet::Recordset& notes, jet::Recordset& definitions, const SurveyVariable& v) {
    VariableTexts t;
    t.source = byNumericCode(sources, "CodFonte", v.CodFonte, "DescricaoFonte");
    t.note = byNumericCode(notes, "CodNota", v.CodNota, "DescricaoNota");
    definitions.findFirst("CodVariavel = " + jet::quoteText(v.CodVariavel.toText()));
    if (!definitions.noMatch()) t.definition = definitions.field("DefinicaoVariavel").toText();
    return t;
}

bool isBlank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

}  // namespace quelva
