// library-driver DATA_DIR COUNT: the model with its kept list; prints "loaded
// JOBS DISTINCT_IDS DISTINCT_VIDEOS" once read, queues COUNT videos, then ends
// a download after each write ("written") until it is killed.
#include "Fixture.h"

#include <QSet>

#include <cstdio>

using namespace reelcatch;
using namespace reelcatch::test;

int main(int argc, char* argv[])
{
    TestEnv::isolateProcess();
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
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
        QList<VideoItem> items;
        for (int i = 0; i < args.value(2).toInt(); ++i)
            items << videoItem(QStringLiteral("v%1-%2").arg(QCoreApplication::applicationPid()).arg(i));
        f.queue().enqueue(items, Preset::p720);
    });
    QObject::connect(&library, &Library::written, &app, [&](bool ok) {
        std::puts(ok ? "written" : "failed");
        if (const QList<FakeChild*> running = f.runner->running(); !running.isEmpty()) {
            running.first()->say(QStringLiteral("RCFILE|clip.mp4"));
            running.first()->end(0);
        }
    });
    library.open(args.value(1));
    return app.exec();
}
