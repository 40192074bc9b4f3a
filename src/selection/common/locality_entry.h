#pragma once
#include <QString>

class QListWidgetItem;

namespace quelva {

// A locality list entry, as the Localities and review panels write it and read it back: the visible text,
// 300 blanks, and the area code ("###": one to three digits) written over the blanks from character 300
// (counting from 1).
QString localityEntryText(const QString& visible, int code);

// The code of an entry: the numeric value of characters 300-302, digits up to the first other character; 0
// when there are none.
int codeOfLocalityEntry(const QString& entry);

// A check-box item holding `entry`, showing only the part before the code (so that the code is never seen
// and the list never scrolls sideways), with `name` as its accessible name. Unticked.
QListWidgetItem* newLocalityItem(const QString& entry, const QString& name);

// The entry text an item holds.
QString entryOfLocalityItem(const QListWidgetItem* item);

}  // namespace quelva
