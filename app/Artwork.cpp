#include "app/Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {
const QColor kMaroon(128, 0, 0);
}

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
    QFont title(QStringLiteral("Georgia"));
    title.setPixelSize(34);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRect(196, 70, 196, 44), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Cardovane"));
    QFont subtitle(QStringLiteral("Georgia"));
    subtitle.setPixelSize(20);
    painter.setFont(subtitle);
    painter.drawText(QRect(198, 112, 196, 30), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Attendance"));
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
