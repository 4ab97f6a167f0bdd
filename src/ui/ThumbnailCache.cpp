#include "ui/ThumbnailCache.h"

#include "ui/UiLog.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFuture>
#include <QFutureWatcher>
#include <QImage>
#include <QImageReader>
#include <QNetworkAccessManager>
#include <QNetworkDiskCache>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QtConcurrent>

#include <algorithm>
#include <utility>

namespace reelcatch {

namespace {

// Thumbnails are a few dozen kilobytes; anything far larger is not one.
constexpr qint64 maxImageBytes = 8 * 1024 * 1024;
constexpr int transferTimeoutMs = 20000;
// Decoded images kept in memory, in kilobytes.
constexpr int memoryBudgetKb = 64 * 1024;
constexpr qint64 diskBudgetBytes = 100 * 1024 * 1024;
// A page's thumbnail seldom changes; a week-old copy is fetched afresh.
constexpr int diskLifetimeDays = 7;

int costKb(QSize size)
{
    return std::max(1, size.width() * size.height() * 4 / 1024);
}

// Scales `source` to cover `size` and cuts the overflow evenly from both
// sides, like an aspect-fill frame.
QImage cover(const QImage& source, QSize size)
{
    const QImage scaled =
        source.scaled(size, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    const QRect crop(
        QPoint((scaled.width() - size.width()) / 2, (scaled.height() - size.height()) / 2), size);
    return scaled.copy(crop).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Runs on a worker thread: one decode, one scaled copy per size. An empty
// list when the bytes are not an image.
QList<QImage> decodeAndScale(const QByteArray& bytes, const QList<QSize>& sizes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    // Decoders that can (JPEG) deliver a smaller image directly, still large
    // enough to cover the biggest size asked for.
    const QSize full = reader.size();
    if (full.isValid()) {
        QSize largest;
        for (QSize size : sizes)
            largest = largest.expandedTo(size);
        const QSize covering = full.scaled(largest, Qt::KeepAspectRatioByExpanding);
        if (covering.width() * 2 <= full.width())
            reader.setScaledSize(covering * 2);
    }
    const QImage image = reader.read();
    if (image.isNull())
        return {};
    QList<QImage> images;
    images.reserve(sizes.size());
    for (QSize size : sizes)
        images.append(cover(image, size));
    return images;
}

} // namespace

ThumbnailCache::ThumbnailCache(QNetworkAccessManager* network, const QString& diskCacheDir,
                               QObject* parent)
    : QObject(parent), m_network(network), m_memory(memoryBudgetKb)
{
    if (!diskCacheDir.isEmpty()) {
        m_disk = new QNetworkDiskCache(this);
        m_disk->setCacheDirectory(diskCacheDir);
        m_disk->setMaximumCacheSize(diskBudgetBytes);
    }
}

ThumbnailCache::~ThumbnailCache()
{
    for (const Running& running : std::as_const(m_running)) {
        if (QNetworkReply* reply = running.reply) {
            // Aborting reports the end synchronously; nobody is left to hear it.
            reply->disconnect(this);
            reply->abort();
            reply->deleteLater();
        }
    }
}

QString ThumbnailCache::key(const QUrl& url, QSize size)
{
    return url.toString(QUrl::FullyEncoded) + QLatin1Char('|') + QString::number(size.width()) +
           QLatin1Char('x') + QString::number(size.height());
}

QString ThumbnailCache::diskCacheDir() const
{
    return m_disk ? QDir::cleanPath(m_disk->cacheDirectory()) : QString();
}

std::optional<QPixmap> ThumbnailCache::pixmap(const QUrl& url, QSize size)
{
    // Only web addresses: the manager opens a file: address on this thread,
    // where a fifo or /dev/stdin would block it for good.
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || size.isEmpty() ||
        (scheme != QLatin1StringView("http") && scheme != QLatin1StringView("https")))
        return std::nullopt;
    if (const QPixmap* cached = m_memory.object(key(url, size)))
        return *cached;
    if (m_failed.contains(url))
        return std::nullopt;

    if (auto running = m_running.find(url); running != m_running.end()) {
        if (!running->sizes.contains(size))
            running->sizes.append(size);
        return std::nullopt;
    }
    Queued& queued = m_queue[url];
    if (!queued.sizes.contains(size))
        queued.sizes.append(size);
    queued.ticket = m_nextTicket++;
    schedulePump();
    return std::nullopt;
}

void ThumbnailCache::keepOnly(QSize size, const QSet<QUrl>& wanted)
{
    for (auto it = m_queue.begin(); it != m_queue.end();) {
        if (!wanted.contains(it.key()))
            it->sizes.removeAll(size);
        it = it->sizes.isEmpty() ? m_queue.erase(it) : std::next(it);
    }
}

void ThumbnailCache::cancel(const QUrl& url, QSize size)
{
    auto it = m_queue.find(url);
    if (it == m_queue.end())
        return;
    it->sizes.removeAll(size);
    if (it->sizes.isEmpty())
        m_queue.erase(it);
}

void ThumbnailCache::schedulePump()
{
    // Rows ask while they paint; starting once the pass is over lets the
    // newest of them go first and lets the view drop rows it scrolled past.
    if (m_pumpScheduled)
        return;
    m_pumpScheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_pumpScheduled = false;
        pump();
    });
}

void ThumbnailCache::pump()
{
    while (m_running.size() < m_maxConcurrent && !m_queue.isEmpty()) {
        auto newest =
            std::max_element(m_queue.begin(), m_queue.end(),
                             [](const Queued& a, const Queued& b) { return a.ticket < b.ticket; });
        // Copies: erase() below frees the entry they come from.
        const QUrl url = newest.key(); // NOLINT(performance-unnecessary-copy-initialization)
        const QList<QSize> sizes = newest->sizes;
        m_queue.erase(newest);
        start(url, sizes);
    }
}

void ThumbnailCache::start(const QUrl& url, const QList<QSize>& sizes)
{
    ++m_started;
    m_running.insert(url, Running{sizes, nullptr});
    if (std::optional<QByteArray> bytes = fromDisk(url)) {
        decode(url, *bytes);
        return;
    }

    QNetworkRequest request(url);
    request.setTransferTimeout(transferTimeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = m_network->get(request);
    m_running[url].reply = reply;
    connect(reply, &QNetworkReply::downloadProgress, this, [reply](qint64 received, qint64) {
        if (received > maxImageBytes)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, url] { finishReply(reply, url); });
}

void ThumbnailCache::finishReply(QNetworkReply* reply, const QUrl& url)
{
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool httpOk = status == 0 || (status >= 200 && status < 300);
    if (reply->error() != QNetworkReply::NoError || !httpOk) {
        qCDebug(lcUi) << "thumbnail not loaded:" << url << status << reply->errorString();
        fail(url);
        return;
    }
    const QByteArray bytes = reply->readAll();
    if (auto running = m_running.find(url); running != m_running.end())
        running->reply = nullptr;
    decode(url, bytes);
}

void ThumbnailCache::decode(const QUrl& url, const QByteArray& bytes)
{
    const QList<QSize> sizes = m_running.value(url).sizes;
    // A watcher owned by the cache rather than QFuture::then(this, ...):
    // Qt 6.4's context continuations now and then crash in
    // QFutureInterfaceBase::reportStarted() when run on the GUI thread
    // (seen once in some 90,000 loads while paging through a long list).
    auto* watcher = new QFutureWatcher<QList<QImage>>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, url, sizes, bytes] {
        watcher->deleteLater();
        const QList<QImage> images = watcher->future().result();
        if (images.size() != sizes.size()) {
            fail(url);
            return;
        }
        for (qsizetype i = 0; i < sizes.size(); ++i) {
            m_memory.insert(key(url, sizes[i]), new QPixmap(QPixmap::fromImage(images[i])),
                            costKb(sizes[i]));
        }
        toDisk(url, bytes);
        m_running.remove(url);
        emit loaded(url);
        pump();
    });
    watcher->setFuture(QtConcurrent::run(decodeAndScale, bytes, sizes));
}

void ThumbnailCache::fail(const QUrl& url)
{
    m_running.remove(url);
    m_failed.insert(url);
    if (m_disk)
        m_disk->remove(url);
    emit failed(url);
    pump();
}

std::optional<QByteArray> ThumbnailCache::fromDisk(const QUrl& url)
{
    if (!m_disk)
        return std::nullopt;
    const QNetworkCacheMetaData meta = m_disk->metaData(url);
    if (!meta.isValid())
        return std::nullopt;
    if (meta.expirationDate() < QDateTime::currentDateTimeUtc()) {
        m_disk->remove(url);
        return std::nullopt;
    }
    std::unique_ptr<QIODevice> device(m_disk->data(url));
    if (!device)
        return std::nullopt;
    return device->readAll();
}

void ThumbnailCache::toDisk(const QUrl& url, const QByteArray& bytes)
{
    if (!m_disk || m_disk->metaData(url).isValid())
        return;
    QNetworkCacheMetaData meta;
    meta.setUrl(url);
    meta.setSaveToDisk(true);
    meta.setLastModified(QDateTime::currentDateTimeUtc());
    meta.setExpirationDate(QDateTime::currentDateTimeUtc().addDays(diskLifetimeDays));
    QIODevice* device = m_disk->prepare(meta);
    if (!device)
        return;
    if (device->write(bytes) == bytes.size())
        m_disk->insert(device);
    else
        m_disk->remove(url);
}

} // namespace reelcatch
