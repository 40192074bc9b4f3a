#pragma once
#include <QString>
#include <QStringList>

namespace quelva {

// The lines of a record file, or why it could not be read.
struct RecordFile {
    QStringList lines;
    QString failure;  // empty when the file was read; otherwise a sentence for the user that names the file
    bool ok() const { return failure.isEmpty(); }
};

// Reads the whole file at `path` and cuts it into lines (see splitLines); the text is decoded by decodeText.
RecordFile readRecordFile(const QString& path);

// A text cut into lines as a line-by-line reader sees it: a line ends at CR LF, LF or CR alone; the end
// of the last line needs no line break, and a line break at the very end does not start another line. An
// empty text has no lines.
QStringList splitLines(const QString& text);

}  // namespace quelva
