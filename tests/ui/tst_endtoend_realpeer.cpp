// The whole way through the window with Debian's own yt-dlp and ffmpeg: a
// clip made here and served on 127.0.0.1 is typed into the input, looked up
// with Return, downloaded with Ctrl+Return, and lands on disk.
#include "HttpServer.h"
#include "UiFixture.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

using namespace reelcatch;
using namespace reelcatch::test;

class TestEndToEndRealPeer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(); }
    void typeLookUpAndDownload();
};

void TestEndToEndRealPeer::typeLookUpAndDownload()
{
    TestEnv env;
    HttpServer server;
    QVERIFY(server.isListening());
    const QString clip = TestEnv::makeClip(env.path(u"www"_s), u"clip.mp4"_s, 2);
    QVERIFY(!clip.isEmpty());
    server.serveFile(u"/clip.mp4"_s, clip);
    // The system's tools stand in the last system bin directory.
    for (const QString& tool : {u"yt-dlp"_s, u"ffmpeg"_s, u"ffprobe"_s})
        QVERIFY(QFile::link(u"/usr/bin/"_s + tool, env.binDirs().at(2) + u'/' + tool));
    Engine engine(env.engineConfig());
    QVERIFY(engine.ytdlp() && engine.ffmpeg());
    Prefs prefs(env.settingsPath(), env.downloadsDir());
    HeldInstaller installer;
    AppModel model(engine, prefs, installer);
    QNetworkAccessManager network;
    ThumbnailCache thumbnails(&network, env.path(u"thumbnails"_s));
    RecordingActions actions;
    NoChooser chooser;
    MainWindow window(model, thumbnails, actions, chooser);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QLineEdit* input = window.header()->input();
    QTRY_VERIFY(input->hasFocus());
    QTest::keyClicks(input, server.url(u"/clip.mp4"_s));
    QTest::keyClick(input, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(!model.lookup().isFetching(), 60000);
    const Lookup& lookup = model.lookup();
    QVERIFY2(!lookup.fetchError(), qPrintable(lookup.fetchError().value_or(QString())));
    QCOMPARE(model.lookup().results().size(), 1);
    QCOMPARE(window.resultsPane()->downloadButton()->text(), u"Download"_s);

    QTest::keyClick(input, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(model.queue().downloads().size(), 1);
    const DownloadPtr job = model.queue().downloads().first();
    QCOMPARE(job->preset(), window.preset());
    QTRY_VERIFY_WITH_TIMEOUT(job->isFinished(), 120000);
    QVERIFY2(job->phase() == Download::Phase::done(), qPrintable(job->phase().message()));
    const QFileInfo file(job->file().value_or(QString()));
    QCOMPARE(file.absolutePath(), env.downloadsDir());
    QVERIFY(file.size() > 1000);
    QCOMPARE(job->detail(), file.fileName());
    QVERIFY(window.downloadsPane()->clearFinishedButton()->isEnabled());
}

QTEST_MAIN(TestEndToEndRealPeer)
#include "tst_endtoend_realpeer.moc"
