#pragma once

#include "ui/DownloadsModel.h"

#include <QColor>
#include <QElapsedTimer>
#include <QFont>
#include <QList>
#include <QPersistentModelIndex>
#include <QPoint>
#include <QRectF>
#include <QStyledItemDelegate>

#include <array>

namespace reelcatch {

class ThumbnailCache;

// Paints one download job (DownloadsModel) and hit-tests its icon buttons:
// the 72-wide thumbnail, the title with the preset's badge, a bar while the
// job runs, the status line of its phase, and the phase's buttons at the
// trailing edge. Clicks elsewhere are left to the view (selection).
class DownloadDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr qreal thumbnailWidth = 72;

    // Where each part of a row lies, in the view's viewport coordinates.
    struct Geometry {
        QRectF thumbnail;
        QRectF title;
        QRectF badge;
        QRectF bar; // null when the phase has no bar
        QRectF status; // with the text action's line, when there is one
        QRectF link;   // the text action (DownloadsModel::LinkRole); null when none
        QList<QRectF> buttons; // one per DownloadsModel::buttons(), left to right
    };

    DownloadDelegate(ThumbnailCache& thumbnails, QObject* parent = nullptr);

    Geometry geometry(const QRect& rowRect, const QWidget* widget, const QModelIndex& index) const;
    // The index into the row's buttons at `pos`, the number of buttons for
    // the text action, or -1.
    int buttonAt(const QRect& rowRect, const QWidget* widget, const QModelIndex& index,
                 QPoint pos) const;
    static QSize thumbnailPixels(const QWidget* widget);

    void setHoverPos(QPoint pos) { m_hoverPos = pos; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

signals:
    void buttonClicked(const QModelIndex& index, DownloadsModel::Action action);

private:
    // The height of every row in a phase.
    static int rowHeight(Download::Phase::Kind kind, const QWidget* widget);
    // The lines of the status text as shown in a row of that width.
    QStringList statusLines(const QModelIndex& index, const QWidget* widget, qreal width) const;
    qreal textWidth(const QRect& rowRect, const QWidget* widget, const QModelIndex& index) const;
    void paintBar(QPainter* painter, const QRectF& bar, double progress,
                  const QPalette& palette) const;
    void paintStatus(QPainter* painter, const QStyleOptionViewItem& option,
                     const QColor& background, const Geometry& g, const QModelIndex& index) const;

    ThumbnailCache& m_thumbnails;
    QPoint m_hoverPos{-1, -1};
    QPersistentModelIndex m_pressedIndex;
    int m_pressedButton = -1;
    QElapsedTimer m_clock; // drives the indeterminate bar
    // Each phase's row height (0: not known yet), for rows in this font.
    mutable std::array<int, 6> m_heights{};
    mutable QFont m_heightsFont;
};

} // namespace reelcatch
