// "Salvar em Excel" on the sample's largest grids, timed from the button to the file on disk:
// - Formato 1 of every locality of the Localities panel and 254 variables (255 columns, the most an .xls
//   holds) as .xls;
// - Formato 2 of every locality and 600 variables as .xlsx, with the peak memory the export adds;
// - Formato 3 of every locality and 650 variables (about the largest result) as .csv.
// One run's statement holds about 250 variables for every locality, so the two large grids are put together
// from the Formato 2 of three runs over the same localities: their rows (one per variable) stacked, and for
// Formato 3 each locality's card read from its column. Beside each workbook, libxlsxwriter writing the same
// cells alone (numbers as numbers) to an .xlsx in the same run. Prints JSON lines.
#include <malloc.h>
#include <time.h>
#include <xlsxwriter.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "bench_support.h"
#include "cell_number.h"
#include "grade.h"
#include "painel_resultado.h"
#include "regras_grade.h"
#include "result_formats.h"
#include "salvar_excel.h"
#include "tabbed_frame.h"

namespace {

// The grid's cells as libxlsxwriter takes them, titles in rows 1-2 and the grid from row 4, as the export does.
bool salvarXlsx(const quelva::Estado& e, const quelva::Grade& g, int aba, const std::string& caminho, bool memoriaConstante) {
    lxw_workbook_options opcoes{};
    opcoes.constant_memory = memoriaConstante ? LXW_TRUE : LXW_FALSE;
    lxw_workbook* pasta = workbook_new_opt(caminho.c_str(), &opcoes);
    if (!pasta) return false;
    lxw_worksheet* planilha = workbook_add_worksheet(pasta, quelva::kNomesFormatos[aba]);
    worksheet_write_string(planilha, 0, 0, e.TituloResultado.toUtf8().constData(), nullptr);
    worksheet_write_string(planilha, 1, 0, e.SubTituloResultado.toUtf8().constData(), nullptr);
    for (int l = 0; l < g.linhas(); ++l)
        for (int c = 0; c < g.colunas(); ++c) {
            const QString t = g.texto(l, c);
            if (t.isEmpty()) continue;
            if (const auto n = quelva::numberFromCellText(t)) worksheet_write_number(planilha, l + 3, c, *n, nullptr);
            else worksheet_write_string(planilha, l + 3, c, t.toUtf8().constData(), nullptr);
        }
    return workbook_close(pasta) == LXW_NO_ERROR;
}

// A figure of /proc/self/status, in kB.
long statusKb(const char* campo) {
    std::ifstream f("/proc/self/status");
    for (std::string linha; std::getline(f, linha);)
        if (linha.rfind(campo, 0) == 0) return std::stol(linha.substr(std::string(campo).size()));
    return -1;
}

// Memory the process holds at its peak while `f` runs, beyond what it held before.
template <class F>
double picoAcrescidoMb(F&& f) {
    // Memory freed earlier goes back to the system, so that what the export takes shows; the peak then starts
    // again from what is held now.
    malloc_trim(0);
    { std::ofstream("/proc/self/clear_refs") << "5"; }
    const long antes = statusKb("VmRSS:");
    f();
    return (statusKb("VmHWM:") - antes) / 1024.0;
}

// Median wall and processor time of `f`, in ms: on a machine shared with other work the processor time is the
// steadier figure (it leaves out waiting for the disk).
template <class F>
std::pair<double, double> medianas(int vezes, F&& f) {
    std::vector<double> parede, cpu;
    for (int i = 0; i < vezes; ++i) {
        timespec a{}, b{};
        ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &a);
        const auto inicio = bench::Clock::now();
        f();
        parede.push_back(bench::ms(bench::Clock::now() - inicio));
        ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &b);
        cpu.push_back((b.tv_sec - a.tv_sec) * 1e3 + (b.tv_nsec - a.tv_nsec) / 1e6);
    }
    std::sort(parede.begin(), parede.end());
    std::sort(cpu.begin(), cpu.end());
    return {parede[parede.size() / 2], cpu[cpu.size() / 2]};
}

std::size_t celulasNaoVazias(const quelva::Grade& g) {
    std::size_t n = 0;
    for (int l = 0; l < g.linhas(); ++l)
        for (int c = 0; c < g.colunas(); ++c) n += !g.celula(l, c).texto.isEmpty();
    return n;
}

unsigned long long bytes(const QString& caminho) { return static_cast<unsigned long long>(std::filesystem::file_size(caminho.toStdString())); }

// Every locality of the Localities panel, and the variables outside the M1 group from the `de`th on, `quantas`
// of them.
void selecionar(quelva::Estado& e, int de, int quantas) {
    for (jet::Recordset& rs = e.RsArea; !rs.eof(); rs.moveNext())
        if (rs.field("mun").toInteger() != 0) e.VetorLocalidade[static_cast<std::size_t>(rs.field("COD_AREA_NORVA").toInteger())] = true;
    e.RsArea.moveFirst();
    int n = 0;
    for (auto& v : e.VetorVariavel) {
        const bool comum = !v.CodVariavel.isNull() && v.CodVariavel.toText().rfind("M1_", 0) != 0;
        v.Selecionada = jet::Value::boolean(comum && n >= de && n < de + quantas);
        n += comum;
    }
}

void copiarLinha(const quelva::Grade& de, int l, quelva::Grade& para, int destino) {
    for (int c = 0; c < de.colunas(); ++c) para.writableCell(destino, c) = de.celula(l, c);
    para.definirAlturaLinha(destino, de.alturaLinha(l));
}

// Formato 2 of every locality and `total` variables, from runs of at most 250 variables each.
void formato2Empilhado(bench::JanelaAmostra& a, int total, quelva::Grade& g) {
    const quelva::Grade& r = a.janela.painelResultado->grade(1);
    for (int de = 0; de < total; de += 250) {
        selecionar(a.estado, de, std::min(250, total - de));
        a.janela.MnuVariaveis_Click();  // a result is asked for from another panel
        a.janela.MnuVerResultado_Click();
        const int inicio = de == 0 ? 0 : 1;  // the header row once
        const int base = g.linhas();
        if (de == 0) g.definirTamanho(0, r.colunas());
        if (r.colunas() != g.colunas() || r.linhas() != std::min(250, total - de) + 1) {
            std::fprintf(stderr, "a run gave %d x %d\n", r.linhas(), r.colunas());
            std::exit(1);
        }
        g.definirTamanho(base + r.linhas() - inicio, r.colunas());
        for (int l = inicio; l < r.linhas(); ++l) copiarLinha(r, l, g, base + l - inicio);
        for (int c = 0; c < r.colunas(); ++c) g.definirLarguraColuna(c, r.larguraColuna(c));
    }
}

// Formato 3 from a Formato 2: for each locality (column), its heading row, then a row per variable.
void formato3De(const quelva::Grade& f2, quelva::Grade& g) {
    g.definirTamanho((f2.colunas() - 1) * f2.linhas(), 2);
    int l = 0;
    for (int c = 1; c < f2.colunas(); ++c) {
        g.definirTexto(l, 0, QStringLiteral("Município: ") + f2.texto(0, c));
        g.writableCell(l, 0).fundo = g.writableCell(l, 1).fundo = quelva::localityColour();
        ++l;
        for (int v = 1; v < f2.linhas(); ++v, ++l) {
            g.writableCell(l, 0) = f2.celula(v, 0);
            g.writableCell(l, 1) = f2.celula(v, c);
        }
    }
    g.definirLarguraColuna(0, 4000);
    g.definirLarguraColuna(1, 5000);
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::JanelaAmostra amostra;
    amostra.iniciar();
    quelva::Estado& e = amostra.estado;
    quelva::PainelResultado* p = amostra.janela.painelResultado;
    QTemporaryDir dir;
    amostra.dialogos.resposta = quelva::Dialogos::Resposta::Sim;  // replace the previous run's file
    auto salvar = [&](int aba, const QString& arquivo) {
        p->FraRes_SSTab1->setTab(aba);
        amostra.dialogos.arquivo = arquivo;
        return [p] { p->FraRes_CmdSalvar_Click(); };
    };

    // Formato 1 as .xls.
    selecionar(e, 0, 254);
    amostra.janela.MnuVerResultado_Click();
    {
        const quelva::Grade& g = p->grade(0);
        const QString xls = dir.filePath("formato1.xls");
        const std::string xlsx = dir.filePath("formato1.xlsx").toStdString();
        const auto [nosso, nossoCpu] = medianas(5, salvar(0, xls));
        const double outro = bench::medianaMs(5, [] {}, [&] { salvarXlsx(e, g, 0, xlsx, false); });
        std::printf("{\"bench\":\"salvar_excel\",\"rows\":%d,\"columns\":%d,\"cells\":%zu,\"ms\":%.1f,\"cpu_ms\":%.1f,\"bytes\":%llu,"
                    "\"goal_ms\":1000,\"libxlsxwriter_xlsx_ms\":%.1f,\"xlsx_bytes\":%llu}\n",
                    g.linhas(), g.colunas(), celulasNaoVazias(g), nosso, nossoCpu, bytes(xls), outro, bytes(QString::fromStdString(xlsx)));
    }

    quelva::Grade f2;
    formato2Empilhado(amostra, 650, f2);
    auto exportar = [&](int aba, const quelva::Grade& g, const QString& arquivo) {
        return [&, aba, arquivo] {
            amostra.dialogos.arquivo = arquivo;
            quelva::SalvarExcel({e, amostra.dialogos, &amostra.janela, aba, g, [](bool) {}});
        };
    };

    // Formato 2 of 600 variables as .xlsx: the peak memory first, then the times.
    {
        quelva::Grade g;
        g.definirTamanho(601, f2.colunas());
        for (int l = 0; l < 601; ++l) copiarLinha(f2, l, g, l);
        for (int c = 0; c < g.colunas(); ++c) g.definirLarguraColuna(c, f2.larguraColuna(c));
        const QString xlsx = dir.filePath("formato2.xlsx");
        const std::string sozinho = dir.filePath("sozinho.xlsx").toStdString();
        const double memoria = picoAcrescidoMb(exportar(1, g, xlsx));
        const double memoriaConstante = picoAcrescidoMb([&] { salvarXlsx(e, g, 1, sozinho, true); });
        const double memoriaPadrao = picoAcrescidoMb([&] { salvarXlsx(e, g, 1, sozinho, false); });
        const auto nosso = medianas(5, exportar(1, g, xlsx));
        const auto constante = medianas(5, [&] { salvarXlsx(e, g, 1, sozinho, true); });
        const auto padrao = medianas(5, [&] { salvarXlsx(e, g, 1, sozinho, false); });
        std::printf("{\"bench\":\"salvar_xlsx\",\"rows\":%d,\"columns\":%d,\"cells\":%zu,\"ms\":%.1f,\"cpu_ms\":%.1f,\"goal_ms\":1500,"
                    "\"bytes\":%llu,\"peak_added_mb\":%.1f,\"goal_mb\":100,\"libxlsxwriter_constant_memory_ms\":%.1f,"
                    "\"libxlsxwriter_constant_memory_cpu_ms\":%.1f,\"ratio\":%.2f,\"cpu_ratio\":%.2f,\"goal_ratio\":1.2,"
                    "\"libxlsxwriter_constant_memory_peak_mb\":%.1f,\"libxlsxwriter_default_ms\":%.1f,\"libxlsxwriter_default_peak_mb\":%.1f}\n",
                    g.linhas(), g.colunas(), celulasNaoVazias(g), nosso.first, nosso.second, bytes(xlsx), memoria, constante.first,
                    constante.second, nosso.first / constante.first, nosso.second / constante.second, memoriaConstante, padrao.first,
                    memoriaPadrao);
    }

    // Formato 3 of 650 variables as .csv.
    {
        quelva::Grade g;
        formato3De(f2, g);
        const QString csv = dir.filePath("formato3.csv");
        const auto nosso = medianas(5, exportar(2, g, csv));
        std::printf("{\"bench\":\"salvar_csv\",\"rows\":%d,\"columns\":%d,\"cells\":%zu,\"ms\":%.1f,\"cpu_ms\":%.1f,\"goal_ms\":1000,"
                    "\"bytes\":%llu}\n",
                    g.linhas(), g.colunas(), celulasNaoVazias(g), nosso.first, nosso.second, bytes(csv));
    }
    return 0;
}
