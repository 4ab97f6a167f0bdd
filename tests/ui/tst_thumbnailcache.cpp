// The thumbnail cache over a loopback server: scaling and cropping, the
// memory and disk caches, the limit on loads at once and their order,
// dropped requests, and failures that are not retried.
#include "HttpServer.h"
#include "RowListTestSupport.h"
#include "TestEnv.h"
#include "ThumbnailCache.h"

#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace reelcatch;

namespace {

const QSize rowSize(120, 68);
const QSize smallSize(72, 41);

QUrl numbered(const HttpServer& server, const QString& path, int n)
{
    QUrl url = server.qurl(path);
    url.setQuery(QStringLiteral("n=%1").arg(n));
    return url;
}

// The numbers of the requests the server saw, in order of arrival.
QList<int> requestedNumbers(const HttpServer& server)
{
    QList<int> numbers;
    for (const HttpRequest& request : server.requests()) {
        const QByteArray target = request.target;
        numbers << target.mid(target.indexOf("n=") + 2).toInt();
    }
    return numbers;
}

} // namespace

class TestThumbnailCache : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void scalesToCoverAndCaches();
    void diskCacheServesANewSession();
    void limitOrderAndDroppedRequests();
    void failuresAreFinal_data();
    void failuresAreFinal();

private:
    HttpServer m_server;
    QNetworkAccessManager m_network;
    std::unique_ptr<QTemporaryDir> m_cacheDir;
};

void TestThumbnailCache::initTestCase()
{
    TestEnv::isolateProcess();
    QVERIFY(m_server.isListening());
    // 4:3 with blue bands on top and bottom, as the site's letterboxed
    // thumbnails have: covering a 16:9 frame cuts them off entirely.
    m_server.serveBytes(QStringLiteral("/banded.png"),
                        encodedImage(QSize(320, 240), Qt::red, "PNG", 24), "image/png");
    m_server.serveBytes(QStringLiteral("/plain.jpg"),
                        encodedImage(QSize(160, 90), QColor(0, 160, 0), "JPEG"), "image/jpeg");
    m_server.serveBytes(QStringLiteral("/text.png"), "not an image at all", "image/png");
    m_server.serveStatus(QStringLiteral("/missing.png"), 404);
}

void TestThumbnailCache::init()
{
    m_server.clearRequests();
    m_cacheDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_cacheDir->isValid());
}

void TestThumbnailCache::scalesToCoverAndCaches()
{
    ThumbnailCache cache(&m_network, m_cacheDir->path());
    QSignalSpy loaded(&cache, &ThumbnailCache::loaded);
    const QUrl url = m_server.qurl(QStringLiteral("/banded.png"));

    // Two sizes of one address: one fetch serves both.
    QVERIFY(!cache.pixmap(url, rowSize));
    QVERIFY(!cache.pixmap(url, smallSize));
    QVERIFY(loaded.wait(10000));
    QCOMPARE(loaded.first().first().toUrl(), url);
    QCOMPARE(m_server.requestCount(QStringLiteral("/banded.png")), 1);

    for (QSize size : {rowSize, smallSize}) {
        const std::optional<QPixmap> pixmap = cache.pixmap(url, size);
        QVERIFY(pixmap);
        QCOMPARE(pixmap->size(), size);
        const QImage image = pixmap->toImage();
        // Cropped, not stretched: the bands are gone, top and bottom rows red.
        for (int y : {0, size.height() / 2, size.height() - 1}) {
            QVERIFY2(near(image.pixelColor(size.width() / 2, y), Qt::red),
                     qPrintable(QStringLiteral("row %1 of %2x%3: %4")
                                    .arg(y)
                                    .arg(size.width())
                                    .arg(size.height())
                                    .arg(image.pixelColor(size.width() / 2, y).name())));
        }
    }
    // From memory now: no second load.
    QCOMPARE(cache.requestsStarted(), 1);
    QCOMPARE(cache.queuedCount() + cache.runningCount(), 0);
}

void TestThumbnailCache::diskCacheServesANewSession()
{
    const QUrl url = m_server.qurl(QStringLiteral("/plain.jpg"));
    {
        ThumbnailCache first(&m_network, m_cacheDir->path());
        QSignalSpy loaded(&first, &ThumbnailCache::loaded);
        first.pixmap(url, rowSize);
        QVERIFY(loaded.wait(10000));
    }
    QCOMPARE(m_server.requestCount(QStringLiteral("/plain.jpg")), 1);

    // A new cache over the same folder, with a manager of its own: the image
    // comes from disk, the server sees nothing.
    QNetworkAccessManager network;
    ThumbnailCache second(&network, m_cacheDir->path());
    QSignalSpy loaded(&second, &ThumbnailCache::loaded);
    QVERIFY(!second.pixmap(url, smallSize));
    QVERIFY(loaded.wait(10000));
    const std::optional<QPixmap> pixmap = second.pixmap(url, smallSize);
    QVERIFY(pixmap);
    QVERIFY(near(pixmap->toImage().pixelColor(36, 20), QColor(0, 160, 0), 30));
    QCOMPARE(m_server.requestCount(QStringLiteral("/plain.jpg")), 1);
    QCOMPARE(second.requestsStarted(), 1);
}

void TestThumbnailCache::limitOrderAndDroppedRequests()
{
    // Answers come slowly, so the loads pile up behind the limit.
    m_server.serveBytes(QStringLiteral("/slow.png"), encodedImage(QSize(64, 36), Qt::yellow),
                        "image/png");
    QVERIFY(m_server.setDelay(QStringLiteral("/slow.png"), 300));
    ThumbnailCache cache(&m_network, QString());
    QCOMPARE(cache.maxConcurrent(), 4);
    QSignalSpy loaded(&cache, &ThumbnailCache::loaded);

    for (int n = 0; n < 10; ++n)
        cache.pixmap(numbered(m_server, QStringLiteral("/slow.png"), n), rowSize);
    QTRY_COMPARE_WITH_TIMEOUT(cache.runningCount(), 4, 5000);
    QCOMPARE(cache.queuedCount(), 6);
    // The newest asks go first: the rows the user is looking at now.
    QTRY_COMPARE_WITH_TIMEOUT(m_server.requestCount(), 4, 5000);
    QList<int> first = requestedNumbers(m_server);
    std::sort(first.begin(), first.end());
    QCOMPARE(first, QList<int>({6, 7, 8, 9}));

    // Scrolled away from everything but 0 and 5, then 0 is dropped too.
    cache.keepOnly(rowSize, {numbered(m_server, QStringLiteral("/slow.png"), 0),
                             numbered(m_server, QStringLiteral("/slow.png"), 5)});
    cache.cancel(numbered(m_server, QStringLiteral("/slow.png"), 0), rowSize);
    QCOMPARE(cache.queuedCount(), 1);
    // Another size of a dropped address is a request of its own.
    cache.pixmap(numbered(m_server, QStringLiteral("/slow.png"), 3), smallSize);
    QCOMPARE(cache.queuedCount(), 2);

    QTRY_COMPARE_WITH_TIMEOUT(loaded.size(), 6, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(cache.runningCount() == 0, 5000);
    QCOMPARE(cache.requestsStarted(), 6);
    QList<int> all = requestedNumbers(m_server);
    std::sort(all.begin(), all.end());
    QCOMPARE(all, QList<int>({3, 5, 6, 7, 8, 9}));
    QVERIFY(!cache.pixmap(numbered(m_server, QStringLiteral("/slow.png"), 1), rowSize));
    QVERIFY(cache.pixmap(numbered(m_server, QStringLiteral("/slow.png"), 3), smallSize));
}

void TestThumbnailCache::failuresAreFinal_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("404") << QStringLiteral("/missing.png");
    QTest::newRow("not an image") << QStringLiteral("/text.png");
    QTest::newRow("nobody listening") << QString();
}

void TestThumbnailCache::failuresAreFinal()
{
    QFETCH(QString, path);
    // Without a path: a port on 127.0.0.1 that nothing listens on.
    QUrl url =
        path.isEmpty() ? QUrl(QStringLiteral("http://127.0.0.1:1/x.png")) : m_server.qurl(path);
    ThumbnailCache cache(&m_network, m_cacheDir->path());
    QSignalSpy failed(&cache, &ThumbnailCache::failed);
    QSignalSpy loaded(&cache, &ThumbnailCache::loaded);
    QVERIFY(!cache.pixmap(url, rowSize));
    QVERIFY(failed.wait(10000));
    QVERIFY(cache.hasFailed(url));

    // Rows keep painting; the address is not asked for again.
    QVERIFY(!cache.pixmap(url, rowSize));
    QVERIFY(!cache.pixmap(url, smallSize));
    QCoreApplication::processEvents();
    QCOMPARE(cache.queuedCount(), 0);
    QCOMPARE(cache.requestsStarted(), 1);
    QCOMPARE(loaded.size(), 0);
    if (!path.isEmpty())
        QCOMPARE(m_server.requestCount(path), 1);
}

QTEST_MAIN(TestThumbnailCache)
#include "tst_thumbnailcache.moc"
