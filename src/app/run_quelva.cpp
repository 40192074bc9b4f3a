#include "run_quelva.h"

#include <QApplication>
#include <QFile>
#include <clocale>
#include <cstdio>

#include "command_line.h"
#include "dialogs.h"
#include "run_state.h"
#include "main_window.h"

namespace quelva {

namespace {

// What "-h" and a wrong command line get: the usage, and the program's status; -1 for a command line that
// runs the program.
int answerWithUsage(const CommandLine& command) {
    if (command.action == CommandLine::Action::Help) return std::fputs(kCommandLineUsage, stdout), 0;
    if (command.action == CommandLine::Action::Misuse) return std::fputs(kCommandLineUsage, stderr), 2;
    return -1;
}

}  // namespace

int runQuelva(int argc, char** argv) {
    // The usage is asked for in a terminal, perhaps with no display for the toolkit to open.
    if (const CommandLine asked = readCommandLine({argv, argv + argc}, {}); asked.action == CommandLine::Action::Help)
        return answerWithUsage(asked);
    QApplication app(argc, argv);
    // Qt has taken its own options out of argv, and the rest are read as bytes: QCoreApplication::arguments()
    // would decode a folder's name, and a name that is not UTF-8 would no longer open it.
    // The program's real folder: Qt reads it from /proc/self/exe, so a link in /usr/bin leads to
    // /usr/lib/quelva, where the sample survey lies beside the program (and the importer, found the same way).
    const CommandLine command =
        readCommandLine({argv, argv + argc}, QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
    if (const int status = answerWithUsage(command); status >= 0) return status;
    QtDialogs dialogs;
    return runQuelva(command.surveyFolder, dialogs, {}, command.selectionFile);
}

int runQuelva(const std::string& folder, Dialogs& dialogs, const std::function<void(FrmQuelva&)>& onShown,
              const std::string& selectionFile) {
    // Qt took the user's locale for the C library too; under a Portuguese one strtod and printf read and
    // write "1,5", which breaks the engine's numbers in statements. Texts keep the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    RunState state(folder);
    FrmQuelva mainWindow(state, dialogs, [](int status) { QCoreApplication::exit(status); });
    bool failed = true;
    mainWindow.runHandled([&] {
        mainWindow.Form_Load();
        mainWindow.Form_Activate();
        failed = false;
    });
    if (failed) return 1;
    mainWindow.show();
    if (!selectionFile.empty()) mainWindow.runHandled([&] { mainWindow.openSelectionFile(selectionFile); });
    if (onShown) onShown(mainWindow);
    return QCoreApplication::exec();
}

}  // namespace quelva
