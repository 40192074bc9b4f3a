#pragma once
#include <QFont>

namespace quelva {

// The system's fixed-pitch font, in `points` when given (else its own size). Asked of Qt by its role and not
// by a family name: a name such as "Courier New" resolves to whatever the machine's fonts put in its place,
// which need not be fixed-pitch.
QFont fixedPitchFont(int points = 0);

}  // namespace quelva
