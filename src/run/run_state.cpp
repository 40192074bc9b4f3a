#include "run_state.h"

namespace quelva {

void setStartUpState(RunState& state) {
    state.session.setStartUpTitles();
    state.NoDestacadoVar.set(-1);
    state.NoDestacadoPal.set(-1);
}

}  // namespace quelva
