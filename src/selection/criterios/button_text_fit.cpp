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

ButtonTextFit::ButtonTextFit(QPushButton* botao, ErrorPolicy& politica)
    : QObject(botao), botao_(botao), politica_(politica), tamanhoOriginal_(botao->font().pointSize()) {
    botao->installEventFilter(this);
}

bool ButtonTextFit::eventFilter(QObject*, QEvent* e) {
    if (e->type() == QEvent::Resize) politica_.run([this] { fit(); });
    return false;
}

void ButtonTextFit::fit() {
    const int margem = 2 * (botao_->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, botao_) + 2);
    const QString texto = QString(botao_->text()).remove(QLatin1Char('&'));
    QFont fonte = botao_->font();
    for (int tamanho = tamanhoOriginal_; tamanho >= kSmallestPointSize; --tamanho) {
        fonte.setPointSize(tamanho);
        if (QFontMetrics(fonte).horizontalAdvance(texto) + margem <= botao_->width() || tamanho == kSmallestPointSize) break;
    }
    if (fonte != botao_->font()) botao_->setFont(fonte);
}

}  // namespace quelva
