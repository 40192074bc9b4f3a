#include "locality_entry.h"

#include <QListWidgetItem>

#include "quelva_limits.h"

namespace quelva {

namespace {
constexpr int kEntryRole = Qt::UserRole + 1;
}  // namespace

QString localityEntryText(const QString& visible, int code) {
    QString s = visible + QString(kLocalityEntryBlanks, QLatin1Char(' '));
    const QString digits = QString::number(code);
    // The code overwrites what stands there, whatever the length of the text before it.
    s.replace(kLocalityCodePosition - 1, digits.size(), digits);
    return s;
}

int codeOfLocalityEntry(const QString& entry) {
    const QString part = entry.mid(kLocalityCodePosition - 1, kLocalityCodeDigits);
    int value = 0;
    for (QChar c : part) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) break;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

QListWidgetItem* newLocalityItem(const QString& entry, const QString& name) {
    // The leading blanks are the indent and stay; the trailing ones and the code are not shown.
    QString visible = entry.left(kLocalityCodePosition - 1);
    while (!visible.isEmpty() && visible.back() == QLatin1Char(' ')) visible.chop(1);
    auto* item = new QListWidgetItem(visible);
    item->setData(kEntryRole, entry);
    item->setData(Qt::AccessibleTextRole, name);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    return item;
}

QString entryOfLocalityItem(const QListWidgetItem* item) { return item->data(kEntryRole).toString(); }

}  // namespace quelva
