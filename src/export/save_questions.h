#pragma once
#include <QString>

class QWidget;

namespace quelva {

class Dialogs;

// What every save of the program asks and tells, the same for a workbook and for a selection.
// True when nothing is at `file` yet, or the user agrees to replace it (a symbolic link counts as a file
// there, even when what it points to is missing).
bool mayReplaceFile(Dialogs& dialogs, QWidget* parent, const QString& file);
// A save that failed, with the file's name and the reason.
void tellSaveFailed(Dialogs& dialogs, QWidget* parent, const QString& file, const QString& reason);

}  // namespace quelva
