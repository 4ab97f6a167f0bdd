#include "engine/Engine.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

#include <sys/utsname.h>
#include <unistd.h>

namespace reelcatch {

EngineConfig EngineConfig::forUser()
{
    EngineConfig config;
    // ~/.local/share/Reelcatch.
    config.supportDir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                        QStringLiteral("/Reelcatch");
    config.workDir = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    config.binDirs = {QDir::homePath() + QStringLiteral("/.local/bin"),
                      QStringLiteral("/usr/local/bin"), QStringLiteral("/usr/bin")};
    config.baseEnvironment = QProcessEnvironment::systemEnvironment();
    config.now = [] { return QDateTime::currentDateTimeUtc(); };
    config.guard = SystemRunner::installedGuard();
    return config;
}

Engine::Engine(EngineConfig config) : m_config(std::move(config))
{
    if (!m_config.now)
        m_config.now = [] { return QDateTime::currentDateTimeUtc(); };
    if (!m_config.runner)
        m_config.runner = std::make_shared<SystemRunner>(m_config.guard);
    if (m_config.workDir.isEmpty())
        m_config.workDir = m_config.supportDir;
}

QString Engine::managedYtdlp() const
{
    return m_config.supportDir + QStringLiteral("/yt-dlp");
}
QString Engine::managedDeno() const
{
    return m_config.supportDir + QStringLiteral("/deno");
}
QString Engine::managedFfmpeg() const
{
    return m_config.supportDir + QStringLiteral("/ffmpeg");
}
QString Engine::managedFfprobe() const
{
    return m_config.supportDir + QStringLiteral("/ffprobe");
}

bool Engine::isExec(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    return ::access(QFile::encodeName(path).constData(), X_OK) == 0;
}

std::optional<QString> Engine::which(const QString& name) const
{
    for (const QString& dir : m_config.binDirs) {
        const QString candidate = dir + QLatin1Char('/') + name;
        if (isExec(candidate))
            return candidate;
    }
    return std::nullopt;
}

std::optional<QString> Engine::ytdlp() const
{
    if (isExec(managedYtdlp()))
        return managedYtdlp();
    return which(QStringLiteral("yt-dlp"));
}

std::optional<QString> Engine::deno() const
{
    if (isExec(managedDeno()))
        return managedDeno();
    return which(QStringLiteral("deno"));
}

std::optional<QString> Engine::ffmpeg() const
{
    if (isExec(managedFfmpeg()) && isExec(managedFfprobe()))
        return managedFfmpeg();
    // Only the first system ffmpeg counts, and only with an ffprobe beside it.
    std::optional<QString> system = which(QStringLiteral("ffmpeg"));
    if (system && isExec(QFileInfo(*system).path() + QStringLiteral("/ffprobe")))
        return system;
    return std::nullopt;
}

QString Engine::machineHardwareName()
{
    struct utsname info {};
    if (::uname(&info) != 0)
        return {};
    return QString::fromLatin1(info.machine);
}

bool Engine::isArm()
{
    const QString machine = machineHardwareName();
    return machine == QLatin1String("arm64") || machine == QLatin1String("aarch64");
}

QProcessEnvironment Engine::environment() const
{
    QProcessEnvironment env = m_config.baseEnvironment;
    QStringList path{m_config.supportDir};
    path += m_config.binDirs;
    // An empty entry would stand for the working folder.
    if (const QString inherited = env.value(QStringLiteral("PATH")); !inherited.isEmpty())
        path += inherited;
    env.insert(QStringLiteral("PATH"), path.join(QLatin1Char(':')));
    return env;
}

Child* Engine::spawn(ChildSpec spec, QObject* parent) const
{
    spec.environment = environment();
    if (spec.workingDirectory.isEmpty()) {
        // A child whose folder can't be made fails to start rather than
        // running in the application's own.
        QDir().mkpath(m_config.workDir);
        spec.workingDirectory = m_config.workDir;
    }
    return m_config.runner->create(spec, parent);
}

void Engine::run(const QString& program, const QStringList& args, QObject* context,
                 RunDone done) const
{
    Q_ASSERT(context);
    // The child belongs to the context, so it cannot outlive the caller.
    Child* child = spawn({program, args, {}, ChildSpec::Output::stream}, context);
    auto out = std::make_shared<QByteArray>();
    QObject::connect(child, &Child::output, child,
                     [out](const QByteArray& bytes) { *out += bytes; });
    QObject::connect(child, &Child::ended, child,
                     [child, out, done = std::move(done)](const ChildExit& exit) {
                         child->deleteLater();
                         if (exit.kind == ChildExit::Kind::failedToStart) {
                             done(AppError{exit.message});
                             return;
                         }
                         done(RunResult{exit.code, std::move(*out),
                                        QString::fromUtf8(child->errorTail())});
                     });
    child->start();
}

void Engine::version(QObject* context, std::function<void(std::optional<QString>)> done) const
{
    const std::optional<QString> path = ytdlp();
    if (!path) {
        // Answer later, like every other path, so callers never see a re-entrant call.
        QTimer::singleShot(0, context, [done = std::move(done)] { done(std::nullopt); });
        return;
    }
    // No configuration file is read: one of the user's could make it fail.
    run(*path, {QStringLiteral("--ignore-config"), QStringLiteral("--version")}, context,
        [done = std::move(done)](Result<RunResult> result) {
            if (!result || result.value().status != 0) {
                done(std::nullopt);
                return;
            }
            done(QString::fromUtf8(result.value().out).trimmed());
        });
}

std::optional<double> Engine::age(const QString& path) const
{
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    const QDateTime modified = info.lastModified();
    if (!modified.isValid())
        return std::nullopt;
    return modified.msecsTo(m_config.now()) / 1000.0;
}

std::optional<QString> Engine::lastError(const QString& stderrText)
{
    static const QString prefix = QStringLiteral("ERROR:");
    // Every line break yt-dlp or the platform may produce: LF, VT, FF, CR
    // (and so CR LF), NEL, LINE SEPARATOR, PARAGRAPH SEPARATOR.
    auto isBreak = [](QChar c) {
        switch (c.unicode()) {
        case 0x0A:
        case 0x0B:
        case 0x0C:
        case 0x0D:
        case 0x85:
        case 0x2028:
        case 0x2029:
            return true;
        default:
            return false;
        }
    };
    qsizetype end = stderrText.size();
    while (end > 0) {
        qsizetype begin = end;
        while (begin > 0 && !isBreak(stderrText.at(begin - 1)))
            --begin;
        const QStringView line = QStringView(stderrText).mid(begin, end - begin);
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().toString();
        end = begin - 1;
    }
    return std::nullopt;
}

} // namespace reelcatch
