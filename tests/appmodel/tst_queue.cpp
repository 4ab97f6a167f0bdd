// The download queue, its yt-dlp runs played by FakeRunner children: the
// parallel limit, what a run's lines and end do to its job, cancelling,
// retrying and removing, the wait for ffmpeg, the counts and the row signals,
// and a long random workload. Below it, a run's lines from the byte stream to
// the job: the line reader, the progress protocol and the number formats.
#include "Fixture.h"
#include "Fmt.h"
#include "LineReader.h"
#include "ProgressProtocol.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

using namespace reelcatch;
using namespace reelcatch::test;
using namespace Qt::StringLiterals;

namespace {

using Kind = Download::Phase::Kind;
using P = Download::Phase;
using Chunks = QList<QByteArray>;
const QString site = u"https://example.org/"_s;
const QString starting = u"Starting\u2026"_s;

QStringList L(const char* ids) // "a b c"
{
    return QString::fromLatin1(ids).split(u' ', Qt::SkipEmptyParts);
}

struct QueueFixture : Fixture {
    explicit QueueFixture(int parallel = 2, bool ffmpeg = true) : Fixture(true, ffmpeg)
    {
        prefs.setValue(PrefKey::parallel, parallel);
    }
    void enqueue(const QStringList& ids, Preset preset = Preset::p1080)
    {
        QList<VideoItem> items;
        for (const QString& id : ids)
            items << videoItem(id);
        queue().enqueue(items, preset);
    }
    DownloadPtr job(const QString& id)
    {
        for (const DownloadPtr& j : queue().downloads())
            if (j->video().id() == id)
                return j;
        return nullptr;
    }
    QStringList started() const // the job of every run, oldest first
    {
        QStringList ids;
        for (const QPointer<FakeChild>& child : runner->children)
            for (const QString& arg : child->spec.arguments)
                if (arg.startsWith(site))
                    ids << arg.mid(site.size());
        return ids;
    }
    FakeChild* run(const QString& id) const // its latest run
    {
        const qsizetype i = started().lastIndexOf(id);
        return i < 0 ? nullptr : runner->children.at(i).data();
    }
    QStringList listed()
    {
        QStringList ids;
        for (const DownloadPtr& j : queue().downloads())
            ids << j->video().id();
        return ids;
    }
};

} // namespace

class TestQueue : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(), QLocale::setDefault(QLocale::c()); }
    void limitAndOrder();
    void endings_data();
    void endings();
    void cancelStaysCancelled();
    void retryWhileTheCancelledRunEnds();
    void removeAndClearFinished();
    void duplicates();
    void ffmpegHold();
    void ffmpegFailureFallsBack();
    void countsBadgeAndCue();
    void soak();
    void lineReader_data();
    void lineReader();
    void lineReaderCapsLongLines();
    void formats_data();
    void formats();
    void lines_data();
    void lines();
    void recordedRun_data();
    void recordedRun();
};

void TestQueue::limitAndOrder()
{
    QueueFixture f;
    f.enqueue(L("a b c"));
    f.enqueue(L("d"));
    QCOMPARE(f.listed(), L("d c b a"));
    QCOMPARE(f.started(), L("a b"));
    const ChildSpec& spec = f.run(u"a"_s)->spec;
    QCOMPARE(spec.output, ChildSpec::Output::lines);
    QCOMPARE(spec.pause, DownloadQueue::outputPause);
    QVERIFY(spec.arguments.contains(f.prefs.folder()));
    QCOMPARE(f.job(u"a"_s)->detail(), starting);
    f.run(u"b"_s)->end(1);
    QCOMPARE(f.started(), L("a b c"));
    // A larger limit takes effect at the next start.
    f.prefs.setValue(PrefKey::parallel, 3);
    f.run(u"a"_s)->end(0);
    QCOMPARE(f.started(), L("a b c d"));
    QCOMPARE(f.queue().count(Kind::downloading), 2);
    // cancelAll starts nothing more, even as the runs it stopped end.
    f.enqueue(L("e f"));
    f.queue().cancelAll();
    f.run(u"c"_s)->end(15);
    QCOMPARE(f.started(), L("a b c d e"));
    QCOMPARE(f.queue().count(Kind::cancelled), 4);
    QCOMPARE(f.queue().toDo(), 0);

    // No yt-dlp at all: a job fails as it would start.
    Fixture bare(false);
    bare.queue().enqueue({videoItem(u"a"_s)}, Preset::p1080);
    QCOMPARE(bare.queue().downloads().at(0)->phase(),
             P::failed(u"Download engine not installed yet."_s));
    QVERIFY(bare.runner->children.isEmpty());
}

void TestQueue::endings_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("code"); // -1: failed to start
    QTest::addColumn<Download::Phase>("phase");
    QTest::addColumn<QString>("detail");
    const QString saved = u"Saved to Downloads"_s;
    QTest::newRow("done, no file named") << QStringList{} << 0 << P::done() << saved;
    QTest::newRow("done, file named")
        << QStringList{u"RC|downloading|250|1000|NA|5000|3|avc1"_s, u"RCFILE|/d/My clip [a].mp4"_s}
        << 0 << P::done() << u"My clip [a].mp4"_s;
    QTest::newRow("an error line, then success")
        << QStringList{u"ERROR: passing"_s} << 0 << P::done() << saved;
    QTest::newRow("the last error line")
        << QStringList{u"ERROR: first"_s, u"RC|downloading|1|2|NA|NA|NA|avc1"_s, u"ERROR: [x] 2"_s}
        << 1 << P::failed(u"[x] 2"_s) << QString();
    QTest::newRow("a bare ERROR: says nothing")
        << QStringList{u"ERROR:"_s} << 9 << P::failed(u"yt-dlp exited with code 9"_s) << QString();
    QTest::newRow("failed to start") << QStringList{} << -1 << P::failed(u"No such file"_s)
                                     << QString();
}

void TestQueue::endings()
{
    QFETCH(QStringList, lines);
    QFETCH(int, code);
    QFETCH(QString, detail);
    // The next waiting job starts however the run ended.
    QueueFixture f(1);
    f.enqueue(L("a b"));
    const DownloadPtr job = f.job(u"a"_s);
    for (const QString& line : std::as_const(lines))
        f.run(u"a"_s)->say(line);
    if (!lines.isEmpty()) // what the lines did shows before the end
        QCOMPARE(job->phase().kind(), Kind::downloading);
    if (code < 0)
        f.run(u"a"_s)->end(-1, ChildExit::Kind::failedToStart, u"No such file"_s);
    else
        f.run(u"a"_s)->end(code);
    QTEST(job->phase(), "phase");
    if (!detail.isEmpty())
        QCOMPARE(job->detail(), detail);
    if (job->phase() == P::done())
        QCOMPARE(job->fraction(), 1.0);
    QCOMPARE(f.started(), L("a b"));
}

void TestQueue::cancelStaysCancelled()
{
    for (const int code : {0, 1}) {
        QueueFixture f(1);
        f.enqueue(L("a b"));
        const DownloadPtr job = f.job(u"a"_s);
        FakeChild* child = f.run(u"a"_s);
        child->say(u"RC|downloading|100|1000|NA|NA|NA|avc1"_s);
        f.queue().cancel(*job);
        QCOMPARE(child->stops, 1);
        QCOMPARE(f.started(), L("a")); // the slot is free only once the run has ended
        for (const char* line : {"RC|downloading|900|1000|NA|NA|NA|avc1", "[Merger] started",
                                 "ERROR: late", "RCFILE|/d/late.mp4"})
            child->say(QString::fromLatin1(line));
        child->end(code);
        QCOMPARE(job->phase(), P::cancelled());
        QCOMPARE(job->detail(), u"Cancelled"_s);
        QCOMPARE(job->fraction(), 0.1);
        QCOMPARE(job->file(), std::nullopt);
        QCOMPARE(f.started(), L("a b"));
    }
    // Clearing the cancelled job while its run still ends frees the slot too.
    QueueFixture f(1);
    f.enqueue(L("a b"));
    f.queue().cancel(*f.job(u"a"_s));
    f.queue().clearFinished();
    QCOMPARE(f.started(), L("a b"));
}

void TestQueue::retryWhileTheCancelledRunEnds()
{
    QueueFixture f(1);
    f.enqueue(L("a b"));
    const DownloadPtr job = f.job(u"a"_s);
    FakeChild* old = f.run(u"a"_s);
    f.queue().cancel(*job);
    f.queue().retry(*job);
    // The retry runs at once; the old run has no say any more.
    FakeChild* fresh = f.run(u"a"_s);
    QCOMPARE(f.started(), L("a a"));
    QCOMPARE(job->detail(), starting);
    for (const char* line : {"RC|downloading|10|100|NA|NA|NA|avc1", "ERROR: stale", "RCFILE|/d/x.mp4"})
        old->say(QString::fromLatin1(line));
    old->end(1);
    QCOMPARE(job->phase(), P::downloading());
    QCOMPARE(job->fraction(), 0.0);
    QCOMPARE(job->file(), std::nullopt);
    QCOMPARE(f.started(), L("a a"));
    fresh->say(u"RCFILE|/d/a.mp4"_s);
    fresh->end(0);
    QCOMPARE(job->detail(), u"a.mp4"_s);
    QCOMPARE(old->stops + fresh->stops, 1);
    QCOMPARE(f.started(), L("a a b"));
}

void TestQueue::removeAndClearFinished()
{
    QueueFixture f(6);
    f.enqueue(L("a b c d e f"));
    f.run(u"a"_s)->end(0);
    f.run(u"c"_s)->end(1);
    f.run(u"d"_s)->end(0);
    f.queue().cancel(*f.job(u"e"_s));
    f.run(u"e"_s)->end(15);
    QSignalSpy aboutToGo(&f.queue(), &DownloadQueue::jobsAboutToBeRemoved);
    QSignalSpy gone(&f.queue(), &DownloadQueue::jobsRemoved);
    QSignalSpy counts(&f.queue(), &DownloadQueue::countsChanged);
    // Rows are announced from the end, a run of neighbours at a time, each
    // matching the list as it is at that moment.
    QList<QStringList> seen;
    connect(&f.queue(), &DownloadQueue::jobsAboutToBeRemoved, this,
            [&](int first, int last) { seen << f.listed().mid(first, last - first + 1); });
    f.queue().clearFinished();
    QCOMPARE(aboutToGo.count(), 2);
    QCOMPARE(aboutToGo.at(0), (QVariantList{5, 5}));
    QCOMPARE(aboutToGo.at(1), (QVariantList{1, 3}));
    QCOMPARE(seen, (QList<QStringList>{L("a"), L("e d c")}));
    QCOMPARE(gone.count(), 2);
    QCOMPARE(counts.count(), 1);
    QCOMPARE(f.listed(), L("f b"));
    QCOMPARE(f.queue().finishedCount(), 0);

    // A running job goes at once, its run stopped; its slot goes to the next.
    f.prefs.setValue(PrefKey::parallel, 2);
    f.enqueue(L("g"));
    const DownloadPtr b = f.job(u"b"_s);
    FakeChild* run = f.run(u"b"_s);
    aboutToGo.clear();
    f.queue().remove(*b);
    QCOMPARE(aboutToGo.at(0), (QVariantList{2, 2}));
    QCOMPARE(f.listed(), L("g f"));
    QCOMPARE(run->stops, 1);
    QVERIFY(f.job(u"g"_s)->isActive());
    run->end(15);
    QCOMPARE(f.queue().count(Kind::downloading), 2);
    QCOMPARE(f.queue().count(Kind::cancelled), 0);
}

void TestQueue::duplicates()
{
    QueueFixture f(1);
    QSignalSpy added(&f.queue(), &DownloadQueue::jobsAboutToBeAdded);
    f.enqueue(L("a a b"));
    QCOMPARE(added.count(), 1);
    QCOMPARE(added.at(0), (QVariantList{0, 1}));
    // The same video in the same preset, running or waiting: ignored.
    f.enqueue(L("a b"));
    QCOMPARE(added.count(), 1);
    // In another preset, or once the first has ended, it is a new job.
    f.enqueue(L("a"), Preset::mp3);
    f.run(u"a"_s)->end(0);
    f.enqueue(L("c a"));
    QCOMPARE(added.count(), 3);
    QCOMPARE(added.at(2), (QVariantList{0, 1}));
    QCOMPARE(f.listed(), L("a c a b a"));
    QCOMPARE(f.queue().downloads().at(2)->preset(), Preset(Preset::mp3));
}

void TestQueue::ffmpegHold()
{
    QueueFixture f(2, false);
    f.enqueue(L("a b"));
    f.enqueue(L("c"), Preset::mp3);
    for (const DownloadPtr& job : f.queue().downloads())
        QCOMPARE(job->detail(), u"Getting ffmpeg ready (one-time, ~56 MB)\u2026"_s);
    QCOMPARE(f.queue().toDo(), 3);
    f.queue().cancel(*f.job(u"b"_s));
    QVERIFY(f.runner->children.isEmpty());
    QCOMPARE(f.installer.calls, L("ffmpeg"));
    QVERIFY(f.installer.finish(u"ffmpeg"_s, Done{},
                               {f.engine.managedFfmpeg(), f.engine.managedFfprobe()}));
    QCOMPARE(f.started(), L("a c"));
    QCOMPARE(f.job(u"b"_s)->detail(), u"Cancelled"_s);
    QVERIFY(f.run(u"a"_s)->spec.arguments.contains(u"--ffmpeg-location"_s));
    QVERIFY(f.model.readiness().tools().ffmpeg);
}

void TestQueue::ffmpegFailureFallsBack()
{
    QueueFixture f(2, false);
    f.enqueue(L("a b"));
    QVERIFY(f.installer.finish(u"ffmpeg"_s, AppError{u"Download failed (HTTP 404): u"_s}));
    QCOMPARE(f.model.readiness().note().value_or(QString()),
             u"Couldn't download ffmpeg (Download failed (HTTP 404): u). Downloads are limited "
             u"to lower quality for now."_s);
    QCOMPARE(f.started(), L("a b"));
    QVERIFY(f.run(u"a"_s)->spec.arguments.contains(u"b[ext=mp4]/b"_s));
    // No second attempt for the rest of the run.
    f.enqueue(L("c"));
    f.run(u"a"_s)->end(0);
    QCOMPARE(f.started(), L("a b c"));
    QCOMPARE(f.installer.calls, L("ffmpeg"));
}

void TestQueue::countsBadgeAndCue()
{
    QueueFixture f(1);
    f.enqueue(L("a b c"));
    QCOMPARE(f.queue().count(Kind::queued), 2);
    QCOMPARE(f.queue().count(Kind::downloading), 1);
    QCOMPARE(f.platform.badge.last(), 3);
    QSignalSpy counts(&f.queue(), &DownloadQueue::countsChanged);
    f.run(u"a"_s)->say(u"[ExtractAudio] started"_s);
    QCOMPARE(counts.count(), 1);
    QCOMPARE(f.queue().count(Kind::processing), 1);
    f.run(u"a"_s)->end(0);
    QCOMPARE(f.platform.badge.last(), 2);
    QCOMPARE(f.platform.sounds, 0); // the batch is not over
    f.run(u"b"_s)->end(1);
    f.run(u"c"_s)->end(0);
    QCOMPARE(f.platform.badge.last(), 0);
    QCOMPARE(f.platform.sounds, 1);
    QCOMPARE(f.platform.attentions, 1);
    QCOMPARE(f.queue().count(Kind::done), 2);
    QCOMPARE(f.queue().count(Kind::failed), 1);
    // A batch with nothing done to show gives no cue.
    f.queue().clearFinished();
    f.enqueue(L("d"));
    f.run(u"d"_s)->end(1);
    QCOMPARE(f.platform.sounds, 1);
    // Once something is done, a failure ending the batch gives it too.
    f.enqueue(L("e"));
    f.run(u"e"_s)->end(0);
    f.queue().retry(*f.job(u"d"_s));
    f.run(u"d"_s)->end(1);
    QCOMPARE(f.platform.sounds, 3);
}

// Runs that end in random order, well or not, while jobs are added,
// cancelled, retried and removed: the counts, the limit, the row signals and
// cancelled jobs are checked on every change. REELCATCH_SOAK_JOBS sets the
// number of jobs (300), REELCATCH_SOAK_SEED the seed.
void TestQueue::soak()
{
    const int jobs = qEnvironmentVariableIsSet("REELCATCH_SOAK_JOBS")
                         ? qEnvironmentVariableIntValue("REELCATCH_SOAK_JOBS") : 300;
    const quint32 seed = qEnvironmentVariableIsSet("REELCATCH_SOAK_SEED")
                             ? quint32(qEnvironmentVariableIntValue("REELCATCH_SOAK_SEED"))
                             : QRandomGenerator::global()->generate();
    qInfo("seed %u, %d jobs", seed, jobs);
    QRandomGenerator rng(seed);
    constexpr int limit = 4;
    QueueFixture f(limit);
    DownloadQueue& queue = f.queue();
    QStringList broken;
    const auto check = [&](bool ok, const QString& what) {
        if (!ok && broken.size() < 20)
            broken << what;
    };
    // The rows as the signals told them, and the counts as the phases say.
    QList<DownloadPtr> mirror;
    int adding = 0;
    connect(&queue, &DownloadQueue::jobsAboutToBeAdded, this, [&](int first, int last) {
        check(first == 0, u"added at %1"_s.arg(first));
        adding = last + 1;
    });
    connect(&queue, &DownloadQueue::jobsAdded, this,
            [&] { mirror = queue.downloads().mid(0, adding) + mirror; });
    connect(&queue, &DownloadQueue::jobsAboutToBeRemoved, this, [&](int first, int last) {
        check(mirror == queue.downloads(), u"rows before a removal"_s);
        mirror.remove(first, last - first + 1);
    });
    connect(&queue, &DownloadQueue::jobsRemoved, this,
            [&] { check(mirror == queue.downloads(), u"rows after a removal"_s); });
    connect(&queue, &DownloadQueue::countsChanged, this, [&] {
        std::array<int, 6> counts{};
        for (const DownloadPtr& job : queue.downloads())
            ++counts[std::size_t(job->phase().kind())];
        for (std::size_t k = 0; k < counts.size(); ++k)
            check(counts[k] == queue.count(Kind(k)), u"count of phase %1"_s.arg(k));
        check(queue.count(Kind::downloading) + queue.count(Kind::processing) <= limit,
              u"over the limit"_s);
    });
    QSet<QUuid> cancelled; // by the user, last; they must stay cancelled
    int made = 0;
    for (int step = 0; step < jobs * 12 && broken.isEmpty(); ++step) {
        const int action = rng.bounded(100);
        const QList<FakeChild*> running = f.runner->running();
        const DownloadPtr job = queue.downloads().isEmpty()
            ? nullptr : queue.downloads().at(rng.bounded(int(queue.downloads().size())));
        if (action < 12 && made < jobs) {
            QList<VideoItem> items;
            for (int n = rng.bounded(1, 4); n > 0 && made < jobs; --n)
                items << videoItem(u"j%1"_s.arg(made++));
            queue.enqueue(items, Preset::p1080);
        } else if (action < 65 && !running.isEmpty()) {
            FakeChild* child = running.at(rng.bounded(int(running.size())));
            child->say(u"RC|downloading|%1|100|NA|NA|NA|avc1"_s.arg(rng.bounded(100)));
            if (rng.bounded(3) == 0)
                child->say(u"[Merger] started"_s);
            if (rng.bounded(2) == 0)
                child->end(rng.bounded(4) == 0 ? 1 : 0);
        } else if (action < 78 && job && (job->isActive() || !job->isFinished())) {
            queue.cancel(*job);
            cancelled.insert(job->id());
        } else if (action >= 78 && action < 88 && job && job->isFinished()) {
            queue.retry(*job);
            cancelled.remove(job->id());
        } else if (action >= 88 && action < 94 && job) {
            cancelled.remove(job->id());
            queue.remove(*job);
        } else if (action >= 94 && action < 96) {
            queue.clearFinished();
        }
        for (const DownloadPtr& j : queue.downloads())
            check(!cancelled.contains(j->id()) || (j->phase() == P::cancelled() && j->detail() == u"Cancelled"_s),
                  j->video().id() + u" no longer cancelled at step %1"_s.arg(step));
        check(queue.count(Kind::queued) == 0 || f.runner->running().size() >= limit,
              u"a free slot with jobs waiting at step %1"_s.arg(step));
        check(f.platform.badge.isEmpty() || f.platform.badge.last() == queue.toDo(), u"badge"_s);
    }
    queue.cancelAll();
    for (FakeChild* child : f.runner->running())
        child->end(15);
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join(u"; "_s)));
    QCOMPARE(queue.toDo(), 0);
    QCOMPARE(mirror, queue.downloads());
    QVERIFY(made > jobs / 2);
}

void TestQueue::lineReader_data()
{
    QTest::addColumn<Chunks>("chunks");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("flushed");
    QTest::newRow("CR LF, rest waits")
        << Chunks{"ab", "c\r\nde"} << QStringList{u"abc"_s} << QStringList{u"de"_s};
    QTest::newRow("CR redraws") << Chunks{"RC|a\rRC|b\r", "RC|c\n"}
                                << QStringList{u"RC|a"_s, u"RC|b"_s, u"RC|c"_s} << QStringList{};
    QTest::newRow("UTF-8 cut") << Chunks{"caf\xC3", "\xA9\n\xF0\x9F", "\x8E", "\xAC"}
                               << QStringList{u"caf\u00e9"_s} << QStringList{u"\U0001F3AC"_s};
    QTest::newRow("invalid UTF-8")
        << Chunks{"a\xFF\xC3(\n"} << QStringList{u"a\uFFFD\uFFFD("_s} << QStringList{};
    QTest::newRow("blank lines")
        << Chunks{" \t\n\n\xC2\xA0\xE3\x80\x80\r\n", " \t"} << QStringList{} << QStringList{};
    QTest::newRow("trimmed, inner kept") << Chunks{"\t\xC2\xA0 ERROR:  a \t b \xE2\x80\x83\n"}
                                         << QStringList{u"ERROR:  a \t b"_s} << QStringList{};
}

void TestQueue::lineReader()
{
    QFETCH(Chunks, chunks);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, flushed);
    // As chunked, and cut at random places: the lines do not depend on the cuts.
    const QByteArray whole = chunks.join();
    for (int round = 0; round < 50; ++round) {
        QStringList got;
        LineReader reader([&](const QString& line) { got << line; });
        for (qsizetype at = 0, i = 0, n = 0; at < whole.size(); at += n, ++i) {
            n = round == 0 ? chunks.at(i).size() : QRandomGenerator::global()->bounded(1, 6);
            reader.feed(QByteArrayView(whole).sliced(at, std::min(n, whole.size() - at)));
        }
        QCOMPARE(got, lines);
        reader.flush();
        QCOMPARE(got, lines + flushed);
        QCOMPARE(reader.pending(), 0);
    }
}

void TestQueue::lineReaderCapsLongLines()
{
    constexpr qsizetype cap = LineReader::maxPending;
    QStringList got;
    LineReader reader([&](const QString& line) { got << line; });
    // One byte per feed: a reader that rescans its pending bytes would take
    // minutes here.
    reader.feed("<");
    for (qsizetype i = 1; i < cap + 10; ++i)
        reader.feed("x");
    for (int i = 0; i < 600; ++i)
        reader.feed(QByteArray(4096, 'y'));
    QCOMPARE(reader.pending(), cap);
    QVERIFY(got.isEmpty());
    reader.feed("yyy\nnext\r\n");
    // A capped line cut short by the end of the output; the reader starts afresh.
    reader.feed(QByteArray(cap + 1, 'z'));
    reader.flush();
    reader.feed("after\n");
    QCOMPARE(got.size(), 4);
    QVERIFY(got[0].size() == cap && got[0].startsWith(u"<xxx"_s) && got[0].endsWith(u'x'));
    QCOMPARE(got[1], u"next"_s);
    QCOMPARE(got[2], QString(cap, u'z'));
    QCOMPARE(got[3], u"after"_s);
}

void TestQueue::formats_data()
{
    QTest::addColumn<bool>("isTime");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    const auto row = [](bool isTime, double value, const QString& text) {
        QTest::addRow("%s %g", isTime ? "time" : "bytes", value) << isTime << value << text;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    row(true, 59.5, u"1:00"_s);
    row(true, 3599.5, u"1:00:00"_s);
    row(true, 90061, u"25:01:01"_s);
    row(true, -0.4, u"0:00"_s);
    row(true, -2.5, u"-0:03"_s);
    row(true, 9223372036854775808.0, u"--:--"_s);
    row(true, nan, u"--:--"_s);
    row(false, 999.9, u"999 bytes"_s);
    row(false, 999499, u"999 kB"_s);
    row(false, 999500, u"1.0 MB"_s);
    row(false, 999950000, u"1.00 GB"_s);
    row(false, -1500, u"-2 kB"_s);
    row(false, std::numeric_limits<double>::infinity(), u"9.22 EB"_s);
    row(false, nan, u"0 bytes"_s);
}

void TestQueue::formats()
{
    QFETCH(bool, isTime);
    QFETCH(double, value);
    QTEST(isTime ? Fmt::time(value) : Fmt::bytes(value), "text");
}

void TestQueue::lines_data()
{
    QTest::addColumn<Preset>("preset");
    QTest::addColumn<Kind>("start");
    QTest::addColumn<QString>("line");
    QTest::addColumn<Kind>("phase");
    QTest::addColumn<double>("fraction");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QString>("file");  // null: none
    QTest::addColumn<QString>("error"); // what handle() returns; null: nothing
    const Kind dl = Kind::downloading, q = Kind::queued;
    const Preset v = Preset::p1080, mp3 = Preset::mp3;
    const auto row = [&](const char* name, Preset preset, Kind start, const char* line, Kind phase,
                         double fraction, const QString& detail, const QString& file = {},
                         const QString& error = {}) {
        QTest::newRow(name) << preset << start << QString::fromUtf8(line) << phase << fraction
                            << detail << file << error;
    };
    const QString audio = u"Audio \u00b7 1 kB of 4 kB \u00b7 500 bytes/s \u00b7 0:03 left"_s;
    row("audio stream", v, q, "RC|downloading|1000|4000|NA|500|3|none", dl, 0.25, audio);
    row("estimate", v, q, "RC|downloading|1000||4000|500|3|none", dl, 0.25, audio);
    row("nine fields", v, q, "RC|downloading|1000|4000|NA|500|3|none|x", dl, 0.25, audio);
    row("seven fields", v, q, "RC|downloading|1000|4000|NA|500|3", q, 0.4, starting);
    row("total 0 beats estimate", v, q, "RC|downloading|10|0|4000|NA|NA|NONE", dl, 0.4, u"Video"_s);
    row("m4a", Preset::m4a, q, "RC|downloading|1000|4000|NA|500|3|none", dl, 0.25,
        u"1 kB of 4 kB \u00b7 500 bytes/s \u00b7 0:03 left"_s);
    row("mp3, nothing known", mp3, q, "RC|downloading|NA|NA|NA|NA|NA|NA", dl, 0.4, u""_s);
    row("finished", v, q, "RC|finished|NA|46280|NA|NA|NA|NA", q, 1.0, starting);
    row("past the total", mp3, q, "RC|downloading|5000|4000|NA|||", dl, 1.0, u"5 kB of 4 kB"_s);
    // Not numbers in the C locale's notation, or not finite: absent.
    row("odd numbers", mp3, q, "RC|downloading| 1000|4e3|NA|1,5|inf|", dl, 0.0, u"0 bytes of 4 kB"_s);
    row("out of range", mp3, q, "RC|downloading|1e400|nan|1e300|+2|-1|", dl, 0.0,
        u"0 bytes of 9.22 EB \u00b7 2 bytes/s \u00b7 -0:01 left"_s);
    row("final file", v, dl, "RCFILE|/My Videos/A [x] (1).mp4", dl, 0.4, starting,
        u"/My Videos/A [x] (1).mp4"_s);
    row("padded error", v, dl, "ERROR:  \t disk full \t", dl, 0.4, starting, {}, u"disk full"_s);
    row("bare error", v, dl, "ERROR:", dl, 0.4, starting);
    row("[ExtractAudio]", mp3, dl, "[ExtractAudio] started", Kind::processing, 0.4,
        u"Converting audio\u2026"_s);
    for (const char* tag : {"[Merger] started", "[EmbedThumbnail] started", "[Metadata] started"})
        row(tag, v, dl, tag, Kind::processing, 0.4, u"Finishing up\u2026"_s);
    for (const char* line : {"[merger] started", "[MoveFiles] finished", "x [Merger] y", "RCFILE",
                             "error: x", "RC|"})
        row(line, v, dl, line, dl, 0.4, starting);
    // Only a cancelled job is deaf to its process.
    row("done, file", v, Kind::done, "RCFILE|/a.mp4", Kind::done, 0.4, starting, u"/a.mp4"_s);
    for (const char* line : {"RC|downloading|1|2|NA|NA|NA|none", "RCFILE|/a.mp4", "ERROR: x"})
        row(line, v, Kind::cancelled, line, Kind::cancelled, 0.4, starting);
}

void TestQueue::lines()
{
    QFETCH(Preset, preset);
    QFETCH(Kind, start);
    QFETCH(QString, line);
    QFETCH(QString, file);
    QFETCH(QString, error);
    Download job(videoItem(u"abc"_s), preset);
    job.setFraction(0.4);
    job.setDetail(starting);
    job.setPhase(start == Kind::queued      ? P::queued()
                 : start == Kind::done      ? P::done()
                 : start == Kind::cancelled ? P::cancelled()
                                            : P::downloading());
    const std::optional<QString> returned = ProgressProtocol::handle(line, job);
    QTEST(job.phase().kind(), "phase");
    QTEST(job.fraction(), "fraction");
    QTEST(job.detail(), "detail");
    QCOMPARE(job.file(), file.isNull() ? std::nullopt : std::optional(file));
    QCOMPARE(returned, error.isNull() ? std::nullopt : std::optional(error));
}

void TestQueue::recordedRun_data()
{
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QStringList>("details"); // each detail's first part, as it changed
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("error"); // the last one handle() returned
    // Parts of recorded runs: a DASH merge (CR LF breaks, none after the
    // last line) and a 404.
    QTest::newRow("DASH merge")
        << QByteArray("WARNING: [generic] Falling back on generic information extractor\r\n"
                      "RC|downloading|817|NA|1634.0|0|NA|avc1.f4001e\r\n"
                      "RC|finished|35930|35930|NA|2239746.4920859034|NA|avc1.f4001e\r\n"
                      "RC|downloading|54892|NA|72913.0|0|NA|none\r\n"
                      "[Merger] started\r\n[MoveFiles] finished\r\n"
                      "RCFILE|DOWNLOADS/manifest [manifest].mp4")
        << QStringList{u"Video"_s, u"Audio"_s, u"Finishing up\u2026"_s}
        << u"DOWNLOADS/manifest [manifest].mp4"_s << QString();
    QTest::newRow("404")
        << QByteArray("WARNING: Your yt-dlp version (2026.08.19) is older than 90 days!\n"
                      "ERROR: [generic] missing: Unable to download webpage: HTTP Error 404: "
                      "File not found (caused by <HTTPError 404: File not found>)\n")
        << QStringList{} << QString()
        << u"[generic] missing: Unable to download webpage: HTTP Error 404: File not found "
           u"(caused by <HTTPError 404: File not found>)"_s;
}

void TestQueue::recordedRun()
{
    QFETCH(QByteArray, output);
    QFETCH(QString, file);
    Download job(videoItem(u"abc"_s), Preset::p1080);
    QStringList details;
    connect(&job, &Download::detailChanged, this, [&] {
        const QString first = job.detail().section(u" \u00b7 "_s, 0, 0);
        if (details.isEmpty() || details.last() != first)
            details << first;
    });
    QString error;
    LineReader reader([&](const QString& line) {
        if (std::optional<QString> message = ProgressProtocol::handle(line, job))
            error = *message;
    });
    for (qsizetype i = 0; i < output.size(); i += 5)
        reader.feed(QByteArrayView(output).sliced(i, std::min<qsizetype>(5, output.size() - i)));
    reader.flush();
    QTEST(details, "details");
    QCOMPARE(job.file(), file.isNull() ? std::nullopt : std::optional(file));
    QTEST(error, "error");
}

QTEST_GUILESS_MAIN(TestQueue)
#include "tst_queue.moc"
