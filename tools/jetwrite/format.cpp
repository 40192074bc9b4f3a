#include "format.h"

namespace jetwrite {

const Format& formatOf(Version v) {
    static const Format jet3{Version::Jet3, 2048, 8, 128, 18, 43};
    static const Format jet4{Version::Jet4, 4096, 12, 64, 25, 63};
    return v == Version::Jet4 ? jet4 : jet3;
}

}  // namespace jetwrite
