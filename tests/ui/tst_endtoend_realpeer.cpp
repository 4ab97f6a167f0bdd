// The whole way through the window with Debian's own yt-dlp and ffmpeg: a
// clip made here and served on 127.0.0.1 is typed into the input, looked up
// with Return, downloaded with Ctrl+Return, and lands on disk; then a video
// with two audio tracks comes with the one the settings window asked for.
#include "HttpServer.h"
#include "UiFixture.h"
#include "ui/SettingsWindow.h"

#include <QComboBox>
#include <QDir>
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

    // A DASH presentation with German and English sound, told apart by sample
    // rate (the merge drops the language); English picked in the settings.
    const QString dash = env.path(u"dash"_s);
    QVERIFY(QDir().mkpath(dash));
    const QStringList make =
        u"-nostdin -loglevel error -f lavfi -i testsrc=duration=2:size=320x180:rate=25 -f lavfi "
        u"-i sine=duration=2:sample_rate=48000 -f lavfi -i sine=duration=2:sample_rate=24000 "
        u"-map 0:v -map 1:a -map 2:a -c:v libx264 -preset ultrafast -c:a aac "
        u"-metadata:s:a:0 language=deu -metadata:s:a:1 language=eng -f dash -adaptation_sets"_s
            .split(u' ')
        << u"id=0,streams=v id=1,streams=1 id=2,streams=2"_s << dash + u"/manifest.mpd"_s;
    const ProcessResult made = runProcess(u"/usr/bin/ffmpeg"_s, make, env.childEnvironment());
    QVERIFY2(made.ok(), made.err.constData());
    for (const QString& name : QDir(dash).entryList(QDir::Files))
        server.serveFile(u'/' + name, dash + u'/' + name);
    SettingsWindow settings(model, chooser);
    settings.show();
    auto* audio = settings.findChild<QComboBox*>(u"audioLang"_s);
    audio->setFocus();
    QTest::keyClicks(audio, u"Engl"_s);
    QCOMPARE(prefs.value(PrefKey::audioLang), u"en"_s);
    settings.close();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    input->selectAll();
    QTest::keyClicks(input, server.url(u"/manifest.mpd"_s));
    QTest::keyClick(input, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(!model.lookup().isFetching() && lookup.results().size() == 1, 60000);
    QTest::keyClick(input, Qt::Key_Return, Qt::ControlModifier);
    const DownloadPtr dubbed = model.queue().downloads().first(); // the newest first
    QVERIFY(dubbed != job);
    QTRY_VERIFY_WITH_TIMEOUT(dubbed->isFinished(), 120000);
    QVERIFY2(dubbed->phase() == Download::Phase::done(), qPrintable(dubbed->phase().message()));
    const ProcessResult probe = runProcess(u"/usr/bin/ffprobe"_s,
        u"-v error -select_streams a -show_entries stream=sample_rate -of csv=p=0"_s.split(u' ')
            << dubbed->file().value_or(QString()));
    QCOMPARE(probe.out.trimmed(), QByteArray("24000"));
}

QTEST_MAIN(TestEndToEndRealPeer)
#include "tst_endtoend_realpeer.moc"
