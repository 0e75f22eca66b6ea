#include "platform/PushButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

PushButton::PushButton(const QString &text, QWidget *parent) : QPushButton(text, parent)
{
    setAutoDefault(true);
}

void PushButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(contents, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, caption);
}
