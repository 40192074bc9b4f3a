#include "button_text_fit.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPushButton>
#include <QStyle>

#include "error_policy.h"

namespace quelva {

namespace {
constexpr int kSmallestPointSize = 6;
}  // namespace

ButtonTextFit::ButtonTextFit(QPushButton* button, ErrorPolicy& policy)
    : QObject(button), button_(button), policy_(policy), originalPointSize_(button->font().pointSize()) {
    button->installEventFilter(this);
}

bool ButtonTextFit::eventFilter(QObject*, QEvent* e) {
    if (e->type() == QEvent::Resize) policy_.run([this] { fit(); });
    return false;
}

void ButtonTextFit::fit() {
    const int margin = 2 * (button_->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button_) + 2);
    const QString text = QString(button_->text()).remove(QLatin1Char('&'));
    QFont font = button_->font();
    for (int pointSize = originalPointSize_; pointSize >= kSmallestPointSize; --pointSize) {
        font.setPointSize(pointSize);
        if (QFontMetrics(font).horizontalAdvance(text) + margin <= button_->width() || pointSize == kSmallestPointSize) break;
    }
    if (font != button_->font()) button_->setFont(font);
}

}  // namespace quelva
