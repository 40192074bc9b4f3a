// quelva-capture FILE.png [PANEL]: runs Quelva from its folder, saves a picture of the main window once it is
// shown, and ends. `make run` uses it on machines without a display, under a virtual X server. PANEL
// "resultado" first selects the variables of the first subtheme and the first ten localities and runs
// "Ver resultado", to picture a result as a user gets it; "grafico" then sorts Formato 1 by its first variable
// and pictures the window of "Gráfico".
#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "dialogs.h"
#include "run_state.h"
#include "run_quelva.h"
#include "main_window.h"
#include "localities_panel.h"
#include "grid.h"
#include "result_panel.h"

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
    const QString panel = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (argc < 2 || argc > 3 || (argc == 3 && panel != QLatin1String("resultado") && panel != QLatin1String("grafico"))) {
        std::fprintf(stderr, "uso: quelva-capture ARQUIVO.png [resultado | grafico]\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    const bool showResult = argc == 3, showChart = panel == QLatin1String("grafico");
    quelva::QtDialogs dialogs;
    const std::string folder = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    return quelva::runQuelva(folder, dialogs, [&](quelva::FrmQuelva& window) {
        if (showResult) selectSample(window, window.state().variables);
        if (showChart) {
            quelva::GridTableView* grid = window.resultPanel->FraRes_MSFlexGrid[0];
            // Title cell of the first variable: once for the ranking, largest first; the chart is of the
            // current cell's variable.
            emit grid->cellChosen(0, 1);
            grid->setCurrentIndex(grid->model()->index(1, 1));
            window.resultPanel->FraRes_CmdChart->click();
        }
        // Let the window be laid out and painted before it is pictured.
        QTimer::singleShot(1500, &window, [&window, output, showChart] {
            QWidget* pictured = &window;
            // The chart's window is the one shown besides the main window.
            for (QWidget* w : QApplication::topLevelWidgets())
                if (showChart && w != &window && w->isVisible() && w->isWindow()) pictured = w;
            const bool ok = pictured->grab().save(output);
            if (!ok) std::fprintf(stderr, "não foi possível gravar %s\n", qPrintable(output));
            QCoreApplication::exit(ok ? 0 : 1);
        });
    });
}
