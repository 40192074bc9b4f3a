#include "fixed_font.h"

#include <QFontDatabase>

namespace quelva {

QFont fixedPitchFont(int points) {
    QFont fonte = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (points > 0) fonte.setPointSize(points);
    return fonte;
}

}  // namespace quelva
