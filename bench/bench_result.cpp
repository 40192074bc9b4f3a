// The result run on the full sample at the largest selection the limits admit: every listed locality and as
// many variables as the statement then holds. Times "Ver resultado" from the click to the panel shown, each
// step of it, the query against the sqlite3 shell running the same translated statement on the same data,
// tab switching and scrolling, and reports the program's peak memory. Prints JSON lines.
#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>

#include <algorithm>
#include <ctime>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "bench_support.h"
#include "result_query.h"
#include "dialogs.h"
#include "run_state.h"
#include "layouts.h"
#include "main_window.h"
#include "grid.h"
#include "grid_rules.h"
#include "notes.h"
#include "result_panel.h"
#include "result_rows.h"
#include "tabbed_frame.h"
#include "twips.h"

namespace {

using bench::Clock;
using bench::medianMs;

double ms(Clock::time_point a, Clock::time_point b) { return bench::ms(b - a); }

double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

long peakMemoryKb() {
    std::ifstream f("/proc/self/status");
    std::string line;
    while (std::getline(f, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

// The sqlite3 shell's own time for `sql` on an in-memory copy of `file`, with the engine's collation and
// functions loaded; -1 when the shell is missing or fails.
double shellTimeMs(const QString& file, const QString& extension, const std::string& sql, int& rows) {
    QTemporaryDir dir;
    const QString script = dir.filePath("consulta.sql");
    {
        std::ofstream f(script.toStdString());
        f << ".open --deserialize " << file.toStdString()
          << "\n.load " << extension.toStdString() << "\n.mode list\n.timer on\n" << sql << ";\n";
    }
    QProcess p;
    p.setStandardInputFile(script);
    p.start(QStringLiteral("sqlite3"), {QStringLiteral(":memory:")});
    if (!p.waitForFinished(120000) || p.exitCode() != 0) {
        std::fprintf(stderr, "sqlite3: %s\n", p.readAllStandardError().constData());
        return -1;
    }
    const QString output = QString::fromUtf8(p.readAllStandardOutput());
    const auto m = QRegularExpression(QStringLiteral("Run Time: real ([0-9.]+)")).match(output);
    rows = static_cast<int>(output.count(u'\n')) - 1;
    return m.hasMatch() ? m.captured(1).toDouble() * 1000 : -1;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(bench::withoutScreen(argc), argv);
    bench::SampleWindow sample;
    bench::startOnLargestSelection(sample);
    auto& [dialogs, state, window] = sample;
    int localities = 0, variables = 0;
    for (bool b : state.localities.VetorLocalidade()) localities += b;
    for (const auto& v : state.variables.VetorVariavel()) variables += v.isSelected();
    const QString statement = quelva::assembleQuery(state)->statement;

    // The whole run, from the click to the panel shown and painted; its processor time too, which other work
    // on the machine does not stretch.
    quelva::ResultPanel& p = *window.resultPanel;
    std::vector<double> cpu;
    const double run = medianMs(5, [&] { window.MnuVariaveis_Click(); QApplication::processEvents(); }, [&] {
        const double before = cpuMs();
        window.MnuVerResultado->trigger();
        QApplication::processEvents();
        cpu.push_back(cpuMs() - before);
    });
    std::sort(cpu.begin(), cpu.end());
    const double peakRunMb = peakMemoryKb() / 1024.0;
    if (!window.FraRes->isVisible()) {
        std::fprintf(stderr, "o painel de resultado não apareceu\n");
        return 1;
    }
    const quelva::Grid& g1 = p.grid(0);
    const quelva::Grid& g3 = p.grid(2);
    std::printf("{\"bench\":\"result_run\",\"localities\":%d,\"variables\":%d,\"statement_chars\":%lld,\"rows\":%d,"
                "\"grid1\":[%d,%d],\"grid3_rows\":%d,\"ms\":%.1f,\"cpu_ms\":%.1f,\"goal_ms\":350,\"peak_rss_mb\":%.1f,"
                "\"goal_mb\":150}\n",
                localities, variables, static_cast<long long>(statement.size()), state.result.RsResultado().recordCount(),
                g1.rows(), g1.columns(), g3.rows(), run, cpu[cpu.size() / 2], peakRunMb);

    // Its steps, one by one.
    quelva::Grid g(nullptr);
    auto a = Clock::now();
    state.result.AbrirTabelasCD(state.session.database());
    auto b = Clock::now();
    quelva::commitResult((state).result, *quelva::MontarConsulta(state));
    auto c = Clock::now();
    const auto rows = quelva::readResult(state, (state).result);
    auto l = Clock::now();
    quelva::MontarFormato1(rows, g);
    auto d = Clock::now();
    quelva::MontarFormato2(rows, g);
    auto e = Clock::now();
    quelva::MontarFormato3(rows, g, 15000);
    auto f = Clock::now();
    quelva::MontarNotas(state);
    auto h = Clock::now();
    state.result.FecharTabelasCD();
    std::printf("{\"bench\":\"result_run_steps\",\"catalogue_ms\":%.1f,\"query_ms\":%.1f,\"read_rows_ms\":%.1f,"
                "\"formato1_ms\":%.1f,\"formato2_ms\":%.1f,\"formato3_ms\":%.1f,\"notes_ms\":%.1f}\n",
                ms(a, b), ms(b, c), ms(c, l), ms(l, d), ms(d, e), ms(e, f), ms(f, h));

    // The query alone against the sqlite3 shell running the same translated statement on the same data (the
    // sample in SQLite form, as the shell reads no Jet file).
    state.result.AbrirTabelasCD(state.session.database());
    const std::string translated = state.result.catalogueTables().DbCatalogo.translate(statement.toStdString());
    std::vector<double> cpuQuery;
    const double engine = medianMs(5, [] {}, [&] {
        const double before = cpuMs();
        state.result.catalogueTables().DbCatalogo.openRecordset(statement.toStdString());
        cpuQuery.push_back(cpuMs() - before);
    });
    std::sort(cpuQuery.begin(), cpuQuery.end());
    state.result.FecharTabelasCD();
    int shellRows = 0;
    const double shell = shellTimeMs(QStringLiteral(QUELVA_FULL_SQLITE_SAMPLE "/Quelva.mdb"), QStringLiteral(QUELVA_SQLITE_EXTENSION), translated, shellRows);
    std::printf("{\"bench\":\"query_vs_sqlite3\",\"engine_ms\":%.1f,\"sqlite3_shell_ms\":%.1f,\"shell_rows\":%d,"
                "\"ratio\":%.2f,\"goal_ratio\":2}\n",
                engine, shell, shellRows, shell > 0 ? engine / shell : -1.0);
    // The whole run against the query alone: what the panel adds to the time the result takes to arrive.
    const double cpuRun = cpu[cpu.size() / 2], cpuQueryMedian = cpuQuery[cpuQuery.size() / 2];
    std::printf("{\"bench\":\"result_run_vs_query\",\"run_ms\":%.1f,\"query_ms\":%.1f,\"ratio\":%.2f,\"run_cpu_ms\":%.1f,"
                "\"query_cpu_ms\":%.1f,\"cpu_ratio\":%.2f,\"goal_ratio\":1.5}\n",
                run, engine, run / engine, cpuRun, cpuQueryMedian, cpuRun / cpuQueryMedian);

    // Switching tabs and scrolling the grids of that size, painted.
    const double tabSwitch = medianMs(9, [] {}, [&] {
        p.FraRes_SSTab1->setTab((p.FraRes_SSTab1->Tab() + 1) % 3);
        QApplication::processEvents();
    });
    double scroll[3];
    for (int i = 0; i < 3; ++i) {
        p.FraRes_SSTab1->setTab(i);
        QApplication::processEvents();
        QScrollBar* bar = p.FraRes_MSFlexGrid[i]->verticalScrollBar();
        int step = 0;
        scroll[i] = medianMs(9, [] {}, [&] {
            bar->setValue(bar->maximum() * (++step % 4) / 4);
            p.FraRes_MSFlexGrid[i]->horizontalScrollBar()->setValue(p.FraRes_MSFlexGrid[i]->horizontalScrollBar()->maximum() * (step % 3) / 3);
            p.FraRes_MSFlexGrid[i]->viewport()->repaint();
        });
    }
    std::printf("{\"bench\":\"tabs_and_scrolling\",\"tab_switch_ms\":%.1f,\"scroll_grid1_ms\":%.1f,\"scroll_grid2_ms\":%.1f,"
                "\"scroll_grid3_ms\":%.1f,\"goal_ms\":50}\n",
                tabSwitch, scroll[0], scroll[1], scroll[2]);
    // Page by page, down and right in turn, as a reader pages through Formato 1 and 2: each page the whole grid
    // painted, the header row and column kept in view included.
    double page[2];
    for (int i = 0; i < 2; ++i) {
        p.FraRes_SSTab1->setTab(i);
        quelva::GridTableView* v = p.FraRes_MSFlexGrid[i];
        v->verticalScrollBar()->setValue(0);
        v->horizontalScrollBar()->setValue(0);
        QApplication::processEvents();
        int step = 0;
        page[i] = medianMs(21, [] {}, [&] {
            QScrollBar* bar = ++step % 2 ? v->verticalScrollBar() : v->horizontalScrollBar();
            bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
            v->repaint();
        });
    }
    std::printf("{\"bench\":\"scrolling_by_page\",\"page_grid1_ms\":%.1f,\"page_grid2_ms\":%.1f,\"goal_ms\":50}\n",
                page[0], page[1]);
    // With the benchmark's own extra grid of the steps above.
    std::printf("{\"bench\":\"result_run_memory\",\"peak_rss_mb_at_end\":%.1f}\n", peakMemoryKb() / 1024.0);
    return 0;
}
