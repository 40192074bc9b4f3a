#pragma once
#include <QWidget>
#include <memory>

#include "chart_drawing.h"

namespace quelva {

class ErrorPolicy;
struct ChartModel;

// The chart painted as wide as it is given and as tall as it needs (it lies in a scrolled area). The
// keyboard walks the bars, one at a time with the arrows, to either end with Home and End; assistive
// technology reads each as "locality: value" (chart_accessible.h).
class ChartView : public QWidget {
    Q_OBJECT
public:
    ChartView(std::shared_ptr<const ChartModel> model, ErrorPolicy& policy, QWidget* parent = nullptr);

    const ChartModel& model() const { return *model_; }
    const ChartGeometry& geometryOfChart() const { return geometry_; }
    // The bar the keyboard is on, the first at the start; -1 without bars.
    int current() const { return current_; }
    void setCurrent(int bar);
    // Bar `i`'s row, in the view's coordinates.
    QRect barRect(int i) const { return geometry_.barRow(i).toAlignedRect(); }

signals:
    // The keyboard moved to the bar in this row, which its scrolled area then brings into view.
    void currentMoved(const QRect& row);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void layOut();

    std::shared_ptr<const ChartModel> model_;
    ErrorPolicy& policy_;
    ChartGeometry geometry_;
    int current_;
};

}  // namespace quelva
