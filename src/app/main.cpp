// Quelva: opens the survey's data file from the program's own folder and shows the main window.
#include <QApplication>

#include "dialogos.h"
#include "estado.h"
#include "frm_quelva.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    quelva::DialogosQt dialogos;
    quelva::Estado estado(QCoreApplication::applicationDirPath());
    quelva::FrmQuelva janela(estado, dialogos, [](int status) { QCoreApplication::exit(status); });
    bool falhou = false;
    // A failure before the window is shown ends the program with the error's message and no window at all.
    janela.executarTratado([&] {
        falhou = true;
        janela.Form_Load();
        janela.Form_Activate();
        falhou = false;
    });
    if (falhou) return 1;
    janela.show();
    return app.exec();
}
