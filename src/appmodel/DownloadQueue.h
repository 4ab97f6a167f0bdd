#pragma once

#include "appmodel/Platform.h"
#include "appmodel/StartPacer.h"
#include "engine/YtdlpArgs.h"
#include "model/Download.h"
#include "model/VideoItem.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTimer>

#include <array>
#include <deque>
#include <functional>
#include <memory>

namespace reelcatch {

class Child;
class Engine;
class EngineReadiness;
class Prefs;

using DownloadPtr = std::shared_ptr<Download>;

// The download jobs, newest first, and the yt-dlp run of each active one.
// Jobs start from the end of the list, oldest first, up to the parallel
// limit. The first jobs of a batch start at once; after them the starts are
// spaced (PrefKey::startGap), so a big batch keeps under YouTube's limit. When
// YouTube limits requests all the same, the queue pauses: the job it stopped
// waits again in its place, and the queue resumes by itself later. Times come
// from the engine's clock. Lives on the GUI thread.
class DownloadQueue : public QObject {
    Q_OBJECT
public:
    DownloadQueue(Engine& engine, Prefs& prefs, EngineReadiness& readiness, Platform platform,
                  QObject* parent = nullptr);
    ~DownloadQueue() override;

    const QList<DownloadPtr>& downloads() const { return m_downloads; }

    // How many jobs are in each phase.
    int count(Download::Phase::Kind kind) const { return m_counts.at(std::size_t(kind)); }
    // Jobs still to do: waiting or running (the number on the icon's badge).
    int toDo() const;
    int finishedCount() const;

    // Queues a job for each item not already waiting or running in `preset`
    // (nor waiting to be added), newest first. Up to `slice` jobs go in at
    // once; the rest follow, as many a turn of the event loop, behind them.
    // `choice`: the formats picked for them, in place of the preset's;
    // `clip`: the stretch of each to fetch, in place of the whole.
    // `places`: where each item was listed in a playlist or channel (none, or
    // one for each item).
    void enqueue(const QList<VideoItem>& items, Preset preset,
                 const std::optional<FormatChoice>& choice = std::nullopt,
                 const std::optional<ClipRange>& clip = std::nullopt,
                 const QList<PlaylistPlace>& places = {});
    static constexpr int slice = 2000;
    // Adds at once what enqueue() left for later turns, starting none of it
    // (as on quitting, where it is kept for the next start).
    void addWaiting();
    // Brings back jobs kept from an earlier run, newest first, behind those
    // listed now; the waiting ones start under the parallel limit. A job
    // already listed, or waiting for what a listed job already waits for,
    // is left out; returns those left out.
    QList<DownloadPtr> restore(const QList<DownloadPtr>& jobs);
    void cancel(Download& job);
    void retry(Download& job);
    void remove(Download& job);
    void clearFinished();
    void cancelAll();
    // The cookies and proxy yt-dlp uses, asked at every start; none
    // until set.
    void setSession(std::function<YtdlpArgs::Session()> session) { m_session = std::move(session); }

    // When a paused queue resumes by itself; nothing while it runs.
    const std::optional<QDateTime>& pausedUntil() const { return m_pacer.pausedUntil(); }
    // The waiting job that the spacing between starts alone holds back, and
    // when it starts; nothing while no start waits for the spacing.
    struct Spaced {
        const Download* job = nullptr;
        QDateTime at;
        friend bool operator==(const Spaced&, const Spaced&) = default;
    };
    const std::optional<Spaced>& spaced() const { return m_spaced; }
    // The engine's clock.
    QDateTime now() const;
    void resumeNow();
    // Looks at the clock again: starts what the spacing allows by now and
    // ends a pause that is over. The queue's own timer calls it.
    void wake();

    // The pause between reads of a download's output: yt-dlp prints a
    // progress line every few milliseconds.
    static constexpr std::chrono::milliseconds outputPause{100};
    // How far, in seconds, a clip's length may be off its range.
    static constexpr double clipTolerance = 0.5;

signals:
    // Rows [first, last] are about to appear (for a view's rows): at the
    // front, or at the end for restored jobs.
    void jobsAboutToBeAdded(int first, int last);
    // Those jobs have appeared, in the list's order (newest first).
    void jobsAdded(const QList<reelcatch::DownloadPtr>& jobs);
    // Rows [first, last] are about to go / have gone.
    void jobsAboutToBeRemoved(int first, int last);
    void jobsRemoved();
    // The number of jobs in some phase changed.
    void countsChanged();
    // The queue paused or resumed (pausedUntil()).
    void pauseChanged();
    // spaced() changed.
    void spacedChanged();

private:
    struct Run {
        Child* child = nullptr;
        // The folder the run's yt-dlp works in.
        QString folder;
        // The message of the last "ERROR:" line of the run.
        QString lastError;
        // Whether the line last logged was a progress line.
        bool progressLogged = false;
        // The length ffprobe reported (when the run measures a clip).
        std::optional<double> measured = {};
    };

    // "Waiting…", untranslated.
    static const char* const waitingDetail;

    void add(const DownloadPtr& job);
    // Adds the next `slice` items waiting to be added, then pumps.
    void addSlice();
    void watch(const DownloadPtr& job);
    void phaseMoved(const Download* job);
    void countPending(const Download& job, Download::Phase::Kind kind, int change);
    void pump();
    // The run of a job (DownloadRun.cpp).
    void start(const DownloadPtr& job);
    void finish(const DownloadPtr& job, int status);
    // Measures a saved clip's length with ffprobe: a clip more than
    // clipTolerance seconds off its range fails.
    void checkClip(const DownloadPtr& job, const QString& folder);
    void clipChecked(const DownloadPtr& job, const QString& folder, std::optional<double> length);
    void saved(const DownloadPtr& job, const QString& folder);
    // Starts what may start now, and gives the cue for a drained batch.
    void settle();
    // Whether the spacing lets `job` start now; else arms the wake-up.
    bool mayStart(const Download* job);
    void pause();
    void armWake(const QDateTime& at);
    void removeIf(const std::function<bool(const Download&)>& predicate);
    void updateBadge();
    // Tells the notice when nothing is left to do of a batch with an outcome.
    void closeBatch();

    Engine& m_engine;
    Prefs& m_prefs;
    EngineReadiness& m_readiness;
    std::function<YtdlpArgs::Session()> m_session;
    Platform m_platform;
    QList<DownloadPtr> m_downloads;
    // The run of each job that has one; only it speaks for the job.
    QHash<const Download*, Run> m_runs;
    // The phase each job was last counted in.
    QHash<const Download*, Download::Phase::Kind> m_counted;
    std::array<int, 6> m_counts{};
    // The waiting and running jobs of each video and preset, by pendingKey().
    QHash<QString, int> m_pending;
    // The preset each video was first queued in: its file's name is the plain
    // one, those of the video's other presets carry the preset.
    QHash<QString, Preset> m_plainPreset;
    bool m_holdPump = false;
    // Items enqueued but not added yet, in the order given: m_later.front()
    // is added from its item m_laterNext on.
    struct Later {
        QList<VideoItem> items;
        Preset preset;
        std::optional<FormatChoice> choice;
        std::optional<ClipRange> clip;
        QList<PlaylistPlace> places;
    };
    std::deque<Later> m_later;
    qsizetype m_laterNext = 0;
    QTimer m_slicer;
    StartPacer m_pacer;
    // How often in a row each job met YouTube's limit without progress.
    QHash<const Download*, int> m_limitsInRow;
    QTimer m_wake;
    std::optional<Spaced> m_spaced;
    // The jobs saved and failed since the queue last ran dry, and where the
    // last one was saved.
    int m_batchDone = 0;
    int m_batchFailed = 0;
    QString m_batchFolder;
};

} // namespace reelcatch
