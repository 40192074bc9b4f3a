#pragma once
#include <string>

#include "recordset.h"

namespace quelva {

struct Variavel;

// The source, note and definition of one variable, as stored (untrimmed); empty where it has none.
struct VariableTexts {
    std::string fonte;
    std::string nota;
    std::string definicao;
};

// Looks the three texts up in the catalogue recordsets CD_FONTES, CD_NOTAS and CD_DEFINICOES: a source or a
// note only when the variable's code for it is not 0 (an empty code counts as 0), a definition by the
// variable's code. A code with no row in its table gives an empty text.
VariableTexts variableTexts(jet::Recordset& fontes, jet::Recordset& notas, jet::Recordset& definicoes, const Variavel& v);

// Empty once the blanks at both ends are taken off.
bool isBlank(const std::string& texto);

}  // namespace quelva
