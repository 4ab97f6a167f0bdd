#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPixmap>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <optional>

class QFontMetricsF;
class QPainter;

class QWidget;

namespace reelcatch {

// Drawing helpers shared by the painted rows of the results and downloads
// lists: the design's type sizes and colours, thumbnails and icon buttons.
namespace RowStyle {

// The design's text sizes are given for a 13-pixel body text; they are
// scaled by the desktop's own body size so the rows follow its settings.
QFont font(const QFont& base, qreal designSize, QFont::Weight weight = QFont::Normal);
// The font a row's texts are scaled from: its view's, else the application's.
QFont baseFont(const QWidget* view);

// The smallest text the rows and captions use: the platform's smallest
// readable size when it has one below its body text, else 11 of the design's 13.
QFont smallest(const QFont& base);

// WCAG's relative luminance of an opaque colour, and the contrast of two.
qreal luminance(const QColor& color);
qreal contrast(const QColor& a, const QColor& b);
// `color` laid over the opaque `background`.
QColor over(const QColor& color, const QColor& background);
// `color` over `background`, brought towards black or white as far as it
// takes to stand out `ratio`:1: 4.5 for text, 3 for edges and symbols.
QColor legible(const QColor& color, const QColor& background, qreal ratio = 4.5);
// The edge of a checkbox or a field: a mid grey that stands out 3:1 against
// both the window and the base colour.
QColor edge(const QPalette& palette);

// Secondary text (channel, status lines), as a shade of the text colour:
// give it to legible() before drawing text with it.
QColor secondary(const QPalette& palette);
// Secondary text as drawn on `background`: it is also the smallest, whose
// thin stems blend into the background most, so it asks for 5:1.
QColor secondaryText(const QPalette& palette, const QColor& background);
QColor green(const QPalette& palette);
QColor red(const QPalette& palette);
// Borderless icon buttons.
QColor accent(const QPalette& palette);
// The palettes to draw checkboxes and fields with. The style draws their
// edges in a shade of the window colour, too faint on a light window and
// all but gone on a dark one; with these the edges come out as edge().
QPalette checkBoxPalette(const QPalette& palette);
QPalette fieldPalette(const QPalette& palette);

// The frame of a thumbnail `width` wide: 16:9.
inline qreal thumbnailHeight(qreal width)
{
    return width * 9 / 16;
}
// The pixel size to ask the thumbnail cache for, for a frame of `width`.
QSize thumbnailPixels(qreal width, qreal devicePixelRatio);
// The image (or, without one, the neutral placeholder) in `frame`, clipped
// to corners of radius 5.
void paintThumbnail(QPainter* painter, const QRectF& frame, const std::optional<QPixmap>& image,
                    const QPalette& palette);

// A borderless icon button: the symbol's icon centred in `rect` at
// `iconSize`, in `color`; a soft round backdrop while hovered or pressed.
void paintIconButton(QPainter* painter, const QRectF& rect, const QString& symbol, qreal iconSize,
                     const QColor& color, bool hovered, bool pressed);
// Just the icon, as above, without backdrop.
void paintIcon(QPainter* painter, const QRectF& rect, const QString& symbol, const QColor& color);

// `text` broken into at most `maxLines` lines of `width`, the last one
// elided when the text goes on.
QStringList wrap(const QString& text, const QFont& font, qreal width, int maxLines);

} // namespace RowStyle

} // namespace reelcatch
