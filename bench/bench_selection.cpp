// Variable selection figures on the full sample: "&Marcar todas" on the largest subtheme, and reopening the
// Variables panel from the menu with all 706 variables selected. Prints JSON lines.
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QMap>

#include <cstdio>
#include <vector>

#include "theme_tree.h"
#include "bench_support.h"
#include "run_state.h"
#include "main_window.h"
#include "variables_panel.h"

using bench::Clock;
using bench::medianMs;

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::SampleWindow sample;
    quelva::RunState& state = sample.state;
    quelva::FrmQuelva& window = sample.window;
    const auto start = Clock::now();
    window.Form_Load();
    const auto loaded = Clock::now();
    window.Form_Activate();
    const auto activated = Clock::now();
    std::printf("{\"bench\":\"program_start\",\"load_ms\":%.2f,\"first_activation_ms\":%.2f}\n",
                std::chrono::duration<double, std::milli>(loaded - start).count(),
                std::chrono::duration<double, std::milli>(activated - loaded).count());
    window.show();
    window.MnuVariaveis_Click();
    auto* p = window.variablesPanel;

    // The subtheme with the most variables.
    QMap<QString, int> perSubtheme;
    for (const auto& v : state.variables.VetorVariavel())
        if (!v.CodSubTema.isNull()) ++perSubtheme["ST" + QString::fromStdString(v.CodSubTema.toText())];
    QString largest;
    for (auto it = perSubtheme.begin(); it != perSubtheme.end(); ++it)
        if (largest.isEmpty() || it.value() > perSubtheme[largest]) largest = it.key();
    for (int i = 1; i <= p->FraVar_TrwTemas->nodeCount(); ++i)
        if (p->FraVar_TrwTemas->key(p->FraVar_TrwTemas->node(i)) == largest) p->FraVar_TrwTemas->setCurrentItem(p->FraVar_TrwTemas->node(i));
    p->FraVar_TrwTemas_Click();
    const int listed = p->FraVar_LstNomeVariavel->count();

    const double markAll = medianMs(
        21, [&] { p->FraVar_CmdDesmarcarTodas->click(); QApplication::processEvents(); },
        [&] { p->FraVar_CmdMarcarTodas->click(); QApplication::processEvents(); });
    std::printf("{\"bench\":\"mark_all_variables\",\"subtheme\":\"%s\",\"variables\":%d,\"ms\":%.2f,\"goal_ms\":50}\n",
                largest.toUtf8().constData(), listed, markAll);

    for (int i = 0; i < quelva::kMaxVariables; ++i) state.variables.setMark(i, true);
    const double reopen = medianMs(21, [&] { window.MnuCriterios_Click(); }, [&] {
        window.MnuVariaveis_Click();
        QApplication::processEvents();
    });
    int selected = 0;
    for (const auto& v : state.variables.VetorVariavel()) selected += v.isSelected();
    std::printf("{\"bench\":\"reopen_variables\",\"selected\":%d,\"listed\":%d,\"ms\":%.2f,\"goal_ms\":50}\n", selected,
                listed, reopen);
    return 0;
}
