#pragma once
// The types a file can be saved in, as a save dialog lists them, and how a typed name and the type chosen in
// the list make the file to write: the result's three (below), and any other list of types.
#include <QString>
#include <QStringList>
#include <span>

namespace quelva {

// A type of a save dialog's list: its line in the list and the extension it gives a name.
struct SaveType {
    const char* filter;
    const char* extension;
};

// The lines of `types`, in their order.
QStringList filtersOf(std::span<const SaveType> types);

struct ChosenType {
    QString path;
    std::size_t type;  // its place in the list
};

// A name ending in one of the extensions, whatever their case, is saved in that type whatever type is
// chosen in the list; any other name gets the extension of the type chosen (the first one when the list
// gave none).
ChosenType chooseType(const QString& name, const QString& filter, std::span<const SaveType> types);

enum class FileType { Xls, Xlsx, Csv };

// The dialog's list of types: .xls, .xlsx, .csv, in that order.
QStringList saveFilters();
QString filterOf(FileType type);

struct ChosenFile {
    QString path;
    FileType type;
};

// The result's file, by the rule of chooseType.
ChosenFile resolveChosenFile(const QString& name, const QString& filter);

}  // namespace quelva
