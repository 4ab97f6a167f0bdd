#include "ProcessGroup.h"

#include <QProcess>

#ifdef Q_OS_UNIX
#include <csignal>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

namespace reelcatch {

namespace ProcessGroup {

void setUp(QProcess& process)
{
#ifdef Q_OS_UNIX
    const pid_t parent = ::getpid();
    // Runs in the child between fork and exec: async-signal-safe calls only.
    process.setChildProcessModifier([parent] {
        ::setpgid(0, 0);
#ifdef Q_OS_LINUX
        // Should this application die, the kernel tells the child alone, so
        // the signal is SIGINT: to yt-dlp that is Ctrl+C, on which it kills
        // the ffmpeg it runs before exiting; after a SIGTERM that ffmpeg would
        // carry on. An application started in the background inherits SIGINT
        // ignored, which exec would pass on: its default action comes first.
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
