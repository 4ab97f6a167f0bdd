#include "ui/AppIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace reelcatch {

namespace AppIcon {

// The geometry matches desktop/reelcatch.svg (a 128-unit square).
void paint(QPainter& painter, const QRectF& bounds)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(bounds.topLeft());
    painter.scale(bounds.width() / 128.0, bounds.height() / 128.0);

    QLinearGradient fill(0, 8, 0, 120);
    fill.setColorAt(0, QColor(0xf2, 0x5c, 0x4b));
    fill.setColorAt(1, QColor(0xc6, 0x28, 0x28));
    QPainterPath tile;
    tile.addRoundedRect(QRectF(8, 8, 112, 112), 26, 26);
    painter.fillPath(tile, fill);

    QPainterPath arrow;
    arrow.moveTo(55, 26);
    arrow.lineTo(73, 26);
    arrow.lineTo(73, 60);
    arrow.lineTo(90, 60);
    arrow.lineTo(64, 88);
    arrow.lineTo(38, 60);
    arrow.lineTo(55, 60);
    arrow.closeSubpath();
    painter.fillPath(arrow, Qt::white);

    QPainterPath tray;
    tray.addRoundedRect(QRectF(34, 96, 60, 9), 4.5, 4.5);
    painter.fillPath(tray, Qt::white);
    painter.restore();
}

QIcon icon()
{
    static const QIcon painted = [] {
        QIcon drawn;
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            QPixmap pixmap(size, size);
            pixmap.fill(Qt::transparent);
            QPainter painter(&pixmap);
            paint(painter, QRectF(0, 0, size, size));
            painter.end();
            drawn.addPixmap(pixmap);
        }
        return drawn;
    }();
    return QIcon::fromTheme(QStringLiteral("reelcatch"), painted);
}

} // namespace AppIcon

} // namespace reelcatch
