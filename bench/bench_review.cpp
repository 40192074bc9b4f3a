// The review panel on the full sample: opening "Ver seleções" with every variable and every municipality
// selected, and the localities' "&Desmarcar todas" over that list. Prints JSON lines.
#include <QApplication>
#include <QListWidget>
#include <cstdio>

#include "bench_support.h"
#include "run_state.h"
#include "main_window.h"
#include "review_panel.h"

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::SampleWindow sample;
    quelva::RunState& state = sample.state;
    quelva::FrmQuelva& window = sample.window;
    window.Form_Load();
    window.Form_Activate();
    window.show();

    auto selectEverything = [&] {
        for (int i = 0; i < quelva::kMaxVariables; ++i) state.variables.setMark(i, true);
        for (int c = quelva::kMunicipalityBand.first; c <= quelva::kMunicipalityBand.last; ++c) state.localities.setMark(c, true);
        window.MnuVariaveis_Click();  // leave the panel, so that the menu fills it again
        QApplication::processEvents();
    };
    auto* p = window.reviewPanel;
    const double open = bench::medianMs(11, selectEverything, [&] {
        window.MnuVerSelecoes_Click();
        QApplication::processEvents();
    });
    std::printf("{\"bench\":\"open_review\",\"variables\":%d,\"localities\":%d,\"ms\":%.2f,\"goal_ms\":50}\n",
                p->FraSel_FraVar_LstNomeVariavel->count(), p->FraSel_Fraloc_Lstlocalidade->count(), open);

    const double unmarkAll = bench::medianMs(
        11, [&] { selectEverything(); window.MnuVerSelecoes_Click(); QApplication::processEvents(); },
        [&] { p->FraSel_Fraloc_Cmddesmarcartodas_Click(); QApplication::processEvents(); });
    std::printf("{\"bench\":\"review_unmark_localities\",\"localities\":%d,\"ms\":%.2f,\"goal_ms\":30}\n",
                p->FraSel_Fraloc_Lstlocalidade->count(), unmarkAll);
    return 0;
}
