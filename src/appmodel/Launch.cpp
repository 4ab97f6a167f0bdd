// Launching one job's yt-dlp process, reading its output line by line and
// closing the job when the process has ended.
#include "AppModel.h"
#include "LineReader.h"
#include "PacedOutput.h"
#include "ProcessGroup.h"
#include "ProgressProtocol.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <memory>

namespace reelcatch {

namespace {

const QString progressTemplate =
    QStringLiteral("download:RC|%(progress.status)s|%(progress.downloaded_bytes)s|"
                   "%(progress.total_bytes)s|%(progress.total_bytes_estimate)s|"
                   "%(progress.speed)s|%(progress.eta)s|%(info.vcodec)s");
const QString postprocessTemplate =
    QStringLiteral("postprocess:[%(progress.postprocessor)s] %(progress.status)s");
const QString printTemplate = QStringLiteral("after_move:RCFILE|%(filepath)s");
const QString outputTemplate = QStringLiteral("%(title).180B [%(id)s].%(ext)s");

// yt-dlp prints a progress line every few milliseconds; a tenth of a second
// between reads shows the same progress for a fraction of the wakeups.
constexpr std::chrono::milliseconds outputPause(100);

} // namespace

QStringList AppModel::downloadArguments(const Download& job) const
{
    const Preset preset = job.preset();
    const std::optional<QString> ffmpeg = m_engine.ffmpeg();
    const QString& url = job.video().url();
    // An address that begins with "-" would be read as an option: it then
    // goes last, behind "--".
    const bool optionLike = url.startsWith(QLatin1Char('-'));

    QStringList args = m_engine.commonArgs();
    if (!optionLike)
        args << url;
    args << QStringLiteral("--no-playlist") << QStringLiteral("--newline")
         << QStringLiteral("--progress") << QStringLiteral("-P") << m_prefs.folder()
         << QStringLiteral("-o") << outputTemplate << QStringLiteral("--progress-template")
         << progressTemplate;
    // "--print" makes yt-dlp quiet, so post-processor steps only show when
    // asked for; releases before this one print them without line breaks.
    if (m_engineVersion && *m_engineVersion >= QLatin1String(postprocessTemplateSince))
        args << QStringLiteral("--progress-template") << postprocessTemplate;
    args << QStringLiteral("--print") << printTemplate;

    if (!ffmpeg) {
        args << QStringLiteral("-f")
             << (preset.isAudio() ? QStringLiteral("ba[ext=m4a]/ba/b")
                                  : QStringLiteral("b[ext=mp4]/b"));
    } else {
        args << QStringLiteral("--ffmpeg-location") << QFileInfo(*ffmpeg).path();
        args << preset.args(m_prefs.boolean(PrefKey::h264).value_or(false));
    }
    if (m_prefs.boolean(PrefKey::embedMeta).value_or(false))
        args << QStringLiteral("--embed-metadata");
    if (m_prefs.boolean(PrefKey::embedThumb).value_or(false) && m_engine.ffmpeg())
        args << QStringLiteral("--embed-thumbnail");
    if (m_prefs.boolean(PrefKey::subs).value_or(false) && !preset.isAudio()) {
        args << QStringLiteral("--write-subs") << QStringLiteral("--sub-langs")
             << m_prefs.string(PrefKey::subLangs).value_or(QStringLiteral("en.*"))
             << QStringLiteral("--embed-subs");
    }
    if (m_prefs.boolean(PrefKey::sponsor).value_or(false))
        args << QStringLiteral("--sponsorblock-remove")
             << QStringLiteral("sponsor,selfpromo,interaction");
    if (optionLike)
        args << QStringLiteral("--") << url;
    return args;
}

void AppModel::start(const DownloadPtr& job)
{
    const std::optional<QString> ytdlp = m_engine.ytdlp();
    if (!ytdlp) {
        job->setPhase(
            Download::Phase::failed(QStringLiteral("Download engine not installed yet.")));
        return;
    }

    auto* process = new QProcess(this);
    process->setProgram(*ytdlp);
    process->setArguments(downloadArguments(*job));
    process->setProcessEnvironment(m_engine.environment());
    process->setStandardInputFile(QProcess::nullDevice());
    ProcessGroup::setUp(*process);

    // Progress (standard output) and errors (standard error) as one stream,
    // in the order yt-dlp wrote them. Only the job's current run speaks for
    // it: a run that was cancelled and replaced by a retry may still be
    // printing and ending.
    auto reader = std::make_shared<LineReader>([this, job, process](const QString& line) {
        if (job->process() == process)
            handle(line, *job);
    });
    auto* output = new PacedOutput(*process, outputPause,
                                   [reader](QByteArrayView bytes) { reader->feed(bytes); });
    // The id is gone from the process once it has exited.
    auto leader = std::make_shared<qint64>(0);
    connect(process, &QProcess::started, this,
            [process, leader] { *leader = process->processId(); });
    connect(process, &QProcess::finished, this,
            [this, job, process, output, reader, leader](int exitCode) {
                // Nothing the run started outlives it.
                ProcessGroup::terminateRemains(*leader);
                // Every line of the run is handled before the job is closed.
                output->drain();
                reader->flush();
                process->deleteLater();
                if (job->process() != process)
                    return;
                // For a child ended by a signal this is the signal's number.
                finish(job, exitCode);
            });
    connect(process, &QProcess::errorOccurred, this,
            [this, job, process](QProcess::ProcessError error) {
                if (error != QProcess::FailedToStart)
                    return;
                process->deleteLater();
                if (job->process() != process)
                    return;
                job->setProcess(nullptr);
                if (job->phase().kind() != Download::Phase::Kind::cancelled)
                    job->setPhase(Download::Phase::failed(process->errorString()));
                // The slot it held is free again.
                QMetaObject::invokeMethod(this, &AppModel::pump, Qt::QueuedConnection);
            });

    job->errorLines().clear();
    job->setFraction(0);
    job->setFile(std::nullopt);
    job->setPhase(Download::Phase::downloading());
    job->setDetail(QStringLiteral("Starting\u2026"));
    job->setProcess(process);
    process->start();
    output->started();
}

void AppModel::handle(const QString& line, Download& job)
{
    ProgressProtocol::handle(line, job);
}

void AppModel::finish(const DownloadPtr& job, int status)
{
    job->setProcess(nullptr);
    if (job->phase().kind() != Download::Phase::Kind::cancelled) {
        if (status == 0) {
            job->setPhase(Download::Phase::done());
            job->setFraction(1);
            job->setDetail(job->file()
                               ? QFileInfo(*job->file()).fileName()
                               : QStringLiteral("Saved to ") + QDir(m_prefs.folder()).dirName());
        } else {
            const QString message =
                job->errorLines().isEmpty()
                    ? QStringLiteral("yt-dlp exited with code ") + QString::number(status)
                    : job->errorLines().last();
            job->setPhase(Download::Phase::failed(message));
        }
    }
    pump();

    // The cue for a drained batch with something to show for it.
    const bool anyLeft =
        std::any_of(m_downloads.cbegin(), m_downloads.cend(), [](const DownloadPtr& d) {
            return d->isActive() || d->phase().kind() == Download::Phase::Kind::queued;
        });
    const bool anyDone =
        std::any_of(m_downloads.cbegin(), m_downloads.cend(), [](const DownloadPtr& d) {
            return d->phase().kind() == Download::Phase::Kind::done;
        });
    if (!anyLeft && anyDone && m_platform.cue) {
        m_platform.cue->playSound();
        m_platform.cue->requestAttention();
    }
}

} // namespace reelcatch
