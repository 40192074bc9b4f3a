#pragma once
// What the window benchmarks share: dialogs that answer nothing, and the median of repeated timings.
#include <algorithm>
#include <chrono>
#include <vector>

#include <QApplication>

#include "dialogs.h"
#include "run_state.h"
#include "main_window.h"

namespace bench {

using Clock = std::chrono::steady_clock;

// Benchmarks ask the user nothing: questions get `answer`, a save or open dialog `file` (empty: cancelled).
class SilentDialogs : public quelva::Dialogs {
public:
    Answer message(QWidget*, const QString&, Icon, Buttons b, const QString&, bool) override {
        return b == Buttons::Ok ? Answer::Ok : answer;
    }
    SaveChoice saveFile(QWidget*, const QString&, const QString&, const QStringList&, const QString& selected) override {
        return {file, selected};
    }
    QString openFile(QWidget*, const QString&, const QString&, const QStringList&) override { return file; }
    Answer answer = Answer::No;
    QString file;
};

// The program's window over the full sample beside the benchmark (or in `folder`), not yet started.
struct SampleWindow {
    explicit SampleWindow(const QString& folder = QStringLiteral(QUELVA_BIN)) : state(folder) {}
    SilentDialogs dialogs;
    quelva::RunState state;
    quelva::FrmQuelva window{state, dialogs, [](int) {}};

    // Start-up, the first activation and the window shown, as the program runs them.
    void start() {
        window.Form_Load();
        window.Form_Activate();
        window.show();
    }
};

inline double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Median time of `f`, each run after an untimed `prepare`.
template <class A, class F>
double medianMs(int runs, A&& prepare, F&& f) {
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
        prepare();
        auto a = Clock::now();
        f();
        t.push_back(ms(Clock::now() - a));
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

}  // namespace bench
