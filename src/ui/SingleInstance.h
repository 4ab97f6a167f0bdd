#pragma once

#include <QObject>
#include <QStringList>

#include <chrono>

class QLocalServer;

namespace reelcatch {

// One Reelcatch per user. The first start listens on a local socket; a later
// start hands its links (maybe none) to it and exits. A socket left behind by
// an instance that died is removed, so it never stops the next start.
//
// Links are only text handed on: the running instance treats them like a
// drop on its window.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Role {
        first,      // none runs (a dead one's socket is gone): listen()
        handedOver, // another instance took the links: exit
        noAnswer,   // another instance is there but didn't take them
    };

    explicit SingleInstance(QString socketName, QObject* parent = nullptr);

    // Hands `links` to the running instance. This runs before any window
    // exists and blocks for at most `timeout`. `activationToken` (the
    // launcher's XDG_ACTIVATION_TOKEN) lets the running window come to the
    // front on Wayland.
    Role handOver(const QStringList& links, const QString& activationToken = {},
                  std::chrono::milliseconds timeout = std::chrono::seconds(3));
    // Becomes the running instance (needs the application object); false if
    // the socket can't be made.
    bool listen();

    // reelcatch.socket in $XDG_RUNTIME_DIR (in a Flatpak, in the app's folder
    // there), else a name of the user's own in the temporary folder.
    static QString socketNameForUser();
    // The link in a command-line argument: "reelcatch://https://…" gives
    // "https://…"; anything else is returned as it is.
    static QString linkFromArgument(const QString& argument);

    // What one later start may hand over; more is refused.
    static constexpr qsizetype maxMessageBytes = 256 * 1024;

signals:
    // A later start has handed these links over (none: it only asks for
    // the window), with its activation token (printable ASCII, maybe empty).
    void called(const QStringList& links, const QString& activationToken);

private:
    void accept();

    QString m_name;
    QLocalServer* m_server = nullptr;
};

} // namespace reelcatch
