// The thumbnail cache over a loopback server: nothing until loaded, one
// request per address however often it is asked for, then from memory.
#include "HttpServer.h"
#include "TestEnv.h"
#include "ui/ThumbnailCache.h"

#include <QBuffer>
#include <QImage>
#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QTest>

using namespace reelcatch;
using namespace Qt::Literals::StringLiterals;

class TestThumbnailCache : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(); }
    void loadsOnceAndCaches();
};

void TestThumbnailCache::loadsOnceAndCaches()
{
    TestEnv env;
    HttpServer server;
    QVERIFY(server.isListening());
    QImage image(160, 90, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    QVERIFY(buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG"));
    server.serveBytes(u"/a.png"_s, png, "image/png");
    server.serveBytes(u"/broken.png"_s, "not an image", "image/png");

    QNetworkAccessManager network;
    ThumbnailCache cache(&network, env.path(u"thumbs"_s));
    QSignalSpy loaded(&cache, &ThumbnailCache::loaded);
    QSignalSpy failed(&cache, &ThumbnailCache::failed);
    const QUrl url = server.qurl(u"/a.png"_s);
    const QSize size(120, 68);
    // The row paints its placeholder until the image is in.
    QVERIFY(!cache.pixmap(QUrl(u"file:///dev/null"_s), size)); // never read: one request below
    QVERIFY(!cache.pixmap(url, size));
    QVERIFY(!cache.pixmap(url, size));
    QVERIFY(loaded.wait(20000));
    QCOMPARE(loaded.at(0).at(0).toUrl(), url);
    const std::optional<QPixmap> shown = cache.pixmap(url, size);
    QVERIFY(shown);
    QCOMPARE(shown->size(), size);
    QCOMPARE(shown->toImage().pixelColor(60, 34), QColor(Qt::red));
    QCOMPARE(server.requestCount(u"/a.png"_s), 1);
    QCOMPARE(cache.requestsStarted(), 1);

    // A broken image fails once and is not asked for again.
    const QUrl broken = server.qurl(u"/broken.png"_s);
    QVERIFY(!cache.pixmap(broken, size));
    QVERIFY(failed.wait(20000));
    QVERIFY(!cache.pixmap(broken, size));
    QCoreApplication::processEvents();
    QCOMPARE(server.requestCount(u"/broken.png"_s), 1);
    QVERIFY(cache.hasFailed(broken));
}

QTEST_MAIN(TestThumbnailCache)
#include "tst_thumbnailcache.moc"
