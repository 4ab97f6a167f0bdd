// Reelcatch: the desktop front-end for yt-dlp.
//
// main() builds the one model and everything it is handed (the tool engine,
// the installer, the settings store and the desktop services), then the
// shell with its main window, and runs the event loop.
#include "appmodel/AppModel.h"
#include "engine/Engine.h"
#include "engine/Installer.h"
#include "engine/NetworkProxy.h"
#include "model/Prefs.h"
#include "ui/AppIcon.h"
#include "ui/AppShell.h"
#include "ui/BatchNotifier.h"
#include "ui/ColorScheme.h"
#include "ui/DesktopCues.h"
#include "ui/DesktopServices.h"
#include "ui/DialogFolderChooser.h"
#include "ui/FirstPaint.h"
#include "ui/MainWindow.h"
#include "ui/SingleInstance.h"
#include "ui/SystemClipboard.h"
#include "ui/ThumbnailCache.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QClipboard>
#include <QCommandLineParser>
#include <QNetworkAccessManager>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTimer>

#include <cstdio>

using namespace reelcatch;

namespace {

void nameApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Reelcatch"));
    QCoreApplication::setApplicationName(QStringLiteral("Reelcatch"));
    QCoreApplication::setApplicationVersion(QStringLiteral(REELCATCH_VERSION));
}

// The command line's links ("reelcatch://" taken off); --help and --version
// are answered here, and end the program.
QStringList linksFromCommandLine(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("reelcatch", "Download videos and audio with yt-dlp."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("links"),
        QCoreApplication::translate("reelcatch", "Links to look up (also reelcatch://\u2026)."),
        QStringLiteral("[URL\u2026]"));
    parser.process(app);
    QStringList links;
    for (const QString& argument : parser.positionalArguments())
        links << SingleInstance::linkFromArgument(argument);
    return links;
}

} // namespace

int main(int argc, char* argv[])
{
    // Which start is the running one is settled before anything else is
    // built. A later start hands its links to it and leaves, without opening
    // the display.
    SingleInstance instance(SingleInstance::folderForUser());
    instance.claim();
    QStringList links;
    {
        QCoreApplication probe(argc, argv);
        nameApplication();
        links = linksFromCommandLine(probe);
        // The first start's role at once; a later one waits for the first to listen.
        switch (instance.handOver(links, qEnvironmentVariable("XDG_ACTIVATION_TOKEN"))) {
        case SingleInstance::Role::handedOver:
            return 0;
        case SingleInstance::Role::noAnswer:
            std::fputs("Reelcatch is already running but doesn't answer.\n", stderr);
            return 1;
        case SingleInstance::Role::first:
            break;
        }
    }

    QApplication app(argc, argv);
    nameApplication();
    // Before any window or model text is made.
    const std::unique_ptr<QObject> translations = Translations::install(QLocale::system());
    // Ties the windows to the installed desktop entry (launcher, badge, icon).
    QGuiApplication::setDesktopFileName(QStringLiteral("reelcatch"));
    QApplication::setWindowIcon(AppIcon::icon());
    // Light or dark as the desktop prefers; the answer comes while the window opens.
    ColorScheme colorScheme(QDBusConnection::sessionBus());
    instance.listen();

    Engine engine(EngineConfig::forUser());
    Installer installer(engine, InstallerConfig::fromEnvironment());
    std::unique_ptr<Prefs> prefs = Prefs::forUser();
    SystemClipboard clipboard(QApplication::clipboard());
    // The badge's bus comes once the window is on screen.
    DesktopCues cues{QDBusConnection(QString())};
    DesktopServices desktop;
    BatchNotifier notifier(desktop);
    AppModel model(engine, *prefs, installer, Platform{&clipboard, &cues, &cues, &notifier});

    QNetworkAccessManager network;
    // Installs and thumbnails take the proxy yt-dlp is given.
    const auto followProxy = [&] {
        const QString proxy = prefs->value(PrefKey::proxy);
        installer.setProxy(proxy);
        network.setProxy(networkProxy(proxy));
    };
    followProxy();
    prefs->onChange(PrefKey::proxy, &network, followProxy);
    ThumbnailCache thumbnails(&network,
                              QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                                  QStringLiteral("/thumbnails"));
    DialogFolderChooser chooser;
    AppShell shell(model, thumbnails, desktop, chooser, &cues, false);
    chooser.setFallbackParent(&shell.window());
    notifier.setWindow(&shell.window());
    // What the first frame doesn't show comes after it: the badge and the
    // tray icon (asking for a tray may ask the bus too).
    // The kept download list is read on a thread of its own and comes back
    // once read.
    afterFirstPaint(&shell.window(), [&] {
        model.library().open(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        cues.setBus(QDBusConnection::sessionBus());
        if (QSystemTrayIcon::isSystemTrayAvailable())
            shell.addTray(&cues);
    });
    shell.showWindow();
    QObject::connect(&instance, &SingleInstance::called, &shell,
                     [&shell](const QStringList& handed, const QString& activation) {
                         if (!activation.isEmpty())
                             qputenv("XDG_ACTIVATION_TOKEN", activation.toLatin1());
                         shell.showWindow();
                         if (!handed.isEmpty())
                             shell.window().takeLinks(handed);
                     });

    model.startEngineCheck();
    // This start's own links wait for the engine check.
    if (!links.isEmpty()) {
        auto* once = new QObject(&model);
        const auto lookUp = [&model, &shell, once, links] {
            if (model.readiness().isBusy())
                return;
            shell.window().takeLinks(links);
            once->deleteLater();
        };
        QObject::connect(&model.readiness(), &EngineReadiness::busyChanged, once, lookUp);
        lookUp();
    }
    return app.exec();
}
