// The history window at scale: a store holding 100,000 finished videos, the
// real main window (offscreen) opening its history with Ctrl+H, then a search
// typed a key at a time. For each opening: the time from the key to the end
// of the first paint of the listed rows. For each keystroke: the GUI
// thread's own CPU time spent on it (the key's delivery, taking the rows
// found, and the paint that shows them), and the time until they are shown.
//   reelcatch-bench-history [RUNS]
#include "UiFixture.h"
#include "appmodel/LibraryStore.h"
#include "ui/HistoryList.h"
#include "ui/HistoryModel.h"
#include "ui/HistoryWindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>

using namespace reelcatch;
using namespace reelcatch::test;

namespace {

qint64 clockNs(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

// Times the paints a widget receives: when the last ended, and the GUI
// thread's CPU time they took since the last reset.
class Paints : public QObject {
public:
    explicit Paints(QWidget* widget) : m_widget(widget) { widget->installEventFilter(this); }
    qint64 lastEndNs = 0;
    qint64 rowsShownEndNs = 0;
    qint64 cpuNs = 0;
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_widget || event->type() != QEvent::Paint || m_inside)
            return false;
        m_inside = true;
        const qint64 cpu = clockNs(CLOCK_THREAD_CPUTIME_ID);
        QCoreApplication::sendEvent(watched, event);
        cpuNs += clockNs(CLOCK_THREAD_CPUTIME_ID) - cpu;
        lastEndNs = clockNs(CLOCK_MONOTONIC);
        const auto* view = qobject_cast<QAbstractItemView*>(m_widget->parentWidget());
        if (!rowsShownEndNs && view && view->model()->rowCount() > 0)
            rowsShownEndNs = lastEndNs;
        ++count;
        m_inside = false;
        return true;
    }

private:
    QWidget* m_widget;
    bool m_inside = false;
};

// Waits on the event loop until `done`, taking each event as it comes:
// QTest::qWaitFor() sleeps 10 ms between its checks, which would be counted
// in the times measured here.
template <typename Done> bool waitFor(Done done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    // Wakes the loop now and then, so the deadline is seen without events.
    QTimer tick;
    tick.start(50);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

const char* const words[] = {"rivers", "mountains", "cooking", "trains",  "guitar",
                             "chess",  "physics",   "gardens", "harbour", "weather"};

} // namespace

int main(int argc, char* argv[])
{
    TestEnv::isolateProcess();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    constexpr int videos = 100'000;
    QTemporaryDir data;
    {
        LibraryStore store(data.path());
        store.open();
        LibraryChanges changes;
        const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-400);
        for (int i = 0; i < videos; ++i)
            changes.history.append(
                {QStringLiteral("v%1").arg(i), Preset::p1080,
                 QStringLiteral("/videos/v%1.mp4").arg(i), start.addSecs(i * 300),
                 QStringLiteral("Video %1 about %2").arg(i).arg(QLatin1String(words[i % 10])),
                 QStringLiteral("Channel %1").arg(i % 500),
                 QStringLiteral("https://example.org/v%1").arg(i)});
        if (!store.write(std::move(changes)))
            return 1;
    }

    Ui ui;
    QSignalSpy loaded(&ui.model.library(), &Library::loaded);
    ui.model.library().open(data.path());
    if (!loaded.wait(60000) || !ui.showActive())
        return 1;
    const QString typed = QStringLiteral("video 4242 about");
    QList<double> opening, keyCpu, keyWall;
    // Connected before any window's model: the start of taking the rows found.
    qint64 takeCpu = 0, takeStart = 0;
    QObject::connect(&ui.model.library(), &Library::historyFound, &ui.window,
                     [&] { takeStart = clockNs(CLOCK_THREAD_CPUTIME_ID); });
    for (int run = 0; run < runs; ++run) {
        const qint64 pressed = clockNs(CLOCK_MONOTONIC);
        QTest::keyClick(&ui.window, Qt::Key_H, Qt::ControlModifier);
        HistoryWindow* window = ui.window.historyWindow();
        if (!window) {
            std::printf("Ctrl+H made no window\n");
            return 1;
        }
        Paints paints(window->list()->viewport());
        HistoryModel& rows = window->rows();
        // The end of the first paint that had rows to show.
        if (!waitFor([&] { return paints.rowsShownEndNs > 0 && rows.rowCount() == videos; },
                     30000)) {
            std::printf("the history did not open\n");
            return 1;
        }
        opening << (paints.rowsShownEndNs - pressed) / 1e6;

        // Each key, then its rows shown: the GUI thread's CPU time throughout.
        // Connected after the model's own: the end of taking them.
        const QMetaObject::Connection after =
            QObject::connect(&ui.model.library(), &Library::historyFound, &ui.window,
                             [&] { takeCpu += clockNs(CLOCK_THREAD_CPUTIME_ID) - takeStart; });
        for (const QChar key : typed) {
            paints.cpuNs = 0;
            paints.count = 0;
            takeCpu = 0;
            const qint64 wall = clockNs(CLOCK_MONOTONIC);
            const qint64 cpu = clockNs(CLOCK_THREAD_CPUTIME_ID);
            QTest::keyClick(window->searchField(), key.toLatin1());
            const qint64 keyNs = clockNs(CLOCK_THREAD_CPUTIME_ID) - cpu;
            if (!waitFor([&] { return rows.isCurrent() && paints.count > 0; }, 30000)) {
                std::printf("the search did not end\n");
                return 1;
            }
            keyWall << (paints.lastEndNs - wall) / 1e6;
            keyCpu << (keyNs + takeCpu + paints.cpuNs) / 1e6;
            std::printf("  \"%s\": %lld rows; key %.2f ms, rows taken %.2f ms, paint %.2f ms\n",
                        qPrintable(window->searchField()->text()), qlonglong(rows.rowCount()),
                        keyNs / 1e6, takeCpu / 1e6, paints.cpuNs / 1e6);
        }
        QObject::disconnect(after);
        std::printf("run %d: opened in %.1f ms; search \"%s\" lists %lld rows\n", run + 1,
                    opening.last(), qPrintable(typed), qlonglong(rows.rowCount()));
        window->close();
        QTest::qWait(100);
        ui.window.activateWindow();
        if (!QTest::qWaitForWindowActive(&ui.window))
            return 1;
    }
    std::printf("RESULT history_open_ms %.1f\n", median(opening));
    std::printf("RESULT history_open_max_ms %.1f\n",
                *std::max_element(opening.cbegin(), opening.cend()));
    std::printf("RESULT history_key_gui_cpu_ms %.2f\n", median(keyCpu));
    std::printf("RESULT history_key_gui_cpu_max_ms %.2f\n",
                *std::max_element(keyCpu.cbegin(), keyCpu.cend()));
    std::printf("RESULT history_key_shown_ms %.1f\n", median(keyWall));
    std::printf("RESULT history_key_shown_max_ms %.1f\n",
                *std::max_element(keyWall.cbegin(), keyWall.cend()));
    return 0;
}
