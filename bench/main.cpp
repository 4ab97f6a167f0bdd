// reelcatch-bench: the model-level performance figures of Reelcatch.
//
//   reelcatch-bench report [--write FILE] [--recordings DIR] [--repeat N]
//                          [--skip-download]
//       runs every measurement in a process of its own, prints one table of
//       the figures beside their goals and, with --write, puts it into FILE
//       (between the markers "<!-- bench:begin -->" and "<!-- bench:end -->")
//   reelcatch-bench lookup COUNT [ANSWER_FILE [PACED]]   (PACED: the last entries 30 every 300 ms)
//   reelcatch-bench queue [COUNT [SECONDS]]              (the downloads list, offscreen)
//   reelcatch-bench scan ANSWER_FILE
//   reelcatch-bench progress [JOBS LINES_PER_S SECONDS]
//   reelcatch-bench lines TOTAL FILE...
//   reelcatch-bench download [MEGABYTES ROUNDS]
//   reelcatch-bench view [COUNT [ANSWER_FILE [PAUSE_MS]]]
//   reelcatch-bench startup [RUNS]
//       one measurement, printed as "RESULT key value" lines
//   reelcatch-bench answer COUNT FILE
//       writes a flat playlist answer of COUNT entries to FILE
#include "Benches.h"
#include "Common.h"
#include "TestEnv.h"
#include "UiBench.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <sys/utsname.h>

using namespace reelcatch;

namespace {

// The RESULT lines of every successful run of one measurement.
class Runs {
public:
    bool isEmpty() const { return m_runs.isEmpty(); }
    void add(const QHash<QString, double>& run) { m_runs << run; }
    double median(const char* key) const
    {
        const QList<double> v = sorted(key);
        const qsizetype n = v.size();
        return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    }
    double min(const char* key) const { return sorted(key).value(0); }
    double max(const char* key) const { return isEmpty() ? 0 : sorted(key).last(); }
    qsizetype count() const { return m_runs.size(); }

private:
    QList<double> sorted(const char* key) const
    {
        QList<double> values;
        for (const auto& run : m_runs)
            values << run.value(QLatin1String(key));
        std::sort(values.begin(), values.end());
        return values;
    }
    QList<QHash<QString, double>> m_runs;
};

// Runs this program with `args` `times` times, each in a process of its
// own, and collects the RESULT lines of the runs that succeed; their other
// output goes to standard error.
Runs measure(const QStringList& args, int times = 1)
{
    Runs runs;
    for (int i = 0; i < times; ++i) {
        std::fprintf(stderr, "bench: %s\n", qPrintable(args.join(QLatin1Char(' '))));
        QProcess child;
        child.setProgram(QCoreApplication::applicationFilePath());
        child.setArguments(args);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start();
        if (!child.waitForFinished(30 * 60 * 1000) || child.exitStatus() != QProcess::NormalExit ||
            child.exitCode() != 0) {
            std::fprintf(stderr, "bench: %s failed\n", qPrintable(args.value(0)));
            continue;
        }
        QHash<QString, double> results;
        for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> parts = line.split(' ');
            if (parts.size() == 3 && parts[0] == "RESULT")
                results.insert(QString::fromLatin1(parts[1]), parts[2].toDouble());
        }
        runs.add(results);
    }
    return runs;
}

QString readTrimmed(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
}

QString cpuModel()
{
    const QStringList lines = readTrimmed(QStringLiteral("/proc/cpuinfo")).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1String("model name")))
            return line.section(QLatin1Char(':'), 1).trimmed();
    }
    return QStringLiteral("unknown CPU");
}

QString loadAverage()
{
    return readTrimmed(QStringLiteral("/proc/loadavg")).section(QLatin1Char(' '), 0, 2);
}

QString num(double value, int decimals = 0)
{
    return QLocale(QLocale::English).toString(value, 'f', decimals);
}

// "median (min–max)" of a key, for figures taken more than once.
QString spread(const Runs& runs, const char* key, int decimals, const QString& unit)
{
    QString text = num(runs.median(key), decimals) + unit;
    if (runs.count() > 1)
        text += QStringLiteral(" (%1–%2)")
                    .arg(num(runs.min(key), decimals), num(runs.max(key), decimals));
    return text;
}

struct Row {
    QString figure;
    QString measured;
    QString goal;
    // Nothing for a figure reported without a goal of its own.
    std::optional<bool> met;
};

QString markdown(const QList<Row>& rows)
{
    QString text = QStringLiteral("| Figure | Measured | Goal | |\n|---|---|---|---|\n");
    for (const Row& row : rows) {
        const QString verdict = !row.met   ? QString()
                                : *row.met ? QStringLiteral("met")
                                           : QStringLiteral("**missed**");
        text += QStringLiteral("| %1 | %2 | %3 | %4 |\n")
                    .arg(row.figure, row.measured, row.goal, verdict);
    }
    return text;
}

QList<Row> lookupRows(int repeat)
{
    QList<Row> rows;
    const QString failed = QStringLiteral("failed");
    QTemporaryDir fixtures;
    for (int count : {1000, 10000, 100000}) {
        // Written once here, read by every run.
        const QString answer = fixtures.filePath(QStringLiteral("answer-%1.json").arg(count));
        if (Bench::writePlaylistAnswer(answer, count) < 0) {
            rows << Row{QStringLiteral("Lookup of %1 entries").arg(num(count)), failed, {}, false};
            continue;
        }
        const Runs r = measure({QStringLiteral("lookup"), QString::number(count), answer}, repeat);
        const bool big = count == 100000;
        const double answerMb = r.median("answer_mb");
        Row publish{QStringLiteral("Lookup publish, %1 entries (%2 MB answer): fake yt-dlp's exit "
                                   "to `resultsChanged`")
                        .arg(num(count), num(answerMb, 1)),
                    r.isEmpty() ? failed : spread(r, "publish_ms", 0, QStringLiteral(" ms")),
                    big ? QStringLiteral("≤ 500 ms") : QStringLiteral("(reported)"), std::nullopt};
        if (big)
            publish.met = !r.isEmpty() && r.median("publish_ms") <= 500;
        rows << publish;
        if (big) {
            const Runs scan = measure({QStringLiteral("scan"), answer});
            if (!scan.isEmpty()) {
                rows << Row{
                    QStringLiteral("… the same answer parsed on one thread, memory "
                                   "warm: `ListingLines` / `QJsonDocument` + "
                                   "`VideoItem::fromJson` on every line"),
                    QStringLiteral("%1 ms / %2 ms")
                        .arg(num(scan.median("scanner_ms")), num(scan.median("document_ms"))),
                    QStringLiteral("(reported)"), std::nullopt};
            }
            const double peak = r.median("peak_over_mb");
            const double after = r.median("after_over_mb");
            rows << Row{
                QStringLiteral("GUI thread stall during that lookup: worst lateness of a "
                               "5 ms timer; \"busy\": the GUI thread's own CPU time "
                               "in that gap"),
                r.isEmpty()
                    ? failed
                    : spread(r, "stall_ms", 1, QStringLiteral(" ms")) +
                          QStringLiteral("; busy %1 ms").arg(num(r.median("stall_busy_ms"), 1)),
                QStringLiteral("≤ 30 ms"), !r.isEmpty() && r.median("stall_ms") <= 30};
            rows << Row{QStringLiteral("Peak RSS during that lookup, over the process before it "
                                       "(%1)")
                            .arg(r.median("peak_reset") > 0
                                     ? QStringLiteral("VmHWM reset through clear_refs")
                                     : QStringLiteral("VmHWM of a process of its own")),
                        r.isEmpty() ? failed
                                    : QStringLiteral("%1 MB (%2× the answer)")
                                          .arg(num(peak), num(peak / answerMb, 2)),
                        QStringLiteral("≤ 4× the answer (%1 MB)").arg(num(4 * answerMb)),
                        !r.isEmpty() && peak <= 4 * answerMb};
            rows << Row{QStringLiteral("RSS after that lookup, over the process before it"),
                        r.isEmpty() ? failed : num(after) + QStringLiteral(" MB"),
                        QStringLiteral("≤ 100 MB"), !r.isEmpty() && after <= 100};
        }
        QFile::remove(answer);
    }
    return rows;
}

QList<Row> streamRows(const QString& recordings, int repeat)
{
    QList<Row> rows;
    const Runs p = measure({QStringLiteral("progress")});
    const double cpu = p.median("cpu_percent");
    rows << Row{QStringLiteral("Progress stream: 6 fake downloads × 200 progress lines/s for "
                               "10 s (%1 lines/s arrived); the app's CPU time / wall time")
                    .arg(num(p.median("lines_per_s"))),
                p.isEmpty() ? QStringLiteral("failed")
                            : num(cpu, 2) + QStringLiteral(" % of one core"),
                QStringLiteral("≤ 2 % of one core"), !p.isEmpty() && cpu <= 2};

    QStringList args{QStringLiteral("lines"), QStringLiteral("2000000")};
    for (const QString& name :
         QDir(recordings).entryList({QStringLiteral("*download*.txt")}, QDir::Files))
        args << recordings + QLatin1Char('/') + name;
    const Runs l = measure(args, repeat);
    const double rate = l.median("lines_per_cpu_s");
    rows << Row{
        QStringLiteral("Line handling: `LineReader` + `ProgressProtocol::handle` on "
                       "recorded yt-dlp download output, per second of the thread's "
                       "CPU time (per second of wall time)"),
        l.isEmpty()
            ? QStringLiteral("failed")
            : QStringLiteral("%1 lines/s (%2)").arg(num(rate), num(l.median("lines_per_s"))),
        QStringLiteral("≥ 1,000,000 lines/s"), !l.isEmpty() && rate >= 1e6};
    return rows;
}

Row downloadRow()
{
    const Runs d = measure({QStringLiteral("download")});
    const double ratio = d.median("ratio");
    return Row{QStringLiteral("Download overhead: Debian's yt-dlp fetching 200 MB from the "
                              "loopback server through the model / the same command alone: "
                              "medians of 5 each (fastest of each)"),
               d.isEmpty()
                   ? QStringLiteral("failed")
                   : QStringLiteral("%1: %2 s / %3 s (%4)")
                         .arg(num(ratio, 3), num(d.median("model_s"), 2),
                              num(d.median("alone_s"), 2), num(d.median("fastest_ratio"), 3)),
               QStringLiteral("≤ 1.03"), !d.isEmpty() && ratio <= 1.03};
}

QList<Row> uiRows(int repeat)
{
    QList<Row> rows;
    const QString failed = QStringLiteral("failed");
    QTemporaryDir fixtures;
    const QString answer = fixtures.filePath(QStringLiteral("answer-view.json"));
    const bool written = Bench::writePlaylistAnswer(answer, 100000) >= 0;
    // The first paint in runs of their own; one more run pages through the list.
    const QStringList view{QStringLiteral("view"), QStringLiteral("100000"), answer};
    const Runs v =
        written ? measure(view + QStringList{QStringLiteral("0"), QStringLiteral("0")}, repeat)
                : Runs();
    rows << Row{QStringLiteral("Results view, 100,000 rows (offscreen, software painting): "
                               "`resultsChanged` to the end of the results list's first paint"),
                v.isEmpty() ? failed : spread(v, "first_paint_ms", 0, QStringLiteral(" ms")),
                QStringLiteral("≤ 100 ms"), !v.isEmpty() && v.median("first_paint_ms") <= 100};
    const double tick = v.median("tick_median_ms");
    const double tickRows = v.median("tick_rows_painted");
    rows << Row{QStringLiteral("… ticking one row on screen: the GUI thread's time per tick "
                               "(median; with the repaint it asks for); rows that repaint covers"),
                v.isEmpty() ? failed
                            : QStringLiteral("%1 ms (%2 ms); %3 row(s)")
                                  .arg(num(tick, 3), num(v.median("tick_frame_median_ms"), 2),
                                       num(tickRows)),
                QStringLiteral("≤ 0.2 ms; 1 row"), !v.isEmpty() && tick <= 0.2 && tickRows <= 1};
    const Runs p = written ? measure(view) : Runs();
    const double worst = p.median("frame_worst_ms");
    rows << Row{QStringLiteral("… worst frame paging from top to bottom (%1 steps: PageDown, "
                               "then a forced repaint); the worst frame's own CPU time; 99th "
                               "percentile")
                    .arg(num(p.median("steps"))),
                p.isEmpty() ? failed
                            : QStringLiteral("%1 ms; CPU %2 ms; p99 %3 ms")
                                  .arg(num(worst, 1), num(p.median("frame_worst_cpu_ms"), 1),
                                       num(p.median("frame_p99_ms"), 1)),
                QStringLiteral("≤ 16 ms"), !p.isEmpty() && worst <= 16};
    const double requests = p.median("requests");
    const double shown = p.median("rows_shown");
    rows << Row{QStringLiteral("Thumbnail requests started while paging through those rows / "
                               "rows shown (distinct rows on screen in a painted frame); "
                               "requests for rows never shown"),
                p.isEmpty()
                    ? failed
                    : QStringLiteral("%1 / %2; %3")
                          .arg(num(requests), num(shown), num(p.median("requests_unshown"))),
                QStringLiteral("≤ rows shown + 20"), !p.isEmpty() && requests <= shown + 20};
    const Runs f = measure({QStringLiteral("formats"), QStringLiteral("200")}, repeat);
    rows << Row{QStringLiteral("“Choose Format…” with 200 formats (offscreen, software "
                               "painting): the parsed list's hand-back to the GUI thread to the "
                               "end of both lists' first paint (the GUI thread's CPU time in it); "
                               "each run the median of 5 dialogs after a warm-up one"),
                f.isEmpty() ? failed
                            : spread(f, "first_paint_ms", 1, QStringLiteral(" ms")) +
                                  QStringLiteral(" (CPU %1 ms)")
                                      .arg(num(f.median("first_paint_cpu_ms"), 1)),
                QStringLiteral("≤ 16 ms"), !f.isEmpty() && f.median("first_paint_ms") <= 16};
    const Runs s = measure({QStringLiteral("startup"), QStringLiteral("9")});
    const double ratio = s.median("ratio");
    rows << Row{QStringLiteral("Start-up (offscreen): exec to the end of the main window's first "
                               "paint, `reelcatch` / a bare Qt widget program (/ the same "
                               "showing a line of text), medians of %1 runs each")
                    .arg(num(s.median("runs"))),
                s.isEmpty() ? failed
                            : QStringLiteral("%1: %2 ms / %3 ms (%4: / %5 ms)")
                                  .arg(num(ratio, 2), num(s.median("app_ms"), 1),
                                       num(s.median("bare_ms"), 1), num(s.median("text_ratio"), 2),
                                       num(s.median("text_ms"), 1)),
                QStringLiteral("≤ 1.5"), !s.isEmpty() && ratio <= 1.5};
    return rows;
}

int report(const QStringList& options)
{
    QString writeTo;
    QString recordings = QStringLiteral("bench/recordings");
    int repeat = 3;
    bool skipDownload = false;
    for (qsizetype i = 0; i < options.size(); ++i) {
        const QString& o = options[i];
        if (o == QLatin1String("--write") && i + 1 < options.size())
            writeTo = options[++i];
        else if (o == QLatin1String("--recordings") && i + 1 < options.size())
            recordings = options[++i];
        else if (o == QLatin1String("--repeat") && i + 1 < options.size())
            repeat = std::max(1, options[++i].toInt());
        else if (o == QLatin1String("--skip-download"))
            skipDownload = true;
        else {
            std::fprintf(stderr, "bench: unknown option %s\n", qPrintable(o));
            return 2;
        }
    }
    const QString loadBefore = loadAverage();
    QList<Row> rows = lookupRows(repeat);
    rows << streamRows(recordings, repeat);
    if (!skipDownload)
        rows << downloadRow();
    rows << uiRows(repeat);

    utsname uts{};
    uname(&uts);
    const int cores = QThread::idealThreadCount();
    const QString loadAfter = loadAverage();
    QString text =
        QStringLiteral("Measured %1 on %2: `nproc` %3, %4; Linux %5, Qt %6, Release build. "
                       "Load average (1, 5, 15 min) %7 before, %8 after. Lookup and line "
                       "figures: median (lowest–highest) of %9 runs.\n\n")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                 QString::fromLatin1(uts.nodename), QString::number(cores), cpuModel(),
                 QString::fromLatin1(uts.release), QString::fromLatin1(qVersion()), loadBefore,
                 loadAfter, QString::number(repeat));
    // The load just before: the bench's own work raises it afterwards.
    const double load = loadBefore.section(QLatin1Char(' '), 0, 0).toDouble();
    if (load > 0.5 * cores)
        text += QStringLiteral(
            "**Other work was running (load average above half the cores before the run): "
            "the wall-time figures are noisy; take them again on a quiet "
            "machine.**\n\n");
    text += markdown(rows);
    std::printf("\n%s", qPrintable(text));

    if (!writeTo.isEmpty()) {
        const QString begin = QStringLiteral("<!-- bench:begin -->\n");
        const QString end = QStringLiteral("<!-- bench:end -->");
        QString doc = readTrimmed(writeTo) + QLatin1Char('\n');
        const qsizetype from = doc.indexOf(begin);
        const qsizetype to = doc.indexOf(end);
        if (from < 0 || to < from)
            doc += QLatin1Char('\n') + begin + text + end + QLatin1Char('\n');
        else
            doc.replace(from + begin.size(), to - from - begin.size(), text);
        if (TestEnv::writeFile(writeTo, doc.toUtf8()).isEmpty()) {
            std::fprintf(stderr, "bench: cannot write %s\n", qPrintable(writeTo));
            return 1;
        }
        std::printf("\nWritten to %s\n", qPrintable(writeTo));
    }
    const bool allMet =
        std::all_of(rows.cbegin(), rows.cend(), [](const Row& r) { return r.met.value_or(true); });
    return allMet ? 0 : 3;
}

} // namespace

int main(int argc, char** argv)
{
    // The windows' figure builds a QApplication of its own.
    if (argc > 1 && std::strcmp(argv[1], "view") == 0)
        return resultsViewBench(argc - 1, argv + 1);
    if (argc > 1 && std::strcmp(argv[1], "formats") == 0)
        return formatDialogBench(argc - 1, argv + 1);
    if (argc > 1 && std::strcmp(argv[1], "queue") == 0)
        return bigQueueBench(argc - 1, argv + 1);
    QCoreApplication app(argc, argv);
    // This process and its children stay inside sandboxes of their own.
    TestEnv::isolateProcess();
    QStringList args = app.arguments().mid(1);
    const QString mode = args.isEmpty() ? QStringLiteral("report") : args.takeFirst();
    const auto arg = [&](qsizetype i, qint64 fallback) {
        return i < args.size() ? args[i].toLongLong() : fallback;
    };
    if (mode == QLatin1String("report"))
        return report(args);
    if (mode == QLatin1String("lookup"))
        return lookupBench(int(arg(0, 100000)), args.value(1), int(arg(2, 0)));
    if (mode == QLatin1String("scan") && args.size() == 1)
        return scanBench(args[0]);
    if (mode == QLatin1String("progress"))
        return progressBench(int(arg(0, 6)), int(arg(1, 200)), int(arg(2, 10)));
    if (mode == QLatin1String("lines"))
        return linesBench(args.mid(1), arg(0, 2000000));
    if (mode == QLatin1String("download"))
        return downloadBench(arg(0, 200), int(arg(1, 5)));
    if (mode == QLatin1String("startup"))
        return startupBench(int(std::max<qint64>(1, arg(0, 9))));
    if (mode == QLatin1String("answer") && args.size() == 2)
        return Bench::writePlaylistAnswer(args[1], int(arg(0, 0))) < 0 ? 1 : 0;
    std::fprintf(stderr, "usage: reelcatch-bench "
                         "[report|lookup|scan|progress|lines|download|view|startup|answer] ...\n");
    return 2;
}
