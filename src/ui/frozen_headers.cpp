#include "frozen_headers.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>

namespace quelva {

namespace {

// Marks a view laid over, for assistive technology.
constexpr char kFrozenPart[] = "quelvaFrozenPart";

// What assistive technology is told of a view laid over: an invisible part holding nothing, so that a screen
// reader meets the grid once, as the main view, which holds every cell the views laid over show.
class HiddenPart : public QAccessibleWidget {
public:
    explicit HiddenPart(QWidget* view) : QAccessibleWidget(view, QAccessible::NoRole) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        s.focusable = false;
        return s;
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
};

QAccessibleInterface* hiddenPartFor(const QString&, QObject* object) {
    auto* view = qobject_cast<QTableView*>(object);
    return view && view->property(kFrozenPart).toBool() ? new HiddenPart(view) : nullptr;
}

}  // namespace

FrozenHeaders::FrozenHeaders(QTableView& main, Runner run) : QObject(&main), main_(main), run_(std::move(run)) {
    // The main view's headers are hidden but still hold its sections: every change of a size reaches the views
    // laid over, and a frozen section's change moves their edges.
    connect(main_.horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        run_([&] {
            for (QTableView* v : views()) v->horizontalHeader()->resizeSection(column, width);
            if (column < columns_) place();
        });
    });
    connect(main_.verticalHeader(), &QHeaderView::sectionResized, this, [this](int row, int, int height) {
        run_([&] {
            for (QTableView* v : views()) v->verticalHeader()->resizeSection(row, height);
            if (row < rows_) place();
        });
    });
    for (QHeaderView* h : {main_.horizontalHeader(), main_.verticalHeader()})
        connect(h, &QHeaderView::sectionCountChanged, this, [this] { run_([this] { place(); }); });
    for (QScrollBar* b : {main_.horizontalScrollBar(), main_.verticalScrollBar()})
        connect(b, &QScrollBar::valueChanged, this, [this] { run_([this] { followScrolling(); }); });
    main_.viewport()->installEventFilter(this);
    // Once for the program: the factory itself holds no state.
    [[maybe_unused]] static const bool hidden = (QAccessible::installFactory(hiddenPartFor), true);
}

FrozenHeaders::~FrozenHeaders() {
    for (QTableView* v : views()) delete v;
}

std::vector<QTableView*> FrozenHeaders::views() const {
    std::vector<QTableView*> r;
    for (QTableView* v : {rowView_.data(), columnView_.data(), cornerView_.data()})
        if (v) r.push_back(v);
    return r;
}

void FrozenHeaders::set(int rows, int columns) {
    rows_ = std::max(rows, 0);
    columns_ = std::max(columns, 0);
    const auto keep = [this](QPointer<QTableView>& v, bool needed, const char* name) {
        if (needed && !v) v = newView(name);
        if (!needed && v) delete v.data();
    };
    keep(columnView_, columns_ > 0, "frozenColumns");
    keep(rowView_, rows_ > 0, "frozenRows");
    keep(cornerView_, rows_ > 0 && columns_ > 0, "frozenCorner");
    place();
}

QTableView* FrozenHeaders::newView(const char* name) {
    auto* v = new QTableView(&main_);
    v->setProperty(kFrozenPart, true);  // before assistive technology first asks about it
    v->setObjectName(QString::fromLatin1(name));
    v->horizontalHeader()->hide();
    v->verticalHeader()->hide();
    v->horizontalHeader()->setMinimumSectionSize(1);
    v->verticalHeader()->setMinimumSectionSize(1);
    v->setFrameShape(QFrame::NoFrame);
    v->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    v->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    v->setEditTriggers(main_.editTriggers());
    v->setSelectionMode(main_.selectionMode());
    v->setSelectionBehavior(main_.selectionBehavior());
    // It scrolls only as the main view does; a click on it gives the keyboard to the main view, where the copy
    // key and the arrows work on the selection both share.
    v->setAutoScroll(false);
    v->setFocusPolicy(Qt::ClickFocus);
    v->setFocusProxy(&main_);
    share(*v);
    connect(v, &QAbstractItemView::clicked, this, &FrozenHeaders::clicked);
    v->viewport()->installEventFilter(this);
    for (QScrollBar* b : {v->horizontalScrollBar(), v->verticalScrollBar()})
        connect(b, &QScrollBar::rangeChanged, this, [this] { run_([this] { followScrolling(); }); });
    v->show();
    return v;
}

void FrozenHeaders::followModel() {
    for (QTableView* v : views()) share(*v);
    place();
}

void FrozenHeaders::share(QTableView& view) const {
    view.setModel(main_.model());
    QItemSelectionModel* own = view.selectionModel();
    if (main_.selectionModel() && own != main_.selectionModel()) {
        view.setSelectionModel(main_.selectionModel());
        // The selection the view made for itself with the model is no one else's.
        if (own && own->parent() == &view) own->deleteLater();
    }
    copySizes(view);
}

void FrozenHeaders::copySizes(QTableView& view) const {
    // One by one with the header's updates on, each size would measure the header again.
    QHeaderView* h = view.horizontalHeader();
    QHeaderView* v = view.verticalHeader();
    h->setUpdatesEnabled(false);
    v->setUpdatesEnabled(false);
    for (int c = 0; c < h->count(); ++c) h->resizeSection(c, main_.columnWidth(c));
    for (int l = 0; l < v->count(); ++l) v->resizeSection(l, main_.rowHeight(l));
    h->setUpdatesEnabled(true);
    v->setUpdatesEnabled(true);
}

int FrozenHeaders::frozenWidth() const {
    int width = 0;
    const int n = std::min(columns_, main_.horizontalHeader()->count());
    for (int c = 0; c < n; ++c) width += main_.columnWidth(c);
    return width;
}

int FrozenHeaders::frozenHeight() const {
    int height = 0;
    const int n = std::min(rows_, main_.verticalHeader()->count());
    for (int r = 0; r < n; ++r) height += main_.rowHeight(r);
    return height;
}

void FrozenHeaders::place() {
    const QRect area = main_.viewport()->geometry();
    const int width = std::min(frozenWidth(), area.width());
    const int height = std::min(frozenHeight(), area.height());
    const auto lay = [&](QTableView* v, int w, int h) {
        if (!v) return;
        // Same look and the same scrolling steps as the main view, so that a scroll bar value means the same.
        v->setWordWrap(main_.wordWrap());
        v->setShowGrid(main_.showGrid());
        v->setGridStyle(main_.gridStyle());
        v->setHorizontalScrollMode(main_.horizontalScrollMode());
        v->setVerticalScrollMode(main_.verticalScrollMode());
        v->setGeometry(area.x(), area.y(), w, h);
        v->setVisible(w > 0 && h > 0);
    };
    lay(columnView_, width, area.height());
    lay(rowView_, area.width(), height);
    lay(cornerView_, width, height);
    // The corner above both edges, and both above the cells.
    for (QTableView* v : {columnView_.data(), rowView_.data(), cornerView_.data()})
        if (v) v->raise();
    followScrolling();
}

void FrozenHeaders::followScrolling() {
    if (columnView_) columnView_->verticalScrollBar()->setValue(main_.verticalScrollBar()->value());
    if (rowView_) rowView_->horizontalScrollBar()->setValue(main_.horizontalScrollBar()->value());
}

namespace {

// Scrolls back until the cell's edge, as `edge` measures it, is past the frozen extent (or the bar is at its
// start). Each step moves the bar, so the loop ends.
template <class Edge>
void uncover(QScrollBar* bar, QAbstractItemView::ScrollMode mode, int extent, Edge edge) {
    for (int gap = extent - edge(); gap > 0 && bar->value() > bar->minimum(); gap = extent - edge())
        bar->setValue(bar->value() - (mode == QAbstractItemView::ScrollPerPixel ? gap : 1));
}

}  // namespace

void FrozenHeaders::keepClear(const QModelIndex& index, int horizontalBefore, int verticalBefore) {
    if (!index.isValid()) return;
    if (index.row() < rows_) main_.verticalScrollBar()->setValue(verticalBefore);
    else if (rows_ > 0)
        uncover(main_.verticalScrollBar(), main_.verticalScrollMode(), frozenHeight(), [&] { return main_.visualRect(index).top(); });
    if (index.column() < columns_) main_.horizontalScrollBar()->setValue(horizontalBefore);
    else if (columns_ > 0)
        uncover(main_.horizontalScrollBar(), main_.horizontalScrollMode(), frozenWidth(), [&] { return main_.visualRect(index).left(); });
}

bool FrozenHeaders::eventFilter(QObject* watched, QEvent* event) {
    bool handled = false;
    run_([&] {
        if (watched == main_.viewport()) {
            if (event->type() == QEvent::Resize || event->type() == QEvent::Move) place();
            return;
        }
        // The wheel over a frozen edge scrolls the grid, as it does over any other cell.
        if (event->type() == QEvent::Wheel) {
            QCoreApplication::sendEvent(main_.viewport(), event);
            handled = true;
        }
    });
    return handled;
}

}  // namespace quelva
