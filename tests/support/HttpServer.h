#pragma once

#include <QByteArray>
#include <QDir>
#include <QHash>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

class QTcpSocket;
class QThread;

// A small HTTP/1.1 server on 127.0.0.1 (a port chosen by the system), on a thread of its
// own, so it answers while the test's thread blocks. Routes are exact decoded paths
// without the query, anything else is a 404; every answer closes the connection. It is
// also a proxy to itself (and nowhere else): "GET http://127.0.0.1:PORT/path" is
// answered as "/path", and counted as proxied. A file goes out with its modification time.
class HttpServer : public QObject {
    Q_OBJECT
public:
    explicit HttpServer(QObject* parent = nullptr);
    ~HttpServer() override;

    bool isListening() const { return m_port != 0; }
    // "http://127.0.0.1:PORT/path" (a missing leading "/" is added).
    QString url(const QString& path = QStringLiteral("/")) const;
    QUrl qurl(const QString& path = QStringLiteral("/")) const { return QUrl(url(path)); }

    struct Route {
        int status = 200;
        QByteArray body;
        QString file; // read at each request
        QByteArray contentType;
        QByteArray location;
        int chunkBytes = 0;
        int intervalMs = 0;
        qint64 stallAfter = -1;
        qint64 cutAfter = -1;
        bool unsized = false;
        int delayMs = 0;
    };

    // A file read at each request (404 while it is missing); the content
    // type follows the extension when none is given.
    void serveFile(const QString& p, const QString& file, const QByteArray& type = {})
    {
        set(p, 200, {}, file, type);
    }
    // Every file of a folder (a presentation and its segments), each at "/NAME".
    void serveFolder(const QString& dir)
    {
        for (const QString& name : QDir(dir).entryList(QDir::Files))
            serveFile(u'/' + name, dir + u'/' + name);
    }
    void serveBytes(const QString& p, const QByteArray& body,
                    const QByteArray& type = QByteArrayLiteral("application/octet-stream"))
    {
        set(p, 200, body, {}, type);
    }
    void serveStatus(const QString& p, int status, const QByteArray& body = {})
    {
        set(p, status, body);
    }
    void serveRedirect(const QString& p, const QString& to, int status = 302)
    {
        set(p, status, {}, {}, {}, to.toUtf8());
    }

    // Options of an existing route (false if there is none):
    // the body goes out `chunk` bytes every `ms`;
    bool setSlow(const QString& p, int chunk, int ms)
    {
        return change(p, [=](Route& r) { r.chunkBytes = chunk, r.intervalMs = ms; });
    }
    // the first `n` bytes of the body, then silence (the full length is announced);
    bool setStall(const QString& p, qint64 n)
    {
        return change(p, [=](Route& r) { r.stallAfter = n; });
    }
    // the first `n` bytes of the body, then the connection is closed;
    bool setCutOff(const QString& p, qint64 n)
    {
        return change(p, [=](Route& r) { r.cutAfter = n; });
    }
    // no Content-Length: the body ends where the connection closes;
    bool setUnsized(const QString& p)
    {
        return change(p, [](Route& r) { r.unsized = true; });
    }
    // nothing at all for `ms` first.
    bool setDelay(const QString& p, int ms)
    {
        return change(p, [=](Route& r) { r.delayMs = ms; });
    }

    // Requests for that decoded path; those of them that came as a proxy's.
    int requestCount(const QString& path) const;
    int proxiedCount(const QString& path) const;

private:
    // On the server's thread: reads a request, records it and answers.
    void accept(QTcpSocket* socket);
    std::optional<Route> take(const QString& path, bool proxied);
    void set(const QString& path, int status, const QByteArray& body, const QString& file = {},
             const QByteArray& contentType = {}, const QByteArray& location = {});
    bool change(const QString& path, const std::function<void(Route&)>& how);

    mutable QMutex m_mutex;
    QHash<QString, Route> m_routes;
    QStringList m_requests;
    QStringList m_proxied;
    quint16 m_port = 0;
    QThread* m_thread = nullptr;
    QObject* m_worker = nullptr;
};
