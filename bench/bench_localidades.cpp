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
#include "estado.h"
#include "frm_quelva.h"
#include "painel_localidades.h"

namespace {

using bench::Clock;
using bench::medianaMs;

double ms(Clock::time_point a, Clock::time_point b) { return bench::ms(b - a); }

// A character typed into the search box as the keyboard delivers it: press, then release.
void digitar(QLineEdit* caixa, QChar c) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(caixa, &press);
    QApplication::sendEvent(caixa, &release);
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::JanelaAmostra amostra;
    quelva::FrmQuelva& janela = amostra.janela;
    const auto inicio = Clock::now();
    janela.Form_Load();
    const double carga = ms(inicio, Clock::now());
    janela.Form_Activate();
    auto* p = janela.painelLocalidades;
    QListWidget* lista = p->FraLoc_LstMunSelec;

    // Filling the list again, as start-up does, once the data file is in memory.
    const double carregar = medianaMs(11, [] {}, [&] { p->FraLoc_CarregarLocalidades(); });
    std::printf("{\"bench\":\"inicio_com_localidades\",\"load_ms\":%.2f,\"fill_list_ms\":%.2f,\"entries\":%d,\"goal_extra_ms\":20}\n",
                carga, carregar, lista->count());

    janela.show();
    janela.MnuLocalidades_Click();
    QApplication::processEvents();
    const double marcar = medianaMs(
        21, [&] { p->FraLoc_CmdDesmarcarTodas_Click(); QApplication::processEvents(); },
        [&] { p->FraLoc_CmdMarcarTodas_Click(); QApplication::processEvents(); });
    const double desmarcar = medianaMs(
        21, [&] { p->FraLoc_CmdMarcarTodas_Click(); QApplication::processEvents(); },
        [&] { p->FraLoc_CmdDesmarcarTodas_Click(); QApplication::processEvents(); });
    std::printf("{\"bench\":\"localidades_marcar_todas\",\"entries\":%d,\"ms\":%.2f,\"goal_ms\":30}\n", lista->count(), marcar);
    std::printf("{\"bench\":\"localidades_desmarcar_todas\",\"entries\":%d,\"ms\":%.2f,\"goal_ms\":30}\n", lista->count(), desmarcar);

    // One keystroke: the last letter of a prefix, typed after the others; the key handlers alone, and with
    // the list repainted where the search moved it.
    QLineEdit* caixa = p->FraLoc_txtprocmun;
    caixa->setFocus();
    const QString prefixos[] = {"S", "SA", "SAO J", "I", "IT", "P", "POTI", "Q", "Z", "CA"};
    std::vector<double> teclas, comPintura;
    for (int rodada = 0; rodada < 5; ++rodada) {
        for (const QString& prefixo : prefixos) {
            caixa->clear();
            for (qsizetype i = 0; i + 1 < prefixo.size(); ++i) digitar(caixa, prefixo.at(i));
            QApplication::processEvents();
            const auto a = Clock::now();
            digitar(caixa, prefixo.back());
            const auto b = Clock::now();
            QApplication::processEvents();
            teclas.push_back(ms(a, b));
            comPintura.push_back(ms(a, Clock::now()));
        }
    }
    const double primeira = teclas.front();  // the first search also copies the recordset for the engine
    std::sort(teclas.begin(), teclas.end());
    std::sort(comPintura.begin(), comPintura.end());
    std::printf("{\"bench\":\"localidades_busca_tecla\",\"keystrokes\":%zu,\"first_ms\":%.3f,\"median_ms\":%.3f,"
                "\"max_ms\":%.3f,\"with_repaint_median_ms\":%.3f,\"with_repaint_max_ms\":%.3f,\"goal_ms\":2}\n",
                teclas.size(), primeira, teclas[teclas.size() / 2], teclas.back(), comPintura[comPintura.size() / 2],
                comPintura.back());
    return 0;
}
