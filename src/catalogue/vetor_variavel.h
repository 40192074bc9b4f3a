#pragma once
#include <array>

#include "quelva_limits.h"
#include "value.h"

namespace quelva {

class Banco;

// One survey variable as loaded from CD_VAR. Each field holds what the database returned: a number, a text,
// or Null (empty) when the column is null. Rows past the last variable stay all Null.
struct Variavel {
    jet::Value CodTema;
    jet::Value CodSubTema;
    jet::Value CodVariavel;
    jet::Value NomeVariavel;
    jet::Value Selecionada;  // Boolean once loaded; Null counts as not selected
    jet::Value CodFonte;
    jet::Value CodNota;
    jet::Value NomeTabela;

    bool selecionada() const { return Selecionada.toBool(); }
};

// The variable table, in NumSeq order, with the user's selection in Selecionada.
using VetorVariavel = std::array<Variavel, kMaxVariaveis>;

// Loads every row of CD_VAR in NumSeq order into `table`, all unselected. Throws jet::Error with the engine's
// message on a missing file, table or column, on an empty CD_VAR, and on more rows than the table holds.
void CarregarVetorVariavel(VetorVariavel& table, Banco& banco);

}  // namespace quelva
