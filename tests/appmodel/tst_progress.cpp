// The lines of a download's yt-dlp, from the byte stream to the job: the
// line reader, the progress protocol and the number formats, on lines that
// yt-dlp printed in recorded runs.
#include "Download.h"
#include "Fmt.h"
#include "LineReader.h"
#include "ProgressProtocol.h"

#include <QJsonObject>
#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <limits>

using namespace reelcatch;
using namespace Qt::StringLiterals;
using Kind = Download::Phase::Kind;
using Chunks = QList<QByteArray>;

namespace {

const double inf = std::numeric_limits<double>::infinity();
const QString starting = u"Starting\u2026"_s;

// Parts of recorded runs: a current release merging DASH streams, and
// Debian's, with CR LF breaks and no break after the last line.
const char dashMerge[] = R"(WARNING: [generic] Falling back on generic information extractor
RC|downloading|817|NA|1634.0|0|NA|avc1.f4001e
RC|finished|35930|35930|NA|2239746.4920859034|NA|avc1.f4001e
RC|downloading|54892|NA|72913.0|0|NA|none
[Merger] started
[MoveFiles] finished
RCFILE|DOWNLOADS/manifest [manifest].mp4
)";
const char debianAudio[] = "RC|downloading|52231|NA|54892.0|3366665.4180602008|0|none\r\n"
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
    void formats_data();
    void formats();
    void lines_data();
    void lines();
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
}

void TestProgress::lineReader()
{
    QFETCH(Chunks, chunks);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, flushed);
    // As chunked, and cut at random places: the lines do not depend on the cuts.
    const QByteArray whole = chunks.join();
    for (int round = 0; round < 50; ++round) {
        QStringList got;
        LineReader reader([&](const QString& line) { got << line; });
        for (qsizetype at = 0, i = 0; at < whole.size(); ++i) {
            const qsizetype n = round == 0 ? chunks.at(i).size()
                                           : QRandomGenerator::global()->bounded(1, 6);
            reader.feed(QByteArrayView(whole).sliced(at, std::min(n, whole.size() - at)));
            at += n;
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
    for (int i = 0; i < 600; ++i)
        reader.feed(QByteArray(4096, 'y'));
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

void TestProgress::formats_data()
{
    QTest::addColumn<bool>("isTime");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    const auto row = [](bool isTime, double value, const QString& text) {
        QTest::addRow("%s %g", isTime ? "time" : "bytes", value) << isTime << value << text;
    };
    row(true, 5, u"0:05"_s);
    row(true, 59.5, u"1:00"_s);
    row(true, 3599.5, u"1:00:00"_s);
    row(true, 90061, u"25:01:01"_s);
    row(true, -0.4, u"0:00"_s);
    row(true, -2.5, u"-0:03"_s);
    row(true, 9223372036854775808.0, u"--:--"_s);
    row(true, std::numeric_limits<double>::quiet_NaN(), u"--:--"_s);
    row(false, 999.9, u"999 bytes"_s);
    row(false, 1634, u"2 kB"_s);
    row(false, 999499, u"999 kB"_s);
    row(false, 999500, u"1.0 MB"_s);
    row(false, 2239746.49, u"2.2 MB"_s);
    row(false, 999950000, u"1.00 GB"_s);
    row(false, -1500, u"-2 kB"_s);
    row(false, inf, u"9.22 EB"_s);
    row(false, std::numeric_limits<double>::quiet_NaN(), u"0 bytes"_s);
}

void TestProgress::formats()
{
    QFETCH(bool, isTime);
    QFETCH(double, value);
    QTEST(isTime ? Fmt::time(value) : Fmt::bytes(value), "text");
}

void TestProgress::lines_data()
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
    const auto row = [&](const char* name, Preset preset, Kind start, const QString& line,
                         Kind phase, double fraction, const QString& detail,
                         const QString& file = {}, const QString& error = {}) {
        QTest::newRow(name) << preset << start << line << phase << fraction << detail << file
                            << error;
    };
    const Preset v = Preset::p1080, mp3 = Preset::mp3;
    const QString audio = u"Audio \u00b7 1 kB of 4 kB \u00b7 500 bytes/s \u00b7 0:03 left"_s;
    row("audio stream", v, q, u"RC|downloading|1000|4000|NA|500|3|none"_s, dl, 0.25, audio);
    row("estimate", v, q, u"RC|downloading|1000||4000|500|3|none"_s, dl, 0.25, audio);
    row("nine fields", v, q, u"RC|downloading|1000|4000|NA|500|3|none|x"_s, dl, 0.25, audio);
    row("seven fields", v, q, u"RC|downloading|1000|4000|NA|500|3"_s, q, 0.4, starting);
    row("no sizes", v, q, u"RC|downloading|1000|NA|NA|NA|NA|avc1"_s, dl, 0.4, u"Video"_s);
    row("total 0 beats estimate", v, q, u"RC|downloading|10|0|4000|NA|NA|NONE"_s, dl, 0.4,
        u"Video"_s);
    row("m4a", Preset::m4a, q, u"RC|downloading|1000|4000|NA|500|3|none"_s, dl, 0.25,
        u"1 kB of 4 kB \u00b7 500 bytes/s \u00b7 0:03 left"_s);
    row("mp3, nothing known", mp3, q, u"RC|downloading|NA|NA|NA|NA|NA|NA"_s, dl, 0.4, u""_s);
    row("finished", v, q, u"RC|finished|NA|46280|NA|NA|NA|NA"_s, q, 1.0, starting);
    row("past the total", mp3, q, u"RC|downloading|5000|4000|NA|||"_s, dl, 1.0, u"5 kB of 4 kB"_s);
    // Not numbers in the C locale's notation, or not finite: absent.
    row("odd numbers", mp3, q, u"RC|downloading| 1000|4e3|NA|1,5|inf|"_s, dl, 0.0,
        u"0 bytes of 4 kB"_s);
    row("out of range", mp3, q, u"RC|downloading|1e400|nan|1e300|+2|-1|"_s, dl, 0.0,
        u"0 bytes of 9.22 EB \u00b7 2 bytes/s \u00b7 -0:01 left"_s);
    const QString path = u"/home/me/My Videos/A [x] (1).mp4"_s;
    row("final file", v, dl, u"RCFILE|"_s + path, dl, 0.4, starting, path);
    row("padded error", v, dl, u"ERROR:  \t disk full \t"_s, dl, 0.4, starting, {}, u"disk full"_s);
    row("bare error", v, dl, u"ERROR:"_s, dl, 0.4, starting);
    row("[ExtractAudio]", mp3, dl, u"[ExtractAudio] started"_s, Kind::processing, 0.4,
        u"Converting audio\u2026"_s);
    for (const char* tag : {"[Merger]", "[VideoRemuxer]", "[EmbedThumbnail]", "[Metadata]",
                            "[SponsorBlock]", "[ModifyChapters]", "[EmbedSubtitle]"})
        row(tag, v, dl, QString::fromLatin1(tag) + u" started"_s, Kind::processing, 0.4,
            u"Finishing up\u2026"_s);
    for (const char* line : {"[merger] started", "[MoveFiles] finished", "x [Merger] y",
                             "RCFILE", "error: x", "RC|"})
        row(line, v, dl, QString::fromLatin1(line), dl, 0.4, starting);
    // Only a cancelled job is deaf to its process.
    row("done, file", v, Kind::done, u"RCFILE|/a.mp4"_s, Kind::done, 0.4, starting, u"/a.mp4"_s);
    for (const char* line : {"RC|downloading|1|2|NA|NA|NA|none", "RCFILE|/a.mp4", "ERROR: x",
                             "[Merger] started"})
        row(line, v, Kind::cancelled, QString::fromLatin1(line), Kind::cancelled, 0.4, starting);
}

void TestProgress::lines()
{
    QFETCH(Preset, preset);
    QFETCH(Kind, start);
    QFETCH(QString, line);
    QFETCH(QString, file);
    QFETCH(QString, error);
    Download job(*VideoItem::fromJson(QJsonObject{{u"id"_s, u"abc"_s}}), preset);
    job.setFraction(0.4);
    job.setDetail(starting);
    job.setPhase(start == Kind::queued      ? Download::Phase::queued()
                 : start == Kind::done      ? Download::Phase::done()
                 : start == Kind::cancelled ? Download::Phase::cancelled()
                                            : Download::Phase::downloading());
    const std::optional<QString> returned = ProgressProtocol::handle(line, job);
    QTEST(job.phase().kind(), "phase");
    QTEST(job.fraction(), "fraction");
    QTEST(job.detail(), "detail");
    QCOMPARE(job.file(), file.isNull() ? std::nullopt : std::optional(file));
    QCOMPARE(returned, error.isNull() ? std::nullopt : std::optional(error));
}

void TestProgress::recordedRun_data()
{
    QTest::addColumn<Preset>("preset");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QStringList>("details"); // each detail's first part, as it changed
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("error"); // the last one handle() returned
    const QString file = u"DOWNLOADS/manifest [manifest].mp4"_s;
    QTest::newRow("DASH merge") << Preset(Preset::p1080) << QByteArray(dashMerge)
                                << QStringList{u"Video"_s, u"Audio"_s, u"Finishing up\u2026"_s}
                                << file << QString();
    QTest::newRow("Debian, audio stream") << Preset(Preset::p1080) << QByteArray(debianAudio)
                                          << QStringList{u"Audio"_s} << file << QString();
    QTest::newRow("404") << Preset(Preset::p1080) << QByteArray(notFound) << QStringList{}
                         << QString()
                         << u"[generic] missing: Unable to download webpage: HTTP Error 404: "
                            u"File not found (caused by <HTTPError 404: File not found>)"_s;
}

void TestProgress::recordedRun()
{
    QFETCH(Preset, preset);
    QFETCH(QByteArray, output);
    QFETCH(QString, file);
    Download job(*VideoItem::fromJson(QJsonObject{{u"id"_s, u"abc"_s}}), preset);
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

QTEST_GUILESS_MAIN(TestProgress)
#include "tst_progress.moc"
