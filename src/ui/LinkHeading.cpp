#include "ui/LinkHeading.h"

#include "ui/ResultsModel.h"
#include "ui/RowStyle.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionViewItem>

namespace reelcatch {

namespace {

constexpr qreal horizontalPadding = 14;
constexpr qreal spacing = 14;
constexpr qreal lineSpacing = 3;

QFont titleFont(const QWidget* widget)
{
    return RowStyle::font(RowStyle::baseFont(widget), 14, QFont::DemiBold);
}

QFont detailFont(const QWidget* widget)
{
    return RowStyle::font(RowStyle::baseFont(widget), 11);
}

QFont buttonFont(const QWidget* widget)
{
    return RowStyle::font(RowStyle::baseFont(widget), 12, QFont::Medium);
}

} // namespace

LinkHeading::Geometry LinkHeading::geometry(const QRect& rowRect, const QWidget* widget)
{
    const QRectF row(rowRect);
    const QFontMetricsF metrics(buttonFont(widget));
    const qreal height = metrics.height() + 8;
    const qreal top = row.center().y() - height / 2;
    Geometry g;
    const qreal noneWidth = metrics.horizontalAdvance(selectNoneText()) + 12;
    const qreal allWidth = metrics.horizontalAdvance(selectAllText()) + 12;
    g.selectNone = QRectF(row.right() - horizontalPadding - noneWidth, top, noneWidth, height);
    g.selectAll = QRectF(g.selectNone.left() - 4 - allWidth, top, allWidth, height);
    const qreal left = row.left() + horizontalPadding;
    g.text = QRectF(left, row.top(), std::max<qreal>(0, g.selectAll.left() - spacing - left),
                    row.height());
    return g;
}

LinkHeading::Button LinkHeading::buttonAt(const QRect& rowRect, const QWidget* widget, QPoint pos)
{
    const Geometry g = geometry(rowRect, widget);
    if (g.selectAll.contains(QPointF(pos)))
        return Button::selectAll;
    if (g.selectNone.contains(QPointF(pos)))
        return Button::selectNone;
    return Button::none;
}

void LinkHeading::paint(QPainter* painter, const QStyleOptionViewItem& option,
                        const QModelIndex& index, Button hovered, Button pressed)
{
    const QWidget* widget = option.widget;
    const Geometry g = geometry(option.rect, widget);
    const QPalette& palette = option.palette;
    const QColor base = palette.color(QPalette::Base);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);

    // A band in the window's colour sets the link apart from its rows.
    const QRectF band = QRectF(option.rect).adjusted(0, 4, 0, -4);
    painter->fillRect(band, palette.color(QPalette::Window));
    painter->fillRect(QRectF(band.left(), band.bottom() - 1, band.width(), 1),
                      RowStyle::edge(palette));
    if (option.state & QStyle::State_HasFocus) {
        QColor focus = RowStyle::accent(palette);
        focus.setAlphaF(0.6f);
        painter->setPen(QPen(focus, 1.5));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(band.adjusted(3, 1, -3, -1), 6, 6);
    }

    const QFont title = titleFont(widget);
    const QFont detail = detailFont(widget);
    const QFontMetricsF titleMetrics(title);
    const QFontMetricsF detailMetrics(detail);
    const QString error = index.data(ResultsModel::HeadingErrorRole).toString();
    const QString count = index.data(ResultsModel::HeadingCountRole).toString();
    const qreal height = titleMetrics.height() + lineSpacing + detailMetrics.height();
    qreal y = option.rect.center().y() - height / 2;
    painter->setFont(title);
    painter->setPen(palette.color(QPalette::Text));
    painter->drawText(QRectF(g.text.left(), y, g.text.width(), titleMetrics.height()),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      titleMetrics.elidedText(index.data(Qt::DisplayRole).toString(),
                                              Qt::ElideRight, g.text.width()));
    y += titleMetrics.height() + lineSpacing;
    painter->setFont(detail);
    qreal x = g.text.left();
    if (!count.isEmpty()) {
        const QString shown = error.isEmpty() ? count : count + QStringLiteral(" \u00b7");
        painter->setPen(RowStyle::secondaryText(palette, base));
        painter->drawText(QPointF(x, y + detailMetrics.ascent()), shown);
        x += detailMetrics.horizontalAdvance(shown + QLatin1Char(' '));
    }
    if (!error.isEmpty()) {
        painter->setPen(RowStyle::legible(RowStyle::red(palette), base));
        painter->drawText(QPointF(x, y + detailMetrics.ascent()),
                          detailMetrics.elidedText(error, Qt::ElideRight,
                                                   std::max<qreal>(0, g.text.right() - x)));
    }

    const QColor link = RowStyle::legible(RowStyle::accent(palette), base);
    painter->setFont(buttonFont(widget));
    for (const auto& [button, rect, text] :
         {std::tuple{Button::selectAll, g.selectAll, selectAllText()},
          std::tuple{Button::selectNone, g.selectNone, selectNoneText()}}) {
        if (hovered == button || pressed == button) {
            QColor fill = link;
            fill.setAlphaF(pressed == button ? 0.22f : 0.12f);
            painter->setPen(Qt::NoPen);
            painter->setBrush(fill);
            painter->drawRoundedRect(rect, 5, 5);
        }
        painter->setPen(link);
        painter->drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, text);
    }
    painter->restore();
}

} // namespace reelcatch
