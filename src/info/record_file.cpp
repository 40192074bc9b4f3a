#include "record_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "text_decoding.h"

namespace quelva {

namespace {

RecordFile failed(const QString& sentence, const QString& path) {
    return {{}, sentence.arg(QDir::toNativeSeparators(path))};
}

}  // namespace

RecordFile readRecordFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return failed(QStringLiteral("O arquivo \"%1\" não foi encontrado."), path);
    // Checked before opening: opening a folder for reading fails with no useful reason.
    if (info.isDir()) return failed(QStringLiteral("\"%1\" é uma pasta, não um arquivo de texto."), path);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(QStringLiteral("O arquivo \"%1\" não pôde ser aberto para leitura."), path);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failed(QStringLiteral("O arquivo \"%1\" não pôde ser lido até o fim."), path);
    return {splitLines(decodeText(bytes)), {}};
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
