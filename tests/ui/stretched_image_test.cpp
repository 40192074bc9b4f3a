// The stretched picture: whatever the widget's proportions, the picture fills it.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include "fixture.h"
#include "painted_image.h"
#include "stretched_image.h"

using quelva::StretchedImage;
using testing_support::painted;

namespace {

TEST(StretchedImage, ThePictureFillsTheWidgetWhateverItsProportions) {
    testing_support::TempDir folder;
    testing_support::writeFile(folder.file("metades.svg"),
                               "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 100 100' width='100' height='100'>"
                               "<rect width='50' height='100' fill='#ff0000'/>"
                               "<rect x='50' width='50' height='100' fill='#0000ff'/></svg>");
    StretchedImage image(QString::fromStdString(folder.file("metades.svg")));
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
    EXPECT_EQ(painted(image, 50, 50).pixelColor(25, 25), QColor(Qt::green));
    EXPECT_FALSE(image.setImage(QString::fromStdString(folder.file("nenhum.svg"))));
}

}  // namespace
