// The artwork the program carries.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include "painted_image.h"
#include "resources.h"
#include "stretched_image.h"

namespace {

using quelva::StretchedImage;
using testing_support::painted;

TEST(Artwork, TheArtworkIsCompiledInAndTheLogoNamesProductAndSurvey) {
    quelva::registerResources();
    quelva::registerResources();  // a second registration changes nothing
    for (const char* path : {quelva::kLogoImage, quelva::kAboutImage}) {
        StretchedImage image(QString::fromUtf8(path));
        EXPECT_NE(painted(image, 120, 80).pixelColor(60, 40), QColor(Qt::green)) << path;
    }
    QFile logo(QString::fromUtf8(quelva::kLogoImage));
    ASSERT_TRUE(logo.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(logo.readAll());
    for (const char* word : {">Quelva<", ">Lumbra 1999<", ">Tarsenal<"})
        EXPECT_TRUE(svg.contains(QString::fromUtf8(word))) << word;
}

}  // namespace
