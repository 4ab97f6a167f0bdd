#pragma once

#include "Engine.h"

#include <QByteArray>
#include <QDateTime>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

using namespace reelcatch;

// What a child run by runProcess() left behind.
struct ProcessResult {
    bool started = false;
    // False when the time ran out (the child was then killed).
    bool finished = false;
    int exitCode = -1;
    QProcess::ExitStatus exitStatus = QProcess::NormalExit;
    QByteArray out;
    QByteArray err;
    qint64 elapsedMs = 0;

    bool ok() const { return finished && exitStatus == QProcess::NormalExit && exitCode == 0; }
};

// Runs a program to its end on a local event loop (so an HttpServer or
// timers of the calling thread keep working), killing it after `timeoutMs`.
ProcessResult runProcess(const QString& program, const QStringList& args,
                         const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
                         int timeoutMs = 60000, const QString& workingDir = {},
                         const QByteArray& input = {});

// A per-test sandbox in a temporary folder, removed with the object:
//   <root>/support             the managed-tools folder
//   <root>/bin0, bin1, bin2    stand-ins for the system bin directories
//   <root>/home                HOME, with .config, .cache, .local/share and
//                              .local/state as the XDG folders
//   <root>/home/Downloads      the downloads folder
//   <root>/home/.config/Reelcatch/settings.ini   the settings file (not created)
class TestEnv {
public:
    TestEnv();
    TestEnv(const TestEnv&) = delete;
    TestEnv& operator=(const TestEnv&) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString root() const { return m_root; }
    // `<root>/relative`, for files of a test's own.
    QString path(const QString& relative) const;
    QString supportDir() const;
    QStringList binDirs() const;
    QString homeDir() const;
    QString configHome() const;
    QString cacheHome() const;
    QString dataHome() const;
    QString stateHome() const;
    QString downloadsDir() const;
    QString settingsPath() const;

    // The system environment with HOME and XDG_* inside the sandbox (other
    // XDG_* variables removed), PATH "/usr/bin:/bin", LANG and LC_ALL
    // "C.UTF-8", every *_proxy/*_PROXY variable removed and no_proxy
    // "127.0.0.1,localhost".
    QProcessEnvironment childEnvironment() const;

    // supportDir, binDirs, childEnvironment() and a clock that reads the
    // real time until setNow() fixes it (shared by every config handed out).
    EngineConfig engineConfig() const;
    void setNow(const QDateTime& now);
    void clearNow();

    // Writes `content` to `path` (parents created; replaced atomically, so a
    // running program never sees half a file) and sets the mode. Returns the
    // path, or an empty string on failure.
    static QString writeFile(const QString& path, const QByteArray& content, int mode = 0644);
    static QString writeExecutable(const QString& path, const QByteArray& content, int mode = 0755);
    // writeFile() and then the modification time.
    static QString writeFileWithMtime(const QString& path, const QByteArray& content,
                                      const QDateTime& mtime, int mode = 0644);
    static bool setMtime(const QString& path, const QDateTime& mtime);
    // The permission bits (07777) of a file, -1 if it can't be read.
    static int mode(const QString& path);

    // A small mp4 made by /usr/bin/ffmpeg: 640x360 test pattern at 25 fps,
    // H.264 video and AAC audio (a 440 Hz tone), `seconds` long. Made once
    // per process and copied; returns the path, or empty if ffmpeg failed.
    static QString makeClip(const QString& dir,
                            const QString& fileName = QStringLiteral("clip.mp4"), int seconds = 4);
    // The DASH variant: `dir`/manifest.mpd plus its init and media segments
    // (video and audio in separate adaptation sets, 2 s segments). Returns
    // the manifest's path, or empty if ffmpeg failed.
    static QString makeDash(const QString& dir, int seconds = 6);

    // For a test's initTestCase(): points this process's HOME and XDG_* at a
    // private temporary folder, removes its proxy variables and turns on
    // QStandardPaths' test mode, so code running in the test itself can't
    // touch the user's files or leave 127.0.0.1.
    static void isolateProcess();

private:
    QTemporaryDir m_dir;
    QString m_root;
    std::shared_ptr<QDateTime> m_now;
};
