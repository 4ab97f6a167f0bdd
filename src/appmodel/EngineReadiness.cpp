// Keeping the download engine ready: yt-dlp and deno installed and fresh,
// ffmpeg fetched the first time a download needs it.
#include "AppModel.h"

#include <QTimer>

namespace reelcatch {

namespace {

// The managed yt-dlp is refreshed when it is older than this.
constexpr double updateAgeSeconds = 432000; // five days

const QString settingUpNote =
    QStringLiteral("Setting up the download engine (one-time, ~80 MB)\u2026");
const QString updatingNote = QStringLiteral("Updating the download engine\u2026");
const QString gettingFfmpegDetail = QStringLiteral("Getting ffmpeg ready (one-time, ~56 MB)\u2026");

} // namespace

struct AppModel::EngineRun {
    bool installYtdlp = false;
    bool installDeno = false;
    // The note shown while this run installs; empty for a silent update.
    QString note;
};

void AppModel::ensureEngine(bool force)
{
    setEngineBusy(true);

    const bool needYt = force || !Engine::isExec(m_engine.managedYtdlp());
    const std::optional<double> age = m_engine.age(m_engine.managedYtdlp());
    const bool stale = age && *age > updateAgeSeconds;
    const bool needDeno = force || !m_engine.deno();

    auto run = std::make_shared<EngineRun>();
    if (needYt || needDeno) {
        run->note = m_engine.ytdlp() ? updatingNote : settingUpNote;
        setEngineNote(run->note);
        run->installYtdlp = needYt || stale;
        run->installDeno = needDeno;
    } else {
        // A stale copy is refreshed without a word; a fresh one is left alone.
        run->installYtdlp = stale;
    }
    runInstalls(run);
}

void AppModel::runInstalls(const std::shared_ptr<EngineRun>& run)
{
    // The note may carry the share of a large download already received.
    auto progress = [this, run](qint64 received, qint64 total) {
        if (run->note.isEmpty() || total <= 0)
            return;
        const int percent = int(std::clamp(received * 100 / total, qint64(0), qint64(100)));
        setEngineNote(run->note + QLatin1Char(' ') + QString::number(percent) + QLatin1Char('%'));
    };
    auto installDeno = [this, run, progress] {
        if (!run->installDeno) {
            endEngineRun(run, Done{});
            return;
        }
        run->installDeno = false;
        m_installer.installDeno(
            this, [this, run](Status outcome) { endEngineRun(run, outcome); }, progress);
    };
    if (!run->installYtdlp) {
        installDeno();
        return;
    }
    m_installer.installYtdlp(
        this,
        [this, run, installDeno](Status outcome) {
            // deno is not attempted once yt-dlp has failed.
            if (!outcome.ok())
                endEngineRun(run, outcome);
            else
                installDeno();
        },
        progress);
}

void AppModel::endEngineRun(const std::shared_ptr<EngineRun>& run, const Status& outcome)
{
    Q_UNUSED(run);
    // Without any yt-dlp the failure matters; with an old or system copy the
    // engine still works and nothing needs saying.
    if (!outcome.ok() && !m_engine.ytdlp())
        setEngineNote(QStringLiteral("Couldn't install yt-dlp: ") + outcome.error().message);
    else
        setEngineNote(std::nullopt);

    m_engine.version(this, [this](std::optional<QString> version) {
        setEngineVersion(version);
        QTimer::singleShot(0, this, [this] { setEngineBusy(false); });
    });
}

void AppModel::installFfmpeg()
{
    for (const DownloadPtr& job : std::as_const(m_downloads)) {
        if (job->phase().kind() == Download::Phase::Kind::queued)
            job->setDetail(gettingFfmpegDetail);
    }
    refreshBadge();
    if (m_ffmpegInstalling)
        return; // the running installation pumps when it ends
    m_ffmpegInstalling = true;
    m_installer.installFfmpeg(this, [this](Status outcome) {
        m_ffmpegInstalling = false;
        if (!outcome.ok()) {
            m_ffmpegFailed = true;
            setEngineNote(QStringLiteral("Couldn't download ffmpeg (") + outcome.error().message +
                          QStringLiteral("). Downloads are limited to lower quality for now."));
        }
        for (const DownloadPtr& job : std::as_const(m_downloads)) {
            if (job->phase().kind() == Download::Phase::Kind::queued)
                job->setDetail(QStringLiteral("Waiting\u2026"));
        }
        pump();
    });
}

} // namespace reelcatch
