#include "DownloadsModel.h"

#include "AppModel.h"

namespace reelcatch {

namespace {

using Kind = Download::Phase::Kind;

// A frame at 60 Hz: progress lines arrive faster than anyone can read them.
constexpr int repaintIntervalMs = 16;

} // namespace

DownloadsModel::DownloadsModel(AppModel& model, QObject* parent)
    : QAbstractListModel(parent), m_model(model), m_jobs(model.downloads())
{
    for (const auto& job : std::as_const(m_jobs))
        watch(job);
    m_flush.setSingleShot(true);
    m_flush.setInterval(repaintIntervalMs);
    connect(&m_flush, &QTimer::timeout, this, &DownloadsModel::flush);
    connect(&model, &AppModel::downloadsChanged, this, &DownloadsModel::sync);
}

QString DownloadsModel::openText()
{
    return QStringLiteral("Open");
}

QString DownloadsModel::revealText()
{
#ifdef Q_OS_MACOS
    return QStringLiteral("Show in Finder");
#else
    return QStringLiteral("Show in Folder");
#endif
}

QList<DownloadsModel::Button> DownloadsModel::buttons(const Download& job)
{
    switch (job.phase().kind()) {
    case Kind::queued:
    case Kind::downloading:
    case Kind::processing:
        return {{Action::cancel, QStringLiteral("xmark.circle"), QStringLiteral("Cancel")}};
    case Kind::done:
        if (!job.file())
            return {};
        return {{Action::open, QStringLiteral("play.circle"), openText()},
                {Action::reveal, QStringLiteral("magnifyingglass.circle"), revealText()}};
    case Kind::failed:
    case Kind::cancelled:
        return {{Action::retry, QStringLiteral("arrow.clockwise.circle"), QStringLiteral("Retry")},
                {Action::remove, QStringLiteral("trash.circle"), QStringLiteral("Remove")}};
    }
    return {};
}

QString DownloadsModel::statusText(const Download& job)
{
    return job.phase().kind() == Kind::failed ? job.phase().message() : job.detail();
}

int DownloadsModel::rowOf(const Download* job) const
{
    for (qsizetype row = 0; row < m_jobs.size(); ++row) {
        if (m_jobs[row].get() == job)
            return int(row);
    }
    return -1;
}

void DownloadsModel::watch(const std::shared_ptr<Download>& job)
{
    Download* raw = job.get();
    connect(raw, &Download::changed, this, [this, raw] { markDirty(raw); });
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

// Brings the rows in line with the model's list. The queue only puts new
// jobs in front and takes jobs out, which become insertions and removals;
// anything else (a reordering) resets the list.
void DownloadsModel::sync()
{
    const QList<std::shared_ptr<Download>>& next = m_model.downloads();
    QSet<const Download*> kept;
    for (const auto& job : next)
        kept.insert(job.get());

    for (int row = int(m_jobs.size()) - 1; row >= 0; --row) {
        if (kept.contains(m_jobs[row].get()))
            continue;
        const int last = row;
        while (row > 0 && !kept.contains(m_jobs[row - 1].get()))
            --row;
        beginRemoveRows({}, row, last);
        for (int i = row; i <= last; ++i) {
            disconnect(m_jobs[i].get(), nullptr, this, nullptr);
            m_dirty.remove(m_jobs[i].get());
        }
        m_jobs.remove(row, last - row + 1);
        endRemoveRows();
    }

    QSet<const Download*> present;
    for (const auto& job : std::as_const(m_jobs))
        present.insert(job.get());
    qsizetype at = 0;
    for (qsizetype i = 0; i < next.size();) {
        if (at < m_jobs.size() && m_jobs[at] == next[i]) {
            ++at;
            ++i;
            continue;
        }
        if (present.contains(next[i].get()))
            break; // moved: handled by the reset below
        const qsizetype start = i;
        while (i < next.size() && !present.contains(next[i].get()))
            ++i;
        beginInsertRows({}, int(at), int(at + (i - start) - 1));
        for (qsizetype k = start; k < i; ++k) {
            m_jobs.insert(at + (k - start), next[k]);
            watch(next[k]);
        }
        endInsertRows();
        at += i - start;
    }

    if (m_jobs != next) {
        beginResetModel();
        for (const auto& job : std::as_const(m_jobs))
            disconnect(job.get(), nullptr, this, nullptr);
        m_dirty.clear();
        m_jobs = next;
        for (const auto& job : std::as_const(m_jobs))
            watch(job);
        endResetModel();
    }
}

int DownloadsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_jobs.size());
}

QVariant DownloadsModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Download& job = *m_jobs.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return job.video().title();
    case Qt::AccessibleDescriptionRole: {
        // What the row shows, then the names of its buttons.
        QStringList parts{job.preset().shortLabel(), statusText(job)};
        QStringList names;
        for (const Button& button : buttons(job))
            names << button.name;
        if (!names.isEmpty())
            parts << names.join(QStringLiteral(", "));
        return parts.join(QStringLiteral(" \u00b7 "));
    }
    case JobRole:
        return QVariant::fromValue(static_cast<QObject*>(m_jobs.at(index.row()).get()));
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
        return job.preset().shortLabel();
    case ThumbnailRole:
        return job.video().thumbnail() ? QVariant(*job.video().thumbnail()) : QVariant();
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

QHash<int, QByteArray> DownloadsModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(JobRole, "job");
    names.insert(PhaseRole, "phase");
    names.insert(ProgressRole, "progress");
    names.insert(StatusRole, "status");
    names.insert(ButtonsRole, "buttons");
    names.insert(PresetRole, "preset");
    names.insert(ThumbnailRole, "thumbnail");
    return names;
}

} // namespace reelcatch
