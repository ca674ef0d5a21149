#include "toolkit/Panels.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {

// One pixel around the rectangle: raised is light above and left, dark below and right.
void DrawBevel(QPainter& painter, const QRect& r, TBevel bevel, const QPalette& palette)
{
    if (bevel == TBevel::bvNone) {
        return;
    }
    const QColor light = palette.color(QPalette::Light);
    const QColor dark = palette.color(QPalette::Dark);
    const QColor& topLeft = bevel == TBevel::bvRaised ? light : dark;
    const QColor& bottomRight = bevel == TBevel::bvRaised ? dark : light;
    painter.setPen(topLeft);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

}  // namespace

void TPanel::SetBevels(TBevel outer, TBevel inner)
{
    outer_ = outer;
    inner_ = inner;
    setFrameShape(QFrame::NoFrame);
    const int width = (outer != TBevel::bvNone ? 1 : 0) + (inner != TBevel::bvNone ? 1 : 0);
    setContentsMargins(width, width, width, width);
    update();
}

void TPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (outer_ == TBevel::bvNone && inner_ == TBevel::bvNone) {
        return;
    }
    QPainter painter(this);
    QRect r = rect();
    if (outer_ != TBevel::bvNone) {
        DrawBevel(painter, r, outer_, palette());
        r.adjust(1, 1, -1, -1);
    }
    DrawBevel(painter, r, inner_, palette());
}

bool TLabel::CaptionCut() const
{
    // A label with a buddy shows its mnemonic's mark as an underline, not as itself.
    const QString shown = buddy() ? QString(text()).remove(QLatin1Char('&')) : text();
    return !wordWrap() && fontMetrics().horizontalAdvance(shown) > contentsRect().width();
}

bool TLabel::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && elided_ && toolTip().isEmpty() && CaptionCut()) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        return true;
    }
    return QLabel::event(event);
}

void TLabel::paintEvent(QPaintEvent* event)
{
    const QString caption = text();
    const QRect room = contentsRect();
    if (!elided_ || !CaptionCut()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(room, int(alignment()) | (buddy() ? Qt::TextShowMnemonic : 0),
                     fontMetrics().elidedText(caption, Qt::ElideRight, room.width(),
                                              buddy() ? Qt::TextShowMnemonic : 0));
}
