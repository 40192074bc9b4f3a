#pragma once

namespace quelva {

class Grade;
struct Estado;

// The three layouts of the last result (RsResultado), each into its own grid. Each needs the catalogue
// recordsets open, moves to the first record itself and leaves the recordset past its last one. An empty
// result sets HaResultado to false and leaves the grid as the previous run left it.

// One row per locality, one column per field; M1 repetitions past the last one with data dropped as columns.
void MontarFormato1(Estado& estado, Grade& grade);

// One row per field, one column per locality; M1 repetitions past the last one with data dropped as rows.
void MontarFormato2(Estado& estado, Grade& grade);

// A record card per locality in two columns, M1 repetitions dropped locality by locality. `larguraGrade` is
// the grid's own width in twips, which its two columns share.
void MontarFormato3(Estado& estado, Grade& grade, int larguraGrade);

}  // namespace quelva
