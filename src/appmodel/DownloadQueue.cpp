// The download queue's bookkeeping: jobs are added at the front of the list
// and started from its end, oldest first, up to the parallel limit, spaced
// and paused as YouTube's limit asks; the run of each job is in
// DownloadRun.cpp.
#include "appmodel/DownloadQueue.h"

#include "appmodel/AppLog.h"
#include "appmodel/EngineReadiness.h"
#include "engine/ChildProcess.h"
#include "engine/Engine.h"
#include "model/Prefs.h"

#include <QScopeGuard>
#include <QSet>

#include <algorithm>
#include <limits>
#include <utility>

namespace reelcatch {

namespace {

using Kind = Download::Phase::Kind;

const char* const gettingFfmpegDetail =
    QT_TRANSLATE_NOOP("reelcatch::DownloadQueue", "Getting ffmpeg ready (one-time, ~56 MB)\u2026");

bool isWaiting(const Download& job)
{
    return job.phase().kind() == Kind::queued;
}

// Waiting or running: such a job is not queued twice.
bool isPending(Kind kind)
{
    return kind == Kind::queued || kind == Kind::downloading || kind == Kind::processing;
}

// What makes two pending jobs the same.
QString pendingKey(const QString& id, Preset preset, const std::optional<FormatChoice>& choice,
                   const std::optional<ClipRange>& clip)
{
    QString key = preset.rawValue() + QLatin1Char('\n') + id;
    if (choice)
        key += QLatin1Char('\n') + choice->formatIds;
    if (clip)
        key += QStringLiteral("\nclip %1-%2").arg(clip->start).arg(clip->end);
    return key;
}

} // namespace

const char* const DownloadQueue::waitingDetail =
    QT_TRANSLATE_NOOP("reelcatch::DownloadQueue", "Waiting\u2026");

DownloadQueue::DownloadQueue(Engine& engine, Prefs& prefs, EngineReadiness& readiness,
                             Platform platform, QObject* parent)
    : QObject(parent), m_engine(engine), m_prefs(prefs), m_readiness(readiness),
      m_platform(platform)
{
    m_slicer.setSingleShot(true);
    m_slicer.setInterval(0);
    connect(&m_slicer, &QTimer::timeout, this, &DownloadQueue::addSlice);
    m_wake.setSingleShot(true);
    connect(&m_wake, &QTimer::timeout, this, &DownloadQueue::wake);
    connect(&m_readiness, &EngineReadiness::ffmpegSettled, this, [this] {
        for (const DownloadPtr& job : std::as_const(m_downloads)) {
            if (isWaiting(*job))
                job->setDetail(tr(waitingDetail));
        }
        pump();
    });
    connect(&m_readiness, &EngineReadiness::versionSettled, this, &DownloadQueue::pump);
}

DownloadQueue::~DownloadQueue()
{
    // Runs still going belong to this queue: they end with it (their process
    // groups are killed), and their last signals must not reach it.
    for (const Run& run : std::as_const(m_runs))
        run.child->disconnect(this);
}

int DownloadQueue::toDo() const
{
    return count(Kind::queued) + count(Kind::downloading) + count(Kind::processing);
}

int DownloadQueue::finishedCount() const
{
    return count(Kind::done) + count(Kind::failed) + count(Kind::cancelled);
}

void DownloadQueue::watch(const DownloadPtr& job)
{
    const Download* raw = job.get();
    m_counted.insert(raw, job->phase().kind());
    ++m_counts[std::size_t(job->phase().kind())];
    countPending(*raw, job->phase().kind(), 1);
    connect(raw, &Download::phaseChanged, this, [this, raw] { phaseMoved(raw); });
}

void DownloadQueue::phaseMoved(const Download* job)
{
    const auto counted = m_counted.find(job);
    if (counted == m_counted.end() || *counted == job->phase().kind())
        return;
    --m_counts[std::size_t(*counted)];
    countPending(*job, *counted, -1);
    *counted = job->phase().kind();
    ++m_counts[std::size_t(*counted)];
    countPending(*job, *counted, 1);
    if (*counted == Kind::done)
        ++m_batchDone;
    else if (*counted == Kind::failed)
        ++m_batchFailed;
    emit countsChanged();
    updateBadge();
    closeBatch();
}

void DownloadQueue::closeBatch()
{
    if (toDo() > 0 || m_batchDone + m_batchFailed == 0)
        return;
    const int done = std::exchange(m_batchDone, 0), failed = std::exchange(m_batchFailed, 0);
    if (m_platform.notice)
        m_platform.notice->batchEnded(done, failed, m_batchFolder);
}

void DownloadQueue::countPending(const Download& job, Kind kind, int change)
{
    if (!isPending(kind))
        return;
    const QString key = pendingKey(job.video().id(), job.preset(), job.formatChoice(), job.clip());
    const int now = m_pending.value(key) + change;
    if (now > 0)
        m_pending.insert(key, now);
    else
        m_pending.remove(key);
}

void DownloadQueue::updateBadge()
{
    if (m_platform.badge)
        m_platform.badge->setCount(toDo());
}

void DownloadQueue::enqueue(const QList<VideoItem>& items, Preset preset,
                            const std::optional<FormatChoice>& choice,
                            const std::optional<ClipRange>& clip,
                            const QList<PlaylistPlace>& places)
{
    // Behind the items still waiting to be added, so the order stays that
    // of the calls.
    const bool adding = !m_later.empty();
    if (!items.isEmpty())
        m_later.push_back({items, preset, choice, clip, places});
    if (adding)
        return;
    addSlice();
}

void DownloadQueue::addSlice()
{
    // Each item is checked against the jobs listed when its slice goes in,
    // which hold those of the slices before it.
    QList<DownloadPtr> added;
    QSet<QString> keys; // those of `added`
    qsizetype room = slice;
    while (!m_later.empty() && room > 0) {
        const Later& later = m_later.front();
        const qsizetype end = std::min(later.items.size(), m_laterNext + room);
        room -= end - m_laterNext;
        for (; m_laterNext < end; ++m_laterNext) {
            const VideoItem& item = later.items.at(m_laterNext);
            const QString key = pendingKey(item.id(), later.preset, later.choice, later.clip);
            if (m_pending.contains(key) || keys.contains(key))
                continue;
            keys.insert(key);
            if (!m_plainPreset.contains(item.id()))
                m_plainPreset.insert(item.id(), later.preset);
            added.append(std::make_shared<Download>(item, later.preset));
            added.last()->setFormatChoice(later.choice);
            added.last()->setClip(later.clip);
            if (m_laterNext < later.places.size())
                added.last()->setPlaylistPlace(later.places.at(m_laterNext));
        }
        if (m_laterNext == later.items.size()) {
            m_later.pop_front();
            m_laterNext = 0;
        }
    }
    if (!m_later.empty())
        m_slicer.start();
    if (!added.isEmpty()) {
        // The newest first: the last item added leads the list.
        std::reverse(added.begin(), added.end());
        const qsizetype count = added.size();
        emit jobsAboutToBeAdded(0, int(count) - 1);
        added.append(std::move(m_downloads));
        m_downloads = std::move(added);
        for (qsizetype row = 0; row < count; ++row)
            watch(m_downloads.at(row));
        emit jobsAdded(m_downloads.first(count));
        emit countsChanged();
        updateBadge();
    }
    pump();
}

void DownloadQueue::addWaiting()
{
    m_slicer.stop();
    const bool held = std::exchange(m_holdPump, true);
    while (!m_later.empty())
        addSlice();
    m_holdPump = held;
}

QList<DownloadPtr> DownloadQueue::restore(const QList<DownloadPtr>& jobs)
{
    // Jobs still to be added go in first: they are checked against them.
    while (!m_later.empty())
        addSlice();
    QSet<QUuid> listed;
    // The same video in the same preset, formats and stretch is the same file.
    const auto key = [](const Download& job) {
        return pendingKey(job.video().id(), job.preset(), job.formatChoice(), job.clip());
    };
    QSet<QString> pending;
    const auto note = [&](const Download& job) {
        listed.insert(job.id());
        if (isWaiting(job) || job.isActive())
            pending.insert(key(job));
    };
    for (const DownloadPtr& job : std::as_const(m_downloads))
        note(*job);
    QList<DownloadPtr> taken, left;
    for (const DownloadPtr& job : jobs) {
        const bool waits = isWaiting(*job) || job->isActive();
        if (listed.contains(job->id()) || (waits && pending.contains(key(*job)))) {
            left.append(job);
            continue;
        }
        note(*job);
        taken.append(job);
    }
    if (taken.isEmpty())
        return left;
    // The oldest first decides each video's plain file name.
    for (qsizetype i = taken.size() - 1; i >= 0; --i) {
        const Download& job = *taken.at(i);
        if (!m_plainPreset.contains(job.video().id()))
            m_plainPreset.insert(job.video().id(), job.preset());
    }
    const int first = int(m_downloads.size());
    emit jobsAboutToBeAdded(first, first + int(taken.size()) - 1);
    m_downloads += taken;
    for (const DownloadPtr& job : std::as_const(taken))
        watch(job);
    emit jobsAdded(taken);
    emit countsChanged();
    updateBadge();
    pump();
    return left;
}

QDateTime DownloadQueue::now() const
{
    return m_engine.config().now();
}

void DownloadQueue::pump()
{
    const std::optional<Spaced> spaced = std::exchange(m_spaced, std::nullopt);
    const auto tell = qScopeGuard([&] {
        if (m_spaced != spaced)
            emit spacedChanged();
    });
    // Idle: the next start begins a new batch.
    if (toDo() == 0)
        m_pacer.idle();
    if (m_holdPump || m_pacer.pausedUntil() || count(Kind::queued) == 0)
        return;
    // Some arguments depend on yt-dlp's version: the first start waits
    // (briefly) for the query that tells it.
    if (m_readiness.awaitsVersion())
        return;
    // Merging and conversion need ffmpeg: get it first, once.
    if (!m_readiness.ffmpegFailed() && !m_engine.ffmpeg()) {
        for (const DownloadPtr& job : std::as_const(m_downloads)) {
            if (isWaiting(*job))
                job->setDetail(tr(gettingFfmpegDetail));
        }
        m_readiness.getFfmpeg();
        return;
    }

    const int limit = m_prefs.value(PrefKey::parallel);
    // A copy: a start may fail at once, but the list must not shift under the walk.
    const QList<DownloadPtr> jobs = m_downloads;
    // From the end: the oldest first.
    for (qsizetype row = jobs.size() - 1; row >= 0; --row) {
        if (count(Kind::downloading) + count(Kind::processing) >= limit)
            break;
        if (!isWaiting(*jobs.at(row)))
            continue;
        if (!mayStart(jobs.at(row).get()))
            break;
        start(jobs.at(row));
    }
}

bool DownloadQueue::mayStart(const Download* job)
{
    const std::optional<QDateTime> due =
        m_pacer.nextStart(m_engine.config().now(), m_prefs.value(PrefKey::startGap));
    if (due) {
        armWake(*due);
        m_spaced = Spaced{job, *due};
    }
    return !due;
}

void DownloadQueue::armWake(const QDateTime& at)
{
    const qint64 wait = std::max<qint64>(0, m_engine.config().now().msecsTo(at));
    m_wake.start(int(std::min<qint64>(wait, std::numeric_limits<int>::max())));
}

void DownloadQueue::wake()
{
    const std::optional<QDateTime>& until = m_pacer.pausedUntil();
    if (until && m_engine.config().now() < *until) {
        armWake(*until);
        return;
    }
    resumeNow();
}

void DownloadQueue::resumeNow()
{
    if (m_pacer.resume()) {
        m_wake.stop();
        qCInfo(lcAppModel) << "queue resumed";
        emit pauseChanged();
    }
    pump();
}

void DownloadQueue::pause()
{
    if (!m_pacer.pause(m_engine.config().now()))
        return;
    qCInfo(lcAppModel) << "queue paused for" << m_pacer.pauseMinutes() << "minutes";
    armWake(*m_pacer.pausedUntil());
    emit pauseChanged();
}

void DownloadQueue::cancel(Download& job)
{
    job.setPhase(Download::Phase::cancelled());
    job.setDetail(tr("Cancelled"));
    const auto run = m_runs.constFind(&job);
    if (run != m_runs.cend())
        run->child->stop(); // its end reaches finish(), which pumps
    else
        pump();
}

void DownloadQueue::retry(Download& job)
{
    // A cancelled run may still be ending; from now on it has no say in the
    // job (its end is ignored, and the stop already sent still reaches it).
    m_runs.remove(&job);
    job.setPhase(Download::Phase::queued());
    job.setFraction(0);
    job.setDetail(tr(waitingDetail));
    pump();
}

void DownloadQueue::removeIf(const std::function<bool(const Download&)>& predicate)
{
    bool removed = false;
    // From the end, in runs of neighbouring rows, so rows before a run keep
    // their numbers while it goes.
    for (qsizetype last = m_downloads.size() - 1; last >= 0; --last) {
        if (!predicate(*m_downloads.at(last)))
            continue;
        qsizetype first = last;
        while (first > 0 && predicate(*m_downloads.at(first - 1)))
            --first;
        emit jobsAboutToBeRemoved(int(first), int(last));
        for (qsizetype row = first; row <= last; ++row) {
            const Download* job = m_downloads.at(row).get();
            const Kind kind = m_counted.take(job);
            --m_counts[std::size_t(kind)];
            countPending(*job, kind, -1);
            m_runs.remove(job);
            m_limitsInRow.remove(job);
            m_downloads.at(row)->disconnect(this);
        }
        m_downloads.remove(first, last - first + 1);
        emit jobsRemoved();
        removed = true;
        last = first;
    }
    if (removed) {
        emit countsChanged();
        updateBadge();
        closeBatch();
    }
}

void DownloadQueue::remove(Download& job)
{
    if (isWaiting(job) || job.isActive())
        cancel(job);
    const QUuid id = job.id();
    removeIf([&id](const Download& other) { return other.id() == id; });
    // The run it had no longer counts (its end is ignored): its slot is free.
    pump();
}

void DownloadQueue::clearFinished()
{
    removeIf([](const Download& job) { return job.isFinished(); });
    // A cancelled job's run may still be ending: it no longer counts either.
    pump();
}

void DownloadQueue::cancelAll()
{
    // What was enqueued but not added yet never goes in.
    m_later.clear();
    m_laterNext = 0;
    m_slicer.stop();
    // Each cancel frees a slot; pumping between them would launch the next
    // waiting job only to stop it a moment later.
    const QList<DownloadPtr> jobs = m_downloads;
    // What was done before is no news once everything is called off (as on quitting).
    m_batchDone = m_batchFailed = 0;
    m_holdPump = true;
    for (const DownloadPtr& job : jobs) {
        if (isWaiting(*job) || job->isActive())
            cancel(*job);
    }
    m_holdPump = false;
    pump();
}

} // namespace reelcatch
