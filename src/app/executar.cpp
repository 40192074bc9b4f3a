#include "executar.h"

#include <QApplication>
#include <cstdio>

#include "command_line.h"
#include "dialogos.h"
#include "estado.h"
#include "frm_quelva.h"

namespace quelva {

int executarQuelva(QApplication&) {
    // The program's real folder: Qt reads it from /proc/self/exe, so a link in /usr/bin leads to
    // /usr/lib/quelva, where the sample survey lies beside the program (and the importer, found the same way).
    const CommandLine command = readCommandLine(QCoreApplication::arguments(), QCoreApplication::applicationDirPath());
    if (command.action == CommandLine::Action::Help) {
        std::fputs(kCommandLineUsage, stdout);
        return 0;
    }
    if (command.action == CommandLine::Action::Misuse) {
        std::fputs(kCommandLineUsage, stderr);
        return 2;
    }
    DialogosQt dialogos;
    return executarQuelva(command.surveyFolder, dialogos);
}

int executarQuelva(const QString& pasta, Dialogos& dialogos, const std::function<void(FrmQuelva&)>& aoMostrar) {
    Estado estado(pasta);
    FrmQuelva janela(estado, dialogos, [](int status) { QCoreApplication::exit(status); });
    bool falhou = true;
    janela.executarTratado([&] {
        janela.Form_Load();
        janela.Form_Activate();
        falhou = false;
    });
    if (falhou) return 1;
    janela.show();
    if (aoMostrar) aoMostrar(janela);
    return QCoreApplication::exec();
}

}  // namespace quelva
