// "Choose Format…" over a fake yt-dlp that answers "-J" with `count`
// formats, offscreen: from the moment the parsed list reaches the GUI thread
// (the worker's hand-back event) to the end of the first paint of both
// format lists, in wall time and in the GUI thread's own CPU time. One
// warm-up dialog, then `rounds` dialogs; the medians are printed.
#include "Common.h"
#include "FakeYtdlp.h"
#include "TestEnv.h"
#include "UiBench.h"
#include "appmodel/AppModel.h"
#include "appmodel/FormatQuery.h"
#include "model/Prefs.h"
#include "ui/FormatDialog.h"

#include <QApplication>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QJsonArray>
#include <QJsonDocument>
#include <QListWidget>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace reelcatch;

namespace {

// yt-dlp's answer for a video with `count` formats, worst first: pictures
// in five heights and three codecs, and sound tracks in several languages.
QByteArray answer(int count)
{
    static const char* const codecs[] = {"avc1.640028", "vp09.00.40.08", "av01.0.08M.08"};
    static const char* const languages[] = {"en", "de", "fr", "es", "ja", "pt", "it", "ko"};
    QJsonArray formats;
    for (int i = 0; i < count; ++i) {
        const bool audio = i % 5 == 0;
        QJsonObject format{
            {QStringLiteral("format_id"), QStringLiteral("f%1").arg(i)},
            {QStringLiteral("ext"), audio ? QStringLiteral("m4a") : QStringLiteral("mp4")},
            {QStringLiteral("filesize_approx"), 1000000 + i * 12345},
            {QStringLiteral("tbr"), 100 + i * 7}};
        if (audio) {
            format.insert(QStringLiteral("vcodec"), QStringLiteral("none"));
            format.insert(QStringLiteral("acodec"), QStringLiteral("mp4a.40.2"));
            format.insert(QStringLiteral("language"), QLatin1String(languages[(i / 5) % 8]));
            format.insert(QStringLiteral("format_note"),
                          i % 40 == 0 ? QStringLiteral("original") : QStringLiteral("dubbed"));
        } else {
            const int height = 144 << ((i / 7) % 5);
            format.insert(QStringLiteral("vcodec"), QLatin1String(codecs[i % 3]));
            format.insert(QStringLiteral("acodec"), QStringLiteral("none"));
            format.insert(QStringLiteral("height"), height);
            format.insert(QStringLiteral("width"), height * 16 / 9);
            format.insert(QStringLiteral("fps"), i % 2 ? 60 : 30);
        }
        formats.append(format);
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("id"), QStringLiteral("bench")},
                                     {QStringLiteral("formats"), formats}})
        .toJson(QJsonDocument::Compact);
}

// Notes when a worker's result is handed back to the GUI thread.
class HandBack : public QObject {
public:
    qint64 atNs = 0;
    qint64 cpuNs = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FutureCallOut && watched->inherits("QFutureWatcherBase") &&
            qobject_cast<FormatQuery*>(watched->parent()) && atNs == 0) {
            atNs = Bench::nowNs();
            cpuNs = Bench::threadCpuNs();
        }
        return false;
    }
};

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

} // namespace

int formatDialogBench(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestEnv::isolateProcess();
    const QStringList args = app.arguments().mid(1);
    const int count = args.value(0, QStringLiteral("200")).toInt();
    const int rounds = std::max(1, args.value(1, QStringLiteral("5")).toInt());

    TestEnv env;
    FakeYtdlp fake(env.supportDir());
    fake.outBytes(answer(count));
    Engine engine(env.engineConfig());
    Prefs prefs(env.settingsPath(), env.downloadsDir());
    Bench::IdleInstaller installer;
    AppModel model(engine, prefs, installer);
    const VideoItem video = *VideoItem::fromJson(QJsonObject{
        {QStringLiteral("id"), QStringLiteral("bench")},
        {QStringLiteral("title"), QStringLiteral("Bench video")},
        {QStringLiteral("webpage_url"), QStringLiteral("https://www.youtube.com/watch?v=bench")}});
    HandBack handBack;
    app.installEventFilter(&handBack);

    QList<double> wall;
    QList<double> cpu;
    for (int round = 0; round <= rounds; ++round) {
        handBack.atNs = 0;
        FormatDialog dialog(model, video, Preset::p1080);
        auto* videos = dialog.findChild<QListWidget*>(QStringLiteral("videoFormats"));
        auto* audios = dialog.findChild<QListWidget*>(QStringLiteral("audioFormats"));
        QEventLoop loop;
        qint64 endNs = 0;
        qint64 endCpuNs = 0;
        int painted = 0;
        Bench::PaintTimer videoPaint(videos->viewport());
        Bench::PaintTimer audioPaint(audios->viewport());
        for (Bench::PaintTimer* timer : {&videoPaint, &audioPaint}) {
            timer->onPainted = [&, timer](qint64, qint64 end, qint64) {
                if (handBack.atNs == 0 || timer->property("seen").toBool())
                    return;
                timer->setProperty("seen", true);
                ++painted;
                endNs = std::max(endNs, end);
                endCpuNs = Bench::threadCpuNs();
                if (painted == 2)
                    QTimer::singleShot(0, &loop, &QEventLoop::quit);
            };
        }
        // An event loop of its own: QTest::qWaitFor sleeps between its
        // passes, which would count here.
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        dialog.show();
        loop.exec();
        if (painted != 2 || videos->count() < count / 2) {
            std::fprintf(stderr, "formats: the lists were never painted\n");
            return 1;
        }
        if (round > 0) { // the first warms fonts, styles and the thread pool
            wall << (endNs - handBack.atNs) / 1e6;
            cpu << (endCpuNs - handBack.cpuNs) / 1e6;
        }
        dialog.reject();
    }
    Bench::result("first_paint_ms", median(wall));
    Bench::result("first_paint_cpu_ms", median(cpu));
    Bench::result("formats", count);
    return 0;
}
