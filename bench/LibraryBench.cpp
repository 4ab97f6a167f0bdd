// The kept list at scale: a history of 100,000 videos and a list of 10,000
// jobs written to a store, then read back by the Library as the application
// does at start (time until loaded, and the longest stall of the GUI thread
// meanwhile, from a 1 ms timer), and the badge marking of a 100,000-row lookup
// (the history test of every row, as ResultsPane makes it).
//   reelcatch-bench-library
#include "Fixture.h"
#include "appmodel/LibraryStore.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using namespace reelcatch;
using namespace reelcatch::test;

int main(int argc, char* argv[])
{
    TestEnv::isolateProcess();
    QCoreApplication app(argc, argv);
    QTemporaryDir data;
    {
        LibraryStore store(data.path());
        store.open();
        LibraryChanges changes;
        for (int i = 0; i < 100000; ++i)
            changes.history.append({QStringLiteral("h%1").arg(i), Preset::p1080,
                                    QStringLiteral("/videos/h%1.mp4").arg(i), QDateTime::currentDateTime(),
                                    QStringLiteral("Title %1").arg(i), QStringLiteral("Channel"),
                                    QStringLiteral("https://example.org/h%1").arg(i)});
        for (int i = 0; i < 10000; ++i)
            changes.upserts.append({QUuid::createUuid(), videoItem(QStringLiteral("j%1").arg(i)), Preset::p720,
                                    i % 2 ? Download::Phase::Kind::done : Download::Phase::Kind::failed,
                                    QStringLiteral("failed"), QStringLiteral("j.mp4"),
                                    QStringLiteral("/videos/j%1.mp4").arg(i), false});
        QElapsedTimer write;
        write.start();
        if (!store.write(std::move(changes)))
            return 1;
        std::printf("write of 100,000 history rows and 10,000 jobs, one transaction: %lld ms\n",
                    write.elapsed());
    }
    Fixture f;
    QElapsedTimer clock, gap;
    qint64 longest = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &app, [&] {
        longest = std::max(longest, gap.restart());
    });
    tick.start(1);
    QSignalSpy loaded(&f.model.library(), &Library::loaded);
    clock.start();
    gap.start();
    f.model.library().open(data.path());
    if (!loaded.wait(120000))
        return 1;
    const qint64 toLoaded = clock.elapsed();
    std::printf("read back: %lld ms to loaded (%d jobs, %d videos); longest GUI-thread stall %lld ms\n",
                toLoaded, int(f.queue().downloads().size()), int(f.model.library().downloaded().size()),
                std::max(longest, gap.elapsed()));

    QList<VideoItem> results;
    for (int i = 0; i < 100000; ++i)
        results << videoItem(QStringLiteral("h%1").arg(i * 2));
    const Library& library = f.model.library();
    QElapsedTimer marking;
    marking.start();
    int marked = 0;
    // The pane's test of every row (the model asks only for the rows in view).
    for (const VideoItem& item : results)
        marked += library.isDownloaded(item.id());
    std::printf("badges of a 100,000-row lookup (%d marked): %.2f ms\n", marked,
                double(marking.nsecsElapsed()) / 1e6);
    return 0;
}
