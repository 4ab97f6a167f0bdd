#include "ui/ResultDelegate.h"

#include "ui/LinkHeading.h"
#include "ui/PlainText.h"
#include "ui/ResultsModel.h"
#include "ui/RowStyle.h"
#include "ui/ThumbnailCache.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontInfo>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolTip>

#include <cmath>

namespace reelcatch {

namespace {

// The row's 3 points above and below its content, plus the inset list's
// own spacing between rows.
constexpr qreal verticalPadding = 3 + 4;
constexpr qreal horizontalPadding = 12;
constexpr qreal spacing = 12;
constexpr qreal textLineSpacing = 3;
constexpr qreal buttonSide = 30;
constexpr qreal buttonSymbolSize = 18;
constexpr qreal badgeInset = 4;

QStyle* styleOf(const QWidget* widget)
{
    return widget ? widget->style() : QApplication::style();
}

QFont titleFont(const QWidget* widget)
{
    return RowStyle::font(RowStyle::baseFont(widget), 13, QFont::Medium);
}

QFont channelFont(const QWidget* widget)
{
    return RowStyle::font(RowStyle::baseFont(widget), 10);
}

QFont badgeFont(const QWidget* widget)
{
    return RowStyle::font(RowStyle::baseFont(widget), 10, QFont::DemiBold);
}

// The symbol's size in the design, scaled like the text.
qreal symbolSize(const QWidget* widget)
{
    return QFontInfo(RowStyle::font(RowStyle::baseFont(widget), buttonSymbolSize)).pixelSize() *
           1.4;
}

} // namespace

ResultDelegate::ResultDelegate(ThumbnailCache& thumbnails, QObject* parent)
    : QStyledItemDelegate(parent), m_thumbnails(thumbnails)
{}

QString ResultDelegate::buttonToolTip()
{
    return tr("Download just this one");
}

QString ResultDelegate::downloadedBadgeText()
{
    return tr("Downloaded");
}

QSize ResultDelegate::thumbnailPixels(const QWidget* widget)
{
    return RowStyle::thumbnailPixels(thumbnailWidth, widget ? widget->devicePixelRatioF() : 1.0);
}

ResultDelegate::Geometry ResultDelegate::geometry(const QRect& rowRect, const QWidget* widget) const
{
    const QRectF row(rowRect);
    const qreal middle = row.center().y();
    const QStyle* style = styleOf(widget);
    const qreal checkWidth = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget);
    const qreal checkHeight = style->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, widget);

    Geometry g;
    g.checkbox =
        QRectF(row.left() + horizontalPadding, middle - checkHeight / 2, checkWidth, checkHeight);
    const qreal thumbHeight = RowStyle::thumbnailHeight(thumbnailWidth);
    g.thumbnail =
        QRectF(g.checkbox.right() + spacing, middle - thumbHeight / 2, thumbnailWidth, thumbHeight);
    g.button = QRectF(row.right() - horizontalPadding - buttonSide, middle - buttonSide / 2,
                      buttonSide, buttonSide);
    const qreal textLeft = g.thumbnail.right() + spacing;
    g.text = QRectF(textLeft, g.thumbnail.top(),
                    std::max<qreal>(0, g.button.left() - spacing - textLeft), thumbHeight);
    return g;
}

ResultDelegate::Part ResultDelegate::partAt(const QRect& rowRect, const QWidget* widget,
                                            QPoint pos) const
{
    if (!rowRect.contains(pos))
        return Part::none;
    const Geometry g = geometry(rowRect, widget);
    const QPointF p(pos);
    // The checkbox answers a little around its box, as a toggle's hit area does.
    if (g.checkbox.adjusted(-4, -4, 4, 4).contains(p))
        return Part::checkbox;
    if (g.button.contains(p))
        return Part::button;
    if (g.thumbnail.contains(p))
        return Part::thumbnail;
    if (g.text.contains(p))
        return Part::text;
    return Part::none;
}

QSize ResultDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    const qreal height = RowStyle::thumbnailHeight(thumbnailWidth) + 2 * verticalPadding;
    const QStyle* style = styleOf(option.widget);
    const qreal minimumWidth =
        2 * horizontalPadding +
        style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, option.widget) + thumbnailWidth +
        buttonSide + 3 * spacing + 80;
    return QSize(int(std::ceil(minimumWidth)), int(std::ceil(height)));
}

void ResultDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const
{
    const QWidget* widget = option.widget;
    if (index.data(ResultsModel::HeadingRole).toBool()) {
        const auto pressed = m_pressedIndex == index ? LinkHeading::Button(m_pressedHeadingButton)
                                                     : LinkHeading::Button::none;
        LinkHeading::paint(painter, option, index,
                           LinkHeading::buttonAt(option.rect, widget, m_hoverPos), pressed);
        return;
    }
    const Geometry g = geometry(option.rect, widget);
    painter->save();

    // The keyboard's current row (Space ticks it) gets a ring; a fill
    // would read as a selection, which the checkboxes already show.
    if (option.state & QStyle::State_HasFocus) {
        QColor focus = RowStyle::accent(option.palette);
        focus.setAlphaF(0.6f);
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(focus, 1.5));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(QRectF(option.rect).adjusted(3, 2, -3, -2), 6, 6);
    }

    QStyleOptionButton check;
    check.rect = g.checkbox.toAlignedRect();
    check.state = QStyle::State_Enabled;
    check.state |= index.data(Qt::CheckStateRole).toInt() == Qt::Checked ? QStyle::State_On
                                                                         : QStyle::State_Off;
    if (m_pressedIndex == index && m_pressedPart != Part::button)
        check.state |= QStyle::State_Sunken;
    check.palette = RowStyle::checkBoxPalette(option.palette);
    styleOf(widget)->drawPrimitive(QStyle::PE_IndicatorCheckBox, &check, painter, widget);

    std::optional<QPixmap> image;
    const QUrl url = index.data(ResultsModel::ThumbnailRole).toUrl();
    if (!url.isEmpty())
        image = m_thumbnails.pixmap(url, thumbnailPixels(widget));
    RowStyle::paintThumbnail(painter, g.thumbnail, image, option.palette);

    const QString duration = index.data(ResultsModel::DurationTextRole).toString();
    if (!duration.isEmpty()) {
        const QFont font = badgeFont(widget);
        const QFontMetricsF metrics(font);
        const QSizeF size(metrics.horizontalAdvance(duration) + 8, metrics.height() + 2);
        const QRectF badge(g.thumbnail.right() - badgeInset - size.width(),
                           g.thumbnail.bottom() - badgeInset - size.height(), size.width(),
                           size.height());
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor(0, 0, 0, 191));
        painter->drawRoundedRect(badge, 3, 3);
        painter->setFont(font);
        painter->setPen(Qt::white);
        painter->drawText(badge, Qt::AlignCenter | Qt::TextSingleLine, duration);
    }

    paintText(painter, option, g.text, index);

    const bool hovered = g.button.contains(QPointF(m_hoverPos));
    const bool pressed = hovered && m_pressedIndex == index && m_pressedPart == Part::button;
    RowStyle::paintIconButton(painter, g.button, QStringLiteral("arrow.down.circle"),
                              symbolSize(widget),
                              RowStyle::legible(RowStyle::accent(option.palette),
                                                option.palette.color(QPalette::Base), 3),
                              hovered, pressed);
    painter->restore();
}

ResultDelegate::TextLayout ResultDelegate::textLayout(const QStyleOptionViewItem& option,
                                                      const QModelIndex& index) const
{
    const Geometry g = geometry(option.rect, option.widget);
    const QRectF& text = g.text;
    const QFontMetricsF titleMetrics(titleFont(option.widget));
    const QFontMetricsF captionMetrics(channelFont(option.widget));
    const QFontMetricsF badgeMetrics(badgeFont(option.widget));

    TextLayout layout;
    // Small badges after the title's first line: a stream's state, and
    // whether the video is in the history.
    const auto live = VideoItem::Live(index.data(ResultsModel::LiveRole).toInt());
    if (live == VideoItem::Live::now)
        layout.badges.append({ResultsModel::liveText(live), RowStyle::red(option.palette), {}});
    else if (live == VideoItem::Live::upcoming)
        layout.badges.append({ResultsModel::liveText(live), RowStyle::accent(option.palette), {}});
    if (index.data(ResultsModel::DownloadedRole).toBool())
        layout.badges.append({downloadedBadgeText(), RowStyle::green(option.palette), {}});
    qreal badgesWidth = 0;
    for (const auto& badge : std::as_const(layout.badges))
        badgesWidth += badgeMetrics.horizontalAdvance(badge.text) + 10 + spacing / 2;

    layout.lines = RowStyle::wrap(index.data(Qt::DisplayRole).toString(), titleFont(option.widget),
                                  std::max<qreal>(0, text.width() - badgesWidth), 2);
    const bool hasChannel = !index.data(ResultsModel::ChannelRole).toString().isEmpty();
    qreal height = layout.lines.size() * titleMetrics.lineSpacing();
    if (hasChannel)
        height += textLineSpacing + captionMetrics.height();
    // The block is centred on the thumbnail, whether it has one line or three.
    layout.top = g.thumbnail.center().y() - height / 2;
    if (!layout.lines.isEmpty()) {
        qreal x = text.left() + titleMetrics.horizontalAdvance(layout.lines.first());
        for (auto& badge : layout.badges) {
            const qreal width = badgeMetrics.horizontalAdvance(badge.text) + 10;
            badge.rect =
                QRectF(x + spacing / 2,
                       layout.top + (titleMetrics.height() - badgeMetrics.height() - 2) / 2, width,
                       badgeMetrics.height() + 2);
            x = badge.rect.right();
        }
    } else {
        layout.badges.clear();
    }
    if (hasChannel)
        layout.channel =
            QRectF(text.left(),
                   layout.top + layout.lines.size() * titleMetrics.lineSpacing() + textLineSpacing,
                   text.width(), captionMetrics.height());
    return layout;
}

void ResultDelegate::paintText(QPainter* painter, const QStyleOptionViewItem& option,
                               const QRectF& text, const QModelIndex& index) const
{
    const TextLayout layout = textLayout(option, index);
    const QFont title = titleFont(option.widget);
    const QFontMetricsF titleMetrics(title);
    const QColor base = option.palette.color(QPalette::Base);

    qreal y = layout.top;
    painter->setFont(title);
    painter->setPen(option.palette.color(QPalette::Text));
    for (const QString& line : layout.lines) {
        painter->drawText(QRectF(text.left(), y, text.width(), titleMetrics.height()),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, line);
        y += titleMetrics.lineSpacing();
    }
    for (const auto& badge : layout.badges) {
        QColor fill = badge.color;
        fill.setAlphaF(0.18f);
        fill = RowStyle::over(fill, base);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(fill);
        painter->drawRoundedRect(badge.rect, badge.rect.height() / 2, badge.rect.height() / 2);
        painter->setFont(badgeFont(option.widget));
        painter->setPen(RowStyle::legible(badge.color, fill));
        painter->drawText(badge.rect, Qt::AlignCenter | Qt::TextSingleLine, badge.text);
        painter->restore();
    }
    if (!layout.channel.isNull()) {
        const QFont caption = channelFont(option.widget);
        painter->setFont(caption);
        painter->setPen(RowStyle::secondaryText(option.palette, base));
        const QString shown = QFontMetricsF(caption).elidedText(
            index.data(ResultsModel::ChannelRole).toString(), Qt::ElideRight, text.width());
        painter->drawText(layout.channel, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          shown);
    }
}

bool ResultDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                 const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (index.data(ResultsModel::HeadingRole).toBool())
        return headingEvent(event, option, index);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        m_pressedIndex = index;
        m_pressedPart = partAt(option.rect, option.widget, mouse->position().toPoint());
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        const Part part = partAt(option.rect, option.widget, mouse->position().toPoint());
        const bool onPressed = m_pressedIndex == index;
        const Part pressedPart = m_pressedPart;
        m_pressedIndex = QPersistentModelIndex();
        m_pressedPart = Part::none;
        if (!onPressed)
            return true;
        if (pressedPart == Part::button) {
            // A press on the button counts only when released over it.
            if (part == Part::button)
                emit downloadClicked(index);
        } else if (part != Part::button) {
            // The whole row is the checkbox's label.
            if (auto* results = qobject_cast<ResultsModel*>(model))
                results->toggle(index.row());
        }
        return true;
    }
    default:
        return false;
    }
}

bool ResultDelegate::headingEvent(QEvent* event, const QStyleOptionViewItem& option,
                                  const QModelIndex& index)
{
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick &&
        event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    const LinkHeading::Button button =
        LinkHeading::buttonAt(option.rect, option.widget, mouse->position().toPoint());
    if (event->type() != QEvent::MouseButtonRelease) {
        m_pressedIndex = index;
        m_pressedHeadingButton = int(button);
        return true;
    }
    // A press on a button counts only when released over it.
    const bool onPressed = m_pressedIndex == index && m_pressedHeadingButton == int(button);
    m_pressedIndex = QPersistentModelIndex();
    m_pressedHeadingButton = 0;
    if (onPressed && button != LinkHeading::Button::none)
        emit sectionClicked(index, button == LinkHeading::Button::selectAll);
    return true;
}

bool ResultDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                               const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const Geometry g = geometry(option.rect, option.widget);
    QString tip;
    if (index.data(ResultsModel::HeadingRole).toBool()) {
        tip = index.data(Qt::ToolTipRole).toString();
    } else if (g.button.contains(QPointF(event->pos()))) {
        tip = buttonToolTip();
    } else if (g.text.contains(QPointF(event->pos()))) {
        // The whole title, when two lines were not enough for it.
        const QString title = index.data(Qt::DisplayRole).toString();
        const QStringList lines =
            RowStyle::wrap(title, titleFont(option.widget), g.text.width(), 2);
        if (!lines.isEmpty() && lines.constLast().endsWith(QChar(0x2026)) &&
            !title.endsWith(QChar(0x2026)))
            tip = title;
    }
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return false;
    }
    QToolTip::showText(event->globalPos(), plainToolTip(tip), view->viewport());
    return true;
}

} // namespace reelcatch
