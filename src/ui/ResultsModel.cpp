#include "ui/ResultsModel.h"

#include "appmodel/AppModel.h"
#include "appmodel/Fmt.h"

namespace reelcatch {

ResultsModel::ResultsModel(AppModel& model, QObject* parent)
    : QAbstractListModel(parent), m_model(model), m_items(model.lookup().results())
{
    connect(&model.lookup(), &Lookup::resultsChanged, this, &ResultsModel::reload);
    connect(&model.lookup(), &Lookup::resultsAdded, this, &ResultsModel::append);
    connect(&model.lookup(), &Lookup::selectedChanged, this, &ResultsModel::selectionChanged);
    connect(&model.library(), &Library::historyChanged, this, &ResultsModel::historyChanged);
}

void ResultsModel::historyChanged()
{
    if (!m_items.isEmpty())
        emit dataChanged(index(0), index(int(m_items.size()) - 1),
                         {DownloadedRole, Qt::AccessibleDescriptionRole});
}

void ResultsModel::reload()
{
    // A reset, whatever the size: the list is replaced as a whole and
    // nothing is done per row.
    beginResetModel();
    m_items = m_model.lookup().results();
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
    endInsertRows();
}

void ResultsModel::selectionChanged()
{
    if (!m_items.isEmpty())
        emit dataChanged(index(0), index(int(m_items.size()) - 1), {Qt::CheckStateRole});
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
    if (row < 0 || row >= m_items.size() || isSelected(row) == selected)
        return;
    QSet<QString> ids = m_model.lookup().selected();
    if (selected)
        ids.insert(m_items.at(row).id());
    else
        ids.remove(m_items.at(row).id());
    m_model.lookup().setSelected(std::move(ids));
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
