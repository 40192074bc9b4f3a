// The result saved as .xlsx and .csv: the type from the name or the list, the same worksheet read back by
// independent readers (openpyxl, Python's csv module), the .csv byte by byte, and the same guarantees on
// failure as the .xls.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "exportacao.h"
#include "file_types.h"
#include "twips.h"

namespace {

using namespace export_testing;
using quelva::Dialogos;
using quelva::FileType;
using quelva::filterOf;

const QColor kAzul(128, 128, 255), kAmarelo(255, 255, 192), kBranco(255, 255, 255);

// A 2 x 3 table as the result layouts colour it: the corner and the first column in one colour, the rest of
// the header row in another, the values white; three widths.
void tabela(quelva::Grade& g) {
    g.definirTamanho(2, 3);
    const char* textos[2][3] = {{"Município", "Total", ""}, {"Anhurapuã", "1.234", "NR"}};
    for (int l = 0; l < 2; ++l)
        for (int c = 0; c < 3; ++c) {
            g.definirTexto(l, c, QString::fromUtf8(textos[l][c]));
            g.writableCell(l, c).fundo = c == 0 ? kAzul : l == 0 ? kAmarelo : kBranco;
        }
    g.definirLarguraColuna(0, 2500);
    g.definirLarguraColuna(1, 1500);
}

// The pixels Excel shows for a column width in characters of its default font, 7 pixels wide.
int excelPixels(double largura) { return static_cast<int>(std::floor((256 * largura + 128 / 7) / 256 * 7)); }

TEST(TiposArquivo, ATypedExtensionWinsAndOtherwiseTheChosenTypesIsAdded) {
    EXPECT_EQ(quelva::saveFilters(), (QStringList{"Pasta de trabalho do Excel 97-2003 (*.xls)", "Pasta de trabalho do Excel (*.xlsx)",
                                                   "Texto separado por ponto e vírgula (*.csv)"}));
    struct Caso {
        const char* nome;
        FileType escolhido;
        const char* arquivo;
        FileType tipo;
    } casos[] = {
        {"/p/r.csv", FileType::Xlsx, "/p/r.csv", FileType::Csv},     {"/p/r.XLSX", FileType::Xls, "/p/r.XLSX", FileType::Xlsx},
        {"/p/r.xls", FileType::Csv, "/p/r.xls", FileType::Xls},      {"/p/r", FileType::Csv, "/p/r.csv", FileType::Csv},
        {"/p/r", FileType::Xlsx, "/p/r.xlsx", FileType::Xlsx},       {"/p/r.txt", FileType::Xlsx, "/p/r.txt.xlsx", FileType::Xlsx},
        {"/p/r.xlsx.bak", FileType::Xls, "/p/r.xlsx.bak.xls", FileType::Xls},
    };
    for (const Caso& c : casos) {
        const quelva::ChosenFile f = quelva::resolveChosenFile(c.nome, filterOf(c.escolhido));
        EXPECT_EQ(f.path, c.arquivo) << c.nome;
        EXPECT_EQ(f.type, c.tipo) << c.nome;
    }
    EXPECT_EQ(quelva::resolveChosenFile("/p/r", QString()).path, "/p/r.xls");  // no type from the list
}

TEST(SalvarXlsx, TheSheetOfEachTabWithWidthsHeaderColoursAndFrozenTable) {
    Exportacao e;
    e.selecionar("K002");  // a definition only
    e.selecionar("I001");  // no source, note or definition
    tabela(e.grade);
    std::vector<std::string> arquivos;
    for (int aba = 0; aba < 3; ++aba) {
        arquivos.push_back(e.pasta.file("aba" + std::to_string(aba)));  // typed without an extension
        e.dialogos.escolherArquivo(QString::fromStdString(arquivos.back()), filterOf(FileType::Xlsx));
        e.salvar(aba);
    }
    for (std::string& a : arquivos) a += ".xlsx";
    auto lidos = xls_testing::readBack(arquivos);
    for (int aba = 0; aba < 3; ++aba) {
        const xls_testing::ReadFile& lido = lidos[arquivos[static_cast<std::size_t>(aba)]];
        ASSERT_EQ(lido.fault, "");
        ASSERT_EQ(lido.sheets.size(), 1u);
        const xls_testing::ReadSheet& s = lido.sheets[0];
        EXPECT_EQ(s.name, "Resultado - Formato " + std::to_string(aba + 1));
        xls_testing::Cells esperadas = {{{0, 0}, texto("Lumbra 1999")},
                                        {{1, 0}, texto("Tarsenal")},
                                        {{3, 0}, texto("Município")},
                                        {{3, 1}, texto("Total")},
                                        {{4, 0}, texto("Anhurapuã")},
                                        {{4, 1}, ReadCell::ofNumber(1234)},
                                        {{4, 2}, texto("NR")}};
        const char* notas[] = {"Fontes, Notas e Definições:", nullptr, "Variável: Total de lei orgânica informatizados",
                               "Definicao: Refere-se a \"Total de lei orgânica informatizados\", conforme declarado pela prefeitura ao "
                               "questionário de 1999.",
                               nullptr, nullptr, nullptr, nullptr, "Convenções:", "NR  Município não respondeu",
                               "SB  Saneamento básico do município operado pela SABESP", "... Dado não disponível",
                               " -  Fenômeno inexistente"};
        for (int i = 0; i < 13; ++i)
            if (notas[i]) esperadas[{6 + i, 0}] = texto(notas[i]);
        EXPECT_EQ(xls_testing::firstDifference(esperadas, s.cells), "") << "tab " << aba;
        // The header row and first column of a table stay in view, under the titles; a card list scrolls whole.
        EXPECT_EQ(s.frozen, aba == 2 ? "" : "B5");
        // The header cells in their colours, the empty one too; the values plain.
        EXPECT_EQ(s.fills, (std::map<std::pair<int, int>, std::string>{
                               {{3, 0}, "8080FF"}, {{3, 1}, "FFFFC0"}, {{3, 2}, "FFFFC0"}, {{4, 0}, "8080FF"}}));
        // As wide as on screen.
        ASSERT_EQ(s.widths.size(), 3u);
        EXPECT_EQ(excelPixels(s.widths.at(0)), quelva::twipsParaPixels(2500, 96));
        EXPECT_EQ(excelPixels(s.widths.at(1)), quelva::twipsParaPixels(1500, 96));
        EXPECT_EQ(excelPixels(s.widths.at(2)), quelva::twipsParaPixels(quelva::kLarguraColunaPadrao, 96));
    }
    EXPECT_EQ(e.mensagensFrame, 3);
    EXPECT_TRUE(e.dialogos.mensagens().empty());
}

TEST(SalvarXlsx, AGridPastTheXlsLimitsIsOfferedAndSavedAsXlsx) {
    Exportacao e;
    e.grade.definirTamanho(65531, 1);
    e.grade.definirTexto(0, 0, "1.000");
    e.grade.definirTexto(65530, 0, "último");
    e.dialogos.escolherArquivo(QString::fromStdString(e.pasta.file("alto")));  // the type offered
    e.salvar(2);
    EXPECT_EQ(e.dialogos.salvamentos().at(0).filtroSelecionado, filterOf(FileType::Xlsx));
    EXPECT_TRUE(e.dialogos.mensagens().empty());
    const xls_testing::ReadFile lido = xls_testing::readBack(e.pasta.file("alto.xlsx"));
    ASSERT_EQ(lido.fault, "");
    ASSERT_EQ(lido.sheets.size(), 1u);  // the notes fit below the grid
    const auto& c = lido.sheets[0].cells;
    EXPECT_EQ(c.at({3, 0}), ReadCell::ofNumber(1000));
    EXPECT_EQ(c.at({3 + 65530, 0}), texto("último"));
    EXPECT_EQ(c.at({3 + 65531 + 1, 0}), texto("Fontes, Notas e Definições:"));
    EXPECT_EQ(c.rbegin()->second, texto(" -  Fenômeno inexistente"));
}

TEST(SalvarCsv, UTF8WithAMarkSemicolonsCRLFQuotesWherNeededAndPortugueseNumbers) {
    Exportacao e;
    e.selecionar("K002");
    e.selecionar("I001");
    e.grade.definirTamanho(2, 4);
    const char* textos[2][4] = {{"Município", "Total", "a;b", ""}, {"Anhurapuã", "12.345,5", "diz \"sim\"", "linha 1\nlinha 2"}};
    for (int l = 0; l < 2; ++l)
        for (int c = 0; c < 4; ++c) e.grade.definirTexto(l, c, QString::fromUtf8(textos[l][c]));
    const std::string arquivo = e.pasta.file("resultado.csv");
    e.dialogos.escolherArquivo(QString::fromStdString(arquivo));  // typed .csv, .xls chosen in the list
    e.salvar(0);
    ASSERT_TRUE(e.dialogos.mensagens().empty());
    EXPECT_EQ(e.mensagensFrame, 1);
    EXPECT_EQ(testing_support::readFile(arquivo),
              "\xEF\xBB\xBF"
              "Lumbra 1999\r\nTarsenal\r\n\r\n"
              "Município;Total;\"a;b\";\r\n"
              "Anhurapuã;12345,5;\"diz \"\"sim\"\"\";\"linha 1\nlinha 2\"\r\n"
              "\r\nFontes, Notas e Definições:\r\n\r\n"
              "Variável: Total de lei orgânica informatizados\r\n"
              "\"Definicao: Refere-se a \"\"Total de lei orgânica informatizados\"\", conforme declarado pela prefeitura ao "
              "questionário de 1999.\"\r\n"
              "\r\n\r\n\r\n\r\n"
              "Convenções:\r\nNR  Município não respondeu\r\nSB  Saneamento básico do município operado pela SABESP\r\n"
              "... Dado não disponível\r\n -  Fenômeno inexistente\r\n");

    // Python's csv module finds the same rows and fields.
    const xls_testing::ReadFile lido = xls_testing::readBack(arquivo);
    ASSERT_EQ(lido.fault, "");
    const xls_testing::ReadSheet& s = lido.sheets.at(0);
    EXPECT_EQ(s.fieldCounts.size(), 19u);
    EXPECT_EQ(s.fieldCounts.at(0), 1);
    EXPECT_EQ(s.fieldCounts.at(2), 0);
    EXPECT_EQ(s.fieldCounts.at(3), 4);
    EXPECT_EQ(s.cells.at({3, 2}), texto("a;b"));
    EXPECT_EQ(s.cells.at({4, 1}), texto("12345,5"));
    EXPECT_EQ(s.cells.at({4, 2}), texto("diz \"sim\""));
    EXPECT_EQ(s.cells.at({4, 3}), texto("linha 1\nlinha 2"));
    EXPECT_EQ(s.cells.at({18, 0}), texto(" -  Fenômeno inexistente"));
}

TEST(SalvarOutrosTipos, ReplacingAsksFirstAndFailuresAreReportedKeepingTheFileThere) {
    for (const char* extensao : {".xlsx", ".csv"}) {
        SCOPED_TRACE(extensao);
        Exportacao e;
        e.selecionar("K002");
        e.grade.definirTamanho(1, 1);
        e.grade.definirTexto(0, 0, "novo");
        const std::string destino = e.pasta.file(std::string("resultado") + extensao);
        testing_support::writeFile(destino, "antigo");
        e.dialogos.escolherArquivo(QString::fromStdString(destino));
        e.dialogos.responder(Dialogos::Resposta::Nao);
        e.salvar(0);
        ASSERT_EQ(e.dialogos.mensagens().size(), 1u);
        EXPECT_EQ(e.dialogos.mensagens()[0].botoes, Dialogos::Botoes::SimNao);
        EXPECT_TRUE(e.dialogos.mensagens()[0].texto.contains(QString::fromStdString(destino)));
        EXPECT_EQ(testing_support::readFile(destino), "antigo");

        // The notes tables cannot be read: the data file is gone.
        std::filesystem::remove(e.pasta.file("Quelva.mdb"));
        e.dialogos.escolherArquivo(QString::fromStdString(destino));
        e.dialogos.responder(Dialogos::Resposta::Sim);
        e.salvar(0);
        ASSERT_EQ(e.dialogos.mensagens().size(), 3u);
        const auto& m = e.dialogos.mensagens()[2];
        EXPECT_EQ(m.icone, Dialogos::Icone::Critico);
        EXPECT_TRUE(m.texto.contains(QString::fromStdString(destino)));
        EXPECT_TRUE(m.texto.contains("Quelva.mdb"));
        EXPECT_EQ(testing_support::readFile(destino), "antigo");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(e.pasta.path()), {}), 1);  // no temporary left
        EXPECT_EQ(e.mensagensFrame, 1);

        // A folder that does not exist.
        const std::string perdido = e.pasta.file(std::string("nenhuma/pasta/r") + extensao);
        e.dialogos.escolherArquivo(QString::fromStdString(perdido));
        e.salvar(0);
        ASSERT_EQ(e.dialogos.mensagens().size(), 4u);
        EXPECT_TRUE(e.dialogos.mensagens()[3].texto.contains(QString::fromStdString(perdido)));
        EXPECT_TRUE(e.dialogos.mensagens()[3].texto.contains("não existe"));
    }
}

}  // namespace
