// Reelcatch: the desktop front-end for yt-dlp.
//
// main() builds the one model and everything it is handed (the tool engine,
// the installer, the settings store and the desktop services), then the
// shell with its main window, and runs the event loop.
#include "AppIcon.h"
#include "AppModel.h"
#include "AppShell.h"
#include "ColorScheme.h"
#include "DesktopCues.h"
#include "DesktopServices.h"
#include "DialogFolderChooser.h"
#include "Engine.h"
#include "FirstPaint.h"
#include "Installer.h"
#include "MainWindow.h"
#include "Prefs.h"
#include "SystemClipboard.h"
#include "ThumbnailCache.h"

#include <QApplication>
#include <QClipboard>
#include <QNetworkAccessManager>
#include <QStandardPaths>
#include <QSystemTrayIcon>

using namespace reelcatch;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Reelcatch"));
    QApplication::setApplicationName(QStringLiteral("Reelcatch"));
    // Ties the windows to the installed desktop entry (launcher, badge, icon).
    QGuiApplication::setDesktopFileName(QStringLiteral("reelcatch"));
    QApplication::setWindowIcon(AppIcon::icon());

    Engine engine(EngineConfig::forUser());
    Installer installer(engine, InstallerConfig::fromEnvironment());
    std::unique_ptr<Prefs> prefs = Prefs::forUser();
    SystemClipboard clipboard(QApplication::clipboard());
    // No bus yet: connecting to the session bus waits for it, so that is done
    // once the window is on screen.
    DesktopCues cues{QDBusConnection(QString())};
    AppModel model(engine, *prefs, installer, Platform{&clipboard, &cues, &cues});

    QNetworkAccessManager network;
    ThumbnailCache thumbnails(&network,
                              QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                                  QStringLiteral("/thumbnails"));
    DesktopServices desktop;
    DialogFolderChooser chooser;
    AppShell shell(model, thumbnails, desktop, chooser, &cues, false);
    chooser.setFallbackParent(&shell.window());
    // What the first frame doesn't show comes after it: the session bus (the
    // badge, and light or dark as the desktop prefers, whose answer came
    // after the first frame anyway) and the tray icon (asking for a tray may
    // ask the bus too).
    std::unique_ptr<ColorScheme> colorScheme;
    afterFirstPaint(&shell.window(), [&] {
        const QDBusConnection bus = QDBusConnection::sessionBus();
        colorScheme = std::make_unique<ColorScheme>(bus);
        cues.setBus(bus);
        if (QSystemTrayIcon::isSystemTrayAvailable())
            shell.addTray(&cues);
    });
    shell.showWindow();

    model.startEngineCheck();
    return app.exec();
}
