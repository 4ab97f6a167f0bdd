// The run of one download: its yt-dlp started in the download folder, its
// lines read into the job's log and progress, and its end turned into the
// job's outcome (saved, waiting again after YouTube's limit, or failed).
#include "appmodel/AppLog.h"
#include "appmodel/DownloadQueue.h"
#include "appmodel/EngineReadiness.h"
#include "appmodel/Failure.h"
#include "appmodel/ProgressProtocol.h"
#include "engine/ChildProcess.h"
#include "engine/Engine.h"
#include "engine/YtdlpArgs.h"
#include "model/DownloadOptions.h"
#include "model/Prefs.h"
#include "model/ShownText.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace reelcatch {

using Kind = Download::Phase::Kind;

void DownloadQueue::start(const DownloadPtr& job)
{
    const std::optional<QString> ytdlp = m_engine.ytdlp();
    if (!ytdlp) {
        job->setPhase(Failure::failedPhase(tr("Download engine not installed yet.")));
        return;
    }
    // yt-dlp works in the folder and knows it only as ".", as it would expand
    // "~" and "$NAME" in its name; a missing folder, which it used to make, is
    // made here.
    // Only ffmpeg cuts a clip, and only ffprobe beside it measures one.
    if (job->clip() && !m_engine.ffmpeg()) {
        job->setPhase(Failure::failedPhase(tr("Cutting a clip needs ffmpeg, which isn't ready.")));
        return;
    }
    const QString folder = m_prefs.value(PrefKey::folder);
    if (!QDir().mkpath(folder)) {
        job->setPhase(Failure::failedPhase(tr("Couldn't create the folder \u201c%1\u201d.")
                                               .arg(QDir::toNativeSeparators(folder))));
        return;
    }
    const YtdlpArgs::Download request{
        job->video().url(),
        job->preset(),
        m_readiness.version(),
        m_plainPreset.value(job->video().id(), job->preset()) != job->preset(),
        m_session ? m_session() : YtdlpArgs::Session{},
        job->formatChoice() ? job->formatChoice()->formatIds : QString(),
        job->clip(),
        job->playlistPlace()};
    const QStringList arguments =
        YtdlpArgs::download(m_engine, DownloadOptions::fromPrefs(m_prefs), request);
    Child* child = m_engine.spawn(
        {*ytdlp, arguments, {}, ChildSpec::Output::lines, outputPause, {}, folder}, this);
    // Only the job's current run speaks for it: a run that was cancelled and
    // replaced by a retry may still be printing and ending.
    const Download* key = job.get();
    auto current = [this, key, child] {
        const auto run = m_runs.constFind(key);
        return run != m_runs.cend() && run->child == child;
    };
    connect(child, &Child::line, this, [this, job, key, current, folder](const QString& line) {
        if (!current())
            return;
        // Progress lines come many a second: the last of a row stands for them.
        Run& run = m_runs[key];
        const bool progress = line.startsWith(QLatin1String("RC|"));
        job->addLog(line, progress && run.progressLogged);
        run.progressLogged = progress;
        if (std::optional<QString> error = ProgressProtocol::handle(line, *job, folder))
            run.lastError = std::move(*error);
    });
    connect(child, &Child::ended, this, [this, job, child, current](const ChildExit& exit) {
        child->deleteLater();
        if (!current())
            return;
        if (exit.kind == ChildExit::Kind::failedToStart) {
            m_runs.remove(job.get());
            if (job->phase().kind() != Kind::cancelled)
                job->setPhase(Failure::failedPhase(exit.message));
            pump();
            return;
        }
        finish(job, exit.code);
    });

    qCInfo(lcAppModel) << "download of" << job->video().id() << "in" << job->preset().rawValue();
    m_runs.insert(key, Run{child, folder, {}, false});
    job->beginLog(QStringList{*ytdlp} + arguments);
    m_pacer.started(m_engine.config().now());
    job->setFraction(0);
    job->setFile(std::nullopt);
    job->setPhase(Download::Phase::downloading());
    job->setDetail(tr("Starting\u2026"));
    child->start();
}

void DownloadQueue::finish(const DownloadPtr& job, int status)
{
    const Run run = m_runs.take(job.get());
    qCInfo(lcAppModel) << "download of" << job->video().id() << "ended with" << status;
    // A run that got bytes counts its limit afresh.
    const int limits = job->fraction() > 0 ? 0 : m_limitsInRow.take(job.get());
    // Read once: the failed phase keeps what it was about.
    const QString message =
        run.lastError.isEmpty() ? tr("yt-dlp exited with code %1").arg(status) : run.lastError;
    const Download::Phase failed = Failure::failedPhase(message);
    const bool limited = status != 0 && job->phase().kind() != Kind::cancelled &&
                         failed.failure() == Failure::Kind::rateLimited;
    const bool waitAgain = limited && limits + 1 < StartPacer::limitsInARow;
    if (waitAgain)
        m_limitsInRow.insert(job.get(), limits + 1);
    else
        m_limitsInRow.remove(job.get());
    if (job->phase().kind() != Kind::cancelled) {
        if (status == 0 && job->clip()) {
            checkClip(job, run.folder);
            return;
        }
        if (status == 0) {
            saved(job, run.folder);
        } else if (waitAgain) {
            // Not the video's fault: the job waits again in its place, and
            // the whole queue pauses.
            job->setPhase(Download::Phase::queued());
            job->setFraction(0);
            job->setFile(std::nullopt);
            job->setDetail(tr(waitingDetail));
            pause();
        } else {
            // Limited again and again: it fails with the limit's message
            // rather than waiting for ever, and the queue still pauses.
            if (limited)
                pause();
            // For a child ended by a signal the status is the signal's number.
            job->setPhase(failed);
        }
    }
    settle();
}

void DownloadQueue::settle()
{
    pump();

    // The cue for a drained batch with something to show for it.
    if (toDo() == 0 && count(Kind::done) > 0 && m_platform.cue) {
        m_platform.cue->playSound();
        m_platform.cue->requestAttention();
    }
}

void DownloadQueue::saved(const DownloadPtr& job, const QString& folder)
{
    m_batchFolder = folder;
    job->setPhase(Download::Phase::done());
    job->setFraction(1);
    job->setDetail(job->file() ? ShownText::withoutBidiControls(QFileInfo(*job->file()).fileName())
                               : tr("Saved to %1").arg(QDir(folder).dirName()));
}

void DownloadQueue::checkClip(const DownloadPtr& job, const QString& folder)
{
    const std::optional<QString> ffmpeg = m_engine.ffmpeg();
    if (!ffmpeg || !job->file()) {
        clipChecked(job, folder, std::nullopt);
        return;
    }
    const QString ffprobe = QFileInfo(*ffmpeg).path() + QStringLiteral("/ffprobe");
    const QStringList arguments{QStringLiteral("-v"),
                                QStringLiteral("error"),
                                QStringLiteral("-show_entries"),
                                QStringLiteral("format=duration"),
                                QStringLiteral("-of"),
                                QStringLiteral("default=noprint_wrappers=1:nokey=1"),
                                QStringLiteral("--"),
                                *job->file()};
    Child* child = m_engine.spawn(
        {ffprobe, arguments, {}, ChildSpec::Output::lines, outputPause, {}, folder}, this);
    const Download* key = job.get();
    connect(child, &Child::line, this, [this, key, child](const QString& line) {
        const auto run = m_runs.find(key);
        bool ok = false;
        const double seconds = line.toDouble(&ok);
        if (run != m_runs.end() && run->child == child && ok && std::isfinite(seconds))
            run->measured = seconds;
    });
    connect(child, &Child::ended, this, [this, job, key, child, folder](const ChildExit& exit) {
        child->deleteLater();
        const auto run = m_runs.constFind(key);
        if (run == m_runs.cend() || run->child != child)
            return;
        const Run measured = m_runs.take(key);
        if (job->phase().kind() == Kind::cancelled) {
            pump();
            return;
        }
        const bool ran = exit.kind == ChildExit::Kind::exited && exit.code == 0;
        clipChecked(job, folder, ran ? measured.measured : std::nullopt);
    });
    m_runs.insert(key, Run{child, folder, {}, false});
    job->addLog(ffprobe + QLatin1Char(' ') + arguments.join(u' '));
    job->setPhase(Download::Phase::processing());
    job->setDetail(tr("Checking the clip\u2019s length\u2026"));
    child->start();
}

void DownloadQueue::clipChecked(const DownloadPtr& job, const QString& folder,
                                std::optional<double> length)
{
    const ClipRange clip = job->clip().value_or(ClipRange{});
    if (length && std::abs(*length - clip.length()) > clipTolerance) {
        qCInfo(lcAppModel) << "clip of" << job->video().id() << "is" << *length << "s, asked"
                           << clip.length();
        const auto seconds = [](double value) {
            return tr("%n second(s)", nullptr, int(std::lround(value)));
        };
        job->setPhase(Failure::failedPhase(tr("The clip is %1 long instead of %2.")
                                               .arg(seconds(*length), seconds(clip.length()))));
    } else {
        saved(job, folder);
        // Saved all the same, but not claimed to be right.
        if (!length)
            job->setDetail(tr("%1 (its length couldn\u2019t be checked)").arg(job->detail()));
    }
    settle();
}

} // namespace reelcatch
