#include "app/Artwork.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {
const QColor kMaroon(128, 0, 0);

// The card's text ends this far left of its right edge, clear of the rounded corner.
constexpr int kTextRight = 396 - 16;

// Georgia at the size it was drawn for, smaller where the face the system has in its place runs
// wider, so that the text keeps its margin inside the card.
QFont FittedGeorgia(int pixelSize, bool bold, const QString& text, int width)
{
    QFont font(QStringLiteral("Georgia"));
    font.setBold(bold);
    for (font.setPixelSize(pixelSize); pixelSize > 8; font.setPixelSize(--pixelSize)) {
        if (QFontMetrics(font).horizontalAdvance(text) <= width) {
            break;
        }
    }
    return font;
}

void DrawFitted(QPainter& painter, const QRect& box, int pixelSize, bool bold, const QString& text)
{
    const QRect fitted(box.left(), box.top(), kTextRight - box.left(), box.height());
    painter.setFont(FittedGeorgia(pixelSize, bold, text, fitted.width()));
    painter.drawText(fitted, Qt::AlignLeft | Qt::AlignVCenter, text);
}
}  // namespace

QPixmap BannerPicture()
{
    QPixmap picture(400, 236);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 236);
    sky.setColorAt(0, QColor(166, 202, 240));
    sky.setColorAt(1, QColor(240, 232, 214));
    QPainterPath card;
    card.addRoundedRect(QRectF(4, 4, 392, 200), 14, 14);
    painter.fillPath(card, sky);

    // A schoolhouse: walls, roof, door and bell tower.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 246, 238));
    painter.drawRect(40, 100, 140, 90);
    painter.setBrush(kMaroon);
    painter.drawPolygon(QPolygonF({QPointF(28, 104), QPointF(110, 52), QPointF(192, 104)}));
    painter.drawRect(96, 30, 28, 30);
    painter.setBrush(QColor(90, 60, 40));
    painter.drawRect(98, 140, 24, 50);
    painter.setBrush(QColor(166, 202, 240));
    for (int x : {54, 146}) {
        painter.drawRect(x, 118, 22, 22);
    }

    painter.setPen(kMaroon);
    DrawFitted(painter, QRect(196, 70, 0, 44), 34, true, QStringLiteral("Cardovane"));
    DrawFitted(painter, QRect(198, 112, 0, 30), 20, false, QStringLiteral("Attendance"));
    return picture;
}

QPixmap ProgramIconPicture(int size)
{
    QPixmap icon(size, size);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(size / 32.0, size / 32.0);  // drawn on a 32-pixel grid
    painter.setPen(Qt::NoPen);
    painter.setBrush(kMaroon);
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    painter.setPen(Qt::white);
    QFont font(QStringLiteral("Georgia"));
    font.setPixelSize(24);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("C"));
    return icon;
}

QIcon ProgramIcon()
{
    return QIcon(ProgramIconPicture(32));
}
