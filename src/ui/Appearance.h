#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPixmap>
#include <QString>

class QLabel;
class QWidget;

namespace reelcatch {

// The window's look in one place: the text styles and semantic colours of the
// design, mapped onto the desktop's font and palette.
namespace Appearance {

// Text styles, scaled from the desktop's body font (which stands for the
// design's 13-point body text).
enum class TextStyle { Body, Caption, Callout, Headline, Title3 };
QFont font(TextStyle style, const QFont& base);
// The base font at a size of the design (in its points), with a weight.
QFont sized(const QFont& base, qreal designPoints, QFont::Weight weight = QFont::Normal);

// Foreground shades of the palette's text colour.
QColor secondary(const QWidget* widget);
QColor tertiary(const QWidget* widget);
QColor separator(const QWidget* widget);
// The fixed system colours of the design, in their brighter variants while
// the application's palette is dark.
QColor red();
QColor orange();
QColor green();

// Whether a palette is a dark one: light text on a dark window.
bool isDark(const QPalette& palette);
// The light palette the application takes when the desktop prefers light
// and the platform's palette is dark: the Fusion style's own.
QPalette lightPalette();
// Its dark counterpart, for a desktop that prefers dark on a light platform.
QPalette darkPalette();
// Makes `palette` the application's, with the edges of checkboxes and
// fields drawn to stand out from it (RowStyle::edge()).
void applyPalette(const QPalette& palette);

// Sets a label's text colour through its palette.
void setTextColor(QWidget* widget, const QColor& color);

// The icon of a symbol, at `size` logical pixels for the widget's screen,
// painted in one colour (what the design calls a hierarchical foreground).
QPixmap tinted(const QString& symbol, int size, const QColor& color, const QWidget* widget);

} // namespace Appearance

} // namespace reelcatch
