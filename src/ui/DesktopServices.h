#pragma once

#include "ui/DesktopActions.h"

#include <QDBusConnection>
#include <QObject>

namespace reelcatch {

// The desktop's file manager and browser. Revealing a file asks
// the file manager over D-Bus (org.freedesktop.FileManager1.ShowItems) and
// opens the containing folder instead when there is no session bus or the
// call fails. Nothing here waits: the D-Bus call's answer arrives later.
class DesktopServices : public QObject, public DesktopActions {
    Q_OBJECT
public:
    explicit DesktopServices(QDBusConnection bus = QDBusConnection::sessionBus(),
                             QObject* parent = nullptr);

    void revealFile(const QString& path) override;
    void openFile(const QString& path) override;
    void openFolder(const QString& path) override;
    void openUrl(const QUrl& url) override;

    // Whether a web address may be handed to the browser: http and https only.
    static bool isWebAddress(const QUrl& url);

signals:
    // The file manager has answered a reveal (false: the folder was opened instead).
    void revealAnswered(bool shownByFileManager);

private:
    QDBusConnection m_bus;
};

} // namespace reelcatch
