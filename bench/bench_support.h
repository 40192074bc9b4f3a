#pragma once
// What the window benchmarks share: dialogs that answer nothing, and the median of repeated timings.
#include <algorithm>
#include <chrono>
#include <vector>

#include <QApplication>

#include "dialogos.h"
#include "estado.h"
#include "frm_quelva.h"

namespace bench {

using Clock = std::chrono::steady_clock;

// Benchmarks answer no question.
class DialogosMudos : public quelva::Dialogos {
public:
    Resposta mensagem(QWidget*, const QString&, Icone, Botoes, const QString&, bool) override { return Resposta::Ok; }
    QString salvarArquivo(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
};

// The program's window over the full sample beside the benchmark, not yet started.
struct JanelaAmostra {
    DialogosMudos dialogos;
    quelva::Estado estado{QStringLiteral(QUELVA_BIN)};
    quelva::FrmQuelva janela{estado, dialogos, [](int) {}};
};

inline double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Median time of `f`, each run after an untimed `antes`.
template <class A, class F>
double medianaMs(int vezes, A&& antes, F&& f) {
    std::vector<double> t;
    for (int i = 0; i < vezes; ++i) {
        antes();
        auto a = Clock::now();
        f();
        t.push_back(ms(Clock::now() - a));
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

}  // namespace bench
