#pragma once

#include "appmodel/Platform.h"

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace reelcatch {

class DesktopActions;

// Tells of a finished batch through the desktop's notification server
// (org.freedesktop.Notifications): "3 downloads finished", "2 finished,
// 1 failed", with a "Show in Folder" action that opens where the files went.
// Nothing is shown while the window is the active one, and nothing happens
// without a session bus or a notification server. A new notification
// replaces the one before, so batches never pile up.
class BatchNotifier : public QObject, public BatchNotice {
    Q_OBJECT
public:
    static constexpr const char* service = "org.freedesktop.Notifications";
    static constexpr const char* path = "/org/freedesktop/Notifications";
    static constexpr const char* showFolderAction = "show-folder";

    explicit BatchNotifier(DesktopActions& actions,
                           QDBusConnection bus = QDBusConnection::sessionBus(),
                           QObject* parent = nullptr);

    // The window that makes a notification needless while it is active, and
    // that the notification's own click brings to the front.
    void setWindow(QWidget* window) { m_window = window; }

    void batchEnded(int finished, int failed, const QString& folder) override;

    // "3 downloads finished", "1 download failed", "2 finished, 1 failed".
    static QString summary(int finished, int failed);

signals:
    // The server has put up notification `id`.
    void shown(uint id);

private slots:
    void actionInvoked(uint id, const QString& action);
    void closed(uint id, uint reason);

private:
    DesktopActions& m_actions;
    QDBusConnection m_bus;
    QPointer<QWidget> m_window;
    // The folder of each notification still up.
    QHash<uint, QString> m_folders;
    uint m_last = 0;
};

} // namespace reelcatch
