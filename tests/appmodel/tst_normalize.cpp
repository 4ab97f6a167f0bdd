// What yt-dlp is asked to look up for what the user typed, pasted or dropped,
// and how its answer becomes a heading and a list.
#include "AppModel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

using namespace reelcatch;

namespace {

QJsonObject json(const char* text)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray(text), &error);
    if (error.error != QJsonParseError::NoError)
        qFatal("bad fixture: %s", qPrintable(error.errorString()));
    return doc.object();
}

QStringList ids(const QList<VideoItem>& items)
{
    QStringList out;
    for (const VideoItem& item : items)
        out << item.id();
    return out;
}

} // namespace

class TestNormalizeAndParse : public QObject {
    Q_OBJECT
private slots:
    void normalize_data();
    void normalize();
    void parse_data();
    void parse();
    void parseKeepsItemFields();
};

void TestNormalizeAndParse::normalize_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("target");

    // Searches.
    QTest::newRow("words, trimmed, inner spaces kept")
        << QStringLiteral("  lofi  hip hop \n") << QStringLiteral("ytsearch30:lofi  hip hop");
    QTest::newRow("bare handle is a search")
        << QStringLiteral("@SomeChannel") << QStringLiteral("ytsearch30:@SomeChannel");
    QTest::newRow("another site's domain without scheme is a search")
        << QStringLiteral("vimeo.com/12345") << QStringLiteral("ytsearch30:vimeo.com/12345");
    QTest::newRow("option-like words stay words")
        << QStringLiteral("--version") << QStringLiteral("ytsearch30:--version");
    QTest::newRow("host prefix tests are case-sensitive")
        << QStringLiteral("YouTube.com/@x") << QStringLiteral("ytsearch30:YouTube.com/@x");

    // Addresses left as they are, apart from a missing scheme.
    QTest::newRow("watch page without scheme keeps its playlist parameter")
        << QStringLiteral("www.youtube.com/watch?v=abc123&list=PL9")
        << QStringLiteral("https://www.youtube.com/watch?v=abc123&list=PL9");
    QTest::newRow("short link only gains the scheme")
        << QStringLiteral("youtu.be/abc123?t=5") << QStringLiteral("https://youtu.be/abc123?t=5");
    QTest::newRow("short link with scheme untouched")
        << QStringLiteral("https://youtu.be/@handle") << QStringLiteral("https://youtu.be/@handle");
    QTest::newRow("other site with scheme untouched")
        << QStringLiteral("http://127.0.0.1:8080/clip.mp4")
        << QStringLiteral("http://127.0.0.1:8080/clip.mp4");
    QTest::newRow("www prefix of another site gains scheme")
        << QStringLiteral("www.example.com/@x") << QStringLiteral("https://www.example.com/@x");
    QTest::newRow("channel with a third segment is not rewritten")
        << QStringLiteral("https://www.youtube.com/channel/UC123/videos")
        << QStringLiteral("https://www.youtube.com/channel/UC123/videos");
    QTest::newRow("handle with a second segment is not rewritten")
        << QStringLiteral("https://www.youtube.com/@name/shorts")
        << QStringLiteral("https://www.youtube.com/@name/shorts");
    QTest::newRow("playlist page untouched")
        << QStringLiteral("https://www.youtube.com/playlist?list=PL1")
        << QStringLiteral("https://www.youtube.com/playlist?list=PL1");
    QTest::newRow("unknown first segment of two untouched")
        << QStringLiteral("https://www.youtube.com/shorts/abc")
        << QStringLiteral("https://www.youtube.com/shorts/abc");

    // Channel addresses rewritten to their video list on the main host.
    QTest::newRow("handle after bare domain without scheme")
        << QStringLiteral("youtube.com/@name")
        << QStringLiteral("https://www.youtube.com/@name/videos");
    QTest::newRow("handle with a query and fragment drops both")
        << QStringLiteral("https://www.youtube.com/@name?si=xyz#top")
        << QStringLiteral("https://www.youtube.com/@name/videos");
    QTest::newRow("handle with trailing slash")
        << QStringLiteral("https://m.youtube.com/@name/")
        << QStringLiteral("https://www.youtube.com/@name/videos");
    QTest::newRow("channel id on the music host runs on the main host")
        << QStringLiteral("https://music.youtube.com/channel/UCabc")
        << QStringLiteral("https://www.youtube.com/channel/UCabc/videos");
    QTest::newRow("legacy c and user paths")
        << QStringLiteral("http://youtube.com/c/Legacy")
        << QStringLiteral("https://www.youtube.com/c/Legacy/videos");
    QTest::newRow("user path on the mobile host without scheme")
        << QStringLiteral("m.youtube.com/user/Old")
        << QStringLiteral("https://www.youtube.com/user/Old/videos");
    // The path goes back into an address: escaped delimiters must stay escaped
    // there, or "%3F" would start a query and "%23" a fragment.
    QTest::newRow("escaped question mark in a handle")
        << QStringLiteral("youtube.com/@nam%3Fe")
        << QStringLiteral("https://www.youtube.com/@nam%3Fe/videos");
    QTest::newRow("escaped hash, percent and space in a channel name")
        << QStringLiteral("https://www.youtube.com/c/a%23b%25c%20d?x=1")
        << QStringLiteral("https://www.youtube.com/c/a%23b%25c%20d/videos");
    QTest::newRow("escaped slash is not a segment break")
        << QStringLiteral("https://www.youtube.com/channel%2FUCabc")
        << QStringLiteral("https://www.youtube.com/channel%2FUCabc");
    QTest::newRow("non-ASCII handle, typed or escaped, stays readable")
        << QStringLiteral("https://www.youtube.com/@Caf%C3%A9")
        << QStringLiteral("https://www.youtube.com/@Caf\u00e9/videos");
}

void TestNormalizeAndParse::normalize()
{
    QFETCH(QString, input);
    QFETCH(QString, target);
    QCOMPARE(AppModel::normalize(input), target);
}

void TestNormalizeAndParse::parse_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("ids");

    QTest::newRow("playlist keeps order, first of repeated ids wins")
        << QByteArray(R"({"title":"Mix","entries":[{"id":"a","title":"A1"},{"id":"b"},)"
                      R"({"id":"a","title":"A2"},{"id":"c"},{"id":"a"}]})")
        << QStringLiteral("Mix")
        << QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    QTest::newRow("entries without ids skipped")
        << QByteArray(
               R"({"title":"Feed","entries":[{"url":"http://x/a.mp4"},{"id":""},{"id":7},{"id":"ok"}]})")
        << QStringLiteral("Feed") << QStringList{QStringLiteral("ok")};
    QTest::newRow("playlist without title")
        << QByteArray(R"({"entries":[{"id":"a"}]})") << QStringLiteral("Playlist")
        << QStringList{QStringLiteral("a")};
    QTest::newRow("playlist with empty title")
        << QByteArray(R"({"title":"","entries":[{"id":"a"}]})") << QString()
        << QStringList{QStringLiteral("a")};
    QTest::newRow("playlist with a numeric title")
        << QByteArray(R"({"title":5,"entries":[]})") << QStringLiteral("Playlist") << QStringList{};
    QTest::newRow("null entries do not hide the others")
        << QByteArray(R"({"title":"P","entries":[null,{"id":"a"},null,{"id":"b"}]})")
        << QStringLiteral("P") << QStringList{QStringLiteral("a"), QStringLiteral("b")};
    QTest::newRow("nested playlist entry is one item")
        << QByteArray(
               R"({"title":"Chan","entries":[{"_type":"playlist","id":"UCx - Videos","title":"Videos"}]})")
        << QStringLiteral("Chan") << QStringList{QStringLiteral("UCx - Videos")};
    QTest::newRow("single video")
        << QByteArray(R"({"id":"clip","title":"clip","extractor_key":"Generic"})") << QString()
        << QStringList{QStringLiteral("clip")};
    QTest::newRow("single video with a title does not use it as heading")
        << QByteArray(R"({"id":"v","title":"My video"})") << QString()
        << QStringList{QStringLiteral("v")};
    QTest::newRow("entries of another shape: taken as one video")
        << QByteArray(R"({"id":"v","title":"T","entries":{"id":"x"}})") << QString()
        << QStringList{QStringLiteral("v")};
    QTest::newRow("empty object") << QByteArray("{}") << QString() << QStringList{};
}

void TestNormalizeAndParse::parse()
{
    QFETCH(QByteArray, answer);
    QFETCH(QString, title);
    QFETCH(QStringList, ids);
    const AppModel::Listing listing = AppModel::parse(json(answer.constData()));
    QCOMPARE(listing.title, title);
    QCOMPARE(::ids(listing.items), ids);
}

void TestNormalizeAndParse::parseKeepsItemFields()
{
    const AppModel::Listing listing = AppModel::parse(json(R"({"title":"T","entries":[
        {"id":"abc","title":"First","channel":"Chan","duration":61.5,"ie_key":"Youtube",
         "url":"https://www.youtube.com/watch?v=abc"},
        {"id":"abc","title":"Second"}]})"));
    QCOMPARE(listing.items.size(), 1);
    const VideoItem& item = listing.items.first();
    QCOMPARE(item.title(), QStringLiteral("First"));
    QCOMPARE(item.channel(), QStringLiteral("Chan"));
    QCOMPARE(item.duration().value_or(0), 61.5);
    QCOMPARE(item.url(), QStringLiteral("https://www.youtube.com/watch?v=abc"));
    QCOMPARE(item.thumbnail().value_or(QUrl()),
             QUrl(QStringLiteral("https://i.ytimg.com/vi/abc/mqdefault.jpg")));
}

QTEST_GUILESS_MAIN(TestNormalizeAndParse)
#include "tst_normalize.moc"
