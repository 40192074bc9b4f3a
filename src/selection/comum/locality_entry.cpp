#include "locality_entry.h"

#include <algorithm>

#include "quelva_limits.h"

namespace quelva {

namespace {
constexpr int kCodeIndex = kLocalityCodePosition - 1;
}  // namespace

QString localityEntryText(const QString& label, int code) {
    QString text = label + QString(kLocalityEntryBlanks, QLatin1Char(' '));
    const QString digits = QString::number(code);
    if (text.size() < kCodeIndex + digits.size()) text.resize(kCodeIndex + digits.size(), QLatin1Char(' '));
    text.replace(kCodeIndex, digits.size(), digits);
    return text;
}

int localityEntryCode(const QString& text) {
    int code = -1;
    for (int i = kCodeIndex; i < kCodeIndex + kLocalityCodeDigits && i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) break;
        code = (code < 0 ? 0 : code * 10) + (c.unicode() - '0');
    }
    return code;
}

QString localityEntryLabel(const QString& text) {
    int end = std::min<int>(kCodeIndex, text.size());
    while (end > 0 && text.at(end - 1) == QLatin1Char(' ')) --end;
    return text.left(end);
}

}  // namespace quelva
