#pragma once
#include <string>
#include <vector>

#include "recordset.h"
#include "variable_table.h"

namespace quelva {

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
VariableTexts variableTexts(const jet::Recordset& sources, const jet::Recordset& notes, const jet::Recordset& definitions,
                            const SurveyVariable& v);

// The notes of every selected variable of `table`, in its order: for each, its name, then its source, note
// and definition where it has them, each line with its label (`definitionLabel` is the screen's or the
// workbook's); no lines at all for a variable with none of the three. The screen and the workbook both lay
// out these lines.
std::vector<std::vector<std::string>> selectedVariableNotes(const VetorVariavel& table, const jet::Recordset& sources,
                                                            const jet::Recordset& notes, const jet::Recordset& definitions,
                                                            const char* definitionLabel);

// Empty once the blanks at both ends are taken off.
bool isBlank(const std::string& text);

}  // namespace quelva
