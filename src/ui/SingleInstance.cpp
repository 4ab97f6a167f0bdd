#include "ui/SingleInstance.h"

#include "ui/UiLog.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace reelcatch {

namespace {
// A later start that connects and never finishes is let go after this.
constexpr std::chrono::seconds talkLimit{10};
// After a failed accept (no file descriptor left) the next try waits this
// long; the start meanwhile waits in the socket's queue.
constexpr std::chrono::milliseconds acceptPause{200};
} // namespace

SingleInstance::SingleInstance(QString folder, QObject* parent)
    : QObject(parent), m_folder(std::move(folder))
{}

SingleInstance::~SingleInstance()
{
    delete m_notifier;
    if (m_listen >= 0) {
        ::close(m_listen);
        ::unlink(QFile::encodeName(socketPath()).constData());
    }
    if (m_lock >= 0)
        ::close(m_lock); // lets the next start take over
}

QString SingleInstance::folderForUser()
{
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    // In a Flatpak sandbox only the app's own folder there is shared by its instances.
    if (const QString app = qEnvironmentVariable("FLATPAK_ID");
        !runtime.isEmpty() && !app.isEmpty())
        runtime += QStringLiteral("/app/") + app;
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return runtime;
    // Anyone may make a name in the temporary folder: one that another user
    // made first is not used, or they would get the links, or keep every
    // start waiting.
    QString own =
        QDir::tempPath() + QStringLiteral("/reelcatch-") + QString::number(getuid());
    if (isPrivateFolder(own))
        return own;
    qCWarning(lcUi) << own << "is not a folder of this user's only; every start runs on its own";
    return {};
}

bool SingleInstance::isPrivateFolder(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    if (::mkdir(name.constData(), 0700) == 0)
        ::chmod(name.constData(), 0700); // whatever the umask
    else if (errno != EEXIST)
        return false;
    struct stat status {};
    return ::lstat(name.constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::getuid() && (status.st_mode & 07777) == 0700;
}

QString SingleInstance::socketPath() const
{
    return m_folder + QStringLiteral("/reelcatch.socket");
}

bool SingleInstance::claim()
{
    return m_folder.isEmpty() || tryLock();
}

bool SingleInstance::tryLock()
{
    if (m_lock >= 0)
        return true;
    // Close-on-exec: a child left running must not keep the lock.
    const QByteArray lockName = QFile::encodeName(m_folder + QStringLiteral("/reelcatch.lock"));
    const int lock = ::open(lockName.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (lock < 0) {
        qCWarning(lcUi) << "can't open the instance lock:" << std::strerror(errno);
        m_folder.clear(); // runs on its own
        return true;
    }
    if (::flock(lock, LOCK_EX | LOCK_NB) != 0) {
        ::close(lock);
        return false;
    }
    m_lock = lock;
    // Whatever socket is there is a dead instance's.
    const QByteArray name = QFile::encodeName(socketPath());
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const int listening = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (name.size() < qsizetype(sizeof address.sun_path) && listening >= 0) {
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        ::unlink(name.constData());
        if (::bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
            ::chmod(name.constData(), 0600) == 0 && ::listen(listening, SOMAXCONN) == 0) {
            m_listen = listening;
            return true;
        }
    }
    // Later starts must not wait for a socket that never comes.
    qCWarning(lcUi) << "can't listen for later starts:" << std::strerror(errno);
    if (listening >= 0)
        ::close(listening);
    ::close(std::exchange(m_lock, -1));
    m_folder.clear();
    return true;
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
    // The token's line, then one line for each link.
    QByteArray message = activationToken.toUtf8().replace('\n', ' ') + '\n';
    for (const QString& link : links) {
        const QByteArray line = link.toUtf8().replace('\n', ' ') + '\n';
        if (message.size() + line.size() > maxMessageBytes)
            break;
        message += line;
    }
    const QDeadlineTimer deadline(timeout);
    for (;;) {
        // The first start may have ended meanwhile.
        if (claim())
            return Role::first;
        QLocalSocket socket;
        socket.connectToServer(socketPath());
        if (socket.waitForConnected(int(deadline.remainingTime()))) {
            socket.write(message);
            socket.disconnectFromServer();
            if (socket.state() != QLocalSocket::UnconnectedState &&
                !socket.waitForDisconnected(int(deadline.remainingTime())))
                return Role::noAnswer;
            return Role::handedOver;
        }
        if (deadline.hasExpired()) {
            qCInfo(lcUi) << "the running instance doesn't answer:" << socket.errorString();
            return Role::noAnswer;
        }
        // It holds the lock and is about to listen.
        QThread::msleep(20);
    }
}

bool SingleInstance::listen()
{
    if (m_listen < 0)
        return false;
    if (!m_notifier) {
        m_notifier = new QSocketNotifier(m_listen, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &SingleInstance::accept);
    }
    return true;
}

void SingleInstance::accept()
{
    for (;;) {
        const int connection = ::accept4(m_listen, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (connection < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK)
                return;
            // Out of file descriptors or memory: the socket stays, and so do
            // the starts waiting on it, until there is room again.
            qCWarning(lcUi) << "can't take a later start:" << std::strerror(errno);
            m_notifier->setEnabled(false);
            QTimer::singleShot(acceptPause, m_notifier,
                               [notifier = m_notifier] { notifier->setEnabled(true); });
            return;
        }
        auto* socket = new QLocalSocket(this);
        if (socket->setSocketDescriptor(connection))
            serve(socket);
        else
            ::close(connection), delete socket;
    }
}

void SingleInstance::serve(QLocalSocket* socket)
{
    // What has come so far; gone, and the start cut off, if it sends too much
    // or takes too long.
    auto message = std::make_shared<std::optional<QByteArray>>(QByteArray());
    const auto read = [socket, message] {
        if (*message && (** message += socket->readAll()).size() > maxMessageBytes) {
            qCWarning(lcUi) << "a later start sent too much";
            message->reset();
            socket->abort();
        }
    };
    connect(socket, &QLocalSocket::readyRead, this, read);
    connect(socket, &QLocalSocket::disconnected, this, [this, socket, message, read] {
        socket->deleteLater();
        read();
        if (!*message)
            return;
        QList<QByteArray> lines = (*message)->split('\n');
        QByteArray token = lines.takeFirst().trimmed();
        const bool printable =
            std::all_of(token.cbegin(), token.cend(), [](char c) { return c > ' ' && c < 127; });
        if (!printable || token.size() > 512)
            token.clear();
        QStringList links;
        for (const QByteArray& line : std::as_const(lines)) {
            if (const QString link = QString::fromUtf8(line).trimmed(); !link.isEmpty())
                links << link;
        }
        qCInfo(lcUi) << "handed over:" << links;
        emit called(links, QString::fromLatin1(token));
    });
    QTimer::singleShot(talkLimit, socket, [socket, message] {
        message->reset();
        socket->abort();
    });
}

} // namespace reelcatch
