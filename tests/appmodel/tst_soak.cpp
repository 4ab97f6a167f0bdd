// The download queue under a long random workload: scripted downloads that
// end in random order, some failing, while jobs are added, cancelled,
// retried and removed at random. Every job change is checked against what
// the job's own history allows, and at the end nothing may still run.
//
// REELCATCH_SOAK_JOBS sets the number of jobs (60 by default; 300 for the
// long run), REELCATCH_SOAK_SEED the seed of the random choices.
#include "ProcessTable.h"
#include "QueueFixture.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <functional>
#include <map>

using namespace reelcatch;

namespace {

using Kind = Download::Phase::Kind;

constexpr int limit = 6;
const QString site = QStringLiteral("https://example.org/");

int setting(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// One job as the test drove it: each run has a script of its own, and the
// last thing done to the job decides how it must end.
struct Soaked {
    QString id;
    std::unique_ptr<FakeYtdlp> fake;
    DownloadPtr job;
    int runs = 0;
    // How the latest run's script ends: a file, or a failure message.
    QString file;
    QString failure;
    bool cancelled = false;
    bool removed = false;
};
using SoakedPtr = std::shared_ptr<Soaked>;

// The queue and the user's side of it: the jobs made, what was done to each,
// and every broken rule seen on the way.
class Workload : public QObject {
    QRandomGenerator m_rng;

public:
    Workload(int count, quint32 seed) : m_rng(seed), jobCount(count)
    {
        f.prefs.setValue(PrefKey::parallel, limit);
        // yt-dlp hands each run to the script of the job it is for.
        const QByteArray dispatcher = "#!/bin/sh\nfor a; do\n  case \"$a\" in\n    " +
                                      site.toUtf8() + "*) exec '" + jobsDir().toUtf8() +
                                      "'/\"${a#" + site.toUtf8() +
                                      "}\" \"$@\" ;;\n  esac\ndone\nexit 99\n";
        TestEnv::writeExecutable(f.fake.path(), dispatcher);
    }

    QString jobsDir() const { return f.env.path(QStringLiteral("jobs")); }

    void addJobs(int count)
    {
        QList<VideoItem> items;
        QList<SoakedPtr> added;
        for (int i = 0; i < count && jobs.size() < jobCount; ++i) {
            auto s = std::make_shared<Soaked>();
            s->id = QStringLiteral("j%1").arg(jobs.size());
            s->fake = std::make_unique<FakeYtdlp>(jobsDir(), s->id);
            scriptNextRun(*s);
            items << videoItem(s->id);
            jobs << s;
            added << s;
        }
        if (items.isEmpty())
            return;
        f.model.enqueue(items, Preset::p1080);
        for (const SoakedPtr& s : std::as_const(added)) {
            s->job = f.job(s->id);
            connect(s->job.get(), &Download::changed, this, [this, s = s.get()] {
                check(*s);
                countActive();
            });
        }
    }

    // A random moment between two actions, in milliseconds.
    int pause() { return 1 + int(m_rng.bounded(12)); }

    // One thing a user might do, chosen at random.
    void act()
    {
        const int roll = int(m_rng.bounded(100));
        if (roll < 15) {
            addJobs(1 + int(m_rng.bounded(jobCount / 5 + 1)));
        } else if (roll < 30) {
            if (const SoakedPtr s = pick(unfinished))
                cancel(*s);
        } else if (roll < 40) {
            // Cancel, then Retry where the button was: a new run at once.
            if (const SoakedPtr s = pick(unfinished)) {
                cancel(*s);
                retry(*s);
            }
        } else if (roll < 90) {
            if (const SoakedPtr ended = pick([](const Soaked& s) {
                    const Kind kind = s.job->phase().kind();
                    return (kind == Kind::failed || kind == Kind::cancelled) && s.runs < 4;
                }))
                retry(*ended);
        } else if (removes < jobCount / 10) {
            if (const SoakedPtr s = pick([](const Soaked&) { return true; })) {
                s->cancelled = s->cancelled || !s->job->isFinished();
                s->removed = true;
                f.model.remove(*s->job);
                ++removes;
            }
        }
    }

    // What a job may show, given what was last done to it.
    void check(const Soaked& s)
    {
        const Download& job = *s.job;
        const Kind kind = job.phase().kind();
        QString wrong;
        if (s.cancelled && kind != Kind::cancelled)
            wrong = QStringLiteral("left its cancelled state");
        else if (!s.cancelled && kind == Kind::cancelled)
            wrong = QStringLiteral("cancelled by nobody");
        else if (kind == Kind::done && (s.file.isEmpty() || job.file() != s.file))
            wrong = QStringLiteral("done with ") + job.file().value_or(QStringLiteral("no file"));
        else if (kind == Kind::failed && job.phase().message() != s.failure)
            wrong = QStringLiteral("failed with \"") + job.phase().message() + QLatin1Char('"');
        if (!wrong.isEmpty())
            violations << QStringLiteral("%1 (run %2): %3").arg(s.id).arg(s.runs).arg(wrong);
    }

    // The process groups of every run that got as far as its first command.
    QSet<qint64> groups() const
    {
        QSet<qint64> found;
        for (const SoakedPtr& s : jobs) {
            for (int run = 1; run <= s->runs; ++run) {
                QFile pid(QStringLiteral("%1/%2-run%3.pid").arg(jobsDir(), s->id).arg(run));
                if (pid.open(QIODevice::ReadOnly))
                    found.insert(pid.readAll().trimmed().toLongLong());
            }
        }
        return found;
    }

    const int jobCount;
    QList<SoakedPtr> jobs;
    QStringList violations;
    int mostActive = 0;
    int cancels = 0;
    int retries = 0;
    int removes = 0;
    // Last, so the model goes first, while the jobs it ran are still here.
    QueueFixture f;

private:
    // The next run of a job: a progress line, a random time, perhaps a
    // post-processing step, then a file, an error or death by SIGKILL.
    void scriptNextRun(Soaked& s)
    {
        const QString run = QStringLiteral("%1-run%2").arg(s.id).arg(++s.runs);
        QStringList lines{QStringLiteral("pidfile ") + run + QStringLiteral(".pid"),
                          QStringLiteral("out RC|downloading|10|100|NA|NA|NA|avc1"),
                          QStringLiteral("sleep %1").arg(m_rng.bounded(300))};
        if (m_rng.bounded(3) == 0)
            lines << QStringLiteral("out [Merger] started")
                  << QStringLiteral("sleep %1").arg(m_rng.bounded(150));
        const int ending = int(m_rng.bounded(10));
        s.file.clear();
        s.failure.clear();
        if (ending < 7) {
            s.file = QStringLiteral("/soak/") + run + QStringLiteral(".mp4");
            lines << QStringLiteral("out RCFILE|") + s.file;
        } else if (ending < 9) {
            s.failure = run + QStringLiteral(" failed");
            lines << QStringLiteral("err ERROR: ") + s.failure << QStringLiteral("exit 1");
        } else {
            s.failure = QStringLiteral("yt-dlp exited with code 9");
            lines << QStringLiteral("raise KILL");
        }
        s.fake->setScript(lines.join(QLatin1Char('\n')));
    }

    // The expectation changes first: the model announces the new state at once.
    void cancel(Soaked& s)
    {
        s.cancelled = true;
        f.model.cancel(*s.job);
        ++cancels;
    }

    void retry(Soaked& s)
    {
        scriptNextRun(s);
        s.cancelled = false;
        f.model.retry(*s.job);
        ++retries;
    }

    void countActive()
    {
        const auto active = std::count_if(f.model.downloads().cbegin(), f.model.downloads().cend(),
                                          [](const DownloadPtr& j) { return j->isActive(); });
        mostActive = std::max(mostActive, int(active));
        if (active > limit)
            violations << QStringLiteral("%1 jobs active").arg(active);
    }

    SoakedPtr pick(const std::function<bool(const Soaked&)>& fits)
    {
        QList<SoakedPtr> candidates;
        for (const SoakedPtr& s : std::as_const(jobs)) {
            if (!s->removed && fits(*s))
                candidates << s;
        }
        return candidates.isEmpty() ? nullptr
                                    : candidates.at(m_rng.bounded(int(candidates.size())));
    }

    static bool unfinished(const Soaked& s) { return !s.job->isFinished(); }
};

} // namespace

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void randomUseOfABusyQueue();
};

void TestSoak::randomUseOfABusyQueue()
{
    const int jobCount = setting("REELCATCH_SOAK_JOBS", 60);
    const auto seed = quint32(setting("REELCATCH_SOAK_SEED", 61803));
    qInfo("%d jobs, seed %u", jobCount, seed);
    Workload w(jobCount, seed);

    w.addJobs(2 * limit);
    for (int step = 0; step < 3 * jobCount; ++step) {
        QTest::qWait(w.pause());
        w.act();
    }
    w.addJobs(jobCount);
    QVERIFY(QTest::qWaitFor(
        [&] {
            return std::all_of(w.jobs.cbegin(), w.jobs.cend(), [](const SoakedPtr& s) {
                return s->job->isFinished() && !s->job->process();
            });
        },
        300000));
    QCOMPARE(w.jobs.size(), jobCount);
    QVERIFY2(w.violations.isEmpty(), qPrintable(w.violations.mid(0, 10).join(u'\n')));
    QCOMPARE(w.mostActive, limit);

    // Every job ended by its own history (the last run, or the last cancel),
    // and the list holds exactly those not removed.
    std::map<Kind, int> endings;
    for (const SoakedPtr& s : std::as_const(w.jobs)) {
        w.check(*s);
        QCOMPARE(w.f.job(s->id) != nullptr, !s->removed);
        ++endings[s->job->phase().kind()];
    }
    QVERIFY2(w.violations.isEmpty(), qPrintable(w.violations.mid(0, 10).join(u'\n')));
    QCOMPARE(w.f.model.downloads().size(), jobCount - w.removes);
    QCOMPARE(w.f.badge.counts.last(), 0);
    qInfo("%d cancels, %d retries, %d removes; %d done, %d failed, %d cancelled", w.cancels,
          w.retries, w.removes, endings[Kind::done], endings[Kind::failed],
          endings[Kind::cancelled]);
    // The workload really mixed its cases.
    QVERIFY(w.cancels > 0 && w.retries > 0 && w.removes > 0);
    QVERIFY(endings[Kind::done] > 0 && endings[Kind::failed] > 0 && endings[Kind::cancelled] > 0);

    // No child of this process, nor anything in the downloads' process
    // groups, is left.
    const QSet<qint64> groups = w.groups();
    QVERIFY(!groups.isEmpty());
    const qint64 self = QCoreApplication::applicationPid();
    QStringList left;
    const bool allGone = QTest::qWaitFor(
        [&] {
            left = processesLeft(self, groups);
            return left.isEmpty();
        },
        10000);
    QVERIFY2(allGone, qPrintable(left.join(QStringLiteral(", "))));
}

QTEST_GUILESS_MAIN(TestSoak)
#include "tst_soak.moc"
