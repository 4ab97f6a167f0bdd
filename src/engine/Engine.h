#pragma once

#include "engine/AppError.h"
#include "engine/ChildProcess.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace reelcatch {

// Where the engine looks for things. The desktop uses forUser(); tests build
// their own so they never touch the real home folder or system tools.
struct EngineConfig {
    // The private folder of managed tools ("yt-dlp", "deno", "ffmpeg", "ffprobe").
    QString supportDir;
    // Where children start unless told otherwise (made when missing): never
    // the folder the application was started from, as yt-dlp reads a
    // configuration file from its working folder. The support folder when
    // empty.
    QString workDir;
    // The system directories searched, in order, when no managed copy exists.
    QStringList binDirs;
    // The environment every child process starts from.
    QProcessEnvironment baseEnvironment;
    // The clock used for file ages.
    std::function<QDateTime()> now;
    // What starts the children; a SystemRunner when none is given.
    std::shared_ptr<ProcessRunner> runner;
    // The guard that SystemRunner runs every child under; empty for none.
    QString guard;

    static EngineConfig forUser();
};

// What a one-shot child process left behind.
struct RunResult {
    int status = 0;
    QByteArray out;
    QString err;
};

// Finds, runs and (later) installs the outside tools. Stateless apart from its
// configuration: every lookup checks the file system afresh.
class Engine {
public:
    explicit Engine(EngineConfig config);

    const EngineConfig& config() const { return m_config; }
    const QString& supportDir() const { return m_config.supportDir; }
    const QStringList& binDirs() const { return m_config.binDirs; }
    QString managedYtdlp() const;
    QString managedDeno() const;
    QString managedFfmpeg() const;
    QString managedFfprobe() const;

    // Tool lookup: the managed copy first, then the system directories.
    std::optional<QString> ytdlp() const;
    std::optional<QString> deno() const;
    // ffmpeg only counts with an executable ffprobe beside it.
    std::optional<QString> ffmpeg() const;
    // The first bin directory holding an executable file of that name.
    std::optional<QString> which(const QString& name) const;
    // A regular file that the current user may execute.
    static bool isExec(const QString& path);

    // The machine field of uname(2), such as "x86_64" or "aarch64".
    static QString machineHardwareName();
    static bool isArm();

    // The environment for every child: the base environment with PATH led by
    // the support folder and the bin directories.
    QProcessEnvironment environment() const;
    // A child of `program` in the engine's environment, not started yet,
    // owned by `parent`; one without a working folder starts in workDir.
    Child* spawn(ChildSpec spec, QObject* parent) const;

    using RunDone = std::function<void(Result<RunResult>)>;
    // Runs a program to completion on the event loop of the calling thread
    // and calls `done` once, in `context`'s thread, with its standard output
    // and the tail of its standard error. A program that cannot be started
    // is an error; one that runs and fails is reported through its status.
    // Nothing is called if `context` is destroyed first (the child is then
    // stopped with it).
    void run(const QString& program, const QStringList& args, QObject* context, RunDone done) const;

    // The version the yt-dlp in use prints, trimmed; nothing on any failure.
    void version(QObject* context, std::function<void(std::optional<QString>)> done) const;

    // Seconds since the file was last modified; nothing when it can't be read.
    std::optional<double> age(const QString& path) const;

    // The message of the last line that begins with "ERROR:".
    static std::optional<QString> lastError(const QString& stderrText);

private:
    EngineConfig m_config;
};

} // namespace reelcatch
