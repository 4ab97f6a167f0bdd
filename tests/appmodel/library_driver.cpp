// The application with its kept list, for the test that kills it:
//   library-driver DATA_DIR COUNT
// Prints "loaded JOBS DISTINCT_IDS DISTINCT_VIDEOS" once the list is back,
// queues COUNT new videos, then ends one running download after each write
// that reached the disk, printing "written", until it is killed.
#include "Fixture.h"

#include <QSet>

#include <cstdio>

using namespace reelcatch;
using namespace reelcatch::test;

int main(int argc, char* argv[])
{
    TestEnv::isolateProcess();
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    Fixture f;
    Library& library = f.model.library();
    QObject::connect(&library, &Library::loaded, &app, [&] {
        QSet<QUuid> ids;
        QSet<QString> videos;
        for (const DownloadPtr& job : f.queue().downloads())
            ids.insert(job->id()), videos.insert(job->video().id());
        std::printf("loaded %d %d %d\n", int(f.queue().downloads().size()), int(ids.size()),
                    int(videos.size()));
        std::fflush(stdout);
        QList<VideoItem> items;
        for (int i = 0; i < args.value(2).toInt(); ++i)
            items << videoItem(QStringLiteral("v%1-%2").arg(QCoreApplication::applicationPid()).arg(i));
        f.queue().enqueue(items, Preset::p720);
    });
    QObject::connect(&library, &Library::written, &app, [&](bool ok) {
        std::puts(ok ? "written" : "failed");
        std::fflush(stdout);
        if (const QList<FakeChild*> running = f.runner->running(); !running.isEmpty()) {
            running.first()->say(QStringLiteral("RCFILE|clip.mp4"));
            running.first()->end(0);
        }
    });
    library.open(args.value(1));
    return app.exec();
}
