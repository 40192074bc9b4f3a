#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

class QWidget;

namespace quelva {

class Dialogs;

// What every save of the program asks and tells, the same for a workbook and for a selection.
// True when nothing is at `file` yet, or the user agrees to replace it (a symbolic link counts as a file
// there, even when what it points to is missing).
bool mayReplaceFile(Dialogs& dialogs, QWidget* parent, const QString& file);
// A save that failed, with the file's name and the reason.
void tellSaveFailed(Dialogs& dialogs, QWidget* parent, const QString& file, const QString& reason);

// What `make` gives, written at `file` through a temporary file that takes the name only when complete. The
// file is opened first, so that a folder that cannot take it is told before any work. Throws on failure.
void writeWholeFile(const QString& file, const std::function<QByteArray()>& make);
// A save of a file made at once (an image, a selection): the question before replacing, then writeWholeFile
// under the wait cursor, its failure told. True when the file was written.
bool saveWholeFile(Dialogs& dialogs, QWidget* parent, const QString& file, const std::function<QByteArray()>& make);

}  // namespace quelva
