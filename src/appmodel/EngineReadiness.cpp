// Keeping the download engine ready: yt-dlp and deno installed and fresh,
// ffmpeg fetched the first time a download needs it.
#include "appmodel/EngineReadiness.h"

#include "appmodel/AppLog.h"
#include "engine/Engine.h"
#include "engine/ToolInstaller.h"

#include <QTimer>

#include <algorithm>

namespace reelcatch {

namespace {

const char* const settingUpNote = QT_TRANSLATE_NOOP(
    "reelcatch::EngineReadiness", "Setting up the download engine (one-time, ~80 MB)\u2026");
const char* const updatingNote =
    QT_TRANSLATE_NOOP("reelcatch::EngineReadiness", "Updating the download engine\u2026");

} // namespace

struct EngineReadiness::Run {
    bool installYtdlp = false;
    bool installDeno = false;
    // The note shown while this run installs; empty for a silent update.
    QString note;
    // Asked for by the user: a failure is worth a note even with a yt-dlp in place.
    bool forced = false;
};

EngineReadiness::EngineReadiness(Engine& engine, ToolInstaller& installer, QObject* parent)
    : QObject(parent), m_engine(engine), m_installer(installer)
{
    m_versionTimer.setSingleShot(true);
    connect(&m_versionTimer, &QTimer::timeout, this, [this] {
        qCInfo(lcAppModel) << "no version of yt-dlp yet; starts go ahead without it";
        settleVersion();
    });
    refreshTools();
}

EngineReadiness::~EngineReadiness() = default;

void EngineReadiness::setNote(const std::optional<QString>& note)
{
    if (m_note == note)
        return;
    m_note = note;
    emit noteChanged();
}

void EngineReadiness::setBusy(bool busy)
{
    if (m_busy == busy)
        return;
    m_busy = busy;
    emit busyChanged();
}

void EngineReadiness::setVersion(const std::optional<QString>& version)
{
    if (m_version == version)
        return;
    m_version = version;
    emit versionChanged();
}

void EngineReadiness::refreshTools()
{
    const Tools tools{m_engine.ffmpeg().has_value(), m_engine.deno().has_value()};
    if (m_tools == tools)
        return;
    m_tools = tools;
    emit toolsChanged();
}

void EngineReadiness::settleVersion()
{
    m_versionTimer.stop();
    if (std::exchange(m_versionSettled, true))
        return;
    emit versionSettled();
}

void EngineReadiness::retry()
{
    // A yt-dlp in place means an update failed; else its installation did.
    ensure(m_engine.ytdlp().has_value());
}

void EngineReadiness::ensure(bool force)
{
    // The run under way publishes its own outcome: a second click while it
    // runs would only start the same downloads again.
    if (m_busy)
        return;
    m_failed = false;
    m_installFailure.reset();
    setBusy(true);
    if (!m_versionSettled && !m_versionTimer.isActive())
        m_versionTimer.start(m_versionWait);

    const bool needYt = force || !Engine::isExec(m_engine.managedYtdlp());
    const std::optional<double> age = m_engine.age(m_engine.managedYtdlp());
    const bool stale = age && *age > updateAgeSeconds;
    const bool needDeno = force || !m_engine.deno();

    auto run = std::make_shared<Run>();
    run->forced = force;
    if (needYt || needDeno) {
        run->note = tr(m_engine.ytdlp() ? updatingNote : settingUpNote);
        setNote(run->note);
        run->installYtdlp = needYt || stale;
        run->installDeno = needDeno;
    } else {
        // A stale copy is refreshed without a word; a fresh one is left alone.
        run->installYtdlp = stale;
    }
    qCInfo(lcAppModel) << "engine check: yt-dlp" << run->installYtdlp << "deno" << run->installDeno;
    runInstalls(run);
}

void EngineReadiness::runInstalls(const std::shared_ptr<Run>& run)
{
    // The note may carry the share of a large download already received.
    auto progress = [this, run](qint64 received, qint64 total) {
        if (run->note.isEmpty() || total <= 0)
            return;
        const int percent = int(std::clamp(received * 100 / total, qint64(0), qint64(100)));
        setNote(run->note + QLatin1Char(' ') + QString::number(percent) + QLatin1Char('%'));
    };
    auto installDeno = [this, run, progress] {
        if (!run->installDeno) {
            endRun(*run, Done{});
            return;
        }
        run->installDeno = false;
        m_installer.installDeno(
            this, [this, run](const Status& outcome) { endRun(*run, outcome); }, progress);
    };
    if (!run->installYtdlp) {
        installDeno();
        return;
    }
    m_installer.installYtdlp(
        this,
        [this, run, installDeno](const Status& outcome) {
            // deno is not attempted once yt-dlp has failed.
            if (!outcome.ok())
                endRun(*run, outcome);
            else
                installDeno();
        },
        progress);
}

void EngineReadiness::endRun(const Run& run, const Status& outcome)
{
    // Without any yt-dlp the failure matters; with an old or system copy the
    // engine still works, and only an update the user asked for is owed a word.
    m_failed = !outcome.ok() && (run.forced || !m_engine.ytdlp());
    if (!outcome.ok() && !m_engine.ytdlp()) {
        m_installFailure = outcome.error().message;
        setNote(tr("Couldn't install yt-dlp: %1").arg(outcome.error().message));
    } else if (m_failed) {
        setNote(tr("Couldn't update the download engine: %1").arg(outcome.error().message));
    } else {
        setNote(std::nullopt);
    }
    refreshTools();

    m_engine.version(this, [this](const std::optional<QString>& version) {
        setVersion(version);
        settleVersion();
        QTimer::singleShot(0, this, [this] { setBusy(false); });
    });
}

void EngineReadiness::getFfmpeg()
{
    if (m_ffmpegInstalling)
        return; // the running installation settles for everyone
    m_ffmpegInstalling = true;
    m_installer.installFfmpeg(this, [this](const Status& outcome) {
        m_ffmpegInstalling = false;
        if (!outcome.ok()) {
            m_ffmpegFailed = true;
            setNote(
                tr("Couldn't download ffmpeg (%1). Downloads are limited to lower quality for now.")
                    .arg(outcome.error().message));
        }
        refreshTools();
        emit ffmpegSettled();
    });
}

} // namespace reelcatch
