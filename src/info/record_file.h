#pragma once
#include <QString>
#include <QStringList>
#include <string>

namespace quelva {

// The lines of a record file, or why it could not be read.
struct RecordFile {
    QStringList lines;
    QString failure;  // empty when the file was read; otherwise a sentence for the user that names the file
    bool ok() const { return failure.isEmpty(); }
};

// The largest record file read. A record is a page or two of text; anything larger is no record, and is
// not read into memory.
inline constexpr long long kMaxRecordFileBytes = 4 * 1024 * 1024;

// Reads the whole file at `path` (the file system's own bytes, which need not be UTF-8) and cuts it into
// lines (see splitLines); the text is decoded by decodeText. Only a plain file of at most
// kMaxRecordFileBytes is read: a pipe, a device or a folder gets a failure, and none is ever waited on.
RecordFile readRecordFile(const std::string& path);

// A text cut into lines as a line-by-line reader sees it: a line ends at CR LF, LF or CR alone; the end
// of the last line needs no line break, and a line break at the very end does not start another line. An
// empty text has no lines.
QStringList splitLines(const QString& text);

}  // namespace quelva
