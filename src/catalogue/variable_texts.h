#pragma once
#include <string>

#include "recordset.h"

namespace quelva {

struct SurveyVariable;

// The labels of a variable's block of notes, on screen and in the workbook alike (the definition's label
// differs between the two).
inline constexpr const char* kVariableLabel = "Variável: ";
inline constexpr const char* kSourceLabel = "Fonte: ";
inline constexpr const char* kNoteLabel = "Nota: ";

// The source, note and definition of one variable, as stored (untrimmed); empty where it has none.
struct VariableTexts {
    std::string source;
    std::string note;
    std::string definition;
};

// Looks the three texts up in the catalogue recordsets CD_FONTES, CD_NOTAS and CD_DEFINICOES: a source or a
// note only when the variable's code for it is not 0 (an empty code counts as 0), a definition by the
// variable's code. A code with no row in its table gives an empty text.
VariableTexts variableTexts(jet::Recordset& sources, jet::Recordset& notes, jet::Recordset& definitions, const SurveyVariable& v);

// Empty once the blanks at both ends are taken off.
bool isBlank(const std::string& text);

}  // namespace quelva
