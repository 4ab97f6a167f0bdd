#include "ui/DownloadsModel.h"

#include "appmodel/DownloadQueue.h"
#include "appmodel/Failure.h"

#include <QDateTime>

namespace reelcatch {

namespace {

// What the row says the job fetches: the formats picked for it, else its
// preset, and the stretch of a clip.
QString formatText(const Download& job)
{
    QString format = job.formatChoice() ? job.formatChoice()->words : job.preset().shortLabel();
    if (!job.clip())
        return format;
    return DownloadsModel::tr("%1 \u00b7 Clip %2").arg(format, job.clip()->label());
}

using Kind = Download::Phase::Kind;

// A frame at 60 Hz: progress lines arrive faster than anyone can read them.
constexpr int repaintIntervalMs = 16;

} // namespace

DownloadsModel::DownloadsModel(DownloadQueue& queue, QObject* parent)
    : QAbstractListModel(parent), m_queue(queue)
{
    for (const auto& job : queue.downloads())
        watch(job.get());
    m_flush.setSingleShot(true);
    m_flush.setInterval(repaintIntervalMs);
    connect(&m_flush, &QTimer::timeout, this, &DownloadsModel::flush);

    // The queue's own changes of its list, passed on as they are.
    connect(&queue, &DownloadQueue::jobsAboutToBeAdded, this,
            [this](int first, int last) { beginInsertRows({}, first, last); });
    connect(&queue, &DownloadQueue::jobsAdded, this, [this](const QList<DownloadPtr>& jobs) {
        for (const DownloadPtr& job : jobs)
            watch(job.get());
        m_rowsStale = true;
        endInsertRows();
    });
    connect(&queue, &DownloadQueue::jobsAboutToBeRemoved, this, [this](int first, int last) {
        beginRemoveRows({}, first, last);
        for (int row = first; row <= last; ++row) {
            Download* job = m_queue.downloads().at(row).get();
            disconnect(job, nullptr, this, nullptr);
            m_dirty.remove(job);
        }
    });
    connect(&queue, &DownloadQueue::jobsRemoved, this, [this] {
        m_rowsStale = true;
        endRemoveRows();
    });
    connect(&queue, &DownloadQueue::pauseChanged, this, &DownloadsModel::waitingChanged);
    m_countdown.setInterval(1000);
    connect(&m_countdown, &QTimer::timeout, this, [this] { repaint(m_countingDown); });
    connect(&queue, &DownloadQueue::spacedChanged, this, &DownloadsModel::spacedChanged);
}

void DownloadsModel::spacedChanged()
{
    const auto& spaced = m_queue.spaced();
    const Download* job = spaced ? spaced->job : nullptr;
    repaint(std::exchange(m_countingDown, job));
    repaint(job);
    if (!job)
        m_countdown.stop();
    else if (!m_countdown.isActive())
        m_countdown.start();
}

void DownloadsModel::repaint(const Download* job)
{
    if (const int row = job ? rowOf(job) : -1; row >= 0)
        emit dataChanged(index(row), index(row));
}

void DownloadsModel::waitingChanged()
{
    const QList<DownloadPtr>& jobs = m_queue.downloads();
    for (int row = 0; row < int(jobs.size()); ++row) {
        if (jobs.at(row)->phase().kind() != Kind::queued)
            continue;
        const int first = row;
        while (row + 1 < int(jobs.size()) && jobs.at(row + 1)->phase().kind() == Kind::queued)
            ++row;
        emit dataChanged(index(first), index(row));
    }
}

QString DownloadsModel::openText()
{
    return tr("Open");
}

QString DownloadsModel::revealText()
{
    return tr("Show in Folder");
}

QList<DownloadsModel::Button> DownloadsModel::buttons(const Download& job)
{
    switch (job.phase().kind()) {
    case Kind::queued:
    case Kind::downloading:
    case Kind::processing:
        return {{Action::cancel, QStringLiteral("xmark.circle"), tr("Cancel")}};
    case Kind::done:
        if (!job.file())
            return {};
        return {{Action::open, QStringLiteral("play.circle"), openText()},
                {Action::reveal, QStringLiteral("magnifyingglass.circle"), revealText()}};
    case Kind::failed:
    case Kind::cancelled:
        return {{Action::retry, QStringLiteral("arrow.clockwise.circle"), tr("Retry")},
                {Action::remove, QStringLiteral("trash.circle"), tr("Remove")}};
    }
    return {};
}

QString DownloadsModel::statusText(const Download& job) const
{
    if (job.phase().kind() == Kind::failed)
        return Failure::ofDownload(job.phase()).shown;
    if (job.phase().kind() == Kind::queued && m_queue.pausedUntil())
        return pausedText(*m_queue.pausedUntil());
    if (const auto& spaced = m_queue.spaced();
        spaced && spaced->job == &job && job.phase().kind() == Kind::queued) {
        const qint64 ms = m_queue.now().msecsTo(spaced->at);
        return startsInText(int(std::max<qint64>(1, (ms + 999) / 1000)));
    }
    return job.detail();
}

QString DownloadsModel::pausedText(const QDateTime& until)
{
    return tr("Paused: YouTube is limiting requests. Resuming at %1\u2026")
        .arg(until.toLocalTime().toString(QStringLiteral("HH:mm")));
}

QString DownloadsModel::startsInText(int seconds)
{
    return tr("Starts in %n second(s)", nullptr, seconds);
}

std::optional<DownloadsModel::Button> DownloadsModel::link(const Download& job) const
{
    if (job.phase().kind() == Kind::queued && m_queue.pausedUntil())
        return Button{Action::resumeNow, {}, Failure::actionText(Failure::Action::resumeNow)};
    if (job.phase().kind() != Kind::failed)
        return std::nullopt;
    // Retry is a button of every failed row already.
    const Failure::Action action = Failure::ofDownload(job.phase()).action;
    switch (action) {
    case Failure::Action::chooseBrowser:
        return Button{Action::chooseBrowser, {}, Failure::actionText(action)};
    case Failure::Action::updateEngine:
        return Button{Action::updateEngine, {}, Failure::actionText(action)};
    case Failure::Action::openFolder:
        return Button{Action::openFolder, {}, Failure::actionText(action)};
    case Failure::Action::resumeNow:
        return Button{Action::resumeNow, {}, Failure::actionText(action)};
    case Failure::Action::retry:
    case Failure::Action::none:
        break;
    }
    return std::nullopt;
}

int DownloadsModel::rowOf(const Download* job) const
{
    // Rebuilt only after the list itself changed, not on every job's change.
    if (m_rowsStale) {
        m_rows.clear();
        const QList<DownloadPtr>& jobs = m_queue.downloads();
        m_rows.reserve(jobs.size());
        for (qsizetype row = 0; row < jobs.size(); ++row)
            m_rows.insert(jobs.at(row).get(), int(row));
        m_rowsStale = false;
    }
    return m_rows.value(job, -1);
}

std::shared_ptr<Download> DownloadsModel::job(int row) const
{
    return m_queue.downloads().value(row);
}

void DownloadsModel::watch(Download* job)
{
    connect(job, &Download::changed, this, [this, job] { markDirty(job); });
}

void DownloadsModel::markDirty(Download* job)
{
    m_dirty.insert(job);
    if (!m_flush.isActive())
        m_flush.start();
}

void DownloadsModel::flush()
{
    const QSet<Download*> dirty = std::exchange(m_dirty, {});
    for (Download* job : dirty) {
        const int row = rowOf(job);
        if (row >= 0)
            emit dataChanged(index(row), index(row));
    }
}

int DownloadsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_queue.downloads().size());
}

QVariant DownloadsModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Download& job = *m_queue.downloads().at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return job.video().title();
    case Qt::AccessibleDescriptionRole: {
        // What the row shows, then the names of its buttons.
        QStringList parts{formatText(job), statusText(job)};
        QStringList names;
        if (const auto action = link(job))
            names << action->name;
        for (const Button& button : buttons(job))
            names << button.name;
        if (!names.isEmpty())
            parts << names.join(QStringLiteral(", "));
        return parts.join(QStringLiteral(" \u00b7 "));
    }
    case JobRole:
        return QVariant::fromValue(static_cast<QObject*>(m_queue.downloads().at(index.row()).get()));
    case PhaseRole:
        return int(job.phase().kind());
    case ProgressRole:
        if (job.phase().kind() == Kind::downloading)
            return job.fraction();
        if (job.phase().kind() == Kind::processing)
            return -1.0;
        return {};
    case StatusRole:
        return statusText(job);
    case ButtonsRole: {
        QStringList names;
        for (const Button& button : buttons(job))
            names << button.name;
        return names;
    }
    case PresetRole:
        return formatText(job);
    case ThumbnailRole:
        return job.video().thumbnail() ? QVariant(*job.video().thumbnail()) : QVariant();
    case LinkRole:
    case LinkActionRole: {
        const auto action = link(job);
        if (!action)
            return {};
        return role == LinkRole ? QVariant(action->name) : QVariant(int(action->action));
    }
    default:
        return {};
    }
}

Qt::ItemFlags DownloadsModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

} // namespace reelcatch
