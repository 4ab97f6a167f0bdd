#pragma once

#include <QCache>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QSet>
#include <QSize>
#include <QString>
#include <QUrl>

#include <optional>

class QNetworkAccessManager;
class QNetworkDiskCache;
class QNetworkReply;

namespace reelcatch {

// Thumbnail images for the lists, loaded on demand.
//
// A row asks for its image with pixmap() each time it is painted; the first
// ask queues a load and later ones find the decoded image in memory. At most
// four loads run at once and the most recently asked-for address
// starts first, so the rows on screen win over rows scrolled past. Fetched
// bytes are kept in a disk cache (when a folder is given) and decoded and
// scaled on a worker thread; the GUI thread only turns the result into a
// pixmap. An address that fails is not tried again during the session.
//
// The disk cache is consulted by hand rather than installed on the network
// manager, so a manager shared with other downloads keeps its behaviour.
class ThumbnailCache : public QObject {
    Q_OBJECT
public:
    ThumbnailCache(QNetworkAccessManager* network, const QString& diskCacheDir,
                   QObject* parent = nullptr);
    ~ThumbnailCache() override;

    // Where loaded images are kept between runs; empty when they are not.
    QString diskCacheDir() const;

    // The image at `url`, scaled to cover exactly `size` pixels (cut evenly
    // from both sides of the longer dimension), when it is in memory.
    // Otherwise queues its load and returns nothing; loaded() follows.
    // Addresses other than http and https are never loaded.
    std::optional<QPixmap> pixmap(const QUrl& url, QSize size);

    // Drops queued loads for `size` whose address is not in `wanted`, for
    // rows scrolled out of view. Loads already running finish and are kept.
    void keepOnly(QSize size, const QSet<QUrl>& wanted);
    // Drops the queued load of one address at one size, if it still waits.
    void cancel(const QUrl& url, QSize size);

    // Loads started so far, from the network or the disk cache.
    int requestsStarted() const { return m_started; }
    // Loads waiting for a free slot.
    int queuedCount() const { return int(m_queue.size()); }
    int runningCount() const { return int(m_running.size()); }
    bool hasFailed(const QUrl& url) const { return m_failed.contains(url); }

signals:
    // The image at `url` is now in memory for every size asked for so far.
    void loaded(const QUrl& url);
    // The image at `url` could not be fetched or decoded.
    void failed(const QUrl& url);

private:
    struct Queued {
        QList<QSize> sizes;
        quint64 ticket = 0; // higher is newer
    };
    struct Running {
        QList<QSize> sizes;
        QPointer<QNetworkReply> reply; // none while only decoding
    };

    static QString key(const QUrl& url, QSize size);
    void schedulePump();
    void pump();
    void start(const QUrl& url, const QList<QSize>& sizes);
    void finishReply(QNetworkReply* reply, const QUrl& url);
    void decode(const QUrl& url, const QByteArray& bytes);
    void fail(const QUrl& url);
    std::optional<QByteArray> fromDisk(const QUrl& url);
    void toDisk(const QUrl& url, const QByteArray& bytes);

    QNetworkAccessManager* m_network;
    QNetworkDiskCache* m_disk = nullptr;
    QCache<QString, QPixmap> m_memory;
    QHash<QUrl, Queued> m_queue;
    QHash<QUrl, Running> m_running;
    QSet<QUrl> m_failed;
    quint64 m_nextTicket = 1;
    int m_maxConcurrent = 4;
    int m_started = 0;
    bool m_pumpScheduled = false;
};

} // namespace reelcatch
