// The results list of the real main window, offscreen, after a lookup of a
// big flat playlist through the fake yt-dlp:
//   - the time from AppModel::resultsChanged to the end of the list's first
//     paint;
//   - every page step from the top to the bottom of the list: a PageDown
//     key press and release sent to the list, then a forced repaint of its
//     viewport, timed together (a "frame"), with the thread's CPU time;
//   - ticking one row on screen, again and again: the GUI thread's time
//     from the tick to the end of the repaint it asks for, and the rows
//     that repaint covers;
//   - the thumbnail requests that start meanwhile, against the rows shown:
//     the distinct rows on screen in any painted frame of the list.
// Thumbnails are asked for at their real addresses; the network manager
// counts each request and answers it from the loopback server.
#include "Common.h"
#include "FakeYtdlp.h"
#include "appmodel/AppModel.h"
#include "model/Prefs.h"
#include "ui/AppShell.h"
#include "ui/DesktopServices.h"
#include "ui/DialogFolderChooser.h"

#include "HttpServer.h"
#include "TestEnv.h"
#include "UiBench.h"
#include "ui/MainWindow.h"
#include "ui/ResultsList.h"
#include "ui/ResultsModel.h"
#include "ui/ResultsPane.h"
#include "ui/ThumbnailCache.h"

#include <QApplication>
#include <QBitArray>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace reelcatch;

namespace {

bool waitForLookup(Lookup& lookup)
{
    return QTest::qWaitFor([&] { return !lookup.isFetching(); }, 120000);
}

void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// A small answer whose ids (and so thumbnail addresses) are not those of
// the big one, for the warm-up lookup.
bool writeWarmUpAnswer(const QString& path)
{
    QByteArray lines;
    for (int i = 0; i < 10; ++i) {
        const QString id = QStringLiteral("warmup%1").arg(i, 5, 10, QLatin1Char('0'));
        const QJsonObject entry{
            {QStringLiteral("_type"), QStringLiteral("url")},
            {QStringLiteral("ie_key"), QStringLiteral("Youtube")},
            {QStringLiteral("id"), id},
            {QStringLiteral("url"), QStringLiteral("https://www.youtube.com/watch?v=") + id},
            {QStringLiteral("title"), QStringLiteral("Warm-up video %1").arg(i)},
            {QStringLiteral("channel"), QStringLiteral("Bench Channel")},
            {QStringLiteral("duration"), 60 + i},
            {QStringLiteral("playlist_title"), QStringLiteral("Warm-up")},
            {QStringLiteral("playlist_index"), i + 1}};
        lines += QJsonDocument(entry).toJson(QJsonDocument::Compact) + '\n';
    }
    return !TestEnv::writeFile(path, lines).isEmpty();
}

double percentile(QList<qint64> values, double share)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype at = std::min(values.size() - 1, qsizetype(share * double(values.size())));
    return values[at] / 1e6;
}

// The rows on screen in the list's viewport, as the view lays them out.
std::pair<int, int> visibleRows(const ResultsList& list, int count)
{
    QWidget* viewport = list.viewport();
    const QModelIndex top = list.indexAt(QPoint(1, 0));
    const QModelIndex bottom = list.indexAt(QPoint(1, viewport->height() - 1));
    if (!top.isValid())
        return {-1, -1};
    return {top.row(), bottom.isValid() ? bottom.row() : count - 1};
}

} // namespace

int resultsViewBench(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestEnv::isolateProcess();
    const QStringList args = app.arguments().mid(1);
    const int count = args.value(0, QStringLiteral("100000")).toInt();
    const QString answerFile = args.value(1);
    const int pauseMs = args.value(2, QStringLiteral("0")).toInt();
    // "0": the first paint only, no paging.
    const bool paging = args.value(3) != QLatin1String("0");

    TestEnv env;
    FakeYtdlp fake(env.supportDir());
    const QString answer =
        answerFile.isEmpty() ? env.path(QStringLiteral("answer.json")) : answerFile;
    const QString small = env.path(QStringLiteral("small.json"));
    if (count < 1 || (answerFile.isEmpty() && Bench::writePlaylistAnswer(answer, count) < 0) ||
        !QFileInfo::exists(answer) || !writeWarmUpAnswer(small)) {
        std::fprintf(stderr, "view: cannot write the answers\n");
        return 1;
    }
    HttpServer server;
    server.serveBytes(QStringLiteral("/thumbnail.jpg"), Bench::thumbnailJpeg(),
                      QByteArrayLiteral("image/jpeg"));
    if (!server.isListening()) {
        std::fprintf(stderr, "view: no loopback server\n");
        return 1;
    }
    Bench::CountingNetwork network(server.qurl(QStringLiteral("/thumbnail.jpg")));

    Engine engine(env.engineConfig());
    Prefs prefs(env.settingsPath(), env.downloadsDir());
    Bench::IdleInstaller installer;
    AppModel model(engine, prefs, installer);
    // Connected before any window exists, so this comes before the list's
    // own handling of the new results.
    qint64 publishedNs = 0;
    QObject::connect(&model.lookup(), &Lookup::resultsChanged, &model,
                     [&] { publishedNs = Bench::nowNs(); });

    ThumbnailCache thumbnails(&network, env.path(QStringLiteral("thumbnails")));
    DesktopServices desktop{QDBusConnection(QStringLiteral("reelcatch-bench-no-bus"))};
    DialogFolderChooser chooser;
    AppShell shell(model, thumbnails, desktop, chooser, nullptr, false);
    shell.setQuitHandler([] {});
    chooser.setFallbackParent(&shell.window());
    shell.showWindow();
    if (!QTest::qWaitForWindowExposed(&shell.window())) {
        std::fprintf(stderr, "view: the window was never shown\n");
        return 1;
    }
    ResultsList& list = *shell.window().resultsPane()->list();
    QWidget* viewport = list.viewport();

    // The warm-up: a small lookup shown and its thumbnails loaded, so that
    // fonts, styles and the thread pool have been used once.
    model.lookup().setInput(QStringLiteral("https://www.youtube.com/@benchchannel"));
    fake.setScript(QStringLiteral("out-file ") + small);
    model.lookup().fetch();
    if (!waitForLookup(model.lookup()) || model.lookup().results().size() != 10) {
        std::fprintf(stderr, "view: the warm-up lookup failed\n");
        return 1;
    }
    settle(300);
    fake.setScript(QStringLiteral("out-file ") + answer);
    network.clear();
    const int startedBefore = thumbnails.requestsStarted();
    publishedNs = 0;

    // Every paint of the list's viewport: the first after publishing, the
    // rows it showed, and how long each took.
    QBitArray shown(count);
    qint64 firstPaintEndNs = 0;
    qint64 firstPaintOwnNs = 0;
    qint64 lastPaintNs = 0;
    qint64 worstOtherPaintNs = 0;
    int paints = 0;
    bool inStep = false;
    Bench::PaintTimer timer(viewport);
    timer.onPainted = [&](qint64 start, qint64 end, qint64) {
        if (publishedNs == 0 || list.model()->rowCount() != count)
            return;
        ++paints;
        if (firstPaintEndNs == 0) {
            firstPaintEndNs = end;
            firstPaintOwnNs = end - start;
        }
        lastPaintNs = end - start;
        if (!inStep)
            worstOtherPaintNs = std::max(worstOtherPaintNs, end - start);
        const auto [first, last] = visibleRows(list, count);
        for (int row = std::max(0, first); row >= 0 && row <= last; ++row)
            shown.setBit(row);
    };

    model.lookup().fetch();
    if (!waitForLookup(model.lookup()) || model.lookup().results().size() != count || publishedNs == 0) {
        std::fprintf(stderr, "view: the lookup did not publish %d items\n", count);
        return 1;
    }
    if (!QTest::qWaitFor([&] { return firstPaintEndNs != 0; }, 20000)) {
        std::fprintf(stderr, "view: the list was never painted\n");
        return 1;
    }
    const double firstPaintMs = (firstPaintEndNs - publishedNs) / 1e6;
    // The first page's thumbnails arrive.
    settle(300);

    // Ticking and unticking the third row on screen: the tick alone (to the
    // return of the model's signals), and with the repaint it asks for.
    auto& results = *qobject_cast<ResultsModel*>(list.model());
    const int tickedRow = std::max(0, visibleRows(list, count).first) + 2;
    QList<qint64> ticks, tickFrames;
    int tickedRowsWorst = 0;
    for (int i = 0; i < 200; ++i) {
        timer.lastRegion = QRegion();
        const qint64 start = Bench::nowNs();
        results.toggle(tickedRow);
        ticks << Bench::nowNs() - start;
        QCoreApplication::processEvents();
        tickFrames << Bench::nowNs() - start;
        const QRect painted = timer.lastRegion.boundingRect();
        const QModelIndex top = list.indexAt(QPoint(1, painted.top()));
        const QModelIndex bottom = list.indexAt(QPoint(1, painted.bottom()));
        const int rows = painted.isEmpty() || !top.isValid()
                             ? 0
                             : (bottom.isValid() ? bottom.row() : count - 1) - top.row() + 1;
        tickedRowsWorst = std::max(tickedRowsWorst, rows);
    }

    // Paging from the top to the bottom.
    QScrollBar* bar = list.verticalScrollBar();
    list.setFocus(Qt::OtherFocusReason);
    list.setCurrentIndex(list.model()->index(0, 0));
    QCoreApplication::processEvents();
    QList<qint64> frames;
    qint64 worstFrameNs = 0;
    qint64 worstFrameCpuNs = 0;
    qint64 mostFrameCpuNs = 0;
    qint64 worstStepPaintNs = 0;
    const qint64 pagingStartNs = Bench::nowNs();
    const int maxSteps = paging ? count + 10 : 0;
    int steps = 0;
    while (steps < maxSteps &&
           !(list.currentIndex().row() == count - 1 && bar->value() == bar->maximum())) {
        ++steps;
        inStep = true;
        const qint64 start = Bench::nowNs();
        const qint64 cpu = Bench::threadCpuNs();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
        QApplication::sendEvent(&list, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_PageDown, Qt::NoModifier);
        QApplication::sendEvent(&list, &release);
        viewport->repaint();
        const qint64 frame = Bench::nowNs() - start;
        const qint64 frameCpu = Bench::threadCpuNs() - cpu;
        inStep = false;
        frames << frame;
        worstStepPaintNs = std::max(worstStepPaintNs, lastPaintNs);
        mostFrameCpuNs = std::max(mostFrameCpuNs, frameCpu);
        if (frame > worstFrameNs) {
            worstFrameNs = frame;
            worstFrameCpuNs = frameCpu;
        }
        // What the event loop does between two key presses: the list's
        // prefetch, the loads' starts and ends, the repaints they ask for.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        if (pauseMs > 0)
            settle(pauseMs);
    }
    const double pagingS = (Bench::nowNs() - pagingStartNs) / 1e9;
    if (paging && list.currentIndex().row() != count - 1) {
        std::fprintf(stderr, "view: paging stopped at row %d after %d steps\n",
                     list.currentIndex().row(), steps);
        return 1;
    }
    // Loads still running finish; nothing new may start for rows gone by.
    settle(500);

    // Each request's row, and whether that row was ever on screen.
    QHash<QUrl, int> rowOf;
    rowOf.reserve(count);
    const QList<VideoItem> items = model.lookup().results();
    for (int row = 0; row < count; ++row) {
        if (const auto& url = items[row].thumbnail())
            rowOf.insert(*url, row);
    }
    int unshown = 0;
    int unknown = 0;
    QSet<QUrl> distinct;
    for (const QUrl& url : network.requested()) {
        distinct.insert(url);
        const auto it = rowOf.constFind(url);
        if (it == rowOf.cend())
            ++unknown;
        else if (!shown.testBit(*it))
            ++unshown;
    }

    const int rowHeight = list.sizeHintForRow(0);
    Bench::result("entries", count);
    Bench::result("first_paint_ms", firstPaintMs);
    Bench::result("first_paint_own_ms", firstPaintOwnNs / 1e6);
    Bench::result("tick_median_ms", percentile(ticks, 0.5));
    Bench::result("tick_worst_ms", percentile(ticks, 1));
    Bench::result("tick_frame_median_ms", percentile(tickFrames, 0.5));
    Bench::result("tick_rows_painted", tickedRowsWorst);
    Bench::result("viewport_height", viewport->height());
    Bench::result("row_height", rowHeight);
    Bench::result("steps", steps);
    Bench::result("paging_s", pagingS);
    Bench::result("frame_worst_ms", worstFrameNs / 1e6);
    Bench::result("frame_worst_cpu_ms", worstFrameCpuNs / 1e6);
    Bench::result("frame_cpu_most_ms", mostFrameCpuNs / 1e6);
    Bench::result("frame_p99_ms", percentile(frames, 0.99));
    Bench::result("frame_median_ms", percentile(frames, 0.5));
    Bench::result("step_paint_worst_ms", worstStepPaintNs / 1e6);
    Bench::result("other_paint_worst_ms", worstOtherPaintNs / 1e6);
    Bench::result("paints", paints);
    Bench::result("rows_shown", shown.count(true));
    Bench::result("requests", network.requested().size());
    Bench::result("requests_distinct", distinct.size());
    Bench::result("requests_unshown", unshown);
    Bench::result("requests_unknown", unknown);
    Bench::result("cache_started", thumbnails.requestsStarted() - startedBefore);
    return 0;
}
