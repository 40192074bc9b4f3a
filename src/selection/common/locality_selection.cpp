#include "locality_selection.h"

#include "estado.h"

namespace quelva {

void setLocalityMark(Estado& state, int code, bool marked) {
    if (code < 0 || code > kMaxCodigoArea) return;
    state.VetorLocalidade[static_cast<std::size_t>(code)] = marked;
}

}  // namespace quelva
