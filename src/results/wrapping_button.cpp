#include "wrapping_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace quelva {

void WrappingButton::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton opcao;
    initStyleOption(&opcao);
    const QString texto = opcao.text;
    opcao.text.clear();
    p.drawControl(QStyle::CE_PushButton, opcao);
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &opcao, this);
    p.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, opcao.palette, isEnabled(), texto,
                   QPalette::ButtonText);
}

}  // namespace quelva
