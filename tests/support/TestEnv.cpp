#include "TestEnv.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

QProcessEnvironment sandboxEnvironment(const QString& home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QStringList keys = env.keys();
    for (const QString& key : keys)
        if (key.endsWith(QLatin1String("_proxy"), Qt::CaseInsensitive) ||
            key.startsWith(QLatin1String("XDG_")))
            env.remove(key);
    const QStringList dirs{QStringLiteral("CONFIG=.config"), QStringLiteral("CACHE=.cache"),
                           QStringLiteral("DATA=.local/share"),
                           QStringLiteral("STATE=.local/state")};
    for (const QString& dir : dirs) {
        const QString folder = home + u'/' + dir.section(u'=', 1);
        QDir().mkpath(folder);
        env.insert(QStringLiteral("XDG_%1_HOME").arg(dir.section(u'=', 0, 0)), folder);
    }
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("no_proxy"), QStringLiteral("127.0.0.1,localhost"));
    return env;
}

} // namespace

ProcessResult runProcess(const QString& program, const QStringList& args,
                         const QProcessEnvironment& env, int timeoutMs)
{
    ProcessResult r;
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
    if (p.state() != QProcess::NotRunning) {
        p.kill();
        p.waitForFinished(5000);
    } else if (p.error() != QProcess::FailedToStart) {
        r.finished = true;
        r.exitCode = p.exitCode();
        r.exitStatus = p.exitStatus();
    }
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
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
    config.binDirs = binDirs();
    config.baseEnvironment = childEnvironment();
    config.now = [now = m_now] { return now->isValid() ? *now : QDateTime::currentDateTimeUtc(); };
    return config;
}

QString TestEnv::writeFile(const QString& path, const QByteArray& content, int mode)
{
    static int counter = 0;
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString part = path + QStringLiteral(".part%1").arg(++counter);
    QFile file(part);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
    file.close();
    if (!written || ::chmod(QFile::encodeName(part).constData(), static_cast<mode_t>(mode)) != 0 ||
        ::rename(QFile::encodeName(part).constData(), QFile::encodeName(path).constData()) != 0) {
        QFile::remove(part);
        return {};
    }
    return path;
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
                                          "-shortest -y")
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

void TestEnv::isolateProcess()
{
    static QTemporaryDir home;
    const QProcessEnvironment env = sandboxEnvironment(home.path());
    const QStringList keys = QProcessEnvironment::systemEnvironment().keys();
    for (const QString& key : keys)
        if (!env.contains(key))
            qunsetenv(key.toLocal8Bit().constData());
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME",
                             "XDG_STATE_HOME", "no_proxy"})
        qputenv(name, env.value(QLatin1String(name)).toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
}
