// Loaded into a Qt widget program with LD_PRELOAD by `reelcatch-bench
// startup`: prints the monotonic clock when the program's QApplication is
// built and once its first window has been painted, then ends the program
// at once (what a program does on the way out is no part of its start).
//
//   REELCATCH_PROBE app_ns N     QCoreApplication's constructor
//   REELCATCH_PROBE paint_ns N   the end of the first window's first paint
//   REELCATCH_PROBE cpu_ns N     the process's CPU time (every thread) then
//
// The first paint ends with the turn of the event loop whose delivery sent
// the first paint event to a widget: the whole window is drawn and flushed
// within it, so the time is taken by a call queued from there.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>

namespace {

long long nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

void print(const char* key, long long ns)
{
    std::printf("REELCATCH_PROBE %s %lld\n", key, ns);
    std::fflush(stdout);
}

class FirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || m_seen || !watched->isWidgetType())
            return false;
        const auto* widget = static_cast<QWidget*>(watched);
        if (!widget->window()->isVisible())
            return false;
        m_seen = true;
        QMetaObject::invokeMethod(
            this,
            [] {
                print("paint_ns", nowNs());
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                print("cpu_ns", (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000000LL +
                                    (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1000LL);
                std::_Exit(0);
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    bool m_seen = false;
};

void installProbe()
{
    print("app_ns", nowNs());
    // The tools the program runs do not get the probe. (Unset here, not
    // when the library loads, so that a profiler or a wrapper started with
    // it passes it on to the program.)
    unsetenv("LD_PRELOAD");
    QCoreApplication::instance()->installEventFilter(new FirstPaint(QCoreApplication::instance()));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
