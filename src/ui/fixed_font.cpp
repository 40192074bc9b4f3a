#include "fixed_font.h"

#include <QFontDatabase>

namespace quelva {

QFont fixedPitchFont(int points) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (points > 0) font.setPointSize(points);
    return font;
}

}  // namespace quelva
