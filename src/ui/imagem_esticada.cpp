#include "imagem_esticada.h"

#include <QPainter>

namespace quelva {

ImagemEsticada::ImagemEsticada(const QString& caminho, QWidget* pai) : QWidget(pai) {
    // Stretched, not letter-boxed: the drawing covers the whole area it is given.
    desenho_.setAspectRatioMode(Qt::IgnoreAspectRatio);
    if (!caminho.isEmpty()) definirImagem(caminho);
}

bool ImagemEsticada::definirImagem(const QString& caminho) {
    caminho_ = caminho;
    // A failed load leaves the renderer empty, so a bad path shows nothing rather than the previous picture.
    const bool ok = desenho_.load(caminho);
    update();
    return ok;
}

QSize ImagemEsticada::sizeHint() const {
    return desenho_.isValid() ? desenho_.defaultSize() : QWidget::sizeHint();
}

void ImagemEsticada::paintEvent(QPaintEvent*) {
    if (!desenho_.isValid()) return;
    QPainter pintor(this);
    desenho_.render(&pintor, QRectF(rect()));
}

}  // namespace quelva
