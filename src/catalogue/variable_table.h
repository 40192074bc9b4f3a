#pragma once
#include <array>

#include "quelva_limits.h"
#include "value.h"

namespace quelva {

class SurveyDatabase;

// One survey variable as loaded from CD_VAR. Each field holds what the database returned: a number, a text,
// or Null (empty) when the column is null. Rows past the last variable stay all Null.
struct SurveyVariable {
    jet::Value CodTema;
    jet::Value CodSubTema;
    jet::Value CodVariavel;
    jet::Value NomeVariavel;
    jet::Value Selecionada;  // Boolean once loaded; Null counts as not selected
    jet::Value CodFonte;
    jet::Value CodNota;
    jet::Value NomeTabela;

    bool isSelected() const { return Selecionada.toBool(); }
};

// The variable table, in NumSeq order, with the user's selection in Selecionada.
using VetorVariavel = std::array<SurveyVariable, kMaxVariables>;

// Loads every row of CD_VAR in NumSeq order into `table`, all unselected. Throws jet::Error with the engine's
// message on a missing file, table or column, on an empty CD_VAR, and on more rows than the table holds.
void CarregarVetorVariavel(VetorVariavel& table, const SurveyDatabase& database);

}  // namespace quelva
