// Video items from yt-dlp's JSON, format arguments, settings readers, job progress.
#include "TestEnv.h"
#include "model/Download.h"
#include "model/FileNaming.h"
#include "model/Network.h"
#include "model/Prefs.h"
#include "model/Preset.h"
#include "model/VideoItem.h"

#include <QFile>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>

using namespace reelcatch;
using namespace Qt::Literals::StringLiterals;

class TestModel : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(); }
    void videoItem_data();
    void videoItem();
    void prefsDefaultsAndGarbage();
    void prefsStoredFormatAndListeners();
    void fractionIsClamped();
    void clipTimes();
    void nameTemplates_data();
    void nameTemplates();
    void namesWrittenAndShown();
    void proxyAddresses();
};

void TestModel::videoItem_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QStringList>("expected"); // id, title, channel, url, thumbnail; empty: none
    QTest::addColumn<double>("duration");      // -1: none
    const QString watch = u"https://www.youtube.com/watch?v=abc"_s;
    const QString site = u"https://i.ytimg.com/vi/abc/mqdefault.jpg"_s;
    QTest::newRow("empty id") << QByteArray(R"({"id":""})") << QStringList() << -1.0;
    QTest::newRow("bare") << QByteArray(R"({"id":"x","duration":"9"})")
                          << QStringList{u"x"_s, u"x"_s, {}, u"x"_s, {}} << -1.0;
    QTest::newRow("uploader") << QByteArray(R"({"id":"x","title":"","channel":"","uploader":"U"})")
                              << QStringList{u"x"_s, u"x"_s, u"U"_s, u"x"_s, {}} << -1.0;
    QTest::newRow("site entry") << QByteArray(R"({"id":"abc","ie_key":"Youtube","url":"abc",
        "thumbnail":"https://e.org/t.jpg"})") << QStringList{u"abc"_s, u"abc"_s, {}, watch, site} << -1.0;
    QTest::newRow("site by extractor") << QByteArray(R"({"id":"abc","extractor_key":"YoutubeTab"})")
                                       << QStringList{u"abc"_s, u"abc"_s, {}, watch, site} << -1.0;
    QTest::newRow("other site") << QByteArray(R"({"id":"x","title":"T","channel":"C","duration":61.5,
        "url":"https://e.org/x","thumbnail":"https://e.org/t.jpg"})")
        << QStringList{u"x"_s, u"T"_s, u"C"_s, u"https://e.org/x"_s, u"https://e.org/t.jpg"_s} << 61.5;
    QTest::newRow("page wins") << QByteArray(R"({"id":"x","webpage_url":"https://p.org/x","url":"https://e.org/x"})")
                               << QStringList{u"x"_s, u"x"_s, {}, u"https://p.org/x"_s, {}} << -1.0;
    QTest::newRow("last listed") << QByteArray(R"({"id":"x","thumbnails":[{"url":"https://e.org/1"},{"url":"https://e.org/2"}]})")
                                 << QStringList{u"x"_s, u"x"_s, {}, u"x"_s, u"https://e.org/2"_s} << -1.0;
    QTest::newRow("list with a non-object") << QByteArray(R"({"id":"x","thumbnails":[1,{"url":"https://e.org/2"}]})")
                                            << QStringList{u"x"_s, u"x"_s, {}, u"x"_s, {}} << -1.0;
    QTest::newRow("no address") << QByteArray(R"({"id":"x","thumbnail":"a b c"})")
                                << QStringList{u"x"_s, u"x"_s, {}, u"x"_s, {}} << -1.0;
    const QStringList bare{u"x"_s, u"x"_s, {}, u"x"_s, {}};
    for (const char* bad : {"file:///tmp/fifo", "data:image/png;base64,iVBO", "ftp://e.org/t.jpg",
                            "/t.jpg", "javascript:alert(1)", "https:t.jpg"})
        QTest::newRow(bad) << R"({"id":"x","thumbnail":")" + QByteArray(bad) + "\"}" << bare << -1.0;
    QTest::newRow("bidi controls") << QByteArray(R"({"id":"x","title":"a\u202Eb\u2069c\u200Fd\u061Ce",
        "channel":"\u202A\u200E"})") << QStringList{u"x"_s, u"abcde"_s, {}, u"x"_s, {}} << -1.0;
    QTest::newRow("controls only") << QByteArray(R"({"id":"\u2069\u202e","title":"\u200e"})")
        << QStringList{u"\u2069\u202e"_s, u"U+2069 U+202E"_s, {}, u"\u2069\u202e"_s, {}} << -1.0;
    // Cut in "e" + a combining accent and in a surrogate pair; id and address stay whole.
    const QByteArray a(498, 'a'), id(600, 'i');
    const QString cut = QString::fromLatin1(a) + u'\u2026', longId = QString::fromLatin1(id);
    QTest::newRow("long") << R"({"id":")" + id + R"(","title":")" + a + R"(e\u0301zz","uploader":")" + a
                                 + R"(\ud83d\ude00z"})" << QStringList{longId, cut, cut, longId, {}} << -1.0;
}

void TestModel::videoItem()
{
    QFETCH(QByteArray, json);
    QFETCH(QStringList, expected);
    QFETCH(double, duration);
    const auto item = VideoItem::fromJson(QJsonDocument::fromJson(json).object());
    QCOMPARE(item.has_value(), !expected.isEmpty());
    if (!item)
        return;
    const QString thumbnail = item->thumbnail() ? item->thumbnail()->toString() : QString();
    QCOMPARE((QStringList{item->id(), item->title(), item->channel(), item->url(), thumbnail}),
             expected);
    QCOMPARE(item->duration().value_or(-1), duration);
}

void TestModel::prefsDefaultsAndGarbage()
{
    TestEnv env;
    const auto readAll = [](const Prefs& prefs) {
        return QVariantList{prefs.value(PrefKey::preset).rawValue(), prefs.value(PrefKey::h264),
                            prefs.value(PrefKey::embedMeta), prefs.value(PrefKey::embedThumb),
                            prefs.value(PrefKey::subs), prefs.value(PrefKey::subLangs),
                            prefs.value(PrefKey::sponsor), prefs.value(PrefKey::parallel),
                            prefs.value(PrefKey::startGap), prefs.value(PrefKey::autoPaste),
                            prefs.value(PrefKey::folder), prefs.value(PrefKey::cookiesFrom)};
    };
    // What a new user gets, whatever the keys say (subtitles in the system's language: C here).
    const QVariantList product{u"p1080"_s, true, true, true, false, u"en.*"_s, false, 2, 12, true,
                               env.downloadsDir(), QString()};
    {
        const Prefs fresh(env.settingsPath(), env.downloadsDir());
        QCOMPARE(readAll(fresh), product);
    } // defaults are never written
    QVERIFY(!QFile::exists(env.settingsPath()));
    TestEnv::writeFile(env.settingsPath(), "[General]\npreset=P720\nh264=no\nembedMeta=0\n"
        "embedThumb=\nsubs=maybe\nsponsor=@Invalid()\nparallel=two\nstartGap=1.5\nautoPaste=2\nfolder=\n");
    Prefs garbage(env.settingsPath(), env.downloadsDir());
    QCOMPARE(readAll(garbage), product); // an empty folder names none: the default applies

    TestEnv::writeFile(env.settingsPath(), "[General]\npreset=m4a\nh264=FALSE\nparallel= 0 \nsubLangs=fr, it\nstartGap=99\n");
    Prefs stored(env.settingsPath());
    QCOMPARE(stored.value(PrefKey::preset), Preset(Preset::m4a));
    QCOMPARE(stored.value(PrefKey::h264), false);
    QCOMPARE(stored.valueAsStored(PrefKey::parallel), 0);
    QCOMPARE(stored.value(PrefKey::parallel), 1);
    QCOMPARE(stored.value(PrefKey::startGap), PrefKey::maxStartGap);
    stored.setValue(PrefKey::startGap, -5);
    QCOMPARE(stored.value(PrefKey::startGap), 0);
    QCOMPARE(stored.value(PrefKey::subLangs), u"fr,it"_s);
}

void TestModel::prefsStoredFormatAndListeners()
{
    // Every key, as the settings file has held them: read the same, written the same.
    const QByteArray file = "[General]\nautoPaste=false\ncookiesFile=/c/cookies.txt\ncookiesFrom=file\n"
        "cookiesProfile=/p\nembedMeta=false\nembedThumb=false\nfolder=/d/Clips\nh264=false\nparallel=4\n"
        "preset=m4a\nsplitterState=@ByteArray(\\0\\xff)\nsponsor=true\nstartGap=30\nsubLangs=\"fr.*,it\"\n"
        "subs=true\nwindowGeometry=@ByteArray(\\x1\\xd9\\xd0\\xcb)\n";
    TestEnv env;
    TestEnv::writeFile(env.path(u"old.conf"_s), file);
    const Prefs old(env.path(u"old.conf"_s), env.downloadsDir());
    Prefs prefs(env.settingsPath(), env.downloadsDir());
    QObject listener;
    QStringList heard;
    for (const Setting<QString>* key : {&PrefKey::folder, &PrefKey::cookiesFrom})
        prefs.onChange(*key, &listener, [&heard, key] { heard << QString::fromLatin1(key->name); });
    const auto copy = [&](const auto& key) {
        QCOMPARE_NE(prefs.value(key), old.value(key));
        prefs.setValue(key, old.value(key));
    };
    copy(PrefKey::autoPaste), copy(PrefKey::cookiesFile), copy(PrefKey::cookiesFrom), copy(PrefKey::cookiesProfile);
    copy(PrefKey::embedMeta), copy(PrefKey::embedThumb), copy(PrefKey::folder), copy(PrefKey::h264);
    copy(PrefKey::parallel), copy(PrefKey::preset), copy(PrefKey::splitterState), copy(PrefKey::sponsor);
    copy(PrefKey::startGap), copy(PrefKey::subLangs), copy(PrefKey::subs), copy(PrefKey::windowGeometry);
    QCOMPARE(old.value(PrefKey::windowGeometry), QByteArray("\x01\xd9\xd0\xcb"));
    QCOMPARE(old.value(PrefKey::subLangs), u"fr.*,it"_s);
    prefs.sync();
    QFile written(env.settingsPath());
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), file);
    // Each listener hears its own key only, removals included.
    prefs.remove(PrefKey::folder);
    QCOMPARE(heard, (QStringList{u"cookiesFrom"_s, u"folder"_s, u"folder"_s}));
    QCOMPARE(prefs.value(PrefKey::folder), env.downloadsDir());
}

void TestModel::fractionIsClamped()
{
    Download job(*VideoItem::fromJson({{u"id"_s, u"x"_s}}), Preset::p720);
    QSignalSpy changed(&job, &Download::changed);
    const double cases[][2] = {{0.25, 0.25}, {qQNaN(), 0}, {1.5, 1}, {-3, 0}, {qInf(), 1}};
    for (const auto& [given, kept] : cases) {
        job.setFraction(given);
        QCOMPARE(job.fraction(), kept);
    }
    QCOMPARE(changed.size(), 5);
}

void TestModel::clipTimes()
{
    // As typed, as links write them, and what is no time at all.
    const std::pair<const char*, double> times[] = {
        {"1:02:03", 3723}, {" 2:03 ", 123}, {"90", 90}, {"7.5", 7.5}, {"0:07,5", 7.5},
        {"1h2m3s", 3723}, {"1m30s", 90}, {"90s", 90}, {"2M", 120}, {"1:60", -1}, {"1:60:00", -1},
        {"", -1}, {"1:", -1}, {"abc", -1}, {"-5", -1}, {"1m30", -1}};
    for (const auto& [text, seconds] : times)
        QCOMPARE(Clip::parseTime(QLatin1String(text)).value_or(-1), seconds);
    const std::pair<const char*, double> links[] = {
        {"https://www.youtube.com/watch?v=abc&t=90", 90}, {"https://youtu.be/abc?t=1m30s", 90},
        {"https://www.youtube.com/watch?v=abc#t=1h1s", 3601}, {"http://127.0.0.1:80/x.mp4?start=5", 5},
        {"https://youtu.be/abc", -1}, {"file:///x?t=5", -1}, {"t=5", -1}};
    for (const auto& [text, seconds] : links)
        QCOMPARE(Clip::linkTime(QLatin1String(text)).value_or(-1), seconds);
    // File names take no colon; hours only when there are some.
    QCOMPARE((ClipRange{59.6, 3725}.label(u'.')), u"1.00\u20131.02.05"_s);
}

void TestModel::nameTemplates_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("usable");
    for (const char* bad : {"", " ", "/tmp/%(title)s", "~/%(title)s", "a/../%(title)s", "..",
                            "%(title", "%(title)", "%(title).5", "%(nope)s", "%(title,nope)s",
                            "%()s", "%(id)s/", "plain name", "a\tb %(id)s"})
        QTest::newRow(bad) << QString::fromUtf8(bad) << false;
    for (const char* good : {"%(title)s", "%(uploader)s/%(title)s [%(id)s]", "a..b %(id)s",
                             "%(upload_date>%Y,%m)s %(title)s", "%(channel,uploader|x)s %(id)s",
                             "100%% %(title).20B", "%(playlist_index+1)03d %(tags.0)s"})
        QTest::newRow(good) << QString::fromUtf8(good) << true;
    for (const FileNaming::Style style : FileNaming::styles)
        if (style != FileNaming::Style::custom)
            QTest::newRow(qPrintable(FileNaming::storedName(style)))
                << FileNaming::pattern(style, {}) << true;
}

void TestModel::nameTemplates()
{
    QFETCH(QString, pattern);
    QFETCH(bool, usable);
    const std::optional<QString> problem = FileNaming::problem(pattern);
    QVERIFY2(problem.has_value() != usable, qPrintable(problem.value_or(u"usable"_s)));
    QVERIFY(!problem || problem->endsWith(u'.'));
}

void TestModel::namesWrittenAndShown()
{
    const PlaylistPlace place{u"A/B 50%"_s, 7};
    const QString numbered = u"%(playlist_index)03d %(title)s"_s;
    QCOMPARE(FileNaming::outputName(numbered, true, place), u"A\u29F8B 50%%/007 \u2013 007 %(title)s"_s);
    QCOMPARE(FileNaming::outputName(numbered, true, std::nullopt), numbered);
    QCOMPARE(FileNaming::outputName(u"%(title)s"_s, false, place), u"%(title)s"_s);
    FileNaming::Sample video{u"Title/x"_s, u"id1"_s, {}, 61.0, {}, place};
    QCOMPARE(FileNaming::preview(numbered, true, video), u"A\u29F8B 50%/007 \u2013 007 Title\u29F8x.mp4"_s);
    QCOMPARE(FileNaming::preview(u"%(upload_date>%Y)s %(title).5s %(duration)04d"_s, false, video),
             u"{upload_date} Title 0061.mp4"_s);
    const QString channelTitle = FileNaming::pattern(FileNaming::Style::channelTitle, {});
    QCOMPARE(FileNaming::preview(channelTitle, false, video), u"Title\u29F8x.mp4"_s);
    video.channel = u"Ch"_s;
    QCOMPARE(FileNaming::preview(channelTitle, false, video), u"Ch \u2013 Title\u29F8x.mp4"_s);
    QCOMPARE(FileNaming::pattern(FileNaming::Style::custom, u" %(id)s.%(ext)s "_s), u"%(id)s"_s);
}

void TestModel::proxyAddresses()
{
    for (const char* good : {"", "http://127.0.0.1:8080", "socks5://me:pw@host:1080", " https://p.example "})
        QVERIFY2(!Network::proxyProblem(QString::fromUtf8(good)), good);
    for (const char* bad : {"127.0.0.1:8080", "ftp://h:21", "http://", "http://h:99999", "http://h/path", "socks5:h"})
        QVERIFY2(Network::proxyProblem(QString::fromUtf8(bad)), bad);
    // A malformed address in the file reads as none.
    TestEnv env;
    Prefs prefs(env.settingsPath());
    prefs.setValue(PrefKey::proxy, u"localhost:3128"_s);
    QCOMPARE(prefs.value(PrefKey::proxy), QString());
    prefs.setValue(PrefKey::proxy, u" socks5://h:1 "_s);
    QCOMPARE(prefs.value(PrefKey::proxy), u"socks5://h:1"_s);
}

QTEST_MAIN(TestModel)
#include "tst_model.moc"
