#pragma once
#include <memory>

namespace quelva {

class Grade;
class ResultRows;
struct Estado;

// The three layouts of the last result (RsResultado), each into its own grid, whose cells are then read
// from the result as the grid is shown, copied or saved. Each reads the result from its first record and
// leaves it past its last one; the forms taking the Estado read it themselves and need the catalogue
// recordsets open, the others share one reading (readResult). An empty result sets HaResultado to false
// and leaves the grid as the previous run left it.

// One row per locality, one column per field; M1 repetitions past the last one with data dropped as columns.
void MontarFormato1(const std::shared_ptr<const ResultRows>& resultado, Grade& grade);
void MontarFormato1(Estado& estado, Grade& grade);

// One row per field, one column per locality; M1 repetitions past the last one with data dropped as rows.
void MontarFormato2(const std::shared_ptr<const ResultRows>& resultado, Grade& grade);
void MontarFormato2(Estado& estado, Grade& grade);

// A record card per locality in two columns, M1 repetitions dropped locality by locality. `larguraGrade` is
// the grid's own width in twips, which its two columns share.
void MontarFormato3(const std::shared_ptr<const ResultRows>& resultado, Grade& grade, int larguraGrade);
void MontarFormato3(Estado& estado, Grade& grade, int larguraGrade);

}  // namespace quelva
