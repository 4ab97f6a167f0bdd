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

namespace {

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

// yt-dlp for the soak: hands each run to the script of the job it is for.
QByteArray dispatcher(const QString& jobsDir)
{
    return "#!/bin/sh\nfor a; do\n  case \"$a\" in\n    " + site.toUtf8() + "*) exec '" +
           jobsDir.toUtf8() + "'/\"${a#" + site.toUtf8() + "}\" \"$@\" ;;\n  esac\ndone\nexit 99\n";
}

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
    QRandomGenerator rng(seed);

    QueueFixture f;
    f.prefs.setValue(PrefKey::parallel, limit);
    const QString jobsDir = f.env.path(QStringLiteral("jobs"));
    QVERIFY(!TestEnv::writeExecutable(f.fake.path(), dispatcher(jobsDir)).isEmpty());

    QList<std::shared_ptr<Soaked>> all;
    QStringList violations;
    int mostActive = 0;

    // The next run of a job: a progress line, a random time, perhaps a
    // post-processing step, then a file, an error or death by SIGKILL.
    auto scriptNextRun = [&](Soaked& s) {
        const QString run = QStringLiteral("%1-run%2").arg(s.id).arg(++s.runs);
        QStringList lines{QStringLiteral("pidfile ") + run + QStringLiteral(".pid"),
                          QStringLiteral("out RC|downloading|10|100|NA|NA|NA|avc1"),
                          QStringLiteral("sleep %1").arg(rng.bounded(300))};
        if (rng.bounded(3) == 0)
            lines << QStringLiteral("out [Merger] started")
                  << QStringLiteral("sleep %1").arg(rng.bounded(150));
        const int ending = int(rng.bounded(10));
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
        s.cancelled = false;
        s.fake->setScript(lines.join(QLatin1Char('\n')));
    };

    auto countActive = [&] {
        const auto active = std::count_if(f.model.downloads().cbegin(), f.model.downloads().cend(),
                                          [](const DownloadPtr& j) { return j->isActive(); });
        mostActive = std::max(mostActive, int(active));
        if (active > limit)
            violations << QStringLiteral("%1 jobs active").arg(active);
    };

    // What a job may show, given what was last done to it.
    auto check = [&](const Soaked& s) {
        const Download& job = *s.job;
        const auto kind = job.phase().kind();
        QString wrong;
        if (s.cancelled && kind != Download::Phase::Kind::cancelled)
            wrong = QStringLiteral("left its cancelled state");
        else if (!s.cancelled && kind == Download::Phase::Kind::cancelled)
            wrong = QStringLiteral("cancelled by nobody");
        else if (kind == Download::Phase::Kind::done && (s.file.isEmpty() || job.file() != s.file))
            wrong = QStringLiteral("done with ") + job.file().value_or(QStringLiteral("no file"));
        else if (kind == Download::Phase::Kind::failed && job.phase().message() != s.failure)
            wrong = QStringLiteral("failed with \"") + job.phase().message() + QLatin1Char('"');
        if (!wrong.isEmpty())
            violations << QStringLiteral("%1 (run %2): %3").arg(s.id).arg(s.runs).arg(wrong);
    };

    QObject watcher; // ends the checks before the locals they use go
    auto addJobs = [&](int count) {
        QList<VideoItem> items;
        const qsizetype first = all.size();
        for (int i = 0; i < count; ++i) {
            auto s = std::make_shared<Soaked>();
            s->id = QStringLiteral("j%1").arg(all.size());
            s->fake = std::make_unique<FakeYtdlp>(jobsDir, s->id);
            scriptNextRun(*s);
            items << videoItem(s->id);
            all << s;
        }
        f.model.enqueue(items, Preset::p1080);
        for (qsizetype i = first; i < all.size(); ++i) {
            const std::shared_ptr<Soaked> s = all.at(i);
            s->job = f.job(s->id);
            connect(s->job.get(), &Download::changed, &watcher, [&, s] {
                check(*s);
                countActive();
            });
        }
    };
    auto pick = [&](const std::function<bool(const Soaked&)>& fits) -> std::shared_ptr<Soaked> {
        QList<std::shared_ptr<Soaked>> candidates;
        for (const std::shared_ptr<Soaked>& s : std::as_const(all)) {
            if (!s->removed && fits(*s))
                candidates << s;
        }
        return candidates.isEmpty() ? nullptr : candidates.at(rng.bounded(int(candidates.size())));
    };
    auto unfinished = [](const Soaked& s) { return !s.job->isFinished(); };

    int cancels = 0, retries = 0, removes = 0;
    addJobs(std::min(jobCount, 2 * limit));
    for (int step = 0; step < 3 * jobCount; ++step) {
        QTest::qWait(1 + int(rng.bounded(12)));
        const int roll = int(rng.bounded(100));
        if (roll < 15 && all.size() < jobCount) {
            addJobs(std::min(int(jobCount - all.size()), 1 + int(rng.bounded(jobCount / 5 + 1))));
        } else if (roll < 30) {
            if (const auto s = pick(unfinished)) {
                s->cancelled = true;
                f.model.cancel(*s->job);
                ++cancels;
            }
        } else if (roll < 40) {
            // Cancel, then Retry where the button was: a new run at once.
            if (const auto s = pick(unfinished)) {
                s->cancelled = true;
                f.model.cancel(*s->job);
                scriptNextRun(*s);
                f.model.retry(*s->job);
                ++cancels;
                ++retries;
            }
        } else if (roll < 90) {
            if (const auto s = pick([](const Soaked& s) {
                    const auto kind = s.job->phase().kind();
                    return (kind == Download::Phase::Kind::failed ||
                            kind == Download::Phase::Kind::cancelled) &&
                           s.runs < 4;
                })) {
                scriptNextRun(*s);
                f.model.retry(*s->job);
                ++retries;
            }
        } else if (removes < jobCount / 10) {
            if (const auto s = pick([](const Soaked&) { return true; })) {
                s->cancelled = s->cancelled || !s->job->isFinished();
                s->removed = true;
                f.model.remove(*s->job);
                ++removes;
            }
        }
    }
    if (all.size() < jobCount)
        addJobs(int(jobCount - all.size()));

    QVERIFY(QTest::qWaitFor(
        [&] {
            return std::all_of(all.cbegin(), all.cend(), [](const std::shared_ptr<Soaked>& s) {
                return s->job->isFinished() && !s->job->process();
            });
        },
        300000));
    QVERIFY2(violations.isEmpty(), qPrintable(violations.mid(0, 10).join(QLatin1Char('\n'))));
    QCOMPARE(mostActive, limit);

    // Every job ended by its own history: the list holds exactly those not
    // removed, and the last run (or the last cancel) decided each ending.
    QSet<qint64> groups;
    int kept = 0;
    std::map<Download::Phase::Kind, int> endings;
    for (const std::shared_ptr<Soaked>& s : std::as_const(all)) {
        check(*s);
        kept += !s->removed;
        QCOMPARE(f.job(s->id) != nullptr, !s->removed);
        ++endings[s->job->phase().kind()];
        for (int run = 1; run <= s->runs; ++run) {
            QFile pid(QStringLiteral("%1/%2-run%3.pid").arg(jobsDir, s->id).arg(run));
            if (pid.open(QIODevice::ReadOnly))
                groups.insert(pid.readAll().trimmed().toLongLong());
        }
    }
    QVERIFY2(violations.isEmpty(), qPrintable(violations.mid(0, 10).join(QLatin1Char('\n'))));
    QCOMPARE(f.model.downloads().size(), kept);
    QCOMPARE(f.badge.counts.last(), 0);
    qInfo("%d cancels, %d retries, %d removes; %d done, %d failed, %d cancelled", cancels, retries,
          removes, endings[Download::Phase::Kind::done], endings[Download::Phase::Kind::failed],
          endings[Download::Phase::Kind::cancelled]);
    // The workload really mixed its cases.
    QVERIFY(cancels > 0 && retries > 0 && removes > 0);
    QVERIFY(endings[Download::Phase::Kind::done] > 0 &&
            endings[Download::Phase::Kind::failed] > 0 &&
            endings[Download::Phase::Kind::cancelled] > 0);

    // No child of this process, nor anything in the downloads' process
    // groups, is left.
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
