// The About window through its widgets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "frm_sobre.h"
#include "painted_image.h"
#include "stretched_image.h"
#include "resources.h"

using quelva::FrmSobre;

namespace {

TEST(FrmSobre, ShowsTheCompiledInPictureModallyAndTheCloseButtonCloses) {
    FrmSobre window;
    auto* image = window.findChild<quelva::StretchedImage*>(QStringLiteral("Image1"));
    ASSERT_NE(image, nullptr);
    // The About picture, drawn at the size the window gives it.
    quelva::StretchedImage about(QString::fromUtf8(quelva::kAboutImage));
    const QImage drawn = testing_support::painted(about, image->width(), image->height());
    EXPECT_NE(drawn.pixelColor(image->width() / 2, image->height() / 2), QColor(Qt::green));
    EXPECT_EQ(testing_support::painted(*image, image->width(), image->height()), drawn);

    auto* close = window.findChild<QPushButton*>(QStringLiteral("CmdFechar"));
    ASSERT_NE(close, nullptr);
    bool shownModally = false;
    QTimer::singleShot(0, &window, [&] {
        shownModally = window.isVisible() && QApplication::activeModalWidget() == &window;
        QTest::mouseClick(close, Qt::LeftButton);
    });
    window.exec();
    EXPECT_TRUE(shownModally);
    EXPECT_FALSE(window.isVisible());
}

TEST(FrmSobre, Text1HoldsSevenIdentificationLinesJoinedByCrLf) {
    const QString text = FrmSobre::developerIdentification();
    // Every break is CR LF, and there is none at the end.
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 6);
    EXPECT_EQ(text.count(u'\n') + text.count(u'\r'), 12);
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 7);
    // Name, street, district and city, postal code; a blank line; the service department and its telephone,
    // an obviously fictitious one.
    for (int i : {0, 1, 2, 3, 5, 6}) EXPECT_FALSE(lines[i].trimmed().isEmpty()) << "line " << i;
    EXPECT_TRUE(lines[4].isEmpty());
    EXPECT_TRUE(lines[3].contains(QStringLiteral("CEP")));
    EXPECT_TRUE(lines[6].contains(QStringLiteral("(00) 0000-0000")));

    // The user may select and copy it but not change it.
    FrmSobre window;
    auto* text1 = window.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    ASSERT_NE(text1, nullptr);
    EXPECT_TRUE(text1->isReadOnly());
    EXPECT_EQ(text1->toPlainText().split(u'\n'), lines);
}

}  // namespace
