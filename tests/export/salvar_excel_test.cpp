// The result saved as a workbook: the worksheet's layout read back by an independent reader, the number
// rule, the limits, the dialog's answers, and failures that leave the user's files as they were.
#include <gtest/gtest.h>

#include <QApplication>
#include <filesystem>

#include "cell_number.h"
#include "exportacao.h"
#include "file_types.h"

namespace {

using namespace export_testing;
using quelva::Dialogos;

TEST(NumeroPlanilha, ThousandsPointsAndTheDecimalCommaMakeANumber) {
    EXPECT_EQ(quelva::numberFromCellText("1.234"), 1234.0);
    EXPECT_EQ(quelva::numberFromCellText("1.234,5"), 1234.5);
    EXPECT_EQ(quelva::numberFromCellText("-12"), -12.0);
    EXPECT_EQ(quelva::numberFromCellText("+7"), 7.0);
    EXPECT_EQ(quelva::numberFromCellText("1234567"), 1234567.0);
    EXPECT_EQ(quelva::numberFromCellText("12.345.678,25"), 12345678.25);
    EXPECT_EQ(quelva::numberFromCellText("0,5"), 0.5);
    EXPECT_EQ(quelva::numberFromCellText("123.456.789.012.345.678.901.234"), 123456789012345678901234.0);
    EXPECT_EQ(quelva::numberFromCellText("007"), 7.0);
    for (const char* t : {"1.2345", "1.23", "12.34.567", ".123", "1.", "1,", ",5", "1,2,3", "NR", "SB", "...", "-", "", " 12", "12 ",
                          "1.234.5", "--1", "1e5", "0x1F"})
        EXPECT_FALSE(quelva::numberFromCellText(t).has_value()) << t;
}

TEST(NumeroPlanilha, SubstituirTextoReplacesEveryOccurrenceOnce) {
    EXPECT_EQ(quelva::SubstituirTexto("1.234.567", ".", ""), "1234567");
    EXPECT_EQ(quelva::SubstituirTexto("a.b", ".", ".."), "a..b");  // no endless search for what it put there
    EXPECT_EQ(quelva::SubstituirTexto("sem ponto", ".", ""), "sem ponto");
    EXPECT_EQ(quelva::SubstituirTexto("", ".", ""), "");
}

TEST(SalvarExcel, TheSheetOfEachTabTitlesGridNotesAndLegend) {
    Exportacao e;
    e.selecionar("K002");  // a definition only
    e.selecionar("I001");  // no source, note or definition
    e.grade.definirTamanho(2, 3);
    e.grade.definirTexto(0, 0, "Município");
    e.grade.definirTexto(0, 1, "Total");
    e.grade.definirTexto(1, 0, "Anhurapuã");
    e.grade.definirTexto(1, 1, "1.234");
    e.grade.definirTexto(1, 2, "NR");
    for (int aba = 0; aba < 3; ++aba) {
        const std::string arquivo = e.pasta.file("aba" + std::to_string(aba) + ".xls");
        e.dialogos.escolherArquivo(QString::fromStdString(arquivo));
        e.salvar(aba);
        const auto lido = xls_testing::readWithXlrd(arquivo);
        ASSERT_EQ(lido.fault, "");
        ASSERT_EQ(lido.sheets.size(), 1u);
        EXPECT_EQ(lido.sheets[0].name, "Resultado - Formato " + std::to_string(aba + 1));
        const auto& c = lido.sheets[0].cells;
        EXPECT_EQ(c.at({0, 0}), texto("Lumbra 1999"));
        EXPECT_EQ(c.at({1, 0}), texto("Tarsenal"));
        EXPECT_EQ(c.count({2, 0}), 0u);
        EXPECT_EQ(c.at({3, 0}), texto("Município"));
        EXPECT_EQ(c.at({4, 1}), ReadCell::ofNumber(1234));
        EXPECT_EQ(c.at({4, 2}), texto("NR"));
        EXPECT_EQ(c.count({3, 2}), 0u);  // an empty cell writes nothing
        // Grid rows 4-5, then: empty, heading, empty, K002's block and its empty row, I001's empty row, two
        // more, the legend.
        EXPECT_EQ(coluna1(c, 6, 17),
                  (std::vector<std::string>{"", "Fontes, Notas e Definições:", "",
                                            "Variável: Total de lei orgânica informatizados",
                                            "Definicao: Refere-se a \"Total de lei orgânica informatizados\", conforme declarado pela "
                                            "prefeitura ao questionário de 1999.",
                                            "", "", "", "", "Convenções:", "NR  Município não respondeu",
                                            "SB  Saneamento básico do município operado pela SABESP"}));
        EXPECT_EQ(coluna1(c, 18, 19), (std::vector<std::string>{"... Dado não disponível", " -  Fenômeno inexistente"}));
        EXPECT_EQ(c.size(), 2u + 4u + 2u + 2u + 5u);
    }
    EXPECT_EQ(e.mensagensFrame, 3);
    EXPECT_TRUE(e.dialogos.mensagens().empty());
    const auto& s = e.dialogos.salvamentos().at(0);
    EXPECT_EQ(s.filtros, (QStringList{"Pasta de trabalho do Excel 97-2003 (*.xls)", "Pasta de trabalho do Excel (*.xlsx)",
                                      "Texto separado por ponto e vírgula (*.csv)"}));
    EXPECT_EQ(s.filtroSelecionado, s.filtros[0]);
    EXPECT_EQ(s.nomeSugerido.toStdString(), e.pasta.path());
}

TEST(SalvarExcel, WithoutAnyTextTheLegendStandsFourPlusTheSelectedRowsBelowTheHeading) {
    Exportacao e;
    e.selecionar("I001");  // the one variable of the small sample without a source, a note or a definition
    e.grade.definirTamanho(1, 1);
    e.grade.definirTexto(0, 0, "x");
    e.dialogos.escolherArquivo(QString::fromStdString(e.destino()));
    e.salvar(0);
    const auto c = xls_testing::readWithXlrd(e.destino()).sheets.at(0).cells;
    const int titulo = 6;  // grid in row 4, empty row 5
    EXPECT_EQ(c.at({titulo - 1, 0}), texto("Fontes, Notas e Definições:"));
    EXPECT_EQ(c.at({titulo + 4 + 1 - 1, 0}), texto("Convenções:"));
}

TEST(SalvarExcel, PastTheLimitsTheDialogOffersXlsxAndXlsIsRefusedWithItsMessages) {
    Exportacao e;
    const QString xls = quelva::filterOf(quelva::FileType::Xls), xlsx = quelva::filterOf(quelva::FileType::Xlsx);
    // Past the rows' limit, .xls typed though .xlsx was offered.
    e.grade.definirTamanho(65531, 1);
    e.dialogos.escolherArquivo(QString::fromStdString(e.pasta.file("alto.xls")));
    e.salvar(0);
    // .xls chosen in the list for a name typed without an extension.
    e.grade.definirTamanho(1, 256);
    e.dialogos.escolherArquivo(QString::fromStdString(e.pasta.file("largo")), xls);
    e.salvar(1);
    ASSERT_EQ(e.dialogos.salvamentos().size(), 2u);
    EXPECT_EQ(e.dialogos.salvamentos()[0].filtroSelecionado, xlsx);
    EXPECT_EQ(e.dialogos.salvamentos()[1].filtroSelecionado, xlsx);
    ASSERT_EQ(e.dialogos.mensagens().size(), 2u);
    EXPECT_EQ(e.dialogos.mensagens()[0].texto.toStdString(),
              "Este formato não pode ser salvo em Excel.\n\r\n\rO Excel não suporta mais de 65530 linhas.");
    EXPECT_EQ(e.dialogos.mensagens()[1].texto.toStdString(),
              "Este formato não pode ser salvo em Excel.\n\r\n\rO Excel não suporta mais de 255 colunas.");
    EXPECT_EQ(e.dialogos.mensagens()[0].icone, Dialogos::Icone::Critico);
    EXPECT_EQ(e.mensagensFrame, 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(e.pasta.path()), {}), 1);  // Quelva.mdb alone
}

TEST(SalvarExcel, TheLargestGridsWithinTheLimitsAreSavedAsXls) {
    Exportacao e;

    // 65530 rows of one column, and one row of 255 columns.
    e.grade.definirTamanho(65530, 1);
    e.grade.definirTexto(65529, 0, "último");
    e.grade.definirTexto(0, 0, "1.000");
    const std::string alto = e.pasta.file("alto.xls"), largo = e.pasta.file("largo.xls");
    e.dialogos.escolherArquivo(QString::fromStdString(alto));
    e.salvar(0);
    e.grade.definirTamanho(1, 255);
    e.grade.definirTexto(0, 254, "fim");
    e.dialogos.escolherArquivo(QString::fromStdString(largo));
    e.salvar(0);
    auto lidos = xls_testing::readWithXlrd({alto, largo});
    ASSERT_EQ(lidos[alto].fault, "");
    const auto& a = lidos[alto].sheets.at(0).cells;
    EXPECT_EQ(a.at({3, 0}), ReadCell::ofNumber(1000));
    EXPECT_EQ(a.at({3 + 65529, 0}), texto("último"));
    // The notes begin in the last rows of the sheet and go on in a second one, nothing lost.
    EXPECT_EQ(a.at({65534, 0}), texto("Fontes, Notas e Definições:"));  // row 65535
    ASSERT_EQ(lidos[alto].sheets.size(), 2u);
    EXPECT_EQ(lidos[alto].sheets[1].name, "Continuação");
    EXPECT_EQ(lidos[alto].sheets[1].cells.at({2, 0}), texto("Convenções:"));  // row 65539
    EXPECT_EQ(lidos[alto].sheets[1].cells.at({6, 0}), texto(" -  Fenômeno inexistente"));
    EXPECT_EQ(lidos[largo].sheets.at(0).cells.at({3, 254}), texto("fim"));
    EXPECT_TRUE(e.dialogos.mensagens().empty());
    EXPECT_EQ(e.dialogos.salvamentos().at(1).filtroSelecionado, quelva::filterOf(quelva::FileType::Xls));
}

TEST(SalvarExcel, CancellingSaysNothingAndWritesNothing) {
    Exportacao e;
    e.grade.definirTamanho(1, 1);
    e.dialogos.escolherArquivo("");
    e.salvar(0);
    EXPECT_TRUE(e.dialogos.mensagens().empty());
    EXPECT_EQ(e.mensagensFrame, 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(e.pasta.path()), {}), 1);  // Quelva.mdb alone
}

TEST(SalvarExcel, ReplacingAFileAsksFirstAndANameWithoutExtensionGetsOne) {
    Exportacao e;
    e.grade.definirTamanho(1, 1);
    e.grade.definirTexto(0, 0, "novo");
    testing_support::writeFile(e.destino(), "antigo");
    e.dialogos.escolherArquivo(QString::fromStdString(e.destino()));
    e.dialogos.responder(Dialogos::Resposta::Nao);
    e.salvar(0);
    ASSERT_EQ(e.dialogos.mensagens().size(), 1u);
    const auto& pergunta = e.dialogos.mensagens()[0];
    EXPECT_EQ(pergunta.botoes, Dialogos::Botoes::SimNao);
    EXPECT_TRUE(pergunta.padraoNao);
    EXPECT_TRUE(pergunta.texto.contains(QString::fromStdString(e.destino())));
    EXPECT_EQ(testing_support::readFile(e.destino()), "antigo");

    e.dialogos.escolherArquivo(QString::fromStdString(e.pasta.file("resultado")));  // typed without ".xls"
    e.dialogos.responder(Dialogos::Resposta::Sim);
    e.salvar(0);
    EXPECT_EQ(xls_testing::readWithXlrd(e.destino()).sheets.at(0).cells.at({3, 0}), texto("novo"));
    EXPECT_FALSE(std::filesystem::exists(e.pasta.file("resultado")));
}

TEST(SalvarExcel, AFailureAfterTheDialogIsReportedAndTheFileThereIsKept) {
    Exportacao e;
    e.selecionar("K002");
    e.grade.definirTamanho(1, 1);
    testing_support::writeFile(e.destino(), "antigo");
    // The notes tables cannot be read: the data file is gone.
    std::filesystem::remove(e.pasta.file("Quelva.mdb"));
    e.dialogos.escolherArquivo(QString::fromStdString(e.destino()));
    e.dialogos.responder(Dialogos::Resposta::Sim);
    e.salvar(0);
    ASSERT_EQ(e.dialogos.mensagens().size(), 2u);
    const auto& m = e.dialogos.mensagens()[1];
    EXPECT_EQ(m.icone, Dialogos::Icone::Critico);
    EXPECT_EQ(m.titulo, "");  // the application's title
    EXPECT_TRUE(m.texto.contains(QString::fromStdString(e.destino())));
    EXPECT_TRUE(m.texto.contains("Quelva.mdb"));
    EXPECT_EQ(testing_support::readFile(e.destino()), "antigo");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(e.pasta.path()), {}), 1);  // no temporary left
    EXPECT_EQ(e.mensagensFrame, 1);

    // A folder that does not exist.
    Exportacao f;
    f.grade.definirTamanho(1, 1);
    f.dialogos.escolherArquivo(QString::fromStdString(f.pasta.file("nenhuma/pasta/r.xls")));
    f.salvar(0);
    ASSERT_EQ(f.dialogos.mensagens().size(), 1u);
    EXPECT_TRUE(f.dialogos.mensagens()[0].texto.contains("nenhuma/pasta/r.xls"));
}

}  // namespace
