// The sort and the chart on the full sample's largest Formato 1 (every listed locality, as many variables as
// the statement holds): a title clicked through its three directions, the chart of every locality opened and
// painted, and its image saved in each type. Prints JSON lines.
#include <QApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>

#include "bench_support.h"
#include "cell_number.h"
#include "chart_image.h"
#include "chart_model.h"
#include "chart_view.h"
#include "chart_window.h"
#include "grid.h"
#include "result_panel.h"

namespace {

// The column with the most cells that read as numbers: the longest ranking the sample gives.
int numericColumn(const quelva::Grid& g) {
    int best = 1, most = -1;
    for (int c = 1; c < g.columns(); ++c) {
        int numbers = 0;
        for (int r = 1; r < g.rows(); ++r) numbers += quelva::numberFromCellText(g.text(r, c)).has_value();
        if (numbers > most) {
            best = c;
            most = numbers;
        }
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(bench::withoutScreen(argc), argv);
    bench::SampleWindow sample;
    bench::startOnLargestSelection(sample);
    quelva::FrmQuelva& window = sample.window;
    window.MnuVerResultado->trigger();
    QApplication::processEvents();
    quelva::ResultPanel& p = *window.resultPanel;
    const quelva::Grid& g = p.grid(0);
    const int column = numericColumn(g);

    // Each click steps to the next direction: descending, ascending, the query's order, and again.
    const double sort = bench::medianMs(9, [] {}, [&] {
        p.sortByTitle(0, 0, column);
        QApplication::processEvents();
    });
    std::printf("{\"bench\":\"sort_formato1\",\"rows\":%d,\"columns\":%d,\"ms\":%.1f,\"goal_ms\":50}\n", g.rows(), g.columns(), sort);

    p.sortByTitle(0, 0, column);  // a ranking
    p.FraRes_MSFlexGrid[0]->setCurrentIndex(g.index(1, column));
    quelva::ChartWindow* chart = nullptr;
    const double open = bench::medianMs(5, [&] { delete chart; chart = nullptr; }, [&] {
        p.FraRes_CmdChart->click();
        chart = window.findChild<quelva::ChartWindow*>();
        chart->view->repaint();
        QApplication::processEvents();
    });
    std::printf("{\"bench\":\"chart_open\",\"bars\":%zu,\"ms\":%.1f,\"goal_ms\":200}\n", chart->view->model().bars.size(), open);

    QTemporaryDir dir;
    const char* names[] = {"png", "svg", "pdf"};
    for (int t = 0; t < 3; ++t) {
        const QString file = dir.filePath(QStringLiteral("grafico.") + names[t]);
        const double save = bench::medianMs(3, [] {}, [&] {
            quelva::writeChartImage(chart->view->model(), file, static_cast<quelva::ImageType>(t));
        });
        std::printf("{\"bench\":\"chart_image_save\",\"type\":\"%s\",\"bytes\":%lld,\"ms\":%.1f,\"goal_ms\":1000}\n", names[t],
                    static_cast<long long>(QFileInfo(file).size()), save);
    }
    return 0;
}
