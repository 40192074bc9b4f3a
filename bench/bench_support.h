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

// Benchmarks ask the user nothing: questions get `resposta`, a save dialog `arquivo` (empty: cancelled).
class SilentDialogs : public quelva::Dialogos {
public:
    Resposta mensagem(QWidget*, const QString&, Icone, Botoes b, const QString&, bool) override {
        return b == Botoes::Ok ? Resposta::Ok : resposta;
    }
    SaveChoice salvarArquivo(QWidget*, const QString&, const QString&, const QStringList&, const QString& selected) override {
        return {arquivo, selected};
    }
    Resposta resposta = Resposta::Nao;
    QString arquivo;
};

// The program's window over the full sample beside the benchmark, not yet started.
struct JanelaAmostra {
    SilentDialogs dialogos;
    quelva::Estado estado{QStringLiteral(QUELVA_BIN)};
    quelva::FrmQuelva janela{estado, dialogos, [](int) {}};

    // Start-up, the first activation and the window shown, as the program runs them.
    void iniciar() {
        janela.Form_Load();
        janela.Form_Activate();
        janela.show();
    }
};

inline double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Median time of `f`, each run after an untimed `prepare`.
template <class A, class F>
double medianaMs(int runs, A&& prepare, F&& f) {
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
