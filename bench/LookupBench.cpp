// One lookup of a large flat playlist through the app model: how soon rows
// follow the fake yt-dlp's lines, the time from its exit to the end of the
// lookup, the GUI thread's worst lateness meanwhile, and this process's
// memory before, during and after.
#include "Benches.h"
#include "Common.h"
#include "FakeYtdlp.h"
#include "appmodel/AppModel.h"
#include "engine/ChildProcess.h"
#include "model/Prefs.h"

#include "TestEnv.h"

#include "appmodel/ListingLines.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>
#include <QTimer>

#include <cstdio>
#include <memory>

using namespace reelcatch;

namespace {

// Runs the event loop until the model's lookup has ended (or 120 s pass).
bool waitForLookup(Lookup& lookup)
{
    if (!lookup.isFetching())
        return true;
    QEventLoop loop;
    QObject::connect(&lookup, &Lookup::isFetchingChanged, &loop, [&] {
        if (!lookup.isFetching())
            loop.quit();
    });
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    loop.exec();
    return !lookup.isFetching();
}

// Lets the event loop run for `ms` (deferred deletions, late signals).
void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int lookupBench(int count, const QString& answerFile, int paced)
{
    TestEnv env;
    FakeYtdlp fake(env.supportDir());
    // An answer written beforehand (by the report, once for every run) or a new one.
    const QString answer =
        answerFile.isEmpty() ? env.path(QStringLiteral("answer.json")) : answerFile;
    const QString small = env.path(QStringLiteral("small.json"));
    const qint64 bytes =
        answerFile.isEmpty() ? Bench::writePlaylistAnswer(answer, count) : QFileInfo(answer).size();
    if (bytes < 0 || Bench::writePlaylistAnswer(small, 10) < 0) {
        std::fprintf(stderr, "lookup: cannot write the answers\n");
        return 1;
    }
    // The last `paced` entries come at yt-dlp's pace for a channel: 30
    // entries (a page) every 300 ms, after the others at once.
    paced = std::clamp(paced, 0, count);
    QString script = QStringLiteral("out-file ") + answer + QLatin1Char('\n');
    qint64 pacedBytes = 0;
    if (paced > 0) {
        const QString head = env.path(QStringLiteral("head.json"));
        pacedBytes -= bytes;
        script = QStringLiteral("out-file ") + head + QLatin1Char('\n');
        qint64 written = Bench::writePlaylistAnswer(head, count - paced, 0, count);
        for (int from = count - paced, page = 0; from < count && written >= 0; from += 30, ++page) {
            const QString file = env.path(QStringLiteral("page%1.json").arg(page));
            const qint64 n = Bench::writePlaylistAnswer(file, std::min(30, count - from), from, count);
            written = n < 0 ? -1 : written + n;
            script += QStringLiteral("sleep 300\nout-file ") + file + QLatin1Char('\n');
        }
        if (written < 0) {
            std::fprintf(stderr, "lookup: cannot write the pages\n");
            return 1;
        }
        pacedBytes += written;
    }

    Engine engine(env.engineConfig());
    Prefs prefs(env.settingsPath(), env.downloadsDir());
    Bench::IdleInstaller installer;
    AppModel model(engine, prefs, installer);
    model.lookup().setInput(QStringLiteral("https://www.youtube.com/@benchchannel"));

    // A small lookup first, so that the thread pool, the process machinery
    // and the parsers' first-use costs are paid before anything is measured.
    fake.setScript(QStringLiteral("out-file ") + small);
    model.lookup().fetch();
    if (!waitForLookup(model.lookup()) || model.lookup().results().size() != 10) {
        std::fprintf(stderr, "lookup: the warm-up lookup failed\n");
        return 1;
    }
    fake.setScript(script);
    settle(100);

    const qint64 baseKb = Bench::statusKb("VmRSS");
    const bool peakReset = Bench::resetPeak();
    // Rows after output: from the first piece since the last rows to them.
    qint64 publishedNs = 0;
    qint64 waitingSinceNs = 0;
    double firstRowMs = -1;
    double worstRowMs = 0;
    const auto rows = [&] {
        if (waitingSinceNs == 0)
            return;
        const double ms = (Bench::nowNs() - waitingSinceNs) / 1e6;
        if (firstRowMs < 0)
            firstRowMs = ms;
        worstRowMs = std::max(worstRowMs, ms);
        waitingSinceNs = 0;
    };
    QObject::connect(&model.lookup(), &Lookup::resultsChanged, &model, rows);
    QObject::connect(&model.lookup(), &Lookup::resultsAdded, &model, rows);
    QObject::connect(&model.lookup(), &Lookup::isFetchingChanged, &model, [&] {
        if (!model.lookup().isFetching())
            publishedNs = Bench::nowNs();
    });

    Bench::StallProbe probe(5);
    probe.start();
    const qint64 fetchNs = Bench::nowNs();
    model.lookup().fetch();
    QProcess* process = model.lookup().findChild<QProcess*>();
    if (!process || process->processId() <= 0) {
        std::fprintf(stderr, "lookup: no yt-dlp process was started\n");
        return 1;
    }
    const auto watch = std::make_unique<Bench::ExitWatch>(process->processId());
    if (Child* child = model.lookup().findChild<Child*>()) {
        QObject::connect(child, &Child::output, &model, [&] {
            if (waitingSinceNs == 0)
                waitingSinceNs = Bench::nowNs();
        });
    }
    // The exit as the GUI thread sees it, just before the model's own
    // handler: on a busy machine the watching thread may wake up later.
    qint64 endSeenNs = 0;
    QObject::connect(process, &QProcess::stateChanged, &model, [&](QProcess::ProcessState state) {
        if (state == QProcess::NotRunning)
            endSeenNs = Bench::nowNs();
    });
    const bool ended = waitForLookup(model.lookup());
    // The probe keeps running a little: the lookup's leftovers (the process
    // object, the parsed answer) go away after the results are published.
    settle(100);
    probe.stop();
    const qint64 peakKb = Bench::statusKb("VmHWM");
    settle(200);
    const qint64 afterKb = Bench::statusKb("VmRSS");

    if (!ended || model.lookup().fetchError() || model.lookup().results().size() != count || publishedNs == 0 ||
        watch->exitNs() == 0) {
        std::fprintf(stderr, "lookup: the lookup did not publish %d items (error: %s)\n", count,
                     qPrintable(model.lookup().fetchError().value_or(QStringLiteral("none"))));
        return 1;
    }
    Bench::result("entries", count);
    Bench::result("paced", paced);
    Bench::result("answer_mb", (paced > 0 ? bytes + pacedBytes : bytes) / 1e6);
    Bench::result("first_row_ms", firstRowMs);
    Bench::result("worst_row_ms", worstRowMs);
    const qint64 exitNs = endSeenNs ? std::min(watch->exitNs(), endSeenNs) : watch->exitNs();
    Bench::result("publish_ms", (publishedNs - exitNs) / 1e6);
    Bench::result("fetch_to_exit_ms", (exitNs - fetchNs) / 1e6);
    Bench::result("stall_ms", probe.worstMs());
    Bench::result("stall_at_ms", (probe.worstAtNs() - fetchNs) / 1e6);
    Bench::result("stall_busy_ms", probe.worstBusyMs());
    Bench::result("longest_busy_ms", probe.longestBusyMs());
    Bench::result("base_mb", baseKb * 1024 / 1e6);
    Bench::result("peak_over_mb", (peakKb - baseKb) * 1024 / 1e6);
    Bench::result("after_over_mb", (afterKb - baseKb) * 1024 / 1e6);
    Bench::result("peak_reset", peakReset ? 1 : 0);
    return 0;
}

int scanBench(const QString& answerFile)
{
    QFile file(answerFile);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "scan: cannot read %s\n", qPrintable(answerFile));
        return 1;
    }
    const QByteArray answer = file.readAll();
    // Twice each, the first run paying for the memory's first use.
    for (int round = 0; round < 2; ++round) {
        qint64 start = Bench::nowNs();
        ListingLines lines;
        for (qsizetype at = 0; at < answer.size(); at += 65536)
            lines.feed(
                QByteArrayView(answer).sliced(at, std::min<qsizetype>(65536, answer.size() - at)));
        lines.finish();
        const QList<VideoItem> scanned = lines.takeItems();
        const double scanMs = (Bench::nowNs() - start) / 1e6;

        // Every line through QJsonDocument instead.
        start = Bench::nowNs();
        QList<VideoItem> parsed;
        for (const QByteArray& line : answer.split('\n')) {
            if (std::optional<VideoItem> item =
                    line.isEmpty() ? std::nullopt
                                   : VideoItem::fromJson(QJsonDocument::fromJson(line).object()))
                parsed.append(std::move(*item));
        }
        const double documentMs = (Bench::nowNs() - start) / 1e6;
        if (scanned != parsed) {
            std::fprintf(stderr, "scan: the scanner and QJsonDocument disagree\n");
            return 1;
        }
        if (round == 0) {
            Bench::result("first_scanner_ms", scanMs);
            Bench::result("first_document_ms", documentMs);
        } else {
            Bench::result("entries", double(parsed.size()));
            Bench::result("scanner_ms", scanMs);
            Bench::result("document_ms", documentMs);
            Bench::result("scanner_mb_per_s", answer.size() / 1e3 / scanMs);
        }
    }
    return 0;
}
