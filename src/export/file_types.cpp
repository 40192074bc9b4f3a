#include "file_types.h"

namespace quelva {

namespace {

// In the order of FileType.
const SaveType kTypes[] = {
    {"Pasta de trabalho do Excel 97-2003 (*.xls)", ".xls"},
    {"Pasta de trabalho do Excel (*.xlsx)", ".xlsx"},
    {"Texto separado por ponto e vírgula (*.csv)", ".csv"},
};

}  // namespace

QStringList filtersOf(std::span<const SaveType> types) {
    QStringList filters;
    for (const SaveType& t : types) filters << QString::fromUtf8(t.filter);
    return filters;
}

ChosenType chooseType(const QString& name, const QString& filter, std::span<const SaveType> types) {
    for (std::size_t i = 0; i < types.size(); ++i)
        if (name.endsWith(QLatin1String(types[i].extension), Qt::CaseInsensitive)) return {name, i};
    std::size_t chosen = 0;
    for (std::size_t i = 0; i < types.size(); ++i)
        if (filter == QString::fromUtf8(types[i].filter)) chosen = i;
    return {name + QLatin1String(types[chosen].extension), chosen};
}

QStringList saveFilters() { return filtersOf(kTypes); }

QString filterOf(FileType type) { return QString::fromUtf8(kTypes[static_cast<std::size_t>(type)].filter); }

ChosenFile resolveChosenFile(const QString& name, const QString& filter) {
    const ChosenType chosen = chooseType(name, filter, kTypes);
    return {chosen.path, static_cast<FileType>(chosen.type)};
}

}  // namespace quelva
