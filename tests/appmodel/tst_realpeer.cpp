// Lookups and downloads run by Debian's own yt-dlp and ffmpeg against a
// loopback HTTP server serving clips that ffmpeg makes here: nothing leaves
// 127.0.0.1.
#include "Fixture.h"
#include "HttpServer.h"
#include "ProcessTable.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <cerrno>
#include <system_error>

using namespace reelcatch;
using namespace reelcatch::test;

namespace {

using Kind = Download::Phase::Kind;
constexpr int patience = 180000; // two slow cores, maybe under ASan

// The model with the system's tools in its last bin directory.
struct RealFixture {
    TestEnv env;
    HttpServer server;
    bool linked = [this] {
        bool ok = true;
        for (const char* tool : {"yt-dlp", "ffmpeg", "ffprobe"})
            ok = ok && QFile::link(QStringLiteral("/usr/bin/") + QLatin1String(tool),
                                   env.binDirs().at(2) + QLatin1Char('/') + QLatin1String(tool));
        return ok;
    }();
    Engine engine{env.engineConfig()};
    Prefs prefs{env.settingsPath(), env.downloadsDir()};
    FakeInstaller installer;
    AppModel model{engine, prefs, installer};

    QString serveClip(const QString& name, int seconds = 2)
    {
        const QString clip =
            TestEnv::makeClip(env.path(QStringLiteral("www")), name + QStringLiteral(".mp4"), seconds);
        server.serveFile(QLatin1Char('/') + name + QStringLiteral(".mp4"), clip);
        return clip;
    }
    VideoItem item(const QString& name) const
    {
        return *VideoItem::fromJson(QJsonObject{
            {QStringLiteral("id"), name},
            {QStringLiteral("webpage_url"), server.url(QLatin1Char('/') + name + QStringLiteral(".mp4"))}});
    }
    DownloadPtr job(const QString& id)
    {
        for (const DownloadPtr& j : model.queue().downloads()) {
            if (j->video().id() == id)
                return j;
        }
        return nullptr;
    }
    // Every job ended and no process of this test left running.
    bool settled()
    {
        const qint64 self = QCoreApplication::applicationPid();
        return QTest::qWaitFor(
            [&] { return model.queue().toDo() == 0 && processesLeft(self).isEmpty(); }, patience);
    }
    bool lookUp(const QString& input)
    {
        model.lookup().setInput(input);
        model.lookup().fetch();
        return model.lookup().isFetching() &&
               QTest::qWaitFor([&] { return !model.lookup().isFetching(); }, patience);
    }
};

} // namespace

class TestRealPeer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void lookups();
    void downloads();
    void cancelMidTransferThenRetry();
    void downloadFolder_data();
    void downloadFolder();
};

void TestRealPeer::initTestCase()
{
    TestEnv::isolateProcess();
    for (const char* tool : {"/usr/bin/yt-dlp", "/usr/bin/ffmpeg", "/usr/bin/ffprobe"}) {
        if (!QFile::exists(QString::fromLatin1(tool)))
            QFAIL("Debian's yt-dlp and ffmpeg packages are needed (scripts/install-deps.sh)");
    }
}

void TestRealPeer::lookups()
{
    RealFixture f;
    QVERIFY(f.linked);
    QVERIFY(!f.serveClip(QStringLiteral("clip")).isEmpty());
    const QString address = f.server.url(QStringLiteral("/clip.mp4"));
    QVERIFY(f.lookUp(address));
    QVERIFY2(!f.model.lookup().fetchError(),
             qPrintable(f.model.lookup().fetchError().value_or(QString())));
    QCOMPARE(f.model.lookup().results().size(), 1);
    const VideoItem& item = f.model.lookup().results().first();
    QCOMPARE(item.id(), QStringLiteral("clip"));
    QCOMPARE(item.url(), address);
    QCOMPARE(f.model.lookup().resultsTitle(), QString());
    QCOMPARE(f.model.lookup().selected(), QSet<QString>{QStringLiteral("clip")});

    // yt-dlp's own words, without its "ERROR:" prefix; the list stays.
    QVERIFY(f.lookUp(f.server.url(QStringLiteral("/missing.mp4"))));
    const QString error = f.model.lookup().fetchError().value_or(QString());
    QVERIFY2(error.contains(QStringLiteral("404")) && !error.startsWith(QStringLiteral("ERROR")),
             qPrintable(error));
    QCOMPARE(f.model.lookup().results().size(), 1);
    QVERIFY(f.settled());
}

void TestRealPeer::downloads()
{
    RealFixture f;
    QVERIFY(f.linked);
    for (const char* name : {"clip1", "clip2", "clip3", "sound"})
        QVERIFY(!f.serveClip(QString::fromLatin1(name)).isEmpty());
    f.prefs.setValue(PrefKey::parallel, 2);
    f.model.queue().enqueue({f.item(QStringLiteral("clip1")), f.item(QStringLiteral("clip2")),
                             f.item(QStringLiteral("clip3"))},
                            Preset::p1080);
    QCOMPARE(f.model.queue().count(Kind::downloading), 2);
    // (Its own clip: extracting the sound removes the video it came from.)
    f.model.queue().enqueue({f.item(QStringLiteral("sound"))}, Preset::mp3);
    f.model.queue().enqueue({f.item(QStringLiteral("missing"))}, Preset::p720);
    QVERIFY(f.settled());

    for (const DownloadPtr& job : f.model.queue().downloads()) {
        const QString id = job->video().id();
        if (id == QLatin1String("missing"))
            continue;
        const QString name = id + QStringLiteral(" [") + id +
                             (job->preset().isAudio() ? QStringLiteral("].mp3") : QStringLiteral("].mp4"));
        QVERIFY2(job->phase() == Download::Phase::done(),
                 qPrintable(id + QLatin1Char(' ') + job->phase().message()));
        QCOMPARE(job->detail(), name);
        QCOMPARE(job->file().value_or(QString()), f.env.downloadsDir() + QLatin1Char('/') + name);
        QVERIFY2(QFileInfo(*job->file()).size() > 1000, qPrintable(name));
    }
    const DownloadPtr missing = f.job(QStringLiteral("missing"));
    QCOMPARE(missing->phase().kind(), Kind::failed);
    QVERIFY2(missing->phase().message().contains(QStringLiteral("404")) &&
                 !missing->phase().message().startsWith(QStringLiteral("ERROR")),
             qPrintable(missing->phase().message()));
}

void TestRealPeer::cancelMidTransferThenRetry()
{
    RealFixture f;
    QVERIFY(f.linked);
    const QString big = f.serveClip(QStringLiteral("slow"), 8);
    QVERIFY(!big.isEmpty());
    QVERIFY(f.server.setSlow(QStringLiteral("/slow.mp4"), 2048, 100));
    f.model.queue().enqueue({f.item(QStringLiteral("slow"))}, Preset::p1080);
    const DownloadPtr job = f.job(QStringLiteral("slow"));
    QVERIFY(QTest::qWaitFor([&] { return job->fraction() > 0 && job->fraction() < 1; }, patience));
    const qint64 self = QCoreApplication::applicationPid();
    QVERIFY(!processesLeft(self).isEmpty());

    f.model.queue().cancel(*job);
    QVERIFY(f.settled());
    QCOMPARE(job->phase(), Download::Phase::cancelled());
    QCOMPARE(job->detail(), QStringLiteral("Cancelled"));

    f.server.serveFile(QStringLiteral("/slow.mp4"), big);
    f.model.queue().retry(*job);
    QVERIFY(f.settled());
    QVERIFY2(job->phase() == Download::Phase::done(), qPrintable(job->phase().message()));
    QCOMPARE(job->detail(), QStringLiteral("slow [slow].mp4"));
    // The whole clip arrived (give or take what embedding the metadata adds).
    QVERIFY(QFileInfo(*job->file()).size() >= QFileInfo(big).size() * 9 / 10);
}

void TestRealPeer::downloadFolder_data()
{
    // "ROOT" stands for the sandbox; "ROOT/file" is a regular file. The
    // super-user may write anywhere permission bits guard, so a folder is
    // made unwritable by the file system itself.
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("error"); // what yt-dlp reports; 0: the download succeeds
    QTest::newRow("missing: made by yt-dlp") << QStringLiteral("ROOT/new/deeper") << 0;
    QTest::newRow("below a regular file") << QStringLiteral("ROOT/file/videos") << ENOTDIR;
    QTest::newRow("a folder of /proc") << QStringLiteral("/proc/self") << ENOENT;
}

void TestRealPeer::downloadFolder()
{
    QFETCH(QString, folder);
    QFETCH(int, error);
    RealFixture f;
    QVERIFY(f.linked);
    folder.replace(QStringLiteral("ROOT"), f.env.root());
    TestEnv::writeFile(f.env.path(QStringLiteral("file")), "data\n");
    QVERIFY(!f.serveClip(QStringLiteral("a"), 1).isEmpty());
    QVERIFY(!f.serveClip(QStringLiteral("b"), 1).isEmpty());
    // The folder is read as a job starts: the one waiting gets the usual one.
    f.prefs.setValue(PrefKey::parallel, 1);
    f.prefs.setFolder(folder);
    f.model.queue().enqueue({f.item(QStringLiteral("a"))}, Preset::p720);
    f.prefs.setFolder(f.env.downloadsDir());
    f.model.queue().enqueue({f.item(QStringLiteral("b"))}, Preset::p720);
    QVERIFY(f.settled());

    const DownloadPtr a = f.job(QStringLiteral("a"));
    if (error == 0) {
        QVERIFY2(a->phase() == Download::Phase::done(), qPrintable(a->phase().message()));
        QCOMPARE(a->file(), std::optional(folder + QStringLiteral("/a [a].mp4")));
    } else {
        // yt-dlp's own words: what it tried, the system's reason, the path.
        const QString message = a->phase().message();
        QCOMPARE(a->phase().kind(), Kind::failed);
        QVERIFY2(message.startsWith(QStringLiteral("unable to ")) &&
                     message.contains(QString::fromStdString(std::generic_category().message(error))) &&
                     message.contains(folder),
                 qPrintable(message));
    }
    const DownloadPtr b = f.job(QStringLiteral("b"));
    QVERIFY2(b->phase() == Download::Phase::done(), qPrintable(b->phase().message()));
    QCOMPARE(b->file(), std::optional(f.env.downloadsDir() + QStringLiteral("/b [b].mp4")));
}

QTEST_GUILESS_MAIN(TestRealPeer)
#include "tst_realpeer.moc"
