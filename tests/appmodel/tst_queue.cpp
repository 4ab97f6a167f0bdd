// The download queue, its yt-dlp runs played by FakeRunner children: the
// parallel limit, what a run's lines and end do to its job, cancelling,
// retrying and removing, the wait for ffmpeg, the counts and the row signals.
#include "Fixture.h"

#include <QSignalSpy>
#include <QTest>

using namespace reelcatch;
using namespace reelcatch::test;

namespace {

using Kind = Download::Phase::Kind;
const QString site = QStringLiteral("https://example.org/");

// Ids written as one string: "a b c".
QStringList L(const char* ids)
{
    return QString::fromLatin1(ids).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QString idOf(const FakeChild* child)
{
    for (const QString& arg : child->spec.arguments) {
        if (arg.startsWith(site))
            return arg.mid(site.size());
    }
    return {};
}

struct QueueFixture : Fixture {
    using Fixture::Fixture;
    void enqueue(const QStringList& ids, Preset preset = Preset::p1080)
    {
        QList<VideoItem> items;
        for (const QString& id : ids)
            items << videoItem(id);
        queue().enqueue(items, preset);
    }
    DownloadPtr job(const QString& id)
    {
        for (const DownloadPtr& j : model.queue().downloads()) {
            if (j->video().id() == id)
                return j;
        }
        return nullptr;
    }
    // The latest run of the job for `id`.
    FakeChild* run(const QString& id) const
    {
        for (qsizetype i = runner->children.size() - 1; i >= 0; --i) {
            if (runner->children.at(i) && idOf(runner->children.at(i)) == id)
                return runner->children.at(i);
        }
        return nullptr;
    }
    QStringList started() const
    {
        QStringList ids;
        for (const QPointer<FakeChild>& child : runner->children)
            ids << (child ? idOf(child) : QStringLiteral("?"));
        return ids;
    }
    QStringList listed()
    {
        QStringList ids;
        for (const DownloadPtr& j : model.queue().downloads())
            ids << j->video().id();
        return ids;
    }
};

} // namespace

class TestQueue : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(); }
    void limitAndOrder();
    void linesMoveTheJob();
    void endings_data();
    void endings();
    void cancelStaysCancelled_data();
    void cancelStaysCancelled();
    void retryWhileTheCancelledRunEnds();
    void removeAndClearFinished();
    void cancelAllLaunchesNothing();
    void duplicates();
    void ffmpegHold();
    void ffmpegFailureFallsBack();
    void countsBadgeAndCue();
};

void TestQueue::limitAndOrder()
{
    QueueFixture f;
    f.enqueue(L("a b c"));
    f.enqueue(L("d"));
    QCOMPARE(f.listed(), L("d c b a"));
    QCOMPARE(f.started(), L("a b"));
    const ChildSpec& spec = f.run(QStringLiteral("a"))->spec;
    QCOMPARE(spec.output, ChildSpec::Output::lines);
    QCOMPARE(spec.pause, DownloadQueue::outputPause);
    QVERIFY(spec.arguments.contains(f.prefs.folder()));
    QCOMPARE(f.job(QStringLiteral("a"))->detail(), QStringLiteral("Starting\u2026"));

    f.run(QStringLiteral("b"))->end(1);
    QCOMPARE(f.started(), L("a b c"));
    // A larger limit takes effect at the next start.
    f.prefs.setValue(PrefKey::parallel, 3);
    f.run(QStringLiteral("a"))->end(0);
    QCOMPARE(f.started(), L("a b c d"));
    QCOMPARE(f.queue().count(Kind::downloading), 2);
}

void TestQueue::linesMoveTheJob()
{
    QueueFixture f;
    f.enqueue(L("a"));
    const DownloadPtr job = f.job(QStringLiteral("a"));
    FakeChild* child = f.run(QStringLiteral("a"));
    child->say(QStringLiteral("RC|downloading|250|1000|NA|5000|3|avc1.f4001e"));
    QCOMPARE(job->phase().kind(), Kind::downloading);
    QCOMPARE(job->fraction(), 0.25);
    QVERIFY2(job->detail().startsWith(QStringLiteral("Video \u00b7 ")), qPrintable(job->detail()));
    child->say(QStringLiteral("[Merger] started"));
    QCOMPARE(job->phase().kind(), Kind::processing);
    QCOMPARE(job->detail(), QStringLiteral("Finishing up\u2026"));
    QCOMPARE(f.queue().count(Kind::processing), 1);
    child->say(QStringLiteral("RCFILE|/d/My clip [a].mp4"));
    QCOMPARE(job->file(), std::optional(QStringLiteral("/d/My clip [a].mp4")));
    child->end(0);
    QCOMPARE(job->phase(), Download::Phase::done());
    QCOMPARE(job->fraction(), 1.0);
    QCOMPARE(job->detail(), QStringLiteral("My clip [a].mp4"));
}

void TestQueue::endings_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("started");
    QTest::addColumn<Download::Phase>("phase");
    QTest::addColumn<QString>("detail");
    using P = Download::Phase;
    QTest::newRow("done, no file named") << QStringList{} << 0 << true << P::done()
                                         << QStringLiteral("Saved to Downloads");
    QTest::newRow("an error line, then success")
        << QStringList{QStringLiteral("ERROR: passing")} << 0 << true << P::done()
        << QStringLiteral("Saved to Downloads");
    QTest::newRow("the last error line")
        << QStringList{QStringLiteral("ERROR: first"), QStringLiteral("RC|downloading|1|2|NA|NA|NA|avc1"),
                       QStringLiteral("ERROR: [x] second")}
        << 1 << true << P::failed(QStringLiteral("[x] second")) << QString();
    QTest::newRow("a bare ERROR: says nothing")
        << QStringList{QStringLiteral("ERROR:")} << 2 << true
        << P::failed(QStringLiteral("yt-dlp exited with code 2")) << QString();
    QTest::newRow("killed by a signal")
        << QStringList{} << 9 << true << P::failed(QStringLiteral("yt-dlp exited with code 9"))
        << QString();
    QTest::newRow("failed to start") << QStringList{} << 0 << false
                                     << P::failed(QStringLiteral("No such file")) << QString();
}

void TestQueue::endings()
{
    QFETCH(QStringList, lines);
    QFETCH(int, code);
    QFETCH(bool, started);
    QFETCH(Download::Phase, phase);
    QFETCH(QString, detail);

    // The next waiting job starts however the run ended.
    QueueFixture f;
    f.prefs.setValue(PrefKey::parallel, 1);
    f.enqueue(L("a b"));
    FakeChild* child = f.run(QStringLiteral("a"));
    for (const QString& line : std::as_const(lines))
        child->say(line);
    if (started)
        child->end(code);
    else
        child->end(-1, ChildExit::Kind::failedToStart, QStringLiteral("No such file"));
    const DownloadPtr job = f.job(QStringLiteral("a"));
    QCOMPARE(job->phase(), phase);
    if (!detail.isEmpty())
        QCOMPARE(job->detail(), detail);
    QCOMPARE(f.started(), L("a b"));

    // No yt-dlp at all: a job fails as it would start.
    QueueFixture bare(false);
    bare.enqueue(L("a"));
    QCOMPARE(bare.job(QStringLiteral("a"))->phase(),
             Download::Phase::failed(QStringLiteral("Download engine not installed yet.")));
    QVERIFY(bare.runner->children.isEmpty());
}

void TestQueue::cancelStaysCancelled_data()
{
    QTest::addColumn<int>("code");
    QTest::newRow("run ends well") << 0;
    QTest::newRow("run fails") << 1;
    QTest::newRow("run killed") << 15;
}

void TestQueue::cancelStaysCancelled()
{
    QFETCH(int, code);
    QueueFixture f;
    f.prefs.setValue(PrefKey::parallel, 1);
    f.enqueue(L("a b"));
    const DownloadPtr job = f.job(QStringLiteral("a"));
    FakeChild* child = f.run(QStringLiteral("a"));
    child->say(QStringLiteral("RC|downloading|100|1000|NA|NA|NA|avc1"));
    f.queue().cancel(*job);
    QCOMPARE(child->stops, 1);
    // The slot is free only once the run has ended.
    QCOMPARE(f.started(), L("a"));
    for (const char* line : {"RC|downloading|900|1000|NA|NA|NA|avc1", "[Merger] started",
                             "ERROR: late", "RCFILE|/d/late.mp4"})
        child->say(QString::fromLatin1(line));
    child->end(code);
    QCOMPARE(job->phase(), Download::Phase::cancelled());
    QCOMPARE(job->detail(), QStringLiteral("Cancelled"));
    QCOMPARE(job->fraction(), 0.1);
    QCOMPARE(job->file(), std::nullopt);
    QCOMPARE(f.started(), L("a b"));
}

void TestQueue::retryWhileTheCancelledRunEnds()
{
    QueueFixture f;
    f.prefs.setValue(PrefKey::parallel, 1);
    f.enqueue(L("a b"));
    const DownloadPtr job = f.job(QStringLiteral("a"));
    FakeChild* old = f.run(QStringLiteral("a"));
    f.queue().cancel(*job);
    f.queue().retry(*job);
    // The retry runs at once; the old run has no say any more.
    FakeChild* fresh = f.run(QStringLiteral("a"));
    QVERIFY(fresh != old);
    QCOMPARE(f.started(), L("a a"));
    QCOMPARE(job->detail(), QStringLiteral("Starting\u2026"));
    for (const char* line : {"RC|downloading|10|100|NA|NA|NA|avc1", "ERROR: stale",
                             "RCFILE|/d/stale.mp4"})
        old->say(QString::fromLatin1(line));
    old->end(1);
    QCOMPARE(job->phase(), Download::Phase::downloading());
    QCOMPARE(job->fraction(), 0.0);
    QCOMPARE(job->file(), std::nullopt);
    QCOMPARE(f.started(), L("a a"));

    fresh->say(QStringLiteral("RCFILE|/d/a.mp4"));
    fresh->end(0);
    QCOMPARE(job->phase(), Download::Phase::done());
    QCOMPARE(job->detail(), QStringLiteral("a.mp4"));
    QCOMPARE(old->stops, 1);
    QCOMPARE(fresh->stops, 0);
    QCOMPARE(f.started(), L("a a b"));
}

void TestQueue::removeAndClearFinished()
{
    QueueFixture f;
    f.prefs.setValue(PrefKey::parallel, 6);
    f.enqueue(L("a b c d e f"));
    QCOMPARE(f.listed(), L("f e d c b a"));
    f.run(QStringLiteral("a"))->end(0);
    f.run(QStringLiteral("c"))->end(1);
    f.run(QStringLiteral("d"))->end(0);
    f.queue().cancel(*f.job(QStringLiteral("e")));
    f.run(QStringLiteral("e"))->end(15);

    QSignalSpy aboutToGo(&f.queue(), &DownloadQueue::jobsAboutToBeRemoved);
    QSignalSpy gone(&f.queue(), &DownloadQueue::jobsRemoved);
    QSignalSpy counts(&f.queue(), &DownloadQueue::countsChanged);
    // Rows are announced from the end, a run of neighbours at a time, each
    // matching the list as it is at that moment.
    QList<QStringList> seen;
    connect(&f.queue(), &DownloadQueue::jobsAboutToBeRemoved, this, [&](int first, int last) {
        seen << f.listed().mid(first, last - first + 1);
    });
    f.queue().clearFinished();
    QCOMPARE(aboutToGo.count(), 2);
    QCOMPARE(aboutToGo.at(0), (QVariantList{5, 5}));
    QCOMPARE(aboutToGo.at(1), (QVariantList{1, 3}));
    QCOMPARE(seen, (QList<QStringList>{L("a"), L("e d c")}));
    QCOMPARE(gone.count(), 2);
    QCOMPARE(counts.count(), 1);
    QCOMPARE(f.listed(), L("f b"));
    QCOMPARE(f.queue().finishedCount(), 0);
    QCOMPARE(f.queue().count(Kind::downloading), 2);

    // A running job goes at once, its run stopped; its slot goes to the next.
    f.prefs.setValue(PrefKey::parallel, 2);
    f.enqueue(L("g"));
    const DownloadPtr b = f.job(QStringLiteral("b"));
    FakeChild* run = f.run(QStringLiteral("b"));
    aboutToGo.clear();
    f.queue().remove(*b);
    QCOMPARE(aboutToGo.count(), 1);
    QCOMPARE(aboutToGo.at(0), (QVariantList{2, 2}));
    QCOMPARE(f.listed(), L("g f"));
    QCOMPARE(run->stops, 1);
    QCOMPARE(b->phase(), Download::Phase::cancelled());
    QVERIFY(f.job(QStringLiteral("g"))->isActive());
    run->end(15);
    QCOMPARE(f.queue().count(Kind::downloading), 2);
    QCOMPARE(f.queue().count(Kind::cancelled), 0);
}

void TestQueue::cancelAllLaunchesNothing()
{
    QueueFixture f;
    f.prefs.setValue(PrefKey::parallel, 1);
    f.enqueue(L("a b c"));
    f.run(QStringLiteral("a"))->end(0);
    f.queue().cancelAll();
    QCOMPARE(f.started(), L("a b"));
    f.run(QStringLiteral("b"))->end(15);
    QCOMPARE(f.started(), L("a b"));
    QCOMPARE(f.queue().count(Kind::cancelled), 2);
    QCOMPARE(f.queue().count(Kind::done), 1);
    QCOMPARE(f.queue().toDo(), 0);
}

void TestQueue::duplicates()
{
    QueueFixture f;
    f.prefs.setValue(PrefKey::parallel, 1);
    QSignalSpy added(&f.queue(), &DownloadQueue::jobsAboutToBeAdded);
    f.enqueue(L("a a b"));
    QCOMPARE(added.count(), 1);
    QCOMPARE(added.at(0), (QVariantList{0, 1}));
    // The same video in the same preset, running or waiting: ignored.
    f.enqueue(L("a b"));
    QCOMPARE(added.count(), 1);
    // In another preset, or once the first has ended, it is a new job.
    f.enqueue(L("a"), Preset::mp3);
    f.run(QStringLiteral("a"))->end(0);
    f.enqueue(L("c a"));
    QCOMPARE(added.count(), 3);
    QCOMPARE(added.at(2), (QVariantList{0, 1}));
    QCOMPARE(f.listed(), L("a c a b a"));
    QCOMPARE(f.queue().downloads().at(2)->preset(), Preset(Preset::mp3));
}

void TestQueue::ffmpegHold()
{
    QueueFixture f(true, false);
    f.enqueue(L("a b"));
    f.enqueue(L("c"), Preset::mp3);
    QCOMPARE(f.installer.calls, L("ffmpeg"));
    for (const DownloadPtr& job : f.queue().downloads()) {
        QCOMPARE(job->phase().kind(), Kind::queued);
        QCOMPARE(job->detail(), QStringLiteral("Getting ffmpeg ready (one-time, ~56 MB)\u2026"));
    }
    QCOMPARE(f.queue().toDo(), 3);
    f.queue().cancel(*f.job(QStringLiteral("b")));
    QVERIFY(f.runner->children.isEmpty());
    QCOMPARE(f.installer.calls.size(), 1);

    QVERIFY(f.installer.finish(QStringLiteral("ffmpeg"), Done{}, [&] {
        TestEnv::writeExecutable(f.engine.managedFfmpeg(), "#!/bin/sh\n");
        TestEnv::writeExecutable(f.engine.managedFfprobe(), "#!/bin/sh\n");
    }));
    QCOMPARE(f.started(), L("a c"));
    QCOMPARE(f.job(QStringLiteral("b"))->detail(), QStringLiteral("Cancelled"));
    QVERIFY(f.run(QStringLiteral("a"))->spec.arguments.contains(QStringLiteral("--ffmpeg-location")));
    QVERIFY(f.model.readiness().tools().ffmpeg);
    QCOMPARE(f.model.readiness().note(), std::nullopt);
}

void TestQueue::ffmpegFailureFallsBack()
{
    QueueFixture f(true, false);
    f.enqueue(L("a b"));
    QVERIFY(f.installer.finish(QStringLiteral("ffmpeg"),
                               AppError{QStringLiteral("Download failed (HTTP 404): u")}));
    QCOMPARE(f.model.readiness().note().value_or(QString()),
             QStringLiteral("Couldn't download ffmpeg (Download failed (HTTP 404): u). Downloads "
                            "are limited to lower quality for now."));
    QCOMPARE(f.started(), L("a b"));
    QVERIFY(f.run(QStringLiteral("a"))->spec.arguments.contains(QStringLiteral("b[ext=mp4]/b")));
    // No second attempt for the rest of the run.
    f.enqueue(L("c"));
    f.run(QStringLiteral("a"))->end(0);
    QCOMPARE(f.started(), L("a b c"));
    QCOMPARE(f.installer.calls, L("ffmpeg"));
}

void TestQueue::countsBadgeAndCue()
{
    QueueFixture f;
    f.prefs.setValue(PrefKey::parallel, 1);
    QSignalSpy counts(&f.queue(), &DownloadQueue::countsChanged);
    f.enqueue(L("a b c"));
    QVERIFY(counts.count() >= 1);
    QCOMPARE(f.queue().count(Kind::queued), 2);
    QCOMPARE(f.queue().count(Kind::downloading), 1);
    QCOMPARE(f.platform.badge.last(), 3);
    counts.clear();
    f.run(QStringLiteral("a"))->say(QStringLiteral("[ExtractAudio] started"));
    QCOMPARE(counts.count(), 1);
    QCOMPARE(f.queue().count(Kind::processing), 1);
    f.run(QStringLiteral("a"))->end(0);
    QCOMPARE(f.platform.badge.last(), 2);
    QCOMPARE(f.platform.sounds, 0); // the batch is not over
    f.run(QStringLiteral("b"))->end(1);
    f.run(QStringLiteral("c"))->end(0);
    QCOMPARE(f.platform.badge.last(), 0);
    QCOMPARE(f.platform.sounds, 1);
    QCOMPARE(f.platform.attentions, 1);
    QCOMPARE(f.queue().count(Kind::done), 2);
    QCOMPARE(f.queue().count(Kind::failed), 1);

    // A batch with nothing done to show gives no cue.
    f.queue().clearFinished();
    QCOMPARE(f.platform.badge.last(), 0);
    f.enqueue(L("d"));
    f.run(QStringLiteral("d"))->end(1);
    QCOMPARE(f.platform.sounds, 1);
    // Once something is done, a failure ending the batch gives it too.
    f.enqueue(L("e"));
    f.run(QStringLiteral("e"))->end(0);
    f.queue().retry(*f.job(QStringLiteral("d")));
    f.run(QStringLiteral("d"))->end(1);
    QCOMPARE(f.platform.sounds, 3);
}

QTEST_GUILESS_MAIN(TestQueue)
#include "tst_queue.moc"
