// The download queue under a long random workload: runs that end in random
// order, well or not, while jobs are added, cancelled, retried and removed.
// The counts, the parallel limit, the row signals and cancelled jobs are
// checked on every change; at the end nothing may still run.
//
// REELCATCH_SOAK_JOBS sets the number of jobs (300 by default),
// REELCATCH_SOAK_SEED the seed of the random choices.
#include "Fixture.h"

#include <QRandomGenerator>
#include <QTest>

using namespace reelcatch;
using namespace reelcatch::test;

namespace {

using Kind = Download::Phase::Kind;
constexpr int limit = 4;

int setting(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

} // namespace

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(); }
    void randomUseOfABusyQueue();
};

void TestSoak::randomUseOfABusyQueue()
{
    const int jobCount = setting("REELCATCH_SOAK_JOBS", 300);
    const quint32 seed = quint32(setting("REELCATCH_SOAK_SEED", int(QRandomGenerator::global()->generate() >> 1)));
    qInfo("seed %u, %d jobs", seed, jobCount);
    QRandomGenerator rng(seed);
    Fixture f;
    f.prefs.setValue(PrefKey::parallel, limit);
    DownloadQueue& queue = f.queue();

    QStringList broken;
    const auto check = [&](bool condition, const QString& what) {
        if (!condition && broken.size() < 20)
            broken << what;
    };
    // The rows as the signals told them, and the counts as the phases say.
    QList<DownloadPtr> mirror;
    int pendingFirst = -1, pendingLast = -1;
    connect(&queue, &DownloadQueue::jobsAboutToBeAdded, this, [&](int first, int last) {
        pendingFirst = first;
        pendingLast = last;
    });
    connect(&queue, &DownloadQueue::jobsAdded, this, [&] {
        check(pendingFirst == 0, QStringLiteral("added at %1").arg(pendingFirst));
        mirror = queue.downloads().mid(pendingFirst, pendingLast - pendingFirst + 1) + mirror;
    });
    connect(&queue, &DownloadQueue::jobsAboutToBeRemoved, this, [&](int first, int last) {
        check(mirror == queue.downloads(), QStringLiteral("rows before a removal"));
        mirror.remove(first, last - first + 1);
    });
    connect(&queue, &DownloadQueue::jobsRemoved, this,
            [&] { check(mirror == queue.downloads(), QStringLiteral("rows after a removal")); });
    connect(&queue, &DownloadQueue::countsChanged, this, [&] {
        std::array<int, 6> counts{};
        for (const DownloadPtr& job : queue.downloads())
            ++counts[std::size_t(job->phase().kind())];
        for (std::size_t k = 0; k < counts.size(); ++k)
            check(counts[k] == queue.count(Kind(k)), QStringLiteral("count of phase %1").arg(k));
        check(queue.count(Kind::downloading) + queue.count(Kind::processing) <= limit,
              QStringLiteral("over the limit"));
    });

    // Jobs the user cancelled last; they must stay cancelled.
    QSet<QUuid> cancelled;
    int made = 0;
    const auto randomJob = [&]() -> DownloadPtr {
        if (queue.downloads().isEmpty())
            return nullptr;
        return queue.downloads().at(rng.bounded(int(queue.downloads().size())));
    };
    for (int step = 0; step < jobCount * 12 && !broken.size(); ++step) {
        const int action = rng.bounded(100);
        const QList<FakeChild*> running = f.runner->running();
        if (action < 12 && made < jobCount) {
            QList<VideoItem> items;
            for (int n = rng.bounded(1, 4); n > 0 && made < jobCount; --n)
                items << videoItem(QStringLiteral("j%1").arg(made++));
            queue.enqueue(items, Preset::p1080);
        } else if (action < 65 && !running.isEmpty()) {
            FakeChild* child = running.at(rng.bounded(int(running.size())));
            child->say(QStringLiteral("RC|downloading|%1|100|NA|NA|NA|avc1").arg(rng.bounded(100)));
            if (rng.bounded(3) == 0)
                child->say(QStringLiteral("[Merger] started"));
            if (rng.bounded(2) == 0)
                child->end(rng.bounded(4) == 0 ? 1 : 0);
        } else if (action < 78) {
            if (DownloadPtr job = randomJob(); job && (job->isActive() || !job->isFinished())) {
                queue.cancel(*job);
                cancelled.insert(job->id());
            }
        } else if (action < 88) {
            if (DownloadPtr job = randomJob(); job && job->isFinished()) {
                queue.retry(*job);
                cancelled.remove(job->id());
            }
        } else if (action < 94) {
            if (DownloadPtr job = randomJob()) {
                cancelled.remove(job->id());
                queue.remove(*job);
            }
        } else if (action < 96) {
            queue.clearFinished();
        }
        for (const DownloadPtr& job : queue.downloads()) {
            if (cancelled.contains(job->id()))
                check(job->phase() == Download::Phase::cancelled() &&
                          job->detail() == QStringLiteral("Cancelled"),
                      job->video().id() + QStringLiteral(" no longer cancelled: %1 %2 step %3").arg(int(job->phase().kind())).arg(job->detail()).arg(step));
        }
        // Free slots never stay empty while jobs wait.
        check(queue.count(Kind::queued) == 0 || f.runner->running().size() >= limit,
              QStringLiteral("a free slot with jobs waiting"));
        check(f.platform.badge.isEmpty() || f.platform.badge.last() == queue.toDo(),
              QStringLiteral("badge"));
    }

    queue.cancelAll();
    for (FakeChild* child : f.runner->running())
        child->end(15);
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QStringLiteral("; "))));
    QVERIFY(f.runner->running().isEmpty());
    QCOMPARE(queue.toDo(), 0);
    QCOMPARE(mirror, queue.downloads());
    QVERIFY(made > jobCount / 2);
}

QTEST_GUILESS_MAIN(TestSoak)
#include "tst_soak.moc"
