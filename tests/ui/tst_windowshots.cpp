// Pictures of the main window in its typical states, saved for review into
// the screenshot folder, with a few checks of what the pictures must show.
#include "HttpServer.h"
#include "WindowFixture.h"

#include <QDir>
#include <QSplitter>

using namespace reelcatch;

namespace {

QString shotPath(const QString& name)
{
    const QString dir = QStringLiteral(REELCATCH_SCREENSHOT_DIR);
    QDir().mkpath(dir);
    return dir + QLatin1Char('/') + name + QStringLiteral(".png");
}

// Lets pending layouts and repaints run, then saves the window.
QImage save(QWidget& window, const QString& name)
{
    QTest::qWait(50);
    const QPixmap shot = window.grab();
    shot.save(shotPath(name));
    return shot.toImage();
}

// Distinct colours for the served thumbnails.
QColor swatch(int i)
{
    return QColor::fromHsv((i * 47) % 360, 150, 200);
}

} // namespace

class TestWindowShots : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        TestEnv::isolateProcess();
        // The style a bare X server gets, so the pictures look as they would there.
        QApplication::setStyle(QStringLiteral("Fusion"));
    }
    void emptyWindow();
    void playlistWithError();
    void downloadsInEveryPhase();
    void engineBanner();
};

void TestWindowShots::emptyWindow()
{
    WindowFixture f;
    QVERIFY(f.showActive());
    const QImage shot = save(f.window, QStringLiteral("window-empty"));
    QCOMPARE(shot.size() / shot.devicePixelRatio(), QSize(900, 720));
    QVERIFY(f.results().startTitle()->isVisible());
    QVERIFY(f.downloads().emptyText()->isVisible());
}

void TestWindowShots::playlistWithError()
{
    WindowFixture f;
    HttpServer server;
    QVERIFY(server.isListening());
    QJsonArray entries;
    for (int i = 0; i < 30; ++i) {
        const QString id = QStringLiteral("clip%1").arg(i, 2, 10, QLatin1Char('0'));
        server.serveBytes(
            QStringLiteral("/thumbs/") + id + QStringLiteral(".png"),
            encodedImage(QSize(320, 180), swatch(i), "PNG", 20, swatch(i).darker(160)),
            "image/png");
        const QString title =
            i % 4 == 1 ? QStringLiteral("A much longer title for clip %1 that goes on and on, "
                                        "well past what fits on two lines of the row at this width")
                             .arg(i)
                       : QStringLiteral("Clip number %1").arg(i);
        entries.append(entry(id, title, 37 + i * 125.4,
                             server.url(QStringLiteral("/thumbs/") + id + QStringLiteral(".png"))));
    }
    f.fake.onCall(1).printJsonToStdout(
        playlistAnswer(QStringLiteral("Screenshot Playlist"), entries));
    f.fake.otherwise()
        .err(QStringLiteral("ERROR: [youtube:tab] UCxyz: This channel does not have a videos tab"))
        .exitWith(1);
    QVERIFY(f.lookUp(QStringLiteral("https://example.org/playlist")));
    QCOMPARE(f.model.results().size(), 30);
    f.model.setSelected(
        {QStringLiteral("clip00"), QStringLiteral("clip02"), QStringLiteral("clip03")});
    QVERIFY(f.lookUp(QStringLiteral("https://example.org/channel")));
    QVERIFY(f.model.fetchError());
    QVERIFY(f.showActive());
    // Every visible row's thumbnail has arrived.
    QTRY_VERIFY_WITH_TIMEOUT(f.thumbnails.requestsStarted() >= 4 &&
                                 f.thumbnails.runningCount() == 0 &&
                                 f.thumbnails.queuedCount() == 0,
                             20000);
    const QImage shot = save(f.window, QStringLiteral("window-results"));
    QVERIFY(f.results().errorLine()->isVisible());
    QCOMPARE(f.results().count()->text(), QStringLiteral("30 videos \u00B7 3 selected"));
    QCOMPARE(f.results().downloadButton()->text(), QStringLiteral("Download 3"));
    // The first row's thumbnail shows in the picture.
    QVERIFY(countNear(shot, QRect(0, 0, shot.width(), shot.height() / 2), swatch(0), 12) > 500);
}

void TestWindowShots::downloadsInEveryPhase()
{
    WindowFixture f(false); // ffmpeg missing and never installed: no process starts
    HttpServer server;
    QVERIFY(server.isListening());
    const QStringList phases{QStringLiteral("queued"),     QStringLiteral("downloading"),
                             QStringLiteral("processing"), QStringLiteral("done"),
                             QStringLiteral("failed"),     QStringLiteral("cancelled")};
    QList<VideoItem> items;
    for (int i = 0; i < phases.size(); ++i) {
        const QString id = phases.at(i);
        server.serveBytes(QStringLiteral("/t/") + id, encodedImage(QSize(320, 180), swatch(i * 3)),
                          "image/png");
        items << *VideoItem::fromJson(entry(id, QStringLiteral("A video that ends up ") + id, 200,
                                            server.url(QStringLiteral("/t/") + id)));
    }
    std::reverse(items.begin(), items.end()); // newest first: "queued" on top
    f.model.enqueue(items, Preset::p1080);
    f.job(QStringLiteral("downloading"))->setPhase(Download::Phase::downloading());
    f.job(QStringLiteral("downloading"))->setFraction(0.42);
    f.job(QStringLiteral("downloading"))
        ->setDetail(
            QStringLiteral("42% \u00B7 12.6 MB of 30.0 MB \u00B7 2.1 MB/s \u00B7 0:08 left"));
    f.job(QStringLiteral("processing"))->setPhase(Download::Phase::processing());
    f.job(QStringLiteral("processing"))->setDetail(QStringLiteral("Merging\u2026"));
    const QString file =
        f.env.downloadsDir() + QStringLiteral("/A video that ends up done [done].mp4");
    f.job(QStringLiteral("done"))->setPhase(Download::Phase::done());
    f.job(QStringLiteral("done"))->setFraction(1);
    f.job(QStringLiteral("done"))->setFile(file);
    f.job(QStringLiteral("done"))
        ->setDetail(QStringLiteral("A video that ends up done [done].mp4"));
    f.job(QStringLiteral("failed"))
        ->setPhase(Download::Phase::failed(
            QStringLiteral("unable to download video data: HTTP Error 403: Forbidden")));
    f.job(QStringLiteral("cancelled"))->setPhase(Download::Phase::cancelled());
    f.job(QStringLiteral("cancelled"))->setDetail(QStringLiteral("Cancelled"));
    f.model.refreshBadge();

    f.window.resize(900, 900);
    QVERIFY(f.showActive());
    f.window.splitter()->setSizes({220, 2000});
    QTRY_VERIFY_WITH_TIMEOUT(f.thumbnails.requestsStarted() >= 6 &&
                                 f.thumbnails.runningCount() == 0 &&
                                 f.thumbnails.queuedCount() == 0,
                             20000);
    save(f.window, QStringLiteral("window-downloads"));
    QCOMPARE(f.downloads().summaryLabel()->text(), QStringLiteral("2 downloading \u00B7 1 queued"));
    QVERIFY(f.downloads().clearFinishedButton()->isEnabled());
}

void TestWindowShots::engineBanner()
{
    {
        WindowFixture f;
        QVERIFY(f.showActive());
        f.model.ensureEngine(false);
        QVERIFY(f.window.banner()->isVisible());
        save(f.window, QStringLiteral("window-banner-busy"));
        QVERIFY(f.installer.finish(QStringLiteral("deno"), Done{}));
        QTRY_VERIFY_WITH_TIMEOUT(!f.model.engineBusy(), 20000);
    }
    {
        WindowFixture f(false);
        QVERIFY(f.showActive());
        f.model.enqueue({videoItem(QStringLiteral("a"))}, Preset::p1080);
        QVERIFY(f.installer.finish(QStringLiteral("ffmpeg"),
                                   AppError{QStringLiteral("HTTP status 503")}));
        QTRY_VERIFY(f.window.banner()->isVisible());
        QVERIFY(f.allFinished());
        save(f.window, QStringLiteral("window-banner-warning"));
    }
}

QTEST_MAIN(TestWindowShots)
#include "tst_windowshots.moc"
