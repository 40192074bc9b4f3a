#include "variable_texts.h"

#include "sql_text.h"
#include "vetor_variavel.h"

namespace quelva {

namespace {

// The text of `campo` in the first row where the numeric `campoCodigo` equals `codigo`; "" for a code of 0.
std::string porCodigoNumerico(jet::Recordset& rs, const char* campoCodigo, const jet::Value& codigo, const char* campo) {
    if (codigo.isNull() || codigo.toDouble() == 0) return {};
    rs.findFirst(std::string(campoCodigo) + " = " + codigo.toText());
    return rs.noMatch() ? std::string() : rs.field(campo).toText();
}

}  // namespace

VariableTexts variableTexts(jet::Recordset& fontes, jet::Recordset& notas, jet::Recordset& definicoes, const Variavel& v) {
    VariableTexts t;
    t.fonte = porCodigoNumerico(fontes, "CodFonte", v.CodFonte, "DescricaoFonte");
    t.nota = porCodigoNumerico(notas, "CodNota", v.CodNota, "DescricaoNota");
    definicoes.findFirst("CodVariavel = " + jet::quoteText(v.CodVariavel.toText()));
    if (!definicoes.noMatch()) t.definicao = definicoes.field("DefinicaoVariavel").toText();
    return t;
}

bool isBlank(const std::string& texto) { return texto.find_first_not_of(' ') == std::string::npos; }

}  // namespace quelva
