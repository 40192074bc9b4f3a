#include "resources.h"

#include <QtGlobal>

// The resource initialiser has to be named from the global namespace.
static void registerQuelvaArtwork() { Q_INIT_RESOURCE(quelva); }

namespace quelva {

void registerResources() { registerQuelvaArtwork(); }

}  // namespace quelva
