#pragma once
#include <QByteArray>
#include <QString>

namespace quelva {

// The text of a file that ships with the data. Such files were written on Windows, most likely in its
// Western code page; a file saved later by a modern editor is UTF-8. Bytes that form valid UTF-8 are read as
// UTF-8 (an initial byte order mark is dropped); anything else is read as Windows-1252.
QString decodificarTexto(const QByteArray& bytes);

// Windows-1252 alone: every byte is one character. The five bytes the code page leaves undefined keep their
// own value (U+0081, U+008D, U+008F, U+0090, U+009D), as Windows itself converts them.
QString decodificarWindows1252(const QByteArray& bytes);

}  // namespace quelva
