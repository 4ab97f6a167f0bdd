#include "engine/PacedOutput.h"

#include <QProcess>
#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace reelcatch {

PacedOutput::PacedOutput(QProcess& process, std::chrono::milliseconds pause, Sink sink)
    : QObject(&process), m_process(process), m_sink(std::move(sink)), m_pause(pause)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::CoarseTimer);
    connect(&m_timer, &QTimer::timeout, this, &PacedOutput::readSome);

#ifdef Q_OS_UNIX
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) == 0) {
        m_readFd = fds[0];
        m_writeFd = fds[1];
        ::fcntl(m_readFd, F_SETFL, ::fcntl(m_readFd, F_GETFL) | O_NONBLOCK);
        // The child writes both streams into the pipe; QProcess makes none.
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        const int fd = m_writeFd;
        const std::function<void()> previous = process.childProcessModifier();
        // Runs in the child between fork and exec: async-signal-safe calls only.
        // dup2 clears close-on-exec on the copies; the original closes at exec.
        process.setChildProcessModifier([previous, fd] {
            if (previous)
                previous();
            ::dup2(fd, STDOUT_FILENO);
            ::dup2(fd, STDERR_FILENO);
        });
        m_buffer.resize(burst);
        m_notifier = new QSocketNotifier(qintptr(m_readFd), QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &PacedOutput::readSome);
        return;
    }
#endif
    process.setProcessChannelMode(QProcess::MergedChannels);
    connect(&process, &QProcess::readyReadStandardOutput, this,
            [this] { m_sink(m_process.readAllStandardOutput()); });
}

PacedOutput::~PacedOutput()
{
    started();
    closeRead();
}

void PacedOutput::started()
{
#ifdef Q_OS_UNIX
    if (m_writeFd >= 0) {
        ::close(m_writeFd);
        m_writeFd = -1;
    }
#endif
}

void PacedOutput::readSome()
{
#ifdef Q_OS_UNIX
    if (m_readFd < 0)
        return;
    qsizetype got = 0;
    bool ended = false;
    while (got < burst) {
        const ssize_t n = ::read(m_readFd, m_buffer.data(), size_t(burst - got));
        if (n > 0) {
            got += n;
            m_sink(QByteArrayView(m_buffer.constData(), n));
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            ended = n == 0; // every writer has gone; otherwise nothing more for now
            break;
        }
    }
    if (ended) {
        closeRead();
        return;
    }
    if (got >= large)
        m_eagerUntil.setRemainingTime(eagerFor);
    if (got == 0 || !m_eagerUntil.hasExpired()) {
        // Quiet: wake on the next byte. Busy: read on as it comes.
        m_timer.stop();
        m_notifier->setEnabled(true);
    } else {
        m_notifier->setEnabled(false);
        m_timer.start(m_pause);
    }
#endif
}

void PacedOutput::drain()
{
    started();
#ifdef Q_OS_UNIX
    if (m_readFd < 0)
        return;
    // Only what is in the pipe now: a grandchild still writing must not keep
    // this loop going.
    int left = 0;
    if (::ioctl(m_readFd, FIONREAD, &left) != 0)
        left = 0;
    while (left > 0) {
        const ssize_t n = ::read(m_readFd, m_buffer.data(), size_t(qMin<qsizetype>(left, burst)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        left -= int(n);
        m_sink(QByteArrayView(m_buffer.constData(), n));
    }
    closeRead();
#else
    m_sink(m_process.readAllStandardOutput());
#endif
}

void PacedOutput::closeRead()
{
    m_timer.stop();
    delete m_notifier;
    m_notifier = nullptr;
#ifdef Q_OS_UNIX
    if (m_readFd >= 0) {
        ::close(m_readFd);
        m_readFd = -1;
    }
#endif
}

} // namespace reelcatch
