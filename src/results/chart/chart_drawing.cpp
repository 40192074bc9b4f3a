#include "chart_drawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cmath>

#include "chart_model.h"

namespace quelva {

namespace {

const char* const kCountCaption = "Número de localidades";
const char* const kListedHeading = "Localidades fora do gráfico:";

constexpr double kMargin = 12, kGap = 8;
// The label column takes at most this share of the width; longer labels are elided.
constexpr double kLabelShare = 0.35;
const QColor kBarColour(70, 110, 180), kNegativeColour(180, 90, 70);

QString entryLine(const ChartEntry& e) { return e.cell.isEmpty() ? e.locality : e.locality + QStringLiteral(": ") + e.cell; }

// A block of text wrapped to `width` at `top`.
QRectF block(const QFontMetricsF& fm, const QString& text, double top, double width) {
    const QRectF r = fm.boundingRect(QRectF(kMargin, top, width, 1e6), Qt::TextWordWrap, text);
    return QRectF(kMargin, top, width, std::ceil(r.height()));
}

}  // namespace

double ChartGeometry::x(const ChartModel& m, double amount) const {
    const double span = m.high - m.low;
    return barsLeft + (span > 0 ? (amount - m.low) / span * barsWidth : 0);
}

QRectF ChartGeometry::bar(const ChartModel& m, int i) const {
    const double zero = x(m, 0), end = x(m, m.bars[static_cast<std::size_t>(i)].amount);
    const QRectF row = barRow(i);
    return QRectF(std::min(zero, end), row.top() + rowHeight * 0.2, std::max(std::abs(end - zero), 1.0), rowHeight * 0.6);
}

ChartGeometry layOutChart(const ChartModel& m, int width, const QFont& font, QPaintDevice* device) {
    ChartGeometry g;
    g.width = width;
    g.font = font;
    g.titleFont = font;
    g.titleFont.setBold(true);
    if (font.pixelSize() > 0) g.titleFont.setPixelSize(font.pixelSize() * 13 / 10);
    else g.titleFont.setPointSizeF(font.pointSizeF() * 1.3);
    const QFontMetricsF fm(font, device), tm(g.titleFont, device);
    const double inner = std::max(1.0, width - 2 * kMargin);

    double y = kMargin;
    g.title = block(tm, m.title, y, inner);
    y = g.title.bottom() + kGap / 2;
    QStringList lines = m.headings;
    if (!m.source.isEmpty()) lines << m.source;
    for (const QString& l : lines) {
        g.headings.push_back(block(fm, l, y, inner));
        y = g.headings.back().bottom();
    }
    y += kGap * 2;

    g.rowHeight = std::ceil(fm.height() * 1.5);
    double labels = 0, values = 0;
    for (const ChartBar& b : m.bars) {
        labels = std::max(labels, fm.horizontalAdvance(b.label));
        values = std::max(values, fm.horizontalAdvance(b.value));
    }
    g.labelLeft = kMargin;
    g.labelWidth = std::ceil(std::min(labels, inner * kLabelShare));
    // Room for a value on either side of the bars, where a negative one is written.
    const double valueRoom = std::ceil(values) + kGap;
    g.barsLeft = g.labelLeft + g.labelWidth + kGap + (m.low < 0 ? valueRoom : 0);
    g.barsWidth = std::max(1.0, width - kMargin - valueRoom - g.barsLeft);
    g.barsTop = y;
    y += g.rowHeight * static_cast<double>(m.bars.size());
    if (m.kind == ChartModel::Kind::Counts) {
        g.countCaption = QRectF(g.barsLeft, y, g.barsWidth, fm.height());
        y = g.countCaption.bottom();
    }
    if (!m.listed.empty()) {
        y += kGap * 2;
        g.listedHeading = QRectF(kMargin, y, inner, fm.height());
        y = g.listedHeading.bottom();
        g.listedTop = y;
        y += fm.height() * static_cast<double>(m.listed.size());
    }
    g.height = static_cast<int>(std::ceil(y + kMargin));
    return g;
}

void paintChart(QPainter& p, const ChartModel& m, const ChartGeometry& g, int current) {
    p.save();
    p.fillRect(QRectF(0, 0, g.width, g.height), Qt::white);
    p.setPen(Qt::black);
    p.setFont(g.titleFont);
    p.drawText(g.title, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, m.title);
    p.setFont(g.font);
    QStringList lines = m.headings;
    if (!m.source.isEmpty()) lines << m.source;
    for (std::size_t i = 0; i < g.headings.size() && i < static_cast<std::size_t>(lines.size()); ++i)
        p.drawText(g.headings[i], Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, lines[static_cast<qsizetype>(i)]);

    const QFontMetricsF fm(g.font, p.device());
    for (int i = 0; i < static_cast<int>(m.bars.size()); ++i) {
        const ChartBar& b = m.bars[static_cast<std::size_t>(i)];
        const QRectF row = g.barRow(i);
        if (i == current) p.fillRect(row, QColor(225, 232, 245));
        const QRectF label(g.labelLeft, row.top(), g.labelWidth, row.height());
        p.drawText(label, Qt::AlignRight | Qt::AlignVCenter, fm.elidedText(b.label, Qt::ElideRight, g.labelWidth));
        const QRectF bar = g.bar(m, i);
        p.fillRect(bar, b.amount < 0 ? kNegativeColour : kBarColour);
        const double width = fm.horizontalAdvance(b.value);
        const double x = b.amount < 0 ? bar.left() - kGap - width : bar.right() + kGap;
        p.drawText(QRectF(x, row.top(), width + 1, row.height()), Qt::AlignLeft | Qt::AlignVCenter, b.value);
        if (i == current) {
            p.setPen(QPen(Qt::black, 1, Qt::DotLine));
            p.drawRect(row.adjusted(1, 1, -1, -1));
            p.setPen(Qt::black);
        }
    }
    if (!m.bars.empty()) {
        // The zero line the bars start from.
        const double zero = g.x(m, 0);
        p.drawLine(QPointF(zero, g.barsTop), QPointF(zero, g.barsTop + g.rowHeight * static_cast<double>(m.bars.size())));
    }
    if (m.kind == ChartModel::Kind::Counts) p.drawText(g.countCaption, Qt::AlignHCenter | Qt::AlignTop, QString::fromUtf8(kCountCaption));
    if (!m.listed.empty()) {
        QFont bold = g.font;
        bold.setBold(true);
        p.setFont(bold);
        p.drawText(g.listedHeading, Qt::AlignLeft | Qt::AlignTop, QString::fromUtf8(kListedHeading));
        p.setFont(g.font);
        for (std::size_t i = 0; i < m.listed.size(); ++i)
            p.drawText(QRectF(kMargin + kGap, g.listedTop + fm.height() * static_cast<double>(i), g.width - 2 * kMargin, fm.height()),
                       Qt::AlignLeft | Qt::AlignVCenter, fm.elidedText(entryLine(m.listed[i]), Qt::ElideRight, g.width - 2 * kMargin - kGap));
    }
    p.restore();
}

}  // namespace quelva
