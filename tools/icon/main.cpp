// quelva-icon SVG PNG SIZE: draws the program's icon at SIZE × SIZE pixels, for the menus of desktops that
// take pictures rather than the scalable icon. The build makes each size the package installs.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    // No display is needed to draw into a picture.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    bool ok = argc == 4;
    const int size = ok ? QString::fromLocal8Bit(argv[3]).toInt(&ok) : 0;
    if (!ok || size <= 0) {
        std::fprintf(stderr, "uso: quelva-icon ARQUIVO.svg ARQUIVO.png TAMANHO\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "não foi possível ler %s\n", argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "não foi possível gravar %s\n", argv[2]);
        return 1;
    }
    return 0;
}
