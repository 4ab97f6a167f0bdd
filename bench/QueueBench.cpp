// A long download queue in the real main window (offscreen): enqueueing
// 100,000 results, the app's CPU while two of them download and the rest
// wait, and Remove and Clear Finished on that list.
#include "Benches.h"
#include "Common.h"
#include "FakeYtdlp.h"
#include "TestEnv.h"
#include "appmodel/AppModel.h"
#include "model/Prefs.h"
#include "ui/AppShell.h"
#include "ui/DesktopServices.h"
#include "ui/DialogFolderChooser.h"
#include "ui/DownloadsList.h"
#include "ui/DownloadsPane.h"
#include "ui/MainWindow.h"
#include "ui/ThumbnailCache.h"

#include <QApplication>
#include <QEventLoop>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace reelcatch;

namespace {

void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The GUI thread's worst lateness while `action` runs and for `ms` after.
template <typename Action> double stallOf(Action action, int ms = 500)
{
    Bench::StallProbe probe(2);
    probe.start();
    settle(20);
    action();
    settle(ms);
    probe.stop();
    return probe.worstMs();
}

} // namespace

int bigQueueBench(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestEnv::isolateProcess();
    const int count = app.arguments().value(1, QStringLiteral("100000")).toInt();
    const int seconds = app.arguments().value(2, QStringLiteral("10")).toInt();

    TestEnv env;
    FakeYtdlp fake(env.supportDir());
    TestEnv::writeExecutable(env.binDirs().at(1) + QStringLiteral("/ffmpeg"), "#!/bin/sh\n");
    TestEnv::writeExecutable(env.binDirs().at(1) + QStringLiteral("/ffprobe"), "#!/bin/sh\n");
    // A progress line every 50 ms for as long as the measurement lasts.
    QString script;
    for (int i = 0; i < (seconds + 30) * 20; ++i)
        script += QStringLiteral("out RC|downloading|%1|900000000|NA|4200000.0|%2|avc1.640028\n"
                                 "sleep 50\n")
                      .arg(i * 100000)
                      .arg(200 - i / 20);
    fake.setScript(script);

    Engine engine(env.engineConfig());
    Prefs prefs(env.settingsPath(), env.downloadsDir());
    prefs.setValue(PrefKey::parallel, 2);
    Bench::IdleInstaller installer;
    AppModel model(engine, prefs, installer);
    QNetworkAccessManager network;
    ThumbnailCache thumbnails(&network, env.path(QStringLiteral("thumbnails")));
    DesktopServices desktop{QDBusConnection(QStringLiteral("reelcatch-bench-no-bus"))};
    DialogFolderChooser chooser;
    AppShell shell(model, thumbnails, desktop, chooser, nullptr, false);
    shell.setQuitHandler([] {});
    shell.showWindow();
    if (!QTest::qWaitForWindowExposed(&shell.window())) {
        std::fprintf(stderr, "queue: the window was never shown\n");
        return 1;
    }
    DownloadsList& list = *shell.window().downloadsPane()->list();

    QList<VideoItem> items;
    items.reserve(count);
    for (int i = 0; i < count; ++i) {
        const QString id = QStringLiteral("v%1").arg(i, 10, 10, QLatin1Char('0'));
        items << *VideoItem::fromJson(
            QJsonObject{{QStringLiteral("id"), id},
                        {QStringLiteral("title"), QStringLiteral("Bench video ") + id},
                        {QStringLiteral("webpage_url"), QStringLiteral("https://example.org/") + id}});
    }
    qint64 enqueueNs = 0;
    const double enqueueStall = stallOf(
        [&] {
            const qint64 start = Bench::nowNs();
            model.queue().enqueue(items, Preset::p1080);
            enqueueNs = Bench::nowNs() - start;
        },
        1500);
    if (model.queue().downloads().size() != count || model.queue().count(Download::Phase::Kind::downloading) != 2) {
        std::fprintf(stderr, "queue: %lld jobs, %d downloading\n",
                     static_cast<long long>(model.queue().downloads().size()),
                     model.queue().count(Download::Phase::Kind::downloading));
        return 1;
    }
    // The same videos again: every one already waiting.
    const double againStall = stallOf([&] { model.queue().enqueue(items, Preset::p1080); });

    // Two downloads printing, everything else waiting.
    settle(1000);
    const double cpuBefore = Bench::cpuSeconds();
    const qint64 startNs = Bench::nowNs();
    int repaints = 0;
    QObject::connect(list.model(), &QAbstractItemModel::dataChanged, &app, [&] { ++repaints; });
    settle(seconds * 1000);
    const double wall = (Bench::nowNs() - startNs) / 1e9;
    const double cpu = Bench::cpuSeconds() - cpuBefore;

    // Remove a waiting job in the middle, then Clear Finished with the
    // oldest thousand finished (those next to the two downloading).
    const double removeStall = stallOf([&] { model.queue().remove(*model.queue().downloads().at(count / 2)); });
    const QList<DownloadPtr> jobs = model.queue().downloads();
    for (qsizetype row = jobs.size() - 1002; row < jobs.size() - 2; ++row)
        jobs.at(row)->setPhase(Download::Phase::done());
    settle(300);
    qint64 clearNs = 0;
    const double clearStall = stallOf([&] {
        const qint64 start = Bench::nowNs();
        model.queue().clearFinished();
        clearNs = Bench::nowNs() - start;
    });

    Bench::result("jobs", count);
    Bench::result("enqueue_ms", enqueueNs / 1e6);
    Bench::result("enqueue_stall_ms", enqueueStall);
    Bench::result("enqueue_again_stall_ms", againStall);
    Bench::result("cpu_percent", 100 * cpu / wall);
    Bench::result("row_changes_per_s", repaints / wall);
    Bench::result("remove_stall_ms", removeStall);
    Bench::result("clear_finished_ms", clearNs / 1e6);
    Bench::result("clear_finished_stall_ms", clearStall);
    model.queue().cancelAll();
    settle(500);
    return 0;
}
