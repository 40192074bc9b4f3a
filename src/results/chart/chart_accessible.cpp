#include "chart_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <map>

#include "chart_model.h"
#include "chart_view.h"

namespace quelva {

namespace {

// One bar, which has no object of its own: its chart's interface makes it when first asked and keeps it.
class BarInterface : public QAccessibleInterface {
public:
    BarInterface(ChartView* view, int bar) : view_(view), bar_(bar) {}
    bool isValid() const override { return view_ && bar_ < static_cast<int>(view_->model().bars.size()); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (!isValid() || t != QAccessible::Name) return {};
        return view_->model().bars[static_cast<std::size_t>(bar_)].spoken();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect r = view_->barRect(bar_);
        return QRect(view_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = true;
        s.selectable = true;
        s.focused = isValid() && view_->hasFocus() && view_->current() == bar_;
        s.selected = isValid() && view_->current() == bar_;
        return s;
    }
    int bar() const { return bar_; }

private:
    QPointer<ChartView> view_;
    int bar_;
};

class ChartInterface : public QAccessibleWidget {
public:
    explicit ChartInterface(ChartView* view) : QAccessibleWidget(view, QAccessible::List) {}
    ~ChartInterface() override {
        for (const auto& [bar, id] : bars_) QAccessible::deleteAccessibleInterface(id);
    }
    ChartView* view() const { return static_cast<ChartView*>(widget()); }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? view()->model().title : QAccessibleWidget::text(t);
    }
    int childCount() const override { return static_cast<int>(view()->model().bars.size()); }
    QAccessibleInterface* child(int i) const override {
        if (i < 0 || i >= childCount()) return nullptr;
        auto found = bars_.find(i);
        if (found == bars_.end())
            found = bars_.emplace(i, QAccessible::registerAccessibleInterface(new BarInterface(view(), i))).first;
        return QAccessible::accessibleInterface(found->second);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* bar = dynamic_cast<const BarInterface*>(child);
        return bar && bar->parent() == this ? bar->bar() : -1;
    }
    QAccessibleInterface* focusChild() const override {
        return view()->hasFocus() && view()->current() >= 0 ? child(view()->current()) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = view()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < childCount(); ++i)
            if (view()->barRect(i).contains(at)) return child(i);
        return nullptr;
    }

private:
    mutable std::map<int, QAccessible::Id> bars_;
};

QAccessibleInterface* chartInterfaceFor(const QString&, QObject* object) {
    auto* view = qobject_cast<ChartView*>(object);
    return view ? new ChartInterface(view) : nullptr;
}

}  // namespace

void installChartAccessibility() {
    // The factory itself holds no state.
    [[maybe_unused]] static const bool installed = (QAccessible::installFactory(chartInterfaceFor), true);
}

}  // namespace quelva
