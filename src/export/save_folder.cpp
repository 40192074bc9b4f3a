#include "save_folder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "write_access.h"

namespace quelva {

QString firstSaveFolder(const std::string& programFolder) {
    const QString folder = QFile::decodeName(QByteArray::fromStdString(programFolder));
    // A name the dialog cannot hold as text would open it elsewhere anyway.
    const bool namedAsText = QFile::encodeName(folder).toStdString() == programFolder;
    if (namedAsText && xls::writeRefusal(programFolder) == xls::WriteRefusal::None) return folder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

}  // namespace quelva
