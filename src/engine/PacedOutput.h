#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDeadlineTimer>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>

class QProcess;
class QSocketNotifier;

namespace reelcatch {

// Reads a child's standard output and standard error, merged in the order it
// wrote them, through a pipe of its own rather than QProcess's channels.
//
// A downloader prints a progress line every few milliseconds; reading each
// as it comes would wake the event loop hundreds of times a second for a few
// dozen bytes each time. Here, after a read that found only a little, the
// pipe is left alone for `pause` and then read in one go, so a steady stream
// costs a few wakeups a second whatever its line rate. A read that finds a
// lot puts the reader back to reading everything as it comes for a while, so
// a child that writes much (and would otherwise wait on a full pipe) is not
// slowed down; while the child is quiet, its next byte is read at once.
//
// The object belongs to its QProcess (a child QObject) and must be created
// before start(); call started() right after start() and drain() once the
// process has finished. Where pipes of our own are not available it falls
// back to QProcess's merged channels, read as they come.
class PacedOutput : public QObject {
    Q_OBJECT
public:
    using Sink = std::function<void(QByteArrayView)>;

    PacedOutput(QProcess& process, std::chrono::milliseconds pause, Sink sink);
    ~PacedOutput() override;

    // Closes this side's copy of the pipe's write end, so that only the child
    // (and whatever it starts) holds it.
    void started();
    // Hands over what the child left in the pipe, without waiting for more,
    // and stops reading. Anything a grandchild still writes afterwards is
    // refused (it gets a broken pipe), as it would be with QProcess.
    void drain();

    // The most bytes read in one go before the event loop gets its turn.
    static constexpr qsizetype burst = 64 * 1024;
    // A read of at least this much means the child writes more than a trickle
    // of lines: everything is then read as it comes for `eagerFor`.
    static constexpr qsizetype large = 16 * 1024;
    static constexpr std::chrono::milliseconds eagerFor{1000};

private:
    void readSome();
    void closeRead();

    QProcess& m_process;
    Sink m_sink;
    std::chrono::milliseconds m_pause;
    QTimer m_timer;
    QDeadlineTimer m_eagerUntil;
    QSocketNotifier* m_notifier = nullptr;
    QByteArray m_buffer;
    int m_readFd = -1;
    int m_writeFd = -1;
};

} // namespace reelcatch
