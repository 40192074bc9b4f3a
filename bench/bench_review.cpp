// The review panel on the full sample: opening "Ver seleções" with every variable and every municipality
// selected, and the localities' "&Desmarcar todas" over that list. Prints JSON lines.
#include <QApplication>
#include <QListWidget>
#include <cstdio>

#include "bench_support.h"
#include "estado.h"
#include "frm_quelva.h"
#include "painel_selecoes.h"

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::JanelaAmostra amostra;
    quelva::Estado& estado = amostra.estado;
    quelva::FrmQuelva& janela = amostra.janela;
    janela.Form_Load();
    janela.Form_Activate();
    janela.show();

    auto selecionarTudo = [&] {
        for (auto& v : estado.VetorVariavel) v.Selecionada = jet::Value::boolean(true);
        for (int c = 1; c <= 679; ++c) estado.VetorLocalidade[static_cast<std::size_t>(c)] = true;
        janela.MnuVariaveis_Click();  // leave the panel, so that the menu fills it again
        QApplication::processEvents();
    };
    auto* p = janela.painelSelecoes;
    const double abrir = bench::medianaMs(11, selecionarTudo, [&] {
        janela.MnuVerSelecoes_Click();
        QApplication::processEvents();
    });
    std::printf("{\"bench\":\"abrir_ver_selecoes\",\"variables\":%d,\"localities\":%d,\"ms\":%.2f,\"goal_ms\":50}\n",
                p->FraSel_FraVar_LstNomeVariavel->count(), p->FraSel_Fraloc_Lstlocalidade->count(), abrir);

    const double desmarcar = bench::medianaMs(
        11, [&] { selecionarTudo(); janela.MnuVerSelecoes_Click(); QApplication::processEvents(); },
        [&] { p->FraSel_Fraloc_Cmddesmarcartodas_Click(); QApplication::processEvents(); });
    std::printf("{\"bench\":\"desmarcar_localidades_revisao\",\"localities\":%d,\"ms\":%.2f,\"goal_ms\":30}\n",
                p->FraSel_Fraloc_Lstlocalidade->count(), desmarcar);
    return 0;
}
