#include "Appearance.h"

#include "Icons.h"

#include <QPainter>
#include <QPalette>
#include <QWidget>

namespace reelcatch {

namespace Appearance {

namespace {

// The design's body text size, which the desktop's own body font stands for.
constexpr qreal designBody = 13.0;

QColor shade(const QWidget* widget, qreal alpha)
{
    QColor color = widget->palette().color(QPalette::WindowText);
    color.setAlphaF(float(alpha));
    return color;
}

} // namespace

QFont sized(const QFont& base, qreal designPoints, QFont::Weight weight)
{
    QFont font = base;
    if (base.pointSizeF() > 0)
        font.setPointSizeF(base.pointSizeF() * designPoints / designBody);
    else
        font.setPixelSize(qMax(1, qRound(base.pixelSize() * designPoints / designBody)));
    font.setWeight(weight);
    return font;
}

QFont font(TextStyle style, const QFont& base)
{
    switch (style) {
    case TextStyle::Body:
        return sized(base, 13);
    case TextStyle::Caption:
        return sized(base, 10);
    case TextStyle::Callout:
        return sized(base, 12);
    case TextStyle::Headline:
        return sized(base, 13, QFont::Bold);
    case TextStyle::Title3:
        return sized(base, 20);
    }
    return base;
}

QColor secondary(const QWidget* widget)
{
    return shade(widget, 0.55);
}

QColor tertiary(const QWidget* widget)
{
    return shade(widget, 0.30);
}

QColor separator(const QWidget* widget)
{
    return shade(widget, 0.16);
}

QColor red()
{
    return QColor(0xd7, 0x30, 0x27);
}

QColor orange()
{
    return QColor(0xff, 0x95, 0x00);
}

QColor green()
{
    return QColor(0x28, 0xa7, 0x45);
}

void setTextColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

QPixmap tinted(const QString& symbol, int size, const QColor& color, const QWidget* widget)
{
    const qreal ratio = widget ? widget->devicePixelRatioF() : 1.0;
    QPixmap pixmap = Icons::icon(symbol).pixmap(QSize(size, size), ratio);
    if (pixmap.isNull())
        return pixmap;
    QPainter painter(&pixmap);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(pixmap.rect(), color);
    return pixmap;
}

} // namespace Appearance

} // namespace reelcatch
