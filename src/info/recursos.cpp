#include "recursos.h"

#include <QtGlobal>

// The resource initialiser has to be named from the global namespace.
static void registrarArteQuelva() { Q_INIT_RESOURCE(quelva); }

namespace quelva {

void registrarRecursos() { registrarArteQuelva(); }

}  // namespace quelva
