// Download folders that are not there or cannot be written, met by Debian's
// own yt-dlp downloading from a loopback server: what yt-dlp does about it
// reaches the job, and the next job goes on.
#include "AppModel.h"
#include "Fakes.h"
#include "HttpServer.h"
#include "TestEnv.h"

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QTest>

#include <cerrno>
#include <system_error>

using namespace reelcatch;

class TestFaultsRealPeer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void downloadFolder_data();
    void downloadFolder();
};

void TestFaultsRealPeer::initTestCase()
{
    TestEnv::isolateProcess();
    for (const char* tool : {"/usr/bin/yt-dlp", "/usr/bin/ffmpeg", "/usr/bin/ffprobe"}) {
        if (!QFile::exists(QString::fromLatin1(tool)))
            QFAIL("Debian's yt-dlp and ffmpeg packages are needed (scripts/install-deps.sh)");
    }
}

void TestFaultsRealPeer::downloadFolder_data()
{
    // The folder, "ROOT" standing for the sandbox; "ROOT/file" is a regular
    // file. The super-user may write anywhere permission bits guard, so a
    // folder is made unwritable by the file system itself.
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("error"); // what yt-dlp reports; 0: the download succeeds

    QTest::newRow("missing: made by yt-dlp") << QStringLiteral("ROOT/new/deeper") << 0;
    QTest::newRow("below a regular file") << QStringLiteral("ROOT/file/videos") << ENOTDIR;
    QTest::newRow("a regular file itself") << QStringLiteral("ROOT/file") << EEXIST;
    QTest::newRow("a folder of /proc") << QStringLiteral("/proc/self") << ENOENT;
}

void TestFaultsRealPeer::downloadFolder()
{
    QFETCH(QString, folder);
    QFETCH(int, error);
    TestEnv env;
    folder.replace(QStringLiteral("ROOT"), env.root());
    const QString file = TestEnv::writeFile(env.path(QStringLiteral("file")), "data\n");
    HttpServer server;
    QVERIFY(server.isListening());
    const QString clip =
        TestEnv::makeClip(env.path(QStringLiteral("www")), QStringLiteral("c.mp4"), 1);
    QVERIFY(!clip.isEmpty());
    server.serveFile(QStringLiteral("/a.mp4"), clip);
    server.serveFile(QStringLiteral("/b.mp4"), clip);
    for (const QString& tool :
         {QStringLiteral("yt-dlp"), QStringLiteral("ffmpeg"), QStringLiteral("ffprobe")})
        QVERIFY(QFile::link(QStringLiteral("/usr/bin/") + tool,
                            env.binDirs().at(2) + QLatin1Char('/') + tool));
    Engine engine(env.engineConfig());
    Prefs prefs(env.settingsPath(), env.downloadsDir());
    FakeInstaller installer;
    AppModel model(engine, prefs, installer);
    const auto item = [&](const QString& id) {
        return *VideoItem::fromJson(
            QJsonObject{{QStringLiteral("id"), id},
                        {QStringLiteral("webpage_url"), server.url(id + QStringLiteral(".mp4"))}});
    };

    // The folder is read when a job starts: the first job gets the folder
    // under test, the one waiting behind it the usual one.
    prefs.setValue(PrefKey::parallel, 1);
    prefs.setFolder(folder);
    model.enqueue({item(QStringLiteral("a"))}, Preset::p720);
    prefs.setFolder(env.downloadsDir());
    model.enqueue({item(QStringLiteral("b"))}, Preset::p720);
    QVERIFY(QTest::qWaitFor(
        [&] {
            return std::all_of(
                model.downloads().cbegin(), model.downloads().cend(),
                [](const DownloadPtr& j) { return j->isFinished() && !j->process(); });
        },
        120000));

    const DownloadPtr a = model.downloads().last();
    const DownloadPtr b = model.downloads().first();
    if (error == 0) {
        QVERIFY2(a->phase() == Download::Phase::done(), qPrintable(a->phase().message()));
        QCOMPARE(a->file(), std::optional<QString>(folder + QStringLiteral("/a [a].mp4")));
        QVERIFY(QFileInfo(*a->file()).size() > 1000);
    } else {
        // yt-dlp's own words: what it tried, the system's reason, the path.
        const QString message = a->phase().message();
        QCOMPARE(a->phase().kind(), Download::Phase::Kind::failed);
        QVERIFY2(
            message.startsWith(QStringLiteral("unable to ")) &&
                message.contains(QString::fromStdString(std::generic_category().message(error))) &&
                message.contains(folder),
            qPrintable(message));
        QCOMPARE(a->file(), std::nullopt);
    }
    QCOMPARE(QFile(file).size(), 5);
    QVERIFY2(b->phase() == Download::Phase::done(), qPrintable(b->phase().message()));
    QCOMPARE(b->file(), std::optional<QString>(env.downloadsDir() + QStringLiteral("/b [b].mp4")));
}

QTEST_GUILESS_MAIN(TestFaultsRealPeer)
#include "tst_faults_realpeer.moc"
