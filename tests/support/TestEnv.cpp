#include "TestEnv.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QStandardPaths>
#include <QTimer>

#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace reelcatch;

namespace {

const QString kFfmpeg = QStringLiteral("/usr/bin/ffmpeg");

bool isProxyVariable(const QString& name)
{
    return name.endsWith(QLatin1String("_proxy"), Qt::CaseInsensitive);
}

// The variables every sandboxed child (and an isolated test process) gets.
QProcessEnvironment sandboxEnvironment(const QString& home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QStringList keys = env.keys();
    for (const QString& key : keys) {
        if (isProxyVariable(key) || key.startsWith(QLatin1String("XDG_")))
            env.remove(key);
    }
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("XDG_STATE_HOME"), home + QStringLiteral("/.local/state"));
    env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("no_proxy"), QStringLiteral("127.0.0.1,localhost"));
    return env;
}

bool makeHome(const QString& home)
{
    QDir d;
    return d.mkpath(home + QStringLiteral("/.config")) &&
           d.mkpath(home + QStringLiteral("/.cache")) &&
           d.mkpath(home + QStringLiteral("/.local/share")) &&
           d.mkpath(home + QStringLiteral("/.local/state"));
}

// Where makeClip()/makeDash() keep what ffmpeg made, for the whole process.
QString mediaCache()
{
    static QTemporaryDir dir;
    return dir.isValid() ? dir.path() : QString();
}

QMutex g_mediaMutex;

bool copyFile(const QString& from, const QString& to)
{
    QFile::remove(to);
    return QFile::copy(from, to) &&
           QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                         QFile::ReadOther);
}

QString ffmpegFailure(const ProcessResult& r)
{
    return QStringLiteral("ffmpeg failed (status %1): %2")
        .arg(r.exitCode)
        .arg(QString::fromUtf8(r.err.left(2000)));
}

} // namespace

ProcessResult runProcess(const QString& program, const QStringList& args,
                         const QProcessEnvironment& env, int timeoutMs, const QString& workingDir,
                         const QByteArray& input)
{
    ProcessResult r;
    QProcess p;
    p.setProgram(program);
    p.setArguments(args);
    p.setProcessEnvironment(env);
    if (!workingDir.isEmpty())
        p.setWorkingDirectory(workingDir);

    QEventLoop loop;
    bool done = false;
    const auto finishLoop = [&] {
        done = true;
        loop.quit();
    };
    QObject::connect(&p, &QProcess::started, &loop, [&] { r.started = true; });
    QObject::connect(&p, &QProcess::readyReadStandardOutput, &loop,
                     [&] { r.out += p.readAllStandardOutput(); });
    QObject::connect(&p, &QProcess::readyReadStandardError, &loop,
                     [&] { r.err += p.readAllStandardError(); });
    QObject::connect(&p, &QProcess::finished, &loop, [&](int code, QProcess::ExitStatus status) {
        r.finished = true;
        r.exitCode = code;
        r.exitStatus = status;
        finishLoop();
    });
    QObject::connect(&p, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finishLoop();
    });
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, finishLoop);

    QElapsedTimer clock;
    clock.start();
    p.start();
    if (p.state() != QProcess::NotRunning) {
        if (!input.isEmpty())
            p.write(input);
        p.closeWriteChannel();
    }
    if (!done && p.state() != QProcess::NotRunning) {
        timer.start(timeoutMs);
        loop.exec();
    }
    if (p.state() != QProcess::NotRunning) {
        // Out of time: kill it and collect what it left.
        p.kill();
        p.waitForFinished(5000);
        r.finished = false;
    }
    r.out += p.readAllStandardOutput();
    r.err += p.readAllStandardError();
    r.elapsedMs = clock.elapsed();
    return r;
}

TestEnv::TestEnv() : m_root(m_dir.path()), m_now(std::make_shared<QDateTime>())
{
    QDir d;
    d.mkpath(supportDir());
    for (const QString& bin : binDirs())
        d.mkpath(bin);
    makeHome(homeDir());
    d.mkpath(downloadsDir());
}

QString TestEnv::path(const QString& relative) const
{
    return m_root + QLatin1Char('/') + relative;
}

QString TestEnv::supportDir() const
{
    return path(QStringLiteral("support"));
}

QStringList TestEnv::binDirs() const
{
    return {path(QStringLiteral("bin0")), path(QStringLiteral("bin1")),
            path(QStringLiteral("bin2"))};
}

QString TestEnv::homeDir() const
{
    return path(QStringLiteral("home"));
}

QString TestEnv::configHome() const
{
    return homeDir() + QStringLiteral("/.config");
}

QString TestEnv::cacheHome() const
{
    return homeDir() + QStringLiteral("/.cache");
}

QString TestEnv::dataHome() const
{
    return homeDir() + QStringLiteral("/.local/share");
}

QString TestEnv::stateHome() const
{
    return homeDir() + QStringLiteral("/.local/state");
}

QString TestEnv::downloadsDir() const
{
    return homeDir() + QStringLiteral("/Downloads");
}

QString TestEnv::settingsPath() const
{
    return configHome() + QStringLiteral("/Reelcatch/settings.ini");
}

QProcessEnvironment TestEnv::childEnvironment() const
{
    return sandboxEnvironment(homeDir());
}

EngineConfig TestEnv::engineConfig() const
{
    EngineConfig config;
    config.supportDir = supportDir();
    config.binDirs = binDirs();
    config.baseEnvironment = childEnvironment();
    config.now = [now = m_now] { return now->isValid() ? *now : QDateTime::currentDateTimeUtc(); };
    return config;
}

void TestEnv::setNow(const QDateTime& now)
{
    *m_now = now;
}

void TestEnv::clearNow()
{
    *m_now = QDateTime();
}

QString TestEnv::writeFile(const QString& path, const QByteArray& content, int mode)
{
    static std::atomic<int> counter{0};
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return {};
    const QString tmp = QStringLiteral("%1/.%2.tmp-%3-%4")
                            .arg(info.absolutePath(), info.fileName())
                            .arg(QCoreApplication::applicationPid())
                            .arg(counter.fetch_add(1));
    QFile file(tmp);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    const bool written = file.write(content) == content.size() && file.flush();
    file.close();
    const QByteArray tmpName = QFile::encodeName(tmp);
    if (!written || ::chmod(tmpName.constData(), static_cast<mode_t>(mode)) != 0 ||
        ::rename(tmpName.constData(), QFile::encodeName(path).constData()) != 0) {
        QFile::remove(tmp);
        return {};
    }
    return path;
}

QString TestEnv::writeExecutable(const QString& path, const QByteArray& content, int mode)
{
    return writeFile(path, content, mode);
}

QString TestEnv::writeFileWithMtime(const QString& path, const QByteArray& content,
                                    const QDateTime& mtime, int mode)
{
    if (writeFile(path, content, mode).isEmpty() || !setMtime(path, mtime))
        return {};
    return path;
}

bool TestEnv::setMtime(const QString& path, const QDateTime& mtime)
{
    const qint64 ms = mtime.toMSecsSinceEpoch();
    timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = static_cast<time_t>(ms >= 0 ? ms / 1000 : (ms - 999) / 1000);
    times[1].tv_nsec = static_cast<long>((ms - qint64(times[1].tv_sec) * 1000) * 1000000);
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
}

int TestEnv::mode(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return static_cast<int>(st.st_mode & 07777);
}

QString TestEnv::makeClip(const QString& dir, const QString& fileName, int seconds)
{
    QMutexLocker lock(&g_mediaMutex);
    const QString cache = mediaCache();
    if (cache.isEmpty() || !QDir().mkpath(dir))
        return {};
    const QString made = QStringLiteral("%1/clip-%2.mp4").arg(cache).arg(seconds);
    if (!QFileInfo::exists(made)) {
        const QString s = QString::number(seconds);
        const ProcessResult r = runProcess(
            kFfmpeg,
            {QStringLiteral("-nostdin"), QStringLiteral("-hide_banner"),
             QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-f"),
             QStringLiteral("lavfi"), QStringLiteral("-i"),
             QStringLiteral("testsrc=duration=%1:size=640x360:rate=25").arg(s),
             QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
             QStringLiteral("sine=frequency=440:duration=%1").arg(s), QStringLiteral("-c:v"),
             QStringLiteral("libx264"), QStringLiteral("-c:a"), QStringLiteral("aac"),
             QStringLiteral("-shortest"), QStringLiteral("-y"), made + QStringLiteral(".part.mp4")},
            sandboxEnvironment(cache), 120000, cache);
        if (!r.ok() || !QFile::rename(made + QStringLiteral(".part.mp4"), made)) {
            qWarning("%s", qPrintable(ffmpegFailure(r)));
            return {};
        }
    }
    const QString target = dir + QLatin1Char('/') + fileName;
    return copyFile(made, target) ? target : QString();
}

QString TestEnv::makeDash(const QString& dir, int seconds)
{
    QMutexLocker lock(&g_mediaMutex);
    const QString cache = mediaCache();
    if (cache.isEmpty() || !QDir().mkpath(dir))
        return {};
    const QString made = QStringLiteral("%1/dash-%2").arg(cache).arg(seconds);
    if (!QFileInfo::exists(made + QStringLiteral("/manifest.mpd"))) {
        const QString work = made + QStringLiteral(".part");
        QDir(work).removeRecursively();
        QDir().mkpath(work);
        const QString s = QString::number(seconds);
        const ProcessResult r =
            runProcess(kFfmpeg,
                       {QStringLiteral("-nostdin"),
                        QStringLiteral("-hide_banner"),
                        QStringLiteral("-loglevel"),
                        QStringLiteral("error"),
                        QStringLiteral("-f"),
                        QStringLiteral("lavfi"),
                        QStringLiteral("-i"),
                        QStringLiteral("testsrc=duration=%1:size=640x360:rate=25").arg(s),
                        QStringLiteral("-f"),
                        QStringLiteral("lavfi"),
                        QStringLiteral("-i"),
                        QStringLiteral("sine=frequency=440:duration=%1").arg(s),
                        QStringLiteral("-map"),
                        QStringLiteral("0:v"),
                        QStringLiteral("-map"),
                        QStringLiteral("1:a"),
                        QStringLiteral("-c:v"),
                        QStringLiteral("libx264"),
                        QStringLiteral("-c:a"),
                        QStringLiteral("aac"),
                        QStringLiteral("-f"),
                        QStringLiteral("dash"),
                        QStringLiteral("-seg_duration"),
                        QStringLiteral("2"),
                        QStringLiteral("-adaptation_sets"),
                        QStringLiteral("id=0,streams=v id=1,streams=a"),
                        QStringLiteral("manifest.mpd")},
                       sandboxEnvironment(cache), 120000, work);
        if (!r.ok() || !QFileInfo::exists(work + QStringLiteral("/manifest.mpd")) ||
            !QDir().rename(work, made)) {
            qWarning("%s", qPrintable(ffmpegFailure(r)));
            return {};
        }
    }
    QDirIterator it(made, QDir::Files);
    while (it.hasNext()) {
        it.next();
        if (!copyFile(it.filePath(), dir + QLatin1Char('/') + it.fileName()))
            return {};
    }
    return dir + QStringLiteral("/manifest.mpd");
}

void TestEnv::isolateProcess()
{
    static QTemporaryDir home;
    if (!home.isValid())
        qFatal("TestEnv::isolateProcess: no temporary folder");
    makeHome(home.path());
    const QProcessEnvironment current = QProcessEnvironment::systemEnvironment();
    const QStringList keys = current.keys();
    for (const QString& key : keys) {
        if (isProxyVariable(key) || key.startsWith(QLatin1String("XDG_")))
            qunsetenv(key.toLocal8Bit().constData());
    }
    const QProcessEnvironment env = sandboxEnvironment(home.path());
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME",
                             "XDG_STATE_HOME", "no_proxy"})
        qputenv(name, env.value(QLatin1String(name)).toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
}
