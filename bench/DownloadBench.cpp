// Debian's yt-dlp downloading a large file from the loopback HTTP server,
// once through the app model and once as the same command line run alone,
// alternately, to see what the model adds to a download's wall time.
#include "Benches.h"
#include "Common.h"
#include "FakeYtdlp.h"
#include "appmodel/AppModel.h"
#include "engine/ChildProcess.h"
#include "model/Prefs.h"

#include "HttpServer.h"
#include "TestEnv.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace reelcatch;

namespace {

bool writeRandomFile(const QString& path, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QRandomGenerator random(20240601);
    QByteArray block(1 << 20, Qt::Uninitialized);
    for (qint64 left = size; left > 0; left -= block.size()) {
        random.fillRange(reinterpret_cast<quint32*>(block.data()), block.size() / 4);
        const qint64 n = std::min<qint64>(left, block.size());
        if (file.write(block.constData(), n) != n)
            return false;
    }
    return true;
}

void emptyFolder(const QString& path)
{
    QDir dir(path);
    dir.removeRecursively();
    dir.mkpath(path);
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Runs the event loop until `done` holds (checked every 20 ms) or `ms` pass.
bool waitUntil(const std::function<bool()>& done, int ms)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    poll.start(20);
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

} // namespace

int downloadBench(qint64 megabytes, int rounds)
{
    const QString system = QStringLiteral("/usr/bin/yt-dlp");
    if (!QFile::exists(system)) {
        std::fprintf(stderr, "download: Debian's yt-dlp is not installed\n");
        return 1;
    }
    TestEnv env;
    HttpServer server;
    const QString www = env.path(QStringLiteral("www"));
    QDir().mkpath(www);
    const QString file = www + QStringLiteral("/video.mp4");
    const qint64 size = megabytes * 1000 * 1000;
    if (!server.isListening() || !writeRandomFile(file, size)) {
        std::fprintf(stderr, "download: cannot serve the file\n");
        return 1;
    }
    server.serveFile(QStringLiteral("/video.mp4"), file, "video/mp4");
    for (const QString& tool :
         {QStringLiteral("yt-dlp"), QStringLiteral("ffmpeg"), QStringLiteral("ffprobe")})
        QFile::link(QStringLiteral("/usr/bin/") + tool,
                    env.binDirs().at(2) + QLatin1Char('/') + tool);

    Engine engine(env.engineConfig());
    Prefs prefs(env.settingsPath(), env.downloadsDir());
    // Random bytes are no video: nothing may ask ffmpeg to read them.
    prefs.setValue(PrefKey::embedMeta, false);
    prefs.setValue(PrefKey::embedThumb, false);
    Bench::IdleInstaller installer;
    AppModel model(engine, prefs, installer);
    const VideoItem item = *VideoItem::fromJson(
        QJsonObject{{QStringLiteral("id"), QStringLiteral("video")},
                    {QStringLiteral("webpage_url"), server.url(QStringLiteral("/video.mp4"))}});
    const auto lastJobEnded = [&] {
        return !model.queue().downloads().isEmpty() &&
               model.queue().downloads().first()->isFinished() &&
               model.queue().findChildren<ChildProcess*>().isEmpty();
    };

    // The command line the model runs, as a managed fake copy records it; the
    // fake then goes, and the system's yt-dlp is the one found.
    QStringList args;
    {
        FakeYtdlp fake(env.supportDir());
        model.queue().enqueue({item}, Preset::p1080);
        if (!waitUntil(lastJobEnded, 30000) || fake.calls().isEmpty()) {
            std::fprintf(stderr, "download: the fake was not run\n");
            return 1;
        }
        args = fake.lastArgs();
        QFile::remove(fake.path());
    }
    const QString program = engine.ytdlp().value_or(QString());
    const QString target = env.downloadsDir() + QStringLiteral("/video [video].mp4");

    const auto throughModel = [&]() -> double {
        emptyFolder(env.downloadsDir());
        const qint64 start = Bench::nowNs();
        model.queue().enqueue({item}, Preset::p1080);
        if (!waitUntil(lastJobEnded, 600000))
            return -1;
        const double seconds = (Bench::nowNs() - start) / 1e9;
        const DownloadPtr job = model.queue().downloads().first();
        if (job->phase() != Download::Phase::done() || QFileInfo(target).size() != size) {
            std::fprintf(stderr, "download: the model's download failed: %s\n",
                         qPrintable(job->phase().message()));
            return -1;
        }
        return seconds;
    };
    const auto alone = [&]() -> double {
        emptyFolder(env.downloadsDir());
        QProcess process;
        process.setProgram(program);
        process.setArguments(args);
        process.setProcessEnvironment(engine.environment());
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.setStandardInputFile(QProcess::nullDevice());
        QObject::connect(&process, &QProcess::readyReadStandardOutput, &process,
                         [&] { process.readAllStandardOutput(); });
        const qint64 start = Bench::nowNs();
        process.start();
        if (!waitUntil([&] { return process.state() == QProcess::NotRunning; }, 600000))
            return -1;
        const double seconds = (Bench::nowNs() - start) / 1e9;
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 ||
            QFileInfo(target).size() != size) {
            std::fprintf(stderr, "download: yt-dlp alone failed (%d)\n", process.exitCode());
            return -1;
        }
        return seconds;
    };

    QList<double> modelTimes;
    QList<double> aloneTimes;
    for (int round = 0; round < rounds; ++round) {
        // Alternate which goes first, so that neither always meets a warm cache.
        for (int step = 0; step < 2; ++step) {
            const bool modelTurn = (round + step) % 2 == 0;
            const double seconds = modelTurn ? throughModel() : alone();
            if (seconds < 0)
                return 1;
            (modelTurn ? modelTimes : aloneTimes) << seconds;
        }
    }
    emptyFolder(env.downloadsDir());
    Bench::result("megabytes", double(megabytes));
    Bench::result("model_s", median(modelTimes));
    Bench::result("alone_s", median(aloneTimes));
    Bench::result("ratio", median(modelTimes) / median(aloneTimes));
    Bench::result("fastest_ratio", *std::min_element(modelTimes.cbegin(), modelTimes.cend()) /
                                       *std::min_element(aloneTimes.cbegin(), aloneTimes.cend()));
    return 0;
}
