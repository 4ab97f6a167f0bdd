#include "ui/HistoryModel.h"

#include "appmodel/Library.h"

#include <QFileInfo>
#include <QFutureWatcher>
#include <QLocale>
#include <QtConcurrent/QtConcurrentRun>

namespace reelcatch {

HistoryModel::HistoryModel(Library& library, QObject* parent)
    : QAbstractListModel(parent), m_library(library)
{
    connect(&library, &Library::historyFound, this, &HistoryModel::found);
    connect(&library, &Library::historyRemoved, this, &HistoryModel::removed);
    // A video finished while the window is open: its row comes with a fresh read.
    connect(&library, &Library::historyChanged, this, [this] {
        m_stale = true;
        if (m_inFlight == 0)
            ask();
    });
    m_check.setSingleShot(true);
    m_check.setInterval(0);
    connect(&m_check, &QTimer::timeout, this, &HistoryModel::checkFiles);
    ask();
}

HistoryModel::~HistoryModel()
{
    m_library.dispose(std::exchange(m_rows, {}));
}

int HistoryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

std::optional<bool> HistoryModel::filePresent(int row) const
{
    const QString& file = m_rows.at(row).file;
    if (file.isEmpty())
        return false;
    const auto found = m_present.constFind(file);
    if (found != m_present.cend())
        return *found;
    if (!m_checking.contains(file)) {
        m_toCheck.insert(file, row);
        if (!m_check.isActive())
            m_check.start();
    }
    return std::nullopt;
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const HistoryEntry& entry = m_rows.at(index.row());
    const auto finished = [&entry] {
        // To the minute: the seconds some locales' short times carry say nothing here.
        const QLocale locale;
        const QDateTime local = entry.finished.toLocalTime();
        QString time = locale.timeFormat(QLocale::ShortFormat);
        time.remove(QLatin1String(":ss"));
        return locale.toString(local.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
               locale.toString(local.time(), time);
    };
    switch (role) {
    case Qt::DisplayRole:
        return entry.shownTitle();
    case ChannelRole:
        return entry.channel;
    case PresetRole:
        return entry.preset.shortLabel();
    case FinishedRole:
        return finished();
    case FilePresentRole: {
        const std::optional<bool> present = filePresent(index.row());
        return present ? QVariant(*present) : QVariant();
    }
    case Qt::AccessibleTextRole:
        return entry.shownTitle();
    case Qt::AccessibleDescriptionRole: {
        QStringList parts;
        if (!entry.channel.isEmpty())
            parts << entry.channel;
        parts << entry.preset.shortLabel() << tr("Finished %1").arg(finished());
        const std::optional<bool> present = filePresent(index.row());
        if (present)
            parts << (*present ? tr("File on disk") : tr("File moved or deleted"));
        return parts.join(QStringLiteral(", "));
    }
    default:
        return {};
    }
}

void HistoryModel::setSearch(const QString& search)
{
    if (search == m_wanted)
        return;
    m_wanted = search;
    if (m_inFlight == 0)
        ask();
}

void HistoryModel::ask()
{
    m_sent = m_wanted;
    m_stale = false;
    m_rest = false;
    m_inFlight = m_library.findHistory(m_sent, 0, firstPage);
}

// A search's first page replaces the rows, and is shown at once; the rest
// of them, read next, are added after it.
void HistoryModel::found(int ticket, const QList<HistoryEntry>& entries)
{
    if (ticket != m_inFlight)
        return;
    m_inFlight = 0;
    const bool rest = std::exchange(m_rest, false);
    if (m_sent != m_wanted || m_stale) {
        // Shown while the search typed since is read, unless it is the rest.
        if (!rest)
            replace(entries);
        ask();
        return;
    }
    if (rest) {
        // The whole list, read again from the start: the rows shown lead it
        // and it is taken as it is, not copied. Rows removed meanwhile may
        // have been read before the store let them go.
        QList<HistoryEntry> all = entries;
        if (std::exchange(m_removedMeanwhile, false))
            all.removeIf([this](const HistoryEntry& entry) {
                return !m_library.isDownloaded(entry.videoId);
            });
        if (all.size() > m_rows.size()) {
            beginInsertRows({}, int(m_rows.size()), int(all.size()) - 1);
            m_rows = std::move(all);
            endInsertRows();
        }
    } else {
        replace(entries);
        if (entries.size() == firstPage) {
            m_rest = true;
            m_inFlight = m_library.findHistory(m_sent);
        }
    }
    emit refreshed();
}

void HistoryModel::replace(const QList<HistoryEntry>& entries)
{
    beginResetModel();
    m_library.dispose(std::exchange(m_rows, entries));
    m_toCheck.clear();
    m_loaded = true;
    endResetModel();
}

void HistoryModel::removed(const QList<QString>& ids)
{
    m_removedMeanwhile = m_rest;
    const QSet<QString> gone(ids.cbegin(), ids.cend());
    // From the end, so the rows before keep their numbers.
    for (qsizetype row = m_rows.size() - 1; row >= 0; --row) {
        if (!gone.contains(m_rows.at(row).videoId))
            continue;
        beginRemoveRows({}, int(row), int(row));
        m_rows.removeAt(row);
        endRemoveRows();
    }
    m_toCheck.clear();
}

// Each path is looked at once, on a pool thread, in batches of what was shown.
void HistoryModel::checkFiles()
{
    const QHash<QString, int> batch = std::exchange(m_toCheck, {});
    QStringList paths = batch.keys();
    for (const QString& path : std::as_const(paths))
        m_checking.insert(path);
    auto* watcher = new QFutureWatcher<QHash<QString, bool>>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, batch] {
        const QHash<QString, bool> present = watcher->result();
        watcher->deleteLater();
        for (auto it = present.cbegin(); it != present.cend(); ++it) {
            m_checking.remove(it.key());
            m_present.insert(it.key(), it.value());
            // The row that showed it, if it still does.
            const int row = batch.value(it.key(), -1);
            if (row >= 0 && row < m_rows.size() && m_rows.at(row).file == it.key())
                emit dataChanged(index(row), index(row),
                                 {FilePresentRole, Qt::AccessibleDescriptionRole});
        }
    });
    watcher->setFuture(QtConcurrent::run([paths = std::move(paths)] {
        QHash<QString, bool> present;
        for (const QString& path : paths)
            present.insert(path, QFileInfo::exists(path));
        return present;
    }));
}

} // namespace reelcatch
