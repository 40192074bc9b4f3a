// The presentation window through its widgets: the heading and five paragraphs in a six-row grid.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "frm_apresentacao.h"
#include "politica_roteiro.h"
#include "window_probes.h"

using info_probes::windowGrid;
using info_probes::windowGridView;
using quelva::FrmApresentacao;

namespace {

// The window's close button carries the institutional record's control name.
QPushButton* closeButton(const FrmApresentacao& window) {
    return window.findChild<QPushButton*>(QStringLiteral("FrmFichaInstitucional_cmdfechar"));
}

TEST(FrmApresentacao, ShowingFillsTheHiddenGridModallyAndFecharCloses) {
    testing_support::PoliticaRoteiro scripted;
    FrmApresentacao window(scripted.politica);
    EXPECT_TRUE(windowGridView(window)->isHidden());
    EXPECT_EQ(windowGrid(window)->linhas(), 0);
    ASSERT_NE(closeButton(window), nullptr);
    int rowsAtClick = 0;
    bool modal = false;
    QTimer::singleShot(0, &window, [&] {
        rowsAtClick = windowGridView(window)->isVisible() ? windowGrid(window)->linhas() : -1;
        modal = QApplication::activeModalWidget() == &window;
        QTest::mouseClick(closeButton(window), Qt::LeftButton);
    });
    window.exec();
    EXPECT_EQ(rowsAtClick, 6);
    EXPECT_TRUE(modal);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(scripted.dialogos.mensagens().empty());
}

TEST(FrmApresentacao, ACentredBoldHeadingThenFiveWrappedLeftAlignedParagraphsInTallerRows) {
    testing_support::PoliticaRoteiro scripted;
    FrmApresentacao window(scripted.politica);
    window.fill();
    const quelva::Grade& grid = *windowGrid(window);
    ASSERT_EQ(grid.linhas(), 6);
    ASSERT_EQ(grid.colunas(), 1);
    EXPECT_TRUE(windowGridView(window)->wordWrap());
    const auto& heading = grid.celula(0, 0);
    EXPECT_FALSE(heading.texto.isEmpty());
    EXPECT_EQ(heading.texto, heading.texto.toUpper());
    EXPECT_TRUE(heading.negrito);
    EXPECT_EQ(heading.alinhamento, Qt::AlignHCenter | Qt::AlignVCenter);

    for (int p = 1; p <= 5; ++p) {
        const auto& paragraph = grid.celula(p, 0);
        // A first-line indent of three blanks, and one paragraph per cell: the grid wraps it, not the text.
        EXPECT_TRUE(paragraph.texto.startsWith(QStringLiteral("   ")) && !paragraph.texto.at(3).isSpace()) << "paragraph " << p;
        EXPECT_FALSE(paragraph.texto.contains(u'\n') || paragraph.texto.contains(u'\r')) << "paragraph " << p;
        EXPECT_FALSE(paragraph.negrito) << "paragraph " << p;
        EXPECT_EQ(paragraph.alinhamento, Qt::AlignLeft | Qt::AlignVCenter) << "paragraph " << p;
        // Every paragraph's row is taller than the heading's single line.
        EXPECT_GT(grid.alturaLinha(p), grid.alturaLinha(0)) << "paragraph " << p;
    }
    EXPECT_TRUE(grid.texto(5, 0).contains(QString::fromUtf8("645 municípios")));
}

}  // namespace
