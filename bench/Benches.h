#pragma once

// The measurements, each run in a process of its own by the report. Each
// prints "RESULT key value" lines and returns the process's exit status.
#include <QStringList>

// One lookup of `count` entries through the app model; the answer is read
// from `answerFile` when given (as written by Bench::writePlaylistAnswer).
// The last `paced` entries come 30 every 300 ms, after the others at once.
int lookupBench(int count, const QString& answerFile = {}, int paced = 0);
// The downloads list of the real main window (offscreen) with `count` jobs
// queued and two downloading: enqueueing them, progress lines, Remove and
// Clear Finished. Builds its own QApplication (arguments after the mode).
int bigQueueBench(int argc, char** argv);
// ListingLines against QJsonDocument on every line of one per-entry answer.
int scanBench(const QString& answerFile);
// `jobs` fake downloads printing `linesPerSecond` progress lines for `seconds`.
int progressBench(int jobs, int linesPerSecond, int seconds);
// About `totalLines` recorded lines through LineReader and ProgressProtocol.
int linesBench(const QStringList& recordings, qint64 totalLines);
// Debian's yt-dlp fetching `megabytes` from the loopback server, through the
// model and alone, `rounds` times each.
int downloadBench(qint64 megabytes, int rounds);
