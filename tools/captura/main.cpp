// quelva-captura FILE.png: runs Quelva from its folder, saves a picture of the main window once it is shown,
// and ends. `make run` uses it on machines without a display, under a virtual X server.
#include <QApplication>
#include <QPixmap>
#include <QTimer>
#include <cstdio>

#include "executar.h"
#include "frm_quelva.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: quelva-captura ARQUIVO.png\n");
        return 2;
    }
    const QString saida = QString::fromLocal8Bit(argv[1]);
    return quelva::executarQuelva(app, [&](quelva::FrmQuelva& janela) {
        // Let the window be laid out and painted before it is pictured.
        QTimer::singleShot(1500, &janela, [&janela, saida] {
            const bool ok = janela.grab().save(saida);
            if (!ok) std::fprintf(stderr, "não foi possível gravar %s\n", qPrintable(saida));
            QCoreApplication::exit(ok ? 0 : 1);
        });
    });
}
