#include "engine/ProcessGroup.h"

#include "engine/Log.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

namespace reelcatch {

namespace ProcessGroup {

#ifdef Q_OS_UNIX
namespace {

// The read end of a pipe whose write end this process keeps, unwritten, until
// it dies: every guard watches a copy and sees it hang up then. Both ends
// close on exec, so no other child holds the write end; -1 without a pipe.
int lifeline()
{
    static const int readEnd = [] {
        int fds[2];
        return ::pipe2(fds, O_CLOEXEC) == 0 ? fds[0] : -1;
    }();
    return readEnd;
}

// The program QProcess would run: found in PATH as QProcess finds it, or the
// executable file named; empty when there is none.
QString runnable(const QString& program)
{
    if (!program.contains(u'/'))
        return QStandardPaths::findExecutable(program);
    const QFileInfo info(program);
    return info.isFile() && info.isExecutable() ? program : QString();
}

} // namespace
#endif

void setUp(QProcess& process, const QString& guard)
{
#ifdef Q_OS_UNIX
    const pid_t parent = ::getpid();
    int watched = -1;
    if (!guard.isEmpty()) {
        const QString program = runnable(process.program());
        if (!QFileInfo(guard).isExecutable())
            qCWarning(lcEngine) << "the guard" << guard << "is missing, running"
                                << process.program() << "without it";
        else if (!program.isEmpty() && (watched = lifeline()) >= 0) {
            process.setArguments(QStringList{QStringLiteral("--lifeline=%1").arg(watched),
                                             QStringLiteral("--"), program} +
                                 process.arguments());
            process.setProgram(guard);
        }
    }
    // Runs in the child between fork and exec: async-signal-safe calls only.
    process.setChildProcessModifier([parent, watched] {
        ::setpgid(0, 0);
        // The guard's copy of the lifeline stays open across exec.
        if (watched >= 0)
            ::fcntl(watched, F_SETFD, 0);
#ifdef Q_OS_LINUX
        // Should this application die, the kernel tells the child alone, so
        // the signal is SIGINT: to yt-dlp that is Ctrl+C, on which it kills
        // the ffmpeg it runs before exiting; after a SIGTERM that ffmpeg would
        // carry on. An application started in the background inherits SIGINT
        // ignored, which exec would pass on: its default action comes first.
        // (A guard replaces this with a signal of its own, and asks for
        // SIGINT for the program it runs.)
        ::signal(SIGINT, SIG_DFL);
        ::prctl(PR_SET_PDEATHSIG, SIGINT);
        // The parent may have died before the request was made.
        if (::getppid() != parent)
            ::raise(SIGINT);
#else
        (void)parent;
#endif
    });
#else
    (void)process;
    (void)guard;
#endif
}

namespace {

void signalGroup(QProcess& process, int signal)
{
#ifdef Q_OS_UNIX
    const qint64 pid = process.processId();
    if (pid <= 0)
        return;
    // The child made itself a group leader right after fork; should it not
    // have got that far yet, the signal still reaches it directly.
    if (::kill(-pid_t(pid), signal) != 0)
        ::kill(pid_t(pid), signal);
#else
    if (signal == SIGKILL)
        process.kill();
    else
        process.terminate();
#endif
}

} // namespace

void terminate(QProcess& process)
{
    signalGroup(process, SIGTERM);
}

void kill(QProcess& process)
{
    signalGroup(process, SIGKILL);
}

void terminateRemains(long long leader)
{
#ifdef Q_OS_UNIX
    // Only the group: the leader's own id may already belong to another
    // process, but not while a group of that id still has members.
    if (leader > 0)
        ::kill(-pid_t(leader), SIGTERM);
#else
    (void)leader;
#endif
}

bool hasRemains(long long leader)
{
#ifdef Q_OS_UNIX
    return leader > 0 && ::kill(-pid_t(leader), 0) == 0;
#else
    (void)leader;
    return false;
#endif
}

void killRemains(long long leader)
{
#ifdef Q_OS_UNIX
    if (leader > 0)
        ::kill(-pid_t(leader), SIGKILL);
#else
    (void)leader;
#endif
}

} // namespace ProcessGroup

} // namespace reelcatch
