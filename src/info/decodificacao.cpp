#include "decodificacao.h"

#include <QStringDecoder>
#include <array>

namespace quelva {

namespace {

// Bytes 0x80 to 0x9F of Windows-1252; every other byte is the Latin-1 character of the same value.
constexpr std::array<char16_t, 32> kFaixa80a9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

QString decodificarWindows1252(const QByteArray& bytes) {
    QString texto;
    texto.reserve(bytes.size());
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        texto.append(QChar(u >= 0x80 && u <= 0x9F ? kFaixa80a9F[u - 0x80] : char16_t(u)));
    }
    return texto;
}

QString decodificarTexto(const QByteArray& bytes) {
    // Stateless: a sequence cut off at the end of the file counts as invalid, so a Windows-1252 file whose
    // last character is accented is not taken for UTF-8. The decoder skips an initial byte order mark.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texto = utf8.decode(bytes);
    if (!utf8.hasError()) return texto;
    return decodificarWindows1252(bytes);
}

}  // namespace quelva
