#include "ui/ResultsModel.h"

#include "appmodel/AppModel.h"
#include "appmodel/Fmt.h"

#include <algorithm>

namespace reelcatch {

ResultsModel::ResultsModel(AppModel& model, QObject* parent)
    : QAbstractListModel(parent), m_model(model), m_items(model.lookup().results())
{
    indexRows(0);
    connect(&model.lookup(), &Lookup::resultsChanged, this, &ResultsModel::reload);
    connect(&model.lookup(), &Lookup::resultsAdded, this, &ResultsModel::append);
    connect(&model.lookup(), &Lookup::selectedChanged, this, &ResultsModel::selectionChanged);
    connect(&model.library(), &Library::historyChanged, this, &ResultsModel::historyChanged);
}

void ResultsModel::indexRows(qsizetype first)
{
    if (first == 0) {
        m_rows.clear();
        m_rows.reserve(m_items.size());
    }
    for (qsizetype row = first; row < m_items.size(); ++row)
        m_rows.insert(m_items.at(row).id(), int(row));
}

void ResultsModel::historyChanged(const QList<QString>& added)
{
    rowsChanged(added, {}, {DownloadedRole, Qt::AccessibleDescriptionRole});
}

void ResultsModel::rowsChanged(const QList<QString>& ids, const QList<QString>& more,
                               const QList<int>& roles)
{
    // Past this many ids, looking each up costs more than a repaint of what
    // is on screen.
    constexpr qsizetype fewIds = 1000;
    if (m_items.isEmpty())
        return;
    if (ids.size() + more.size() > fewIds) {
        emit dataChanged(index(0), index(int(m_items.size()) - 1), roles);
        return;
    }
    QList<int> rows;
    for (const QList<QString>* list : {&ids, &more}) {
        for (const QString& id : *list)
            for (auto row = m_rows.constFind(id); row != m_rows.cend() && row.key() == id; ++row)
                rows.append(*row);
    }
    std::sort(rows.begin(), rows.end());
    for (qsizetype first = 0, last = 0; first < rows.size(); first = last + 1) {
        for (last = first; last + 1 < rows.size() && rows.at(last + 1) == rows.at(last) + 1;)
            ++last;
        emit dataChanged(index(rows.at(first)), index(rows.at(last)), roles);
    }
}

void ResultsModel::reload()
{
    // A reset, whatever the size: the list is replaced as a whole and
    // nothing is done per row.
    beginResetModel();
    m_items = m_model.lookup().results();
    indexRows(0);
    endResetModel();
}

void ResultsModel::append(int first)
{
    // Rows arriving while a lookup runs go below the others: what is on
    // screen stays where it is.
    const QList<VideoItem>& results = m_model.lookup().results();
    if (first != m_items.size() || results.size() <= first) {
        reload();
        return;
    }
    beginInsertRows({}, first, int(results.size()) - 1);
    m_items.append(results.sliced(first));
    indexRows(first);
    endInsertRows();
}

void ResultsModel::selectionChanged(const SelectionDelta& delta)
{
    if (delta.whole) {
        if (!m_items.isEmpty())
            emit dataChanged(index(0), index(int(m_items.size()) - 1), {Qt::CheckStateRole});
        return;
    }
    rowsChanged(delta.ticked, delta.unticked, {Qt::CheckStateRole});
}

int ResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_items.size());
}

bool ResultsModel::isSelected(int row) const
{
    return m_model.lookup().selected().contains(m_items.at(row).id());
}

void ResultsModel::setSelected(int row, bool selected)
{
    if (row >= 0 && row < m_items.size())
        m_model.lookup().setTicked(m_items.at(row).id(), selected);
}

QString ResultsModel::liveText(VideoItem::Live live)
{
    switch (live) {
    case VideoItem::Live::now:
        return tr("Live");
    case VideoItem::Live::upcoming:
        return tr("Upcoming");
    case VideoItem::Live::no:
        break;
    }
    return {};
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const VideoItem& video = m_items.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return video.title();
    case Qt::AccessibleDescriptionRole: {
        QStringList parts;
        if (!video.channel().isEmpty())
            parts << video.channel();
        if (video.duration())
            parts << Fmt::time(*video.duration());
        if (video.live() != VideoItem::Live::no)
            parts << liveText(video.live());
        if (m_model.library().isDownloaded(video.id()))
            parts << tr("Downloaded");
        return parts.join(QStringLiteral(" \u00b7 "));
    }
    case Qt::CheckStateRole:
        return isSelected(index.row()) ? Qt::Checked : Qt::Unchecked;
    case ItemRole:
        return QVariant::fromValue(video);
    case ThumbnailRole:
        return video.thumbnail() ? QVariant(*video.thumbnail()) : QVariant();
    case DurationTextRole:
        return video.duration() ? QVariant(Fmt::time(*video.duration())) : QVariant();
    case ChannelRole:
        return video.channel();
    case DownloadedRole:
        return m_model.library().isDownloaded(video.id());
    case LiveRole:
        return int(video.live());
    default:
        return {};
    }
}

bool ResultsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    setSelected(index.row(), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags ResultsModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
           Qt::ItemNeverHasChildren;
}

} // namespace reelcatch
