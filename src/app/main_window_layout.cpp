// The screen layout's geometries, in twips, applied to the widgets they name.
#include "main_window.h"

#include <QGroupBox>
#include <stdexcept>

#include "twips.h"

namespace quelva {

void FrmQuelva::applyLayout() {
    const double dpiX = logicalDpiX(), dpiY = logicalDpiY();
    auto px = [&](int twips, double dpi) { return twipsToPixels(twips, dpi); };
    for (const auto& [name, g] : layout_.controls().all()) {
        if (name == "FrmQuelva") {
            // The measures are of the outer window; the toolkit sizes the inside.
            const QSize frame = frameGeometry().size() - geometry().size();
            move(px(g.Left, dpiX), px(g.Top, dpiY));
            resize(std::max(1, px(g.Width, dpiX) - frame.width()), std::max(1, px(g.Height, dpiY) - frame.height()));
            continue;
        }
        QWidget* w = findChild<QWidget*>(QString::fromStdString(name));
        if (!w) throw std::logic_error("O controle " + name + " que o layout posiciona não existe na janela.");
        if (name == "LinMenu") {
            w->setGeometry(px(g.Left, dpiX), px(g.Top, dpiY), px(g.Width, dpiX), 1);
            continue;
        }
        const int pixelWidth = g.Width > 0 ? px(g.Width, dpiX) : w->width();
        const int pixelHeight = g.Height > 0 ? px(g.Height, dpiY) : w->height();
        w->setGeometry(px(g.Left, dpiX), px(g.Top, dpiY), pixelWidth, pixelHeight);
    }
    FraRes_Mensagem->raise();
}

}  // namespace quelva
