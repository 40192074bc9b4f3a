// "Gráfico": the chart's bars from its model (not its pixels), its window, keyboard and screen reader, and
// its images read back by independent readers.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTest>
#include <filesystem>

#include "chart_image.h"
#include "chart_model.h"
#include "chart_view.h"
#include "chart_window.h"
#include "grid.h"
#include "result_panel.h"
#include "tabbed_frame.h"
#include "table_layout.h"
#include "test_window.h"
#include "value_order.h"
#include "variable_marks.h"

namespace {

using quelva::ChartModel;

std::vector<std::pair<QString, QString>> bars(const ChartModel& m) {
    std::vector<std::pair<QString, QString>> r;
    for (const quelva::ChartBar& b : m.bars) r.emplace_back(b.label, b.value);
    return r;
}

TEST(ChartModel, ABarPerLocalityWithANumberInTheTablesOrderTheRestListed) {
    const quelva::VariableSeries s{"Escolas", "Censo", {"A", "B", "C", "D", "E", "F"}, {"1.519", "NR", "-3", "12,5", "Sim", ""}};
    const ChartModel m = quelva::buildChart(s, {"Lumbra 1999", "Tarsenal"}, quelva::ValueOrder());
    EXPECT_EQ(m.kind, ChartModel::Kind::Values);
    EXPECT_EQ(m.title, "Escolas");
    EXPECT_EQ(m.source, "Fonte: Censo");
    EXPECT_EQ(bars(m), (std::vector<std::pair<QString, QString>>{{"A", "1.519"}, {"C", "-3"}, {"D", "12,5"}}));
    EXPECT_EQ(m.bars[0].amount, 1519);
    EXPECT_EQ(m.bars[0].spoken(), "A: 1.519");
    EXPECT_TRUE(m.low == -3 && m.high == 1519);
    ASSERT_EQ(m.listed.size(), 3u);
    EXPECT_TRUE(m.listed[0].locality == "B" && m.listed[0].cell == "NR" && m.listed[1].cell == "Sim" && m.listed[2].cell.isEmpty());
}

TEST(ChartModel, AVariableWithoutNumbersCountsItsTextsInJetsOrder) {
    const quelva::VariableSeries s{"Tem sede", "", {"A", "B", "C", "D", "E"}, {"Sim", "não", "NR", "Não", "Sim"}};
    const ChartModel m = quelva::buildChart(s, {}, quelva::ValueOrder());
    EXPECT_EQ(m.kind, ChartModel::Kind::Counts);
    EXPECT_EQ(m.source, "");
    // Jet finds "não" and "Não" one text, written as first met.
    EXPECT_EQ(bars(m), (std::vector<std::pair<QString, QString>>{{"não", "2"}, {"Sim", "2"}}));
    ASSERT_EQ(m.listed.size(), 1u);
    EXPECT_EQ(m.listed[0].locality + m.listed[0].cell, "CNR");
}

// The three types, each opened by a reader of its own: Qt's image reader, Qt's SVG renderer, poppler's pdfinfo.
TEST(ChartImage, PngSvgAndPdfOfTheWholeChart) {
    quelva::VariableSeries s{"Escolas", "Censo", {}, {}};
    for (int i = 0; i < 800; ++i) {
        s.localities.push_back("Localidade " + QString::number(i));
        s.cells.push_back(QString::number(i * 7 % 1000));
    }
    const ChartModel m = quelva::buildChart(s, {"Lumbra 1999", "Tarsenal"}, quelva::ValueOrder());
    testing_support::TempDir folder;
    const QString base = QString::fromStdString(folder.path()) + "/grafico";
    quelva::writeChartImage(m, base + ".png", quelva::ImageType::Png);
    const QImage png(base + ".png");
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.width(), 1000);
    EXPECT_GT(png.height(), 800 * 10);  // every bar, not one screen of them
    quelva::writeChartImage(m, base + ".svg", quelva::ImageType::Svg);
    QSvgRenderer svg(base + ".svg");
    ASSERT_TRUE(svg.isValid());
    EXPECT_GT(svg.viewBox().height(), 800 * 10);
    quelva::writeChartImage(m, base + ".pdf", quelva::ImageType::Pdf);
    QProcess info;
    info.start("pdfinfo", {base + ".pdf"});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_EQ(info.exitCode(), 0) << info.readAllStandardError().toStdString();
    EXPECT_TRUE(out.contains(QRegularExpression("Pages:\\s+1\\n"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QRegularExpression("Title:\\s+Escolas\\n"))) << out.toStdString();
}

class ChartWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(t.start());
        t.window->show();
        p = t.window->resultPanel;
        for (int c : {1, 5, 26, 61, 98}) t.state->localities.setMark(c, true);
        testing_support::markCode(t.state->variables, "K002");
        testing_support::markCode(t.state->variables, "K003");
        t.window->MnuVariaveis->trigger();
        t.window->MnuVerResultado->trigger();
    }
    quelva::ChartWindow* openedChart() {
        QTest::mouseClick(p->FraRes_CmdChart, Qt::LeftButton);
        const auto windows = t.window->findChildren<quelva::ChartWindow*>();
        return windows.isEmpty() ? nullptr : windows.back();
    }
    testing_support::TestWindow t;
    quelva::ResultPanel* p = nullptr;
};

TEST_F(ChartWindowTest, TheCurrentColumnsChartInTheGridsOrderWalkedByTheKeysAndReadAsLocalityAndValue) {
    const quelva::Grid& g = p->grid(0);
    p->sortByTitle(0, 0, 1);  // K002, largest first
    p->FraRes_MSFlexGrid[0]->setCurrentIndex(g.index(2, 1));
    quelva::ChartWindow* w = openedChart();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), g.text(0, 1));
    const ChartModel& m = w->view->model();
    ASSERT_EQ(m.bars.size(), 5u);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(m.bars[static_cast<std::size_t>(i)].spoken(), g.text(i + 1, 0) + ": " + g.text(i + 1, 1));
    EXPECT_EQ(m.headings, QStringList({"Lumbra 1999", "Tarsenal"}));

    QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(w->view);
    ASSERT_TRUE(chart);
    EXPECT_EQ(chart->childCount(), 5);
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    w->view->setFocus();
    QTest::keyClick(w->view, Qt::Key_Down);
    EXPECT_EQ(w->view->current(), 1);
    ASSERT_TRUE(chart->focusChild());
    EXPECT_EQ(chart->focusChild()->text(QAccessible::Name), g.text(2, 0) + ": 6");
    QTest::keyClick(w->view, Qt::Key_End);
    EXPECT_EQ(chart->focusChild()->text(QAccessible::Name), g.text(5, 0) + ": 0");
    EXPECT_EQ(chart->indexOfChild(chart->focusChild()), 4);

    // Formato 2's current row is its variable: K003 has no number, so its texts are counted.
    p->FraRes_SSTab1->setTab(1);
    p->FraRes_MSFlexGrid[1]->setCurrentIndex(p->grid(1).index(2, 3));
    EXPECT_EQ(openedChart()->view->model().kind, ChartModel::Kind::Counts);
    QTest::keyClick(w, Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
    p->FraRes_SSTab1->setTab(2);
    EXPECT_FALSE(p->FraRes_CmdChart->isEnabled());
    EXPECT_FALSE(t.endedWith);
}

TEST_F(ChartWindowTest, SalvarImagemSavesTheTypeChosenAsksBeforeReplacingAndNamesAFailure) {
    quelva::ChartWindow* w = openedChart();
    ASSERT_TRUE(w);
    const QString svg = QString::fromStdString(t.folder.file("grafico"));
    t.dialogs.chooseFile(svg, quelva::imageFilters()[1]);
    QTest::mouseClick(w->saveButton, Qt::LeftButton);
    ASSERT_EQ(t.dialogs.saveDialogs().size(), 1u);
    EXPECT_EQ(t.dialogs.saveDialogs()[0].title, "Salvar imagem");
    EXPECT_EQ(w->saveButton->text(), "Salvar imagem");
    EXPECT_TRUE(QSvgRenderer(svg + ".svg").isValid());
    const auto before = std::filesystem::last_write_time((svg + ".svg").toStdString());
    t.dialogs.chooseFile(svg + ".svg");
    t.dialogs.answer(quelva::Dialogs::Answer::No);
    QTest::mouseClick(w->saveButton, Qt::LeftButton);
    ASSERT_EQ(t.dialogs.messages().size(), 1u);
    EXPECT_EQ(t.dialogs.messages()[0].text, "O arquivo " + svg + ".svg já existe.\nDeseja substituí-lo?");
    EXPECT_EQ(std::filesystem::last_write_time((svg + ".svg").toStdString()), before);

    const QString missing = QString::fromStdString(t.folder.file("nao-existe/grafico.png"));
    t.dialogs.chooseFile(missing);
    QTest::mouseClick(w->saveButton, Qt::LeftButton);
    ASSERT_EQ(t.dialogs.messages().size(), 2u);
    EXPECT_TRUE(t.dialogs.messages()[1].text.startsWith("Não foi possível salvar o arquivo " + missing + ".")) << t.dialogs.messages()[1].text.toStdString();
    EXPECT_TRUE(t.dialogs.messages()[1].text.contains("não existe"));
    EXPECT_EQ(t.dialogs.messages()[1].icon, quelva::Dialogs::Icon::Critical);
    for (const auto& f : std::filesystem::directory_iterator(t.folder.path())) EXPECT_FALSE(f.path().filename().string().starts_with(".quelva-"));
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_FALSE(t.endedWith);
}

}  // namespace
