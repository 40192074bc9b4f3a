// Start-up and variable selection figures on the full sample: launch to the logo panel on the Jet 4 file
// (with the importer's peak memory), beside it on the SQLite form and mdbtools exporting every table;
// "&Marcar todas" on the largest subtheme, and reopening the Variables panel from the menu with all 706
// variables selected. Prints JSON lines.
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QMap>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "theme_tree.h"
#include "bench_support.h"
#include "run_state.h"
#include "main_window.h"
#include "variables_panel.h"

using bench::Clock;
using bench::medianMs;

namespace {

struct StartUp {
    double loadMs, activationMs;
};

// Launch to the logo panel: the data file read (a Jet file imported in its child), the catalogue loaded.
StartUp startUp(bench::SampleWindow& sample) {
    const auto start = Clock::now();
    sample.window.Form_Load();
    const auto loaded = Clock::now();
    sample.window.Form_Activate();
    return {bench::ms(loaded - start), bench::ms(Clock::now() - loaded)};
}

long statusKb(const char* field) {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::strlen(field));
    return 0;
}

// mdbtools' own export of every table of the file, for comparison with the import.
double mdbExportAllMs(const std::string& file) {
    const auto start = Clock::now();
    const std::string command = "for t in $(mdb-tables -1 '" + file + "'); do mdb-export '" + file + "' \"$t\" >/dev/null; done";
    if (std::system(command.c_str()) != 0) return -1;
    return bench::ms(Clock::now() - start);
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::SampleWindow sample;
    quelva::RunState& state = sample.state;
    quelva::FrmQuelva& window = sample.window;
    const StartUp jet = startUp(sample);
    const double programPeakMb = statusKb("VmHWM:") / 1024.0;
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    bench::SampleWindow sqliteSample(QStringLiteral(QUELVA_FULL_SQLITE_SAMPLE));
    const StartUp sqlite = startUp(sqliteSample);
    std::printf("{\"bench\":\"program_start\",\"file\":\"jet4\",\"load_ms\":%.2f,\"first_activation_ms\":%.2f,"
                "\"ms\":%.1f,\"goal_ms\":500,\"program_peak_mb\":%.1f,\"importer_peak_mb\":%.1f,\"goal_mb\":150,"
                "\"sqlite_form_ms\":%.1f,\"mdb_export_all_tables_ms\":%.1f,\"goal_ratio_to_mdb_export\":1}\n",
                jet.loadMs, jet.activationMs, jet.loadMs + jet.activationMs, programPeakMb, children.ru_maxrss / 1024.0,
                sqlite.loadMs + sqlite.activationMs, mdbExportAllMs(QUELVA_BIN "/Quelva.mdb"));
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
