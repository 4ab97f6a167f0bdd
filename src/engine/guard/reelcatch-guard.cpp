// reelcatch-guard: runs one program so that nothing it starts outlives the
// application.
//
//   reelcatch-guard [--lifeline=FD] -- PROGRAM [ARGUMENT...]
//
// The application starts each child through the guard, as the leader of a
// process group of its own (ProcessGroup::setUp). The guard runs PROGRAM in
// that group and waits for it. Should the application die, however it dies,
// the guard learns it from the lifeline FD (a pipe whose write end only the
// application holds: once it is gone, the read end hangs up) or from the
// parent-death signal, sends SIGTERM to the whole group and SIGKILL a second
// later. The parent-death signal alone would reach the guard only, not what
// PROGRAM started.
//
// Otherwise the guard ends the way PROGRAM ended, with its exit status or by
// the same signal, so the application sees the same end as without it. The
// application's own stop (SIGTERM to the group) reaches PROGRAM directly; the
// guard waits for it. Orphans of PROGRAM come to the guard, their subreaper,
// and are reaped. The guard writes nothing unless PROGRAM cannot be run, and
// PROGRAM gets the guard's descriptors but the lifeline.
//
// Exit status of the guard's own failures: 125 (usage, no resources), 126
// (PROGRAM cannot be run), 127 (PROGRAM not found).
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <iterator>
#include <poll.h>
#include <string_view>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif

namespace {

// From the application's end to SIGKILL for what did not stop on SIGTERM.
constexpr long long graceMs = 1000;

int wakeWrite = -1;
volatile sig_atomic_t terminated = 0;

// Every signal the guard listens to wakes its loop through a pipe of its own.
void wake(int signal)
{
    const int saved = errno;
    if (signal == SIGTERM)
        terminated = 1;
    const char byte = 0;
    [[maybe_unused]] const ssize_t n = ::write(wakeWrite, &byte, 1);
    errno = saved;
}

long long nowMs()
{
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000LL + now.tv_nsec / 1000000;
}

// Ends the guard by `signal` (without a core file).
[[noreturn]] void dieBy(int signal)
{
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    ::signal(signal, SIG_DFL);
    sigset_t set;
    ::sigemptyset(&set);
    ::sigaddset(&set, signal);
    ::sigprocmask(SIG_UNBLOCK, &set, nullptr);
    ::raise(signal);
    std::_Exit(128 + signal);
}

// Ends the guard the way its child ended, as waitpid() told it.
[[noreturn]] void endLike(int status)
{
    if (WIFSIGNALED(status))
        dieBy(WTERMSIG(status));
    std::_Exit(WIFEXITED(status) ? WEXITSTATUS(status) : 125);
}

int usage()
{
    std::fputs("usage: reelcatch-guard [--lifeline=FD] -- PROGRAM [ARGUMENT...]\n", stderr);
    return 125;
}

} // namespace

int main(int argc, char** argv)
{
    int lifeline = -1;
    int first = 1;
    for (; first < argc; ++first) {
        const std::string_view arg = argv[first];
        if (arg == "--") {
            ++first;
            break;
        }
        if (!arg.starts_with("--lifeline="))
            return usage();
        lifeline = std::atoi(arg.data() + std::strlen("--lifeline="));
    }
    if (first >= argc)
        return usage();
    // The lifeline stays with the guard: PROGRAM must not keep it.
    if (lifeline >= 0 && ::fcntl(lifeline, F_SETFD, FD_CLOEXEC) != 0)
        lifeline = -1;
    const pid_t app = ::getppid();

    int wakeFds[2];
    if (::pipe2(wakeFds, O_CLOEXEC | O_NONBLOCK) != 0)
        return 125;
    wakeWrite = wakeFds[1];
    struct sigaction action {};
    action.sa_handler = wake;
    action.sa_flags = SA_NOCLDSTOP;
    ::sigemptyset(&action.sa_mask);
    constexpr int heard[] = {SIGCHLD, SIGTERM, SIGINT, SIGHUP};
    struct sigaction inherited[std::size(heard)] = {};
    for (size_t i = 0; i < std::size(heard); ++i)
        ::sigaction(heard[i], &action, &inherited[i]);
#ifdef __linux__
    ::prctl(PR_SET_CHILD_SUBREAPER, 1);
    ::prctl(PR_SET_PDEATHSIG, SIGHUP);
#endif
    // Stopped before PROGRAM could start: it never does.
    if (terminated)
        dieBy(SIGTERM);

    const pid_t child = ::fork();
    if (child < 0)
        return 125;
    if (child == 0) {
        // PROGRAM gets the signal dispositions the guard got (an ignored
        // SIGHUP stays ignored). Should the guard die alone, PROGRAM hears
        // of it as it would have of the application's death.
        for (size_t i = 0; i < std::size(heard); ++i)
            ::sigaction(heard[i], &inherited[i], nullptr);
#ifdef __linux__
        ::prctl(PR_SET_PDEATHSIG, SIGINT);
#endif
        ::execvp(argv[first], argv + first);
        const int error = errno;
        std::fprintf(stderr, "reelcatch-guard: cannot run %s: %s\n", argv[first],
                     std::strerror(error));
        std::_Exit(error == ENOENT ? 127 : 126);
    }

    // The whole group while the guard leads it (as it should); the child
    // alone otherwise, so that nothing else is ever hit.
    const auto signalAll = [child](int signal) {
        if (::getpgrp() == ::getpid())
            ::kill(0, signal);
        else
            ::kill(child, signal);
    };
    bool appGone = false;
    long long deadline = 0;
    const auto appDied = [&] {
        appGone = true;
        signalAll(SIGTERM);
        deadline = nowMs() + graceMs;
    };
    for (;;) {
        bool childEnded = false;
        bool noChildren = false;
        int status = 0;
        for (;;) {
            int reaped = 0;
            const pid_t pid = ::waitpid(-1, &reaped, WNOHANG);
            if (pid == child)
                childEnded = true, status = reaped;
            if (pid <= 0) {
                noChildren = pid < 0 && errno == ECHILD;
                break;
            }
        }
        if (!appGone && ::getppid() != app)
            appDied();
        if (!appGone && childEnded)
            endLike(status);
        // Everything the guard started ended (a subreaper has no child left
        // only once all its descendants are gone), or the grace period did.
        if (appGone && (noChildren || nowMs() >= deadline)) {
            signalAll(SIGKILL);
            std::_Exit(125);
        }

        pollfd watched[2] = {{wakeFds[0], POLLIN, 0}, {lifeline, POLLIN, 0}};
        const int timeout = appGone ? int(std::max(0LL, deadline - nowMs())) : -1;
        const nfds_t count = lifeline >= 0 && !appGone ? 2 : 1;
        if (::poll(watched, count, timeout) < 0 && errno != EINTR)
            ::usleep(10000);
        char drain[64];
        while (::read(wakeFds[0], drain, sizeof drain) > 0) {
        }
        // Nobody writes to the lifeline: any event on it is its hang-up.
        if (count == 2 && watched[1].revents != 0)
            appDied();
    }
}
