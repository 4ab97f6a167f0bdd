// ListingScanner against the QJsonDocument path it stands in for: whenever
// the scanner is sure of an answer, its listing must equal what
// QJsonDocument and AppModel::parse() make of the same text, however the
// text is cut into pieces. Tricky answers, mutated answers and whole
// lookups through the model.
#include "AppModel.h"
#include "FakeYtdlp.h"
#include "Fakes.h"
#include "ListingScanner.h"
#include "TestEnv.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using namespace reelcatch;

using namespace Qt::StringLiterals;

// Declared before the answers below: moc reads raw strings holding "//" as
// comments.
class TestListingScanner : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(); }
    void answers_data();
    void answers();
    void mutatedAnswers();
    void lookupsThroughTheModel_data();
    void lookupsThroughTheModel();
};

namespace {

// What the model made of an answer before the scanner existed.
std::optional<AppModel::Listing> reference(const QByteArray& text)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    return AppModel::parse(doc.object());
}

std::optional<ListingScanner::Result> scanInPieces(const QByteArray& text, qsizetype piece)
{
    ListingScanner scanner;
    for (qsizetype at = 0; at < text.size(); at += piece)
        scanner.feed(QByteArrayView(text).sliced(at, std::min(piece, text.size() - at)));
    return scanner.finish();
}

// Empty when the scanner's result agrees with the reference; what differs otherwise.
QString disagreement(const ListingScanner::Result& scanned,
                     const std::optional<AppModel::Listing>& expected)
{
    if (!expected)
        return u"the scanner read an answer QJsonDocument refuses"_s;
    if (scanned.listing.title != expected->title)
        return u"title %1 instead of %2"_s.arg(scanned.listing.title, expected->title);
    const QList<VideoItem>& items = scanned.listing.items;
    if (items.size() != expected->items.size())
        return u"%1 items instead of %2"_s.arg(items.size()).arg(expected->items.size());
    QSet<QString> ids;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const VideoItem& a = items[i];
        const VideoItem& b = expected->items[i];
        // operator== does not tell -0.0 from 0.0.
        const bool sameSign = !a.duration() || !b.duration() ||
                              std::signbit(*a.duration()) == std::signbit(*b.duration());
        if (a != b || !sameSign || qHash(a) != qHash(b)) {
            return u"item %1 differs: %2|%3|%4|%5|%6 against %7|%8|%9|%10|%11"_s.arg(i)
                .arg(a.id(), a.title(), a.channel(), a.url(),
                     a.thumbnail().value_or(QUrl()).toString())
                .arg(b.id(), b.title(), b.channel(), b.url(),
                     b.thumbnail().value_or(QUrl()).toString());
        }
        ids.insert(a.id());
    }
    if (scanned.ids != ids)
        return u"the ids differ from the items' ids"_s;
    return {};
}

// Checks the scanner on `text` fed whole and in pieces of several sizes;
// returns whether it was sure every time (it must be all or never).
bool agrees(const QByteArray& text, QString* failure)
{
    const std::optional<AppModel::Listing> expected = reference(text);
    std::optional<bool> sure;
    for (qsizetype piece : {text.size() + 1, qsizetype(1), qsizetype(2), qsizetype(3), qsizetype(7),
                            qsizetype(64), qsizetype(1000)}) {
        const std::optional<ListingScanner::Result> scanned = scanInPieces(text, piece);
        if (sure && *sure != scanned.has_value()) {
            *failure = u"sure with some pieces and not with others (piece %1)"_s.arg(piece);
            return false;
        }
        sure = scanned.has_value();
        if (scanned) {
            if (const QString d = disagreement(*scanned, expected); !d.isEmpty()) {
                *failure = d + u" (piece %1)"_s.arg(piece);
                return false;
            }
        }
    }
    return *sure;
}

QByteArray ytEntry(const QByteArray& id, const QByteArray& title)
{
    return R"({"_type": "url", "ie_key": "Youtube", "id": ")" + id +
           R"(", "url": "https://www.youtube.com/watch?v=)" + id + R"(", "title": ")" + title +
           R"(", "description": null, "duration": 212.0, "channel_id": "UCx", "channel": "Chan", )"
           R"("channel_url": "https://www.youtube.com/channel/UCx", "uploader": "Chan", )"
           R"("thumbnails": [{"url": "https://i.ytimg.com/vi/)" +
           id +
           R"(/hqdefault.jpg?sqp=a&rs=b", "height": 94, "width": 168}], )"
           R"("view_count": 1234, "live_status": null})";
}

QByteArray playlistOf(const QList<QByteArray>& entries, const QByteArray& before = {},
                      const QByteArray& after = {})
{
    QByteArray text = R"({"id": "PL", "title": "A list", )" + before + R"("entries": [)";
    for (qsizetype i = 0; i < entries.size(); ++i)
        text += (i ? ", " : "") + entries[i];
    return text + "]" + after + R"(, "_type": "playlist", "epoch": 1700000000})" + "\n";
}

QByteArray withEntry(const QByteArray& entry)
{
    return playlistOf({ytEntry("aaaaaaaaaaa", "First"), entry, ytEntry("bbbbbbbbbbb", "Last")});
}

// An entry of another site: its own address and thumbnails count.
QByteArray plainEntry(const QByteArray& members)
{
    return R"({"id": "p1", "title": "Plain", )" + members + "}";
}

} // namespace

void TestListingScanner::answers_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("sure"); // the scanner is expected to read it itself

    const auto row = [](const char* tag, const QByteArray& text, bool sure) {
        QTest::newRow(tag) << text << sure;
    };
    const QByteArray a = ytEntry("aaaaaaaaaaa", "First");

    row("yt-dlp's playlist", playlistOf({a, ytEntry("b", "Second")}), true);
    row("compact", R"({"title":"T","entries":[{"id":"x","title":"X","ie_key":"Youtube"}]})", true);
    row("pretty, tabs and CR LF",
        "{\r\n\t\"title\" : \"T\" ,\r\n\t\"entries\" :\t[\r\n\t\t{ \"id\" : \"x\" "
        "}\r\n\t]\r\n}\r\n",
        true);
    row("no entries at all", R"({"title": "T", "entries": []})", true);
    row("empty object", "{}", false);
    row("entries of every kind",
        withEntry(R"(null, 5, -2.5, "s", true, false, [], [1, {"id": "in array"}], {})"), true);
    row("ids: missing, empty, numeric, null, repeated",
        withEntry(R"({"title": "no id"}, {"id": ""}, {"id": 7}, {"id": null}, )" + a), true);
    row("title: missing", R"({"entries": [{"id": "x"}]})", true);
    row("title: null", R"({"title": null, "entries": [{"id": "x"}]})", true);
    row("title: number", R"({"title": 12, "entries": [{"id": "x"}]})", true);
    row("title: empty", R"({"title": "", "entries": [{"id": "x"}]})", true);
    row("title: object", R"({"title": {"a": [1]}, "entries": [{"id": "x"}]})", true);
    row("title after the entries", R"({"entries": [{"id": "x"}], "title": "Late"})", true);
    row("escapes", withEntry(ytEntry("e", R"(q\" b\\ s\/ \b\f\n\r\t \u00e9 \u266b \ud83c\udfb5)")),
        true);
    row("raw UTF-8",
        withEntry(ytEntry("u", "Caf\xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac \xf0\x9f\x8e\xb5")), true);
    row("lone high surrogate", withEntry(ytEntry("s", R"(x \ud83c y)")), false);
    row("lone low surrogate", withEntry(ytEntry("s", R"(x \udfb5 y)")), false);
    row("surrogates reversed", withEntry(ytEntry("s", R"(\udfb5\ud83c)")), false);
    row("escaped NUL", withEntry(ytEntry("z", R"(a\u0000b)")), false);
    row("bad escape", withEntry(ytEntry("z", R"(a\qb)")), false);
    row("bad hex", withEntry(ytEntry("z", R"(a\u12g4)")), false);
    row("raw tab in a string", withEntry(ytEntry("t", "a\tb")), false);
    row("raw newline in a string", withEntry(ytEntry("t", "a\nb")), false);
    row("overlong UTF-8", withEntry(ytEntry("o", "a\xc0\x80")), false);
    row("UTF-8 surrogate", withEntry(ytEntry("o", "a\xed\xa0\x80")), false);
    row("UTF-8 beyond U+10FFFF", withEntry(ytEntry("o", "a\xf4\x90\x80\x80")), false);
    row("UTF-8 cut short", withEntry(ytEntry("o", "a\xe6\x97")), false);
    row("stray continuation byte", withEntry(ytEntry("o", "a\x80")), false);
    row("noncharacter", withEntry(ytEntry("o", "a\xef\xbf\xbe")), false);
    row("byte order mark inside",
        withEntry(ytEntry("o", "\xef\xbb\xbf"
                               "a")),
        false);
    row("byte order mark first", "\xef\xbb\xbf" + playlistOf({a}), false);
    row("escaped noncharacter", withEntry(ytEntry("o", R"(\uffff)")), false);

    // Durations and numbers anywhere.
    const auto duration = [](const QByteArray& d) {
        return withEntry(plainEntry(R"("duration": )" + d + R"(, "count": 1)"));
    };
    row("duration integer", duration("212"), true);
    row("duration fraction", duration("212.5"), true);
    row("duration zero", duration("0"), true);
    row("duration negative", duration("-3"), true);
    row("duration negative zero", duration("-0"), false);
    row("duration negative zero fraction", duration("-0.0"), false);
    row("duration long fraction", duration("0.1000000000000000055511151231257827"), true);
    row("duration 2^53 + 1", duration("9007199254740993"), true);
    row("duration int64 max", duration("9223372036854775807"), true);
    row("duration beyond int64", duration("9223372036854775808"), false);
    row("duration exponent", duration("1e3"), false);
    row("duration huge exponent", duration("1e400"), false);
    row("duration leading zero", duration("012"), false);
    row("duration dot without digits", duration("1."), false);
    row("duration bare dot", duration(".5"), false);
    row("duration plus", duration("+1"), false);
    row("duration minus alone", duration("-"), false);
    row("duration string", duration(R"("212")"), true);
    row("duration null", duration("null"), true);
    row("duration array", duration("[1]"), true);

    // Repeated keys: the relevant ones are left to QJsonDocument.
    row("id twice", withEntry(R"({"id": "x", "id": "y"})"), false);
    row("title twice", withEntry(R"({"id": "x", "title": "1", "title": "2"})"), false);
    row("duration twice", withEntry(R"({"id": "x", "duration": 1, "duration": 2})"), false);
    row("thumbnails twice", withEntry(plainEntry(R"("thumbnails": [], "thumbnails": [])")), false);
    row("other key twice", withEntry(R"({"id": "x", "view_count": 1, "view_count": 2})"), true);
    row("entries twice", R"({"entries": [{"id": "x"}], "entries": [{"id": "y"}]})", false);
    row("top-level title twice", R"({"title": "1", "title": "2", "entries": []})", false);
    row("top-level other key twice", R"({"id": "1", "id": "2", "entries": [{"id": "x"}]})", true);
    row("escaped key", withEntry(R"({"\u0069d": "x"})"), false);
    row("escaped key in a nested object", withEntry(R"({"id": "x", "o": {"\u0069d": 1}})"), true);

    // Where addresses and thumbnails come from.
    row("webpage_url wins",
        withEntry(plainEntry(R"("webpage_url": "https://w/1", "url": "https://u/1")")), true);
    row("url not http", withEntry(plainEntry(R"("url": "ftp://u/1")")), true);
    row("extractor_key", withEntry(R"({"id": "x", "extractor_key": "YoutubeTab"})"), true);
    row("ie_key not a string", withEntry(R"({"id": "x", "ie_key": 1, "extractor_key": "Youtube"})"),
        true);
    row("ie_key of another site", withEntry(R"({"id": "x", "ie_key": "Vimeo"})"), true);
    row("thumbnail", withEntry(plainEntry(R"("thumbnail": "https://t/1.jpg")")), true);
    row("thumbnail with a space", withEntry(plainEntry(R"("thumbnail": "https://t/1 2.jpg")")),
        true);
    row("thumbnails: the last url",
        withEntry(plainEntry(R"("thumbnails": [{"url": "https://t/1"}, {"url": "https://t/2"}])")),
        true);
    row("thumbnails: empty", withEntry(plainEntry(R"("thumbnails": [])")), true);
    row("thumbnails: not only objects",
        withEntry(plainEntry(R"("thumbnails": [{"url": "https://t/1"}, null])")), true);
    row("thumbnails: last url not a string",
        withEntry(plainEntry(R"("thumbnails": [{"url": "https://t/1"}, {"url": 5}])")), true);
    row("thumbnails: last without url",
        withEntry(plainEntry(R"("thumbnails": [{"url": "https://t/1"}, {}])")), true);
    row("thumbnails: empty url", withEntry(plainEntry(R"("thumbnails": [{"url": ""}])")), true);
    row("thumbnails: escaped url",
        withEntry(plainEntry(R"("thumbnails": [{"url": "https:\/\/t\/\u00e9"}])")), true);
    row("thumbnails: url twice",
        withEntry(plainEntry(R"("thumbnails": [{"url": "https://t/1", "url": "https://t/2"}])")),
        false);
    row("thumbnails: not an array", withEntry(plainEntry(R"("thumbnails": {"url": "x"})")), true);
    row("channel and uploader",
        playlistOf({R"({"id": "1", "channel": "Caf\u00e9"})", R"({"id": "2", "channel": "Café"})",
                    R"({"id": "3", "channel": "", "uploader": "Up"})",
                    R"({"id": "4", "channel": null, "uploader": "Up"})",
                    R"({"id": "5", "uploader": "Caf\u00e9"})", R"({"id": "6"})"}),
        true);

    // Answers that are no playlist, or no JSON object at all.
    row("single video", R"({"id": "v", "title": "One", "webpage_url": "https://x/v"})", false);
    row("entries null", R"({"id": "v", "entries": null})", false);
    row("entries an object", R"({"id": "v", "entries": {"id": "w"}})", false);
    row("top-level array", R"([{"id": "a"}])", false);
    row("null", "null", false);
    row("nothing", "", false);
    row("blanks only", " \n", false);
    row("garbage after", playlistOf({a}) + "x", false);
    row("a second object after", playlistOf({a}) + "{}", false);
    row("blanks after", playlistOf({a}) + " \n\t\r\n", true);
    row("cut short", playlistOf({a}).chopped(3), false);
    row("cut inside an entry", playlistOf({a}).left(80), false);
    row("trailing comma in entries", R"({"entries": [{"id": "x"},]})", false);
    row("trailing comma in an entry", R"({"entries": [{"id": "x",}]})", false);
    row("missing comma", R"({"entries": [{"id": "x"} {"id": "y"}]})", false);
    row("bad literal", withEntry(R"({"id": "x", "a": nul})"), false);
    row("literal cut", withEntry(R"({"id": "x", "a": nulll})"), false);
    row("single quotes", R"({'entries': []})", false);
    row("deep nesting",
        withEntry(R"({"id": "x", "a": )" + QByteArray(100, '[') + QByteArray(100, ']') + "}"),
        false);
    row("very deep nesting",
        withEntry(R"({"id": "x", "a": )" + QByteArray(3000, '[') + QByteArray(3000, ']') + "}"),
        false);
    row("nesting within reach",
        withEntry(R"({"id": "x", "a": )" + QByteArray(40, '[') + QByteArray(40, ']') + "}"), true);
}

void TestListingScanner::answers()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, sure);
    QString failure;
    const bool wasSure = agrees(text, &failure);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(wasSure, sure);
}

void TestListingScanner::mutatedAnswers()
{
    // A varied answer, mutated at random: whatever the scanner is sure of
    // must be what QJsonDocument reads.
    const QByteArray base = playlistOf(
        {ytEntry("aaaaaaaaaaa", R"(Caf\u00e9 \"x\" \ud83c\udfb5)"), R"(null)",
         plainEntry(
             R"("duration": 12.5, "thumbnails": [{"url": "https://t/1"}, {"url": "https://t/2?a=1&b"}], "webpage_url": "https://w/p1")"),
         R"({"id": "c", "channel": "Ch)"
         "\xc3\xa9"
         R"(", "uploader": "U", "duration": -7, "extractor_key": "Generic", "thumbnail": "https://t/c.jpg", "x": [true, false, null, {"y": []}]})",
         ytEntry("bbbbbbbbbbb", "Second")},
        R"("playlist_count": 5, "thumbnails": [], )", R"(, "webpage_url": "https://w")");
    const QByteArray alphabet = R"({}[]",:\ 0123456789.-+eEtrufalsn/)"
                                "\xc3\xa9\x80\xff\t\n";
    QString baseFailure;
    QVERIFY2(agrees(base, &baseFailure), qPrintable(baseFailure));
    QRandomGenerator random(4242);
    int sure = 0;
    for (int round = 0; round < 4000; ++round) {
        QByteArray text = base;
        const int edits = 1 + random.bounded(3);
        for (int e = 0; e < edits; ++e) {
            const char c = alphabet[random.bounded(int(alphabet.size()))];
            if (text.isEmpty()) {
                text.append(c);
                continue;
            }
            const qsizetype at = random.bounded(int(text.size()));
            switch (random.bounded(4)) {
            case 0:
                text[at] = c;
                break;
            case 1:
                text.insert(at, c);
                break;
            case 2:
                text.remove(at, 1 + random.bounded(3));
                break;
            default:
                text.truncate(at);
                break;
            }
        }
        QString failure;
        sure += agrees(text, &failure);
        QVERIFY2(failure.isEmpty(), qPrintable(failure + u"\n"_s + QString::fromUtf8(text)));
    }
    // The mutations leave many answers readable, and those were read.
    QVERIFY2(sure > 400, qPrintable(QString::number(sure)));
}

void TestListingScanner::lookupsThroughTheModel_data()
{
    QTest::addColumn<QByteArray>("text");

    // Big enough to arrive in many pieces, with the tricky part at the start,
    // in the middle or at the end.
    QList<QByteArray> entries;
    for (int i = 0; i < 6000; ++i)
        entries << ytEntry("id" + QByteArray::number(i % 5500), "Title " + QByteArray::number(i));
    const QByteArray tricky = R"({"id": "dup", "id": "dup2", "title": "T"})";
    QTest::newRow("plain") << playlistOf(entries);
    for (qsizetype at : {qsizetype(0), entries.size() / 2, entries.size()}) {
        QList<QByteArray> withTricky = entries;
        withTricky.insert(at, tricky);
        QTest::newRow(qPrintable(u"repeated key at %1"_s.arg(at))) << playlistOf(withTricky);
    }
    QTest::newRow("exponent at the end") << playlistOf(entries, {}, R"(, "epoch2": 1.7e9)");
    QTest::newRow("cut short") << playlistOf(entries).chopped(10);
    QTest::newRow("single video") << QByteArray(R"({"id": "v", "webpage_url": "https://x/v"})");
}

void TestListingScanner::lookupsThroughTheModel()
{
    QFETCH(QByteArray, text);
    TestEnv env;
    FakeYtdlp fake(env.supportDir());
    Engine engine(env.engineConfig());
    Prefs prefs(env.settingsPath(), env.downloadsDir());
    FakeInstaller installer;
    AppModel model(engine, prefs, installer);
    const QString answer = TestEnv::writeFile(env.path(u"answer.json"_s), text);
    fake.setScript(u"out-file "_s + answer);

    model.setInput(u"https://example.org/list"_s);
    model.fetch();
    QVERIFY(QTest::qWaitFor([&] { return !model.isFetching(); }, 60000));

    const std::optional<AppModel::Listing> expected = reference(text);
    if (!expected) {
        QCOMPARE(model.fetchError().value_or(QString()), u"Couldn't load that link."_s);
        return;
    }
    QCOMPARE(model.resultsTitle(), expected->title);
    QCOMPARE(model.results(), expected->items);
    QSet<QString> ids;
    for (const VideoItem& item : expected->items)
        ids.insert(item.id());
    QCOMPARE(model.selected(), ids);
}

QTEST_GUILESS_MAIN(TestListingScanner)
#include "tst_listingscanner.moc"
