#include "command_line.h"

#include <QDir>

namespace quelva {

CommandLine readCommandLine(const QStringList& arguments, const QString& programFolder) {
    const QStringList given = arguments.mid(1);
    if (given.isEmpty()) return {CommandLine::Action::Run, programFolder};
    const QString& first = given.front();
    if (given.size() == 1 && (first == QLatin1String("-h") || first == QLatin1String("--help")))
        return {CommandLine::Action::Help, {}};
    if (given.size() > 1 || first.isEmpty() || first.startsWith(u'-')) return {CommandLine::Action::Misuse, {}};
    return {CommandLine::Action::Run, QDir::cleanPath(QDir::current().absoluteFilePath(first))};
}

}  // namespace quelva
