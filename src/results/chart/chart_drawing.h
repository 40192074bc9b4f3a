#pragma once
// Where everything of a chart goes for a given width and font, and the painting of it: one drawing for the
// window and for every image saved, so that what is saved is what is seen, whole.
#include <QFont>
#include <QRectF>
#include <vector>

class QPainter;
class QPaintDevice;

namespace quelva {

struct ChartModel;

struct ChartGeometry {
    int width = 0, height = 0;
    QFont font, titleFont;
    QRectF title;
    std::vector<QRectF> headings;  // the survey's titles, then the source
    double rowHeight = 0;
    double labelLeft = 0, labelWidth = 0;  // the column of the labels, each elided to it
    double barsLeft = 0, barsWidth = 0;    // where the span of amounts is drawn
    double barsTop = 0;                    // the first bar's row
    QRectF countCaption;                   // under the bars of a chart of counts
    QRectF listedHeading;
    double listedTop = 0;                  // the first listed locality's line

    // The row of bar `i`, across the whole width.
    QRectF barRow(int i) const { return QRectF(0, barsTop + i * rowHeight, width, rowHeight); }
    // The bar itself, from zero to its amount.
    QRectF bar(const ChartModel& m, int i) const;
    // Where an amount falls across the bars' span.
    double x(const ChartModel& m, double amount) const;
};

// Lays the chart out `width` pixels wide in `font` as `device` measures it; the height is what it needs,
// each line of text on a row of its own.
ChartGeometry layOutChart(const ChartModel& m, int width, const QFont& font, QPaintDevice* device);

// Paints the whole chart; `current` (a bar, or -1) is marked as the keyboard's.
void paintChart(QPainter& p, const ChartModel& m, const ChartGeometry& g, int current = -1);

}  // namespace quelva
