#pragma once
// The three types the result can be saved in, as the save dialog lists them, and how a typed name and the
// type chosen in the list make the file to write.
#include <QString>
#include <QStringList>

namespace quelva {

enum class FileType { Xls, Xlsx, Csv };

// The dialog's list of types: .xls, .xlsx, .csv, in that order.
QStringList saveFilters();
QString filterOf(FileType type);

struct ChosenFile {
    QString path;
    FileType type;
};

// A name ending in one of the three extensions, whatever their case, is saved in that type whatever type is
// chosen in the list; any other name gets the extension of the type chosen (.xls when the list gave none).
ChosenFile resolveChosenFile(const QString& name, const QString& filter);

}  // namespace quelva
