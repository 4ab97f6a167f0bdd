#pragma once

#include "appmodel/Platform.h"

#include <QDBusConnection>
#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QThreadPool>
#include <QWidget>

class QSystemTrayIcon;

namespace reelcatch {

// The badge and the completion cue on a Linux desktop.
//
// Badge: the launcher-entry signal (com.canonical.Unity.LauncherEntry,
// member Update) that KDE Plasma, Dash to Dock and Plank show on the
// application's launcher, plus the count drawn on the tray icon and written
// in its tooltip. Cue: the sound theme's "complete" event through
// libcanberra (played on a worker thread, since opening the sound server may
// take a while) and an attention request on the main window.
//
// Without a session bus, a tray or a sound server, the matching part does
// nothing.
class DesktopCues : public QObject, public Badge, public CompletionCue {
    Q_OBJECT
public:
    static constexpr const char* appUri = "application://reelcatch.desktop";
    static constexpr const char* entryPath = "/com/canonical/unity/launcherentry/reelcatch";

    explicit DesktopCues(QDBusConnection bus = QDBusConnection::sessionBus(),
                         QObject* parent = nullptr);
    ~DesktopCues() override;

    // The bus to send the badge on, when it wasn't ready at construction
    // (connecting to the session bus waits for it); the count is sent on it.
    void setBus(const QDBusConnection& bus);

    void setCount(int count) override;
    int count() const { return m_count; }
    void playSound() override;
    void requestAttention() override;

    // The window that asks for attention.
    void setAttentionWindow(QWidget* window);
    // The tray icon that shows the count, drawn over `base`.
    void setTrayIcon(QSystemTrayIcon* tray, const QIcon& base);

    // `base` with a red disc holding the count in its top-right corner;
    // `base` itself for 0.
    static QIcon badged(const QIcon& base, int count);
    static QString trayToolTip(int count);

private:
    void showOnTray();

    QDBusConnection m_bus;
    int m_count = 0;
    QPointer<QWidget> m_window;
    QPointer<QSystemTrayIcon> m_tray;
    QIcon m_trayBase;
    // One worker, so the sound context is only ever touched by one thread.
    QThreadPool m_sound;
    void* m_context = nullptr;
    bool m_soundFailed = false;
};

} // namespace reelcatch
