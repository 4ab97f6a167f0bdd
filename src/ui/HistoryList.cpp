#include "ui/HistoryList.h"

#include "ui/HistoryModel.h"
#include "ui/RowStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyledItemDelegate>

namespace reelcatch {

namespace {

constexpr int padding = 6;

class HistoryDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        const QFontMetrics title(option.font);
        const QFontMetrics small(RowStyle::smallest(option.font));
        return {200, title.height() + small.height() + 3 * padding};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& given,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem option = given;
        initStyleOption(&option, index);
        option.text.clear();
        const QWidget* view = option.widget;
        QStyle* style = view ? view->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &option, painter, view);

        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& palette = option.palette;
        const QColor text = palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
        const QColor background =
            selected ? palette.color(QPalette::Highlight) : palette.color(QPalette::Base);
        const QRect area = option.rect.adjusted(2 * padding, padding, -2 * padding, -padding);
        const QFontMetrics titleMetrics(option.font);
        const QFont smallFont = RowStyle::smallest(option.font);
        const QFontMetrics smallMetrics(smallFont);

        painter->save();
        painter->setPen(text);
        painter->setFont(option.font);
        QRect line(area.left(), area.top(), area.width(), titleMetrics.height());
        painter->drawText(
            line, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
            titleMetrics.elidedText(index.data().toString(), Qt::ElideRight, line.width()));

        // The file's state at the right of the second line, when it is gone.
        line = QRect(area.left(), line.bottom() + padding, area.width(), smallMetrics.height());
        painter->setFont(smallFont);
        const QVariant present = index.data(HistoryModel::FilePresentRole);
        if (present.isValid() && !present.toBool()) {
            const QString missing = HistoryModel::tr("File moved or deleted");
            painter->setPen(selected ? text
                                     : RowStyle::legible(RowStyle::red(palette), background));
            painter->drawText(line, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                              missing);
            line.setRight(line.right() - smallMetrics.horizontalAdvance(missing) - 2 * padding);
        }
        QStringList parts;
        if (const QString channel = index.data(HistoryModel::ChannelRole).toString();
            !channel.isEmpty())
            parts << channel;
        parts << index.data(HistoryModel::PresetRole).toString()
              << index.data(HistoryModel::FinishedRole).toString();
        painter->setPen(selected ? text : RowStyle::secondaryText(palette, background));
        painter->drawText(line, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          smallMetrics.elidedText(parts.join(QStringLiteral("  \u00b7  ")),
                                                  Qt::ElideRight, line.width()));
        painter->restore();
    }
};

} // namespace

HistoryList::HistoryList(HistoryModel& model, std::function<QList<RowAction>(int row)> actions,
                         QWidget* parent)
    : PaintedRowList(parent), m_actions(std::move(actions))
{
    setModel(&model);
    setItemDelegate(new HistoryDelegate(this));
    // Every row the same height: a list of any length is laid out at once.
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setAlternatingRowColors(true);
    setAccessibleName(tr("History"));
}

QList<PaintedRowList::RowAction> HistoryList::rowActions(const QModelIndex& index)
{
    return index.isValid() ? m_actions(index.row()) : QList<RowAction>();
}

} // namespace reelcatch
