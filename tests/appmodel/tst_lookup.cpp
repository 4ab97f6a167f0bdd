// Looking up what is behind the user's text: the target yt-dlp is given,
// reading its answer (the streaming scanner and the plain parse agree), and
// what the Lookup publishes, with yt-dlp played by a FakeRunner child.
#include "Fixture.h"
#include "ListingScanner.h"

#include <QJsonDocument>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

using namespace reelcatch;
using namespace reelcatch::test;

namespace {

QStringList ids(const QList<VideoItem>& items)
{
    QStringList list;
    for (const VideoItem& item : items)
        list << item.id();
    return list;
}

const QByteArray mix = R"({"title":"Mix","entries":[{"id":"a"},{"id":"b"}]})";

} // namespace

class TestLookup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(); }
    void normalizes_data();
    void normalizes();
    void answers_data();
    void answers();
    void errors_data();
    void errors();
    void engineMissing();
    void secondFetchWhileRunning();
    void stopKeepsThePreviousOutcome();

private:
    // Starts a lookup of `input`; its child, or null when none started.
    static FakeChild* start(Fixture& f, const QString& input)
    {
        const qsizetype before = f.runner->children.size();
        f.lookup().setInput(input);
        f.lookup().fetch();
        return f.runner->children.size() > before ? f.runner->last() : nullptr;
    }
    static bool lookUp(Fixture& f, const QString& input, const QByteArray& out)
    {
        FakeChild* child = start(f, input);
        if (!child)
            return false;
        child->print(out.left(out.size() / 2));
        child->print(out.mid(out.size() / 2));
        child->end(0);
        return QTest::qWaitFor([&] { return !f.lookup().isFetching(); }, 30000);
    }
};

void TestLookup::normalizes_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("target");
    const auto row = [](const char* name, const char* input, const char* target) {
        QTest::newRow(name) << QString::fromUtf8(input) << QString::fromUtf8(target);
    };
    row("words, trimmed", "  lofi  hip hop \n", "ytsearch30:lofi  hip hop");
    row("bare handle", "@SomeChannel", "ytsearch30:@SomeChannel");
    row("other domain without scheme", "vimeo.com/12345", "ytsearch30:vimeo.com/12345");
    row("option-like words", "--version", "ytsearch30:--version");
    row("host case matters", "YouTube.com/@x", "ytsearch30:YouTube.com/@x");
    row("watch page gains scheme", "www.youtube.com/watch?v=abc&list=PL9",
        "https://www.youtube.com/watch?v=abc&list=PL9");
    row("short link", "youtu.be/abc?t=5", "https://youtu.be/abc?t=5");
    row("other site untouched", "http://127.0.0.1:8080/@x", "http://127.0.0.1:8080/@x");
    row("www of another site", "www.example.com/@x", "https://www.example.com/@x");
    row("channel tab untouched", "https://www.youtube.com/channel/UC1/videos",
        "https://www.youtube.com/channel/UC1/videos");
    row("handle subpage untouched", "https://www.youtube.com/@n/shorts",
        "https://www.youtube.com/@n/shorts");
    row("playlist untouched", "https://www.youtube.com/playlist?list=PL1",
        "https://www.youtube.com/playlist?list=PL1");
    row("bare domain handle", "youtube.com/@name", "https://www.youtube.com/@name/videos");
    row("handle drops query and fragment", "https://www.youtube.com/@n?si=x#t",
        "https://www.youtube.com/@n/videos");
    row("mobile handle, trailing slash", "https://m.youtube.com/@n/",
        "https://www.youtube.com/@n/videos");
    row("music channel", "https://music.youtube.com/channel/UCa",
        "https://www.youtube.com/channel/UCa/videos");
    row("c path", "http://youtube.com/c/Legacy", "https://www.youtube.com/c/Legacy/videos");
    row("user path", "m.youtube.com/user/Old", "https://www.youtube.com/user/Old/videos");
    row("escaped question mark", "youtube.com/@nam%3Fe", "https://www.youtube.com/@nam%3Fe/videos");
    row("escaped hash, percent, space", "https://www.youtube.com/c/a%23b%25c%20d?x=1",
        "https://www.youtube.com/c/a%23b%25c%20d/videos");
    row("escaped slash", "https://www.youtube.com/channel%2FUCa",
        "https://www.youtube.com/channel%2FUCa");
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
    QVERIFY(child);
    QCOMPARE(child->spec.program, f.env.binDirs().at(0) + QStringLiteral("/yt-dlp"));
    QCOMPARE(child->spec.arguments.mid(child->spec.arguments.size() - 2),
             (QStringList{QStringLiteral("--"), target}));
    QVERIFY(child->spec.arguments.contains(QStringLiteral("-J")));
    QVERIFY(child->spec.arguments.contains(QStringLiteral("--flat-playlist")));
    QCOMPARE(child->spec.output, ChildSpec::Output::stream);
    QCOMPARE(child->spec.inactivityLimit, std::chrono::milliseconds(std::chrono::minutes(5)));
    QVERIFY(child->started);
}

void TestLookup::answers_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<bool>("error"); // "Nothing downloadable found there."
    const QString list = QStringLiteral("https://www.youtube.com/playlist?list=PL1");
    const auto row = [&](const char* name, const QByteArray& answer, const char* title,
                         const QStringList& expected, const QString& input = {}) {
        QTest::newRow(name) << (input.isEmpty() ? list : input) << answer
                            << QString::fromUtf8(title) << expected << expected.isEmpty();
    };
    const QString a = QStringLiteral("a"), b = QStringLiteral("b"), c = QStringLiteral("c");
    row("single video: no heading", R"({"id":"v","title":"My video","extractor_key":"Generic"})",
        "", {QStringLiteral("v")}, QStringLiteral("https://youtu.be/v"));
    row("playlist in order", mix, "Mix", {a, b});
    row("nulls in entries", R"({"title":"P","entries":[null,{"id":"a"},null,{"id":"b"}]})", "P",
        {a, b});
    row("first of repeated ids", R"({"title":"P","entries":[{"id":"a"},{"id":"b"},{"id":"a"}]})",
        "P", {a, b});
    row("missing, empty and numeric ids",
        R"({"title":"Feed","entries":[{"url":"http://x/a.mp4"},{"id":""},{"id":7},{"id":"c"}]})",
        "Feed", {c});
    row("no title", R"({"entries":[{"id":"a"}]})", "Playlist", {a});
    row("numeric title", R"({"title":5,"entries":[{"id":"a"}]})", "Playlist", {a});
    row("null title", R"({"title":null,"entries":[{"id":"a"}]})", "Playlist", {a});
    row("empty title", R"({"title":"","entries":[{"id":"a"}]})", "", {a});
    row("entries of another shape: one video", R"({"id":"v","entries":{"id":"x"}})", "",
        {QStringLiteral("v")});
    row("search heading", R"({"title":"lofi beats","entries":[{"id":"a"}]})",
        "Search: lofi  beats", {a}, QStringLiteral("  lofi  beats "));
    row("empty playlist", R"({"title":"Chan - Videos","entries":[]})", "Chan - Videos", {});
    row("no ids at all", R"({"title":"Feed","entries":[{"url":"u"}]})", "Feed", {});
    row("empty object", "{}", "", {});
}

void TestLookup::answers()
{
    QFETCH(QString, input);
    QFETCH(QByteArray, answer);
    QFETCH(QString, title);
    QFETCH(QStringList, ids);
    QFETCH(bool, error);

    // Whenever the scanner is sure, it reads what parse() reads, however the
    // answer is cut.
    const Listing parsed = parse(QJsonDocument::fromJson(answer).object());
    const std::optional<ListingScanner::Result> whole = ListingScanner::scan(answer);
    QCOMPARE(whole.has_value(), answer.contains("\"entries\":["));
    for (int round = 0; round < 20 && whole; ++round) {
        ListingScanner scanner;
        for (qsizetype at = 0; at < answer.size();) {
            const qsizetype n = QRandomGenerator::global()->bounded(1, 8);
            scanner.feed(QByteArrayView(answer).sliced(at, std::min(n, answer.size() - at)));
            at += n;
        }
        const std::optional<ListingScanner::Result> pieces = scanner.finish();
        QVERIFY(pieces);
        QCOMPARE(pieces->listing.title, parsed.title);
        QCOMPARE(pieces->listing.items, parsed.items);
        QCOMPARE(pieces->ids, QSet<QString>(ids.cbegin(), ids.cend()));
    }

    Fixture f;
    QSignalSpy results(&f.lookup(), &Lookup::resultsChanged);
    QVERIFY(lookUp(f, input, answer));
    QCOMPARE(::ids(f.lookup().results()), ids);
    QCOMPARE(f.lookup().resultsTitle(), title);
    QCOMPARE(f.lookup().selected(), QSet<QString>(ids.cbegin(), ids.cend()));
    QCOMPARE(f.lookup().selectedItems(), f.lookup().results());
    QCOMPARE(f.lookup().fetchError(),
             error ? std::optional(QStringLiteral("Nothing downloadable found there."))
                   : std::nullopt);
    QCOMPARE(results.count(), 1);
}

void TestLookup::errors_data()
{
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err");
    QTest::addColumn<int>("code");
    QTest::addColumn<ChildExit::Kind>("kind");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("expected");
    const QString couldNot = QStringLiteral("Couldn't load that link.");
    using K = ChildExit::Kind;
    QTest::newRow("last ERROR line")
        << QByteArray("null") << QByteArray("WARNING: w\nERROR: first\nERROR: [generic] second\n")
        << 1 << K::exited << QString() << QStringLiteral("[generic] second");
    QTest::newRow("failure without ERROR line")
        << QByteArray() << QByteArray("Traceback\n") << 1 << K::exited << QString() << couldNot;
    QTest::newRow("success, but not an object")
        << QByteArray("null") << QByteArray() << 0 << K::exited << QString() << couldNot;
    QTest::newRow("success, not JSON, an ERROR line")
        << QByteArray("{\"id\":") << QByteArray("ERROR: Private video\n") << 0 << K::exited
        << QString() << QStringLiteral("Private video");
    QTest::newRow("failed to start") << QByteArray() << QByteArray() << 0 << K::failedToStart
                                     << QStringLiteral("Permission denied")
                                     << QStringLiteral("Permission denied");
    QTest::newRow("silent too long") << QByteArray(R"({"entries":[)") << QByteArray() << 15
                                     << K::inactive << QString()
                                     << QStringLiteral("yt-dlp stopped answering.");
}

void TestLookup::errors()
{
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);
    QFETCH(int, code);
    QFETCH(ChildExit::Kind, kind);
    QFETCH(QString, message);
    QFETCH(QString, expected);

    // An earlier list stays as it was, ticks included.
    Fixture f;
    QVERIFY(lookUp(f, QStringLiteral("https://www.youtube.com/playlist?list=PL1"), mix));
    f.lookup().setSelected({QStringLiteral("b")});

    FakeChild* child = start(f, QStringLiteral("https://youtu.be/zz"));
    QVERIFY(child);
    QVERIFY(f.lookup().isFetching());
    child->print(out);
    child->stderrTail = err;
    child->end(code, kind, message);
    QTRY_VERIFY_WITH_TIMEOUT(!f.lookup().isFetching(), 30000);
    QCOMPARE(f.lookup().fetchError(), std::optional(expected));
    QCOMPARE(ids(f.lookup().results()), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    QCOMPARE(f.lookup().resultsTitle(), QStringLiteral("Mix"));
    QCOMPARE(f.lookup().selected(), QSet<QString>{QStringLiteral("b")});

    // The next lookup clears the error as it starts.
    QVERIFY(start(f, QStringLiteral("words")));
    QCOMPARE(f.lookup().fetchError(), std::nullopt);
}

void TestLookup::engineMissing()
{
    Fixture f(false);
    QCOMPARE(start(f, QStringLiteral("words")), nullptr);
    QVERIFY(!f.lookup().isFetching());
    QCOMPARE(f.lookup().fetchError().value_or(QString()),
             QStringLiteral("The download engine is still being set up. Try again in a moment."));
    // Nor does blank input start anything.
    Fixture g;
    QCOMPARE(start(g, QStringLiteral(" \n\t ")), nullptr);
    QVERIFY(!g.lookup().isFetching());
}

void TestLookup::secondFetchWhileRunning()
{
    Fixture f;
    FakeChild* child = start(f, QStringLiteral("cats"));
    QVERIFY(child);
    QSignalSpy fetching(&f.lookup(), &Lookup::isFetchingChanged);
    QCOMPARE(start(f, QStringLiteral("dogs")), nullptr);
    QCOMPARE(fetching.count(), 0);
    QCOMPARE(child->stops, 0);
    // The heading names what was looked up, not what the field holds now.
    child->print(mix);
    child->end(0);
    QTRY_VERIFY_WITH_TIMEOUT(!f.lookup().isFetching(), 30000);
    QCOMPARE(f.lookup().resultsTitle(), QStringLiteral("Search: cats"));
    QCOMPARE(f.runner->children.size(), 1);
}

void TestLookup::stopKeepsThePreviousOutcome()
{
    Fixture f;
    QVERIFY(lookUp(f, QStringLiteral("https://www.youtube.com/playlist?list=PL1"), mix));
    f.lookup().setSelected({QStringLiteral("a")});
    // Stopping with nothing running does nothing.
    QSignalSpy fetching(&f.lookup(), &Lookup::isFetchingChanged);
    f.lookup().stop();
    QCOMPARE(fetching.count(), 0);

    FakeChild* child = start(f, QStringLiteral("dogs"));
    QVERIFY(child);
    child->print(R"({"title":"Dogs","entr)");
    QSignalSpy results(&f.lookup(), &Lookup::resultsChanged);
    QSignalSpy errors(&f.lookup(), &Lookup::fetchErrorChanged);
    f.lookup().stop();
    QVERIFY(!f.lookup().isFetching());
    QCOMPARE(child->stops, 1);

    // What the stopped run still says or how it ends does not matter.
    child->print(R"(ies":[{"id":"d"}]})");
    child->end(0);
    settle();
    QCOMPARE(results.count(), 0);
    QCOMPARE(errors.count(), 0);
    QCOMPARE(f.lookup().fetchError(), std::nullopt);
    QCOMPARE(ids(f.lookup().results()), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    QCOMPARE(f.lookup().resultsTitle(), QStringLiteral("Mix"));
    QCOMPARE(f.lookup().selected(), QSet<QString>{QStringLiteral("a")});

    // A stopped run that fails is as silent; a new lookup runs as usual.
    FakeChild* next = start(f, QStringLiteral("birds"));
    QVERIFY(next && next != child);
    f.lookup().stop();
    next->stderrTail = "ERROR: gone\n";
    next->end(1);
    settle();
    QCOMPARE(f.lookup().fetchError(), std::nullopt);
    QVERIFY(lookUp(f, QStringLiteral("birds"), R"({"title":"B","entries":[{"id":"x"}]})"));
    QCOMPARE(f.lookup().resultsTitle(), QStringLiteral("Search: birds"));
}

QTEST_GUILESS_MAIN(TestLookup)
#include "tst_lookup.moc"
