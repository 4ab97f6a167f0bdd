// One download's run, its yt-dlp played by a FakeRunner child: how its end
// and its error lines become the job's outcome, and how its output is read
// (the line reader) and understood (the progress protocol).
#include "QueueFixture.h"
#include "appmodel/ProgressProtocol.h"
#include "engine/LineReader.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <unistd.h>

namespace {

qint64 resident()
{
    QFile statm(u"/proc/self/statm"_s);
    return statm.open(QIODevice::ReadOnly) ? statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

} // namespace

class TestRun : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(), QLocale::setDefault(QLocale::c()); }
    void endings_data();
    void endings();
    void failures_data();
    void failures();
    void clipLength_data();
    void clipLength();
    void lineReader_data();
    void lineReader();
    void lineReaderCap();
    void lines_data();
    void lines();
};

void TestRun::endings_data()
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

void TestRun::endings()
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

// yt-dlp's own lines (its YouTube extractor's reasons and hints, its option
// parser, Python's socket and file errors), as a download prints them.
void TestRun::failures_data()
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

void TestRun::failures()
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

void TestRun::clipLength_data()
{
    QTest::addColumn<QStringList>("said"); // by ffprobe
    QTest::addColumn<int>("code");
    QTest::addColumn<Kind>("phase");
    QTest::addColumn<QString>("detail");
    QTest::newRow("too short") << L("12.000000") << 0 << Kind::failed << QString();
    QTest::newRow("within half a second") << L("60.460000") << 0 << Kind::done << u"clip (1.00\u20132.00).mp4"_s;
    QTest::newRow("unreadable file") << L("clip.mp4:_Invalid_data") << 1 << Kind::done << u"clip (1.00\u20132.00).mp4 (its length couldn\u2019t be checked)"_s;
    QTest::newRow("no duration") << L("N/A") << 0 << Kind::done << u"clip (1.00\u20132.00).mp4 (its length couldn\u2019t be checked)"_s;
}

void TestRun::clipLength()
{
    QFETCH(QStringList, said);
    QFETCH(int, code);
    QFETCH(Kind, phase);
    QueueFixture f(1);
    f.queue().enqueue({videoItem(u"a"_s)}, Preset::p1080, std::nullopt, ClipRange{60, 120});
    const DownloadPtr job = f.job("a");
    const QStringList args = f.run("a")->spec.arguments;
    QCOMPARE(args.mid(args.indexOf(u"--download-sections"_s), 4), (QStringList{u"--download-sections"_s, u"*60-120"_s, u"--force-keyframes-at-cuts"_s, u"--force-overwrites"_s}));
    QVERIFY(args.at(args.indexOf(u"-o"_s) + 1).endsWith(u"] (1.00\u20132.00).%(ext)s"_s));
    const QString file = f.env.downloadsDir() + u"/clip (1.00\u20132.00).mp4"_s;
    f.run("a")->say(u"RCFILE|"_s + file);
    f.run("a")->end(0);
    // Measured before it counts as saved; the measuring ends with the job.
    FakeChild* probe = f.runner->last();
    QCOMPARE(QFileInfo(probe->spec.program).fileName(), u"ffprobe"_s);
    QCOMPARE(probe->spec.arguments.last(), file);
    QCOMPARE(job->phase().kind(), Kind::processing);
    for (const QString& line : std::as_const(said))
        probe->say(QString(line).replace(u'_', u' '));
    probe->end(code);
    QCOMPARE(job->phase().kind(), phase);
    if (phase == Kind::failed) {
        QVERIFY2(job->phase().message().startsWith(u"The clip is 12 second"_s) && job->phase().message().contains(u"instead of 60 second"_s), qPrintable(job->phase().message()));
        // Tried again, it is still the clip.
        f.queue().retry(*job);
        QVERIFY(f.runner->last()->spec.arguments.contains(u"*60-120"_s));
    } else {
        QTEST(job->detail(), "detail");
    }
}

void TestRun::lineReader_data()
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

void TestRun::lineReader()
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

void TestRun::lineReaderCap()
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

void TestRun::lines_data()
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

void TestRun::lines()
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

QTEST_GUILESS_MAIN(TestRun)
#include "tst_downloadrun.moc"
