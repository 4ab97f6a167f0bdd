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

namespace reelcatch {

// Drawing helpers shared by the painted rows of the results and downloads
// lists: the design's type sizes and colours, thumbnails and icon buttons.
namespace RowStyle {

// The design's text sizes are given for a 13-pixel body text; they are
// scaled by the desktop's own body size so the rows follow its settings.
QFont font(const QFont& base, qreal designSize, QFont::Weight weight = QFont::Normal);

// Secondary text (channel, status lines).
QColor secondary(const QPalette& palette);
QColor green(const QPalette& palette);
QColor red(const QPalette& palette);
// Borderless icon buttons.
QColor accent(const QPalette& palette);
// The palette to draw a row's checkbox with. The style draws the box's edge
// in a shade of the window colour, which vanishes on a dark row; on one, the
// edge takes a mid grey between text and row instead.
QPalette checkBoxPalette(const QPalette& palette);

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
