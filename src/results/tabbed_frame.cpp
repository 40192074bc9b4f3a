#include "tabbed_frame.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace quelva {

TabbedFrame::TabbedFrame(const QStringList& abas, QWidget* pai) : QWidget(pai), barra_(new QTabBar(this)) {
    barra_->setObjectName(QStringLiteral("TabBar"));
    barra_->setExpanding(true);
    barra_->setDrawBase(false);
    for (const QString& a : abas) barra_->addTab(a);
    connect(barra_, &QTabBar::currentChanged, this, [this](int indice) {
        const int anterior = atual_;
        atual_ = indice;
        emit tabClicked(anterior);
    });
}

int TabbedFrame::Tab() const { return barra_->currentIndex(); }

void TabbedFrame::setTab(int indice) { barra_->setCurrentIndex(indice); }

void TabbedFrame::resizeEvent(QResizeEvent*) {
    barra_->setGeometry(0, 0, width(), barra_->sizeHint().height());
}

void TabbedFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QStyleOptionTabWidgetFrame opcao;
    opcao.initFrom(this);
    opcao.rect = rect().adjusted(0, barra_->height() - 1, 0, 0);
    opcao.shape = QTabBar::RoundedNorth;
    opcao.tabBarSize = barra_->size();
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &opcao, &p, this);
}

}  // namespace quelva
