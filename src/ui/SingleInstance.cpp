#include "SingleInstance.h"

#include "UiLog.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <memory>
#include <optional>

#include <unistd.h>

namespace reelcatch {

namespace {
// A later start that connects and never finishes is let go after this.
constexpr std::chrono::seconds talkLimit{10};
} // namespace

SingleInstance::SingleInstance(QString socketName, QObject* parent)
    : QObject(parent), m_name(std::move(socketName))
{
}

QString SingleInstance::socketNameForUser()
{
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    // In a Flatpak sandbox only the app's own folder there is shared by its instances.
    if (const QString app = qEnvironmentVariable("FLATPAK_ID"); !runtime.isEmpty() && !app.isEmpty())
        runtime += QStringLiteral("/app/") + app;
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return runtime + QStringLiteral("/reelcatch.socket");
    return QDir::tempPath() + QStringLiteral("/reelcatch-") + QString::number(getuid()) +
           QStringLiteral(".socket");
}

QString SingleInstance::linkFromArgument(const QString& argument)
{
    static const QString scheme = QStringLiteral("reelcatch:");
    if (!argument.startsWith(scheme, Qt::CaseInsensitive))
        return argument;
    QString link = argument.mid(scheme.size());
    while (link.startsWith(u'/'))
        link.remove(0, 1);
    // Some browsers hand the inner link percent-encoded, some drop its colon.
    if (!link.contains(QLatin1String("://")) && link.contains(u'%'))
        link = QUrl::fromPercentEncoding(link.toUtf8());
    for (const QLatin1String web : {QLatin1String("https//"), QLatin1String("http//")}) {
        if (link.startsWith(web, Qt::CaseInsensitive))
            link.insert(web.size() - 2, u':');
    }
    return link;
}

SingleInstance::Role SingleInstance::handOver(const QStringList& links,
                                              const QString& activationToken,
                                              std::chrono::milliseconds timeout)
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(int(timeout.count()))) {
        qCInfo(lcUi) << "no running instance:" << socket.errorString();
        if (socket.error() != QLocalSocket::ServerNotFoundError &&
            socket.error() != QLocalSocket::ConnectionRefusedError)
            return Role::noAnswer;
        // Nobody listens: the first start, or the socket of one that died.
        QLocalServer::removeServer(m_name);
        return Role::first;
    }
    // The token's line, then one line for each link.
    QByteArray message = activationToken.toUtf8().replace('\n', ' ') + '\n';
    for (const QString& link : links) {
        const QByteArray line = link.toUtf8().replace('\n', ' ') + '\n';
        if (message.size() + line.size() > maxMessageBytes)
            break;
        message += line;
    }
    socket.write(message);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState &&
        !socket.waitForDisconnected(int(timeout.count())))
        return Role::noAnswer;
    return Role::handedOver;
}

bool SingleInstance::listen()
{
    delete m_server;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::accept);
    if (m_server->listen(m_name))
        return true;
    qCWarning(lcUi) << "can't listen for later starts:" << m_server->errorString();
    return false;
}

void SingleInstance::accept()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        // What has come so far; emptied, and no longer read, if the start
        // sends too much or takes too long.
        auto message = std::make_shared<std::optional<QByteArray>>(QByteArray());
        const auto read = [socket, message] {
            if (*message && (**message += socket->readAll()).size() > maxMessageBytes)
                message->reset();
        };
        connect(socket, &QLocalSocket::readyRead, this, read);
        connect(socket, &QLocalSocket::disconnected, this, [this, socket, message, read] {
            socket->deleteLater();
            read();
            if (!*message)
                return;
            QList<QByteArray> lines = (*message)->split('\n');
            QByteArray token = lines.takeFirst().trimmed();
            const bool printable = std::all_of(token.cbegin(), token.cend(),
                                               [](char c) { return c > ' ' && c < 127; });
            if (!printable || token.size() > 512)
                token.clear();
            QStringList links;
            for (const QByteArray& line : std::as_const(lines)) {
                if (const QString link = QString::fromUtf8(line).trimmed(); !link.isEmpty())
                    links << link;
            }
            emit called(links, QString::fromLatin1(token));
        });
        QTimer::singleShot(talkLimit, socket, [socket, message] {
            message->reset();
            socket->abort();
        });
    }
}

} // namespace reelcatch
