#include "stretched_image.h"

#include <QPainter>

namespace quelva {

StretchedImage::StretchedImage(const QString& path, QWidget* parent) : QWidget(parent) {
    // Stretched, not letter-boxed: the drawing covers the whole area it is given.
    drawing_.setAspectRatioMode(Qt::IgnoreAspectRatio);
    if (!path.isEmpty()) setImage(path);
}

bool StretchedImage::setImage(const QString& path) {
    // A failed load leaves the renderer empty, so a bad path shows nothing rather than the previous picture.
    const bool ok = drawing_.load(path);
    update();
    return ok;
}

QSize StretchedImage::sizeHint() const {
    return drawing_.isValid() ? drawing_.defaultSize() : QWidget::sizeHint();
}

void StretchedImage::paintEvent(QPaintEvent*) {
    if (!drawing_.isValid()) return;
    QPainter painter(this);
    drawing_.render(&painter, QRectF(rect()));
}

}  // namespace quelva
