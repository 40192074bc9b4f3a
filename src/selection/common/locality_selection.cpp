#include "locality_selection.h"

#include "run_state.h"

namespace quelva {

void setLocalityMark(RunState& state, int code, bool marked) {
    if (code < 0 || code > kMaxAreaCode) return;
    state.VetorLocalidade[static_cast<std::size_t>(code)] = marked;
}

}  // namespace quelva
