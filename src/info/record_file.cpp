#include "record_file.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include "plain_file.h"
#include "text_decoding.h"

namespace quelva {

namespace {

RecordFile failed(const char* sentence, const std::string& path) {
    return {{}, QString::fromUtf8(sentence).arg(QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(path))))};
}

const char kNotFound[] = "O arquivo \"%1\" não foi encontrado.";
const char kNotOpened[] = "O arquivo \"%1\" não pôde ser aberto para leitura.";
const char kNotPlain[] = "\"%1\" não é um arquivo de texto comum.";
const char kTooLarge[] = "O arquivo \"%1\" tem mais de 4 MB, mais do que uma ficha pode ter.";

}  // namespace

RecordFile readRecordFile(const std::string& path) {
    static_assert(kMaxRecordFileBytes == 4 * 1024 * 1024, "the message names the limit");
    const PlainFile file = readPlainFile(path, kMaxRecordFileBytes);
    switch (file.failure) {
    case PlainFile::Failure::None: break;
    case PlainFile::Failure::NotFound: return failed(kNotFound, path);
    case PlainFile::Failure::Folder: return failed("\"%1\" é uma pasta, não um arquivo de texto.", path);
    case PlainFile::Failure::NotPlain: return failed(kNotPlain, path);
    case PlainFile::Failure::TooLarge: return failed(kTooLarge, path);
    case PlainFile::Failure::NotOpened: return failed(kNotOpened, path);
    case PlainFile::Failure::ReadFailed: return failed("O arquivo \"%1\" não pôde ser lido até o fim.", path);
    }
    return {splitLines(decodeText(QByteArray::fromStdString(file.bytes))), {}};
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\n' && c != u'\r') continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.append(text.mid(start));
    return lines;
}

}  // namespace quelva
