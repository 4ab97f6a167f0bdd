#pragma once

#include <QCoreApplication>
#include <QPoint>
#include <QRectF>
#include <QString>

class QModelIndex;
class QPainter;
class QStyleOptionViewItem;
class QWidget;

namespace reelcatch {

// The heading row of one link of several in the results (ResultsModel's
// HeadingRole): the link's title, its count and, when it failed, why, in
// red; at the trailing edge two link-styled buttons that tick or untick
// all of its rows. As tall as a result row.
class LinkHeading {
    Q_DECLARE_TR_FUNCTIONS(reelcatch::LinkHeading)
public:
    enum class Button { none, selectAll, selectNone };

    struct Geometry {
        QRectF text;
        QRectF selectAll;
        QRectF selectNone;
    };

    static QString selectAllText() { return tr("Select All"); }
    static QString selectNoneText() { return tr("Select None"); }

    static Geometry geometry(const QRect& rowRect, const QWidget* widget);
    static Button buttonAt(const QRect& rowRect, const QWidget* widget, QPoint pos);
    // `hovered` and `pressed` are the buttons under the mouse and held down.
    static void paint(QPainter* painter, const QStyleOptionViewItem& option,
                      const QModelIndex& index, Button hovered, Button pressed);
};

} // namespace reelcatch
