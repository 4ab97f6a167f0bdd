#include "ui/DownloadDelegate.h"

#include "ui/PlainText.h"
#include "ui/RowStyle.h"
#include "ui/ThumbnailCache.h"

#include <QAbstractItemView>
#include <QFontInfo>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <cmath>

namespace reelcatch {

namespace {

using Kind = Download::Phase::Kind;

// The row's 3 points above and below, plus the inset list's row spacing.
constexpr qreal verticalPadding = 3 + 4;
constexpr qreal horizontalPadding = 12;
constexpr qreal spacing = 12;
constexpr qreal stackSpacing = 4;
constexpr qreal titleSpacing = 6;
constexpr qreal barHeight = 5;
constexpr qreal buttonSide = 26;
constexpr qreal buttonSpacing = 6;
constexpr qreal buttonSymbolSize = 17;
// The indeterminate bar's sweep.
constexpr qint64 sweepMs = 1400;

QFont titleFont(const QWidget* widget)
{
    return RowStyle::font(RowStyle::baseFont(widget), 12, QFont::Medium);
}

QFont badgeFont(const QWidget* widget)
{
    return RowStyle::font(RowStyle::baseFont(widget), 9, QFont::Bold);
}

QFont captionFont(const QWidget* widget)
{
    return RowStyle::font(RowStyle::baseFont(widget), 10);
}

qreal symbolSize(const QWidget* widget)
{
    return QFontInfo(RowStyle::font(RowStyle::baseFont(widget), buttonSymbolSize)).pixelSize() *
           1.4;
}

Kind phaseOf(const QModelIndex& index)
{
    return Kind(index.data(DownloadsModel::PhaseRole).toInt());
}

const Download* jobOf(const QModelIndex& index)
{
    return qobject_cast<const Download*>(index.data(DownloadsModel::JobRole).value<QObject*>());
}

QList<DownloadsModel::Button> buttonsOf(const QModelIndex& index)
{
    const Download* job = jobOf(index);
    return job ? DownloadsModel::buttons(*job) : QList<DownloadsModel::Button>();
}

QSizeF badgeSize(const QString& text, const QWidget* widget)
{
    const QFontMetricsF metrics(badgeFont(widget));
    return QSizeF(metrics.horizontalAdvance(text) + 8, metrics.height() + 2);
}

} // namespace

DownloadDelegate::DownloadDelegate(ThumbnailCache& thumbnails, QObject* parent)
    : QStyledItemDelegate(parent), m_thumbnails(thumbnails)
{
    m_clock.start();
}

QSize DownloadDelegate::thumbnailPixels(const QWidget* widget)
{
    return RowStyle::thumbnailPixels(thumbnailWidth, widget ? widget->devicePixelRatioF() : 1.0);
}

qreal DownloadDelegate::textWidth(const QRect& rowRect, const QWidget*,
                                  const QModelIndex& index) const
{
    const auto count = buttonsOf(index).size();
    const qreal buttons =
        count > 0 ? count * buttonSide + (count - 1) * buttonSpacing + spacing : 0;
    return std::max<qreal>(0, rowRect.width() - 2 * horizontalPadding - thumbnailWidth - spacing -
                                  buttons);
}

QStringList DownloadDelegate::statusLines(const QModelIndex& index, const QWidget* widget,
                                          qreal width) const
{
    const QString text = index.data(DownloadsModel::StatusRole).toString();
    const QFont font = captionFont(widget);
    if (phaseOf(index) == Kind::failed)
        return RowStyle::wrap(text, font, width, 2);
    qreal available = width;
    if (phaseOf(index) == Kind::done)
        available -= QFontMetricsF(font).height() + 4; // the check mark
    return {QFontMetricsF(font).elidedText(text, Qt::ElideRight, std::max<qreal>(0, available))};
}

DownloadDelegate::Geometry DownloadDelegate::geometry(const QRect& rowRect, const QWidget* widget,
                                                      const QModelIndex& index) const
{
    const QRectF row(rowRect);
    const qreal middle = row.center().y();
    const Kind kind = phaseOf(index);
    const QFontMetricsF title(titleFont(widget));
    const QFontMetricsF caption(captionFont(widget));
    const QSizeF badge = badgeSize(index.data(DownloadsModel::PresetRole).toString(), widget);
    const qreal width = textWidth(rowRect, widget, index);
    const bool hasBar = kind == Kind::downloading || kind == Kind::processing;
    const auto lines = std::max<qsizetype>(1, statusLines(index, widget, width).size());

    Geometry g;
    const qreal thumbHeight = RowStyle::thumbnailHeight(thumbnailWidth);
    g.thumbnail = QRectF(row.left() + horizontalPadding, middle - thumbHeight / 2, thumbnailWidth,
                         thumbHeight);

    const qreal lineHeight = std::max(title.height(), badge.height());
    const QString link = index.data(DownloadsModel::LinkRole).toString();
    const qreal statusHeight = (lines + (link.isEmpty() ? 0 : 1)) * caption.lineSpacing();
    const qreal stack =
        lineHeight + stackSpacing + (hasBar ? barHeight + stackSpacing : 0) + statusHeight;
    const qreal left = g.thumbnail.right() + spacing;
    qreal y = middle - stack / 2;

    // The title takes what the badge leaves of the line.
    const QString text = index.data(Qt::DisplayRole).toString();
    const qreal titleWidth = std::min(title.horizontalAdvance(text),
                                      std::max<qreal>(0, width - titleSpacing - badge.width()));
    g.title = QRectF(left, y + (lineHeight - title.height()) / 2, titleWidth, title.height());
    g.badge = QRectF(g.title.right() + titleSpacing, y + (lineHeight - badge.height()) / 2,
                     badge.width(), badge.height());
    y += lineHeight + stackSpacing;
    if (hasBar) {
        g.bar = QRectF(left, y, width, barHeight);
        y += barHeight + stackSpacing;
    }
    g.status = QRectF(left, y, width, statusHeight);
    if (!link.isEmpty())
        g.link = QRectF(left, y + lines * caption.lineSpacing(),
                        std::min(width, caption.horizontalAdvance(link)), caption.height());

    const auto count = buttonsOf(index).size();
    qreal x = row.right() - horizontalPadding - count * buttonSide -
              std::max<qsizetype>(0, count - 1) * buttonSpacing;
    for (qsizetype i = 0; i < count; ++i) {
        g.buttons.append(QRectF(x, middle - buttonSide / 2, buttonSide, buttonSide));
        x += buttonSide + buttonSpacing;
    }
    return g;
}

int DownloadDelegate::buttonAt(const QRect& rowRect, const QWidget* widget,
                               const QModelIndex& index, QPoint pos) const
{
    if (!rowRect.contains(pos))
        return -1;
    const Geometry g = geometry(rowRect, widget, index);
    for (qsizetype i = 0; i < g.buttons.size(); ++i) {
        if (g.buttons[i].contains(QPointF(pos)))
            return int(i);
    }
    return g.link.contains(QPointF(pos)) ? int(g.buttons.size()) : -1;
}

int DownloadDelegate::rowHeight(Kind kind, const QWidget* widget)
{
    const QFontMetricsF title(titleFont(widget));
    const QFontMetricsF badge(badgeFont(widget));
    const QFontMetricsF caption(captionFont(widget));
    const bool hasBar = kind == Kind::downloading || kind == Kind::processing;
    const int lines = kind == Kind::failed ? 2 : 1;
    const qreal stack = std::max(title.height(), badge.height() + 2) + stackSpacing +
                        (hasBar ? barHeight + stackSpacing : 0) + lines * caption.lineSpacing();
    const qreal content = std::max(RowStyle::thumbnailHeight(thumbnailWidth), stack);
    return int(std::ceil(content + 2 * verticalPadding));
}

QSize DownloadDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    // The height follows from the phase alone, the same for every row in it
    // (a failure keeps room for the two lines its message may take), so a
    // row is never measured by its text and one row's change leaves the
    // others as they are.
    const QFont base = RowStyle::baseFont(option.widget);
    if (base != m_heightsFont) {
        m_heightsFont = base;
        m_heights.fill(0);
    }
    const Kind kind = phaseOf(index);
    int& height = m_heights.at(std::size_t(kind));
    if (height == 0)
        height = rowHeight(kind, option.widget);
    const int minimumWidth = int(2 * horizontalPadding + thumbnailWidth + 3 * spacing +
                                 2 * buttonSide + buttonSpacing + 120);
    return {minimumWidth, height};
}

void DownloadDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    const QWidget* widget = option.widget;
    const Geometry g = geometry(option.rect, widget, index);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);

    // The texts are made to stand out from what is behind them.
    QColor background = option.palette.color(QPalette::Base);
    if (option.state & QStyle::State_Selected) {
        QColor selection = RowStyle::accent(option.palette);
        selection.setAlphaF((option.state & QStyle::State_Active) ? 0.18f : 0.10f);
        painter->setPen(Qt::NoPen);
        painter->setBrush(selection);
        painter->drawRoundedRect(QRectF(option.rect).adjusted(4, 1, -4, -1), 6, 6);
        background = RowStyle::over(selection, background);
    }

    std::optional<QPixmap> image;
    const QUrl url = index.data(DownloadsModel::ThumbnailRole).toUrl();
    if (!url.isEmpty())
        image = m_thumbnails.pixmap(url, thumbnailPixels(widget));
    RowStyle::paintThumbnail(painter, g.thumbnail, image, option.palette);

    const QFont title = titleFont(widget);
    painter->setFont(title);
    painter->setPen(RowStyle::legible(option.palette.color(QPalette::Text), background));
    const QString titleText = QFontMetricsF(title).elidedText(
        index.data(Qt::DisplayRole).toString(), Qt::ElideRight, g.title.width());
    painter->drawText(g.title, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, titleText);

    QColor badgeFill = RowStyle::secondary(option.palette);
    badgeFill.setAlphaF(0.18f);
    badgeFill = RowStyle::over(badgeFill, background);
    painter->setPen(Qt::NoPen);
    painter->setBrush(badgeFill);
    painter->drawRoundedRect(g.badge, 3, 3);
    painter->setFont(badgeFont(widget));
    painter->setPen(RowStyle::legible(option.palette.color(QPalette::Text), badgeFill));
    painter->drawText(g.badge, Qt::AlignCenter | Qt::TextSingleLine,
                      index.data(DownloadsModel::PresetRole).toString());

    if (!g.bar.isNull())
        paintBar(painter, g.bar, index.data(DownloadsModel::ProgressRole).toDouble(),
                 option.palette);
    paintStatus(painter, option, background, g, index);

    const QList<DownloadsModel::Button> buttons = buttonsOf(index);
    const QColor tint = RowStyle::legible(RowStyle::accent(option.palette), background, 3);
    for (qsizetype i = 0; i < buttons.size() && i < g.buttons.size(); ++i) {
        const bool hovered = g.buttons[i].contains(QPointF(m_hoverPos));
        const bool pressed = hovered && m_pressedIndex == index && m_pressedButton == i;
        RowStyle::paintIconButton(painter, g.buttons[i], buttons[i].symbol, symbolSize(widget),
                                  tint, hovered, pressed);
    }
    painter->restore();
}

void DownloadDelegate::paintBar(QPainter* painter, const QRectF& bar, double progress,
                                const QPalette& palette) const
{
    const qreal radius = bar.height() / 2;
    QColor track = RowStyle::secondary(palette);
    track.setAlphaF(0.18f);
    painter->setPen(Qt::NoPen);
    painter->setBrush(track);
    painter->drawRoundedRect(bar, radius, radius);

    painter->setBrush(RowStyle::accent(palette));
    if (progress >= 0) {
        const qreal filled = bar.width() * std::clamp(progress, 0.0, 1.0);
        if (filled > 0)
            painter->drawRoundedRect(
                QRectF(bar.left(), bar.top(), std::max(filled, bar.height()), bar.height()), radius,
                radius);
        return;
    }
    // Indeterminate: a segment sweeping from left to right, clipped to the track.
    const qreal segment = bar.width() * 0.3;
    const qreal t = qreal(m_clock.elapsed() % sweepMs) / sweepMs;
    const qreal x = bar.left() - segment + t * (bar.width() + segment);
    const QRectF piece = QRectF(x, bar.top(), segment, bar.height()).intersected(bar);
    if (!piece.isEmpty())
        painter->drawRoundedRect(piece, radius, radius);
}

void DownloadDelegate::paintStatus(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QColor& background, const Geometry& g,
                                   const QModelIndex& index) const
{
    const QRectF& rect = g.status;
    const QFont font = captionFont(option.widget);
    const QFontMetricsF metrics(font);
    const Kind kind = phaseOf(index);
    const QStringList lines = statusLines(index, option.widget, rect.width());
    painter->setFont(font);
    qreal x = rect.left();
    if (kind == Kind::done) {
        const QColor green = RowStyle::green(option.palette);
        const qreal side = metrics.height();
        RowStyle::paintIcon(painter, QRectF(x, rect.top(), side, side),
                            QStringLiteral("checkmark.circle.fill"),
                            RowStyle::legible(green, background, 3));
        x += side + 4;
        painter->setPen(RowStyle::legible(green, background));
    } else if (kind == Kind::failed) {
        painter->setPen(RowStyle::legible(RowStyle::red(option.palette), background));
    } else {
        painter->setPen(RowStyle::secondaryText(option.palette, background));
    }
    qreal y = rect.top();
    for (const QString& line : lines) {
        painter->drawText(QRectF(x, y, rect.right() - x, metrics.height()),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, line);
        y += metrics.lineSpacing();
    }
    if (!g.link.isNull()) {
        QFont linkFont = font;
        linkFont.setUnderline(g.link.contains(QPointF(m_hoverPos)));
        painter->setFont(linkFont);
        painter->setPen(RowStyle::legible(RowStyle::accent(option.palette), background));
        painter->drawText(g.link, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          metrics.elidedText(index.data(DownloadsModel::LinkRole).toString(),
                                             Qt::ElideRight, g.link.width()));
    }
}

bool DownloadDelegate::editorEvent(QEvent* event, QAbstractItemModel*,
                                   const QStyleOptionViewItem& option, const QModelIndex& index)
{
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::MouseButtonRelease)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    const int button = buttonAt(option.rect, option.widget, index, mouse->position().toPoint());
    if (type != QEvent::MouseButtonRelease) {
        m_pressedIndex = index;
        m_pressedButton = button;
        // A press on a button is the button's; elsewhere it selects the row.
        return button >= 0;
    }
    const bool ours = m_pressedIndex == index && m_pressedButton >= 0;
    const bool clicked = ours && button == m_pressedButton;
    m_pressedIndex = QPersistentModelIndex();
    m_pressedButton = -1;
    if (clicked) {
        const QList<DownloadsModel::Button> buttons = buttonsOf(index);
        if (button < buttons.size())
            emit buttonClicked(index, buttons[button].action);
        else if (const QVariant link = index.data(DownloadsModel::LinkActionRole); link.isValid())
            emit buttonClicked(index, DownloadsModel::Action(link.toInt()));
    }
    return ours;
}

bool DownloadDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                 const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const Geometry g = geometry(option.rect, option.widget, index);
    const QPointF pos(event->pos());
    QString tip;
    const QList<DownloadsModel::Button> buttons = buttonsOf(index);
    for (qsizetype i = 0; i < g.buttons.size() && i < buttons.size(); ++i) {
        if (g.buttons[i].contains(pos))
            tip = buttons[i].name;
    }
    const QString title = index.data(Qt::DisplayRole).toString();
    if (tip.isEmpty() && g.title.contains(pos) &&
        QFontMetricsF(titleFont(option.widget)).horizontalAdvance(title) > g.title.width())
        tip = title;
    // The failure as yt-dlp put it, in full.
    const Download* job = jobOf(index);
    if (tip.isEmpty() && job && phaseOf(index) == Kind::failed && g.status.contains(pos) &&
        !g.link.contains(pos))
        tip = job->phase().message();
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return false;
    }
    QToolTip::showText(event->globalPos(), plainToolTip(tip), view->viewport());
    return true;
}

} // namespace reelcatch
