// Video items from yt-dlp's JSON, format arguments, settings readers, job progress.
#include "TestEnv.h"
#include "model/Download.h"
#include "model/Prefs.h"
#include "model/Preset.h"
#include "model/VideoItem.h"

#include <QFile>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>

using namespace reelcatch;
using namespace Qt::Literals::StringLiterals;

struct Chooser : FolderChooser {
    std::optional<QString> chooseDirectory(const QString& startIn, const QString& label) override
    {
        return asked << startIn << label, answer;
    }
    std::optional<QString> chooseFile(const QString&, const QString&) override { return {}; }
    std::optional<QString> answer;
    QStringList asked;
};

class TestModel : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(); }
    void videoItem_data();
    void videoItem();
    void prefsDefaultsAndGarbage();
    void prefsFolder();
    void fractionIsClamped();
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
        return QVariantMap{{PrefKey::preset, prefs.preset().rawValue()}, {PrefKey::h264, prefs.h264()},
                           {PrefKey::embedMeta, prefs.embedMeta()}, {PrefKey::embedThumb, prefs.embedThumb()},
                           {PrefKey::subs, prefs.subs()}, {PrefKey::subLangs, prefs.subLangs()},
                           {PrefKey::sponsor, prefs.sponsor()}, {PrefKey::parallel, prefs.parallel()},
                           {PrefKey::autoPaste, prefs.autoPaste()}};
    };
    // What a new user gets, whatever the table says.
    const QVariantMap product{{PrefKey::preset, Preset(Preset::p1080).rawValue()}, {PrefKey::h264, true},
                              {PrefKey::embedMeta, true}, {PrefKey::embedThumb, true}, {PrefKey::subs, false},
                              {PrefKey::subLangs, u"en.*,de.*"_s}, {PrefKey::sponsor, false},
                              {PrefKey::parallel, 2}, {PrefKey::autoPaste, true}};
    {
        Prefs fresh(env.settingsPath());
        QCOMPARE(readAll(fresh), product);
        fresh.registerDefaults();
    } // defaults are never written
    QVERIFY(!QFile::exists(env.settingsPath()));
    TestEnv::writeFile(env.settingsPath(), "[General]\npreset=P720\nh264=no\nembedMeta=0\n"
        "embedThumb=\nsubs=maybe\nsponsor=@Invalid()\nparallel=two\nautoPaste=2\n");
    Prefs garbage(env.settingsPath());
    QCOMPARE(readAll(garbage), product);

    TestEnv::writeFile(env.settingsPath(), "[General]\npreset=m4a\nh264=FALSE\nparallel= 0 \nsubLangs=fr, it\n");
    Prefs stored(env.settingsPath());
    QCOMPARE(stored.preset(), Preset(Preset::m4a));
    QCOMPARE(stored.h264(), false);
    QCOMPARE(stored.parallelAsStored(), 0);
    QCOMPARE(stored.parallel(), 1);
    QCOMPARE(stored.subLangs(), u"fr,it"_s);
}

void TestModel::prefsFolder()
{
    TestEnv env;
    Prefs prefs(env.settingsPath(), env.downloadsDir());
    QSignalSpy changed(&prefs, &Prefs::folderChanged);
    QCOMPARE(prefs.folder(), env.downloadsDir());
    prefs.setValue(PrefKey::folder, QString());
    QCOMPARE(prefs.folder(), env.downloadsDir()); // an empty path names no folder

    Chooser chooser;
    prefs.chooseFolder(chooser); // cancelled
    chooser.answer = QString();
    prefs.chooseFolder(chooser); // nothing chosen
    QCOMPARE(changed.size(), 1);
    QCOMPARE(chooser.asked.mid(0, 2), (QStringList{env.downloadsDir(), u"Use Folder"_s}));
    chooser.answer = env.path(u"Clips"_s);
    prefs.chooseFolder(chooser);
    QCOMPARE(changed.size(), 2);
    QCOMPARE(prefs.folder(), env.path(u"Clips"_s));
    prefs.sync();
    QCOMPARE(Prefs(env.settingsPath()).folder(), env.path(u"Clips"_s));
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

QTEST_MAIN(TestModel)
#include "tst_model.moc"
