#pragma once
#include <cstddef>

#include "variable_table.h"

namespace quelva {

class SurveyDatabase;

// The variable table and its selection marks, with the guard that keeps a refill of a name list from
// writing its check marks back. Its owners are the variable list pairs; everyone else reads it.
class VariableSelection {
public:
    const quelva::VetorVariavel& VetorVariavel() const { return table_; }
    bool SincronizarMarcas() const { return synchronising_; }

    // CarregarVetorVariavel: every row of the catalogue, nothing selected. Throws jet::Error.
    void load(const SurveyDatabase& database);
    // Selecionada of the variable at `position` (0-based); a position outside the table changes nothing.
    void setMark(int position, bool marked);
    void setSincronizarMarcas(bool on) { synchronising_ = on; }

private:
    quelva::VetorVariavel table_{};
    bool synchronising_ = false;
};

}  // namespace quelva
