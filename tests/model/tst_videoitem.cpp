#include "VideoItem.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace reelcatch;

using namespace Qt::StringLiterals;

namespace {

const QString watchV = u"https://www.youtube.com/watch?v=v"_s;
const QString thumbV = u"https://i.ytimg.com/vi/v/mqdefault.jpg"_s;

// One row: what `field` of the item built from `json` must be; an invalid
// QVariant means "absent" (no item at all when the field is "id").
void row(const char* tag, const char* json, const char* field, const QVariant& expected)
{
    QTest::newRow(tag) << QByteArray(json) << QByteArray(field) << expected;
}

QVariant value(const VideoItem& item, const QByteArray& field)
{
    if (field == "title")
        return item.title();
    if (field == "channel")
        return item.channel();
    if (field == "url")
        return item.url();
    if (field == "duration")
        return item.duration() ? QVariant(*item.duration()) : QVariant();
    if (field == "thumbnail")
        return item.thumbnail() ? QVariant(item.thumbnail()->toString()) : QVariant();
    qFatal("unknown field %s", field.constData());
}

} // namespace

class TestVideoItem : public QObject {
    Q_OBJECT
private slots:
    void fromJson_data();
    void fromJson();
    void equality_data();
    void equality();
};

void TestVideoItem::fromJson_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QVariant>("expected");

    row("id kept", R"({"id":"abc123"})", "id", u"abc123"_s);
    row("id missing", R"({"title":"T","ie_key":"Youtube"})", "id", {});
    row("id empty", R"({"id":"","title":"T"})", "id", {});
    row("id numeric", R"({"id":42,"title":"T"})", "id", {});
    row("id null", R"({"id":null,"webpage_url":"https://x.test/v"})", "id", {});

    row("title present", R"({"id":"v","title":"A film"})", "title", u"A film"_s);
    row("title kept verbatim", R"({"id":"v","title":"  spaced  "})", "title", u"  spaced  "_s);
    row("title missing", R"({"id":"v"})", "title", u"v"_s);
    row("title empty", R"({"id":"v","title":""})", "title", u"v"_s);
    row("title numeric", R"({"id":"v","title":12})", "title", u"v"_s);

    row("channel beats uploader", R"({"id":"v","channel":"C","uploader":"U"})", "channel", u"C"_s);
    row("channel empty", R"({"id":"v","channel":"","uploader":"U"})", "channel", u"U"_s);
    row("channel null", R"({"id":"v","channel":null,"uploader":"U"})", "channel", u"U"_s);
    row("channel neither", R"({"id":"v"})", "channel", u""_s);

    row("duration integer", R"({"id":"v","duration":212})", "duration", 212.0);
    row("duration fraction", R"({"id":"v","duration":212.5})", "duration", 212.5);
    row("duration zero", R"({"id":"v","duration":0})", "duration", 0.0);
    row("duration null", R"({"id":"v","duration":null})", "duration", {});
    row("duration string", R"({"id":"v","duration":"212"})", "duration", {});
    row("duration missing", R"({"id":"v"})", "duration", {});

    // The site test decides the thumbnail: the site's own picture, never the JSON's.
    row("site ie_key", R"({"id":"v","ie_key":"Youtube"})", "thumbnail", thumbV);
    row("site ie_key prefix", R"({"id":"v","ie_key":"YoutubeTab"})", "thumbnail", thumbV);
    row("site extractor_key", R"({"id":"v","extractor_key":"Youtube"})", "thumbnail", thumbV);
    row("site ie_key beats extractor_key",
        R"({"id":"v","ie_key":"Vimeo","extractor_key":"Youtube"})", "thumbnail", {});
    row("site empty ie_key is missing", R"({"id":"v","ie_key":"","extractor_key":"Youtube"})",
        "thumbnail", thumbV);
    row("site case-sensitive", R"({"id":"v","ie_key":"youtube"})", "thumbnail", {});
    row("site prefix only", R"({"id":"v","ie_key":"NotYoutube"})", "thumbnail", {});
    row("site ignores JSON thumbnails",
        R"({"id":"v","ie_key":"Youtube","thumbnail":"https://i.test/a.jpg",
            "thumbnails":[{"url":"https://i.test/b.jpg"}]})",
        "thumbnail", thumbV);

    row("url webpage_url first",
        R"({"id":"v","ie_key":"Youtube","webpage_url":"https://p.test/v","url":"http://d.test/v"})",
        "url", u"https://p.test/v"_s);
    row("url webpage_url need not be http", R"({"id":"v","webpage_url":"ytsearch:cats"})", "url",
        u"ytsearch:cats"_s);
    row("url empty webpage_url", R"({"id":"v","webpage_url":"","url":"http://d.test/v"})", "url",
        u"http://d.test/v"_s);
    row("url beats site address", R"({"id":"v","ie_key":"Youtube","url":"https://d.test/v"})",
        "url", u"https://d.test/v"_s);
    row("url not http", R"({"id":"v","url":"ftp://d.test/v"})", "url", u"v"_s);
    row("url HTTP upper case", R"({"id":"v","url":"HTTPS://d.test/v"})", "url", u"v"_s);
    row("url site fallback", R"({"id":"v","extractor_key":"Youtube","url":"v"})", "url", watchV);
    row("url plain fallback", R"({"id":"v"})", "url", u"v"_s);

    row("thumb string", R"({"id":"v","thumbnail":"https://i.test/a.jpg"})", "thumbnail",
        u"https://i.test/a.jpg"_s);
    row("thumb string beats list",
        R"({"id":"v","thumbnail":"https://i.test/a.jpg",
            "thumbnails":[{"url":"https://i.test/b.jpg"}]})",
        "thumbnail", u"https://i.test/a.jpg"_s);
    row("thumb empty string uses list",
        R"({"id":"v","thumbnail":"","thumbnails":[{"url":"https://i.test/b.jpg"}]})", "thumbnail",
        u"https://i.test/b.jpg"_s);
    row("thumb last of list",
        R"({"id":"v","thumbnails":[{"url":"https://i.test/1.jpg"},
            {"url":"https://i.test/2.jpg"},{"url":"https://i.test/3.jpg","width":1280}]})",
        "thumbnail", u"https://i.test/3.jpg"_s);
    row("thumb last has numeric url",
        R"({"id":"v","thumbnails":[{"url":"https://i.test/1.jpg"},{"url":3}]})", "thumbnail", {});
    row("thumb last has empty url",
        R"({"id":"v","thumbnails":[{"url":"https://i.test/1.jpg"},{"url":""}]})", "thumbnail", {});
    row("thumb empty list", R"({"id":"v","thumbnails":[]})", "thumbnail", {});
    row("thumb list not all objects",
        R"({"id":"v","thumbnails":["https://i.test/0.jpg",{"url":"https://i.test/1.jpg"}]})",
        "thumbnail", {});
    row("thumb unparsable string", R"({"id":"v","thumbnail":"https://i.test/a b.jpg"})",
        "thumbnail", {});
    row("thumb unparsable list url", R"({"id":"v","thumbnails":[{"url":"https://i.test/%zz"}]})",
        "thumbnail", {});
}

void TestVideoItem::fromJson()
{
    QFETCH(QByteArray, json);
    QFETCH(QByteArray, field);
    QFETCH(QVariant, expected);
    const QJsonObject object = QJsonDocument::fromJson(json).object();
    QVERIFY2(!object.isEmpty(), json.constData());
    const auto item = VideoItem::fromJson(object);
    if (field == "id") {
        QCOMPARE(item ? QVariant(item->id()) : QVariant(), expected);
        return;
    }
    QVERIFY(item);
    QCOMPARE(value(*item, field), expected);
}

void TestVideoItem::equality_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QJsonValue>("other"); // undefined: key removed
    QTest::addColumn<bool>("equal");

    QTest::newRow("same") << u"id"_s << QJsonValue(u"v"_s) << true;
    QTest::newRow("id") << u"id"_s << QJsonValue(u"w"_s) << false;
    QTest::newRow("title, same id") << u"title"_s << QJsonValue(u"U"_s) << false;
    QTest::newRow("channel") << u"channel"_s << QJsonValue(u"D"_s) << false;
    QTest::newRow("duration") << u"duration"_s << QJsonValue(11) << false;
    QTest::newRow("duration absent") << u"duration"_s << QJsonValue() << false;
    QTest::newRow("url") << u"webpage_url"_s << QJsonValue(u"https://p.test/w"_s) << false;
    QTest::newRow("thumbnail") << u"thumbnail"_s << QJsonValue(u"https://i.test/w.jpg"_s) << false;
    QTest::newRow("thumbnail absent")
        << u"thumbnail"_s << QJsonValue(QJsonValue::Undefined) << false;
}

void TestVideoItem::equality()
{
    QFETCH(QString, key);
    QFETCH(QJsonValue, other);
    QFETCH(bool, equal);
    const QJsonObject base = QJsonDocument::fromJson(R"({"id":"v","title":"T","channel":"C",
        "duration":0,"webpage_url":"https://p.test/v","thumbnail":"https://i.test/v.jpg"})")
                                 .object();
    QJsonObject changed = base;
    if (other.isUndefined())
        changed.remove(key);
    else
        changed.insert(key, other);

    const VideoItem x = *VideoItem::fromJson(base);
    const VideoItem y = *VideoItem::fromJson(changed);
    QCOMPARE(x == y, equal);
    QCOMPARE(x != y, !equal);
    if (equal)
        QCOMPARE(qHash(x, 7), qHash(y, 7));
}

QTEST_GUILESS_MAIN(TestVideoItem)
#include "tst_videoitem.moc"
