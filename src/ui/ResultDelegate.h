#pragma once

#include <QColor>
#include <QPersistentModelIndex>
#include <QPoint>
#include <QRectF>
#include <QStyledItemDelegate>

namespace reelcatch {

class ThumbnailCache;

// Paints one lookup result (ResultsModel) and handles its clicks: a
// checkbox, the 16:9 thumbnail with its length on a badge, two lines of
// title, the channel, and a borderless download button at the trailing edge.
// A click anywhere but on the button ticks or unticks the row; the button
// asks for a download of just this item.
class ResultDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr qreal thumbnailWidth = 120;

    enum class Part { none, checkbox, thumbnail, text, button };

    // Where each part of a row lies, in the view's viewport coordinates.
    struct Geometry {
        QRectF checkbox;
        QRectF thumbnail;
        QRectF text;
        QRectF button;
    };

    // Where a row's texts go: its title's lines from `top`, the badges
    // after the first line (a live or upcoming stream, a video downloaded
    // before), the channel under the title.
    struct TextLayout {
        struct Badge {
            QString text;
            QColor color;
            QRectF rect;
        };
        QStringList lines;
        qreal top = 0;
        QList<Badge> badges;
        QRectF channel;
    };

    ResultDelegate(ThumbnailCache& thumbnails, QObject* parent = nullptr);

    Geometry geometry(const QRect& rowRect, const QWidget* widget) const;
    Part partAt(const QRect& rowRect, const QWidget* widget, QPoint pos) const;
    TextLayout textLayout(const QStyleOptionViewItem& option, const QModelIndex& index) const;
    static QString buttonToolTip();
    // The badge beside the title of a video downloaded before.
    static QString downloadedBadgeText();
    static QSize thumbnailPixels(const QWidget* widget);

    // Where the mouse is over the viewport (for the button's hover look);
    // a point outside every row when it left.
    void setHoverPos(QPoint pos) { m_hoverPos = pos; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

signals:
    void downloadClicked(const QModelIndex& index);
    // A link's heading row asked to tick (or untick) all of its rows.
    void sectionClicked(const QModelIndex& heading, bool ticked);

private:
    bool headingEvent(QEvent* event, const QStyleOptionViewItem& option, const QModelIndex& index);
    void paintText(QPainter* painter, const QStyleOptionViewItem& option, const QRectF& text,
                   const QModelIndex& index) const;

    ThumbnailCache& m_thumbnails;
    QPoint m_hoverPos{-1, -1};
    QPersistentModelIndex m_pressedIndex;
    Part m_pressedPart = Part::none;
    // The heading's button held down (LinkHeading::Button).
    int m_pressedHeadingButton = 0;
};

} // namespace reelcatch
