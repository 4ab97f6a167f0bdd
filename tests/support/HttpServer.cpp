#include "HttpServer.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMutexLocker>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>


namespace {

constexpr qsizetype kMaxHeaderBytes = 64 * 1024;

QByteArray reason(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 204:
        return "No Content";
    case 206:
        return "Partial Content";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 303:
        return "See Other";
    case 304:
        return "Not Modified";
    case 307:
        return "Temporary Redirect";
    case 308:
        return "Permanent Redirect";
    case 400:
        return "Bad Request";
    case 401:
        return "Unauthorized";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 410:
        return "Gone";
    case 416:
        return "Range Not Satisfiable";
    case 429:
        return "Too Many Requests";
    case 431:
        return "Request Header Fields Too Large";
    case 500:
        return "Internal Server Error";
    case 502:
        return "Bad Gateway";
    case 503:
        return "Service Unavailable";
    default:
        return "Status";
    }
}

QByteArray guessContentType(const QString& file)
{
    static const QList<QPair<QLatin1String, QByteArray>> types = {
        {QLatin1String("mp4"), "video/mp4"},
        {QLatin1String("m4v"), "video/mp4"},
        {QLatin1String("m4a"), "audio/mp4"},
        {QLatin1String("m4s"), "video/iso.segment"},
        {QLatin1String("mpd"), "application/dash+xml"},
        {QLatin1String("m3u8"), "application/vnd.apple.mpegurl"},
        {QLatin1String("ts"), "video/mp2t"},
        {QLatin1String("webm"), "video/webm"},
        {QLatin1String("mkv"), "video/x-matroska"},
        {QLatin1String("mp3"), "audio/mpeg"},
        {QLatin1String("ogg"), "audio/ogg"},
        {QLatin1String("opus"), "audio/ogg"},
        {QLatin1String("jpg"), "image/jpeg"},
        {QLatin1String("jpeg"), "image/jpeg"},
        {QLatin1String("png"), "image/png"},
        {QLatin1String("webp"), "image/webp"},
        {QLatin1String("gif"), "image/gif"},
        {QLatin1String("json"), "application/json"},
        {QLatin1String("xml"), "application/xml"},
        {QLatin1String("rss"), "application/rss+xml"},
        {QLatin1String("html"), "text/html; charset=utf-8"},
        {QLatin1String("htm"), "text/html; charset=utf-8"},
        {QLatin1String("txt"), "text/plain; charset=utf-8"},
        {QLatin1String("js"), "text/javascript"},
        {QLatin1String("zip"), "application/zip"},
        {QLatin1String("gz"), "application/gzip"},
        {QLatin1String("xz"), "application/x-xz"},
    };
    const QString suffix = QFileInfo(file).suffix().toLower();
    for (const auto& t : types) {
        if (suffix == t.first)
            return t.second;
    }
    return "application/octet-stream";
}

QByteArray httpDate(const QDateTime& t)
{
    return QLocale::c()
        .toString(t.toUTC(), QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'"))
        .toLatin1();
}

// A single byte range of a body of `size` bytes.
struct ByteRange {
    enum { None, Satisfiable, Unsatisfiable } kind = None;
    qint64 first = 0;
    qint64 last = 0;
};

ByteRange parseRange(const QByteArray& header, qint64 size)
{
    ByteRange r;
    const QByteArray spec = header.trimmed();
    if (!spec.startsWith("bytes=") || spec.contains(','))
        return r; // not understood: the whole body
    const QByteArray value = spec.mid(6).trimmed();
    const qsizetype dash = value.indexOf('-');
    if (dash < 0)
        return r;
    const QByteArray a = value.left(dash).trimmed();
    const QByteArray b = value.mid(dash + 1).trimmed();
    bool okA = false;
    bool okB = false;
    const qint64 first = a.toLongLong(&okA);
    const qint64 last = b.toLongLong(&okB);
    if (a.isEmpty()) {
        if (!okB || last < 0)
            return r;
        if (last == 0 || size == 0) {
            r.kind = ByteRange::Unsatisfiable;
            return r;
        }
        r.kind = ByteRange::Satisfiable;
        r.first = qMax<qint64>(0, size - last);
        r.last = size - 1;
        return r;
    }
    if (!okA || first < 0 || (!b.isEmpty() && (!okB || last < first)))
        return r;
    if (first >= size) {
        r.kind = ByteRange::Unsatisfiable;
        return r;
    }
    r.kind = ByteRange::Satisfiable;
    r.first = first;
    r.last = b.isEmpty() ? size - 1 : qMin(last, size - 1);
    return r;
}

} // namespace

QByteArray HttpRequest::header(const QByteArray& name) const
{
    for (const auto& h : headers) {
        if (h.first.compare(name, Qt::CaseInsensitive) == 0)
            return h.second;
    }
    return {};
}

// One accepted connection: reads one request, answers it, closes. Lives on
// the server's thread.
class HttpConnection : public QObject {
public:
    HttpConnection(QTcpSocket* socket, HttpServer* server, QObject* parent)
        : QObject(parent), m_socket(socket), m_server(server)
    {
        m_socket->setParent(this);
        m_server->connectionCountChanged(+1);
        connect(m_socket, &QTcpSocket::readyRead, this, &HttpConnection::onReadyRead);
        connect(m_socket, &QTcpSocket::disconnected, this, &QObject::deleteLater);
        connect(m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError) {
            if (m_socket->state() == QAbstractSocket::UnconnectedState)
                deleteLater();
        });
        if (m_socket->bytesAvailable() > 0)
            onReadyRead();
    }

    ~HttpConnection() override { m_server->connectionCountChanged(-1); }

private:
    void onReadyRead()
    {
        if (m_answered) {
            m_socket->readAll(); // a request body or a second request: not used
            return;
        }
        m_buffer += m_socket->readAll();
        qsizetype end = m_buffer.indexOf("\r\n\r\n");
        qsizetype sep = 4;
        if (end < 0) {
            end = m_buffer.indexOf("\n\n");
            sep = 2;
        }
        if (end < 0) {
            if (m_buffer.size() > kMaxHeaderBytes)
                sendSimple(431, "header too large\n");
            return;
        }
        m_answered = true;
        const QByteArray head = m_buffer.left(end);
        m_buffer.remove(0, end + sep);
        HttpRequest request;
        if (!parse(head, request)) {
            sendSimple(400, "bad request\n");
            return;
        }
        m_server->record(request);
        const std::optional<HttpServer::Route> route = m_server->find(request.path);
        if (route && route->delayMs > 0) {
            QTimer::singleShot(route->delayMs, this,
                               [this, request, route] { answer(request, route); });
        } else {
            answer(request, route);
        }
    }

    static bool parse(const QByteArray& head, HttpRequest& request)
    {
        QList<QByteArray> lines = head.split('\n');
        for (QByteArray& l : lines) {
            if (l.endsWith('\r'))
                l.chop(1);
        }
        const QList<QByteArray> parts = lines.value(0).split(' ');
        if (parts.size() != 3 || !parts[2].startsWith("HTTP/") || parts[0].isEmpty())
            return false;
        request.method = parts[0];
        request.target = parts[1];
        QByteArray path = request.target;
        if (path.startsWith("http://") || path.startsWith("https://")) {
            const qsizetype slash = path.indexOf('/', path.indexOf("//") + 2);
            path = slash < 0 ? QByteArray("/") : path.mid(slash);
        }
        const qsizetype query = path.indexOf('?');
        if (query >= 0)
            path.truncate(query);
        const qsizetype fragment = path.indexOf('#');
        if (fragment >= 0)
            path.truncate(fragment);
        request.path = QUrl::fromPercentEncoding(path);
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines[i].indexOf(':');
            if (colon <= 0)
                return false;
            request.headers.append(
                {lines[i].left(colon).trimmed(), lines[i].mid(colon + 1).trimmed()});
        }
        return true;
    }

    void answer(const HttpRequest& request, const std::optional<HttpServer::Route>& route)
    {
        const bool head = request.method == "HEAD";
        if (!route) {
            sendSimple(404, "not found\n", head);
            return;
        }
        if (request.method != "GET" && !head) {
            addHeader("Allow", "GET, HEAD");
            sendSimple(405, "method not allowed\n");
            return;
        }
        const HttpServer::Route& r = *route;
        m_extraHeaders.append(r.headers);
        QByteArray body = r.body;
        QByteArray contentType = r.contentType;
        int status = r.status;
        bool ranges = false;
        switch (r.kind) {
        case HttpServer::Route::Status:
            break;
        case HttpServer::Route::Redirect:
            addHeader("Location", r.file.toUtf8());
            break;
        case HttpServer::Route::File:
        case HttpServer::Route::Directory: {
            QFile f(r.file);
            if (!QFileInfo(r.file).isFile() || !f.open(QIODevice::ReadOnly)) {
                sendSimple(404, "not found\n", head);
                return;
            }
            body = f.readAll();
            if (contentType.isEmpty())
                contentType = guessContentType(r.file);
            addHeader("Last-Modified", httpDate(QFileInfo(r.file).lastModified()));
            ranges = true;
            break;
        }
        case HttpServer::Route::Bytes:
            ranges = true;
            break;
        }
        if (ranges && status == 200) {
            addHeader("Accept-Ranges", "bytes");
            const QByteArray rangeHeader = request.header("Range");
            const ByteRange range =
                rangeHeader.isEmpty() ? ByteRange{} : parseRange(rangeHeader, body.size());
            if (range.kind == ByteRange::Unsatisfiable) {
                addHeader("Content-Range", "bytes */" + QByteArray::number(body.size()));
                sendSimple(416, "range not satisfiable\n", head);
                return;
            }
            if (range.kind == ByteRange::Satisfiable) {
                addHeader("Content-Range", "bytes " + QByteArray::number(range.first) + '-' +
                                               QByteArray::number(range.last) + '/' +
                                               QByteArray::number(body.size()));
                body = body.mid(range.first, range.last - range.first + 1);
                status = 206;
            }
        }
        send(status, contentType, body, head, r.chunkBytes, r.intervalMs, r.stallAfter, r.cutAfter);
    }

    void addHeader(const QByteArray& name, const QByteArray& value)
    {
        m_extraHeaders.append(qMakePair(name, value));
    }

    void sendSimple(int status, const QByteArray& body, bool head = false)
    {
        m_answered = true;
        send(status, "text/plain; charset=utf-8", body, head, 0, 0, -1, -1);
    }

    void send(int status, const QByteArray& contentType, const QByteArray& body, bool head,
              int chunkBytes, int intervalMs, qint64 stallAfter, qint64 cutAfter)
    {
        QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason(status) + "\r\n";
        if (!contentType.isEmpty())
            out += "Content-Type: " + contentType + "\r\n";
        out += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
        for (const auto& h : std::as_const(m_extraHeaders))
            out += h.first + ": " + h.second + "\r\n";
        out += "Server: reelcatch-test\r\nConnection: close\r\n\r\n";
        m_socket->write(out);
        if (head || body.isEmpty()) {
            m_socket->disconnectFromHost();
            return;
        }
        if (stallAfter >= 0) {
            // Part of the body, then silence; the client has to give up.
            m_socket->write(body.left(stallAfter));
            m_socket->flush();
            return;
        }
        if (cutAfter >= 0) {
            // Part of the body, then the connection goes away.
            m_socket->write(body.left(cutAfter));
            m_socket->disconnectFromHost();
            return;
        }
        if (chunkBytes <= 0) {
            m_socket->write(body);
            m_socket->disconnectFromHost();
            return;
        }
        m_pending = body;
        m_socket->flush();
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, timer, chunkBytes] {
            if (m_socket->state() != QAbstractSocket::ConnectedState) {
                timer->stop();
                return;
            }
            m_socket->write(m_pending.left(chunkBytes));
            m_pending.remove(0, qMin<qsizetype>(chunkBytes, m_pending.size()));
            m_socket->flush();
            if (m_pending.isEmpty()) {
                timer->stop();
                m_socket->disconnectFromHost();
            }
        });
        timer->start(qMax(0, intervalMs));
    }

    QTcpSocket* m_socket;
    HttpServer* m_server;
    QByteArray m_buffer;
    QByteArray m_pending;
    QList<QPair<QByteArray, QByteArray>> m_extraHeaders;
    bool m_answered = false;
};

// Owns the listening socket and the connections, on the server's thread.
class HttpServerWorker : public QObject {
public:
    explicit HttpServerWorker(HttpServer* server) : m_server(server) {}

    quint16 listen()
    {
        m_tcp = new QTcpServer(this);
        if (!m_tcp->listen(QHostAddress::LocalHost, 0))
            return 0;
        connect(m_tcp, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_tcp->nextPendingConnection())
                new HttpConnection(socket, m_server, this);
        });
        return m_tcp->serverPort();
    }

    void shutdown()
    {
        const QObjectList kids = children();
        for (QObject* kid : kids)
            delete kid;
        m_tcp = nullptr;
    }

private:
    HttpServer* m_server;
    QTcpServer* m_tcp = nullptr;
};

HttpServer::HttpServer(QObject* parent) : QObject(parent)
{
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("HttpServer"));
    auto* worker = new HttpServerWorker(this);
    m_worker = worker;
    worker->moveToThread(m_thread);
    m_thread->start();
    quint16 port = 0;
    QMetaObject::invokeMethod(
        worker, [worker, &port] { port = worker->listen(); }, Qt::BlockingQueuedConnection);
    m_port = port;
    if (m_port == 0)
        qWarning("HttpServer: cannot listen on 127.0.0.1");
}

HttpServer::~HttpServer()
{
    auto* worker = static_cast<HttpServerWorker*>(m_worker);
    QMetaObject::invokeMethod(
        worker, [worker] { worker->shutdown(); }, Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    delete worker;
    delete m_thread;
}

QString HttpServer::url(const QString& path) const
{
    QString p = path;
    if (!p.startsWith(QLatin1Char('/')))
        p.prepend(QLatin1Char('/'));
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(p);
}

QUrl HttpServer::qurl(const QString& path) const
{
    return QUrl(url(path));
}

void HttpServer::setRoute(const QString& path, const Route& route)
{
    QMutexLocker lock(&m_mutex);
    for (auto& r : m_routes) {
        if (r.first == path) {
            r.second = route;
            return;
        }
    }
    m_routes.append({path, route});
}

void HttpServer::serveFile(const QString& path, const QString& file, const QByteArray& contentType)
{
    Route r;
    r.kind = Route::File;
    r.file = file;
    r.contentType = contentType;
    setRoute(path, r);
}

void HttpServer::serveBytes(const QString& path, const QByteArray& body,
                            const QByteArray& contentType)
{
    Route r;
    r.kind = Route::Bytes;
    r.body = body;
    r.contentType = contentType;
    setRoute(path, r);
}

void HttpServer::serveStatus(const QString& path, int status, const QByteArray& body,
                             const QByteArray& contentType)
{
    Route r;
    r.kind = Route::Status;
    r.status = status;
    r.body = body;
    r.contentType = contentType;
    setRoute(path, r);
}

void HttpServer::serveRedirect(const QString& path, const QString& location, int status)
{
    Route r;
    r.kind = Route::Redirect;
    r.status = status;
    r.file = location;
    r.body = "redirecting to " + location.toUtf8() + '\n';
    r.contentType = "text/plain; charset=utf-8";
    setRoute(path, r);
}

void HttpServer::serveDirectory(const QString& prefix, const QString& dir)
{
    Route r;
    r.kind = Route::Directory;
    r.file = QDir::cleanPath(QDir(dir).absolutePath());
    setRoute(prefix.endsWith(QLatin1Char('/')) ? prefix : prefix + QLatin1Char('/'), r);
}

void HttpServer::remove(const QString& pathOrPrefix)
{
    QMutexLocker lock(&m_mutex);
    m_routes.removeIf([&](const auto& r) {
        return r.first == pathOrPrefix ||
               (r.second.kind == Route::Directory && r.first == pathOrPrefix + QLatin1Char('/'));
    });
}

bool HttpServer::changeRoute(const QString& pathOrPrefix, const std::function<void(Route&)>& change)
{
    QMutexLocker lock(&m_mutex);
    for (auto& r : m_routes) {
        if (r.first == pathOrPrefix ||
            (r.second.kind == Route::Directory && r.first == pathOrPrefix + QLatin1Char('/'))) {
            change(r.second);
            return true;
        }
    }
    qWarning("HttpServer: no route %s", qPrintable(pathOrPrefix));
    return false;
}

bool HttpServer::setSlow(const QString& pathOrPrefix, int chunkBytes, int intervalMs)
{
    return changeRoute(pathOrPrefix, [&](Route& r) {
        r.chunkBytes = chunkBytes;
        r.intervalMs = intervalMs;
    });
}

bool HttpServer::setStall(const QString& pathOrPrefix, qint64 bytes)
{
    return changeRoute(pathOrPrefix, [&](Route& r) { r.stallAfter = bytes; });
}

bool HttpServer::setCutOff(const QString& pathOrPrefix, qint64 bytes)
{
    return changeRoute(pathOrPrefix, [&](Route& r) { r.cutAfter = bytes; });
}

bool HttpServer::setDelay(const QString& pathOrPrefix, int ms)
{
    return changeRoute(pathOrPrefix, [&](Route& r) { r.delayMs = ms; });
}

bool HttpServer::addHeader(const QString& pathOrPrefix, const QByteArray& name,
                           const QByteArray& value)
{
    return changeRoute(pathOrPrefix, [&](Route& r) { r.headers.append({name, value}); });
}

std::optional<HttpServer::Route> HttpServer::find(const QString& path) const
{
    QMutexLocker lock(&m_mutex);
    for (const auto& r : m_routes) {
        if (r.second.kind != Route::Directory && r.first == path)
            return r.second;
    }
    const QPair<QString, Route>* best = nullptr;
    for (const auto& r : m_routes) {
        if (r.second.kind == Route::Directory && path.startsWith(r.first) &&
            (best == nullptr || r.first.size() > best->first.size()))
            best = &r;
    }
    if (best == nullptr)
        return std::nullopt;
    const QString root = best->second.file;
    const QString file = QDir::cleanPath(root + QLatin1Char('/') + path.mid(best->first.size()));
    if (!file.startsWith(root + QLatin1Char('/')))
        return std::nullopt;
    Route route = best->second;
    route.file = file;
    return route;
}

void HttpServer::record(const HttpRequest& request)
{
    {
        QMutexLocker lock(&m_mutex);
        m_requests.append(request);
    }
    emit requestReceived(request.method, request.path);
}

void HttpServer::connectionCountChanged(int delta)
{
    QMutexLocker lock(&m_mutex);
    m_open += delta;
}

QList<HttpRequest> HttpServer::requests() const
{
    QMutexLocker lock(&m_mutex);
    return m_requests;
}

int HttpServer::requestCount() const
{
    QMutexLocker lock(&m_mutex);
    return int(m_requests.size());
}

int HttpServer::requestCount(const QString& path) const
{
    QMutexLocker lock(&m_mutex);
    int n = 0;
    for (const HttpRequest& r : m_requests)
        n += r.path == path ? 1 : 0;
    return n;
}

std::optional<HttpRequest> HttpServer::lastRequest() const
{
    QMutexLocker lock(&m_mutex);
    if (m_requests.isEmpty())
        return std::nullopt;
    return m_requests.last();
}

void HttpServer::clearRequests()
{
    QMutexLocker lock(&m_mutex);
    m_requests.clear();
}

int HttpServer::openConnections() const
{
    QMutexLocker lock(&m_mutex);
    return m_open;
}
