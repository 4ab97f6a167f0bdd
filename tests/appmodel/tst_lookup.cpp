// Lookups through the model, yt-dlp played by FakeRunner children: the
// target, the answer read streaming and whole, errors, and stopping.
#include "Fixture.h"
#include "appmodel/ListingLines.h"

#include <QFile>
#include <QJsonDocument>
#include <QRandomGenerator>

using namespace reelcatch;
using namespace reelcatch::test;
using namespace Qt::StringLiterals;

namespace {

QStringList ids(const QList<VideoItem>& items) { return each(items, std::mem_fn(&VideoItem::id)); }

// What QJsonDocument and VideoItem::fromJson() make of each line: the
// first item of each id, in order.
QList<VideoItem> readEachLine(const QByteArray& lines)
{
    QList<VideoItem> items;
    QSet<QString> seen;
    for (const QByteArray& line : lines.split('\n')) {
        std::optional<VideoItem> item = VideoItem::fromJson(QJsonDocument::fromJson(line).object());
        if (item && !seen.contains(item->id()))
            seen.insert(item->id()), items.append(std::move(*item));
    }
    return items;
}

QByteArray line(const char* id) { return R"({"id":")" + QByteArray(id) + R"(","playlist_title":"Two","playlist_index":1})" "\n"; }

bool lookUp(Fixture& f, const QString& input, const QByteArray& out)
{
    FakeChild* child = start(f, input);
    if (!child)
        return false;
    child->print(out.left(out.size() / 2));
    child->print(out.mid(out.size() / 2));
    child->end(0);
    return QTest::qWaitFor([&] { return !f.lookup().isFetching(); }, 30000);
}

const QByteArray mix = R"({"id":"a","playlist_title":"Mix","playlist_index":1}
{"id":"b","playlist_title":"Mix","playlist_index":2}
)";

} // namespace

class TestLookup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(); }
    void normalizes_data();
    void normalizes();
    void answers_data();
    void answers();
    void recordedAnswers_data();
    void recordedAnswers();
    void errors_data();
    void errors();
    void refusedFetches();
    void stopKeepsThePreviousOutcome();
    void rowsArriveWhileListing();
    void failureAfterRows();
    void severalLinksTwoAtATime();
};

void TestLookup::normalizes_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("target");
    const auto row = [](const char* input, const char* target) {
        QTest::newRow(QByteArray(input).trimmed().constData()) << QString::fromUtf8(input) << QString::fromUtf8(target);
    };
    row("  lofi  hip hop \n", "ytsearch30:lofi  hip hop");
    row("--version", "ytsearch30:--version");
    row("YouTube.com/@x", "ytsearch30:YouTube.com/@x");
    row("www.youtube.com/watch?v=abc&list=PL9", "https://www.youtube.com/watch?v=abc&list=PL9");
    row("youtu.be/abc?t=5", "https://youtu.be/abc?t=5");
    row("www.example.com/@x", "https://www.example.com/@x");
    row("https://notyoutube.com/@x", "https://notyoutube.com/@x");
    row("https://www.youtube.com/@n/shorts", "https://www.youtube.com/@n/shorts");
    row("https://m.youtube.com/@n/?si=x#t", "https://www.youtube.com/@n/videos");
    row("https://music.youtube.com/channel/UCa", "https://www.youtube.com/channel/UCa/videos");
    row("m.youtube.com/user/Old", "https://www.youtube.com/user/Old/videos");
    row("http://youtube.com/c/a%3Fb%23c%20d?x=1", "https://www.youtube.com/c/a%3Fb%23c%20d/videos");
    row("https://www.youtube.com/channel%2FUCa", "https://www.youtube.com/channel%2FUCa");
}

void TestLookup::normalizes()
{
    QFETCH(QString, input);
    QFETCH(QString, target);
    QCOMPARE(normalize(input), target);
    // The target goes to yt-dlp last, behind "--", in a stream child that
    // is given up after five minutes of silence.
    Fixture f;
    FakeChild* child = start(f, input);
    QVERIFY(child && child->started);
    QCOMPARE(child->spec.program, f.env.binDirs().at(0) + u"/yt-dlp"_s);
    QCOMPARE(child->spec.arguments.sliced(child->spec.arguments.size() - 2), (QStringList{u"--"_s, target}));
    QVERIFY(child->spec.arguments.contains(u"--flat-playlist"_s));
    QCOMPARE(child->spec.output, ChildSpec::Output::stream);
    QCOMPARE(child->spec.inactivityLimit, std::chrono::milliseconds(std::chrono::minutes(5)));
}

void TestLookup::answers_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("ids"); // none: "Nothing downloadable found there."
    const auto row = [&](const char* name, const QByteArray& answer, const char* title,
                         const char* expected, const QString& input = playlist) {
        QTest::newRow(name) << input << answer << QString::fromUtf8(title)
                            << QString::fromLatin1(expected).split(u' ', Qt::SkipEmptyParts);
    };
    row("single video: no heading", R"({"id":"v","title":"My video"})", "", "v", u"youtu.be/v"_s);
    row("playlist in order", mix, "Mix", "a b");
    row("nulls, repeats, bad ids",
        "null\n" R"({"id":"b","playlist_title":"P"})" "\n" R"({"url":"u"})" "\n" R"({"id":""})"
        "\n" R"({"id":7})" "\n" R"({"id":"a"})" "\n" R"({"id":"b","title":"again"})" "\n",
        "P", "b a");
    row("lines the scanner leaves to QJsonDocument",
        R"({"id":"e","duration":1e2,"playlist_index":1})" "\n" R"({"id":"f","id":"g"})" "\n"
        R"({"\u0069d":"h","title":"\u0000"})",
        "Playlist", "e g h");
    row("heading without bidi controls", R"({"id":"a","playlist_title":"a\u202Eb\u2066c"})", "abc", "a");
    row("title not a string", R"({"id":"a","playlist_title":null,"playlist_id":"PL"})", "Playlist", "a");
    row("the first line names the playlist",
        R"({"url":"u","playlist_title":"First"})" "\n" R"({"id":"a","playlist_title":"Second"})",
        "First", "a");
    row("search heading", R"({"id":"a","playlist_title":"x"})", "Search: lofi  beats", "a",
        u"  lofi  beats "_s);
    row("empty playlist: no line names it", "", "", "");
    row("empty object", "{}", "", "");
    // "soon" is a stream yet to begin: listed, not ticked.
    row("streams",
        R"({"id":"on","live_status":"is_live","playlist_title":"S"})" "\n"
        R"({"id":"soon","live_status":"is_upcoming","playlist_title":"S"})" "\n"
        R"({"id":"past","live_status":"was_live","playlist_title":"S"})",
        "S", "on soon past");
    row("single upcoming stream", R"({"id":"soon","live_status":"is_upcoming"})", "", "soon", u"youtu.be/soon"_s);
}

void TestLookup::answers()
{
    QFETCH(QString, input);
    QFETCH(QByteArray, answer);
    QFETCH(QStringList, ids);
    // The answer, however it is cut, lists what QJsonDocument reads of each line.
    for (int round = 0; round < 20; ++round) {
        ListingLines reader;
        for (qsizetype at = 0, n = 0; at < answer.size(); at += n) {
            n = std::min<qsizetype>(QRandomGenerator::global()->bounded(1, 40), answer.size() - at);
            reader.feed(QByteArrayView(answer).sliced(at, n));
        }
        reader.finish();
        QCOMPARE(reader.takeItems(), readEachLine(answer));
    }

    Fixture f;
    QSignalSpy results(&f.lookup(), &Lookup::resultsChanged);
    QVERIFY(lookUp(f, input, answer));
    QCOMPARE(::ids(f.lookup().results()), ids);
    QTEST(f.lookup().resultsTitle(), "title");
    QCOMPARE(f.lookup().selected(), QSet<QString>(ids.cbegin(), ids.cend()) - QSet<QString>{u"soon"_s});
    QCOMPARE(f.lookup().fetchError(), ids.isEmpty() ? std::optional(u"Nothing downloadable found there."_s) : std::nullopt);
    QVERIFY(results.count() >= 1);
    // The rows of a playlist (not of a search, nor a video alone) know their place in it.
    const QString title = f.lookup().resultsTitle();
    const bool listed = !ids.isEmpty() && !title.isEmpty() && !title.startsWith(u"Search"_s);
    QCOMPARE(f.lookup().placeOf(ids.size() - 1), listed ? std::optional(PlaylistPlace{title, int(ids.size())}) : std::nullopt);
}

void TestLookup::recordedAnswers_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("single clip") << u"clip"_s;
    QTest::newRow("feed without ids") << u"feed"_s;
}

// Debian's yt-dlp's answers read as QJsonDocument reads each line.
void TestLookup::recordedAnswers()
{
    QFETCH(QString, name);
    QFile file(QString::fromUtf8(REELCATCH_RECORDINGS "/debian-lookup-%1-lines.json").arg(name));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray lines = file.readAll();
    ListingLines reader;
    reader.feed(lines);
    reader.finish();
    const QList<VideoItem> items = reader.takeItems();
    QCOMPARE(items, readEachLine(lines));
    QCOMPARE(items.size(), name == u"clip"_s ? 1 : 0);
}

void TestLookup::errors_data()
{
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err");
    QTest::addColumn<int>("code");
    QTest::addColumn<ChildExit::Kind>("kind");
    QTest::addColumn<QString>("expected");
    const QString couldNot = u"Couldn't load that link."_s;
    using K = ChildExit::Kind;
    QTest::newRow("last ERROR line") << QByteArray("null") << QByteArray("ERROR: 1\nERROR: [x] 2\n")
                                     << 1 << K::exited << u"[x] 2"_s;
    QTest::newRow("failure without ERROR line") << QByteArray() << QByteArray("Traceback\n") << 1
                                                << K::exited << couldNot;
    QTest::newRow("success, but not an object") << QByteArray("null") << QByteArray() << 0
                                                << K::exited << couldNot;
    QTest::newRow("success, not JSON, an ERROR line") << QByteArray("{\"id\":")
        << QByteArray("ERROR: Private video\n") << 0 << K::exited << u"Private video"_s;
    QTest::newRow("failed to start") << QByteArray() << QByteArray() << 0 << K::failedToStart
                                     << u"Permission denied"_s;
    QTest::newRow("silent too long") << QByteArray(R"({"entries":[)") << QByteArray() << 15
                                     << K::inactive << u"yt-dlp stopped answering."_s;
}

void TestLookup::errors()
{
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);
    QFETCH(int, code);
    QFETCH(ChildExit::Kind, kind);
    QFETCH(QString, expected);
    // An earlier list stays as it was, ticks included.
    Fixture f;
    QVERIFY(lookUp(f, playlist, mix));
    f.lookup().setSelected({u"b"_s});
    FakeChild* child = start(f, u"https://youtu.be/zz"_s);
    QVERIFY(child);
    child->print(out);
    child->stderrTail = err;
    child->end(code, kind, kind == ChildExit::Kind::failedToStart ? expected : QString());
    QTRY_VERIFY_WITH_TIMEOUT(!f.lookup().isFetching(), 30000);
    QCOMPARE(f.lookup().fetchError(), std::optional(expected));
    QCOMPARE(ids(f.lookup().results()), (QStringList{u"a"_s, u"b"_s}));
    QCOMPARE(f.lookup().resultsTitle(), u"Mix"_s);
    QCOMPARE(f.lookup().selected(), QSet<QString>{u"b"_s});
    // The next lookup clears the error as it starts.
    QVERIFY(start(f, u"words"_s));
    QCOMPARE(f.lookup().fetchError(), std::nullopt);
}

void TestLookup::refusedFetches()
{
    Fixture none(false);
    QCOMPARE(start(none, u"words"_s), nullptr);
    QCOMPARE(none.lookup().fetchError(), std::optional(u"The download engine is still being set up. Try again in a moment."_s));
    Fixture f;
    QCOMPARE(start(f, u" \n\t "_s), nullptr);
    QCOMPARE(start(f, u"\u00e9"_s.repeated(4097)), nullptr); // over 8 KB of UTF-8, not 8 K characters
    QCOMPARE(f.lookup().fetchError(), std::optional(u"That's too long to be a link or a search."_s));
    // A second fetch while one runs starts nothing; the heading names what
    // was looked up, not what the field holds now.
    FakeChild* child = start(f, u"cats"_s);
    QVERIFY(child);
    QCOMPARE(start(f, u"dogs"_s), nullptr);
    child->print(mix);
    child->end(0);
    QTRY_VERIFY_WITH_TIMEOUT(!f.lookup().isFetching(), 30000);
    QCOMPARE(f.lookup().resultsTitle(), u"Search: cats"_s);
}

void TestLookup::stopKeepsThePreviousOutcome()
{
    Fixture f;
    QVERIFY(lookUp(f, playlist, mix));
    f.lookup().setSelected({u"a"_s});
    QVERIFY(start(f, u"dogs"_s));
    FakeChild* child = f.runner->last();
    child->print(R"({"title":"Dogs","entr)");
    QSignalSpy results(&f.lookup(), &Lookup::resultsChanged);
    QSignalSpy errors(&f.lookup(), &Lookup::fetchErrorChanged);
    f.lookup().stop();
    QVERIFY(!f.lookup().isFetching());
    QCOMPARE(child->stops, 1);
    // What the stopped run still says, and how it ends, well or not, is ignored.
    child->print(R"(ies":[{"id":"d"}]})");
    child->end(0);
    QVERIFY(start(f, u"birds"_s));
    FakeChild* next = f.runner->last();
    f.lookup().stop();
    next->stderrTail = "ERROR: gone\n";
    next->end(1);
    settle();
    QCOMPARE(results.count(), 0);
    QCOMPARE(errors.count(), 0);
    QCOMPARE(ids(f.lookup().results()), (QStringList{u"a"_s, u"b"_s}));
    QCOMPARE(f.lookup().resultsTitle(), u"Mix"_s);
    QCOMPARE(f.lookup().selected(), QSet<QString>{u"a"_s});
}

void TestLookup::rowsArriveWhileListing()
{
    Fixture f;
    QVERIFY(lookUp(f, playlist, mix));
    FakeChild* child = start(f, playlist + u"2"_s);
    QSignalSpy added(&f.lookup(), &Lookup::resultsAdded);
    // The old list stays until the first row comes, then makes way for it.
    child->print(line("c") + line("d").left(9));
    QTRY_COMPARE_WITH_TIMEOUT(ids(f.lookup().results()), QStringList{u"c"_s}, 30000);
    QVERIFY(f.lookup().isListing());
    QCOMPARE(f.lookup().resultsTitle(), u"Two"_s);
    QCOMPARE(f.lookup().selected(), QSet<QString>{u"c"_s});
    // Later rows go below, repeats dropped; once the user has chosen, unticked.
    f.lookup().setSelected({});
    child->print(line("d").mid(9) + line("c") + line("e"));
    QTRY_COMPARE_WITH_TIMEOUT(ids(f.lookup().results()), (QStringList{u"c"_s, u"d"_s, u"e"_s}), 30000);
    QCOMPARE(added.first().at(0).toInt(), 1);
    QCOMPARE(f.lookup().selected(), QSet<QString>{});
    // Stop keeps them; what the run still prints is ignored.
    f.lookup().stop();
    child->print(line("f"));
    child->end(0);
    settle();
    QCOMPARE(ids(f.lookup().results()), (QStringList{u"c"_s, u"d"_s, u"e"_s}));
    QVERIFY(!f.lookup().isListing() && !f.lookup().fetchError());
}

void TestLookup::failureAfterRows()
{
    for (const int rows : {1, 3}) {
        Fixture f;
        FakeChild* child = start(f, playlist);
        // Ending at once: rows still being read count too.
        child->print(rows == 1 ? line("a") : line("a") + line("b") + line("c"));
        child->stderrTail = "ERROR: [youtube:tab] Incomplete data received\n";
        child->end(1);
        QTRY_VERIFY_WITH_TIMEOUT(!f.lookup().isFetching(), 30000);
        QCOMPARE(f.lookup().results().size(), rows);
        QCOMPARE(f.lookup().selected().size(), rows);
        QCOMPARE(f.lookup().fetchError(), std::optional(QString(rows == 1 ? u"Only the first video could be listed."_s : u"Only the first 3 videos could be listed."_s) + u" [youtube:tab] Incomplete data received"_s));
    }
}

void TestLookup::severalLinksTwoAtATime()
{
    Fixture f;
    start(f, u"https://a.example/1\nhttps://b.example/2 see https://c.example/3 https://a.example/1"_s);
    // Two run at once, the third waits; words and repeats are passed over.
    QCOMPARE(targets(f), (QStringList{u"https://a.example/1"_s, u"https://b.example/2"_s}));
    QCOMPARE(f.lookup().sections().size(), 3);
    QCOMPARE(f.lookup().resultsTitle(), u"3 link(s)"_s);
    QPointer<FakeChild> a = f.runner->children.at(0), b = f.runner->children.at(1);
    // The second link's rows arrive first and stay below the first link's.
    b->print(line("b1"));
    QTRY_COMPARE(ids(f.lookup().results()), QStringList{u"b1"_s});
    a->print(line("a1") + line("a2"));
    QTRY_COMPARE(ids(f.lookup().results()), (QStringList{u"a1"_s, u"a2"_s, u"b1"_s}));
    QCOMPARE(f.lookup().sections().at(1).first, 2);
    // Unticked, the first link's later rows arrive unticked; the other's ticked.
    f.lookup().selectSection(0, false);
    a->print(line("a3"));
    b->print(line("b2"));
    QTRY_COMPARE(ids(f.lookup().results()), (QStringList{u"a1"_s, u"a2"_s, u"a3"_s, u"b1"_s, u"b2"_s}));
    QCOMPARE(f.lookup().selected(), (QSet<QString>{u"b1"_s, u"b2"_s}));
    // A row's place is in its own link's playlist.
    QCOMPARE(f.lookup().placeOf(2), std::optional(PlaylistPlace{u"Two"_s, 3}));
    QCOMPARE(f.lookup().placeOf(4), std::optional(PlaylistPlace{u"Two"_s, 2}));
    // A failure says so in its own heading and lets the third start.
    b->stderrTail = "ERROR: [generic] Unable to download webpage: HTTP Error 404: Not Found\n";
    b->end(1);
    QTRY_COMPARE(targets(f).size(), 3);
    const LinkSection failed = f.lookup().sections().at(1);
    QCOMPARE(failed.state, LinkSection::State::failed);
    QVERIFY2(failed.error.startsWith(u"Only the first 2 videos could be listed."_s), qPrintable(failed.error));
    QVERIFY(f.lookup().isFetching() && !f.lookup().fetchError());
    // Stop ends the rest; what was listed stays.
    f.lookup().stop();
    QCOMPARE(a->stops, 1);
    QCOMPARE(f.runner->last()->stops, 1);
    QVERIFY(!f.lookup().isFetching() && f.lookup().wasStopped());
    QCOMPARE(f.lookup().sections().at(2).state, LinkSection::State::stopped);
    QCOMPARE(f.lookup().results().size(), 5);
}

QTEST_GUILESS_MAIN(TestLookup)
#include "tst_lookup.moc"
