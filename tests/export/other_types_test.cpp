// The result saved as .xlsx and .csv: the type from the name or the list, the same worksheet read back by
// independent readers (openpyxl, Python's csv module), the .csv byte by byte, and the same guarantees on
// failure as the .xls.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "csv_sink.h"
#include "export_fixture.h"
#include "file_types.h"
#include "twips.h"

namespace {

using namespace export_testing;
using quelva::Dialogs;
using quelva::FileType;
using quelva::filterOf;

const QColor kBlue(128, 128, 255), kYellow(255, 255, 192), kWhite(255, 255, 255);

// A 2 x 3 table as the result layouts colour it: the corner and the first column in one colour, the rest of
// the header row in another, the values white; three widths.
void table(quelva::Grid& g) {
    g.setSize(2, 3);
    const char* texts[2][3] = {{"Município", "Total", ""}, {"Anhurapuã", "1.234", "NR"}};
    for (int l = 0; l < 2; ++l)
        for (int c = 0; c < 3; ++c) {
            g.setText(l, c, QString::fromUtf8(texts[l][c]));
            g.writableCell(l, c).background = c == 0 ? kBlue : l == 0 ? kYellow : kWhite;
        }
    g.setColumnWidth(0, 2500);
    g.setColumnWidth(1, 1500);
}

// The pixels Excel shows for a column width in characters of its default font, 7 pixels wide.
int excelPixels(double width) { return static_cast<int>(std::floor((256 * width + 128 / 7) / 256 * 7)); }

TEST(FileTypes, ATypedExtensionWinsAndOtherwiseTheChosenTypesIsAdded) {
    // The dialog lists .xls first, then .xlsx and .csv, each filter naming its own extension.
    const QStringList filters = quelva::saveFilters();
    ASSERT_EQ(filters.size(), 3);
    EXPECT_TRUE(filters[0].endsWith("(*.xls)"));
    EXPECT_TRUE(filters[1].endsWith("(*.xlsx)"));
    EXPECT_TRUE(filters[2].endsWith("(*.csv)"));
    EXPECT_EQ(filterOf(FileType::Xlsx), filters[1]);
    struct Case {
        const char* name;
        FileType chosen;
        const char* file;
        FileType type;
    } cases[] = {
        {"/p/r.csv", FileType::Xlsx, "/p/r.csv", FileType::Csv},     {"/p/r.XLSX", FileType::Xls, "/p/r.XLSX", FileType::Xlsx},
        {"/p/r.xls", FileType::Csv, "/p/r.xls", FileType::Xls},      {"/p/r", FileType::Csv, "/p/r.csv", FileType::Csv},
        {"/p/r", FileType::Xlsx, "/p/r.xlsx", FileType::Xlsx},       {"/p/r.txt", FileType::Xlsx, "/p/r.txt.xlsx", FileType::Xlsx},
        {"/p/r.xlsx.bak", FileType::Xls, "/p/r.xlsx.bak.xls", FileType::Xls},
    };
    for (const Case& c : cases) {
        const quelva::ChosenFile f = quelva::resolveChosenFile(c.name, filterOf(c.chosen));
        EXPECT_EQ(f.path, c.file) << c.name;
        EXPECT_EQ(f.type, c.type) << c.name;
    }
    EXPECT_EQ(quelva::resolveChosenFile("/p/r", QString()).path, "/p/r.xls");  // no type from the list
}

TEST(XlsxExport, TheSheetOfEachTabWithWidthsHeaderColoursAndFrozenTable) {
    ExportFixture e;
    e.select("K002");  // a definition only
    e.select("I001");  // no source, note or definition
    table(e.grid);
    std::vector<std::string> files;
    for (int tab = 0; tab < 3; ++tab) {
        files.push_back(e.folder.file("aba" + std::to_string(tab)));  // typed without an extension
        e.dialogs.chooseFile(QString::fromStdString(files.back()), filterOf(FileType::Xlsx));
        e.save(tab);
    }
    for (std::string& a : files) a += ".xlsx";
    auto reads = xls_testing::readBack(files);
    for (int tab = 0; tab < 3; ++tab) {
        const xls_testing::ReadFile& read = reads[files[static_cast<std::size_t>(tab)]];
        ASSERT_EQ(read.fault, "");
        ASSERT_EQ(read.sheets.size(), 1u);
        const xls_testing::ReadSheet& s = read.sheets[0];
        EXPECT_EQ(s.name, "Resultado - Formato " + std::to_string(tab + 1));
        xls_testing::Cells expected = {{{0, 0}, textCell("Lumbra 1999")},
                                        {{1, 0}, textCell("Tarsenal")},
                                        {{3, 0}, textCell("Município")},
                                        {{3, 1}, textCell("Total")},
                                        {{4, 0}, textCell("Anhurapuã")},
                                        {{4, 1}, ReadCell::ofNumber(1234)},
                                        {{4, 2}, textCell("NR")}};
        const char* notes[] = {"Fontes, Notas e Definições:", nullptr, "Variável: Total de lei orgânica informatizados",
                               "Definicao: Refere-se a \"Total de lei orgânica informatizados\", conforme declarado pela prefeitura ao "
                               "questionário de 1999.",
                               nullptr, nullptr, nullptr, nullptr, "Convenções:", "NR  Município não respondeu",
                               "SB  Saneamento básico do município operado pela SABESP", "... Dado não disponível",
                               " -  Fenômeno inexistente"};
        for (int i = 0; i < 13; ++i)
            if (notes[i]) expected[{6 + i, 0}] = textCell(notes[i]);
        EXPECT_EQ(xls_testing::firstDifference(expected, s.cells), "") << "tab " << tab;
        // The header row and first column of a table stay in view, under the titles; a card list scrolls whole.
        EXPECT_EQ(s.frozen, tab == 2 ? "" : "B5");
        // The header cells in their colours, the empty one too; the values plain.
        EXPECT_EQ(s.fills, (std::map<std::pair<int, int>, std::string>{
                               {{3, 0}, "8080FF"}, {{3, 1}, "FFFFC0"}, {{3, 2}, "FFFFC0"}, {{4, 0}, "8080FF"}}));
        // As wide as on screen.
        ASSERT_EQ(s.widths.size(), 3u);
        EXPECT_EQ(excelPixels(s.widths.at(0)), quelva::twipsToPixels(2500, 96));
        EXPECT_EQ(excelPixels(s.widths.at(1)), quelva::twipsToPixels(1500, 96));
        EXPECT_EQ(excelPixels(s.widths.at(2)), quelva::twipsToPixels(quelva::kDefaultGridColumnWidth, 96));
    }
    EXPECT_EQ(e.messageFrames, 3);
    EXPECT_TRUE(e.dialogs.messages().empty());
}

TEST(XlsxExport, AGridPastTheXlsLimitsIsOfferedAndSavedAsXlsx) {
    ExportFixture e;
    e.grid.setSize(65531, 1);
    e.grid.setText(0, 0, "1.000");
    e.grid.setText(65530, 0, "último");
    e.dialogs.chooseFile(QString::fromStdString(e.folder.file("tall")));  // the type offered
    e.save(2);
    EXPECT_EQ(e.dialogs.saveDialogs().at(0).selectedFilterName, filterOf(FileType::Xlsx));
    EXPECT_TRUE(e.dialogs.messages().empty());
    const xls_testing::ReadFile read = xls_testing::readBack(e.folder.file("tall.xlsx"));
    ASSERT_EQ(read.fault, "");
    ASSERT_EQ(read.sheets.size(), 1u);  // the notes fit below the grid
    const auto& c = read.sheets[0].cells;
    EXPECT_EQ(c.at({3, 0}), ReadCell::ofNumber(1000));
    EXPECT_EQ(c.at({3 + 65530, 0}), textCell("último"));
    EXPECT_EQ(c.at({3 + 65531 + 1, 0}), textCell("Fontes, Notas e Definições:"));
    EXPECT_EQ(c.rbegin()->second, textCell(" -  Fenômeno inexistente"));
}

TEST(CsvExport, UTF8WithAMarkSemicolonsCRLFQuotesWherNeededAndPortugueseNumbers) {
    ExportFixture e;
    e.select("K002");
    e.select("I001");
    e.grid.setSize(2, 4);
    const char* texts[2][4] = {{"Município", "Total", "a;b", ""}, {"Anhurapuã", "12.345,5", "diz \"sim\"", "linha 1\nlinha 2"}};
    for (int l = 0; l < 2; ++l)
        for (int c = 0; c < 4; ++c) e.grid.setText(l, c, QString::fromUtf8(texts[l][c]));
    const std::string file = e.folder.file("resultado.csv");
    e.dialogs.chooseFile(QString::fromStdString(file));  // typed .csv, .xls chosen in the list
    e.save(0);
    ASSERT_TRUE(e.dialogs.messages().empty());
    EXPECT_EQ(e.messageFrames, 1);
    EXPECT_EQ(testing_support::readFile(file),
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
    const xls_testing::ReadFile read = xls_testing::readBack(file);
    ASSERT_EQ(read.fault, "");
    const xls_testing::ReadSheet& s = read.sheets.at(0);
    EXPECT_EQ(s.fieldCounts.size(), 19u);
    EXPECT_EQ(s.fieldCounts.at(0), 1);
    EXPECT_EQ(s.fieldCounts.at(2), 0);
    EXPECT_EQ(s.fieldCounts.at(3), 4);
    EXPECT_EQ(s.cells.at({3, 2}), textCell("a;b"));
    EXPECT_EQ(s.cells.at({4, 1}), textCell("12345,5"));
    EXPECT_EQ(s.cells.at({4, 2}), textCell("diz \"sim\""));
    EXPECT_EQ(s.cells.at({4, 3}), textCell("linha 1\nlinha 2"));
    EXPECT_EQ(s.cells.at({18, 0}), textCell(" -  Fenômeno inexistente"));
}

TEST(CsvExport, ATextASpreadsheetWouldRunAsAFormulaIsWrittenAsText) {
    TempDir dir;
    const std::string file = dir.file("r.csv");
    quelva::CsvSink sink(file);
    const char* texts[] = {"=1+1", "+5", "@SOMA(A1)", "\tx", "\ry", "-x", "-1+2", "-", "...", "NR", "-5", "a=b", " -  Fen"};
    for (int c = 0; c < 13; ++c) sink.text(0, c, QString::fromUtf8(texts[c]), {});
    sink.number(0, 13, -5, "-5", {});
    sink.save();
    EXPECT_EQ(testing_support::readFile(file), "\xEF\xBB\xBF'=1+1;'+5;'@SOMA(A1);'\tx;\"'\ry\";'-x;'-1+2;-;...;NR;-5;a=b; -  Fen;-5\r\n");
}

TEST(OtherTypesExport, ReplacingAsksFirstAndFailuresAreReportedKeepingTheFileThere) {
    for (const char* extension : {".xlsx", ".csv"}) {
        SCOPED_TRACE(extension);
        ExportFixture e;
        e.select("K002");
        e.grid.setSize(1, 1);
        e.grid.setText(0, 0, "novo");
        const std::string target = e.folder.file(std::string("resultado") + extension);
        testing_support::writeFile(target, "antigo");
        e.dialogs.chooseFile(QString::fromStdString(target));
        e.dialogs.answer(Dialogs::Answer::No);
        e.save(0);
        ASSERT_EQ(e.dialogs.messages().size(), 1u);
        EXPECT_EQ(e.dialogs.messages()[0].buttons, Dialogs::Buttons::YesNo);
        EXPECT_TRUE(e.dialogs.messages()[0].text.contains(QString::fromStdString(target)));
        EXPECT_EQ(testing_support::readFile(target), "antigo");

        // The notes tables cannot be read: the data file is gone.
        std::filesystem::remove(e.folder.file("Quelva.mdb"));
        e.dialogs.chooseFile(QString::fromStdString(target));
        e.dialogs.answer(Dialogs::Answer::Yes);
        e.save(0);
        ASSERT_EQ(e.dialogs.messages().size(), 3u);
        const auto& m = e.dialogs.messages()[2];
        EXPECT_EQ(m.icon, Dialogs::Icon::Critical);
        EXPECT_TRUE(m.text.contains(QString::fromStdString(target)));
        EXPECT_TRUE(m.text.contains("Quelva.mdb"));
        EXPECT_EQ(testing_support::readFile(target), "antigo");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(e.folder.path()), {}), 1);  // no temporary left
        EXPECT_EQ(e.messageFrames, 1);

        // A folder that does not exist.
        const std::string lost = e.folder.file(std::string("nenhuma/pasta/r") + extension);
        e.dialogs.chooseFile(QString::fromStdString(lost));
        e.save(0);
        ASSERT_EQ(e.dialogs.messages().size(), 4u);
        EXPECT_TRUE(e.dialogs.messages()[3].text.contains(QString::fromStdString(lost)));
        EXPECT_TRUE(e.dialogs.messages()[3].text.contains("não existe"));
    }
}

}  // namespace
