#include "ui/Appearance.h"

#include "ui/Icons.h"
#include "ui/RowStyle.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <memory>

namespace reelcatch {

namespace Appearance {

namespace {

QColor shade(const QWidget* widget, qreal alpha)
{
    QColor color = widget->palette().color(QPalette::WindowText);
    color.setAlphaF(float(alpha));
    return color;
}

bool appIsDark()
{
    return isDark(QGuiApplication::palette());
}

} // namespace

QFont sized(const QFont& base, qreal designPoints, QFont::Weight weight)
{
    return RowStyle::font(base, designPoints, weight);
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
    return RowStyle::legible(shade(widget, 0.55), widget->palette().color(QPalette::Window), 5);
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
    return appIsDark() ? QColor(0xff, 0x5f, 0x57) : QColor(0xd7, 0x30, 0x27);
}

QColor orange()
{
    return appIsDark() ? QColor(0xff, 0x9f, 0x0a) : QColor(0xff, 0x95, 0x00);
}

QColor green()
{
    return appIsDark() ? QColor(0x32, 0xd7, 0x4b) : QColor(0x28, 0xa7, 0x45);
}

bool isDark(const QPalette& palette)
{
    return palette.color(QPalette::WindowText).lightness() >
           palette.color(QPalette::Window).lightness();
}

QPalette lightPalette()
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    return fusion ? fusion->standardPalette() : QPalette(QColor(0xef, 0xef, 0xef));
}

QPalette darkPalette()
{
    const QColor window(0x2b, 0x2b, 0x2b);
    const QColor base(0x1e, 0x1e, 0x1e);
    const QColor text(0xe8, 0xe8, 0xe8);
    // Light, Midlight, Mid, Dark and Shadow follow from the button colour.
    QPalette p(window.lighter(120), window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::white);
    p.setColor(QPalette::ToolTipBase, window.lighter(150));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::Highlight, QColor(0x2f, 0x6f, 0xd0));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(0x6c, 0xa8, 0xff));
    p.setColor(QPalette::LinkVisited, QColor(0xb0, 0x8c, 0xff));
    p.setColor(QPalette::PlaceholderText, text.darker(160));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, text.darker(180));
    p.setColor(QPalette::Disabled, QPalette::Highlight, window.lighter(150));
    return p;
}

void applyPalette(const QPalette& palette)
{
    if (!(QApplication::palette() == palette))
        QApplication::setPalette(palette);
    const QPalette box = RowStyle::checkBoxPalette(palette);
    const QPalette field = RowStyle::fieldPalette(palette);
    for (const char* name : {"QCheckBox", "QRadioButton"})
        QApplication::setPalette(box, name);
    for (const char* name : {"QLineEdit", "QAbstractSpinBox"})
        QApplication::setPalette(field, name);
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
