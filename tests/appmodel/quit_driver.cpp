// A stand-in for the application in tests of quitting: the model built the
// way main() builds it (engine, installer, settings, the engine check at
// start), on a sandbox's folders instead of the user's.
//
//   quit-driver SUPPORT_DIR BIN_DIR SETTINGS_FILE DOWNLOAD_DIR WHAT=URL...
//
// Once the engine check is over it queues one download per PRESET=URL (such
// as "mp3=http://127.0.0.1:8080/a.flac") and looks up the URL of
// "lookup=URL", printing "lookup" as it starts. From then on it prints a line
//   pid PID GROUP NAME
// for every process it finds in the process group of one of its children,
// once each. A line "quit" on standard input (or its end) quits the
// application the way the desktop does: QCoreApplication::quit(), and with
// it aboutToQuit.
#include "AppModel.h"
#include "Engine.h"
#include "Installer.h"
#include "Prefs.h"
#include "ProcessTable.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QJsonObject>
#include <QSet>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

using namespace reelcatch;

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 6) {
        std::fputs("usage: quit-driver SUPPORT_DIR BIN_DIR SETTINGS_FILE DOWNLOAD_DIR "
                   "WHAT=URL...\n",
                   stderr);
        return 2;
    }

    EngineConfig config;
    config.supportDir = args.at(1);
    config.binDirs = {args.at(2)};
    config.baseEnvironment = QProcessEnvironment::systemEnvironment();
    config.now = [] { return QDateTime::currentDateTime(); };
    Engine engine(config);
    Installer installer(engine, InstallerConfig::fromEnvironment());
    Prefs prefs(args.at(3), args.at(4));
    AppModel model(engine, prefs, installer);

    QString lookup;
    QList<QPair<VideoItem, Preset>> downloads;
    for (const QString& arg : args.mid(5)) {
        const QString what = arg.section(QLatin1Char('='), 0, 0);
        const QString url = arg.section(QLatin1Char('='), 1);
        const std::optional<Preset> preset = Preset::fromRawValue(what);
        if (what == QLatin1String("lookup") && !url.isEmpty()) {
            lookup = url;
            continue;
        }
        if (!preset || url.isEmpty()) {
            std::fprintf(stderr, "quit-driver: not WHAT=URL: %s\n", qPrintable(arg));
            return 2;
        }
        downloads.append({*VideoItem::fromJson(
                              QJsonObject{{QStringLiteral("id"), url.section(QLatin1Char('/'), -1)},
                                          {QStringLiteral("webpage_url"), url}}),
                          *preset});
    }
    bool begun = false;
    QObject::connect(&model.readiness(), &EngineReadiness::busyChanged, &model, [&] {
        if (model.readiness().isBusy() || begun)
            return;
        begun = true;
        for (const auto& [item, preset] : std::as_const(downloads))
            model.queue().enqueue({item}, preset);
        if (!lookup.isEmpty()) {
            model.lookup().setInput(lookup);
            model.lookup().fetch();
            std::puts("lookup");
            std::fflush(stdout);
        }
    });

    // Every process in the group of one of this process's children (each
    // child leads a group of its own), reported once.
    const qint64 self = QCoreApplication::applicationPid();
    QSet<qint64> reported;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &model, [&] {
        const QList<ProcessInfo> table = processTable();
        QSet<qint64> groups;
        for (const ProcessInfo& p : table) {
            if (p.parent == self && p.group == p.pid)
                groups.insert(p.pid);
        }
        for (const ProcessInfo& p : table) {
            if (groups.contains(p.group) && p.state != "Z" && !reported.contains(p.pid)) {
                reported.insert(p.pid);
                std::printf("pid %lld %lld %s\n", p.pid, p.group, p.name.constData());
                std::fflush(stdout);
            }
        }
    });
    watch.start(50);

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &model, [&] {
        char line[64];
        const ssize_t n = ::read(STDIN_FILENO, line, sizeof line);
        if (n <= 0 || QByteArray(line, static_cast<int>(n)).startsWith("quit")) {
            input.setEnabled(false);
            QCoreApplication::quit();
        }
    });

    model.startEngineCheck();
    return app.exec();
}
