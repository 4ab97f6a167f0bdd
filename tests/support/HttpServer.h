#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QPair>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>


class QThread;

// One request as the server received it.
struct HttpRequest {
    QByteArray method;
    // The request target as sent, query included ("/a%20b.mp4?x=1").
    QByteArray target;
    // The target's path, percent-decoded, without the query ("/a b.mp4").
    QString path;
    QList<QPair<QByteArray, QByteArray>> headers;

    // The first header of that name (case-insensitive); empty if none.
    QByteArray header(const QByteArray& name) const;
};

// A small HTTP/1.1 server on 127.0.0.1 only, port chosen by the system. It
// runs on a thread of its own, so it answers even while the test's thread
// blocks. Every answer carries "Connection: close".
//
// Routes are matched on the decoded path without the query: exact routes
// first, then the longest directory prefix; anything else is a 404. GET and
// HEAD are answered (HEAD with the headers GET would have), other methods get
// 405. Bodies with status 200 honour a single byte range ("bytes=a-b",
// "bytes=a-", "bytes=-n") with 206 and Content-Range, 416 when it can't be
// satisfied. Files are read at each request, so a test may change them.
class HttpServer : public QObject {
    Q_OBJECT
public:
    explicit HttpServer(QObject* parent = nullptr);
    ~HttpServer() override;

    bool isListening() const { return m_port != 0; }
    quint16 port() const { return m_port; }
    // "http://127.0.0.1:PORT/path" (a missing leading "/" is added).
    QString url(const QString& path = QStringLiteral("/")) const;
    QUrl qurl(const QString& path = QStringLiteral("/")) const;

    // A file from disk; the content type is guessed from its extension when
    // empty. A file missing at request time answers 404.
    void serveFile(const QString& path, const QString& file, const QByteArray& contentType = {});
    void serveBytes(const QString& path, const QByteArray& body,
                    const QByteArray& contentType = QByteArrayLiteral("application/octet-stream"));
    // Any status with a body (no ranges).
    void
    serveStatus(const QString& path, int status, const QByteArray& body = {},
                const QByteArray& contentType = QByteArrayLiteral("text/plain; charset=utf-8"));
    // 301, 302, 303, 307 or 308 to a path on this server or a full URL.
    void serveRedirect(const QString& path, const QString& location, int status = 302);
    // Every file under `dir` below `prefix` ("/dash/" + "a/b.m4s" is dir/a/b.m4s);
    // names leaving `dir` answer 404.
    void serveDirectory(const QString& prefix, const QString& dir);
    // Forgets a route or directory; its path answers 404 again.
    void remove(const QString& pathOrPrefix);

    // Options of an existing route or directory (false if there is none).
    // Slow: after the headers, the body goes out `chunkBytes` every
    // `intervalMs`.
    bool setSlow(const QString& pathOrPrefix, int chunkBytes, int intervalMs);
    // Stall: the headers and the first `bytes` of the body, then nothing
    // until the client gives up; the response claims the full length.
    bool setStall(const QString& pathOrPrefix, qint64 bytes);
    // Cut off: the headers and the first `bytes` of the body, then the
    // connection is closed; the response claims the full length.
    bool setCutOff(const QString& pathOrPrefix, qint64 bytes);
    // Waits `ms` before answering at all.
    bool setDelay(const QString& pathOrPrefix, int ms);
    // One more response header.
    bool addHeader(const QString& pathOrPrefix, const QByteArray& name, const QByteArray& value);

    QList<HttpRequest> requests() const;
    int requestCount() const;
    // Requests whose decoded path equals `path`.
    int requestCount(const QString& path) const;
    std::optional<HttpRequest> lastRequest() const;
    void clearRequests();
    // Connections accepted and not yet closed.
    int openConnections() const;

signals:
    // Emitted from the server's thread once a request's headers are read.
    void requestReceived(const QByteArray& method, const QString& path);

private:
    friend class HttpServerWorker;
    friend class HttpConnection;

    struct Route {
        enum Kind { Bytes, File, Status, Redirect, Directory } kind = Bytes;
        int status = 200;
        QByteArray body;
        QString file; // File: the file; Directory: the folder
        QByteArray contentType;
        QList<QPair<QByteArray, QByteArray>> headers;
        int chunkBytes = 0;
        int intervalMs = 0;
        qint64 stallAfter = -1;
        qint64 cutAfter = -1;
        int delayMs = 0;
    };
    void setRoute(const QString& path, const Route& route);
    bool changeRoute(const QString& pathOrPrefix, const std::function<void(Route&)>& change);
    // The route for a decoded path, and for a directory the file it names.
    std::optional<Route> find(const QString& path) const;
    void record(const HttpRequest& request);
    void connectionCountChanged(int delta);

    mutable QMutex m_mutex;
    QList<QPair<QString, Route>> m_routes;
    QList<HttpRequest> m_requests;
    int m_open = 0;
    quint16 m_port = 0;
    QThread* m_thread = nullptr;
    QObject* m_worker = nullptr;
};
