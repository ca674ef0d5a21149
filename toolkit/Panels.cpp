#include "toolkit/Panels.h"

#include <QPainter>

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

void TLabel::paintEvent(QPaintEvent* event)
{
    const QString caption = text();
    const QRect room = contentsRect();
    if (!elided_ || fontMetrics().horizontalAdvance(caption) <= room.width()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(room, int(alignment()),
                     fontMetrics().elidedText(caption, Qt::ElideRight, room.width()));
}
