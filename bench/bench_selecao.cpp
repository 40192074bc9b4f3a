// Variable selection figures on the full sample: "&Marcar todas" on the largest subtheme, and reopening the
// Variables panel from the menu with all 706 variables selected. Prints JSON lines.
#include <QApplication>
#include <QListWidget>
#include <QMap>

#include <cstdio>
#include <vector>

#include "arvore_temas.h"
#include "bench_support.h"
#include "estado.h"
#include "frm_quelva.h"
#include "painel_variaveis.h"

using bench::Clock;
using bench::medianaMs;

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::JanelaAmostra amostra;
    quelva::Estado& estado = amostra.estado;
    quelva::FrmQuelva& janela = amostra.janela;
    const auto inicio = Clock::now();
    janela.Form_Load();
    const auto carregada = Clock::now();
    janela.Form_Activate();
    const auto ativada = Clock::now();
    std::printf("{\"bench\":\"inicio_programa\",\"load_ms\":%.2f,\"first_activation_ms\":%.2f}\n",
                std::chrono::duration<double, std::milli>(carregada - inicio).count(),
                std::chrono::duration<double, std::milli>(ativada - carregada).count());
    janela.show();
    janela.MnuVariaveis_Click();
    auto* p = janela.painelVariaveis;

    // The subtheme with the most variables.
    QMap<QString, int> porSubtema;
    for (const auto& v : estado.VetorVariavel)
        if (!v.CodSubTema.isNull()) ++porSubtema["ST" + QString::fromStdString(v.CodSubTema.toText())];
    QString maior;
    for (auto it = porSubtema.begin(); it != porSubtema.end(); ++it)
        if (maior.isEmpty() || it.value() > porSubtema[maior]) maior = it.key();
    for (int i = 1; i <= p->FraVar_TrwTemas->quantidade(); ++i)
        if (p->FraVar_TrwTemas->chave(p->FraVar_TrwTemas->no(i)) == maior) p->FraVar_TrwTemas->setCurrentItem(p->FraVar_TrwTemas->no(i));
    p->FraVar_TrwTemas_Click();
    const int listadas = p->FraVar_LstNomeVariavel->count();

    const double marcar = medianaMs(
        21, [&] { p->FraVar_CmdDesmarcarTodas_Click(); QApplication::processEvents(); },
        [&] { p->FraVar_CmdMarcarTodas_Click(); QApplication::processEvents(); });
    std::printf("{\"bench\":\"marcar_todas\",\"subtheme\":\"%s\",\"variables\":%d,\"ms\":%.2f,\"goal_ms\":50}\n",
                maior.toUtf8().constData(), listadas, marcar);

    for (auto& v : estado.VetorVariavel) v.Selecionada = jet::Value::boolean(true);
    const double reabrir = medianaMs(21, [&] { janela.MnuCriterios_Click(); }, [&] {
        janela.MnuVariaveis_Click();
        QApplication::processEvents();
    });
    int selecionadas = 0;
    for (const auto& v : estado.VetorVariavel) selecionadas += v.selecionada();
    std::printf("{\"bench\":\"reabrir_variaveis\",\"selected\":%d,\"listed\":%d,\"ms\":%.2f,\"goal_ms\":50}\n", selecionadas,
                listadas, reabrir);
    return 0;
}
