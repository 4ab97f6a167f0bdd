#pragma once

#include "Download.h"
#include "Platform.h"
#include "VideoItem.h"

#include <QHash>
#include <QList>
#include <QObject>

#include <array>
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
// limit. Lives on the GUI thread.
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

    void enqueue(const QList<VideoItem>& items, Preset preset);
    void cancel(Download& job);
    void retry(Download& job);
    void remove(Download& job);
    void clearFinished();
    void cancelAll();

    // The pause between reads of a download's output: yt-dlp prints a
    // progress line every few milliseconds.
    static constexpr std::chrono::milliseconds outputPause{100};

signals:
    // Rows [first, last] are about to appear / have appeared at the front.
    void jobsAboutToBeAdded(int first, int last);
    void jobsAdded();
    // Rows [first, last] are about to go / have gone.
    void jobsAboutToBeRemoved(int first, int last);
    void jobsRemoved();
    // The number of jobs in some phase changed.
    void countsChanged();

private:
    struct Run {
        Child* child = nullptr;
        // The folder the run's yt-dlp works in.
        QString folder;
        // The message of the last "ERROR:" line of the run.
        QString lastError;
    };

    void add(const DownloadPtr& job);
    void watch(const DownloadPtr& job);
    void phaseMoved(const Download* job);
    void countPending(const Download& job, Download::Phase::Kind kind, int change);
    void pump();
    void start(const DownloadPtr& job);
    void finish(const DownloadPtr& job, int status);
    void removeIf(const std::function<bool(const Download&)>& predicate);
    void updateBadge();

    Engine& m_engine;
    Prefs& m_prefs;
    EngineReadiness& m_readiness;
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
};

} // namespace reelcatch
