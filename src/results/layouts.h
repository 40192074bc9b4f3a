#pragma once
#include <memory>

namespace quelva {

class Grid;
class ResultRows;

// The three layouts of the last result (RsResultado), each into its own grid, whose cells are then read
// from the result as the grid is shown, copied or saved. The three share one reading of the result
// (readResult), which finds an empty result and sets HaResultado to false; a null reading leaves the grid as
// the previous run left it.

// One row per locality, one column per field; M1 repetitions past the last one with data dropped as columns.
void MontarFormato1(const std::shared_ptr<const ResultRows>& result, Grid& grid);

// One row per field, one column per locality; M1 repetitions past the last one with data dropped as rows.
void MontarFormato2(const std::shared_ptr<const ResultRows>& result, Grid& grid);

// A record card per locality in two columns, M1 repetitions dropped locality by locality. `gridWidth` is
// the grid's own width in twips, which its two columns share.
void MontarFormato3(const std::shared_ptr<const ResultRows>& result, Grid& grid, int gridWidth);

}  // namespace quelva
