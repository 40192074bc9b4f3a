// The presentation window through its widgets: the heading and five paragraphs in a six-row grid.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "frm_apresentacao.h"
#include "scripted_policy.h"
#include "window_probes.h"

using info_probes::windowGrid;
using info_probes::windowGridView;
using quelva::FrmApresentacao;

namespace {

// The window's close button carries the institutional record's control name.
QPushButton* closeButton(const FrmApresentacao& window) {
    return window.findChild<QPushButton*>(QStringLiteral("FrmFichaInstitucional_cmdfechar"));
}

TEST(FrmApresentacao, ShowingFillsTheHiddenGridModallyAndTheCloseButtonCloses) {
    testing_support::ScriptedPolicy scripted;
    FrmApresentacao window(scripted.policy);
    EXPECT_TRUE(windowGridView(window)->isHidden());
    EXPECT_EQ(windowGrid(window)->rows(), 0);
    ASSERT_NE(closeButton(window), nullptr);
    int rowsAtClick = 0;
    bool modal = false;
    QTimer::singleShot(0, &window, [&] {
        rowsAtClick = windowGridView(window)->isVisible() ? windowGrid(window)->rows() : -1;
        modal = QApplication::activeModalWidget() == &window;
        QTest::mouseClick(closeButton(window), Qt::LeftButton);
    });
    window.exec();
    EXPECT_EQ(rowsAtClick, 6);
    EXPECT_TRUE(modal);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(scripted.dialogs.messages().empty());
}

TEST(FrmApresentacao, ACentredBoldHeadingThenFiveWrappedLeftAlignedParagraphsInTallerRows) {
    testing_support::ScriptedPolicy scripted;
    FrmApresentacao window(scripted.policy);
    window.fill();
    const quelva::Grid& grid = *windowGrid(window);
    ASSERT_EQ(grid.rows(), 6);
    ASSERT_EQ(grid.columns(), 1);
    EXPECT_TRUE(windowGridView(window)->wordWrap());
    const auto& heading = grid.cell(0, 0);
    EXPECT_FALSE(heading.text.isEmpty());
    EXPECT_EQ(heading.text, heading.text.toUpper());
    EXPECT_TRUE(heading.bold);
    EXPECT_EQ(heading.alignment, Qt::AlignHCenter | Qt::AlignVCenter);

    for (int p = 1; p <= 5; ++p) {
        const auto& paragraph = grid.cell(p, 0);
        // A first-line indent of three blanks, and one paragraph per cell: the grid wraps it, not the text.
        EXPECT_TRUE(paragraph.text.startsWith(QStringLiteral("   ")) && !paragraph.text.at(3).isSpace()) << "paragraph " << p;
        EXPECT_FALSE(paragraph.text.contains(u'\n') || paragraph.text.contains(u'\r')) << "paragraph " << p;
        EXPECT_FALSE(paragraph.bold) << "paragraph " << p;
        EXPECT_EQ(paragraph.alignment, Qt::AlignLeft | Qt::AlignVCenter) << "paragraph " << p;
        // Every paragraph's row is taller than the heading's single line.
        EXPECT_GT(grid.rowHeight(p), grid.rowHeight(0)) << "paragraph " << p;
    }
    EXPECT_TRUE(grid.text(5, 0).contains(QString::fromUtf8("645 municípios")));
}

}  // namespace
