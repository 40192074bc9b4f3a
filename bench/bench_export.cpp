// "Salvar em Excel" on the largest Formato 1 grid of the sample within the limits: every locality of the
// Localities panel and 254 variables (255 columns). Timed from the button to the file on disk, beside
// libxlsxwriter writing the same cells (numbers as numbers) to an .xlsx in the same run. Prints JSON lines.
#include <xlsxwriter.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <filesystem>

#include "bench_support.h"
#include "cell_number.h"
#include "grade.h"
#include "painel_resultado.h"
#include "result_formats.h"

namespace {

// The grid's cells as libxlsxwriter takes them, titles in rows 1-2 and the grid from row 4, as the export does.
bool salvarXlsx(const quelva::Estado& e, const quelva::Grade& g, const std::string& caminho) {
    lxw_workbook* pasta = workbook_new(caminho.c_str());
    if (!pasta) return false;
    lxw_worksheet* planilha = workbook_add_worksheet(pasta, quelva::kNomesFormatos[0]);
    worksheet_write_string(planilha, 0, 0, e.TituloResultado.toUtf8().constData(), nullptr);
    worksheet_write_string(planilha, 1, 0, e.SubTituloResultado.toUtf8().constData(), nullptr);
    for (int l = 0; l < g.linhas(); ++l)
        for (int c = 0; c < g.colunas(); ++c) {
            const QString& t = g.celula(l, c).texto;
            if (t.isEmpty()) continue;
            if (const auto n = quelva::numberFromCellText(t)) worksheet_write_number(planilha, l + 3, c, *n, nullptr);
            else worksheet_write_string(planilha, l + 3, c, t.toUtf8().constData(), nullptr);
        }
    return workbook_close(pasta) == LXW_NO_ERROR;
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::JanelaAmostra amostra;
    amostra.iniciar();
    quelva::Estado& e = amostra.estado;
    for (jet::Recordset& rs = e.RsArea; !rs.eof(); rs.moveNext())
        if (rs.field("mun").toInteger() != 0) e.VetorLocalidade[static_cast<std::size_t>(rs.field("COD_AREA_NORVA").toInteger())] = true;
    e.RsArea.moveFirst();
    int variaveis = 0;
    for (auto& v : e.VetorVariavel) {
        if (variaveis == 254) break;
        if (v.CodVariavel.isNull() || v.CodVariavel.toText().rfind("M1_", 0) == 0) continue;
        v.Selecionada = jet::Value::boolean(true);
        ++variaveis;
    }
    amostra.janela.MnuVerResultado_Click();
    quelva::PainelResultado* p = amostra.janela.painelResultado;
    const quelva::Grade& g = p->grade(0);
    std::size_t celulas = 0;
    for (int l = 0; l < g.linhas(); ++l)
        for (int c = 0; c < g.colunas(); ++c) celulas += !g.celula(l, c).texto.isEmpty();

    QTemporaryDir dir;
    const QString xls = dir.filePath("formato1.xls");
    const std::string xlsx = dir.filePath("formato1.xlsx").toStdString();
    amostra.dialogos.arquivo = xls;
    amostra.dialogos.resposta = quelva::Dialogos::Resposta::Sim;  // replace the previous run's file
    const double nosso = bench::medianaMs(5, [] {}, [&] { p->FraRes_CmdSalvar_Click(); });
    const double outro = bench::medianaMs(5, [] {}, [&] { salvarXlsx(e, g, xlsx); });
    std::printf("{\"bench\":\"salvar_excel\",\"rows\":%d,\"columns\":%d,\"cells\":%zu,\"ms\":%.1f,\"bytes\":%llu,\"goal_ms\":1000,"
                "\"libxlsxwriter_xlsx_ms\":%.1f,\"xlsx_bytes\":%llu}\n",
                g.linhas(), g.colunas(), celulas, nosso, static_cast<unsigned long long>(std::filesystem::file_size(xls.toStdString())),
                outro, static_cast<unsigned long long>(std::filesystem::file_size(xlsx)));
    return 0;
}
