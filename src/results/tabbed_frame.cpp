#include "tabbed_frame.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace quelva {

TabbedFrame::TabbedFrame(const QStringList& tabs, QWidget* parent) : QWidget(parent), bar_(new QTabBar(this)) {
    bar_->setObjectName(QStringLiteral("TabBar"));
    bar_->setExpanding(true);
    bar_->setDrawBase(false);
    for (const QString& a : tabs) bar_->addTab(a);
    connect(bar_, &QTabBar::currentChanged, this, [this](int index) {
        const int previous = current_;
        current_ = index;
        emit tabClicked(previous);
    });
}

int TabbedFrame::Tab() const { return bar_->currentIndex(); }

void TabbedFrame::setTab(int index) { bar_->setCurrentIndex(index); }

void TabbedFrame::resizeEvent(QResizeEvent*) {
    bar_->setGeometry(0, 0, width(), bar_->sizeHint().height());
}

void TabbedFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QStyleOptionTabWidgetFrame option;
    option.initFrom(this);
    option.rect = rect().adjusted(0, bar_->height() - 1, 0, 0);
    option.shape = QTabBar::RoundedNorth;
    option.tabBarSize = bar_->size();
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &p, this);
}

}  // namespace quelva
