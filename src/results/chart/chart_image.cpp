#include "chart_image.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <stdexcept>

#include "chart_drawing.h"
#include "chart_model.h"
#include "dialogs.h"
#include "file_types.h"
#include "save_questions.h"

namespace quelva {

namespace {

// In the order of ImageType.
const SaveType kImageTypes[] = {
    {"Imagem PNG (*.png)", ".png"},
    {"Desenho SVG (*.svg)", ".svg"},
    {"Documento PDF (*.pdf)", ".pdf"},
};

const char* const kSaveImage = "Salvar imagem";
const char* const kTooLarge = "o gráfico é grande demais para uma imagem";

// Every image is drawn this wide, at the screen's usual resolution, in a font of this many pixels, whatever
// the window's size: a saved chart does not depend on the screen it was saved from.
constexpr int kImageWidth = 1000;
constexpr int kImageDpi = 96;
constexpr int kFontPixels = 13;
constexpr double kPointsPerInch = 72;
// The tallest page PDF readers show, in points.
constexpr double kMaxPdfPoints = 14400;
constexpr int kDotsPerMeter = 3780;  // 96 per inch

QFont imageFont() {
    QFont f = QApplication::font();
    f.setPixelSize(kFontPixels);
    return f;
}

QByteArray png(const ChartModel& m) {
    QImage probe(1, 1, QImage::Format_RGB32);
    probe.setDotsPerMeterX(kDotsPerMeter);
    probe.setDotsPerMeterY(kDotsPerMeter);
    const ChartGeometry g = layOutChart(m, kImageWidth, imageFont(), &probe);
    QImage image(g.width, g.height, QImage::Format_RGB32);
    if (image.isNull()) throw std::runtime_error(kTooLarge);
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    {
        QPainter p(&image);
        paintChart(p, m, g);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) throw std::runtime_error(kTooLarge);
    return bytes;
}

QByteArray svg(const ChartModel& m) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(kImageDpi);
    generator.setTitle(m.title);
    const ChartGeometry g = layOutChart(m, kImageWidth, imageFont(), &generator);
    generator.setSize(QSize(g.width, g.height));
    generator.setViewBox(QRect(0, 0, g.width, g.height));
    QPainter p(&generator);
    paintChart(p, m, g);
    p.end();
    return bytes;
}

QByteArray pdf(const ChartModel& m) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(m.title);
    writer.setResolution(kImageDpi);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    const ChartGeometry g = layOutChart(m, kImageWidth, imageFont(), &writer);
    // One page holds the whole chart; a chart taller than a page may be is drawn at a finer resolution,
    // which makes the page smaller and keeps the drawing the same.
    int dpi = kImageDpi;
    while (g.height * kPointsPerInch / dpi > kMaxPdfPoints) dpi += kImageDpi / 4;
    writer.setResolution(dpi);
    writer.setPageSize(QPageSize(QSizeF(g.width * kPointsPerInch / dpi, g.height * kPointsPerInch / dpi), QPageSize::Point));
    QPainter p;
    if (!p.begin(&writer)) throw std::runtime_error(kTooLarge);
    paintChart(p, m, g);
    p.end();
    return bytes;
}

}  // namespace

QString saveImageCaption() { return QString::fromUtf8(kSaveImage); }

QStringList imageFilters() { return filtersOf(kImageTypes); }

ChosenImage resolveImageFile(const QString& name, const QString& filter) {
    const ChosenType chosen = chooseType(name, filter, kImageTypes);
    return {chosen.path, static_cast<ImageType>(chosen.type)};
}

QByteArray renderChart(const ChartModel& m, ImageType type) {
    switch (type) {
    case ImageType::Svg: return svg(m);
    case ImageType::Pdf: return pdf(m);
    case ImageType::Png: break;
    }
    return png(m);
}

void writeChartImage(const ChartModel& m, const QString& path, ImageType type) {
    writeWholeFile(path, [&] { return renderChart(m, type); });
}

void saveChartImage(const ChartModel& m, Dialogs& dialogs, QWidget* parent, const QString& folder) {
    const Dialogs::SaveChoice choice = dialogs.saveFile(parent, saveImageCaption(), folder, imageFilters(), imageFilters().front());
    if (choice.file.isEmpty()) return;
    const ChosenImage target = resolveImageFile(choice.file, choice.filter);
    saveWholeFile(dialogs, parent, target.path, [&] { return renderChart(m, target.type); });
}

}  // namespace quelva
