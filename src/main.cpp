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
#include "Installer.h"
#include "MainWindow.h"
#include "Prefs.h"
#include "SystemClipboard.h"
#include "ThumbnailCache.h"
#include "Translations.h"

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
    // Before any window or model text is made.
    const std::unique_ptr<QObject> translations = Translations::install(QLocale::system());
    // Ties the windows to the installed desktop entry (launcher, badge, icon).
    QGuiApplication::setDesktopFileName(QStringLiteral("reelcatch"));
    QApplication::setWindowIcon(AppIcon::icon());
    // Light or dark as the desktop prefers; the answer comes while the window opens.
    ColorScheme colorScheme(QDBusConnection::sessionBus());

    Engine engine(EngineConfig::forUser());
    Installer installer(engine, InstallerConfig::fromEnvironment());
    std::unique_ptr<Prefs> prefs = Prefs::forUser();
    SystemClipboard clipboard(QApplication::clipboard());
    DesktopCues cues;
    AppModel model(engine, *prefs, installer, Platform{&clipboard, &cues, &cues});

    QNetworkAccessManager network;
    ThumbnailCache thumbnails(&network,
                              QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                                  QStringLiteral("/thumbnails"));
    DesktopServices desktop;
    DialogFolderChooser chooser;
    AppShell shell(model, thumbnails, desktop, chooser, &cues,
                   QSystemTrayIcon::isSystemTrayAvailable());
    chooser.setFallbackParent(&shell.window());
    shell.showWindow();

    model.startEngineCheck();
    return app.exec();
}
