#pragma once
#include <QString>
#include <QStringList>

namespace quelva {

// The lines of a record file, or why it could not be read.
struct LeituraFicha {
    QStringList linhas;
    QString falha;  // empty when the file was read; otherwise a sentence for the user that names the file
    bool ok() const { return falha.isEmpty(); }
};

// Reads the whole file at `caminho` and cuts it into lines (see dividirLinhas); the text is decoded by
// decodificarTexto.
LeituraFicha lerFicha(const QString& caminho);

// A text cut into lines as a line-by-line reader sees it: a line ends at CR LF, LF or CR alone; the end
// of the last line needs no line break, and a line break at the very end does not start another line. An
// empty text has no lines.
QStringList dividirLinhas(const QString& texto);

}  // namespace quelva
