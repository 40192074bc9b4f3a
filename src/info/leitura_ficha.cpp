#include "leitura_ficha.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "decodificacao.h"

namespace quelva {

namespace {

LeituraFicha falhou(const QString& frase, const QString& caminho) {
    return {{}, frase.arg(QDir::toNativeSeparators(caminho))};
}

}  // namespace

LeituraFicha lerFicha(const QString& caminho) {
    const QFileInfo info(caminho);
    if (!info.exists()) return falhou(QStringLiteral("O arquivo \"%1\" não foi encontrado."), caminho);
    // Checked before opening: opening a folder for reading fails with no useful reason.
    if (info.isDir()) return falhou(QStringLiteral("\"%1\" é uma pasta, não um arquivo de texto."), caminho);

    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        return falhou(QStringLiteral("O arquivo \"%1\" não pôde ser aberto para leitura."), caminho);
    const QByteArray bytes = arquivo.readAll();
    if (arquivo.error() != QFileDevice::NoError)
        return falhou(QStringLiteral("O arquivo \"%1\" não pôde ser lido até o fim."), caminho);
    return {dividirLinhas(decodificarTexto(bytes)), {}};
}

QStringList dividirLinhas(const QString& texto) {
    QStringList linhas;
    qsizetype inicio = 0;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (c != u'\n' && c != u'\r') continue;
        linhas.append(texto.mid(inicio, i - inicio));
        if (c == u'\r' && i + 1 < texto.size() && texto.at(i + 1) == u'\n') ++i;
        inicio = i + 1;
    }
    if (inicio < texto.size()) linhas.append(texto.mid(inicio));
    return linhas;
}

}  // namespace quelva
