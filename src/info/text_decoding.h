#pragma once
#include <QByteArray>
#include <QString>

namespace quelva {

// The text of a file that ships with the data. Such files were written on Windows, most likely in its
// Western code page; a file saved later by a modern editor is UTF-8. Bytes that form valid UTF-8 are read as
// UTF-8 (an initial byte order mark is dropped); anything else is read as Windows-1252, every byte one
// character, the five bytes the code page leaves undefined keeping their own value (U+0081, U+008D, U+008F,
// U+0090, U+009D) as Windows itself converts them.
QString decodeText(const QByteArray& bytes);

}  // namespace quelva
