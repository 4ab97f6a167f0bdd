// The whole way through the window with Debian's own yt-dlp and ffmpeg: a
// clip made here and served on 127.0.0.1 is typed into the input, looked up
// with Return, downloaded with Ctrl+Return, and lands on disk.
#include "DownloadsList.h"
#include "HttpServer.h"
#include "WindowFixture.h"

#include <QFile>
#include <QFileInfo>

using namespace reelcatch;

class TestEndToEndRealPeer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void typeLookUpAndDownload();
};

void TestEndToEndRealPeer::initTestCase()
{
    TestEnv::isolateProcess();
    for (const char* tool : {"/usr/bin/yt-dlp", "/usr/bin/ffmpeg", "/usr/bin/ffprobe"}) {
        if (!QFile::exists(QString::fromLatin1(tool)))
            QFAIL("Debian's yt-dlp and ffmpeg packages are needed (scripts/install-deps.sh)");
    }
}

void TestEndToEndRealPeer::typeLookUpAndDownload()
{
    TestEnv env;
    HttpServer server;
    QVERIFY(server.isListening());
    const QString clip =
        TestEnv::makeClip(env.path(QStringLiteral("www")), QStringLiteral("clip.mp4"), 2);
    QVERIFY(!clip.isEmpty());
    server.serveFile(QStringLiteral("/clip.mp4"), clip);
    // The system's tools stand in the last system bin directory.
    for (const QString& tool :
         {QStringLiteral("yt-dlp"), QStringLiteral("ffmpeg"), QStringLiteral("ffprobe")})
        QVERIFY(QFile::link(QStringLiteral("/usr/bin/") + tool,
                            env.binDirs().at(2) + QLatin1Char('/') + tool));

    Engine engine(env.engineConfig());
    QVERIFY(engine.ytdlp() && engine.ffmpeg());
    Prefs prefs(env.settingsPath(), env.downloadsDir());
    FakeInstaller installer;
    FakeClipboard clipboard;
    AppModel model(engine, prefs, installer, Platform{&clipboard, nullptr, nullptr});
    QNetworkAccessManager network;
    ThumbnailCache thumbnails(&network, env.path(QStringLiteral("thumbnails")));
    RecordingActions actions;
    ScriptedChooser chooser;
    MainWindow window(model, thumbnails, actions, chooser);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QLineEdit* input = window.header()->input();
    QTRY_VERIFY(input->hasFocus());
    QTest::keyClicks(input, server.url(QStringLiteral("/clip.mp4")));
    QTest::keyClick(input, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(!model.isFetching(), 60000);
    QVERIFY2(!model.fetchError(), qPrintable(model.fetchError().value_or(QString())));
    QCOMPARE(model.results().size(), 1);
    QVERIFY(window.resultsPane()->showsResults());
    QCOMPARE(window.resultsPane()->downloadButton()->text(), QStringLiteral("Download"));
    QVERIFY(window.resultsPane()->downloadButton()->isEnabled());

    QTest::keyClick(input, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(model.downloads().size(), 1);
    const DownloadPtr job = model.downloads().first();
    QCOMPARE(job->preset(), window.preset());
    QVERIFY(window.downloadsPane()->showsList());
    QTRY_VERIFY_WITH_TIMEOUT(job->isFinished() && !job->process(), 120000);
    QVERIFY2(job->phase() == Download::Phase::done(), qPrintable(job->phase().message()));

    const QString file = job->file().value_or(QString());
    QCOMPARE(QFileInfo(file).absolutePath(), env.downloadsDir());
    QVERIFY(QFileInfo(file).size() > 1000);
    QCOMPARE(job->detail(), QFileInfo(file).fileName());
    // The row shows the finished job, and the bar has nothing left to report.
    QCOMPARE(window.downloadsPane()->list()->model()->rowCount(), 1);
    QVERIFY(window.downloadsPane()->summaryLabel()->isHidden());
    QVERIFY(window.downloadsPane()->clearFinishedButton()->isEnabled());
}

QTEST_MAIN(TestEndToEndRealPeer)
#include "tst_endtoend_realpeer.moc"
