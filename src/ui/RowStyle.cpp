#include "RowStyle.h"

#include "Icons.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QTextLayout>

#include <cmath>

namespace reelcatch {

namespace {

constexpr qreal designBody = 13;
constexpr qreal thumbnailRadius = 5;

bool isDark(const QPalette& palette)
{
    return palette.color(QPalette::Base).lightnessF() < 0.5;
}

qreal ratioOf(const QPainter* painter)
{
    return painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
}

// The symbol's icon at `side` logical pixels in one colour: the bundled and
// the theme's symbolic icons alike are shapes that take `color`.
QPixmap iconPixmap(const QString& symbol, qreal side, const QColor& color, qreal ratio)
{
    const int pixels = qRound(side * ratio);
    const QString cacheKey = QStringLiteral("reelcatch-icon|%1|%2|%3")
                                 .arg(symbol)
                                 .arg(pixels)
                                 .arg(color.rgba(), 8, 16, QLatin1Char('0'));
    QPixmap pixmap;
    if (QPixmapCache::find(cacheKey, &pixmap))
        return pixmap;

    const QIcon icon = Icons::icon(symbol);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        icon.paint(&p, QRect(0, 0, pixels, pixels));
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(image.rect(), color);
    }
    pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    QPixmapCache::insert(cacheKey, pixmap);
    return pixmap;
}

} // namespace

namespace RowStyle {

QFont font(const QFont& base, qreal designSize, QFont::Weight weight)
{
    // The same scaling as the window's own texts, so rows and labels match.
    QFont font = base;
    if (base.pointSizeF() > 0)
        font.setPointSizeF(base.pointSizeF() * designSize / designBody);
    else
        font.setPixelSize(std::max(1, qRound(base.pixelSize() * designSize / designBody)));
    font.setWeight(weight);
    return font;
}

QColor secondary(const QPalette& palette)
{
    QColor color = palette.color(QPalette::Text);
    color.setAlphaF(0.55f);
    return color;
}

QColor green(const QPalette& palette)
{
    return isDark(palette) ? QColor(0x32, 0xd7, 0x4b) : QColor(0x28, 0xa7, 0x45);
}

QColor red(const QPalette& palette)
{
    return isDark(palette) ? QColor(0xff, 0x5f, 0x57) : QColor(0xd7, 0x30, 0x27);
}

QColor accent(const QPalette& palette)
{
    return palette.color(QPalette::Highlight);
}

QPalette checkBoxPalette(const QPalette& palette)
{
    if (!isDark(palette))
        return palette;
    const QColor text = palette.color(QPalette::Text);
    const QColor base = palette.color(QPalette::Base);
    const QColor edge =
        QColor::fromRgbF((text.redF() + base.redF()) / 2, (text.greenF() + base.greenF()) / 2,
                         (text.blueF() + base.blueF()) / 2);
    // The style darkens the window colour by 140 and lightens it by 110
    // for the edge: undone here, so the edge comes out as `edge`.
    QPalette box = palette;
    box.setColor(QPalette::Window, edge.lighter(140).darker(110));
    return box;
}

QSize thumbnailPixels(qreal width, qreal devicePixelRatio)
{
    return QSize(qRound(width * devicePixelRatio),
                 qRound(thumbnailHeight(width) * devicePixelRatio));
}

void paintThumbnail(QPainter* painter, const QRectF& frame, const std::optional<QPixmap>& image,
                    const QPalette& palette)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    if (image && !image->isNull()) {
        // The image fills the rounded frame as a brush, which keeps the
        // corners antialiased (a clip path would cut them hard).
        QBrush brush(*image);
        QTransform transform;
        transform.translate(frame.x(), frame.y());
        transform.scale(frame.width() / image->width(), frame.height() / image->height());
        brush.setTransform(transform);
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->setBrush(brush);
    } else {
        QColor placeholder = secondary(palette);
        placeholder.setAlphaF(placeholder.alphaF() * 0.15f);
        painter->setBrush(placeholder);
    }
    painter->drawRoundedRect(frame, thumbnailRadius, thumbnailRadius);
    painter->restore();
}

void paintIcon(QPainter* painter, const QRectF& rect, const QString& symbol, const QColor& color)
{
    const qreal side = std::min(rect.width(), rect.height());
    const QPixmap pixmap = iconPixmap(symbol, side, color, ratioOf(painter));
    const QRectF target(rect.center().x() - side / 2, rect.center().y() - side / 2, side, side);
    painter->drawPixmap(target, pixmap, QRectF(pixmap.rect()));
}

void paintIconButton(QPainter* painter, const QRectF& rect, const QString& symbol, qreal iconSize,
                     const QColor& color, bool hovered, bool pressed)
{
    if (hovered || pressed) {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        QColor backdrop = color;
        backdrop.setAlphaF(pressed ? 0.25f : 0.12f);
        painter->setBrush(backdrop);
        painter->drawEllipse(rect.center(), rect.width() / 2, rect.height() / 2);
        painter->restore();
    }
    const QRectF iconRect(rect.center().x() - iconSize / 2, rect.center().y() - iconSize / 2,
                          iconSize, iconSize);
    paintIcon(painter, iconRect, symbol, color);
}

QStringList wrap(const QString& text, const QFont& font, qreal width, int maxLines)
{
    QStringList lines;
    if (text.isEmpty() || maxLines < 1 || width <= 0)
        return lines;
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    while (lines.size() < maxLines) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width);
        const QString rest = text.mid(line.textStart());
        if (lines.size() == maxLines - 1) {
            // The last line takes the rest of the text, elided.
            const QString single = QString(rest).replace(QLatin1Char('\n'), QLatin1Char(' '));
            lines.append(QFontMetricsF(font).elidedText(single, Qt::ElideRight, width));
            break;
        }
        lines.append(text.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return lines;
}

} // namespace RowStyle

} // namespace reelcatch
