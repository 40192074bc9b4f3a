// Localities panel figures on the full sample: filling the list at start-up, "&Marcar todas" and
// "&Desmarcar todas" over every entry, and one keystroke of the name search. Prints JSON lines.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench_support.h"
#include "run_state.h"
#include "main_window.h"
#include "localities_panel.h"

namespace {

using bench::Clock;
using bench::medianMs;

double ms(Clock::time_point a, Clock::time_point b) { return bench::ms(b - a); }

// A character typed into the search box as the keyboard delivers it: press, then release.
void type(QLineEdit* box, QChar c) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(box, &press);
    QApplication::sendEvent(box, &release);
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::SampleWindow sample;
    quelva::FrmQuelva& window = sample.window;
    const auto start = Clock::now();
    window.Form_Load();
    const double load = ms(start, Clock::now());
    window.Form_Activate();
    auto* p = window.localitiesPanel;
    QListWidget* list = p->FraLoc_LstMunSelec;

    // Filling the list again, as start-up does, once the data file is in memory.
    const double fill = medianMs(11, [] {}, [&] { p->FraLoc_CarregarLocalidades(); });
    std::printf("{\"bench\":\"start_with_localities\",\"load_ms\":%.2f,\"fill_list_ms\":%.2f,\"entries\":%d,\"goal_extra_ms\":20}\n",
                load, fill, list->count());

    window.show();
    window.MnuLocalidades_Click();
    QApplication::processEvents();
    const double markAll = medianMs(
        21, [&] { p->FraLoc_CmdDesmarcarTodas_Click(); QApplication::processEvents(); },
        [&] { p->FraLoc_CmdMarcarTodas_Click(); QApplication::processEvents(); });
    const double unmarkAll = medianMs(
        21, [&] { p->FraLoc_CmdMarcarTodas_Click(); QApplication::processEvents(); },
        [&] { p->FraLoc_CmdDesmarcarTodas_Click(); QApplication::processEvents(); });
    std::printf("{\"bench\":\"localities_mark_all\",\"entries\":%d,\"ms\":%.2f,\"goal_ms\":30}\n", list->count(), markAll);
    std::printf("{\"bench\":\"localities_unmark_all\",\"entries\":%d,\"ms\":%.2f,\"goal_ms\":30}\n", list->count(), unmarkAll);

    // One keystroke: the last letter of a prefix, typed after the others; the key handlers alone, and with
    // the list repainted where the search moved it.
    QLineEdit* box = p->FraLoc_txtprocmun;
    box->setFocus();
    const QString prefixes[] = {"S", "SA", "SAO J", "I", "IT", "P", "POTI", "Q", "Z", "CA"};
    std::vector<double> keystrokes, withRepaint;
    for (int round = 0; round < 5; ++round) {
        for (const QString& prefix : prefixes) {
            box->clear();
            for (qsizetype i = 0; i + 1 < prefix.size(); ++i) type(box, prefix.at(i));
            QApplication::processEvents();
            const auto a = Clock::now();
            type(box, prefix.back());
            const auto b = Clock::now();
            QApplication::processEvents();
            keystrokes.push_back(ms(a, b));
            withRepaint.push_back(ms(a, Clock::now()));
        }
    }
    const double first = keystrokes.front();  // the first search also copies the recordset for the engine
    std::sort(keystrokes.begin(), keystrokes.end());
    std::sort(withRepaint.begin(), withRepaint.end());
    std::printf("{\"bench\":\"localities_search_keystroke\",\"keystrokes\":%zu,\"first_ms\":%.3f,\"median_ms\":%.3f,"
                "\"max_ms\":%.3f,\"with_repaint_median_ms\":%.3f,\"with_repaint_max_ms\":%.3f,\"goal_ms\":2}\n",
                keystrokes.size(), first, keystrokes[keystrokes.size() / 2], keystrokes.back(), withRepaint[withRepaint.size() / 2],
                withRepaint.back());
    return 0;
}
