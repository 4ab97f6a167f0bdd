#include "VideoItem.h"
#include "YouTubeHosts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QJsonObject parse(const char* text)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray(text), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        qFatal("bad test JSON: %s", text);
    return doc.object();
}

VideoItem make(const char* text)
{
    const auto item = VideoItem::fromJson(parse(text));
    if (!item)
        qFatal("test JSON yields no item: %s", text);
    return *item;
}

QString watchUrl(const QString& id)
{
    return u"https://"_s + YouTubeHosts::mainHost() + u"/watch?v="_s + id;
}

QUrl siteThumb(const QString& id)
{
    return QUrl(u"https://"_s + YouTubeHosts::thumbnailHost() + u"/vi/"_s + id +
                u"/mqdefault.jpg"_s);
}

} // namespace

class TestVideoItem : public QObject {
    Q_OBJECT
private slots:
    void rejectsObjectsWithoutUsableId_data();
    void rejectsObjectsWithoutUsableId();
    void bareIdFallsBackEverywhere();
    void siteTest_data();
    void siteTest();
    void title_data();
    void title();
    void channel_data();
    void channel();
    void duration_data();
    void duration();
    void pageUrl_data();
    void pageUrl();
    void thumbnail_data();
    void thumbnail();
    void flatPlaylistEntry();
    void fullVideoObject();
    void equalityCoversEveryField_data();
    void equalityCoversEveryField();
    void sameIdDifferentTitleIsDifferentValue();
    void usableInSetsAndVariants();
};

void TestVideoItem::rejectsObjectsWithoutUsableId_data()
{
    QTest::addColumn<QString>("json");
    QTest::newRow("empty object") << u"{}"_s;
    QTest::newRow("missing id") << uR"({"title":"T","url":"https://x.test/v"})"_s;
    QTest::newRow("empty id") << uR"({"id":"","title":"T","url":"https://x.test/v"})"_s;
    QTest::newRow("numeric id") << uR"({"id":42,"title":"T","url":"https://x.test/v"})"_s;
    QTest::newRow("null id") << uR"({"id":null,"webpage_url":"https://x.test/v"})"_s;
    QTest::newRow("object id") << uR"({"id":{"v":"abc"},"title":"T"})"_s;
    QTest::newRow("site item without id") << uR"({"ie_key":"Youtube","title":"T"})"_s;
}

void TestVideoItem::rejectsObjectsWithoutUsableId()
{
    QFETCH(QString, json);
    QVERIFY(!VideoItem::fromJson(parse(json.toUtf8().constData())).has_value());
}

void TestVideoItem::bareIdFallsBackEverywhere()
{
    const VideoItem item = make(R"({"id":"abc123"})");
    QCOMPARE(item.id(), u"abc123"_s);
    QCOMPARE(item.title(), u"abc123"_s);
    QCOMPARE(item.channel(), QString());
    QVERIFY(!item.duration().has_value());
    QCOMPARE(item.url(), u"abc123"_s);
    QVERIFY(!item.thumbnail().has_value());
}

void TestVideoItem::siteTest_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<bool>("site");

    QTest::newRow("ie_key Youtube") << uR"({"id":"v1","ie_key":"Youtube"})"_s << true;
    QTest::newRow("ie_key YoutubeTab prefix") << uR"({"id":"v1","ie_key":"YoutubeTab"})"_s << true;
    QTest::newRow("extractor_key only") << uR"({"id":"v1","extractor_key":"Youtube"})"_s << true;
    QTest::newRow("other ie_key beats matching extractor_key")
        << uR"({"id":"v1","ie_key":"Vimeo","extractor_key":"Youtube"})"_s << false;
    QTest::newRow("empty ie_key counts as missing")
        << uR"({"id":"v1","ie_key":"","extractor_key":"Youtube"})"_s << true;
    QTest::newRow("non-string ie_key counts as missing")
        << uR"({"id":"v1","ie_key":7,"extractor_key":"YoutubeTab"})"_s << true;
    QTest::newRow("lower-case youtube") << uR"({"id":"v1","ie_key":"youtube"})"_s << false;
    QTest::newRow("Youtube inside the name") << uR"({"id":"v1","ie_key":"NotYoutube"})"_s << false;
    QTest::newRow("neither key") << uR"({"id":"v1"})"_s << false;
    // The site's own addresses win over whatever the JSON says about thumbnails.
    QTest::newRow("site ignores JSON thumbnails")
        << uR"({"id":"v1","ie_key":"Youtube","thumbnail":"https://img.test/a.jpg",
               "thumbnails":[{"url":"https://img.test/b.jpg"}]})"_s
        << true;
}

void TestVideoItem::siteTest()
{
    QFETCH(QString, json);
    QFETCH(bool, site);
    const VideoItem item = make(json.toUtf8().constData());
    if (site) {
        QCOMPARE(item.url(), watchUrl(u"v1"_s));
        QVERIFY(item.thumbnail().has_value());
        QCOMPARE(*item.thumbnail(), siteThumb(u"v1"_s));
        QCOMPARE(item.thumbnail()->path(), u"/vi/v1/mqdefault.jpg"_s);
        QCOMPARE(item.thumbnail()->host(), YouTubeHosts::thumbnailHost());
    } else {
        QCOMPARE(item.url(), u"v1"_s);
        QVERIFY(!item.thumbnail().has_value());
    }
}

void TestVideoItem::title_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<QString>("title");
    QTest::newRow("present") << uR"({"id":"v","title":"A film"})"_s << u"A film"_s;
    QTest::newRow("empty falls back to id") << uR"({"id":"v","title":""})"_s << u"v"_s;
    QTest::newRow("number falls back to id") << uR"({"id":"v","title":12})"_s << u"v"_s;
    QTest::newRow("kept verbatim")
        << uR"({"id":"v","title":"  Ümlaut · spaced  "})"_s << u"  Ümlaut · spaced  "_s;
}

void TestVideoItem::title()
{
    QFETCH(QString, json);
    QFETCH(QString, title);
    QCOMPARE(make(json.toUtf8().constData()).title(), title);
}

void TestVideoItem::channel_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<QString>("channel");
    QTest::newRow("channel beats uploader")
        << uR"({"id":"v","channel":"C","uploader":"U"})"_s << u"C"_s;
    QTest::newRow("empty channel falls back to uploader")
        << uR"({"id":"v","channel":"","uploader":"U"})"_s << u"U"_s;
    QTest::newRow("non-string channel falls back to uploader")
        << uR"({"id":"v","channel":null,"uploader":"U"})"_s << u"U"_s;
    QTest::newRow("uploader only") << uR"({"id":"v","uploader":"U"})"_s << u"U"_s;
    QTest::newRow("empty uploader") << uR"({"id":"v","channel":"","uploader":""})"_s << QString();
    QTest::newRow("neither") << uR"({"id":"v"})"_s << QString();
}

void TestVideoItem::channel()
{
    QFETCH(QString, json);
    QFETCH(QString, channel);
    QCOMPARE(make(json.toUtf8().constData()).channel(), channel);
}

void TestVideoItem::duration_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<bool>("present");
    QTest::addColumn<double>("seconds");
    QTest::newRow("integer") << uR"({"id":"v","duration":212})"_s << true << 212.0;
    QTest::newRow("fraction") << uR"({"id":"v","duration":212.5})"_s << true << 212.5;
    QTest::newRow("zero") << uR"({"id":"v","duration":0})"_s << true << 0.0;
    QTest::newRow("null") << uR"({"id":"v","duration":null})"_s << false << 0.0;
    QTest::newRow("numeric string") << uR"({"id":"v","duration":"212"})"_s << false << 0.0;
    QTest::newRow("boolean") << uR"({"id":"v","duration":true})"_s << false << 0.0;
    QTest::newRow("missing") << uR"({"id":"v"})"_s << false << 0.0;
}

void TestVideoItem::duration()
{
    QFETCH(QString, json);
    QFETCH(bool, present);
    QFETCH(double, seconds);
    const VideoItem item = make(json.toUtf8().constData());
    QCOMPARE(item.duration().has_value(), present);
    if (present)
        QCOMPARE(*item.duration(), seconds);
}

void TestVideoItem::pageUrl_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<QString>("url");
    QTest::newRow("webpage_url beats url")
        << uR"({"id":"v","webpage_url":"https://page.test/v","url":"https://direct.test/v"})"_s
        << u"https://page.test/v"_s;
    QTest::newRow("webpage_url beats site address")
        << uR"({"id":"v","ie_key":"Youtube","webpage_url":"https://page.test/v"})"_s
        << u"https://page.test/v"_s;
    QTest::newRow("webpage_url need not be http")
        << uR"({"id":"v","webpage_url":"ytsearch:cats"})"_s << u"ytsearch:cats"_s;
    QTest::newRow("empty webpage_url falls to url")
        << uR"({"id":"v","webpage_url":"","url":"http://direct.test/v"})"_s
        << u"http://direct.test/v"_s;
    QTest::newRow("numeric webpage_url falls to url")
        << uR"({"id":"v","webpage_url":5,"url":"https://direct.test/v"})"_s
        << u"https://direct.test/v"_s;
    QTest::newRow("url beats site address")
        << uR"({"id":"v","ie_key":"Youtube","url":"https://direct.test/v"})"_s
        << u"https://direct.test/v"_s;
    QTest::newRow("url not starting with http ignored")
        << uR"({"id":"v","url":"ftp://direct.test/v"})"_s << u"v"_s;
    QTest::newRow("url http prefix is case-sensitive")
        << uR"({"id":"v","url":"HTTPS://direct.test/v"})"_s << u"v"_s;
    QTest::newRow("bare-id url ignored on a site item")
        << uR"({"id":"v","ie_key":"Youtube","url":"v"})"_s << watchUrl(u"v"_s);
    QTest::newRow("site fallback")
        << uR"({"id":"dQw4w9WgXcQ","extractor_key":"Youtube"})"_s << watchUrl(u"dQw4w9WgXcQ"_s);
    QTest::newRow("plain fallback is the id") << uR"({"id":"dQw4w9WgXcQ"})"_s << u"dQw4w9WgXcQ"_s;
}

void TestVideoItem::pageUrl()
{
    QFETCH(QString, json);
    QFETCH(QString, url);
    QCOMPARE(make(json.toUtf8().constData()).url(), url);
}

void TestVideoItem::thumbnail_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<QString>("thumbnail"); // null string: absent

    QTest::newRow("thumbnail string")
        << uR"({"id":"v","thumbnail":"https://img.test/a.jpg"})"_s << u"https://img.test/a.jpg"_s;
    QTest::newRow("thumbnail beats thumbnails")
        << uR"({"id":"v","thumbnail":"https://img.test/a.jpg",
               "thumbnails":[{"url":"https://img.test/b.jpg"}]})"_s
        << u"https://img.test/a.jpg"_s;
    QTest::newRow("last of three thumbnails")
        << uR"({"id":"v","thumbnails":[{"url":"https://img.test/1.jpg"},
               {"url":"https://img.test/2.jpg"},{"url":"https://img.test/3.jpg","width":1280}]})"_s
        << u"https://img.test/3.jpg"_s;
    QTest::newRow("empty thumbnail string falls to thumbnails")
        << uR"({"id":"v","thumbnail":"","thumbnails":[{"url":"https://img.test/b.jpg"}]})"_s
        << u"https://img.test/b.jpg"_s;
    QTest::newRow("last entry without url string")
        << uR"({"id":"v","thumbnails":[{"url":"https://img.test/1.jpg"},{"url":3}]})"_s
        << QString();
    QTest::newRow("last entry without url key")
        << uR"({"id":"v","thumbnails":[{"url":"https://img.test/1.jpg"},{"id":"0"}]})"_s
        << QString();
    QTest::newRow("last entry with empty url")
        << uR"({"id":"v","thumbnails":[{"url":"https://img.test/1.jpg"},{"url":""}]})"_s
        << QString();
    QTest::newRow("empty thumbnails") << uR"({"id":"v","thumbnails":[]})"_s << QString();
    QTest::newRow("thumbnails not all objects")
        << uR"({"id":"v","thumbnails":["https://img.test/0.jpg",{"url":"https://img.test/1.jpg"}]})"_s
        << QString();
    QTest::newRow("thumbnails an object")
        << uR"({"id":"v","thumbnails":{"url":"https://img.test/1.jpg"}})"_s << QString();
    QTest::newRow("unparsable thumbnail string")
        << uR"({"id":"v","thumbnail":"https://img.test/a b.jpg"})"_s << QString();
    QTest::newRow("unparsable last thumbnails url")
        << uR"({"id":"v","thumbnails":[{"url":"https://img.test/%zz.jpg"}]})"_s << QString();
    QTest::newRow("non-string thumbnail, no list")
        << uR"({"id":"v","thumbnail":17})"_s << QString();
}

void TestVideoItem::thumbnail()
{
    QFETCH(QString, json);
    QFETCH(QString, thumbnail);
    const VideoItem item = make(json.toUtf8().constData());
    if (thumbnail.isNull()) {
        QVERIFY2(!item.thumbnail().has_value(),
                 qPrintable(item.thumbnail().value_or(QUrl()).toString()));
    } else {
        QVERIFY(item.thumbnail().has_value());
        QCOMPARE(*item.thumbnail(), QUrl(thumbnail));
    }
}

// An entry of a flat playlist listing as yt-dlp prints it.
void TestVideoItem::flatPlaylistEntry()
{
    const VideoItem item = make(R"({
        "_type": "url", "ie_key": "Youtube", "id": "jNQXAC9IVRw",
        "url": "https://www.youtube.com/watch?v=jNQXAC9IVRw", "title": "Me at the zoo",
        "description": null, "duration": 19, "channel_id": "UC4QobU6STFB0P71PMvOGN5A",
        "channel": "jawed", "uploader": null, "view_count": 300000000,
        "thumbnails": [{"url": "https://i.ytimg.com/vi/jNQXAC9IVRw/hqdefault.jpg?sqp=x",
                        "height": 94, "width": 168}]
    })");
    QCOMPARE(item.id(), u"jNQXAC9IVRw"_s);
    QCOMPARE(item.title(), u"Me at the zoo"_s);
    QCOMPARE(item.channel(), u"jawed"_s);
    QCOMPARE(item.duration(), std::optional<double>(19.0));
    QCOMPARE(item.url(), u"https://www.youtube.com/watch?v=jNQXAC9IVRw"_s);
    QCOMPARE(item.thumbnail(), std::optional<QUrl>(siteThumb(u"jNQXAC9IVRw"_s)));
}

// A whole single-video object from another site: its own page and picture.
void TestVideoItem::fullVideoObject()
{
    const VideoItem item = make(R"({
        "id": "76979871", "title": "The New Vimeo Player", "uploader": "Vimeo",
        "duration": 62.5, "extractor_key": "Vimeo", "extractor": "vimeo",
        "webpage_url": "https://vimeo.com/76979871",
        "url": "https://vod.test/76979871.mp4",
        "thumbnail": "https://i.vimeocdn.test/video/452001751-1280.jpg"
    })");
    QCOMPARE(item.channel(), u"Vimeo"_s);
    QCOMPARE(item.duration(), std::optional<double>(62.5));
    QCOMPARE(item.url(), u"https://vimeo.com/76979871"_s);
    QCOMPARE(item.thumbnail(),
             std::optional<QUrl>(QUrl(u"https://i.vimeocdn.test/video/452001751-1280.jpg"_s)));
}

void TestVideoItem::equalityCoversEveryField_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QJsonValue>("other"); // undefined: key removed
    QTest::addColumn<bool>("equal");

    QTest::newRow("same object") << u"id"_s << QJsonValue(u"v"_s) << true;
    QTest::newRow("id") << u"id"_s << QJsonValue(u"w"_s) << false;
    QTest::newRow("title") << u"title"_s << QJsonValue(u"U"_s) << false;
    QTest::newRow("channel") << u"channel"_s << QJsonValue(u"D"_s) << false;
    QTest::newRow("duration value") << u"duration"_s << QJsonValue(11) << false;
    QTest::newRow("duration zero vs absent") << u"duration"_s << QJsonValue() << false;
    QTest::newRow("url") << u"webpage_url"_s << QJsonValue(u"https://page.test/w"_s) << false;
    QTest::newRow("thumbnail value")
        << u"thumbnail"_s << QJsonValue(u"https://img.test/w.jpg"_s) << false;
    QTest::newRow("thumbnail absent")
        << u"thumbnail"_s << QJsonValue(QJsonValue::Undefined) << false;
}

void TestVideoItem::equalityCoversEveryField()
{
    QFETCH(QString, key);
    QFETCH(QJsonValue, other);
    QFETCH(bool, equal);
    const QJsonObject base = parse(R"({"id":"v","title":"T","channel":"C","duration":0.0,
        "webpage_url":"https://page.test/v","thumbnail":"https://img.test/v.jpg"})");
    QJsonObject changed = base;
    if (other.isUndefined())
        changed.remove(key);
    else
        changed.insert(key, other);

    const VideoItem x = *VideoItem::fromJson(base);
    const VideoItem y = *VideoItem::fromJson(changed);
    QCOMPARE(x == y, equal);
    QCOMPARE(y == x, equal);
    QCOMPARE(x != y, !equal);
    if (equal) {
        QCOMPARE(qHash(x), qHash(y));
        QCOMPARE(qHash(x, 12345), qHash(y, 12345));
    } else {
        // Not guaranteed for arbitrary values, but a hash that ignores one of
        // the fields collides on every one of these pairs.
        QVERIFY(qHash(x) != qHash(y));
    }
}

void TestVideoItem::sameIdDifferentTitleIsDifferentValue()
{
    const VideoItem a = make(R"({"id":"same","title":"First"})");
    const VideoItem b = make(R"({"id":"same","title":"Second"})");
    QVERIFY(a != b);
    QCOMPARE(a.id(), b.id());
}

void TestVideoItem::usableInSetsAndVariants()
{
    const VideoItem a = make(R"({"id":"a","ie_key":"Youtube","duration":5})");
    const VideoItem a2 = make(R"({"id":"a","ie_key":"Youtube","duration":5.0})");
    const VideoItem b = make(R"({"id":"b"})");
    const QSet<VideoItem> set{a, a2, b};
    QCOMPARE(set.size(), 2);
    QVERIFY(set.contains(a2));

    const QVariant variant = QVariant::fromValue(a);
    QVERIFY(variant.canConvert<VideoItem>());
    QCOMPARE(variant.value<VideoItem>(), a);
}

QTEST_GUILESS_MAIN(TestVideoItem)
#include "tst_videoitem.moc"
