#pragma once
// What the benchmarks of the program's windows share: dialogs that answer nothing, and the median of timed runs.
#include <QString>

#include <algorithm>
#include <chrono>
#include <vector>

#include "dialogos.h"
#include "estado.h"
#include "frm_quelva.h"

namespace bench_support {

using Clock = std::chrono::steady_clock;

// Benchmarks answer no question.
class DialogosMudos : public quelva::Dialogos {
public:
    Resposta mensagem(QWidget*, const QString&, Icone, Botoes, const QString&, bool) override { return Resposta::Ok; }
    QString salvarArquivo(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
};

inline double ms(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double, std::milli>(b - a).count(); }

// Median time of `f`, each run after an untimed `antes`.
template <class A, class F>
double medianaMs(int vezes, A&& antes, F&& f) {
    std::vector<double> t;
    for (int i = 0; i < vezes; ++i) {
        antes();
        auto a = Clock::now();
        f();
        t.push_back(ms(a, Clock::now()));
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

// The program's main window over the full sample beside the build's program, started as the program starts
// it, with the times its load and its first activation took. Needs the QApplication.
struct JanelaIniciada {
    DialogosMudos dialogos;
    quelva::Estado estado{QStringLiteral(QUELVA_BIN)};
    quelva::FrmQuelva janela{estado, dialogos, [](int) {}};
    double loadMs = 0;
    double activationMs = 0;

    JanelaIniciada() {
        const auto inicio = Clock::now();
        janela.Form_Load();
        const auto carregada = Clock::now();
        janela.Form_Activate();
        loadMs = ms(inicio, carregada);
        activationMs = ms(carregada, Clock::now());
    }
};

}  // namespace bench_support
