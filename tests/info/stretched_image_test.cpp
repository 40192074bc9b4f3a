// The stretched picture and the artwork the program carries.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include "fixture.h"
#include "stretched_image.h"
#include "resources.h"

using quelva::StretchedImage;

namespace {

// Painted at a size on a green background.
QImage painted(StretchedImage& image, int width, int height) {
    image.resize(width, height);
    image.setAutoFillBackground(true);
    QPalette palette = image.palette();
    palette.setColor(QPalette::Window, Qt::green);
    image.setPalette(palette);
    return image.grab().toImage();
}

TEST(StretchedImage, ThePictureFillsTheWidgetWhateverItsProportions) {
    testing_support::TempDir folder;
    testing_support::writeFile(folder.file("metades.svg"),
                               "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 100 100' width='100' height='100'>"
                               "<rect width='50' height='100' fill='#ff0000'/>"
                               "<rect x='50' width='50' height='100' fill='#0000ff'/></svg>");
    StretchedImage image(QString::fromStdString(folder.file("metades.svg")));
    ASSERT_TRUE(image.hasImage());
    // Kept proportions would leave green bands at the sides of a wide widget and above a tall one.
    const QImage wide = painted(image, 300, 100);
    EXPECT_EQ(wide.pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(wide.pixelColor(140, 98), QColor(Qt::red));
    EXPECT_EQ(wide.pixelColor(160, 1), QColor(Qt::blue));
    EXPECT_EQ(wide.pixelColor(298, 98), QColor(Qt::blue));
    const QImage tall = painted(image, 40, 200);
    EXPECT_EQ(tall.pixelColor(2, 1), QColor(Qt::red));
    EXPECT_EQ(tall.pixelColor(37, 198), QColor(Qt::blue));

    // A path that is not a drawing replaces the picture with nothing.
    testing_support::writeFile(folder.file("texto.svg"), "isto não é um desenho");
    EXPECT_FALSE(image.setImage(QString::fromStdString(folder.file("texto.svg"))));
    EXPECT_FALSE(image.hasImage());
    EXPECT_EQ(painted(image, 50, 50).pixelColor(25, 25), QColor(Qt::green));
    EXPECT_FALSE(image.setImage(QString::fromStdString(folder.file("nenhum.svg"))));
}

TEST(StretchedImage, TheArtworkIsCompiledInAndTheLogoNamesProductAndSurvey) {
    quelva::registerResources();
    quelva::registerResources();  // a second registration changes nothing
    for (const char* path : {quelva::kLogoImage, quelva::kAboutImage}) {
        StretchedImage image(QString::fromUtf8(path));
        EXPECT_TRUE(image.hasImage()) << path;
        EXPECT_NE(painted(image, 120, 80).pixelColor(60, 40), QColor(Qt::green)) << path;
    }
    QFile logo(QString::fromUtf8(quelva::kLogoImage));
    ASSERT_TRUE(logo.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(logo.readAll());
    for (const char* word : {">Quelva<", ">Lumbra 1999<", ">Tarsenal<"})
        EXPECT_TRUE(svg.contains(QString::fromUtf8(word))) << word;
}

}  // namespace
