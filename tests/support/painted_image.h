#pragma once
#include <QImage>
#include <QPalette>

#include "stretched_image.h"

namespace testing_support {

// Painted at a size on a green background.
inline QImage painted(quelva::StretchedImage& image, int width, int height) {
    image.resize(width, height);
    image.setAutoFillBackground(true);
    QPalette palette = image.palette();
    palette.setColor(QPalette::Window, Qt::green);
    image.setPalette(palette);
    return image.grab().toImage();
}

}  // namespace testing_support
