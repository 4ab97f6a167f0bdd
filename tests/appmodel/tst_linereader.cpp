// LineReader against the cuts of a pipe: however yt-dlp's output is cut
// into pieces on its way in, the reader must emit the same lines at the same
// points as when it gets everything at once, and never keep or emit more
// than its cap of one line.
#include "LineReader.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <numeric>

using namespace reelcatch;

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype cap = LineReader::maxPending;

// What a reader emitted while fed, and what its flush added.
struct Read {
    QStringList lines;
    QStringList flushed;
    qsizetype mostPending = 0;
};

// Feeds `stream` in pieces ending at the given offsets (increasing; the
// last piece runs to the end), then flushes.
Read readCut(QByteArrayView stream, const QList<qsizetype>& cuts)
{
    Read read;
    LineReader reader([&read](const QString& line) { read.lines << line; });
    qsizetype at = 0;
    for (qsizetype cut : cuts + QList<qsizetype>{stream.size()}) {
        reader.feed(stream.sliced(at, cut - at));
        at = cut;
        read.mostPending = std::max(read.mostPending, reader.pending());
    }
    const qsizetype before = read.lines.size();
    reader.flush();
    read.flushed = read.lines.sliced(before);
    read.lines.resize(before);
    return read;
}

// `count` cut offsets at random, mostly close together so that line breaks,
// CR LF pairs and characters are split, sometimes far apart.
QList<qsizetype> randomCuts(QRandomGenerator& random, qsizetype size, int count)
{
    QList<qsizetype> cuts;
    qsizetype at = 0;
    while (cuts.size() < count) {
        const bool far = random.bounded(8) == 0;
        at += 1 + (far ? random.bounded(std::max<qint64>(size / 4, 1))
                       : random.bounded(std::min<qint64>(size, 12)));
        if (at >= size)
            break;
        cuts << at;
    }
    return cuts;
}

// Cuts right after every CR, LF and lead byte of a multi-byte character:
// the pieces that end a CR LF pair or a character halfway.
QList<qsizetype> awkwardCuts(QByteArrayView stream)
{
    QList<qsizetype> cuts;
    for (qsizetype i = 0; i + 1 < stream.size(); ++i) {
        const auto b = static_cast<unsigned char>(stream[i]);
        if (b == '\r' || b == '\n' || b >= 0xc0)
            cuts << i + 1;
    }
    return cuts;
}

QString describe(const Read& read)
{
    QStringList shown;
    for (const QString& line : read.lines + read.flushed)
        shown << (line.size() > 40 ? line.left(40) + u"...(%1)"_s.arg(line.size()) : line);
    return shown.join(u" | "_s) + u" [%1 at the flush]"_s.arg(read.flushed.size());
}

} // namespace

class TestLineReader : public QObject {
    Q_OBJECT
private slots:
    void anyCuts_data();
    void anyCuts();
    void longLineInOnePiece();
};

void TestLineReader::anyCuts_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QStringList>("lines");   // emitted while fed
    QTest::addColumn<QStringList>("flushed"); // emitted by the flush

    const QByteArray x(cap, 'x');
    const QString capX(cap, u'x');

    QTest::newRow("carriage-return redraws")
        << QByteArray("\rRC|downloading|815|NA|1630.0|99794.4|0|avc1\rRC|finished|1630|1630|NA|"
                      "1.0|NA|avc1     \r               \r\r[download] 100%\n")
        << QStringList{u"RC|downloading|815|NA|1630.0|99794.4|0|avc1"_s,
                       u"RC|finished|1630|1630|NA|1.0|NA|avc1"_s, u"[download] 100%"_s}
        << QStringList{};
    QTest::newRow("CR LF pairs") << QByteArray("one\r\ntwo\r\n\r\nthree\r\n")
                                 << QStringList{u"one"_s, u"two"_s, u"three"_s} << QStringList{};
    QTest::newRow("LF CR is two breaks too")
        << QByteArray("a\n\rb\n\r") << QStringList{u"a"_s, u"b"_s} << QStringList{};
    QTest::newRow("invalid UTF-8 and characters of every length")
        << QByteArray("caf\xc3\xa9 \xe6\x97\xa5 \xf0\x9f\x8e\xac\n"
                      "a\xff\xc3(\n\xed\xa0\x80z\n\xc3")
        << QStringList{u"caf\u00e9 \u65e5 \U0001F3AC"_s, u"a\uFFFD\uFFFD("_s,
                       u"\uFFFD\uFFFD\uFFFDz"_s}
        << QStringList{u"\uFFFD"_s};
    QTest::newRow("empty and blank lines")
        << QByteArray("\n\n\r\n \t\r\xc2\xa0\xe3\x80\x80\nx\n \t") << QStringList{u"x"_s}
        << QStringList{};
    QTest::newRow("last line without a break")
        << QByteArray("RCFILE|/home/me/clip [clip].mp4\n  [Merger] started ")
        << QStringList{u"RCFILE|/home/me/clip [clip].mp4"_s} << QStringList{u"[Merger] started"_s};
    QTest::newRow("line of the cap exactly")
        << x + "\r\nnext" << QStringList{capX} << QStringList{u"next"_s};
    QTest::newRow("lines over the cap") << x + "yyyy\r\n" + x + x + "z\nnext\n" + x + "tail"
                                        << QStringList{capX, capX, u"next"_s} << QStringList{capX};
    QTest::newRow("the cap cuts a character")
        << x.left(cap - 1) + "\xc3\xa9\xc3\xa9\r\nafter\r"
        << QStringList{capX.left(cap - 1) + u'\uFFFD', u"after"_s} << QStringList{};
    QTest::newRow("spaces trimmed before the cap is seen")
        << "  " + x + "\n"
        << QStringList{capX.left(cap - 2)} << QStringList{};
}

void TestLineReader::anyCuts()
{
    QFETCH(QByteArray, stream);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, flushed);

    const Read whole = readCut(stream, {});
    QCOMPARE(whole.lines, lines);
    QCOMPARE(whole.flushed, flushed);

    QList<QList<qsizetype>> cuttings{awkwardCuts(stream)};
    if (stream.size() <= 4096) {
        QList<qsizetype> everyByte(stream.size() - 1);
        std::iota(everyByte.begin(), everyByte.end(), 1);
        cuttings << everyByte;
    }
    // The same cuttings on every run; the long streams get fewer of them.
    QRandomGenerator random(20240607);
    const int rounds = stream.size() > 4096 ? 12 : 300;
    for (int round = 0; round < rounds; ++round) {
        const int count = 1 + random.bounded(round % 3 == 0 ? 4 : 200);
        cuttings << randomCuts(random, stream.size(), count);
    }

    for (const QList<qsizetype>& cuts : std::as_const(cuttings)) {
        const Read read = readCut(stream, cuts);
        QVERIFY2(read.lines == whole.lines && read.flushed == whole.flushed,
                 qPrintable(u"cut %1 times: %2"_s.arg(cuts.size()).arg(describe(read))));
        QVERIFY(read.mostPending <= cap);
    }
}

void TestLineReader::longLineInOnePiece()
{
    // A line longer than the cap that arrives in one piece is cut to the
    // cap like one that trickles in; the rest of the piece is read as usual.
    QStringList got;
    LineReader reader([&got](const QString& line) { got << line; });
    reader.feed(QByteArray(cap + 100, 'x') + "\nRC|finished|1|1|NA|NA|NA|none\n" +
                QByteArray(2 * cap, 'y') + "\r");
    QCOMPARE(got.size(), 3);
    QCOMPARE(got[0], QString(cap, u'x'));
    QCOMPARE(got[1], u"RC|finished|1|1|NA|NA|NA|none"_s);
    QCOMPARE(got[2], QString(cap, u'y'));
    QCOMPARE(reader.pending(), 0);
}

QTEST_GUILESS_MAIN(TestLineReader)
#include "tst_linereader.moc"
