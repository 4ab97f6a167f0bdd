// The download queue over a scripted yt-dlp: command lines, progress,
// completion, limits and order, cancel, retry, remove, the ffmpeg hold, the
// badge and the completion cue.
#include "ProcessTable.h"
#include "QueueFixture.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>

#include <csignal>

using namespace reelcatch;

namespace {

const QString progressTemplate = QStringLiteral(
    "download:RC|%(progress.status)s|%(progress.downloaded_bytes)s|%(progress.total_bytes)s|"
    "%(progress.total_bytes_estimate)s|%(progress.speed)s|%(progress.eta)s|%(info.vcodec)s");

// The twelve arguments that follow the address.
QStringList fixedArgs(const QString& folder)
{
    return {QStringLiteral("--no-playlist"),
            QStringLiteral("--newline"),
            QStringLiteral("--progress"),
            QStringLiteral("-P"),
            folder,
            QStringLiteral("-o"),
            QStringLiteral("%(title).180B [%(id)s].%(ext)s"),
            QStringLiteral("--progress-template"),
            progressTemplate};
}

QStringList words(const char* text)
{
    return QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

class TestQueue : public QObject {
    Q_OBJECT
private slots:
    void arguments_data();
    void arguments();
    void progressThenDone();
    void endings_data();
    void endings();
    void engineMissing();
    void launchFailureMovesOn();
    void duplicatesAndPresets();
    void parallelLimitAndOrder_data();
    void parallelLimitAndOrder();
    void cancelledStaysCancelled_data();
    void cancelledStaysCancelled();
    void cancelStopsTheWholeGroup();
    void retryKeepsItsPlace();
    void retryWhileTheCancelledRunEnds();
    void removeAndClearFinished();
    void ffmpegHold();
    void ffmpegFailureFallsBack();
    void badgeAndCue();
};

void TestQueue::arguments_data()
{
    QTest::addColumn<QString>("preset");
    QTest::addColumn<bool>("ffmpeg");
    QTest::addColumn<QStringList>("settings"); // key=value pairs stored before the launch
    QTest::addColumn<QString>("version");      // the yt-dlp version the engine reported
    QTest::addColumn<QString>("url");
    QTest::addColumn<QStringList>("tail"); // everything after the print template

    QTest::newRow("1080p defaults")
        << QStringLiteral("p1080") << true << QStringList() << QString() << QString()
        << words("--ffmpeg-location BIN -f bv*+ba/b -S res:1080,fps,vcodec:h264,acodec:m4a "
                 "--merge-output-format mp4 --remux-video mp4 --embed-metadata --embed-thumbnail");
    QTest::newRow("best, everything on, no h264")
        << QStringLiteral("best") << true
        << QStringList{QStringLiteral("h264=false"), QStringLiteral("subs=true"),
                       QStringLiteral("subLangs=fr.*, ja"), QStringLiteral("sponsor=true")}
        << QString() << QString()
        << (words(
                "--ffmpeg-location BIN -f bv*+ba/b -S res,fps,acodec:m4a --merge-output-format mp4 "
                "--remux-video mp4 --embed-metadata --embed-thumbnail --write-subs --sub-langs")
            << QStringLiteral("fr.*, ja")
            << words("--embed-subs --sponsorblock-remove sponsor,selfpromo,interaction"));
    QTest::newRow("subtitles never for audio")
        << QStringLiteral("mp3") << true
        << QStringList{QStringLiteral("subs=true"), QStringLiteral("embedThumb=false")} << QString()
        << QString()
        << words("--ffmpeg-location BIN -f ba/b -x --audio-format mp3 --audio-quality 0 "
                 "--embed-metadata");
    QTest::newRow("empty language list passed as it is")
        << QStringLiteral("p720") << true
        << QStringList{QStringLiteral("subs=true"), QStringLiteral("subLangs="),
                       QStringLiteral("embedMeta=false"), QStringLiteral("embedThumb=false")}
        << QString() << QString()
        << (words("--ffmpeg-location BIN -f bv*+ba/b -S res:720,fps,vcodec:h264,acodec:m4a "
                  "--merge-output-format mp4 --remux-video mp4 --write-subs --sub-langs")
            << QString() << QStringLiteral("--embed-subs"));
    QTest::newRow("no ffmpeg, audio: no format arguments, no thumbnail")
        << QStringLiteral("m4a") << false << QStringList() << QString() << QString()
        << words("-f ba[ext=m4a]/ba/b --embed-metadata");
    QTest::newRow("no ffmpeg, video")
        << QStringLiteral("p2160") << false << QStringList{QStringLiteral("embedMeta=false")}
        << QString() << QString() << words("-f b[ext=mp4]/b");
    QTest::newRow("current yt-dlp prints post-processor steps")
        << QStringLiteral("p480") << false << QStringList{QStringLiteral("embedMeta=false")}
        << QStringLiteral("2026.08.19") << QString() << words("-f b[ext=mp4]/b");
    QTest::newRow("old yt-dlp does not")
        << QStringLiteral("p480") << false << QStringList{QStringLiteral("embedMeta=false")}
        << QStringLiteral("2023.03.04") << QString() << words("-f b[ext=mp4]/b");
    QTest::newRow("address that looks like an option goes last")
        << QStringLiteral("p480") << false << QStringList{QStringLiteral("embedMeta=false")}
        << QString() << QStringLiteral("-x")
        << (words("-f b[ext=mp4]/b --") << QStringLiteral("-x"));
}

void TestQueue::arguments()
{
    QFETCH(QString, preset);
    QFETCH(bool, ffmpeg);
    QFETCH(QStringList, settings);
    QFETCH(QString, version);
    QFETCH(QString, url);
    QFETCH(QStringList, tail);

    QueueFixture f(ffmpeg);
    if (!version.isEmpty()) {
        // The engine check reads the version; deno is there, so it installs nothing.
        TestEnv::writeExecutable(f.env.binDirs().at(0) + QStringLiteral("/deno"), "#!/bin/sh\n");
        f.fake.answerVersion(version);
        f.model.ensureEngine(false);
        QVERIFY(QTest::qWaitFor([&] { return !f.model.engineBusy(); }, 20000));
        QCOMPARE(f.model.engineVersion().value_or(QString()), version);
        QVERIFY(f.installer.calls.isEmpty());
        f.fake.clearCalls();
    }
    for (const QString& setting : settings) {
        const QString key = setting.section(QLatin1Char('='), 0, 0);
        const QString value = setting.section(QLatin1Char('='), 1);
        if (value == QLatin1String("true") || value == QLatin1String("false"))
            f.prefs.setValue(key, value == QLatin1String("true"));
        else
            f.prefs.setValue(key, value);
    }
    const QString folder = f.env.path(QStringLiteral("My Videos"));
    f.prefs.setFolder(folder);

    VideoItem item = videoItem(QStringLiteral("a"));
    if (!url.isEmpty())
        item = *VideoItem::fromJson(QJsonObject{{QStringLiteral("id"), QStringLiteral("a")},
                                                {QStringLiteral("webpage_url"), url}});
    f.model.enqueue({item}, *Preset::fromRawValue(preset));
    // Without ffmpeg, downloads go ahead once fetching it has failed.
    if (!ffmpeg)
        QVERIFY(f.installer.finish(QStringLiteral("ffmpeg"), AppError{QStringLiteral("offline")}));
    QVERIFY(f.allFinished());

    QStringList expected = f.engine.commonArgs();
    if (url.isEmpty())
        expected << item.url();
    expected << fixedArgs(folder);
    if (version >= QLatin1String("2023.06.21"))
        expected << QStringLiteral("--progress-template")
                 << QStringLiteral("postprocess:[%(progress.postprocessor)s] %(progress.status)s");
    expected << QStringLiteral("--print") << QStringLiteral("after_move:RCFILE|%(filepath)s");
    expected << tail.replaceInStrings(QStringLiteral("BIN"), f.env.binDirs().at(1));
    QCOMPARE(f.fake.lastArgs(), expected);
}

void TestQueue::progressThenDone()
{
    // Lines as a current yt-dlp prints them for a merged download.
    QueueFixture f;
    f.fake.err(QStringLiteral("WARNING: [generic] Falling back on generic information extractor"))
        .out(QStringLiteral("RC|downloading|817|NA|1634.0|0|NA|avc1.f4001e"))
        .out(QStringLiteral("RC|finished|35930|35930|NA|2239746.49|NA|avc1.f4001e"))
        .out(QStringLiteral("RC|downloading|765|NA|3060.0|0|NA|none"))
        .out(QStringLiteral("[Merger] started"))
        .sleepMs(50)
        .line(QStringLiteral("out-nonl RCFILE|/videos/My clip [a].mp4"));
    QStringList seen;
    f.model.enqueue({videoItem(QStringLiteral("a"))}, Preset::p1080);
    const DownloadPtr job = f.job(QStringLiteral("a"));
    QCOMPARE(kind(job), Download::Phase::Kind::downloading);
    QCOMPARE(job->detail(), QStringLiteral("Starting\u2026"));
    connect(job.get(), &Download::changed, this, [&] { seen << job->detail(); });
    QVERIFY(f.allFinished());

    QCOMPARE(kind(job), Download::Phase::Kind::done);
    QCOMPARE(job->fraction(), 1.0);
    QCOMPARE(job->file().value_or(QString()), QStringLiteral("/videos/My clip [a].mp4"));
    // The last line came without a line break and was still read before the end.
    QCOMPARE(job->detail(), QStringLiteral("My clip [a].mp4"));
    QVERIFY(seen.contains(QStringLiteral("Finishing up\u2026")));
    QVERIFY(std::any_of(seen.cbegin(), seen.cend(), [](const QString& d) {
        return d.startsWith(QStringLiteral("Audio \u00B7 "));
    }));
    QVERIFY(job->errorLines().isEmpty());
}

void TestQueue::endings_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("done");
    QTest::addColumn<QString>("text"); // detail when done, message when failed

    QTest::newRow("no final file: the folder's name")
        << QString() << true << QStringLiteral("Saved to Downloads");
    QTest::newRow("two errors: the second")
        << QStringLiteral("err ERROR:  first \nerr ERROR:   second  \nexit 1") << false
        << QStringLiteral("second");
    QTest::newRow("no error line") << QStringLiteral("out something\nexit 2") << false
                                   << QStringLiteral("yt-dlp exited with code 2");
    QTest::newRow("killed by a signal")
        << QStringLiteral("raise KILL") << false << QStringLiteral("yt-dlp exited with code 9");
    QTest::newRow("error lines but success")
        << QStringLiteral("err ERROR: not fatal\nout RCFILE|/d/x [a].m4a") << true
        << QStringLiteral("x [a].m4a");
}

void TestQueue::endings()
{
    QFETCH(QString, script);
    QFETCH(bool, done);
    QFETCH(QString, text);
    QueueFixture f;
    f.prefs.setFolder(f.env.homeDir() + QStringLiteral("/Downloads/"));
    f.fake.setScript(script);
    f.model.enqueue({videoItem(QStringLiteral("a"))}, Preset::m4a);
    QVERIFY(f.allFinished());
    const DownloadPtr job = f.job(QStringLiteral("a"));
    if (done) {
        QCOMPARE(kind(job), Download::Phase::Kind::done);
        QCOMPARE(job->detail(), text);
    } else {
        QCOMPARE(job->phase(), Download::Phase::failed(text));
        QCOMPARE(job->detail(), QStringLiteral("Starting\u2026"));
    }
}

void TestQueue::engineMissing()
{
    QueueFixture f;
    QVERIFY(QFile::remove(f.fake.path()));
    f.model.enqueue({videoItem(QStringLiteral("a")), videoItem(QStringLiteral("b"))}, Preset::p720);
    for (const DownloadPtr& job : f.model.downloads()) {
        QCOMPARE(job->phase(),
                 Download::Phase::failed(QStringLiteral("Download engine not installed yet.")));
        QCOMPARE(job->detail(), QStringLiteral("Waiting\u2026"));
        QVERIFY(!job->process());
    }
}

void TestQueue::launchFailureMovesOn()
{
    // yt-dlp is there but cannot start: each job fails with the system's
    // reason, and the queue goes on.
    QueueFixture f;
    TestEnv::writeExecutable(f.fake.path(), "#!/nonexistent/interpreter\n");
    f.prefs.setValue(PrefKey::parallel, 1);
    f.model.enqueue({videoItem(QStringLiteral("a")), videoItem(QStringLiteral("b"))}, Preset::p720);
    QVERIFY(f.allFinished());
    for (const DownloadPtr& job : f.model.downloads()) {
        QCOMPARE(kind(job), Download::Phase::Kind::failed);
        QVERIFY(!job->phase().message().isEmpty());
        QVERIFY(!job->phase().message().startsWith(QStringLiteral("yt-dlp exited")));
    }
    QCOMPARE(f.cue.sounds, 0);
}

void TestQueue::duplicatesAndPresets()
{
    QueueFixture f;
    f.prefs.setValue(PrefKey::parallel, 1);
    f.fake.onArgContaining(QStringLiteral("example.org/slow"))
        .sleepMs(800)
        .otherwise()
        .err(QStringLiteral("ERROR: gone"))
        .exitWith(1);
    const VideoItem slow = videoItem(QStringLiteral("slow"));
    const VideoItem a = videoItem(QStringLiteral("a"));
    f.model.enqueue({slow, a}, Preset::p1080);
    f.model.enqueue({a}, Preset::p1080);    // waiting: not again
    f.model.enqueue({slow}, Preset::p1080); // running: not again
    f.model.enqueue({a}, Preset::mp3);      // another preset: a new job
    QCOMPARE(f.model.downloads().size(), 3);
    QVERIFY(f.allFinished());
    QCOMPARE(f.started(),
             (QStringList{QStringLiteral("slow"), QStringLiteral("a"), QStringLiteral("a")}));

    // A failed job does not stand in the way of a new one, and stays.
    f.model.enqueue({a}, Preset::p1080);
    QCOMPARE(f.model.downloads().size(), 4);
    QCOMPARE(f.model.downloads().at(0)->video().id(), QStringLiteral("a"));
    QCOMPARE(kind(f.model.downloads().at(2)), Download::Phase::Kind::failed);
    QVERIFY(f.allFinished());
}

void TestQueue::parallelLimitAndOrder_data()
{
    QTest::addColumn<QVariant>("parallel");
    QTest::addColumn<int>("limit");
    QTest::newRow("two") << QVariant(2) << 2;
    QTest::newRow("zero means one") << QVariant(0) << 1;
    QTest::newRow("negative means one") << QVariant(-3) << 1;
    QTest::newRow("not a number: the default") << QVariant(QStringLiteral("lots")) << 2;
}

void TestQueue::parallelLimitAndOrder()
{
    QFETCH(QVariant, parallel);
    QFETCH(int, limit);
    QueueFixture f;
    f.prefs.setValue(PrefKey::parallel, parallel);
    f.fake.sleepMs(150);
    const QStringList ids{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                          QStringLiteral("d"), QStringLiteral("e")};
    QList<VideoItem> items;
    for (const QString& id : ids)
        items << videoItem(id);
    f.model.enqueue(items, Preset::p1080);

    // Newest first in the list, oldest first to start.
    QCOMPARE(f.model.downloads().first()->video().id(), QStringLiteral("e"));
    int maxActive = 0;
    QStringList order;
    auto countActive = [&] {
        const auto active = std::count_if(f.model.downloads().cbegin(), f.model.downloads().cend(),
                                          [](const DownloadPtr& j) { return j->isActive(); });
        maxActive = std::max(maxActive, int(active));
    };
    countActive();
    QCOMPARE(maxActive, limit);
    for (const DownloadPtr& job : f.model.downloads()) {
        if (job->isActive())
            order << job->video().id();
        connect(job.get(), &Download::phaseChanged, this, [&, job = job.get()] {
            countActive();
            if (job->phase().kind() == Download::Phase::Kind::downloading)
                order << job->video().id();
        });
    }
    std::reverse(order.begin(), order.end());
    QVERIFY(f.allFinished());
    QCOMPARE(maxActive, limit);
    QCOMPARE(order, ids);
}

void TestQueue::cancelledStaysCancelled_data()
{
    QTest::addColumn<QString>("onTerm");
    QTest::newRow("dies of the signal") << QStringLiteral("die");
    QTest::newRow("carries on, prints and exits 0") << QStringLiteral("ignore");
}

void TestQueue::cancelledStaysCancelled()
{
    QFETCH(QString, onTerm);
    QueueFixture f;
    f.fake.onSigterm(onTerm)
        .out(QStringLiteral("RC|downloading|100|1000|NA|NA|NA|avc1"))
        .sleepMs(600)
        .out(QStringLiteral("RC|downloading|900|1000|NA|NA|NA|avc1"))
        .out(QStringLiteral("[Merger] late"))
        .err(QStringLiteral("ERROR: late"))
        .out(QStringLiteral("RCFILE|/d/late.mp4"));
    f.model.enqueue({videoItem(QStringLiteral("a"))}, Preset::p1080);
    const DownloadPtr job = f.job(QStringLiteral("a"));
    QVERIFY(QTest::qWaitFor([&] { return job->fraction() > 0; }, 20000));
    f.model.cancel(*job);
    QCOMPARE(kind(job), Download::Phase::Kind::cancelled);
    QCOMPARE(job->detail(), QStringLiteral("Cancelled"));
    QVERIFY(f.allFinished());

    QCOMPARE(kind(job), Download::Phase::Kind::cancelled);
    QCOMPARE(job->detail(), QStringLiteral("Cancelled"));
    QCOMPARE(job->fraction(), 0.1);
    QVERIFY(job->errorLines().isEmpty());
    QVERIFY(!job->file());
    QCOMPARE(f.fake.signalsReceived(), QStringList{QStringLiteral("TERM")});
    QCOMPARE(f.cue.sounds, 0);
}

void TestQueue::cancelStopsTheWholeGroup()
{
    // A yt-dlp that has started a child of its own, as it does with ffmpeg.
    QueueFixture f;
    const QString childPid = f.env.path(QStringLiteral("child.pid"));
    TestEnv::writeExecutable(f.fake.path(),
                             "#!/bin/sh\nsleep 30 &\necho $! > '" + childPid.toUtf8() +
                                 "'\necho RC\\|downloading\\|1\\|2\\|NA\\|NA\\|NA\\|none\nwait\n");
    f.model.enqueue({videoItem(QStringLiteral("a")), videoItem(QStringLiteral("b"))},
                    Preset::p1080);
    QVERIFY(QTest::qWaitFor([&] { return f.job(QStringLiteral("a"))->fraction() > 0; }, 20000));
    QFile pidFile(childPid);
    QVERIFY(QTest::qWaitFor([&] { return pidFile.size() > 0; }, 5000));
    QVERIFY(pidFile.open(QIODevice::ReadOnly));
    const qint64 child = pidFile.readAll().trimmed().toLongLong();
    QVERIFY(child > 0);
    QVERIFY(!processGone(child));

    f.model.cancelAll();
    for (const DownloadPtr& job : f.model.downloads())
        QCOMPARE(kind(job), Download::Phase::Kind::cancelled);
    QVERIFY(f.allFinished());
    QVERIFY(QTest::qWaitFor([&] { return processGone(child); }, 5000));
}

void TestQueue::retryKeepsItsPlace()
{
    QueueFixture f;
    f.prefs.setValue(PrefKey::parallel, 1);
    f.fake.onCall(1)
        .err(QStringLiteral("ERROR: first try"))
        .out(QStringLiteral("RCFILE|/d/a.mp4"))
        .exitWith(1)
        .onArgContaining(QStringLiteral("example.org/old"))
        .sleepMs(700)
        .otherwise();
    f.model.enqueue({videoItem(QStringLiteral("a"))}, Preset::p1080);
    QVERIFY(f.allFinished());
    const DownloadPtr a = f.job(QStringLiteral("a"));
    QCOMPARE(a->phase(), Download::Phase::failed(QStringLiteral("first try")));

    f.model.enqueue({videoItem(QStringLiteral("old"))}, Preset::p1080); // runs
    f.model.enqueue({videoItem(QStringLiteral("b")), videoItem(QStringLiteral("c"))},
                    Preset::p1080);
    f.model.retry(*a);
    QCOMPARE(kind(a), Download::Phase::Kind::queued);
    QCOMPARE(a->detail(), QStringLiteral("Waiting\u2026"));
    QCOMPARE(a->fraction(), 0.0);
    // Kept until the next launch.
    QCOMPARE(a->errorLines(), QStringList{QStringLiteral("first try")});

    // The retried job sits below the newer waiting ones, so it goes first.
    QVERIFY(QTest::qWaitFor([&] { return a->isActive() || a->isFinished(); }, 20000));
    QVERIFY(a->errorLines().isEmpty());
    QVERIFY(!a->file());
    QVERIFY(f.allFinished());
    QCOMPARE(f.started(),
             (QStringList{QStringLiteral("a"), QStringLiteral("old"), QStringLiteral("a"),
                          QStringLiteral("b"), QStringLiteral("c")}));
}

void TestQueue::retryWhileTheCancelledRunEnds()
{
    // A cancelled run that takes its time to go and still prints: the job,
    // retried meanwhile, waits for a slot and then ends by its new run alone.
    QueueFixture f;
    f.prefs.setValue(PrefKey::parallel, 2);
    f.fake.onArgContaining(QStringLiteral("example.org/a"))
        .ignoreSigtermFor(500)
        .out(QStringLiteral("RC|downloading|10|100|NA|NA|NA|avc1"))
        .sleepMs(300)
        .out(QStringLiteral("[Merger] stale"))
        .err(QStringLiteral("ERROR: stale"))
        .out(QStringLiteral("RCFILE|/d/stale.mp4"))
        .sleepMs(5000)
        .otherwise()
        .sleepMs(20000);
    f.model.enqueue({videoItem(QStringLiteral("x")), videoItem(QStringLiteral("a"))},
                    Preset::p1080);
    const DownloadPtr a = f.job(QStringLiteral("a"));
    QVERIFY(QTest::qWaitFor([&] { return a->fraction() > 0; }, 20000));
    f.model.cancel(*a);
    // The first run has read its script; the next one finishes at once.
    f.fake.setScript(QStringLiteral("@arg-contains example.org/a\nout RCFILE|/d/a.mp4\n"
                                    "@arg-contains example.org/x\nsleep 20000\n"
                                    "@default\nsleep 1000\n"));
    f.model.enqueue({videoItem(QStringLiteral("b"))}, Preset::p1080); // takes the free slot
    QList<Download::Phase> phases;
    connect(a.get(), &Download::phaseChanged, this, [&] { phases << a->phase(); });
    f.model.retry(*a);
    QCOMPARE(kind(a), Download::Phase::Kind::queued);

    QVERIFY(QTest::qWaitFor([&] { return a->isFinished(); }, 20000));
    QCOMPARE(phases,
             (QList<Download::Phase>{Download::Phase::queued(), Download::Phase::downloading(),
                                     Download::Phase::done()}));
    QCOMPARE(a->file().value_or(QString()), QStringLiteral("/d/a.mp4"));
    QVERIFY(a->errorLines().isEmpty());
    QCOMPARE(f.started().count(QStringLiteral("a")), 2);
    f.model.cancel(*f.job(QStringLiteral("x")));
    QVERIFY(f.allFinished());
    QCOMPARE(f.fake.signalsReceived(),
             (QStringList{QStringLiteral("TERM"), QStringLiteral("TERM")}));
}

void TestQueue::removeAndClearFinished()
{
    QueueFixture f;
    f.prefs.setValue(PrefKey::parallel, 3);
    f.fake.onArgContaining(QStringLiteral("example.org/run"))
        .sleepMs(3000)
        .otherwise()
        .onArgContaining(QStringLiteral("example.org/proc"))
        .out(QStringLiteral("[Merger] Merging"))
        .sleepMs(3000)
        .otherwise()
        .onArgContaining(QStringLiteral("example.org/bad"))
        .exitWith(1)
        .otherwise()
        .onArgContaining(QStringLiteral("example.org/gone"))
        .sleepMs(3000)
        .otherwise();
    f.model.enqueue({videoItem(QStringLiteral("ok")), videoItem(QStringLiteral("bad"))},
                    Preset::p1080);
    QVERIFY(f.allFinished());
    f.model.enqueue({videoItem(QStringLiteral("x"))}, Preset::p1080);
    QVERIFY(f.allFinished());
    f.model.cancel(*f.job(QStringLiteral("x"))); // cancel of a finished job still marks it
    f.model.enqueue({videoItem(QStringLiteral("run")), videoItem(QStringLiteral("proc")),
                     videoItem(QStringLiteral("gone")), videoItem(QStringLiteral("wait"))},
                    Preset::p1080);
    QVERIFY(QTest::qWaitFor(
        [&] { return kind(f.job(QStringLiteral("proc"))) == Download::Phase::Kind::processing; },
        20000));

    // Removing a running job takes it out at once and stops its process;
    // the freed slot goes to the waiting one.
    const DownloadPtr gone = f.job(QStringLiteral("gone"));
    QVERIFY(gone->isActive());
    QSignalSpy listChanged(&f.model, &AppModel::downloadsChanged);
    f.model.remove(*gone);
    QCOMPARE(listChanged.count(), 1);
    QVERIFY(!f.job(QStringLiteral("gone")));
    QCOMPARE(kind(gone), Download::Phase::Kind::cancelled);
    QVERIFY(QTest::qWaitFor([&] { return !gone->process(); }, 20000));
    QVERIFY(f.job(QStringLiteral("wait"))->isActive() ||
            f.job(QStringLiteral("wait"))->isFinished());

    f.model.clearFinished();
    QStringList left;
    for (const DownloadPtr& job : f.model.downloads())
        left << job->video().id();
    QVERIFY2(left == (QStringList{QStringLiteral("proc"), QStringLiteral("run")}) ||
                 left == (QStringList{QStringLiteral("wait"), QStringLiteral("proc"),
                                      QStringLiteral("run")}),
             qPrintable(left.join(QLatin1Char(','))));
    f.model.cancelAll();
    QVERIFY(f.allFinished());
}

void TestQueue::ffmpegHold()
{
    QueueFixture f(false);
    f.model.enqueue({videoItem(QStringLiteral("a")), videoItem(QStringLiteral("b"))},
                    Preset::p1080);
    f.model.enqueue({videoItem(QStringLiteral("c"))}, Preset::mp3);
    QCOMPARE(f.installer.calls, QStringList{QStringLiteral("ffmpeg")});
    for (const DownloadPtr& job : f.model.downloads()) {
        QCOMPARE(kind(job), Download::Phase::Kind::queued);
        QCOMPARE(job->detail(), QStringLiteral("Getting ffmpeg ready (one-time, ~56 MB)\u2026"));
    }
    QCOMPARE(f.badge.counts.last(), 3);
    f.model.cancel(*f.job(QStringLiteral("b")));
    QVERIFY(f.fake.calls().isEmpty());

    QVERIFY(f.installer.finish(QStringLiteral("ffmpeg"), Done{},
                               [&] { QueueFixture::placeFfmpeg(f.env.supportDir()); }));
    QCOMPARE(f.job(QStringLiteral("b"))->detail(), QStringLiteral("Cancelled"));
    QVERIFY(f.allFinished());
    QStringList started = f.started();
    started.sort();
    QCOMPARE(started, (QStringList{QStringLiteral("a"), QStringLiteral("c")}));
    QVERIFY(f.fake.lastArgs().contains(QStringLiteral("--ffmpeg-location")));
    QCOMPARE(f.installer.calls.size(), 1);
    QVERIFY(!f.model.engineNote());
}

void TestQueue::ffmpegFailureFallsBack()
{
    QueueFixture f(false);
    f.model.enqueue({videoItem(QStringLiteral("a"))}, Preset::p1080);
    QVERIFY(f.installer.finish(QStringLiteral("ffmpeg"),
                               AppError{QStringLiteral("Download failed (HTTP 404): u")}));
    QCOMPARE(
        f.model.engineNote().value_or(QString()),
        QStringLiteral(
            "Couldn't download ffmpeg (Download failed (HTTP 404): u). Downloads are limited to "
            "lower quality for now."));
    QVERIFY(f.allFinished());
    QVERIFY(f.fake.lastArgs().contains(QStringLiteral("b[ext=mp4]/b")));
    // No second attempt for the rest of the run.
    f.model.enqueue({videoItem(QStringLiteral("b"))}, Preset::p1080);
    QVERIFY(f.allFinished());
    QCOMPARE(f.installer.calls, QStringList{QStringLiteral("ffmpeg")});
}

void TestQueue::badgeAndCue()
{
    QueueFixture f;
    f.prefs.setValue(PrefKey::parallel, 1);
    f.fake.onArgContaining(QStringLiteral("example.org/bad")).exitWith(1).otherwise().sleepMs(100);
    f.model.enqueue({videoItem(QStringLiteral("a")), videoItem(QStringLiteral("b")),
                     videoItem(QStringLiteral("c")), videoItem(QStringLiteral("d"))},
                    Preset::p1080);
    QCOMPARE(f.badge.counts.last(), 4); // one running, three waiting
    QVERIFY(QTest::qWaitFor([&] { return f.job(QStringLiteral("a"))->isFinished(); }, 20000));
    QCOMPARE(f.cue.sounds, 0); // the batch is not over
    QVERIFY(f.allFinished());
    QCOMPARE(f.badge.counts.last(), 0);
    QCOMPARE(f.cue.sounds, 1);
    QCOMPARE(f.cue.attentions, 1);

    // A batch that only fails gives no cue once the done jobs are cleared away.
    f.model.clearFinished();
    f.model.enqueue({videoItem(QStringLiteral("bad"))}, Preset::p1080);
    QVERIFY(f.allFinished());
    QCOMPARE(f.cue.sounds, 1);
    // With a done job still in the list, even a failure ending the batch gives it.
    f.model.enqueue({videoItem(QStringLiteral("e"))}, Preset::p1080);
    QVERIFY(f.allFinished());
    f.model.retry(*f.job(QStringLiteral("bad")));
    QVERIFY(f.allFinished());
    QCOMPARE(f.cue.sounds, 3);
}

QTEST_GUILESS_MAIN(TestQueue)
#include "tst_queue.moc"
