#include "variable_selection.h"

namespace quelva {

void VariableSelection::load(const SurveyDatabase& database) { CarregarVetorVariavel(table_, database); }

void VariableSelection::setMark(int position, bool marked) {
    if (position < 0 || position >= kMaxVariables) return;
    table_[static_cast<std::size_t>(position)].Selecionada = jet::Value::boolean(marked);
}

}  // namespace quelva
