#include "text_decoding.h"

#include <QStringDecoder>

#include "windows1252.h"

namespace quelva {

namespace {

QString decodeWindows1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        text.append(QChar(static_cast<char16_t>(windows1252::toUnicode(u))));
    }
    return text;
}

}  // namespace

QString decodeText(const QByteArray& bytes) {
    // Stateless: a sequence cut off at the end of the file counts as invalid, so a Windows-1252 file whose
    // last character is accented is not taken for UTF-8. The decoder skips an initial byte order mark.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    return decodeWindows1252(bytes);
}

}  // namespace quelva
