// The cost of a download's output stream: the app's CPU time while several
// fake downloads print progress lines at yt-dlp's pace, and the raw speed of
// cutting recorded output into lines and applying them to a job.
#include "Benches.h"
#include "Common.h"
#include "FakeYtdlp.h"
#include "appmodel/AppModel.h"
#include "engine/ChildProcess.h"
#include "model/Prefs.h"

#include "TestEnv.h"
#include "appmodel/ProgressProtocol.h"
#include "engine/LineReader.h"

#include <QEventLoop>
#include <QJsonObject>
#include <QTimer>

#include <cstdio>

using namespace reelcatch;

namespace {

VideoItem benchItem(const QString& id)
{
    return *VideoItem::fromJson(
        QJsonObject{{QStringLiteral("id"), id},
                    {QStringLiteral("title"), QStringLiteral("Bench ") + id},
                    {QStringLiteral("webpage_url"), QStringLiteral("https://example.org/") + id}});
}

// A script printing `lines` progress lines, one every `intervalMs`, the way
// yt-dlp prints them for a video stream of 50 MB.
QString progressScript(int lines, int intervalMs)
{
    QString script;
    const double total = 50e6;
    for (int i = 0; i < lines; ++i) {
        const double done = total * (i + 1) / lines;
        const double speed = 4.2e6 + (i % 17) * 12345.678;
        const double eta = (total - done) / speed;
        script += QStringLiteral("out RC|downloading|%1|%2|NA|%3|%4|avc1.640028\nsleep %5\n")
                      .arg(qint64(done))
                      .arg(qint64(total))
                      .arg(speed, 0, 'f', 10)
                      .arg(qint64(eta))
                      .arg(intervalMs);
    }
    script += QStringLiteral("out RC|finished|50000000|50000000|NA|4200000.0|NA|avc1.640028\n");
    return script;
}

} // namespace

int progressBench(int jobs, int linesPerSecond, int seconds)
{
    TestEnv env;
    FakeYtdlp fake(env.supportDir());
    TestEnv::writeExecutable(env.binDirs().at(1) + QStringLiteral("/ffmpeg"), "#!/bin/sh\n");
    TestEnv::writeExecutable(env.binDirs().at(1) + QStringLiteral("/ffprobe"), "#!/bin/sh\n");
    const int lines = linesPerSecond * seconds;
    fake.setScript(progressScript(lines, 1000 / linesPerSecond));

    Engine engine(env.engineConfig());
    Prefs prefs(env.settingsPath(), env.downloadsDir());
    prefs.setValue(PrefKey::parallel, jobs);
    Bench::IdleInstaller installer;
    AppModel model(engine, prefs, installer);

    QList<VideoItem> items;
    for (int i = 0; i < jobs; ++i)
        items << benchItem(QStringLiteral("job%1").arg(i));

    const auto allDone = [&] {
        return !model.queue().downloads().isEmpty() &&
               std::all_of(model.queue().downloads().cbegin(), model.queue().downloads().cend(),
                           [](const DownloadPtr& j) { return j->isFinished(); }) &&
               model.queue().findChildren<ChildProcess*>().isEmpty();
    };
    const double cpuBefore = Bench::cpuSeconds();
    const qint64 startNs = Bench::nowNs();
    model.queue().enqueue(items, Preset::p1080);
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (allDone())
            loop.quit();
    });
    poll.start(50);
    QTimer::singleShot((seconds + 60) * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    const double wall = (Bench::nowNs() - startNs) / 1e9;
    const double cpu = Bench::cpuSeconds() - cpuBefore;

    int succeeded = 0;
    for (const DownloadPtr& job : model.queue().downloads())
        succeeded += job->phase() == Download::Phase::done();
    if (succeeded != jobs) {
        std::fprintf(stderr, "progress: %d of %d downloads ended well\n", succeeded, jobs);
        return 1;
    }
    Bench::result("jobs", jobs);
    Bench::result("lines_per_s", jobs * (lines + 1) / wall);
    Bench::result("wall_s", wall);
    Bench::result("cpu_s", cpu);
    Bench::result("cpu_percent", 100 * cpu / wall);
    return 0;
}

int linesBench(const QStringList& recordings, qint64 totalLines)
{
    const QList<QByteArray> recorded = Bench::recordedLines(recordings);
    if (recorded.isEmpty()) {
        std::fprintf(stderr, "lines: no recorded lines in %s\n",
                     qPrintable(recordings.join(QLatin1Char(' '))));
        return 1;
    }
    // About 100,000 lines as the pipe would carry them, fed in pieces of a
    // pipe read's usual size, so that lines are cut across pieces too.
    QByteArray stream;
    qint64 perPass = 0;
    while (perPass < 100000) {
        for (const QByteArray& line : recorded) {
            stream += line;
            stream += '\n';
            ++perPass;
        }
    }
    const qint64 passes = std::max<qint64>(1, totalLines / perPass);

    Download job(benchItem(QStringLiteral("lines")), Preset::p1080);
    qint64 handled = 0;
    LineReader reader([&](const QString& line) {
        ProgressProtocol::handle(line, job, QStringLiteral("/bench"));
        ++handled;
    });
    const qsizetype piece = 4096;
    const qint64 startNs = Bench::nowNs();
    const qint64 startCpuNs = Bench::threadCpuNs();
    for (qint64 pass = 0; pass < passes; ++pass) {
        for (qsizetype at = 0; at < stream.size(); at += piece)
            reader.feed(QByteArrayView(stream).sliced(at, std::min(piece, stream.size() - at)));
    }
    reader.flush();
    const double seconds = (Bench::nowNs() - startNs) / 1e9;
    const double cpuSeconds = (Bench::threadCpuNs() - startCpuNs) / 1e9;
    Bench::result("lines", double(handled));
    Bench::result("recorded_lines", double(recorded.size()));
    Bench::result("seconds", seconds);
    Bench::result("cpu_seconds", cpuSeconds);
    Bench::result("lines_per_s", handled / seconds);
    // On a busy machine the thread also waits for a processor: its own CPU
    // time is the steadier figure.
    Bench::result("lines_per_cpu_s", handled / cpuSeconds);
    return 0;
}
