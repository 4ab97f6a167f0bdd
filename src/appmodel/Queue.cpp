// The download queue: jobs are added at the front of the list and started
// from its end, oldest first, up to the parallel limit.
#include "AppModel.h"
#include "ProcessGroup.h"

namespace reelcatch {

namespace {

bool isWaiting(const Download& job)
{
    return job.phase().kind() == Download::Phase::Kind::queued;
}

} // namespace

void AppModel::enqueue(const QList<VideoItem>& items, Preset preset)
{
    bool added = false;
    for (const VideoItem& item : items) {
        const bool alreadyThere =
            std::any_of(m_downloads.cbegin(), m_downloads.cend(), [&](const DownloadPtr& job) {
                return job->video().id() == item.id() && job->preset() == preset &&
                       (isWaiting(*job) || job->isActive());
            });
        if (alreadyThere)
            continue;
        m_downloads.prepend(std::make_shared<Download>(item, preset));
        added = true;
    }
    if (added)
        emit downloadsChanged();
    pump();
}

void AppModel::enqueueSelected(Preset preset)
{
    QList<VideoItem> chosen;
    for (const VideoItem& item : std::as_const(m_results)) {
        if (m_selected.contains(item.id()))
            chosen.append(item);
    }
    enqueue(chosen, preset);
}

void AppModel::pump()
{
    if (m_holdPump)
        return;
    const bool anyWaiting = std::any_of(m_downloads.cbegin(), m_downloads.cend(),
                                        [](const DownloadPtr& job) { return isWaiting(*job); });
    // Merging and conversion need ffmpeg: get it first, once.
    if (anyWaiting && !m_ffmpegFailed && !m_engine.ffmpeg()) {
        installFfmpeg();
        return;
    }

    const int limit = m_prefs.parallel();
    // A copy: a start may fail at once and change nothing else, but the
    // list itself must not shift under the walk.
    const QList<DownloadPtr> jobs = m_downloads;
    for (auto it = jobs.crbegin(); it != jobs.crend(); ++it) {
        if (!isWaiting(**it))
            continue;
        const auto active = std::count_if(m_downloads.cbegin(), m_downloads.cend(),
                                          [](const DownloadPtr& job) { return job->isActive(); });
        if (active >= limit)
            break;
        start(*it);
    }
    refreshBadge();
}

void AppModel::stopProcess(Download& job)
{
    if (QProcess* process = job.process())
        ProcessGroup::terminate(*process);
}

void AppModel::cancel(Download& job)
{
    QProcess* process = job.process();
    job.setPhase(Download::Phase::cancelled());
    job.setDetail(QStringLiteral("Cancelled"));
    if (process)
        stopProcess(job); // its end reaches finish(), which pumps
    else
        pump();
}

void AppModel::retry(Download& job)
{
    // A cancelled run may still be ending; from now on it has no say in the
    // job (its end is ignored, and the stop already sent still reaches it).
    job.setProcess(nullptr);
    job.setPhase(Download::Phase::queued());
    job.setFraction(0);
    job.setDetail(QStringLiteral("Waiting\u2026"));
    pump();
}

void AppModel::removeIf(const std::function<bool(const Download&)>& predicate)
{
    const auto removed =
        m_downloads.removeIf([&](const DownloadPtr& job) { return predicate(*job); });
    if (removed > 0)
        emit downloadsChanged();
    refreshBadge();
}

void AppModel::remove(Download& job)
{
    if (isWaiting(job) || job.isActive())
        cancel(job);
    const QUuid id = job.id();
    removeIf([&id](const Download& other) { return other.id() == id; });
}

void AppModel::clearFinished()
{
    removeIf([](const Download& job) { return job.isFinished(); });
}

void AppModel::cancelAll()
{
    // Each cancel frees a slot; pumping between them would launch the next
    // waiting job only to stop it a moment later.
    const QList<DownloadPtr> jobs = m_downloads;
    m_holdPump = true;
    for (const DownloadPtr& job : jobs) {
        if (isWaiting(*job) || job->isActive())
            cancel(*job);
    }
    m_holdPump = false;
    pump();
}

void AppModel::refreshBadge()
{
    const auto toDo =
        std::count_if(m_downloads.cbegin(), m_downloads.cend(),
                      [](const DownloadPtr& job) { return isWaiting(*job) || job->isActive(); });
    if (m_platform.badge)
        m_platform.badge->setCount(int(toDo));
    emit changed();
}

} // namespace reelcatch
