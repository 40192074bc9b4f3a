#include "file_types.h"

namespace quelva {

namespace {

struct TypeEntry {
    FileType type;
    const char* filter;
    const char* extension;
};

const TypeEntry kTypes[] = {
    {FileType::Xls, "Pasta de trabalho do Excel 97-2003 (*.xls)", ".xls"},
    {FileType::Xlsx, "Pasta de trabalho do Excel (*.xlsx)", ".xlsx"},
    {FileType::Csv, "Texto separado por ponto e vírgula (*.csv)", ".csv"},
};

}  // namespace

QStringList saveFilters() {
    QStringList filters;
    for (const TypeEntry& t : kTypes) filters << QString::fromUtf8(t.filter);
    return filters;
}

QString filterOf(FileType type) {
    for (const TypeEntry& t : kTypes)
        if (t.type == type) return QString::fromUtf8(t.filter);
    return {};
}

ChosenFile resolveChosenFile(const QString& name, const QString& filter) {
    for (const TypeEntry& t : kTypes)
        if (name.endsWith(QLatin1String(t.extension), Qt::CaseInsensitive)) return {name, t.type};
    const TypeEntry* chosen = &kTypes[0];
    for (const TypeEntry& t : kTypes)
        if (filter == QString::fromUtf8(t.filter)) chosen = &t;
    return {name + QLatin1String(chosen->extension), chosen->type};
}

}  // namespace quelva
