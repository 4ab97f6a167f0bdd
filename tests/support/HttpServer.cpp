#include "HttpServer.h"

#include <QFile>
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

HttpServer::Route notFound()
{
    HttpServer::Route route;
    route.status = 404;
    return route;
}

// One connection: reads the request head, answers, closes.
class Connection : public QObject {
public:
    Connection(QTcpSocket* socket, HttpServer* server)
        : QObject(socket), m_socket(socket), m_server(server)
    {
        connect(socket, &QTcpSocket::readyRead, this, &Connection::read);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }

private:
    void read()
    {
        m_head += m_socket->readAll();
        const qsizetype end = m_head.indexOf("\r\n\r\n");
        if (m_answered || end < 0)
            return;
        m_answered = true;
        const QList<QByteArray> lines = m_head.left(end).split('\n');
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        QByteArray target = first.value(1);
        target.truncate(target.indexOf('?') < 0 ? target.size() : target.indexOf('?'));
        const bool head = first.value(0) == "HEAD";
        const std::optional<HttpServer::Route> route =
            m_server->take(QUrl::fromPercentEncoding(target));
        QTimer::singleShot(route ? route->delayMs : 0, this,
                           [this, route, head] { answer(route.value_or(notFound()), head); });
    }

    void answer(HttpServer::Route r, bool head)
    {
        QByteArray location;
        if (!r.file.isEmpty()) {
            QFile file(r.file);
            if (!file.open(QIODevice::ReadOnly))
                r = notFound();
            else
                r.body = file.readAll();
            if (r.contentType.isEmpty())
                r.contentType = typeOf(r.file);
        }
        if (!r.location.isEmpty())
            location = "Location: " + r.location + "\r\n";
        m_socket->write(
            "HTTP/1.1 " + QByteArray::number(r.status) + (r.status < 400 ? " OK" : " Error") +
            "\r\nContent-Type: " + (r.contentType.isEmpty() ? "text/plain" : r.contentType) +
            "\r\nContent-Length: " + QByteArray::number(r.body.size()) +
            "\r\nConnection: close\r\n" + location + "\r\n");
        if (head)
            r.body.clear();
        if (r.stallAfter >= 0) {
            m_socket->write(r.body.left(r.stallAfter));
            return;
        }
        if (r.cutAfter >= 0)
            r.body.truncate(r.cutAfter);
        if (r.chunkBytes <= 0) {
            m_socket->write(r.body);
            m_socket->disconnectFromHost();
            return;
        }
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this,
                [this, timer, body = r.body, chunk = r.chunkBytes]() mutable {
                    m_socket->write(body.left(chunk));
                    body.remove(0, qMin<qsizetype>(chunk, body.size()));
                    if (body.isEmpty()) {
                        timer->stop();
                        m_socket->disconnectFromHost();
                    }
                });
        timer->start(r.intervalMs);
    }

    QTcpSocket* m_socket;
    HttpServer* m_server;
    QByteArray m_head;
    bool m_answered = false;
};

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
                    new Connection(socket, this);
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
    if (it == m_routes.end())
        return false;
    how(*it);
    return true;
}

std::optional<HttpServer::Route> HttpServer::take(const QString& path)
{
    QMutexLocker lock(&m_mutex);
    m_requests << path;
    const auto it = m_routes.constFind(path);
    return it == m_routes.cend() ? std::nullopt : std::optional(*it);
}

int HttpServer::requestCount(const QString& path) const
{
    QMutexLocker lock(&m_mutex);
    return static_cast<int>(m_requests.count(path));
}
