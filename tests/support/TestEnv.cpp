#include "TestEnv.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

// The system environment with the proxy and XDG_* variables replaced.
QProcessEnvironment sandboxEnvironment(const QString& home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QStringList keys = env.keys();
    for (const QString& key : keys)
        if (key.endsWith(QLatin1String("_proxy"), Qt::CaseInsensitive) || key.startsWith(u"XDG_"))
            env.remove(key);
    for (const char* folder : {"HOME=", "XDG_CONFIG_HOME=/.config", "XDG_CACHE_HOME=/.cache",
                               "XDG_DATA_HOME=/.local/share", "XDG_STATE_HOME=/.local/state"}) {
        const QStringList pair = QString::fromLatin1(folder).split(u'=');
        env.insert(pair[0], home + pair[1]);
        QDir().mkpath(home + pair[1]);
    }
    for (const char* value :
         {"PATH=/usr/bin:/bin", "LANG=C.UTF-8", "LC_ALL=C.UTF-8", "no_proxy=127.0.0.1,localhost"})
        env.insert(QString::fromLatin1(value).section(u'=', 0, 0),
                   QString::fromLatin1(value).section(u'=', 1));
    return env;
}

} // namespace

ProcessResult runProcess(const QString& program, const QStringList& args,
                         const QProcessEnvironment& env, int timeoutMs)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setStandardInputFile(QProcess::nullDevice());
    QEventLoop loop;
    QObject::connect(&p, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&p, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    p.start(program, args);
    if (p.state() != QProcess::NotRunning)
        loop.exec();
    const bool ended = p.state() == QProcess::NotRunning && p.error() != QProcess::FailedToStart;
    if (!ended)
        p.kill(), p.waitForFinished(5000);
    return {ended && p.exitStatus() == QProcess::NormalExit, p.exitCode(),
            p.readAllStandardOutput(), p.readAllStandardError()};
}

TestEnv::TestEnv()
{
    const QStringList dirs = binDirs() << supportDir() << downloadsDir();
    for (const QString& dir : dirs)
        QDir().mkpath(dir);
}

QStringList TestEnv::binDirs() const
{
    return {path(QStringLiteral("bin0")), path(QStringLiteral("bin1")),
            path(QStringLiteral("bin2"))};
}

QProcessEnvironment TestEnv::childEnvironment() const
{
    return sandboxEnvironment(homeDir());
}

reelcatch::EngineConfig TestEnv::engineConfig() const
{
    reelcatch::EngineConfig config;
    config.supportDir = supportDir();
    config.workDir = path(QStringLiteral("cache"));
    config.binDirs = binDirs();
    config.baseEnvironment = childEnvironment();
    config.now = [now = m_now] { return now->isValid() ? *now : QDateTime::currentDateTimeUtc(); };
    config.guard = QStringLiteral(REELCATCH_GUARD_PATH);
    return config;
}

QString TestEnv::writeFile(const QString& path, const QByteArray& content, int mode)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    const bool done = file.open(QIODevice::WriteOnly) && file.write(content) == content.size() &&
                      ::fchmod(file.handle(), static_cast<mode_t>(mode)) == 0 && file.commit();
    return done ? path : QString();
}

QString TestEnv::writeFileWithMtime(const QString& path, const QByteArray& content,
                                    const QDateTime& mtime, int mode)
{
    return writeFile(path, content, mode).isEmpty() || !setMtime(path, mtime) ? QString() : path;
}

bool TestEnv::setMtime(const QString& path, const QDateTime& mtime)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) &&
           file.setFileTime(mtime, QFileDevice::FileModificationTime);
}

int TestEnv::mode(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0
               ? static_cast<int>(st.st_mode & 07777)
               : -1;
}

QString TestEnv::makeClip(const QString& dir, const QString& fileName, int seconds)
{
    static QTemporaryDir cache;
    const QString made = cache.filePath(QStringLiteral("clip-%1.mp4").arg(seconds));
    if (!QFileInfo::exists(made)) {
        QStringList args = QStringLiteral("-nostdin -loglevel error -f lavfi -i "
                                          "testsrc=duration=S:size=640x360:rate=25 -f lavfi -i "
                                          "sine=frequency=440:duration=S -c:v libx264 -c:a aac "
                                          "-shortest -movflags +faststart -y")
                               .split(u' ');
        args.replaceInStrings(QStringLiteral("duration=S"),
                              QStringLiteral("duration=%1").arg(seconds));
        const ProcessResult r = runProcess(QStringLiteral("/usr/bin/ffmpeg"),
                                           args << made + QStringLiteral(".part.mp4"),
                                           sandboxEnvironment(cache.path()), 120000);
        if (!r.ok() || !QFile::rename(made + QStringLiteral(".part.mp4"), made)) {
            qWarning("ffmpeg failed: %s", r.err.constData());
            return {};
        }
    }
    const QString target = dir + u'/' + fileName;
    QDir().mkpath(dir);
    QFile::remove(target);
    return QFile::copy(made, target) ? target : QString();
}

QString TestEnv::makeDash(const QString& dir, QByteArray* error)
{
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    const QStringList args =
        QStringLiteral(
            "-nostdin -loglevel error -f lavfi -i testsrc=duration=2:size=640x360:rate=25 "
            "-f lavfi -i sine=frequency=440:duration=2:sample_rate=48000 "
            "-f lavfi -i sine=frequency=660:duration=2:sample_rate=24000 -map 0:v -map 0:v "
            "-map 1:a -map 2:a -c:v libx264 -preset ultrafast -c:a aac -s:v:0 640x360 "
            "-s:v:1 320x180 -metadata:s:a:0 language=deu -metadata:s:a:1 language=eng -f dash "
            "-adaptation_sets")
            .split(u' ')
        << QStringLiteral("id=0,streams=v id=1,streams=2 id=2,streams=3")
        << dir + QStringLiteral("/manifest.mpd");
    const ProcessResult r =
        runProcess(QStringLiteral("/usr/bin/ffmpeg"), args, sandboxEnvironment(dir), 120000);
    if (error)
        *error = r.err;
    return r.ok() ? dir + QStringLiteral("/manifest.mpd") : QString();
}

void TestEnv::isolateProcess()
{
    static QTemporaryDir home;
    const QProcessEnvironment env = sandboxEnvironment(home.path());
    const QStringList keys = QProcessEnvironment::systemEnvironment().keys();
    for (const QString& key : keys)
        if (!env.contains(key))
            qunsetenv(key.toLocal8Bit().constData());
    for (const QString& key : env.keys())
        if (key == u"HOME" || key == u"no_proxy" || key.startsWith(u"XDG_"))
            qputenv(key.toLocal8Bit().constData(), env.value(key).toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
}
