#include "toolkit/Buttons.h"

#include <QHelpEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QToolTip>

int TButton::CaptionRoom() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    int room = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).width();
    if (!icon().isNull()) {
        room -= iconSize().width() + 4;
    }
    return room;
}

bool TButton::CaptionCut() const
{
    return fontMetrics().horizontalAdvance(QString(text()).remove(QLatin1Char('&'))) >
           CaptionRoom();
}

bool TButton::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty() && CaptionCut()) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                           QString(text()).remove(QLatin1Char('&')), this);
        return true;
    }
    return QPushButton::event(event);
}

void TButton::paintEvent(QPaintEvent* event)
{
    if (!CaptionCut()) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text =
        fontMetrics().elidedText(text(), Qt::ElideRight, CaptionRoom(), Qt::TextShowMnemonic);
    painter.drawControl(QStyle::CE_PushButton, option);
}
