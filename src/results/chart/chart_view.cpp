#include "chart_view.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "chart_accessible.h"
#include "chart_model.h"
#include "error_policy.h"

namespace quelva {

ChartView::ChartView(std::shared_ptr<const ChartModel> model, ErrorPolicy& policy, QWidget* parent)
    : QWidget(parent), model_(std::move(model)), policy_(policy), current_(model_->bars.empty() ? -1 : 0) {
    installChartAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    layOut();
}

void ChartView::layOut() {
    geometry_ = layOutChart(*model_, std::max(width(), 1), font(), this);
    setMinimumHeight(geometry_.height);
}

void ChartView::setCurrent(int bar) {
    const int count = static_cast<int>(model_->bars.size());
    if (count == 0) return;
    bar = std::clamp(bar, 0, count - 1);
    const bool moved = bar != current_;
    current_ = bar;
    update();
    emit currentMoved(barRect(bar));
    if (!moved) return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(bar);
    QAccessible::updateAccessibility(&focus);
}

void ChartView::paintEvent(QPaintEvent*) {
    policy_.run([&] {
        QPainter p(this);
        // The scrolled area may give the view more height than the chart needs.
        p.fillRect(rect(), Qt::white);
        paintChart(p, *model_, geometry_, hasFocus() ? current_ : -1);
    });
}

void ChartView::resizeEvent(QResizeEvent*) {
    policy_.run([&] { layOut(); });
}

void ChartView::focusInEvent(QFocusEvent* e) {
    policy_.run([&] {
        QWidget::focusInEvent(e);
        if (current_ >= 0) setCurrent(current_);
    });
}

void ChartView::mousePressEvent(QMouseEvent* e) {
    policy_.run([&] {
        setFocus(Qt::MouseFocusReason);
        const double row = (e->position().y() - geometry_.barsTop) / geometry_.rowHeight;
        if (row >= 0 && row < static_cast<double>(model_->bars.size())) setCurrent(static_cast<int>(row));
    });
}

void ChartView::keyPressEvent(QKeyEvent* e) {
    policy_.run([&] {
        // A page is the bars a screen of the scrolled area shows, at least one.
        const int page = std::max(1, static_cast<int>(visibleRegion().boundingRect().height() / geometry_.rowHeight) - 1);
        const int last = static_cast<int>(model_->bars.size()) - 1;
        switch (e->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left: setCurrent(current_ - 1); break;
        case Qt::Key_Down:
        case Qt::Key_Right: setCurrent(current_ + 1); break;
        case Qt::Key_PageUp: setCurrent(current_ - page); break;
        case Qt::Key_PageDown: setCurrent(current_ + page); break;
        case Qt::Key_Home: setCurrent(0); break;
        case Qt::Key_End: setCurrent(last); break;
        default: QWidget::keyPressEvent(e); return;
        }
        e->accept();
    });
}

}  // namespace quelva
