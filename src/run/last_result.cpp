#include "last_result.h"

namespace quelva {

void LastResult::commit(jet::Recordset rows, bool HaResultado, const M1Marks& MarcaM1, int QtdM1) {
    rows_ = std::move(rows);
    has_ = HaResultado;
    marks_ = MarcaM1;
    m1Count_ = QtdM1;
}

}  // namespace quelva
