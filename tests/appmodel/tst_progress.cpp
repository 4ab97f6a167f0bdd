#include "Download.h"
#include "Fmt.h"
#include "LineReader.h"
#include "ProgressProtocol.h"

#include <QJsonObject>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>

#include <limits>

using namespace reelcatch;

using namespace Qt::StringLiterals;

using Kind = Download::Phase::Kind;

namespace {

using Chunks = QList<QByteArray>;

VideoItem video()
{
    return *VideoItem::fromJson(QJsonObject{{u"id"_s, u"abc"_s}});
}

// A job as a launch leaves it, with some progress already shown.
void launched(Download& job)
{
    job.setPhase(Download::Phase::downloading());
    job.setFraction(0.4);
    job.setDetail(u"Starting\u2026"_s);
}

QString kindName(Kind kind)
{
    static const char* const names[] = {"queued", "downloading", "processing",
                                        "done",   "failed",      "cancelled"};
    return QString::fromLatin1(names[int(kind)]);
}

// Parts of recorded yt-dlp runs (current release), progress lines thinned out.
const char dashMerge[] = R"(WARNING: [generic] Falling back on generic information extractor
RC|downloading|817|NA|1634.0|0|NA|avc1.f4001e
RC|finished|35930|35930|NA|2239746.4920859034|NA|avc1.f4001e
RC|downloading|765|NA|3060.0|0|NA|none
RC|downloading|54892|NA|72913.0|0|NA|none
RC|finished|54892|54892|NA|1853942.7565748151|NA|none
[Merger] started
[VideoRemuxer] started
[MoveFiles] finished
RCFILE|DOWNLOADS/manifest [manifest].mp4
)";
const char mp3[] = R"(RC|downloading|1024|46166|NA|NA|NA|NA
RC|downloading|46166|46166|NA|16839224.146795373|0|NA
RC|finished|46166|46166|NA|7885735.632824272|NA|NA
[ExtractAudio] started
[Metadata] started
[MoveFiles] finished
RCFILE|DOWNLOADS/clip [clip].mp3
)";
// Debian's release, without post-processor lines; the last line lacks its break.
const char debianAudio[] = "RC|downloading|52231|NA|54892.0|3366665.4180602008|0|none\r\n"
                           "RC|downloading|54892|NA|54892.0|3185768.8773497427|0|none\r\n"
                           "RC|finished|54892|54892|NA|2565078.3244538032|NA|none\r\n"
                           "RCFILE|DOWNLOADS/manifest [manifest].mp4";
const char notFound[] = "WARNING: Your yt-dlp version (2026.08.19) is older than 90 days!\n"
                        "ERROR: [generic] missing: Unable to download webpage: HTTP Error 404: "
                        "File not found (caused by <HTTPError 404: File not found>)\n";

} // namespace

class TestProgress : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void lineReader_data();
    void lineReader();
    void lineReaderCapsLongLines();
    void time_data();
    void time();
    void bytes_data();
    void bytes();
    void progressLine_data();
    void progressLine();
    void otherLines_data();
    void otherLines();
    void recordedRun_data();
    void recordedRun();
};

void TestProgress::lineReader_data()
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
    QTest::newRow("blank lines") << Chunks{" \t\n\n\xC2\xA0\xE3\x80\x80\r\n", " \t"}
                                 << QStringList{} << QStringList{};
    QTest::newRow("trimmed, inner kept") << Chunks{"\t\xC2\xA0 ERROR:  a \t b \xE2\x80\x83\n"}
                                         << QStringList{u"ERROR:  a \t b"_s} << QStringList{};
    QTest::newRow("nothing") << Chunks{"", ""} << QStringList{} << QStringList{};
}

void TestProgress::lineReader()
{
    QFETCH(Chunks, chunks);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, flushed);

    // As chunked, and again one byte at a time: the result must not depend on the cuts.
    for (const bool byteWise : {false, true}) {
        QStringList got;
        LineReader reader([&](const QString& line) { got << line; });
        for (const QByteArray& chunk : chunks) {
            for (qsizetype i = 0; i < chunk.size(); i += byteWise ? 1 : chunk.size())
                reader.feed(QByteArrayView(chunk).sliced(i, byteWise ? 1 : chunk.size()));
        }
        QCOMPARE(got, lines);
        reader.flush();
        QCOMPARE(got, lines + flushed);
        QCOMPARE(reader.pending(), 0);
    }
}

void TestProgress::lineReaderCapsLongLines()
{
    constexpr qsizetype cap = LineReader::maxPending;
    QStringList got;
    LineReader reader([&](const QString& line) { got << line; });

    // One byte per feed: a reader that rescans its pending bytes would take
    // minutes here.
    reader.feed("<");
    for (qsizetype i = 1; i < cap + 10; ++i)
        reader.feed("x");
    QCOMPARE(reader.pending(), cap);

    const QByteArray chunk(4096, 'y');
    for (int i = 0; i < 600; ++i)
        reader.feed(chunk);
    QCOMPARE(reader.pending(), cap);
    QVERIFY(got.isEmpty());

    reader.feed("yyy\nnext\r\n");
    QCOMPARE(got.size(), 2);
    QCOMPARE(got[0].size(), cap);
    QVERIFY(got[0].startsWith(u"<xxx"_s) && got[0].endsWith(u'x'));
    QCOMPARE(got[1], u"next"_s);

    // A capped line cut short by the end of the output; the reader starts afresh.
    reader.feed(QByteArray(cap + 1, 'z'));
    reader.flush();
    reader.feed("after\n");
    QCOMPARE(got.size(), 4);
    QCOMPARE(got[2].size(), cap);
    QCOMPARE(got[3], u"after"_s);
}

void TestProgress::time_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("text");
    const double inf = std::numeric_limits<double>::infinity();

    QTest::newRow("75") << 75.0 << u"1:15"_s;
    QTest::newRow("5") << 5.0 << u"0:05"_s;
    QTest::newRow("59.4") << 59.4 << u"0:59"_s;
    QTest::newRow("59.5") << 59.5 << u"1:00"_s;
    QTest::newRow("3599.5") << 3599.5 << u"1:00:00"_s;
    QTest::newRow("3725") << 3725.0 << u"1:02:05"_s;
    QTest::newRow("over a day") << 90061.0 << u"25:01:01"_s;
    QTest::newRow("-0.4") << -0.4 << u"0:00"_s;
    QTest::newRow("-2.5") << -2.5 << u"-0:03"_s;
    QTest::newRow("huge") << 9e18 << u"2500000000000000:00:00"_s;
    QTest::newRow("2^63") << 9223372036854775808.0 << u"--:--"_s;
    QTest::newRow("-inf") << -inf << u"--:--"_s;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << u"--:--"_s;
}

void TestProgress::time()
{
    QFETCH(double, seconds);
    QTEST(Fmt::time(seconds), "text");
}

void TestProgress::bytes_data()
{
    QTest::addColumn<double>("count");
    QTest::addColumn<QString>("text");
    const double inf = std::numeric_limits<double>::infinity();

    QTest::newRow("0") << 0.0 << u"0 bytes"_s;
    QTest::newRow("999.9") << 999.9 << u"999 bytes"_s;
    QTest::newRow("1000") << 1000.0 << u"1 kB"_s;
    QTest::newRow("1634") << 1634.0 << u"2 kB"_s;
    QTest::newRow("999499") << 999499.0 << u"999 kB"_s;
    QTest::newRow("999500") << 999500.0 << u"1.0 MB"_s;
    QTest::newRow("2239746.49") << 2239746.49 << u"2.2 MB"_s;
    QTest::newRow("999950000") << 999950000.0 << u"1.00 GB"_s;
    QTest::newRow("1234567890") << 1234567890.0 << u"1.23 GB"_s;
    QTest::newRow("999995e12") << 999995e12 << u"1.00 EB"_s;
    QTest::newRow("-1500") << -1500.0 << u"-2 kB"_s;
    QTest::newRow("inf") << inf << u"9.22 EB"_s;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << u"0 bytes"_s;
}

void TestProgress::bytes()
{
    QFETCH(double, count);
    QTEST(Fmt::bytes(count), "text");
}

void TestProgress::progressLine_data()
{
    QTest::addColumn<Preset>("preset");
    QTest::addColumn<QString>("line");
    QTest::addColumn<double>("fraction");
    QTest::addColumn<QString>("detail"); // empty: the line changes nothing

    const QString audio = u"Audio \u00b7 1 kB of 4 kB \u00b7 500 bytes/s \u00b7 0:03 left"_s;
    QTest::newRow("audio stream") << Preset(Preset::p1080)
                                  << u"RC|downloading|1000|4000|NA|500|3|none"_s << 0.25 << audio;
    QTest::newRow("estimate") << Preset(Preset::p1080) << u"RC|downloading|1000||4000|500|3|none"_s
                              << 0.25 << audio;
    QTest::newRow("nine fields") << Preset(Preset::p1080)
                                 << u"RC|downloading|1000|4000|NA|500|3|none|x"_s << 0.25 << audio;
    QTest::newRow("seven fields") << Preset(Preset::p1080) << u"RC|downloading|1000|4000|NA|500|3"_s
                                  << 0.4 << QString();
    QTest::newRow("no sizes") << Preset(Preset::best) << u"RC|downloading|1000|NA|NA|NA|NA|avc1"_s
                              << 0.4 << u"Video"_s;
    QTest::newRow("total 0 beats estimate")
        << Preset(Preset::p720) << u"RC|downloading|10|0|4000|NA|NA|NONE"_s << 0.4 << u"Video"_s;
    QTest::newRow("m4a") << Preset(Preset::m4a) << u"RC|downloading|1000|4000|NA|500|3|none"_s
                         << 0.25 << u"1 kB of 4 kB \u00b7 500 bytes/s \u00b7 0:03 left"_s;
    QTest::newRow("mp3, nothing known")
        << Preset(Preset::mp3) << u"RC|downloading|NA|NA|NA|NA|NA|NA"_s << 0.4 << u""_s;
    QTest::newRow("finished") << Preset(Preset::p1080) << u"RC|finished|NA|46280|NA|NA|NA|NA"_s
                              << 1.0 << QString();
    QTest::newRow("past the total")
        << Preset(Preset::mp3) << u"RC|downloading|5000|4000|NA|||"_s << 1.0 << u"5 kB of 4 kB"_s;
    // Not numbers in the C locale's notation, or not finite: absent.
    QTest::newRow("odd numbers") << Preset(Preset::mp3) << u"RC|downloading| 1000|4e3|NA|1,5|inf|"_s
                                 << 0.0 << u"0 bytes of 4 kB"_s;
    QTest::newRow("out of range") << Preset(Preset::mp3)
                                  << u"RC|downloading|1e400|nan|1e300|+2|-1|"_s << 0.0
                                  << u"0 bytes of 9.22 EB \u00b7 2 bytes/s \u00b7 -0:01 left"_s;
}

void TestProgress::progressLine()
{
    QFETCH(Preset, preset);
    QFETCH(QString, line);
    QFETCH(double, fraction);
    QFETCH(QString, detail);
    Download job(video(), preset);
    launched(job);
    job.setPhase(Download::Phase::queued()); // so a used line shows in the phase

    ProgressProtocol::handle(line, job);
    QCOMPARE(job.fraction(), fraction);
    QCOMPARE(job.phase().kind(), detail.isNull() ? Kind::queued : Kind::downloading);
    QCOMPARE(job.detail(), detail.isNull() ? u"Starting\u2026"_s : detail);
}

void TestProgress::otherLines_data()
{
    QTest::addColumn<Kind>("start");
    QTest::addColumn<QString>("line");
    QTest::addColumn<Kind>("phase");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QString>("file"); // null: none
    QTest::addColumn<QStringList>("errors");

    const Kind dl = Kind::downloading;
    const QString starting = u"Starting\u2026"_s;
    const QString finishing = u"Finishing up\u2026"_s;
    const QString path = u"/home/me/My Videos/A [x] (1).mp4"_s;
    QTest::newRow("final file") << dl << u"RCFILE|DOWNLOADS/clip [clip].mp4"_s << dl << starting
                                << u"DOWNLOADS/clip [clip].mp4"_s << QStringList{};
    QTest::newRow("absolute path")
        << dl << u"RCFILE|"_s + path << dl << starting << path << QStringList{};
    QTest::newRow("padded error") << dl << u"ERROR:  \t disk full \t"_s << dl << starting
                                  << QString() << QStringList{u"disk full"_s};
    QTest::newRow("bare error") << dl << u"ERROR:"_s << dl << starting << QString()
                                << QStringList{};
    QTest::newRow("[ExtractAudio]") << dl << u"[ExtractAudio] started"_s << Kind::processing
                                    << u"Converting audio\u2026"_s << QString() << QStringList{};
    for (const char* tag : {"[Merger]", "[VideoRemuxer]", "[EmbedThumbnail]", "[Metadata]",
                            "[SponsorBlock]", "[ModifyChapters]", "[EmbedSubtitle]"}) {
        QTest::newRow(tag) << dl << QString::fromLatin1(tag) + u" started"_s << Kind::processing
                           << finishing << QString() << QStringList{};
    }
    for (const QString& line : {u"[merger] started"_s, u"[MoveFiles] finished"_s, u"x [Merger] y"_s,
                                u"RCFILE"_s, u"error: x"_s, u"RC|"_s}) {
        QTest::addRow("ignored %ls", qUtf16Printable(line))
            << dl << line << dl << starting << QString() << QStringList{};
    }
    // Only a cancelled job is deaf to its process.
    QTest::newRow("done, file") << Kind::done << u"RCFILE|/a.mp4"_s << Kind::done << starting
                                << u"/a.mp4"_s << QStringList{};
    QTest::newRow("failed, progress")
        << Kind::failed << u"RC|downloading|1|2|NA|NA|NA|none"_s << dl
        << u"Audio \u00b7 1 bytes of 2 bytes"_s << QString() << QStringList{};
    for (const QString& line : {u"RC|downloading|1|2|NA|NA|NA|none"_s, u"RC|finished|1|1|||||"_s,
                                u"RCFILE|/a.mp4"_s, u"ERROR: x"_s, u"[Merger] started"_s}) {
        QTest::addRow("cancelled %ls", qUtf16Printable(line))
            << Kind::cancelled << line << Kind::cancelled << starting << QString() << QStringList{};
    }
}

void TestProgress::otherLines()
{
    QFETCH(Kind, start);
    QFETCH(QString, line);
    QFETCH(QString, detail);
    QFETCH(QString, file);
    Download job(video(), Preset::p1080);
    launched(job);
    const auto phases = QList{Download::Phase::downloading(), Download::Phase::done(),
                              Download::Phase::failed(u"x"_s), Download::Phase::cancelled()};
    for (const auto& p : phases) {
        if (p.kind() == start)
            job.setPhase(p);
    }
    QSignalSpy changed(&job, &Download::changed);

    ProgressProtocol::handle(line, job);
    QTEST(job.phase().kind(), "phase");
    QCOMPARE(job.detail(), detail);
    QCOMPARE(job.file(), file.isNull() ? std::nullopt : std::optional(file));
    QTEST(job.errorLines(), "errors");
    // A line that leaves the published fields alone must not notify either.
    if (job.phase().kind() == start && detail == u"Starting\u2026"_s && file.isNull())
        QCOMPARE(changed.size(), 0);
}

void TestProgress::recordedRun_data()
{
    QTest::addColumn<Preset>("preset");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QStringList>("trace");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("errors");

    const QString start = u"downloading:Starting\u2026@0.00"_s;
    const QString finishing = u"Finishing up\u2026"_s;
    QTest::newRow("DASH merge") << Preset(Preset::p1080) << QByteArray(dashMerge)
                                << QStringList{start, u"downloading:Video@0.50"_s,
                                               u"downloading:Audio@0.25"_s,
                                               u"processing:Finishing up\u2026@1.00"_s}
                                << finishing << u"DOWNLOADS/manifest [manifest].mp4"_s
                                << QStringList{};
    QTest::newRow("MP3") << Preset(Preset::mp3) << QByteArray(mp3)
                         << QStringList{start, u"downloading:@0.02"_s,
                                        u"processing:Converting audio\u2026@1.00"_s,
                                        u"processing:Finishing up\u2026@1.00"_s}
                         << finishing << u"DOWNLOADS/clip [clip].mp3"_s << QStringList{};
    QTest::newRow("Debian, audio stream")
        << Preset(Preset::p1080) << QByteArray(debianAudio)
        << QStringList{start, u"downloading:Audio@0.95"_s}
        << u"Audio \u00b7 55 kB of 55 kB \u00b7 3.2 MB/s \u00b7 0:00 left"_s
        << u"DOWNLOADS/manifest [manifest].mp4"_s << QStringList{};
    QTest::newRow("404") << Preset(Preset::p1080) << QByteArray(notFound) << QStringList{start}
                         << u"Starting\u2026"_s << QString()
                         << QStringList{
                                u"[generic] missing: Unable to download webpage: HTTP Error "
                                u"404: File not found (caused by <HTTPError 404: File not "
                                u"found>)"_s};
}

void TestProgress::recordedRun()
{
    QFETCH(Preset, preset);
    QFETCH(QByteArray, output);
    QFETCH(QString, file);
    Download job(video(), preset);
    job.setPhase(Download::Phase::downloading());
    job.setDetail(u"Starting\u2026"_s);

    // Phase and the words of the detail (the parts without figures), each time they change.
    QStringList trace;
    QString last;
    const auto note = [&] {
        QStringList words;
        for (const QString& part : job.detail().split(u" \u00b7 "_s)) {
            if (std::none_of(part.begin(), part.end(), [](QChar c) { return c.isDigit(); }))
                words << part;
        }
        const QString key = kindName(job.phase().kind()) + u':' + words.join(u'+');
        if (key != last)
            trace << key + u'@' + QString::number(job.fraction(), 'f', 2);
        last = key;
    };
    note();
    connect(&job, &Download::detailChanged, this, note);

    LineReader reader([&](const QString& line) { ProgressProtocol::handle(line, job); });
    for (qsizetype i = 0; i < output.size(); i += 5)
        reader.feed(QByteArrayView(output).sliced(i, std::min<qsizetype>(5, output.size() - i)));
    reader.flush();

    QTEST(trace, "trace");
    QTEST(job.detail(), "detail");
    QCOMPARE(job.file(), file.isNull() ? std::nullopt : std::optional(file));
    QTEST(job.errorLines(), "errors");
}

QTEST_GUILESS_MAIN(TestProgress)
#include "tst_progress.moc"
