// quelva-captura FILE.png [PANEL]: runs Quelva from its folder, saves a picture of the main window once it is
// shown, and ends. `make run` uses it on machines without a display, under a virtual X server. PANEL
// "resultado" first selects the variables of the first subtheme and the first ten localities and runs
// "Ver resultado", to picture a result as a user gets it.
#include <QApplication>
#include <QListWidget>
#include <QPixmap>
#include <QTimer>
#include <cstdio>

#include "dialogos.h"
#include "estado.h"
#include "executar.h"
#include "frm_quelva.h"
#include "painel_localidades.h"

namespace {

void selecionarExemplo(quelva::FrmQuelva& janela, quelva::Estado& estado) {
    const auto subtema = estado.VetorVariavel[0].CodSubTema;
    for (auto& v : estado.VetorVariavel)
        if (!v.CodSubTema.isNull() && v.CodSubTema.toText() == subtema.toText()) v.Selecionada = jet::Value::boolean(true);
    janela.MnuLocalidades->trigger();
    QListWidget* lista = janela.painelLocalidades->FraLoc_LstMunSelec;
    for (int i = 0; i < std::min(10, lista->count()); ++i) {
        lista->setCurrentRow(i);
        lista->item(i)->setCheckState(Qt::Checked);
    }
    janela.MnuVerResultado->trigger();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2 || argc > 3 || (argc == 3 && QString::fromLocal8Bit(argv[2]) != QLatin1String("resultado"))) {
        std::fprintf(stderr, "uso: quelva-captura ARQUIVO.png [resultado]\n");
        return 2;
    }
    const QString saida = QString::fromLocal8Bit(argv[1]);
    const bool resultado = argc == 3;
    quelva::DialogosQt dialogos;
    return quelva::executarQuelva(QCoreApplication::applicationDirPath(), dialogos, [&](quelva::FrmQuelva& janela) {
        if (resultado) selecionarExemplo(janela, janela.estado());
        // Let the window be laid out and painted before it is pictured.
        QTimer::singleShot(1500, &janela, [&janela, saida] {
            const bool ok = janela.grab().save(saida);
            if (!ok) std::fprintf(stderr, "não foi possível gravar %s\n", qPrintable(saida));
            QCoreApplication::exit(ok ? 0 : 1);
        });
    });
}
