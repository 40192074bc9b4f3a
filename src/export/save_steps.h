#pragma once
// The steps every save of the program shares once the user has named the file: the question before an
// existing file is replaced, and the message that names the file and the reason of a failure.
#include <QString>

class QWidget;

namespace quelva {

class Dialogs;

// The save dialog's title.
QString saveDialogTitle();

// True when nothing is at `file` (a symbolic link counts, even to nothing), or the user agreed to replace it.
bool mayReplace(Dialogs& dialogs, QWidget* parent, const QString& file);

void reportSaveFailure(Dialogs& dialogs, QWidget* parent, const QString& file, const QString& reason);

}  // namespace quelva
