// The application in tests of quitting, the model built as main() builds it:
//   quit-driver SUPPORT_DIR BIN_DIR SETTINGS_FILE DOWNLOAD_DIR PRESET=URL|lookup=URL...
// After the engine check it queues the downloads and starts the lookup
// (printing "lookup"); it prints "pid PID GROUP NAME" for every process
// in its children's groups. "quit" on standard input (or its end) quits as
// the desktop does, with aboutToQuit.
#include "ProcessTable.h"
#include "appmodel/AppModel.h"
#include "engine/Installer.h"
#include "model/Prefs.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonObject>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

using namespace reelcatch;

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    EngineConfig config;
    config.supportDir = args.value(1);
    config.binDirs = {args.value(2)};
    config.baseEnvironment = QProcessEnvironment::systemEnvironment();
    config.now = [] { return QDateTime::currentDateTime(); };
    config.guard = QStringLiteral(REELCATCH_GUARD_PATH);
    Engine engine(config);
    Installer installer(engine, InstallerConfig::fromEnvironment());
    Prefs prefs(args.value(3), args.value(4));
    AppModel model(engine, prefs, installer);

    QObject::connect(&model.readiness(), &EngineReadiness::busyChanged, &model, [&] {
        static bool begun = false;
        if (model.readiness().isBusy() || std::exchange(begun, true))
            return;
        for (const QString& arg : args.mid(5)) {
            const QString what = arg.section(u'=', 0, 0), url = arg.section(u'=', 1);
            if (const std::optional<Preset> preset = Preset::fromRawValue(what)) {
                const QJsonObject item{{QStringLiteral("id"), url.section(u'/', -1)}, {QStringLiteral("webpage_url"), url}};
                model.queue().enqueue({*VideoItem::fromJson(item)}, *preset);
            } else {
                model.lookup().setInput(url);
                model.lookup().fetch();
                std::puts("lookup");
            }
        }
        std::fflush(stdout);
    });

    // A child is seen under the guard's name between its fork and its exec:
    // a process is told again under each name it shows.
    QHash<qint64, QByteArray> reported;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &model, [&] {
        const QList<ProcessInfo> table = processTable();
        QSet<qint64> groups; // each child leads a group of its own
        for (const ProcessInfo& p : table)
            if (p.parent == QCoreApplication::applicationPid() && p.group == p.pid)
                groups.insert(p.pid);
        for (const ProcessInfo& p : table)
            if (groups.contains(p.group) && p.state != "Z" && std::exchange(reported[p.pid], p.name) != p.name)
                std::printf("pid %lld %lld %s\n", p.pid, p.group, p.name.constData()), std::fflush(stdout);
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
