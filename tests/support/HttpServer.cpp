#include "HttpServer.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QMutexLocker>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

namespace {

QByteArray typeOf(const QString& file)
{
    const QByteArray extension = file.section(u'.', -1).toLower().toLatin1() + '=';
    for (const char* pair : {"mp4=video/mp4", "webm=video/webm", "m4a=audio/mp4", "jpg=image/jpeg",
                             "png=image/png", "json=application/json"})
        if (QByteArray(pair).startsWith(extension))
            return QByteArray(pair).mid(extension.size());
    return "application/octet-stream";
}

// Answers on `socket` as the route says (a 404 without one), then closes.
void answer(QTcpSocket* socket, std::optional<HttpServer::Route> route, bool head)
{
    HttpServer::Route r = route.value_or(HttpServer::Route{});
    QFile file(r.file);
    if (!route || (!r.file.isEmpty() && !file.open(QIODevice::ReadOnly)))
        r.status = 404, r.file.clear();
    QByteArray modified; // a file's time, which yt-dlp takes for a direct link's upload date
    if (!r.file.isEmpty())
        r.body = file.readAll(),
        r.contentType = r.contentType.isEmpty() ? typeOf(r.file) : r.contentType,
        modified = "\r\nLast-Modified: " +
                   QLocale::c()
                       .toString(file.fileTime(QFileDevice::FileModificationTime).toUTC(),
                                 u"ddd, dd MMM yyyy hh:mm:ss 'GMT'")
                       .toLatin1();
    socket->write("HTTP/1.1 " + QByteArray::number(r.status) + (r.status < 400 ? " OK" : " Error") +
                  "\r\nContent-Type: " + (r.contentType.isEmpty() ? "text/plain" : r.contentType) +
                  (r.unsized ? "" : "\r\nContent-Length: " + QByteArray::number(r.body.size())) +
                  (r.location.isEmpty() ? QByteArray() : "\r\nLocation: " + r.location) + modified +
                  "\r\nConnection: close\r\n\r\n");
    if (head)
        r.body.clear();
    if (r.stallAfter >= 0)
        return (void)socket->write(r.body.left(r.stallAfter));
    if (r.cutAfter >= 0)
        r.body.truncate(r.cutAfter);
    if (r.chunkBytes <= 0) {
        socket->write(r.body);
        return socket->disconnectFromHost();
    }
    auto* timer = new QTimer(socket);
    QObject::connect(timer, &QTimer::timeout, socket, [socket, timer, r]() mutable {
        socket->write(r.body.left(r.chunkBytes));
        r.body.remove(0, qMin<qsizetype>(r.chunkBytes, r.body.size()));
        if (r.body.isEmpty())
            timer->stop(), socket->disconnectFromHost();
    });
    timer->start(r.intervalMs);
}

} // namespace

HttpServer::HttpServer(QObject* parent)
    : QObject(parent), m_thread(new QThread), m_worker(new QObject)
{
    m_worker->moveToThread(m_thread);
    m_thread->start();
    QMetaObject::invokeMethod(
        m_worker,
        [this] {
            auto* tcp = new QTcpServer(m_worker);
            if (tcp->listen(QHostAddress::LocalHost, 0))
                m_port = tcp->serverPort();
            connect(tcp, &QTcpServer::newConnection, tcp, [this, tcp] {
                while (QTcpSocket* socket = tcp->nextPendingConnection())
                    accept(socket);
            });
        },
        Qt::BlockingQueuedConnection);
}

HttpServer::~HttpServer()
{
    QMetaObject::invokeMethod(
        m_worker, [this] { delete m_worker; }, Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    delete m_thread;
}

void HttpServer::accept(QTcpSocket* socket)
{
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    auto request = std::make_shared<QByteArray>();
    connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
        const bool complete = request->contains("\r\n\r\n");
        *request += socket->readAll();
        if (complete || !request->contains("\r\n\r\n"))
            return;
        // "GET /path?query HTTP/1.1"
        const QList<QByteArray> words = request->left(request->indexOf('\r')).split(' ');
        QByteArray target = words.value(1).split('?').value(0);
        // Asked as a proxy ("GET http://127.0.0.1:PORT/path"): only for its own routes.
        const bool proxied = target.startsWith("http://");
        if (proxied)
            target = target.mid(target.indexOf('/', 7));
        const std::optional<Route> route = take(QUrl::fromPercentEncoding(target), proxied);
        QTimer::singleShot(route ? route->delayMs : 0, socket, [socket, route, words] {
            answer(socket, route, words.value(0) == "HEAD");
        });
    });
}

QString HttpServer::url(const QString& path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2%3")
        .arg(m_port)
        .arg(path.startsWith(u'/') ? QString() : QStringLiteral("/"), path);
}

void HttpServer::set(const QString& path, int status, const QByteArray& body, const QString& file,
                     const QByteArray& contentType, const QByteArray& location)
{
    Route route;
    route.status = status, route.body = body, route.file = file;
    route.contentType = contentType, route.location = location;
    QMutexLocker lock(&m_mutex);
    m_routes.insert(path, route);
}

bool HttpServer::change(const QString& path, const std::function<void(Route&)>& how)
{
    QMutexLocker lock(&m_mutex);
    const auto it = m_routes.find(path);
    if (it != m_routes.end())
        how(*it);
    return it != m_routes.end();
}

std::optional<HttpServer::Route> HttpServer::take(const QString& path, bool proxied)
{
    QMutexLocker lock(&m_mutex);
    (proxied ? m_proxied : m_requests) << path;
    const auto it = m_routes.constFind(path);
    return it == m_routes.cend() ? std::nullopt : std::optional(*it);
}

int HttpServer::requestCount(const QString& path) const
{
    QMutexLocker lock(&m_mutex);
    return static_cast<int>(m_requests.count(path) + m_proxied.count(path));
}

int HttpServer::proxiedCount(const QString& path) const
{
    QMutexLocker lock(&m_mutex);
    return static_cast<int>(m_proxied.count(path));
}
