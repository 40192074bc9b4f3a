// "Salvar em Excel" on the sample's largest grids, timed from the button to the file on disk:
// - Formato 1 of every locality of the Localities panel and 254 variables (255 columns, the most an .xls
//   holds) as .xls;
// - Formato 2 of every locality and 600 variables as .xlsx, with the peak memory the export adds;
// - Formato 3 of every locality and 650 variables (about the largest result) as .csv.
// One run's statement holds about 250 variables for every locality, so the two large grids are put together
// from the Formato 2 of three runs over the same localities: their rows (one per variable) stacked, and for
// Formato 3 each locality's card read from its column. Beside each workbook, libxlsxwriter writing the same
// cells alone (numbers as numbers) to an .xlsx in the same run. Prints JSON lines.
#include <malloc.h>
#include <time.h>
#include <xlsxwriter.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "bench_support.h"
#include "cell_number.h"
#include "grid.h"
#include "result_panel.h"
#include "grid_rules.h"
#include "result_formats.h"
#include "excel_export.h"
#include "tabbed_frame.h"

namespace {

// The grid's cells as libxlsxwriter takes them, titles in rows 1-2 and the grid from row 4, as the export does.
bool saveWithLibxlsxwriter(const quelva::RunState& e, const quelva::Grid& g, int tab, const std::string& path, bool constantMemory) {
    lxw_workbook_options options{};
    options.constant_memory = constantMemory ? LXW_TRUE : LXW_FALSE;
    lxw_workbook* workbook = workbook_new_opt(path.c_str(), &options);
    if (!workbook) return false;
    lxw_worksheet* worksheet = workbook_add_worksheet(workbook, quelva::kLayoutNames[tab]);
    worksheet_write_string(worksheet, 0, 0, e.session.TituloResultado().toUtf8().constData(), nullptr);
    worksheet_write_string(worksheet, 1, 0, e.session.SubTituloResultado().toUtf8().constData(), nullptr);
    for (int l = 0; l < g.rows(); ++l)
        for (int c = 0; c < g.columns(); ++c) {
            const QString t = g.text(l, c);
            if (t.isEmpty()) continue;
            if (const auto n = quelva::numberFromCellText(t)) worksheet_write_number(worksheet, l + 3, c, *n, nullptr);
            else worksheet_write_string(worksheet, l + 3, c, t.toUtf8().constData(), nullptr);
        }
    return workbook_close(workbook) == LXW_NO_ERROR;
}

// A figure of /proc/self/status, in kB.
long statusKb(const char* field) {
    std::ifstream f("/proc/self/status");
    for (std::string line; std::getline(f, line);)
        if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::string(field).size()));
    return -1;
}

// Memory the process holds at its peak while `f` runs, beyond what it held before.
template <class F>
double peakAddedMb(F&& f) {
    // Memory freed earlier goes back to the system, so that what the export takes shows; the peak then starts
    // again from what is held now.
    malloc_trim(0);
    { std::ofstream("/proc/self/clear_refs") << "5"; }
    const long before = statusKb("VmRSS:");
    f();
    return (statusKb("VmHWM:") - before) / 1024.0;
}

// Median wall and processor time of `f`, in ms: on a machine shared with other work the processor time is the
// steadier figure (it leaves out waiting for the disk).
template <class F>
std::pair<double, double> medians(int runs, F&& f) {
    std::vector<double> wall, cpu;
    for (int i = 0; i < runs; ++i) {
        timespec a{}, b{};
        ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &a);
        const auto start = bench::Clock::now();
        f();
        wall.push_back(bench::ms(bench::Clock::now() - start));
        ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &b);
        cpu.push_back((b.tv_sec - a.tv_sec) * 1e3 + (b.tv_nsec - a.tv_nsec) / 1e6);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return {wall[wall.size() / 2], cpu[cpu.size() / 2]};
}

std::size_t nonEmptyCells(const quelva::Grid& g) {
    std::size_t n = 0;
    for (int l = 0; l < g.rows(); ++l)
        for (int c = 0; c < g.columns(); ++c) n += !g.cell(l, c).text.isEmpty();
    return n;
}

unsigned long long bytes(const QString& path) { return static_cast<unsigned long long>(std::filesystem::file_size(path.toStdString())); }

// Every locality of the Localities panel, and the variables outside the M1 group from the `from`th on, `count`
// of them.
void selectRange(quelva::RunState& e, int from, int count) {
    for (jet::Recordset rs = e.session.RsArea(); !rs.eof(); rs.moveNext())
        if (rs.field("mun").toInteger() != 0) e.localities.setMark(static_cast<int>(rs.field("COD_AREA_NORVA").toInteger()), true);
    int n = 0;
    for (int i = 0; i < quelva::kMaxVariables; ++i) {
        const jet::Value& code = e.variables.VetorVariavel()[static_cast<std::size_t>(i)].CodVariavel;
        const bool ordinary = !code.isNull() && code.toText().rfind("M1_", 0) != 0;
        e.variables.setMark(i, ordinary && n >= from && n < from + count);
        n += ordinary;
    }
}

void copyRow(const quelva::Grid& from, int l, quelva::Grid& to, int targetRow) {
    for (int c = 0; c < from.columns(); ++c) to.writableCell(targetRow, c) = from.cell(l, c);
    to.setRowHeight(targetRow, from.rowHeight(l));
}

// Formato 2 of every locality and `total` variables, from runs of at most 250 variables each.
void stackedFormato2(bench::SampleWindow& a, int total, quelva::Grid& g) {
    const quelva::Grid& r = a.window.resultPanel->grid(1);
    for (int from = 0; from < total; from += 250) {
        selectRange(a.state, from, std::min(250, total - from));
        a.window.MnuVariaveis_Click();  // a result is asked for from another panel
        a.window.MnuVerResultado_Click();
        const int firstRow = from == 0 ? 0 : 1;  // the header row once
        const int base = g.rows();
        if (from == 0) g.setSize(0, r.columns());
        if (r.columns() != g.columns() || r.rows() != std::min(250, total - from) + 1) {
            std::fprintf(stderr, "a run gave %d x %d\n", r.rows(), r.columns());
            std::exit(1);
        }
        g.setSize(base + r.rows() - firstRow, r.columns());
        for (int l = firstRow; l < r.rows(); ++l) copyRow(r, l, g, base + l - firstRow);
        for (int c = 0; c < r.columns(); ++c) g.setColumnWidth(c, r.columnWidth(c));
    }
}

// Formato 3 from a Formato 2: for each locality (column), its heading row, then a row per variable.
void formato3From(const quelva::Grid& f2, quelva::Grid& g) {
    g.setSize((f2.columns() - 1) * f2.rows(), 2);
    int l = 0;
    for (int c = 1; c < f2.columns(); ++c) {
        g.setText(l, 0, QStringLiteral("Município: ") + f2.text(0, c));
        g.writableCell(l, 0).background = g.writableCell(l, 1).background = quelva::localityColour();
        ++l;
        for (int v = 1; v < f2.rows(); ++v, ++l) {
            g.writableCell(l, 0) = f2.cell(v, 0);
            g.writableCell(l, 1) = f2.cell(v, c);
        }
    }
    g.setColumnWidth(0, 4000);
    g.setColumnWidth(1, 5000);
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::SampleWindow sample;
    sample.start();
    quelva::RunState& e = sample.state;
    quelva::ResultPanel* p = sample.window.resultPanel;
    QTemporaryDir dir;
    sample.dialogs.answer = quelva::Dialogs::Answer::Yes;  // replace the previous run's file
    auto saveTab = [&](int tab, const QString& file) {
        p->FraRes_SSTab1->setTab(tab);
        sample.dialogs.file = file;
        return [p] { p->FraRes_CmdSalvar_Click(); };
    };

    // Formato 1 as .xls.
    selectRange(e, 0, 254);
    sample.window.MnuVerResultado_Click();
    {
        const quelva::Grid& g = p->grid(0);
        const QString xls = dir.filePath("formato1.xls");
        const std::string xlsx = dir.filePath("formato1.xlsx").toStdString();
        const auto [ours, oursCpu] = medians(5, saveTab(0, xls));
        const double libxlsxwriterMs = bench::medianMs(5, [] {}, [&] { saveWithLibxlsxwriter(e, g, 0, xlsx, false); });
        std::printf("{\"bench\":\"save_xls\",\"rows\":%d,\"columns\":%d,\"cells\":%zu,\"ms\":%.1f,\"cpu_ms\":%.1f,\"bytes\":%llu,"
                    "\"goal_ms\":1000,\"libxlsxwriter_xlsx_ms\":%.1f,\"xlsx_bytes\":%llu}\n",
                    g.rows(), g.columns(), nonEmptyCells(g), ours, oursCpu, bytes(xls), libxlsxwriterMs, bytes(QString::fromStdString(xlsx)));
    }

    quelva::Grid f2;
    stackedFormato2(sample, 650, f2);
    auto exportTab = [&](int tab, const quelva::Grid& g, const QString& file) {
        return [&, tab, file] {
            sample.dialogs.file = file;
            quelva::SalvarExcel({e, sample.dialogs, &sample.window, tab, g, [](bool) {}});
        };
    };

    // Formato 2 of 600 variables as .xlsx: the peak memory first, then the times.
    {
        quelva::Grid g;
        g.setSize(601, f2.columns());
        for (int l = 0; l < 601; ++l) copyRow(f2, l, g, l);
        for (int c = 0; c < g.columns(); ++c) g.setColumnWidth(c, f2.columnWidth(c));
        const QString xlsx = dir.filePath("formato2.xlsx");
        const std::string alone = dir.filePath("sozinho.xlsx").toStdString();
        const double peakMb = peakAddedMb(exportTab(1, g, xlsx));
        const double constantMemoryPeakMb = peakAddedMb([&] { saveWithLibxlsxwriter(e, g, 1, alone, true); });
        const double defaultPeakMb = peakAddedMb([&] { saveWithLibxlsxwriter(e, g, 1, alone, false); });
        const auto ours = medians(5, exportTab(1, g, xlsx));
        const auto constantMemoryRun = medians(5, [&] { saveWithLibxlsxwriter(e, g, 1, alone, true); });
        const auto defaultRun = medians(5, [&] { saveWithLibxlsxwriter(e, g, 1, alone, false); });
        std::printf("{\"bench\":\"save_xlsx\",\"rows\":%d,\"columns\":%d,\"cells\":%zu,\"ms\":%.1f,\"cpu_ms\":%.1f,\"goal_ms\":1500,"
                    "\"bytes\":%llu,\"peak_added_mb\":%.1f,\"goal_mb\":100,\"libxlsxwriter_constant_memory_ms\":%.1f,"
                    "\"libxlsxwriter_constant_memory_cpu_ms\":%.1f,\"ratio\":%.2f,\"cpu_ratio\":%.2f,\"goal_ratio\":1.2,"
                    "\"libxlsxwriter_constant_memory_peak_mb\":%.1f,\"libxlsxwriter_default_ms\":%.1f,\"libxlsxwriter_default_peak_mb\":%.1f}\n",
                    g.rows(), g.columns(), nonEmptyCells(g), ours.first, ours.second, bytes(xlsx), peakMb, constantMemoryRun.first,
                    constantMemoryRun.second, ours.first / constantMemoryRun.first, ours.second / constantMemoryRun.second, constantMemoryPeakMb, defaultRun.first,
                    defaultPeakMb);
    }

    // Formato 3 of 650 variables as .csv.
    {
        quelva::Grid g;
        formato3From(f2, g);
        const QString csv = dir.filePath("formato3.csv");
        const auto ours = medians(5, exportTab(2, g, csv));
        std::printf("{\"bench\":\"save_csv\",\"rows\":%d,\"columns\":%d,\"cells\":%zu,\"ms\":%.1f,\"cpu_ms\":%.1f,\"goal_ms\":1000,"
                    "\"bytes\":%llu}\n",
                    g.rows(), g.columns(), nonEmptyCells(g), ours.first, ours.second, bytes(csv));
    }
    return 0;
}
