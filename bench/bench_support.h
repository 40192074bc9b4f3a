#pragma once
// What the window benchmarks share: dialogs that answer nothing, and the median of repeated timings.
#include <algorithm>
#include <chrono>
#include <vector>

#include <QApplication>

#include "dialogs.h"
#include "grid_rules.h"
#include "result_query.h"
#include "run_state.h"
#include "main_window.h"

namespace bench {

using Clock = std::chrono::steady_clock;

// The benchmarks need no screen: the offscreen platform unless the caller chose another. Returns `argc`, for
// the application's constructor.
inline int& withoutScreen(int& argc) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return argc;
}

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

// Every locality of the Localities panel (mun non-zero), and variables in table order while the statement
// still holds them: the ordinary ones first, then those of the M1 group (nine columns each and a name column).
inline void selectLargest(quelva::RunState& e) {
    jet::Recordset rs = e.session.RsArea();
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        if (rs.field("mun").toInteger() != 0) e.localities.setMark(static_cast<int>(rs.field("COD_AREA_NORVA").toInteger()), true);
    for (bool m1 : {false, true}) {
        for (int i = 0; i < quelva::kMaxVariables; ++i) {
            const jet::Value& code = e.variables.VetorVariavel()[static_cast<std::size_t>(i)].CodVariavel;
            if (code.isNull() || quelva::belongsToM1(code.toText()) != m1) continue;
            e.variables.setMark(i, true);
            if (!quelva::assembleQuery(e)) e.variables.setMark(i, false);
        }
    }
}

// The window started and shown, the largest selection ticked, nothing run yet.
inline void startOnLargestSelection(SampleWindow& sample) {
    sample.start();
    QApplication::processEvents();
    selectLargest(sample.state);
}

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
