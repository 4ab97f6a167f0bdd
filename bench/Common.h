#pragma once

// What every measurement of the bench shares: memory and CPU readings of this
// process, a probe for the GUI thread's lateness, a watch on a child's exit,
// and the answers and lines the measurements feed the model.
#include "engine/ToolInstaller.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <thread>

namespace Bench {

// One result line: "RESULT key value", read back by the report.
void result(const char* key, double value);

// Kilobytes from /proc/self/status ("VmRSS", "VmHWM"); -1 when unreadable.
qint64 statusKb(const char* field);
// Resets VmHWM to the current RSS through /proc/self/clear_refs; false when
// the kernel refuses.
bool resetPeak();

// User plus system CPU time of this whole process (every thread), in seconds.
double cpuSeconds();
// The calling thread's CPU time in nanoseconds.
qint64 threadCpuNs();

// A timer on the calling thread's event loop, firing every `intervalMs`,
// that keeps the worst lateness of a tick behind its due time. Beside it,
// the CPU time the thread itself used in that interval: on a busy machine
// a tick is also late while the thread merely waits for a processor.
class StallProbe : public QObject {
public:
    explicit StallProbe(int intervalMs = 5);
    void start();
    void stop();
    double worstMs() const { return m_worstNs / 1e6; }
    // The thread's own CPU time in the worst interval.
    double worstBusyMs() const { return m_worstBusyNs / 1e6; }
    // The most CPU time the thread used between two ticks, minus the interval.
    double longestBusyMs() const { return m_longestBusyNs / 1e6; }
    // When the worst late tick came (nowNs()).
    qint64 worstAtNs() const { return m_worstAtNs; }

private:
    QTimer m_timer;
    qint64 m_intervalNs;
    qint64 m_lastNs = 0;
    qint64 m_lastCpuNs = 0;
    qint64 m_worstNs = 0;
    qint64 m_worstBusyNs = 0;
    qint64 m_longestBusyNs = 0;
    qint64 m_worstAtNs = 0;
};

// Notes the moment a process ends, from a thread of its own (a pidfd, or
// /proc polled every 0.2 ms where there is none). The process need not be a
// child of this one, and it is never reaped here.
class ExitWatch {
public:
    explicit ExitWatch(qint64 pid);
    ~ExitWatch();
    ExitWatch(const ExitWatch&) = delete;
    ExitWatch& operator=(const ExitWatch&) = delete;

    // Nanoseconds on the monotonic clock (QElapsedTimer's reference) of the
    // exit; 0 while it has not been seen.
    qint64 exitNs() const { return m_exitNs.load(); }

private:
    std::atomic<qint64> m_exitNs{0};
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// The monotonic clock in nanoseconds, the same one ExitWatch uses.
qint64 nowNs();

// Writes a flat playlist answer shaped like yt-dlp's per-entry answer for a
// YouTube channel's video list ("-j --flat-playlist --lazy-playlist"): entries
// [first, first + count) of `total` (default: as many as written), a line
// of about 1.2 KB each, some titles with escaped non-ASCII text and quotes,
// some durations missing. Returns the bytes written, -1 on failure.
qint64 writePlaylistAnswer(const QString& path, int count, int first = 0, int total = -1);

// Recorded yt-dlp download transcripts: their output lines, the argument and
// status lines ("# ...") left out. Empty when none can be read.
QList<QByteArray> recordedLines(const QStringList& files);

} // namespace Bench

namespace Bench {

// An installer that is never needed: the bench provides every tool.
class IdleInstaller final : public reelcatch::ToolInstaller {
public:
    void installYtdlp(QObject*, OnDone, Progress) override {}
    void installDeno(QObject*, OnDone, Progress) override {}
    void installFfmpeg(QObject*, OnDone) override {}
};

} // namespace Bench
