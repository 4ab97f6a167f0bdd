// The download queue, its yt-dlp runs played by FakeRunner children: limit,
// cancel, retry and remove, the wait for ffmpeg, counts and row signals, a
// long random workload, spacing and YouTube's limit (one run's lines and
// ending: tst_downloadrun).
#include "QueueFixture.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>


class TestQueue : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(), QLocale::setDefault(QLocale::c()); }
    void limitAndOrder();
    void namesByPreset();
    void cancelAndRetry();
    void removeAndClearFinished();
    void bigEnqueue();
    void ffmpeg();
    void countsBadgeAndCue();
    void soak();
    void spacing();
    void rateLimitPause();
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
        adding = first == 0 ? last + 1 : -1; // -1: never, so that the mirror is wrong
    });
    // The batch is the rows announced, in their order.
    connect(&queue, &DownloadQueue::jobsAdded, this, [&](const QList<DownloadPtr>& batch) { mirror = (batch.size() == adding ? batch : QList<DownloadPtr>{}) + mirror; });
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

QTEST_GUILESS_MAIN(TestQueue)
#include "tst_queue.moc"