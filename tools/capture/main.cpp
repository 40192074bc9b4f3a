// quelva-capture FILE.png [PANEL]: runs Quelva from its folder, saves a picture of the main window once it is
// shown, and ends. `make run` uses it on machines without a display, under a virtual X server. PANEL
// "resultado" first selects the variables of the first subtheme and the first ten localities and runs
// "Ver resultado", to picture a result as a user gets it.
#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QPixmap>
#include <QTimer>
#include <cstdio>

#include "dialogs.h"
#include "run_state.h"
#include "run_quelva.h"
#include "main_window.h"
#include "localities_panel.h"

namespace {

void selectSample(quelva::FrmQuelva& window, quelva::VariableSelection& variables) {
    const quelva::VetorVariavel& table = variables.VetorVariavel();
    const auto subtheme = table[0].CodSubTema;
    for (int i = 0; i < quelva::kMaxVariables; ++i) {
        const jet::Value& code = table[static_cast<std::size_t>(i)].CodSubTema;
        if (!code.isNull() && code.toText() == subtheme.toText()) variables.setMark(i, true);
    }
    window.MnuLocalidades->trigger();
    QListWidget* list = window.localitiesPanel->FraLoc_LstMunSelec;
    for (int i = 0; i < std::min(10, list->count()); ++i) {
        list->setCurrentRow(i);
        list->item(i)->setCheckState(Qt::Checked);
    }
    window.MnuVerResultado->trigger();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2 || argc > 3 || (argc == 3 && QString::fromLocal8Bit(argv[2]) != QLatin1String("resultado"))) {
        std::fprintf(stderr, "uso: quelva-capture ARQUIVO.png [resultado]\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    const bool showResult = argc == 3;
    quelva::QtDialogs dialogs;
    const std::string folder = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    return quelva::runQuelva(folder, dialogs, [&](quelva::FrmQuelva& window) {
        if (showResult) selectSample(window, window.state().variables);
        // Let the window be laid out and painted before it is pictured.
        QTimer::singleShot(1500, &window, [&window, output] {
            const bool ok = window.grab().save(output);
            if (!ok) std::fprintf(stderr, "não foi possível gravar %s\n", qPrintable(output));
            QCoreApplication::exit(ok ? 0 : 1);
        });
    });
}
