#include "ui/RowStyle.h"

#include "ui/Icons.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QTextLayout>
#include <QWidget>

#include <cmath>
#include <optional>
#include <utility>

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

QFont smallest(const QFont& base)
{
    // Asked for every row painted, and the system's answer comes from its
    // font configuration: the last answer is kept for the font asked last
    // (the GUI thread's only).
    static std::optional<std::pair<QFont, QFont>> last;
    if (last && last->first == base)
        return last->second;
    const QFont system = QFontDatabase::systemFont(QFontDatabase::SmallestReadableFont);
    const qreal body = QFontInfo(base).pointSizeF();
    const qreal small = QFontInfo(system).pointSizeF();
    QFont font = base;
    font.setPointSizeF(small > 0 && small < body ? small : body * 11 / designBody);
    last.emplace(base, font);
    return font;
}

QFont baseFont(const QWidget* view)
{
    return view ? view->font() : QApplication::font();
}

QFont font(const QFont& base, qreal designSize, QFont::Weight weight)
{
    // The same scaling as the window's own texts, so rows and labels match,
    // but never below the smallest readable size.
    QFont font = base;
    if (base.pointSizeF() > 0)
        font.setPointSizeF(base.pointSizeF() * designSize / designBody);
    else
        font.setPixelSize(std::max(1, qRound(base.pixelSize() * designSize / designBody)));
    const QFont floor = smallest(base);
    if (QFontInfo(font).pointSizeF() < QFontInfo(floor).pointSizeF())
        font = floor;
    font.setWeight(weight);
    return font;
}

qreal luminance(const QColor& color)
{
    const auto channel = [](float c) {
        return c <= 0.04045f ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
           0.0722 * channel(rgb.blueF());
}

qreal contrast(const QColor& a, const QColor& b)
{
    const qreal la = luminance(a);
    const qreal lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

namespace {

QColor mix(const QColor& a, const QColor& b, qreal t)
{
    const QColor x = a.toRgb();
    const QColor y = b.toRgb();
    return QColor::fromRgbF(float(x.redF() + (y.redF() - x.redF()) * t),
                            float(x.greenF() + (y.greenF() - x.greenF()) * t),
                            float(x.blueF() + (y.blueF() - x.blueF()) * t));
}

} // namespace

QColor over(const QColor& color, const QColor& background)
{
    QColor opaque = mix(background, color, color.alphaF());
    return opaque;
}

QColor legible(const QColor& color, const QColor& background, qreal wanted)
{
    // Somewhat over: the antialiased stems of small text rarely reach
    // their full colour, and the colour is rounded to 8 bits.
    const qreal ratio = wanted * 1.12;
    const QColor start = over(color, background);
    if (contrast(start, background) >= ratio)
        return start;
    // Towards whichever end stands out more from the background.
    const QColor end = contrast(Qt::black, background) > contrast(Qt::white, background)
                           ? QColor(Qt::black)
                           : QColor(Qt::white);
    qreal low = 0;
    qreal high = 1;
    for (int i = 0; i < 16; ++i) {
        const qreal middle = (low + high) / 2;
        (contrast(mix(start, end, middle), background) >= ratio ? high : low) = middle;
    }
    return mix(start, end, high);
}

QColor edge(const QPalette& palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor window = palette.color(QPalette::Window);
    const QColor middle = mix(palette.color(QPalette::Text), base, 0.5);
    // Against the one of the two it stands out from least.
    return legible(middle, contrast(middle, base) < contrast(middle, window) ? base : window, 3);
}

QColor secondary(const QPalette& palette)
{
    QColor color = palette.color(QPalette::Text);
    color.setAlphaF(0.55f);
    return color;
}

QColor secondaryText(const QPalette& palette, const QColor& background)
{
    return legible(secondary(palette), background, 5);
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
    // The style darkens the window colour by 140 and lightens it by 110
    // for a box's edge: undone here, so the edge comes out as edge().
    QPalette box = palette;
    box.setColor(QPalette::Window, edge(palette).darker(110).lighter(140));
    return box;
}

QPalette fieldPalette(const QPalette& palette)
{
    // A field's frame is the window colour darkened by 140.
    QPalette field = palette;
    field.setColor(QPalette::Window, edge(palette).lighter(140));
    return field;
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
