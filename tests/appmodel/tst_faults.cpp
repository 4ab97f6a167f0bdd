// Faults from outside, against a scripted yt-dlp: a download killed from
// outside, output that never ends its line, bytes that are not UTF-8 in
// every kind of line and in a lookup answer, and lookup answers too deep or
// too big to be a listing.
#include "Fmt.h"
#include "ProcessTable.h"
#include "QueueFixture.h"

#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <csignal>
#include <functional>

using namespace reelcatch;

namespace {

// A field of /proc/self/status in kB ("VmRSS", "VmHWM"); -1 if unknown.
qint64 statusKb(const QByteArray& field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

// Freed blocks wait in the address sanitizer's quarantine before reuse.
#ifdef __SANITIZE_ADDRESS__
constexpr qint64 peakGrowthLimitKb = 400 * 1024;
#else
constexpr qint64 peakGrowthLimitKb = 48 * 1024;
#endif

constexpr qint64 hundredMb = 100 * 1024 * 1024;
constexpr qint64 twoHundredMb = 200 * 1024 * 1024;

// Runs the event loop until `done` holds or the time is up. Unlike
// QTest::qWaitFor it never sleeps, so a child's output is read as fast as it
// comes.
bool spinUntil(const std::function<bool()>& done, int timeoutMs)
{
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    check.start(20);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (!done())
        loop.exec();
    return done();
}

const QString couldNotLoad = QStringLiteral("Couldn't load that link.");

// A two-entry listing; `bad` is spliced into the value of `field` of the
// first entry (or into the playlist's own title).
QByteArray listing(const QByteArray& field, const QByteArray& bad)
{
    const auto value = [&](const QByteArray& name, const QByteArray& text) {
        return '"' + name + "\":\"" + text + (name == field ? bad : QByteArray()) + '"';
    };
    return "{" + value("title", "Mixed") + ",\"entries\":[{" + value("id", "a") + ',' +
           value("title", "A") + ',' + value("channel", "C") + ',' + value("uploader", "U") + ',' +
           value("url", "https://example.org/a") + ',' +
           value("thumbnail", "https://example.org/a.jpg") +
           ",\"duration\":12},{\"id\":\"b\",\"title\":\"B\"}]}\n";
}

} // namespace

class TestFaults : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void endlessLineKeepsMemoryBounded_data();
    void endlessLineKeepsMemoryBounded();
    void killedMidDownloadQueueGoesOn();
    void invalidUtf8InLines_data();
    void invalidUtf8InLines();
    void invalidUtf8InAnswer_data();
    void invalidUtf8InAnswer();
    void unusableAnswers_data();
    void unusableAnswers();
    void endlessErrorOutputOfALookup();
};

void TestFaults::initTestCase()
{
    TestEnv::isolateProcess();
}

void TestFaults::endlessLineKeepsMemoryBounded_data()
{
    QTest::addColumn<QString>("end"); // what follows the 100 MB
    QTest::addColumn<QString>("detail");
    QTest::newRow("line break, then the final file")
        << QStringLiteral("out-esc \\n\nout RCFILE|/d/x [a].mp4") << QStringLiteral("x [a].mp4");
    QTest::newRow("output ends inside the line")
        << QString() << QStringLiteral("Saved to Downloads");
}

void TestFaults::endlessLineKeepsMemoryBounded()
{
    QFETCH(QString, end);
    QFETCH(QString, detail);
    QueueFixture f;
    f.fake.setScript(QStringLiteral("out RC|downloading|1000|4000|NA|NA|NA|avc1\nout-fill %1 raw\n")
                         .arg(hundredMb) +
                     end);
    // Resets the peak to the present size, where the kernel allows it.
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
    clearRefs.close();
    const qint64 before = statusKb("VmHWM");
    QVERIFY(before > 0);

    f.model.enqueue({videoItem(QStringLiteral("a"))}, Preset::p1080);
    const DownloadPtr job = f.job(QStringLiteral("a"));
    QVERIFY(spinUntil([&] { return job->isFinished() && !job->process(); }, 120000));
    const qint64 growth = statusKb("VmHWM") - before;
    QVERIFY2(growth < peakGrowthLimitKb, qPrintable(QStringLiteral("%1 kB").arg(growth)));
    QCOMPARE(kind(job), Download::Phase::Kind::done);
    QCOMPARE(job->detail(), detail);
}

void TestFaults::killedMidDownloadQueueGoesOn()
{
    // yt-dlp dies of SIGKILL half-way (the OOM killer, a user's kill -9) and
    // leaves behind a child it started, as it would an ffmpeg.
    QueueFixture f;
    f.prefs.setValue(PrefKey::parallel, 1);
    const QString childPid = f.env.path(QStringLiteral("child.pid"));
    TestEnv::writeExecutable(f.fake.path(), "#!/bin/sh\ncase \"$*\" in *example.org/a*)\n"
                                            "  sleep 600 >/dev/null 2>&1 &\n  echo $! > '" +
                                                childPid.toUtf8() +
                                                "';;\nesac\nREELCATCH_FAKE_SCRIPT='" +
                                                f.fake.scriptPath().toUtf8() +
                                                "'\nexport REELCATCH_FAKE_SCRIPT\nexec '" +
                                                FakeYtdlp::binaryPath().toUtf8() + "' \"$@\"\n");
    f.fake.onArgContaining(QStringLiteral("example.org/a"))
        .writePidFile()
        .out(QStringLiteral("RC|downloading|1000|4000|NA|NA|NA|avc1"))
        .sleepMs(60000)
        .otherwise()
        .out(QStringLiteral("RCFILE|/d/b [b].mp4"));
    f.model.enqueue({videoItem(QStringLiteral("a")), videoItem(QStringLiteral("b"))},
                    Preset::p1080);
    const DownloadPtr a = f.job(QStringLiteral("a"));
    QVERIFY(QTest::qWaitFor([&] { return a->fraction() == 0.25 && f.fake.pid(); }, 20000));
    QCOMPARE(kind(f.job(QStringLiteral("b"))), Download::Phase::Kind::queued);
    QFile childFile(childPid);
    QVERIFY(childFile.open(QIODevice::ReadOnly));
    const qint64 child = childFile.readAll().trimmed().toLongLong();
    QVERIFY(child > 0 && !processGone(child));

    QCOMPARE(::kill(pid_t(*f.fake.pid()), SIGKILL), 0);
    QVERIFY(f.allFinished());
    QCOMPARE(a->phase(), Download::Phase::failed(QStringLiteral("yt-dlp exited with code 9")));
    QCOMPARE(a->fraction(), 0.25);
    QCOMPARE(kind(f.job(QStringLiteral("b"))), Download::Phase::Kind::done);
    QCOMPARE(f.started(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    QCOMPARE(f.cue.sounds, 1);
    // Nothing that the killed run started outlives its job.
    QVERIFY(QTest::qWaitFor([&] { return processGone(child); }, 10000));
}

void TestFaults::invalidUtf8InLines_data()
{
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message"); // the failure's; empty: done
    QTest::addColumn<QString>("detail");
    QTest::addColumn<double>("fraction");

    const QString dot = QStringLiteral(" \u00b7 ");
    const QString sizes = Fmt::bytes(1000) + QStringLiteral(" of ") + Fmt::bytes(4000);
    const QString speed = Fmt::bytes(500) + QStringLiteral("/s");
    const QString eta = Fmt::time(3) + QStringLiteral(" left");
    const QString code3 = QStringLiteral("yt-dlp exited with code 3");
    const QString bad = QString(QChar::ReplacementCharacter);

    QTest::newRow("status") << QByteArray("RC|\xff\xfe|1000|4000|NA|500|3|none\n") << 3 << code3
                            << QStringLiteral("Audio") + dot + sizes + dot + speed + dot + eta
                            << 0.25;
    QTest::newRow("downloaded") << QByteArray("RC|downloading|10\xc3\x28|4000|NA|500|3|none\n") << 3
                                << code3
                                << QStringLiteral("Audio") + dot + Fmt::bytes(0) +
                                       QStringLiteral(" of ") + Fmt::bytes(4000) + dot + speed +
                                       dot + eta
                                << 0.0;
    QTest::newRow("total, estimate stands in")
        << QByteArray("RC|downloading|1000|4\xe2\x82|4000|500|3|none\n") << 3 << code3
        << QStringLiteral("Audio") + dot + sizes + dot + speed + dot + eta << 0.25;
    QTest::newRow("estimate, no total")
        << QByteArray("RC|downloading|1000|NA|\xed\xa0\x80|500|3|none\n") << 3 << code3
        << QStringLiteral("Audio") + dot + speed + dot + eta << 0.0;
    QTest::newRow("speed and time left")
        << QByteArray("RC|downloading|1000|4000|NA|5\xf8\x88\x80\x80\x80|\xc0\xaf|none\n") << 3
        << code3 << QStringLiteral("Audio") + dot + sizes << 0.25;
    QTest::newRow("codec") << QByteArray("RC|downloading|1000|4000|NA|500|3|non\xe5\n") << 3
                           << code3
                           << QStringLiteral("Video") + dot + sizes + dot + speed + dot + eta
                           << 0.25;
    QTest::newRow("every field")
        << QByteArray("RC|\x80|\xbf|\xfe|\xff|\xc1\x81|\xf5\x80\x80\x80|\xe0\x80\n") << 3 << code3
        << QStringLiteral("Video") << 0.0;
    QTest::newRow("marker") << QByteArray("R\xff|downloading|1000|4000|NA|500|3|none\n") << 3
                            << code3 << QStringLiteral("Starting\u2026") << 0.0;
    QTest::newRow("post-processor") << QByteArray("[Merger] Merging \xff\xfe\n") << 3 << code3
                                    << QStringLiteral("Finishing up\u2026") << 0.0;
    QTest::newRow("error message")
        << QByteArray("ERROR: caf\xe9 \xff gone \n") << 1
        << QStringLiteral("caf") + bad + QStringLiteral(" ") + bad + QStringLiteral(" gone")
        << QStringLiteral("Starting\u2026") << 0.0;
    QTest::newRow("final file") << QByteArray("RCFILE|/d/caf\xe9 [\xff].mp4\n") << 0 << QString()
                                << QStringLiteral("caf") + bad + QStringLiteral(" [") + bad +
                                       QStringLiteral("].mp4")
                                << 1.0;
}

void TestFaults::invalidUtf8InLines()
{
    QFETCH(QByteArray, output);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QFETCH(QString, detail);
    QFETCH(double, fraction);
    QueueFixture f;
    f.prefs.setValue(PrefKey::parallel, 1);
    f.fake.onArgContaining(QStringLiteral("example.org/a"))
        .outBytes(output)
        .exitWith(exitCode)
        .otherwise()
        .out(QStringLiteral("RCFILE|/d/b [b].mp4"));
    f.model.enqueue({videoItem(QStringLiteral("a")), videoItem(QStringLiteral("b"))},
                    Preset::p1080);
    QVERIFY(f.allFinished());

    const DownloadPtr a = f.job(QStringLiteral("a"));
    if (message.isEmpty())
        QCOMPARE(kind(a), Download::Phase::Kind::done);
    else
        QCOMPARE(a->phase(), Download::Phase::failed(message));
    QCOMPARE(a->detail(), detail);
    QCOMPARE(a->fraction(), fraction);
    // The next job is not disturbed.
    QCOMPARE(f.job(QStringLiteral("b"))->detail(), QStringLiteral("b [b].mp4"));
}

void TestFaults::invalidUtf8InAnswer_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("listed");
    // yt-dlp writes its answer as ASCII, with a name it could not decode
    // escaped as lone surrogates: those make a listing. Raw bytes that are
    // not UTF-8 are not JSON, and the answer is refused as a whole.
    for (const char* field : {"title", "id", "channel", "uploader", "url", "thumbnail"}) {
        QTest::addRow("escaped surrogate in %s", field) << listing(field, "\\udcff\\ud800") << true;
        QTest::addRow("raw bytes in %s", field)
            << listing(field, "\xff\xc3\x28\xed\xa0\x80") << false;
    }
}

void TestFaults::invalidUtf8InAnswer()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, listed);
    QueueFixture f;
    f.fake.outBytes(answer);
    f.model.setInput(QStringLiteral("https://example.org/list"));
    f.model.fetch();
    QVERIFY(QTest::qWaitFor([&] { return !f.model.isFetching(); }, 20000));
    if (!listed) {
        QCOMPARE(f.model.fetchError(), std::optional<QString>(couldNotLoad));
        QVERIFY(f.model.results().isEmpty());
        return;
    }
    QCOMPARE(f.model.fetchError(), std::nullopt);
    QCOMPARE(f.model.results().size(), 2);
    QVERIFY(f.model.results().at(0).id().startsWith(u'a'));
    QCOMPARE(f.model.results().at(1).id(), QStringLiteral("b"));
    QCOMPARE(f.model.results().at(1).title(), QStringLiteral("B"));
    QCOMPARE(f.model.selected().size(), 2);
}

void TestFaults::unusableAnswers_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QByteArray>("answer"); // written before the script runs
    QTest::addColumn<QString>("message");
    // Big enough that reading it takes the model a while after yt-dlp has exited.
    QTest::addColumn<bool>("big");

    QTest::newRow("100,000 nested arrays")
        << QString() << QByteArray(100000, '[') + QByteArray(100000, ']') << couldNotLoad << false;
    QTest::newRow("100,000 nested objects in an entry")
        << QString()
        << "{\"entries\":[{\"id\":\"a\",\"x\":" + QByteArray("{\"a\":").repeated(100000) + '1' +
               QByteArray(100000, '}') + "}]}"
        << couldNotLoad << false;
    QTest::newRow("200 MB that is not JSON") << QStringLiteral("out-fill %1 raw").arg(twoHundredMb)
                                             << QByteArray() << couldNotLoad << true;
    QTest::newRow("200 MB string never closed")
        << QStringLiteral("out-nonl {\"title\":\"\nout-fill %1 raw").arg(twoHundredMb)
        << QByteArray() << couldNotLoad << true;
    QTest::newRow("200 MB title, nothing to download")
        << QStringLiteral("out-nonl {\"entries\":7,\"title\":\"\nout-fill %1 raw\nout \"}")
               .arg(twoHundredMb)
        << QByteArray() << QStringLiteral("Nothing downloadable found there.") << true;
}

void TestFaults::unusableAnswers()
{
    QFETCH(QString, script);
    QFETCH(QByteArray, answer);
    QFETCH(QString, message);
    QFETCH(bool, big);
    QueueFixture f;
    f.fake.writePidFile();
    if (!answer.isEmpty())
        f.fake.outBytes(answer);
    for (const QString& line : script.split(u'\n', Qt::SkipEmptyParts))
        f.fake.line(line);

    // A timer of the GUI thread counts its turns while the lookup runs, and
    // those after yt-dlp has exited, while its answer is read.
    int ticks = 0;
    int ticksAfterExit = 0;
    std::optional<qint64> pid;
    QTimer ticker;
    ticker.setInterval(0);
    connect(&ticker, &QTimer::timeout, this, [&] {
        ++ticks;
        if (!pid)
            pid = f.fake.pid();
        if (pid && processGone(*pid))
            ++ticksAfterExit;
    });
    QEventLoop loop;
    connect(&f.model, &AppModel::isFetchingChanged, &loop, [&] {
        if (!f.model.isFetching())
            loop.quit();
    });
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    f.model.setInput(QStringLiteral("https://example.org/huge"));
    f.model.fetch();
    QVERIFY(f.model.isFetching());
    ticker.start();
    loop.exec();
    ticker.stop();

    QVERIFY(!f.model.isFetching());
    QCOMPARE(f.model.fetchError(), std::optional<QString>(message));
    QVERIFY(f.model.results().isEmpty());
    QVERIFY2(ticks >= 50, qPrintable(QString::number(ticks)));
    // A parse on the GUI thread would leave only the few turns before the
    // exit is noticed.
    if (big)
        QVERIFY2(ticksAfterExit >= 100, qPrintable(QString::number(ticksAfterExit)));
}

void TestFaults::endlessErrorOutputOfALookup()
{
    // 100 MB of warnings, then the reason the lookup failed.
    QueueFixture f;
    f.fake.line(QStringLiteral("err-fill %1").arg(hundredMb));
    f.fake.err(QStringLiteral("ERROR: [generic] Unable to download webpage: HTTP Error 404"));
    f.fake.exitWith(1);
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
    clearRefs.close();
    const qint64 before = statusKb("VmHWM");

    f.model.setInput(QStringLiteral("https://example.org/missing"));
    f.model.fetch();
    QVERIFY(spinUntil([&] { return !f.model.isFetching(); }, 120000));
    const qint64 growth = statusKb("VmHWM") - before;
    QVERIFY2(growth < peakGrowthLimitKb, qPrintable(QStringLiteral("%1 kB").arg(growth)));
    QCOMPARE(f.model.fetchError(), std::optional<QString>(QStringLiteral(
                                       "[generic] Unable to download webpage: HTTP Error 404")));
}

QTEST_GUILESS_MAIN(TestFaults)
#include "tst_faults.moc"
