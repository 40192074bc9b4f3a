#pragma once
#include <QString>

class QListWidget;
class QListWidgetItem;

namespace quelva {

// A check-box list of locality entries (locality_entry.h) that shows each entry's label only: the code at
// character 300 is neither drawn nor counted in the width the list scrolls over.
void showLocalityLabelsOnly(QListWidget& lista);

// A new entry for such a list, with its check box set and its label as the name read out to the user.
QListWidgetItem* newLocalityItem(const QString& label, int code, bool checked);

}  // namespace quelva
