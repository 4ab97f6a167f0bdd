#include "engine/Installer.h"

#include "engine/InstallerJob.h"
#include "engine/NetworkProxy.h"
#include "engine/ToolTrust.h"

#include <QNetworkAccessManager>
#include <QPointer>
#include <QThread>
#include <QThreadPool>

#include <array>
#include <memory>
#include <optional>
#include <utility>

namespace reelcatch {

namespace {

// Calls `done` later in `context`'s thread, unless the context is gone by then.
void deliver(const QPointer<QObject>& context, const ToolInstaller::OnDone& done, Status status)
{
    if (!context || !done)
        return;
    QMetaObject::invokeMethod(
        context.data(), [done, status = std::move(status)] { done(status); }, Qt::QueuedConnection);
}

} // namespace

InstallerConfig InstallerConfig::fromEnvironment()
{
    InstallerConfig config;
    const QString release = qEnvironmentVariable("REELCATCH_RELEASE_HOST");
    if (!release.isEmpty())
        config.releaseHost = release;
    const QString ffmpeg = qEnvironmentVariable("REELCATCH_FFMPEG_HOST");
    if (!ffmpeg.isEmpty())
        config.ffmpegHost = ffmpeg;
    return config;
}

Installer::Installer(const Engine& engine, InstallerConfig config)
    : m_engine(engine), m_config(std::move(config)), m_network(new QNetworkAccessManager),
      m_jobs(new QObject)
{
    // Off the calling thread: the folder may be on a slow disk.
    QThreadPool::globalInstance()->start(
        [dir = m_engine.supportDir()] { ToolTrust::sweepTemporaries(dir); });
}

Installer::~Installer()
{
    delete m_jobs;
    delete m_network;
}

void Installer::setProxy(const QString& address)
{
    m_network->setProxy(networkProxy(address));
}

QString Installer::host(const QString& configured) const
{
    QString host = configured;
    while (host.endsWith(QLatin1Char('/')))
        host.chop(1);
    return host;
}

bool Installer::isArm() const
{
    const QString machine =
        m_config.machine.isEmpty() ? Engine::machineHardwareName() : m_config.machine;
    return machine == QLatin1String("arm64") || machine == QLatin1String("aarch64");
}

QString Installer::ytdlpUrl() const
{
    const QString asset =
        isArm() ? QStringLiteral("yt-dlp_linux_aarch64") : QStringLiteral("yt-dlp_linux");
    return host(m_config.releaseHost) + QStringLiteral("/yt-dlp/yt-dlp/releases/latest/download/") +
           asset;
}

QString Installer::denoUrl() const
{
    const QString system = QStringLiteral("-unknown-linux-gnu.zip");
    return host(m_config.releaseHost) +
           QStringLiteral("/denoland/deno/releases/latest/download/deno-") +
           (isArm() ? QStringLiteral("aarch64") : QStringLiteral("x86_64")) + system;
}

static QString ffmpegPrefix(const QString& host, bool arm)
{
    const QString system = QStringLiteral("linux");
    return host + QStringLiteral("/redirect/latest/") + system + QLatin1Char('/') +
           (arm ? QStringLiteral("arm64") : QStringLiteral("amd64")) + QStringLiteral("/release");
}

QString Installer::ffmpegUrl() const
{
    return ffmpegPrefix(host(m_config.ffmpegHost), isArm()) + QStringLiteral("/ffmpeg.zip");
}

QString Installer::ffprobeUrl() const
{
    return ffmpegPrefix(host(m_config.ffmpegHost), isArm()) + QStringLiteral("/ffprobe.zip");
}

Installer::Tool Installer::tool(const QString& name, const QString& url, bool zipped,
                                const QString& sumsUrl) const
{
    Tool tool;
    tool.name = name;
    tool.url = url;
    tool.destination = m_engine.supportDir() + QLatin1Char('/') + name;
    tool.zipped = zipped;
    tool.sumsUrl = sumsUrl;
    // ffmpeg and ffprobe spell their version query with one dash and answer
    // "ffmpeg version 7.1 …"; deno says "deno 2.1.4 (…)"; yt-dlp "2025.01.15" or "2025.01.15.1".
    const bool ffTool = name == QLatin1String("ffmpeg") || name == QLatin1String("ffprobe");
    tool.checkArgs = {ffTool ? QStringLiteral("-version") : QStringLiteral("--version")};
    // A configuration file of the user's could make yt-dlp fail the check.
    if (name == QLatin1String("yt-dlp"))
        tool.checkArgs.prepend(QStringLiteral("--ignore-config"));
    if (ffTool)
        tool.version.setPattern(QStringLiteral("^") + name + QStringLiteral(" version \\S"));
    else if (name == QLatin1String("deno"))
        tool.version.setPattern(QStringLiteral("^deno \\d+\\.\\d+\\.\\d+"));
    else
        tool.version.setPattern(QStringLiteral("^\\d{4}\\.\\d{2}\\.\\d{2}(\\.\\d+)*\\s*$"));
    return tool;
}

Installer::Job* Installer::makeJob(const Tool& tool)
{
    return new Job(m_network, m_engine, m_config, tool, m_jobs);
}

void Installer::runSingle(const Tool& tool, QObject* context, OnDone done, Progress progress)
{
    const QPointer<QObject> target(context);
    Job* job = makeJob(tool);
    if (progress) {
        job->onProgress = [target, progress = std::move(progress)](qint64 received, qint64 total) {
            if (!target)
                return;
            if (target->thread() == QThread::currentThread())
                progress(received, total);
            else
                QMetaObject::invokeMethod(
                    target.data(), [progress, received, total] { progress(received, total); },
                    Qt::QueuedConnection);
        };
    }
    job->onFinished = [job, target, done = std::move(done)](Status status) {
        job->deleteLater();
        deliver(target, done, std::move(status));
    };
    job->start();
}

void Installer::installYtdlp(QObject* context, OnDone done, Progress progress)
{
    // yt-dlp signs the list of its downloads' checksums.
    const QString url = ytdlpUrl();
    const QString folder = url.left(url.lastIndexOf(QLatin1Char('/')) + 1);
    Tool ytdlp =
        tool(QStringLiteral("yt-dlp"), url, false, folder + QStringLiteral("SHA2-256SUMS"));
    ytdlp.sumsName = QUrl(url).fileName();
    ytdlp.signatureUrl = ytdlp.sumsUrl + QStringLiteral(".sig");
    runSingle(ytdlp, context, std::move(done), std::move(progress));
}

void Installer::installDeno(QObject* context, OnDone done, Progress progress)
{
    // Each deno download has "<download>.sha256sum" beside it.
    runSingle(
        tool(QStringLiteral("deno"), denoUrl(), true, denoUrl() + QStringLiteral(".sha256sum")),
        context, std::move(done), std::move(progress));
}

void Installer::installFfmpeg(QObject* context, OnDone done)
{
    // Both run at once. The first failure is the answer: the other job is
    // cancelled, and `done` waits until it has cleaned up too.
    struct Pair {
        std::array<Job*, 2> jobs{};
        int running = 2;
        std::optional<AppError> error;
        bool delivered = false;
    };
    auto pair = std::make_shared<Pair>();
    const QPointer<QObject> target(context);
    // The build service publishes "<download>.sha256" beside each download.
    pair->jobs[0] = makeJob(
        tool(QStringLiteral("ffmpeg"), ffmpegUrl(), true, ffmpegUrl() + QStringLiteral(".sha256")));
    pair->jobs[1] = makeJob(tool(QStringLiteral("ffprobe"), ffprobeUrl(), true,
                                 ffprobeUrl() + QStringLiteral(".sha256")));
    for (size_t i = 0; i < pair->jobs.size(); ++i) {
        Job* job = pair->jobs[i];
        job->onFinished = [pair, i, job, target, done](const Status& status) {
            job->deleteLater();
            pair->jobs[i] = nullptr;
            --pair->running;
            if (!status.ok() && !pair->error) {
                pair->error = status.error();
                // May finish the sibling at once, re-entering this handler.
                if (Job* sibling = pair->jobs[1 - i])
                    sibling->cancel();
            }
            if (pair->running == 0 && !pair->delivered) {
                pair->delivered = true;
                deliver(target, done, pair->error ? Status(*pair->error) : Status(Done{}));
            }
        };
    }
    // Held apart: the first start may already end both jobs.
    const std::array<QPointer<Job>, 2> jobs{pair->jobs[0], pair->jobs[1]};
    for (const QPointer<Job>& job : jobs) {
        if (job)
            job->start();
    }
}

} // namespace reelcatch
