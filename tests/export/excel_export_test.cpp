// The result saved as a workbook: the worksheet's layout read back by an independent reader, the number
// rule, the limits, the dialog's answers, and failures that leave the user's files as they were.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QApplication>
#include <filesystem>

#include "cell_number.h"
#include "export_fixture.h"
#include "file_types.h"
#include "save_folder.h"

namespace {

using namespace export_testing;
using quelva::Dialogs;

TEST(CellNumber, ThousandsPointsAndTheDecimalCommaMakeANumber) {
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

TEST(SalvarExcel, TheSheetOfEachTabTitlesGridNotesAndLegend) {
    ExportFixture e;
    e.select("K002");  // a definition only
    e.select("I001");  // no source, note or definition
    e.grid.setSize(2, 3);
    e.grid.setText(0, 0, "Município");
    e.grid.setText(0, 1, "Total");
    e.grid.setText(1, 0, "Anhurapuã");
    e.grid.setText(1, 1, "1.234");
    e.grid.setText(1, 2, "NR");
    for (int tab = 0; tab < 3; ++tab) {
        const std::string file = e.folder.file("aba" + std::to_string(tab) + ".xls");
        e.dialogs.chooseFile(QString::fromStdString(file));
        e.save(tab);
        const auto read = xls_testing::readWithXlrd(file);
        ASSERT_EQ(read.fault, "");
        ASSERT_EQ(read.sheets.size(), 1u);
        EXPECT_EQ(read.sheets[0].name, "Resultado - Formato " + std::to_string(tab + 1));
        const auto& c = read.sheets[0].cells;
        EXPECT_EQ(c.at({0, 0}), textCell("Lumbra 1999"));
        EXPECT_EQ(c.at({1, 0}), textCell("Tarsenal"));
        EXPECT_EQ(c.count({2, 0}), 0u);
        EXPECT_EQ(c.at({3, 0}), textCell("Município"));
        EXPECT_EQ(c.at({4, 1}), ReadCell::ofNumber(1234));
        EXPECT_EQ(c.at({4, 2}), textCell("NR"));
        EXPECT_EQ(c.count({3, 2}), 0u);  // an empty cell writes nothing
        // Grid rows 4-5, then: empty, heading, empty, K002's block and its empty row, I001's empty row, two
        // more, the legend.
        EXPECT_EQ(column1(c, 6, 17),
                  (std::vector<std::string>{"", "Fontes, Notas e Definições:", "",
                                            "Variável: Total de lei orgânica informatizados",
                                            "Definicao: Refere-se a \"Total de lei orgânica informatizados\", conforme declarado pela "
                                            "prefeitura ao questionário de 1999.",
                                            "", "", "", "", "Convenções:", "NR  Município não respondeu",
                                            "SB  Saneamento básico do município operado pela SABESP"}));
        EXPECT_EQ(column1(c, 18, 19), (std::vector<std::string>{"... Dado não disponível", " -  Fenômeno inexistente"}));
        EXPECT_EQ(c.size(), 2u + 4u + 2u + 2u + 5u);
    }
    EXPECT_EQ(e.messageFrames, 3);
    EXPECT_TRUE(e.dialogs.messages().empty());
    const auto& s = e.dialogs.saveDialogs().at(0);
    EXPECT_EQ(s.filters, (QStringList{"Pasta de trabalho do Excel 97-2003 (*.xls)", "Pasta de trabalho do Excel (*.xlsx)",
                                      "Texto separado por ponto e vírgula (*.csv)"}));
    EXPECT_EQ(s.selectedFilterName, s.filters[0]);
    EXPECT_EQ(s.suggestedName.toStdString(), e.folder.path());
}

TEST(SalvarExcel, WithoutAnyTextTheLegendStandsFourPlusTheSelectedRowsBelowTheHeading) {
    ExportFixture e;
    e.select("I001");  // the one variable of the small sample without a source, a note or a definition
    e.grid.setSize(1, 1);
    e.grid.setText(0, 0, "x");
    e.dialogs.chooseFile(QString::fromStdString(e.target()));
    e.save(0);
    const auto c = xls_testing::readWithXlrd(e.target()).sheets.at(0).cells;
    const int title = 6;  // grid in row 4, empty row 5
    EXPECT_EQ(c.at({title - 1, 0}), textCell("Fontes, Notas e Definições:"));
    EXPECT_EQ(c.at({title + 4 + 1 - 1, 0}), textCell("Convenções:"));
}

TEST(SalvarExcel, PastTheLimitsTheDialogOffersXlsxAndXlsIsRefusedWithItsMessages) {
    ExportFixture e;
    const QString xls = quelva::filterOf(quelva::FileType::Xls), xlsx = quelva::filterOf(quelva::FileType::Xlsx);
    // Past the rows' limit, .xls typed though .xlsx was offered.
    e.grid.setSize(65531, 1);
    e.dialogs.chooseFile(QString::fromStdString(e.folder.file("tall.xls")));
    e.save(0);
    // .xls chosen in the list for a name typed without an extension.
    e.grid.setSize(1, 256);
    e.dialogs.chooseFile(QString::fromStdString(e.folder.file("wide")), xls);
    e.save(1);
    ASSERT_EQ(e.dialogs.saveDialogs().size(), 2u);
    EXPECT_EQ(e.dialogs.saveDialogs()[0].selectedFilterName, xlsx);
    EXPECT_EQ(e.dialogs.saveDialogs()[1].selectedFilterName, xlsx);
    ASSERT_EQ(e.dialogs.messages().size(), 2u);
    EXPECT_EQ(e.dialogs.messages()[0].text.toStdString(),
              "Este formato não pode ser salvo em Excel.\n\r\n\rO Excel não suporta mais de 65530 linhas.");
    EXPECT_EQ(e.dialogs.messages()[1].text.toStdString(),
              "Este formato não pode ser salvo em Excel.\n\r\n\rO Excel não suporta mais de 255 colunas.");
    EXPECT_EQ(e.dialogs.messages()[0].icon, Dialogs::Icon::Critical);
    EXPECT_EQ(e.messageFrames, 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(e.folder.path()), {}), 1);  // Quelva.mdb alone
}

TEST(SalvarExcel, TheLargestGridsWithinTheLimitsAreSavedAsXls) {
    ExportFixture e;

    // 65530 rows of one column, and one row of 255 columns.
    e.grid.setSize(65530, 1);
    e.grid.setText(65529, 0, "último");
    e.grid.setText(0, 0, "1.000");
    const std::string tall = e.folder.file("tall.xls"), wide = e.folder.file("wide.xls");
    e.dialogs.chooseFile(QString::fromStdString(tall));
    e.save(0);
    e.grid.setSize(1, 255);
    e.grid.setText(0, 254, "fim");
    e.dialogs.chooseFile(QString::fromStdString(wide));
    e.save(0);
    auto reads = xls_testing::readWithXlrd({tall, wide});
    ASSERT_EQ(reads[tall].fault, "");
    const auto& a = reads[tall].sheets.at(0).cells;
    EXPECT_EQ(a.at({3, 0}), ReadCell::ofNumber(1000));
    EXPECT_EQ(a.at({3 + 65529, 0}), textCell("último"));
    // The notes begin in the last rows of the sheet and go on in a second one, nothing lost.
    EXPECT_EQ(a.at({65534, 0}), textCell("Fontes, Notas e Definições:"));  // row 65535
    ASSERT_EQ(reads[tall].sheets.size(), 2u);
    EXPECT_EQ(reads[tall].sheets[1].name, "Continuação");
    EXPECT_EQ(reads[tall].sheets[1].cells.at({2, 0}), textCell("Convenções:"));  // row 65539
    EXPECT_EQ(reads[tall].sheets[1].cells.at({6, 0}), textCell(" -  Fenômeno inexistente"));
    EXPECT_EQ(reads[wide].sheets.at(0).cells.at({3, 254}), textCell("fim"));
    EXPECT_TRUE(e.dialogs.messages().empty());
    EXPECT_EQ(e.dialogs.saveDialogs().at(1).selectedFilterName, quelva::filterOf(quelva::FileType::Xls));
}

TEST(SalvarExcel, CancellingSaysNothingAndWritesNothing) {
    ExportFixture e;
    e.grid.setSize(1, 1);
    e.dialogs.chooseFile("");
    e.save(0);
    EXPECT_TRUE(e.dialogs.messages().empty());
    EXPECT_EQ(e.messageFrames, 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(e.folder.path()), {}), 1);  // Quelva.mdb alone
}

TEST(SalvarExcel, ReplacingAFileAsksFirstAndANameWithoutExtensionGetsOne) {
    ExportFixture e;
    e.grid.setSize(1, 1);
    e.grid.setText(0, 0, "novo");
    testing_support::writeFile(e.target(), "antigo");
    e.dialogs.chooseFile(QString::fromStdString(e.target()));
    e.dialogs.answer(Dialogs::Answer::No);
    e.save(0);
    ASSERT_EQ(e.dialogs.messages().size(), 1u);
    const auto& question = e.dialogs.messages()[0];
    EXPECT_EQ(question.buttons, Dialogs::Buttons::YesNo);
    EXPECT_TRUE(question.defaultNo);
    EXPECT_TRUE(question.text.contains(QString::fromStdString(e.target())));
    EXPECT_EQ(testing_support::readFile(e.target()), "antigo");

    e.dialogs.chooseFile(QString::fromStdString(e.folder.file("resultado")));  // typed without ".xls"
    e.dialogs.answer(Dialogs::Answer::Yes);
    e.save(0);
    EXPECT_EQ(xls_testing::readWithXlrd(e.target()).sheets.at(0).cells.at({3, 0}), textCell("novo"));
    EXPECT_FALSE(std::filesystem::exists(e.folder.file("resultado")));

    std::filesystem::create_symlink("nenhum.xls", e.folder.file("atalho.xls"));  // to a file not there yet
    e.dialogs.chooseFile(QString::fromStdString(e.folder.file("atalho.xls")));
    e.dialogs.answer(Dialogs::Answer::No);
    e.save(0);
    EXPECT_EQ(e.dialogs.messages().size(), 3u);
    EXPECT_FALSE(std::filesystem::exists(e.folder.file("nenhum.xls")));
}

TEST(SalvarExcel, TheDialogOpensInTheProgramsFolderOnlyWhenItCanBeWritten) {
    TempDir program, home;
    EXPECT_EQ(quelva::firstSaveFolder(program.path()).toStdString(), program.path());
    ::chmod(program.path().c_str(), 0555);  // as installed: read-only, which holds even for root
    const QByteArray userHome = qgetenv("HOME");
    qputenv("HOME", home.path().c_str());
    qputenv("XDG_CONFIG_HOME", home.file("config").c_str());  // none of the user's own folder names
    const QString withoutDocuments = quelva::firstSaveFolder(program.path());
    std::filesystem::create_directory(home.file("Documents"));
    const QString withDocuments = quelva::firstSaveFolder(program.path());
    qputenv("HOME", userHome);
    qunsetenv("XDG_CONFIG_HOME");
    ::chmod(program.path().c_str(), 0755);
    EXPECT_EQ(withoutDocuments.toStdString(), home.path());
    EXPECT_EQ(withDocuments.toStdString(), home.file("Documents"));
}

TEST(SalvarExcel, AFailureAfterTheDialogIsReportedAndTheFileThereIsKept) {
    ExportFixture e;
    e.select("K002");
    e.grid.setSize(1, 1);
    testing_support::writeFile(e.target(), "antigo");
    // The notes tables cannot be read: the data file is gone.
    std::filesystem::remove(e.folder.file("Quelva.mdb"));
    e.dialogs.chooseFile(QString::fromStdString(e.target()));
    e.dialogs.answer(Dialogs::Answer::Yes);
    e.save(0);
    ASSERT_EQ(e.dialogs.messages().size(), 2u);
    const auto& m = e.dialogs.messages()[1];
    EXPECT_EQ(m.icon, Dialogs::Icon::Critical);
    EXPECT_EQ(m.title, "");  // the application's title
    EXPECT_TRUE(m.text.contains(QString::fromStdString(e.target())));
    EXPECT_TRUE(m.text.contains("Quelva.mdb"));
    EXPECT_EQ(testing_support::readFile(e.target()), "antigo");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(e.folder.path()), {}), 1);  // no temporary left
    EXPECT_EQ(e.messageFrames, 1);

    // A folder that does not exist.
    ExportFixture f;
    f.grid.setSize(1, 1);
    f.dialogs.chooseFile(QString::fromStdString(f.folder.file("nenhuma/pasta/r.xls")));
    f.save(0);
    ASSERT_EQ(f.dialogs.messages().size(), 1u);
    EXPECT_TRUE(f.dialogs.messages()[0].text.contains("nenhuma/pasta/r.xls"));
}

}  // namespace
