#pragma once

#include "engine/Engine.h"

#include <QByteArray>
#include <QDateTime>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// What a child run by runProcess() left behind.
struct ProcessResult {
    // False when it didn't start, crashed or ran out of time (it was then killed).
    bool finished = false;
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    bool ok() const { return finished && exitCode == 0; }
};

// Runs a program to its end on a local event loop (an HttpServer and the
// timers of the calling thread keep working), killing it after `timeoutMs`.
ProcessResult runProcess(const QString& program, const QStringList& args,
                         const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
                         int timeoutMs = 60000);

// A per-test sandbox in a temporary folder, removed with the object:
//   <root>/support          the managed-tools folder
//   <root>/cache            where children start (made when one starts)
//   <root>/bin0, bin1, bin2 stand-ins for the system bin directories
//   <root>/home             HOME, with the XDG folders below it
//   <root>/home/Downloads   the downloads folder
class TestEnv {
public:
    TestEnv();

    QString root() const { return m_dir.path(); }
    // `<root>/relative`, for files of a test's own.
    QString path(const QString& relative) const { return root() + u'/' + relative; }
    QString supportDir() const { return path(QStringLiteral("support")); }
    QStringList binDirs() const;
    QString homeDir() const { return path(QStringLiteral("home")); }
    QString downloadsDir() const { return path(QStringLiteral("home/Downloads")); }
    // The settings file (not created).
    QString settingsPath() const
    {
        return path(QStringLiteral("home/.config/Reelcatch/settings.ini"));
    }

    // The system environment with HOME and XDG_* in the sandbox, PATH "/usr/bin:/bin",
    // LANG and LC_ALL "C.UTF-8", no proxies and no_proxy "127.0.0.1,localhost".
    QProcessEnvironment childEnvironment() const;

    // supportDir, <root>/cache, binDirs, childEnvironment() and a clock that reads the
    // real time until setNow() fixes it (for every config handed out).
    reelcatch::EngineConfig engineConfig() const;
    void setNow(const QDateTime& now) { *m_now = now; }

    // Writes `content` to `path` (parents created; replaced atomically, so a running
    // program never sees half a file) with that mode. Returns the path, empty on failure.
    static QString writeFile(const QString& path, const QByteArray& content, int mode = 0644);
    static QString writeExecutable(const QString& path, const QByteArray& content, int mode = 0755)
    {
        return writeFile(path, content, mode);
    }
    static QString writeFileWithMtime(const QString& path, const QByteArray& content,
                                      const QDateTime& mtime, int mode = 0644);
    static bool setMtime(const QString& path, const QDateTime& mtime);
    // The permission bits (07777) of a file, -1 if it can't be read.
    static int mode(const QString& path);

    // An mp4 by /usr/bin/ffmpeg (640x360 test pattern, H.264, a tone, AAC), `seconds`
    // long, made once per process, copied to `dir`/`fileName`. Empty if ffmpeg failed.
    static QString makeClip(const QString& dir,
                            const QString& fileName = QStringLiteral("clip.mp4"), int seconds = 4);
    // A DASH presentation by /usr/bin/ffmpeg in `dir` (made empty first): 2 s
    // of 640x360 and 320x180 H.264, German AAC at 48 kHz and English at
    // 24 kHz (the sample rate tells them apart after a merge). Its manifest's
    // path; empty, with ffmpeg's complaint in `error`, if that failed.
    static QString makeDash(const QString& dir, QByteArray* error = nullptr);

    // For initTestCase(): this process's HOME and XDG_* in a private temporary folder,
    // no proxy variables, QStandardPaths' test mode on.
    static void isolateProcess();

private:
    QTemporaryDir m_dir;
    std::shared_ptr<QDateTime> m_now = std::make_shared<QDateTime>();
};
