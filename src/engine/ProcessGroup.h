#pragma once

#include <QString>

class QProcess;

namespace reelcatch {

// Children that start children of their own (yt-dlp runs ffmpeg) are run as
// the leader of a process group, so stopping one stops everything it started.
namespace ProcessGroup {

// Call before start(), once program and arguments are set: the child leads a
// new process group and, on Linux, the kernel sends it SIGINT should this
// application die first. With `guard`, the path of reelcatch-guard, the
// program runs under that guard, which leads the group instead and ends it
// all should this application die, grandchildren included (the signal alone
// reaches the child only); without it, or should the program not be found
// (QProcess then reports that), the program runs directly.
void setUp(QProcess& process, const QString& guard = {});

// Sends SIGTERM to every process of the child's group (or to the child alone
// where groups are not available). Harmless once the child has exited.
void terminate(QProcess& process);

// The same with SIGKILL.
void kill(QProcess& process);

// Sends SIGTERM to whatever is left of the group that the child `leader`
// (its process id, 0 for none) led, once the child itself has exited: a
// yt-dlp killed from outside leaves its ffmpeg running otherwise.
void terminateRemains(long long leader);

// Whether the group that `leader` led still has members.
bool hasRemains(long long leader);

// Sends SIGKILL to whatever is left of that group.
void killRemains(long long leader);

} // namespace ProcessGroup

} // namespace reelcatch
