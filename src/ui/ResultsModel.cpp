#include "ui/ResultsModel.h"

#include "appmodel/AppModel.h"
#include "appmodel/Failure.h"
#include "appmodel/Fmt.h"
#include "model/ShownText.h"

#include <algorithm>

namespace reelcatch {

ResultsModel::ResultsModel(AppModel& model, QObject* parent)
    : QAbstractListModel(parent), m_model(model), m_items(model.lookup().results()),
      m_sections(model.lookup().sections())
{
    indexRows(0);
    connect(&model.lookup(), &Lookup::resultsChanged, this, &ResultsModel::reload);
    connect(&model.lookup(), &Lookup::resultsAdded, this, &ResultsModel::append);
    connect(&model.lookup(), &Lookup::resultsInserted, this, &ResultsModel::insert);
    connect(&model.lookup(), &Lookup::sectionChanged, this, &ResultsModel::sectionChanged);
    connect(&model.lookup(), &Lookup::selectedChanged, this, &ResultsModel::selectionChanged);
    connect(&model.library(), &Library::historyChanged, this, &ResultsModel::historyChanged);
    connect(&model.library(), &Library::historyRemoved, this, &ResultsModel::historyChanged);
}

void ResultsModel::indexRows(qsizetype first)
{
    if (first == 0) {
        m_rows.clear();
        m_rows.reserve(m_items.size());
    }
    if (m_sections.isEmpty()) {
        for (qsizetype row = first; row < m_items.size(); ++row)
            m_rows.insert(m_items.at(row).id(), {0, int(row)});
        return;
    }
    for (int section = 0; section < m_sections.size(); ++section) {
        const LinkSection& link = m_sections.at(section);
        for (qsizetype offset = 0; offset < link.count; ++offset)
            m_rows.insert(m_items.at(link.first + offset).id(), {section, int(offset)});
    }
}

int ResultsModel::sectionAt(int row) const
{
    if (m_sections.isEmpty())
        return -1;
    // The last heading at or above the row.
    int low = 0;
    int high = int(m_sections.size()) - 1;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (headingRow(middle) <= row)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

bool ResultsModel::isHeading(int row) const
{
    const int section = sectionAt(row);
    return section >= 0 && headingRow(section) == row;
}

qsizetype ResultsModel::itemIndex(int row) const
{
    const int section = sectionAt(row);
    return section < 0 ? row : row - section - 1;
}

void ResultsModel::historyChanged(const QList<QString>& ids)
{
    rowsChanged(ids, {}, {DownloadedRole, Qt::AccessibleDescriptionRole});
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
        emit dataChanged(index(0), index(rowCount() - 1), roles);
        return;
    }
    QList<int> rows;
    for (const QList<QString>* list : {&ids, &more}) {
        for (const QString& id : *list)
            for (auto place = m_rows.constFind(id); place != m_rows.cend() && place.key() == id;
                 ++place)
                rows.append(rowOf(*place));
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
    m_sections = m_model.lookup().sections();
    indexRows(0);
    endResetModel();
}

void ResultsModel::insert(int section, int first, int count)
{
    const QList<VideoItem>& results = m_model.lookup().results();
    if (section < 0 || section >= m_sections.size() || first + count > results.size() ||
        m_sections.at(section).first + m_sections.at(section).count != first) {
        reload();
        return;
    }
    // Only the rows below move; the places of the rows above stay.
    LinkSection& link = m_sections[section];
    const int row = rowOf({section, int(link.count)});
    beginInsertRows({}, row, row + count - 1);
    m_items.insert(first, count, VideoItem());
    std::copy(results.cbegin() + first, results.cbegin() + first + count, m_items.begin() + first);
    const qsizetype from = link.count;
    link.count += count;
    for (qsizetype later = section + 1; later < m_sections.size(); ++later)
        m_sections[later].first += count;
    for (qsizetype offset = from; offset < link.count; ++offset)
        m_rows.insert(m_items.at(link.first + offset).id(), {section, int(offset)});
    endInsertRows();
}

void ResultsModel::sectionChanged(int section)
{
    const QList<LinkSection>& sections = m_model.lookup().sections();
    if (section < 0 || section >= m_sections.size() || section >= sections.size())
        return;
    // Its rows are counted by insert(), as they come in.
    LinkSection& link = m_sections[section];
    const LinkSection& now = sections.at(section);
    link.title = now.title;
    link.state = now.state;
    link.error = now.error;
    const QModelIndex heading = index(headingRow(section));
    emit dataChanged(heading, heading);
}

void ResultsModel::toggleSection(int section)
{
    if (section < 0 || section >= m_sections.size())
        return;
    const LinkSection& link = m_sections.at(section);
    const QSet<QString>& selected = m_model.lookup().selected();
    const auto begin = m_items.cbegin() + link.first;
    const bool allTicked =
        std::all_of(begin, begin + link.count,
                    [&selected](const VideoItem& item) { return selected.contains(item.id()); });
    m_model.lookup().selectSection(section, !allTicked);
}

void ResultsModel::toggle(int row)
{
    if (isHeading(row))
        toggleSection(sectionAt(row));
    else
        setSelected(row, !isSelected(row));
}

void ResultsModel::append(int first)
{
    // Rows arriving while a lookup runs go below the others: what is on
    // screen stays where it is.
    const QList<VideoItem>& results = m_model.lookup().results();
    if (!m_sections.isEmpty() || first != m_items.size() || results.size() <= first) {
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
        if (rowCount() > 0)
            emit dataChanged(index(0), index(rowCount() - 1), {Qt::CheckStateRole});
        return;
    }
    rowsChanged(delta.ticked, delta.unticked, {Qt::CheckStateRole});
}

int ResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_items.size() + m_sections.size());
}

bool ResultsModel::isSelected(int row) const
{
    return !isHeading(row) && m_model.lookup().selected().contains(item(row).id());
}

void ResultsModel::setSelected(int row, bool selected)
{
    if (row >= 0 && row < rowCount() && !isHeading(row))
        m_model.lookup().setTicked(item(row).id(), selected);
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
    if (isHeading(index.row()))
        return headingData(sectionAt(index.row()), role);
    const VideoItem& video = item(index.row());
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

QVariant ResultsModel::headingData(int section, int role) const
{
    const LinkSection& link = m_sections.at(section);
    const auto count = [&link]() -> QString {
        const int videos = int(link.count);
        switch (link.state) {
        case LinkSection::State::waiting:
            return tr("Waiting");
        case LinkSection::State::listing:
            return videos == 0 ? tr("Looking it up\u2026")
                               : tr("%n video(s) so far", nullptr, videos);
        case LinkSection::State::stopped:
            return videos == 0 ? tr("Not looked up")
                               : tr("%n video(s), listing stopped", nullptr, videos);
        case LinkSection::State::failed:
            return videos == 0 ? QString() : tr("%n video(s)", nullptr, videos);
        case LinkSection::State::done:
            break;
        }
        return tr("%n video(s)", nullptr, videos);
    };
    const auto error = [&link] {
        return link.error.isEmpty() ? QString()
                                    : ShownText::forDisplay(Failure::of(link.error).shown);
    };
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return link.title.isEmpty() ? ShownText::forDisplay(link.link) : link.title;
    case Qt::AccessibleDescriptionRole: {
        QStringList parts{count(), error()};
        parts.removeAll(QString());
        return parts.join(QStringLiteral(" \u00b7 "));
    }
    case Qt::ToolTipRole:
        // yt-dlp's own word on a failure, or the link itself.
        return ShownText::forDisplay(link.error.isEmpty() ? link.link : link.error);
    case HeadingRole:
        return true;
    case HeadingCountRole:
        return count();
    case HeadingErrorRole:
        return error();
    default:
        return {};
    }
}

bool ResultsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) ||
        isHeading(index.row()))
        return false;
    setSelected(index.row(), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags ResultsModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (isHeading(index.row()))
        return Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
           Qt::ItemNeverHasChildren;
}

} // namespace reelcatch
