#pragma once

#include <QObject>
#include <QStringList>

#include <chrono>

class QLocalSocket;
class QSocketNotifier;

namespace reelcatch {

// One Reelcatch per user. The first start holds a lock (taken before anything
// else of the app is built; the kernel lets go of it when the process ends,
// however it ends) and listens on a local socket beside it; a later start
// hands its links (maybe none) to it and exits. A socket left behind by an
// instance that died is replaced by the next start that takes the lock.
//
// Links are only text handed on: the running instance treats them like a
// drop on its window.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Role {
        first,      // this start holds the lock: listen()
        handedOver, // another instance took the links: exit
        noAnswer,   // another instance is there but didn't take them
    };

    // The lock and the socket in `folder`; none if it is empty (every start
    // is then a first one).
    explicit SingleInstance(QString folder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Takes the lock and the socket if no other instance holds them; true if
    // this start is the first. Needs no application object.
    bool claim();
    // Hands `links` to the running instance, waiting at most `timeout` for it
    // to listen; the first role if it ended meanwhile and this start took its
    // place. This runs before any window exists. `activationToken` (the
    // launcher's XDG_ACTIVATION_TOKEN) lets the running window come to the
    // front on Wayland.
    Role handOver(const QStringList& links, const QString& activationToken = {},
                  std::chrono::milliseconds timeout = std::chrono::seconds(10));
    // Starts taking what later starts hand over (needs the application
    // object); false if this start holds no socket.
    bool listen();

    // $XDG_RUNTIME_DIR (in a Flatpak, the app's folder there), else a folder
    // of the user's own in the temporary folder, made if need be; empty if
    // that is not safely the user's own.
    static QString folderForUser();
    // Makes `path` (its parent must exist) with mode 0700 if it is missing;
    // true if it is then a real folder (no symbolic link) of this user's, that
    // only the user may enter.
    static bool isPrivateFolder(const QString& path);
    // The link in a command-line argument: "reelcatch://https://…" gives
    // "https://…"; anything else is returned as it is.
    static QString linkFromArgument(const QString& argument);

    // What one later start may hand over; a start sending more is cut off.
    static constexpr qsizetype maxMessageBytes = 256 * 1024;

signals:
    // A later start has handed these links over (none: it only asks for
    // the window), with its activation token (printable ASCII, maybe empty).
    void called(const QStringList& links, const QString& activationToken);

private:
    bool tryLock();
    QString socketPath() const;
    void accept();
    void serve(QLocalSocket* socket);

    QString m_folder;
    int m_lock = -1;   // the lock file, while this start holds the lock
    int m_listen = -1; // the listening socket, while this start holds the lock
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace reelcatch
