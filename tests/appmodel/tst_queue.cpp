// The download queue, its yt-dlp runs played by FakeRunner children: limit,
// endings, cancel, retry and remove, the wait for ffmpeg, counts and row
// signals, a long random workload; and the line reader and progress protocol.
#include "Fixture.h"
#include "appmodel/Failure.h"
#include "appmodel/ProgressProtocol.h"
#include "engine/LineReader.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <unistd.h>

using namespace reelcatch;
using namespace reelcatch::test;
using namespace Qt::StringLiterals;

namespace {

using Kind = Download::Phase::Kind;
using P = Download::Phase;
using F = Failure::Kind;
using A = Failure::Action;
using Chunks = QList<QByteArray>;
const QString site = u"https://example.org/"_s;
const QString starting = u"Starting\u2026"_s;

qint64 resident()
{
    QFile statm(u"/proc/self/statm"_s);
    return statm.open(QIODevice::ReadOnly) ? statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}
QStringList L(const char* ids) { return QString::fromLatin1(ids).split(u' ', Qt::SkipEmptyParts); } // "a b c"

struct QueueFixture : Fixture {
    explicit QueueFixture(int parallel = 2, bool ffmpeg = true, int gap = 0) : Fixture(true, ffmpeg) { prefs.setValue(PrefKey::parallel, parallel), prefs.setValue(PrefKey::startGap, gap); }
    void enqueue(const QStringList& ids, Preset preset = Preset::p1080)
    {
        QList<VideoItem> items;
        for (const QString& id : ids)
            items << videoItem(id);
        queue().enqueue(items, preset);
    }
    DownloadPtr job(const char* id) { return queue().downloads().at(listed().indexOf(QLatin1String(id))); }
    FakeChild* run(const char* id) const { return runner->children.at(started().lastIndexOf(QLatin1String(id))); }
    QStringList started() const // the job of every run, oldest first
    {
        return each(runner->children, [](FakeChild* c) { return c->spec.arguments.filter(site).value(0).mid(site.size()); });
    }
    QStringList listed() { return each(queue().downloads(), [](const DownloadPtr& j) { return j->video().id(); }); }
};

} // namespace

class TestQueue : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(), QLocale::setDefault(QLocale::c()); }
    void limitAndOrder();
    void endings_data();
    void endings();
    void namesByPreset();
    void cancelAndRetry();
    void removeAndClearFinished();
    void bigEnqueue();
    void ffmpeg();
    void countsBadgeAndCue();
    void soak();
    void failures_data();
    void failures();
    void spacing();
    void rateLimitPause();
    void lineReader_data();
    void lineReader();
    void lineReaderCap();
    void lines_data();
    void lines();
};

void TestQueue::limitAndOrder()
{
    QueueFixture f;
    f.enqueue(L("a b c"));
    f.enqueue(L("d"));
    QCOMPARE(f.listed(), L("d c b a"));
    QCOMPARE(f.started(), L("a b"));
    const ChildSpec& spec = f.run("a")->spec;
    QCOMPARE(spec.output, ChildSpec::Output::lines);
    QCOMPARE(spec.pause, DownloadQueue::outputPause);
    QCOMPARE(spec.workingDirectory, f.prefs.value(PrefKey::folder)); // yt-dlp is not told it
    // A report of a command line names no cookies' file, browser profile or proxy password.
    QCOMPARE(Failure::masked({u"--cookies"_s, u"/c.txt"_s, u"--cookies-from-browser=firefox:/p"_s, u"--proxy"_s, u"socks5://me:pw@h:1"_s, u"--cookies-from-browser"_s, u"chrome"_s}),
             (QStringList{u"--cookies"_s, u"\u2026"_s, u"--cookies-from-browser=firefox:\u2026"_s, u"--proxy"_s, u"socks5://\u2026@h:1"_s, u"--cookies-from-browser"_s, u"chrome"_s}));
    QCOMPARE(f.job("a")->detail(), starting);
    f.run("b")->end(1);
    QCOMPARE(f.started(), L("a b c"));
    // A larger limit takes effect at the next start.
    f.prefs.setValue(PrefKey::parallel, 3);
    f.run("a")->end(0);
    QCOMPARE(f.started(), L("a b c d"));
    QCOMPARE(f.queue().count(Kind::downloading), 2);
    // cancelAll starts nothing more, even as the runs it stopped end.
    f.enqueue(L("e f"));
    f.queue().cancelAll();
    f.run("c")->end(15);
    QCOMPARE(f.started(), L("a b c d e"));
    QCOMPARE(f.queue().count(Kind::cancelled), 4);
    QCOMPARE(f.queue().toDo(), 0);
    // A folder that cannot be made fails the job, naming the folder.
    const QString folder = TestEnv::writeFile(f.env.path(u"file"_s), "x") + u"/sub"_s;
    f.prefs.setValue(PrefKey::folder, folder);
    f.enqueue(L("g"));
    QCOMPARE(f.job("g")->phase(), P::failed(u"Couldn't create the folder \u201c"_s + folder + u"\u201d."_s));

    // No yt-dlp at all: a job fails as it would start.
    Fixture bare(false);
    bare.queue().enqueue({videoItem(u"a"_s)}, Preset::p1080);
    QCOMPARE(bare.queue().downloads().at(0)->phase(), P::failed(u"Download engine not installed yet."_s));
}

void TestQueue::namesByPreset()
{
    // A video's first preset has the plain name; its others (also once the first job is gone) their own.
    QueueFixture f(8);
    f.enqueue(L("a b"));
    f.enqueue(L("a b"), Preset::mp3);
    f.runner->children.at(0)->end(0);
    f.queue().clearFinished();
    f.enqueue(L("a"));
    f.enqueue(L("c b"), Preset::p720);
    QCOMPARE(f.started(), L("a b a b a c b"));
    const QStringList labels{{}, {}, u" [MP3]"_s, u" [MP3]"_s, {}, {}, u" [720p]"_s};
    for (qsizetype i = 0; i < labels.size(); ++i)
        QVERIFY(f.runner->children.at(i)->spec.arguments.contains(u"%(title).180B [%(id).32B]%1.%(ext)s"_s.arg(labels[i])));
}

void TestQueue::endings_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("code"); // -1: failed to start
    QTest::addColumn<Download::Phase>("phase");
    QTest::addColumn<QString>("detail");
    QTest::newRow("done, file named") << L("RC|downloading|1|2|NA|NA|NA|avc1 RCFILE|clip.mp4") << 0
                                      << P::done() << u"clip.mp4"_s;
    QTest::newRow("an error line, then success") << L("ERROR:passing") << 0 << P::done() << u"Saved to Downloads"_s;
    QTest::newRow("the last error line") << L("ERROR:first RC|downloading|1|2|NA|NA|NA|avc1 ERROR:[x]second") << 1
                                         << P::failed(u"[x]second"_s) << QString();
    QStringList flood; // 40 MB of distinct lines
    for (int i = 0; i < 20000; ++i)
        flood << u"ERROR: %1 "_s.arg(i) + QString(1000, u'x');
    QTest::newRow("only the last of an error flood is kept") << flood << 1 << P::failed(flood.last().mid(7)) << QString();
    QTest::newRow("a bare ERROR: says nothing") << L("ERROR:") << 9 << P::failed(u"yt-dlp exited with code 9"_s) << QString();
    QTest::newRow("failed to start") << QStringList{} << -1 << P::failed(u"No such file"_s) << QString();
}

void TestQueue::endings()
{
    QFETCH(QStringList, lines);
    QFETCH(int, code);
    QFETCH(QString, detail);
    // The next waiting job starts however the run ended.
    QueueFixture f(1);
    f.enqueue(L("a b"));
    const DownloadPtr job = f.job("a");
    [[maybe_unused]] const qint64 before = resident();
    for (const QString& line : std::as_const(lines))
        f.run("a")->say(line);
#ifndef __SANITIZE_ADDRESS__ // which holds on to freed memory
    QCOMPARE_LT(resident() - before, 16 << 20);
#endif
    f.run("a")->end(code, code < 0 ? ChildExit::Kind::failedToStart : ChildExit::Kind::exited, u"No such file"_s);
    QTEST(job->phase(), "phase");
    QVERIFY(detail.isEmpty() || (job->detail() == detail && job->fraction() == 1.0));
    QCOMPARE(f.started(), L("a b"));
}

void TestQueue::cancelAndRetry()
{
    // A cancelled job stays so, whatever its run still says and however it
    // ends; its slot is free once the run has ended.
    QueueFixture f(1);
    f.enqueue(L("a b c d"));
    const DownloadPtr a = f.job("a"), b = f.job("b");
    const auto late = [](FakeChild* child, int code) {
        for (const char* line : {"RC|downloading|900|1000|NA|NA|NA|avc1", "[Merger] started",
                                 "ERROR: late", "RCFILE|late.mp4"})
            child->say(QString::fromLatin1(line));
        child->end(code);
    };
    f.run("a")->say(u"RC|downloading|100|1000|NA|NA|NA|avc1"_s);
    f.queue().cancel(*a);
    QCOMPARE(f.run("a")->stops, 1);
    QCOMPARE(f.started(), L("a"));
    late(f.run("a"), 0);
    QCOMPARE(a->phase(), P::cancelled());
    QCOMPARE(a->detail(), u"Cancelled"_s);
    QCOMPARE(a->fraction(), 0.1);
    QCOMPARE(a->file(), std::nullopt);
    QCOMPARE(f.started(), L("a b"));
    // A retry runs at once, while the cancelled run is still ending; that run
    // has no say any more.
    FakeChild* old = f.run("b");
    f.queue().cancel(*b);
    f.queue().retry(*b);
    QCOMPARE(f.started(), L("a b b"));
    QCOMPARE(b->detail(), starting);
    late(old, 1);
    QCOMPARE(b->phase(), P::downloading());
    QCOMPARE(b->fraction(), 0.0);
    QCOMPARE(b->file(), std::nullopt);
    QCOMPARE(f.started(), L("a b b"));
    f.run("b")->say(u"RCFILE|b.mp4"_s);
    f.run("b")->end(0);
    QCOMPARE(b->detail(), u"b.mp4"_s);
    QCOMPARE(f.run("b")->stops, 0);
    QCOMPARE(f.started(), L("a b b c"));
    // Clearing a cancelled job while its run still ends frees the slot too.
    f.queue().cancel(*f.job("c"));
    f.queue().clearFinished();
    QCOMPARE(f.started(), L("a b b c d"));
}

void TestQueue::removeAndClearFinished()
{
    QueueFixture f(6);
    f.enqueue(L("a b c d e f"));
    f.run("a")->end(0);
    f.run("c")->end(1);
    f.run("d")->end(0);
    f.queue().cancel(*f.job("e"));
    f.run("e")->end(15);
    // Rows are announced from the end, a run of neighbours at a time, each
    // matching the list as it is at that moment.
    QList<QStringList> seen;
    connect(&f.queue(), &DownloadQueue::jobsAboutToBeRemoved, this,
            [&](int first, int last) { seen << f.listed().mid(first, last - first + 1); });
    f.queue().clearFinished();
    QCOMPARE(seen, (QList<QStringList>{L("a"), L("e d c")}));
    QCOMPARE(f.listed(), L("f b"));
    QCOMPARE(f.queue().finishedCount(), 0);

    // A running job goes at once, its run stopped; its slot goes to the next.
    f.prefs.setValue(PrefKey::parallel, 2);
    f.enqueue(L("g"));
    const DownloadPtr b = f.job("b");
    FakeChild* run = f.run("b");
    seen.clear();
    f.queue().remove(*b);
    QCOMPARE(seen, QList<QStringList>{L("b")});
    QCOMPARE(f.listed(), L("g f"));
    QCOMPARE(run->stops, 1);
    QVERIFY(f.job("g")->isActive());
    run->end(15);
    QCOMPARE(f.queue().count(Kind::downloading), 2);
    QCOMPARE(f.queue().count(Kind::cancelled), 0);
}

void TestQueue::bigEnqueue()
{
    // A list longer than a slice goes in over turns of the event loop and
    // ends as one call would leave it: newest first, each video once (also
    // against items not added yet), the oldest started first.
    QueueFixture f;
    const int n = DownloadQueue::slice * 2 + 10;
    QStringList ids;
    for (int i = 0; i < n; ++i)
        ids << u"v%1"_s.arg(i);
    f.enqueue(ids.mid(0, n / 2) + ids.mid(0, 5) + ids.mid(n / 2));
    QCOMPARE(f.queue().downloads().size(), DownloadQueue::slice);
    f.enqueue(ids.mid(n - 3) + L("last"));
    QTRY_COMPARE(f.queue().downloads().size(), n + 1);
    QStringList expected = ids + L("last");
    std::reverse(expected.begin(), expected.end());
    QCOMPARE(f.listed(), expected);
    QCOMPARE(f.started(), L("v0 v1"));
    QCOMPARE(f.queue().toDo(), n + 1);
    // cancelAll drops what has not gone in: what comes next goes in at once.
    f.enqueue(each(ids, [](const QString& id) { return id + u"b"_s; }));
    f.queue().cancelAll();
    f.enqueue(L("z"));
    QCOMPARE(f.listed().size(), n + 2 + DownloadQueue::slice);
    QCOMPARE(f.listed().first(), u"z"_s);
    QCOMPARE(f.queue().toDo(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(f.listed().size(), n + 2 + DownloadQueue::slice);
}

void TestQueue::ffmpeg()
{
    // Jobs wait for ffmpeg, got once; a cancel meanwhile holds.
    QueueFixture f(2, false);
    f.enqueue(L("a b"));
    f.enqueue(L("c"), Preset::mp3);
    for (const DownloadPtr& job : f.queue().downloads())
        QCOMPARE(job->detail(), u"Getting ffmpeg ready (one-time, ~56 MB)\u2026"_s);
    QCOMPARE(f.queue().toDo(), 3);
    f.queue().cancel(*f.job("b"));
    QVERIFY(f.runner->children.isEmpty());
    QVERIFY(f.installer.finish(u"ffmpeg"_s, Done{}, {f.engine.managedFfmpeg(), f.engine.managedFfprobe()}));
    QCOMPARE(f.started(), L("a c"));
    QVERIFY(f.run("a")->spec.arguments.contains(u"--ffmpeg-location"_s));
    // When getting it fails, downloads go on in lower quality, with no second attempt.
    QueueFixture g(2, false);
    g.enqueue(L("a b"));
    QVERIFY(g.installer.finish(u"ffmpeg"_s, AppError{u"Download failed (HTTP 404): u"_s}));
    QCOMPARE(g.model.readiness().note().value_or(QString()),
             u"Couldn't download ffmpeg (Download failed (HTTP 404): u). Downloads are limited "
             u"to lower quality for now."_s);
    QVERIFY(g.run("a")->spec.arguments.contains(u"b[ext=mp4]/b"_s));
    g.enqueue(L("c"));
    g.run("a")->end(0);
    QCOMPARE(g.started(), L("a b c"));
    QCOMPARE(f.installer.calls + g.installer.calls, L("ffmpeg ffmpeg"));
}

void TestQueue::countsBadgeAndCue()
{
    QueueFixture f(1);
    f.enqueue(L("a b c"));
    QCOMPARE(f.platform.badge.last(), 3);
    QSignalSpy counts(&f.queue(), &DownloadQueue::countsChanged);
    f.run("a")->say(u"[ExtractAudio] started"_s);
    QCOMPARE(counts.count(), 1);
    QCOMPARE(f.queue().count(Kind::processing), 1);
    QCOMPARE(f.queue().count(Kind::queued), 2);
    f.run("a")->end(0);
    QCOMPARE(f.platform.badge.last(), 2);
    QCOMPARE(f.platform.sounds, 0); // the batch is not over
    f.run("b")->end(1);
    f.enqueue(L("x")); // joins the batch, then leaves it
    f.queue().remove(*f.job("x"));
    QVERIFY(f.platform.notices.isEmpty());
    f.run("c")->end(0);
    QCOMPARE(f.platform.notices, QStringList{u"2+1 "_s + f.prefs.value(PrefKey::folder)});
    QCOMPARE(f.platform.badge.last(), 0);
    QCOMPARE(f.platform.sounds + f.platform.attentions, 2);
    QCOMPARE(f.queue().count(Kind::done), 2);
    QCOMPARE(f.queue().count(Kind::failed), 1);
    // A batch with nothing done to show gives no cue; once something is
    // done, a failure ending the batch gives it too.
    f.queue().clearFinished();
    f.enqueue(L("d"));
    f.run("d")->end(1);
    QCOMPARE(f.platform.sounds, 1);
    f.enqueue(L("e"));
    f.run("e")->end(0);
    f.queue().retry(*f.job("d"));
    f.run("d")->end(1);
    QCOMPARE(f.platform.sounds, 3);
    // Each batch counts its own; one called off as a whole tells nothing.
    QCOMPARE(f.platform.notices.mid(1).join(u' ').count(f.prefs.value(PrefKey::folder)), 3);
    QCOMPARE(f.platform.notices.mid(1).join(u' ').remove(f.prefs.value(PrefKey::folder)), u"0+1  1+0  0+1 "_s);
    f.enqueue(L("g h"));
    f.run("g")->end(0);
    f.queue().cancelAll();
    QCOMPARE(f.platform.notices.size(), 4);
}

// Runs that end in random order, well or not, while jobs are added,
// cancelled, retried and removed; checked on every change. The number of jobs
// and the seed: REELCATCH_SOAK_JOBS (300) and REELCATCH_SOAK_SEED.
void TestQueue::soak()
{
    const int jobs = qEnvironmentVariableIsSet("REELCATCH_SOAK_JOBS") ? qEnvironmentVariableIntValue("REELCATCH_SOAK_JOBS") : 300;
    bool seeded = false;
    quint32 seed = quint32(qEnvironmentVariableIntValue("REELCATCH_SOAK_SEED", &seeded));
    seed = seeded ? seed : QRandomGenerator::global()->generate();
    qInfo("seed %u, %d jobs", seed, jobs);
    QRandomGenerator rng(seed);
    constexpr int limit = 4;
    QueueFixture f(limit);
    DownloadQueue& queue = f.queue();
    QStringList broken;
    const auto check = [&](bool ok, const QString& what) { broken << (ok ? QStringList{} : QStringList{what}); };
    // The rows as the signals told them, and the counts as the phases say.
    QList<DownloadPtr> mirror;
    int adding = 0;
    connect(&queue, &DownloadQueue::jobsAboutToBeAdded, this, [&](int first, int last) {
        adding = first == 0 ? last + 1 : -1; // -1: all, so that the mirror is wrong
    });
    connect(&queue, &DownloadQueue::jobsAdded, this, [&] { mirror = queue.downloads().mid(0, adding) + mirror; });
    connect(&queue, &DownloadQueue::jobsAboutToBeRemoved, this, [&](int first, int last) {
        check(mirror == queue.downloads(), u"rows before a removal"_s);
        mirror.remove(first, last - first + 1);
    });
    connect(&queue, &DownloadQueue::countsChanged, this, [&] {
        std::array<int, 6> counts{};
        for (const DownloadPtr& job : queue.downloads())
            ++counts[std::size_t(job->phase().kind())];
        for (std::size_t k = 0; k < counts.size(); ++k)
            check(counts[k] == queue.count(Kind(k)), u"count of phase %1"_s.arg(k));
    });
    QSet<QUuid> cancelled; // by the user, last; they must stay cancelled
    int made = 0;
    for (int step = 0; step < jobs * 12 && broken.isEmpty(); ++step) {
        const int action = rng.bounded(100);
        const QList<FakeChild*> running = f.runner->running();
        const qsizetype size = queue.downloads().size();
        const DownloadPtr job = size ? queue.downloads().at(rng.bounded(int(size))) : nullptr;
        if (action < 12 && made < jobs) {
            f.enqueue({u"j%1"_s.arg(made++), u"j%1"_s.arg(made++)});
        } else if (action < 65 && !running.isEmpty()) {
            FakeChild* child = running.at(rng.bounded(int(running.size())));
            child->say(rng.bounded(3) ? u"RC|downloading|1|2|NA|NA|NA|avc1"_s : u"[Merger] started"_s);
            if (rng.bounded(2))
                child->end(rng.bounded(4) == 0);
        } else if (action < 78 && job && (job->isActive() || !job->isFinished())) {
            queue.cancel(*job), cancelled.insert(job->id());
        } else if (action >= 78 && action < 88 && job && job->isFinished()) {
            queue.retry(*job), cancelled.remove(job->id());
        } else if (action >= 88 && action < 94 && job) {
            cancelled.remove(job->id()), queue.remove(*job);
        } else if (action >= 94 && action < 96) {
            queue.clearFinished();
        }
        for (const DownloadPtr& j : queue.downloads())
            check(!cancelled.contains(j->id()) || j->phase() == P::cancelled(), j->video().id() + u" uncancelled"_s);
        check(queue.count(Kind::queued) == 0 || f.runner->running().size() >= limit, u"a free slot, jobs waiting"_s);
        check(queue.count(Kind::downloading) + queue.count(Kind::processing) <= limit, u"over the limit"_s);
        check(f.platform.badge.isEmpty() || f.platform.badge.last() == queue.toDo(), u"badge"_s);
    }
    queue.cancelAll();
    for (FakeChild* child : f.runner->running())
        child->end(15);
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join(u"; "_s)));
    QCOMPARE(queue.toDo(), 0);
    QCOMPARE(mirror, queue.downloads());
}

// yt-dlp's own lines (its YouTube extractor's reasons and hints, its option
// parser, Python's socket and file errors), as a download prints them.
void TestQueue::failures_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<F>("kind");
    QTest::addColumn<A>("action");
    const QString cookies = u". Use --cookies-from-browser or --cookies for the authentication. See  https://github.com/yt-dlp/yt-dlp/wiki/FAQ#how-do-i-pass-cookies-to-yt-dlp  for how to manually pass cookies"_s;
    const QString yt = u"ERROR: [youtube] dQw4w9WgXcQ: "_s;
    QTest::newRow("bot, curly") << yt + u"Sign in to confirm you\u2019re not a bot"_s + cookies << F::botCheck << A::chooseBrowser;
    QTest::newRow("age") << yt + u"Sign in to confirm your age. This video may be inappropriate for some users"_s + cookies << F::ageRestricted << A::chooseBrowser;
    QTest::newRow("private") << yt + u"Private video. Sign in if you've been granted access to this video"_s + cookies << F::privateVideo << A::none;
    QTest::newRow("members") << yt + u"Join this channel to get access to members-only content like this video, and other exclusive perks."_s << F::privateVideo << A::none;
    QTest::newRow("rate limit") << yt + u"Video unavailable. This content isn\u2019t available, try again later. The current session has been rate-limited by YouTube for up to an hour."_s << F::rateLimited << A::resumeNow;
    QTest::newRow("unavailable") << yt + u"Video unavailable. This video has been removed by the uploader"_s << F::unavailable << A::none;
    QTest::newRow("old option") << u"yt-dlp: error: no such option: --js-runtimes"_s << F::engineOutdated << A::updateEngine;
    QTest::newRow("no JS runtime") << yt + u"No supported JavaScript runtime could be found."_s << F::engineOutdated << A::updateEngine;
    QTest::newRow("DNS") << yt + u"Unable to download API page: <urlopen error [Errno -3] Temporary failure in name resolution>"_s << F::offline << A::retry;
    QTest::newRow("refused") << u"ERROR: [generic] x: Unable to download webpage: [Errno 111] Connection refused"_s << F::offline << A::retry;
    QTest::newRow("timeout") << u"ERROR: unable to download video data: The read operation timed out"_s << F::offline << A::retry;
    QTest::newRow("disk") << u"ERROR: unable to write data: [Errno 28] No space left on device"_s << F::diskFull << A::openFolder;
    QTest::newRow("format") << yt + u"Requested format is not available. Use --list-formats for a list of available formats"_s << F::formatUnavailable << A::none;
    QTest::newRow("other") << u"ERROR: [generic] missing: Unable to download webpage: HTTP Error 404: File not found"_s << F::other << A::none;
    QTest::newRow("429") << u"ERROR: unable to download video data: HTTP Error 429: Too Many Requests"_s << F::rateLimited << A::resumeNow;
    QTest::newRow("429, API") << yt + u"Unable to download API page: HTTP Error 429: Too Many Requests (caused by <HTTPError 429: Too Many Requests>)"_s << F::rateLimited << A::resumeNow;
    // The same words in a title or a file name are no limit.
    QTest::newRow("429 in a name") << u"ERROR: unable to open for writing: [Errno 13] Permission denied: '/dl/HTTP Error 429 explained [x].mp4.part'"_s << F::other << A::none;
    QTest::newRow("limit in a name") << u"ERROR: Unable to rename file: [Errno 13] Permission denied: 'This content isn\u2019t available, try again later. Too Many Requests.mp4'"_s << F::other << A::none;
}

void TestQueue::failures()
{
    QFETCH(QString, line);
    QFETCH(F, kind);
    QFETCH(A, action);
    QueueFixture f(1);
    f.enqueue(L("a"));
    // The log keeps the run's last lines; a row of progress lines is one.
    const QString dest = u"[download] Destination: HTTP Error 429 - Too Many Requests [a].mp4"_s, progress = u"RC|downloading|2|4|NA|NA|NA|avc1"_s;
    for (int i = 0; i < 250; ++i)
        f.run("a")->say(u"line %1"_s.arg(i));
    for (const QString& said : {u"RC|downloading|1|4|NA|NA|NA|avc1"_s, progress, dest, line})
        f.run("a")->say(said);
    f.run("a")->end(1);
    const DownloadPtr a = f.job("a");
    QCOMPARE(a->log().size(), Download::logLimit);
    QCOMPARE(a->log().first(), u"line 53"_s);
    QCOMPARE(a->log().mid(197), (QStringList{progress, dest, line}));
    QCOMPARE(a->phase().kind(), kind == F::rateLimited ? Kind::queued : Kind::failed); // see rateLimitPause
    if (kind == F::rateLimited)
        return;
    const QString message = a->phase().message(); // as yt-dlp said it
    QVERIFY(line.endsWith(message) && message.size() > 30);
    QCOMPARE(a->phase().failure(), kind); // read as it failed
    const Failure failure = Failure::ofDownload(a->phase());
    QCOMPARE(failure.kind, kind);
    QCOMPARE(failure.action, action);
    QCOMPARE(failure.shown == message, kind == F::other);
}

// Ten starts at once, then one per gap, on the engine's clock; 0 turns it
// off, and an idle queue begins a new batch.
void TestQueue::spacing()
{
    QueueFixture f(20, true, 12);
    const QDateTime t0(QDate(2026, 3, 1), QTime(10, 0), Qt::UTC);
    const auto at = [&](int seconds) { f.env.setNow(t0.addSecs(seconds)), f.queue().wake(); };
    at(0);
    f.enqueue(L("a b c d e f g h i j k l m"));
    QCOMPARE(f.started(), L("a b c d e f g h i j"));
    at(12);
    QCOMPARE(f.started().size(), 11);
    at(23);
    QCOMPARE(f.started().size(), 11); // spaced from the last start
    at(24);
    QCOMPARE(f.started(), L("a b c d e f g h i j k l"));
    f.prefs.setValue(PrefKey::startGap, 0);
    f.queue().wake();
    QCOMPARE(f.started().size(), 13);
    for (FakeChild* child : f.runner->running())
        child->end(0);
    f.prefs.setValue(PrefKey::startGap, 12);
    f.enqueue(L("n o p q r s t u v w x"));
    QCOMPARE(f.started().size(), 23); // a new batch: ten at once
}

void TestQueue::rateLimitPause()
{
    QueueFixture f(1);
    const QDateTime t0(QDate(2026, 3, 1), QTime(10, 0), Qt::UTC);
    const auto at = [&](int minutes) { f.env.setNow(t0.addSecs(minutes * 60)), f.queue().wake(); };
    QSignalSpy pauses(&f.queue(), &DownloadQueue::pauseChanged);
    const auto limit = [&](const char* id) {
        f.run(id)->say(u"ERROR: [youtube] x: Video unavailable. This content isn't available, try again later. The current session has been rate-limited by YouTube for up to an hour."_s);
        f.run(id)->end(1);
        return f.queue().pausedUntil().value_or(t0).secsTo(f.engine.config().now()) / -60;
    };
    at(0);
    f.enqueue(L("a b c"));
    QCOMPARE(limit("a"), 15);
    QCOMPARE(f.listed(), L("c b a"));
    QCOMPARE(f.job("a")->phase(), P::queued());
    QCOMPARE(pauses.count(), 1);
    at(14);
    QCOMPARE(f.started(), L("a"));
    at(15);
    QCOMPARE(f.started(), L("a a")); // back in its old place: first again
    QCOMPARE(pauses.count(), 2);
    at(20);
    QCOMPARE(limit("a"), 30); // again within the hour: doubled
    f.queue().resumeNow();
    QCOMPARE(f.started(), L("a a a"));
    at(25);
    f.run("a")->say(u"RC|downloading|1000|4000|NA|NA|NA|avc1"_s);
    QCOMPARE(limit("a"), 60); // after bytes: the first of a new row
    f.queue().resumeNow();
    at(30);
    QCOMPARE(limit("a"), 60); // the longest
    QCOMPARE(f.job("a")->phase(), P::queued());
    f.queue().resumeNow();
    at(35);
    QCOMPARE(limit("a"), 60); // the third in a row: it fails
    QCOMPARE(f.job("a")->phase().kind(), Kind::failed);
    QCOMPARE(f.job("a")->phase().failure(), F::rateLimited);
    QCOMPARE(Failure::ofDownload(f.job("a")->phase()).action, A::none); // nothing resumes it
    f.queue().resumeNow();
    QCOMPARE(f.started(), L("a a a a a b"));
    at(96);
    QCOMPARE(limit("b"), 15); // over an hour since the last: afresh
}

void TestQueue::lineReader_data()
{
    QTest::addColumn<Chunks>("chunks");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("flushed");
    QTest::newRow("CR LF, rest waits") << Chunks{"ab", "c\r\nde"} << QStringList{u"abc"_s} << QStringList{u"de"_s};
    QTest::newRow("CR redraws") << Chunks{"RC|a\rRC|b\r", "RC|c\n"}
                                << QStringList{u"RC|a"_s, u"RC|b"_s, u"RC|c"_s} << QStringList{};
    QTest::newRow("UTF-8 cut") << Chunks{"caf\xC3", "\xA9\n\xF0\x9F", "\x8E", "\xAC"}
                               << QStringList{u"caf\u00e9"_s} << QStringList{u"\U0001F3AC"_s};
    QTest::newRow("invalid UTF-8") << Chunks{"a\xFF\xC3(\n"} << QStringList{u"a\uFFFD\uFFFD("_s} << QStringList{};
    QTest::newRow("blank lines") << Chunks{" \t\n\n\xC2\xA0\xE3\x80\x80\r\n", " \t"} << QStringList{} << QStringList{};
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

void TestQueue::lineReaderCap()
{
    // A child that never ends its line must not make the reader grow: the
    // line is cut at the cap, whether it comes whole or in pieces.
    for (const qsizetype piece : {qsizetype(3) * LineReader::maxPending, qsizetype(4096)}) {
        QStringList got;
        LineReader reader([&](const QString& line) { got << line; });
        const QByteArray flood(3 * LineReader::maxPending, 'x');
        for (qsizetype at = 0; at < flood.size(); at += piece) {
            reader.feed(QByteArrayView(flood).sliced(at, std::min(piece, flood.size() - at)));
            QVERIFY(reader.pending() <= LineReader::maxPending);
        }
        reader.feed("\nok\n");
        QCOMPARE(got, (QStringList{QString(LineReader::maxPending, u'x'), u"ok"_s}));
    }
}

void TestQueue::lines_data()
{
    QTest::addColumn<Preset>("preset");
    QTest::addColumn<Download::Phase>("start");
    QTest::addColumn<QString>("line");
    QTest::addColumn<Kind>("phase");
    QTest::addColumn<double>("fraction");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QString>("file");  // null: none
    QTest::addColumn<QString>("error"); // what handle() returns; null: nothing
    const Kind dl = Kind::downloading, pr = Kind::processing;
    const P q = P::queued(), d = P::downloading();
    const Preset v = Preset::p1080, mp3 = Preset::mp3;
    const auto row = [&](const char* name, Preset preset, P start, const char* line, Kind phase,
                         double fraction, const QString& detail, const QString& file = {},
                         const QString& error = {}) {
        QTest::newRow(name) << preset << start << QString::fromUtf8(line) << phase << fraction
                            << detail << file << error;
    };
    const QString audio = u"Audio \u00b7 1 kB of 4 kB \u00b7 500 bytes/s \u00b7 0:03 left"_s;
    row("audio stream", v, q, "RC|downloading|1000|4000|NA|500|3|none", dl, 0.25, audio);
    row("estimate", v, q, "RC|downloading|1000||4000|500|3|none", dl, 0.25, audio);
    row("seven fields", v, q, "RC|downloading|1000|4000|NA|500|3", Kind::queued, 0.4, starting);
    row("total 0 beats estimate", v, q, "RC|downloading|10|0|4000|NA|NA|NONE", dl, 0.4, u"Video"_s);
    row("rounding", Preset::m4a, q, "RC|downloading|999499|999500|NA|999950000|3599.5|none", dl,
        999499.0 / 999500, u"999 kB of 1.0 MB \u00b7 1.00 GB/s \u00b7 1:00:00 left"_s);
    row("finished", v, q, "RC|finished|NA|46280|NA|NA|NA|NA", Kind::queued, 1.0, starting);
    row("past the total", mp3, q, "RC|downloading|5000|4000|NA|||", dl, 1.0, u"5 kB of 4 kB"_s);
    // Not numbers in the C locale's notation, or not finite: absent.
    row("odd numbers", mp3, q, "RC|downloading| 1000|4e3|NA|1,5|inf|", dl, 0.0, u"0 bytes of 4 kB"_s);
    row("out of range", mp3, q, "RC|downloading|1e400|nan|1e300|+2|-2.5|", dl, 0.0,
        u"0 bytes of 9.22 EB \u00b7 2 bytes/s \u00b7 -0:03 left"_s);
    row("final file", v, d, "RCFILE|/My Videos/A [x] (1).mp4", dl, 0.4, starting,
        u"/My Videos/A [x] (1).mp4"_s);
    for (const char* line : {"RCFILE|sub/../A.mp4", "RCFILE|/My Videos/../My Videos/./A.mp4"}) // in "/My Videos"
        row(line, v, d, line, dl, 0.4, starting, u"/My Videos/A.mp4"_s);
    for (const char* line : {"RCFILE|/etc/passwd", "RCFILE|../A.mp4", "RCFILE|/My Videos/../A.mp4",
                             "RCFILE|/My Videos2/A.mp4", "RCFILE|/My Videos", "RCFILE|."})
        row(line, v, d, line, dl, 0.4, starting);
    row("padded error", v, d, "ERROR:  \t disk full \t", dl, 0.4, starting, {}, u"disk full"_s);
    row("bare error", v, d, "ERROR:", dl, 0.4, starting);
    row("[ExtractAudio]", mp3, d, "[ExtractAudio] started", pr, 0.4, u"Converting audio\u2026"_s);
    row("[Merger]", v, d, "[Merger] started", pr, 0.4, u"Finishing up\u2026"_s);
    for (const char* line : {"[merger] started", "[MoveFiles] finished", "x [Merger] y", "error: x"})
        row(line, v, d, line, dl, 0.4, starting);
    // Only a cancelled job is deaf to its process.
    row("done, file", v, P::done(), "RCFILE|a.mp4", Kind::done, 0.4, starting, u"/My Videos/a.mp4"_s);
    for (const char* line : {"RC|downloading|1|2|NA|NA|NA|none", "RCFILE|/a.mp4"})
        row(line, v, P::cancelled(), line, Kind::cancelled, 0.4, starting);
}

void TestQueue::lines()
{
    QFETCH(Preset, preset);
    QFETCH(QString, line);
    QFETCH(QString, file);
    QFETCH(QString, error);
    Download job(videoItem(u"abc"_s), preset);
    job.setFraction(0.4);
    job.setDetail(starting);
    QFETCH(Download::Phase, start);
    job.setPhase(start);
    const std::optional<QString> returned = ProgressProtocol::handle(line, job, u"/My Videos"_s);
    QTEST(job.phase().kind(), "phase");
    QTEST(job.fraction(), "fraction");
    QTEST(job.detail(), "detail");
    QCOMPARE(job.file(), file.isNull() ? std::nullopt : std::optional(file));
    QCOMPARE(returned, error.isNull() ? std::nullopt : std::optional(error));
}

QTEST_GUILESS_MAIN(TestQueue)
#include "tst_queue.moc"
