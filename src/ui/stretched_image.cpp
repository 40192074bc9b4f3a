#include "imagem_esticada.h"

#include <QPainter>

namespace quelva {

ImagemEsticada::ImagemEsticada(const QString& path, QWidget* parent) : QWidget(parent) {
    // Stretched, not letter-boxed: the drawing covers the whole area it is given.
    drawing_.setAspectRatioMode(Qt::IgnoreAspectRatio);
    if (!path.isEmpty()) setImage(path);
}

bool ImagemEsticada::setImage(const QString& path) {
    path_ = path;
    // A failed load leaves the renderer empty, so a bad path shows nothing rather than the previous picture.
    const bool ok = drawing_.load(path);
    update();
    return ok;
}

QSize ImagemEsticada::sizeHint() const {
    return drawing_.isValid() ? drawing_.defaultSize() : QWidget::sizeHint();
}

void ImagemEsticada::paintEvent(QPaintEvent*) {
    if (!drawing_.isValid()) return;
    QPainter painter(this);
    drawing_.render(&painter, QRectF(rect()));
}

}  // namespace quelva
