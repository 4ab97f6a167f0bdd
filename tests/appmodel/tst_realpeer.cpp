// Debian's own yt-dlp and ffmpeg against a loopback server (nothing leaves
// 127.0.0.1): lookups, downloads, cancelling, and the application quitting or
// killed while they run, leaving none of its yt-dlp and ffmpeg behind.
#include "Fixture.h"
#include "HttpServer.h"
#include "ProcessTable.h"
#include "appmodel/LibraryStore.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

#include <csignal>

using namespace reelcatch;
using namespace reelcatch::test;
using namespace Qt::StringLiterals;

namespace {

constexpr int patience = 180000; // two slow cores, maybe under ASan

// The system's tools in the sandbox's last system bin directory.
bool linkTools(const TestEnv& env)
{
    bool ok = true;
    for (const QString& tool : {u"yt-dlp"_s, u"ffmpeg"_s, u"ffprobe"_s})
        ok = ok && QFile::link(u"/usr/bin/"_s + tool, env.binDirs().at(2) + u'/' + tool);
    return ok;
}

struct RealFixture {
    // Through a proxy, yt-dlp is not told to pass it by for the loopback address.
    explicit RealFixture(bool proxied = false) : viaProxy(proxied) {}
    bool viaProxy;
    TestEnv env;
    HttpServer server;
    bool linked = linkTools(env);
    Engine engine{[this] {
        EngineConfig config = env.engineConfig();
        if (viaProxy)
            config.baseEnvironment.remove(u"no_proxy"_s);
        return config;
    }()};
    Prefs prefs{env.settingsPath(), env.downloadsDir()};
    FakeInstaller installer;
    AppModel model{engine, prefs, installer};

    QString serve(const QString& name, int seconds = 2)
    {
        const QString clip = TestEnv::makeClip(env.path(u"www"_s), name + u".mp4"_s, seconds);
        server.serveFile(u'/' + name + u".mp4"_s, clip);
        return clip;
    }
    DownloadPtr enqueue(const QString& name, Preset preset = Preset::p1080,
                        const std::optional<PlaylistPlace>& place = {})
    {
        model.queue().enqueue({*VideoItem::fromJson(QJsonObject{
                                  {u"id"_s, name}, {u"webpage_url"_s, server.url(u'/' + name + u".mp4"_s)}})},
                              preset, std::nullopt, std::nullopt, place ? QList{*place} : QList<PlaylistPlace>{});
        return model.queue().downloads().first();
    }
    bool settled() // every job ended and no process of this test left running
    {
        const qint64 self = QCoreApplication::applicationPid();
        return QTest::qWaitFor([&] { return model.queue().toDo() == 0 && processesLeft(self).isEmpty(); }, patience);
    }
    bool lookUp(const QString& input)
    {
        model.lookup().setInput(input);
        model.lookup().fetch();
        return model.lookup().isFetching() && QTest::qWaitFor([&] { return !model.lookup().isFetching(); }, patience);
    }
};

struct Seen { qint64 pid, group; QByteArray name; }; // a process the application reported

} // namespace

class TestRealPeer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void lookups();
    void downloads();
    void configFilesIgnored();
    void cancelMidTransferThenRetry();
    void fileNames_data();
    void fileNames();
    void proxyAndRateLimit();
    void quit_data();
    void quit();

private:
    TestEnv m_env; // the quit tests' server files
    HttpServer m_server;
};

void TestRealPeer::initTestCase()
{
    TestEnv::isolateProcess();
    QVERIFY2(QFile::exists(u"/usr/bin/yt-dlp"_s) && QFile::exists(u"/usr/bin/ffprobe"_s),
             "Debian's yt-dlp and ffmpeg are needed");
    // A transfer slow enough to outlast the other download's start, an hour
    // of silence (many seconds of work for the MP3 encoder), and a page that
    // keeps a lookup waiting.
    const QString www = m_env.path(u"www"_s);
    m_server.serveFile(u"/slow.mp4"_s, TestEnv::makeClip(www, u"slow.mp4"_s, 30));
    QVERIFY(m_server.setSlow(u"/slow.mp4"_s, 1024, 250));
    const QStringList make = u"-nostdin -loglevel error -f lavfi -i anullsrc=r=44100:cl=stereo "
                             u"-t 3600 -y"_s.split(u' ') << www + u"/hour.flac"_s;
    const ProcessResult made = runProcess(u"/usr/bin/ffmpeg"_s, make, m_env.childEnvironment(), 120000);
    QVERIFY2(made.ok(), made.err.constData());
    m_server.serveFile(u"/hour.flac"_s, www + u"/hour.flac"_s);
    m_server.serveBytes(u"/silent.mp4"_s, "x");
    QVERIFY(m_server.setDelay(u"/silent.mp4"_s, 120000));
    // A stream yt-dlp leaves to ffmpeg (its own downloader takes no
    // SAMPLE-AES), whose segment does not come: on Ctrl+C yt-dlp would wait
    // for an ffmpeg that does not listen.
    m_server.serveBytes(u"/hls/play.m3u8"_s, "#EXTM3U\n#EXT-X-TARGETDURATION:5\n"
                                             "#EXT-X-KEY:METHOD=SAMPLE-AES,URI=\"key.bin\"\n"
                                             "#EXTINF:5.0,\nseg.ts\n#EXT-X-ENDLIST\n");
    m_server.serveBytes(u"/hls/key.bin"_s, QByteArray(16, 0));
    m_server.serveBytes(u"/hls/seg.ts"_s, "x");
    QVERIFY(m_server.setDelay(u"/hls/seg.ts"_s, 120000));
}

void TestRealPeer::lookups()
{
    RealFixture f;
    QVERIFY(f.linked && !f.serve(u"clip"_s).isEmpty());
    // A deno, and the version of this yt-dlp known: too old to be told of deno.
    TestEnv::writeExecutable(f.env.binDirs().at(0) + u"/deno"_s, "#!/bin/sh\n");
    f.model.startEngineCheck();
    QVERIFY(f.installer.finish(u"yt-dlp"_s, AppError{u"offline"_s}));
    QVERIFY(QTest::qWaitFor([&] { return !f.model.readiness().isBusy(); }, patience));
    QVERIFY(f.model.readiness().version());
    const QString address = f.server.url(u"/clip.mp4"_s);
    QVERIFY(f.lookUp(address));
    QVERIFY2(!f.model.lookup().fetchError(), qPrintable(f.model.lookup().fetchError().value_or(QString())));
    QCOMPARE(f.model.lookup().results().size(), 1);
    QCOMPARE(f.model.lookup().results().first().url(), address);
    // yt-dlp's own words, without its "ERROR:" prefix; the list stays.
    QVERIFY(f.lookUp(f.server.url(u"/missing.mp4"_s)));
    const QString error = f.model.lookup().fetchError().value_or(QString());
    QVERIFY2(error.contains(u"404"_s) && !error.startsWith(u"ERROR"_s), qPrintable(error));
    QCOMPARE(f.model.lookup().results().size(), 1);
    QVERIFY(f.settled());
}

void TestRealPeer::downloads()
{
    RealFixture f;
    QVERIFY(f.linked);
    const QString longName(124, u'v'); // a direct link's id and title are its file's name
    for (const QString& name : {u"clip1"_s, u"clip2"_s, u"sound"_s, longName})
        QVERIFY(!f.serve(name).isEmpty());
    // The folder is read as a job starts, made when missing, and taken as written.
    const QString deeper = f.env.path(u"new/$PATH/deeper"_s);
    f.enqueue(u"clip1"_s);
    f.prefs.setValue(PrefKey::folder, deeper);
    f.enqueue(u"clip2"_s);
    f.prefs.setValue(PrefKey::folder, f.env.downloadsDir());
    f.enqueue(u"clip1"_s, Preset::p720); // a file of its own
    f.enqueue(longName);
    // (Its own clip: extracting the sound removes the video it came from.)
    f.enqueue(u"sound"_s, Preset::mp3);
    const DownloadPtr missing = f.enqueue(u"missing"_s, Preset::p720);
    QVERIFY(f.settled());
    for (const DownloadPtr& job : f.model.queue().downloads().sliced(1)) {
        const QString id = job->video().id();
        const QString name = id + u" ["_s + id.left(32) + u']' +
                             (job->preset() == Preset::p720 ? u" [720p]"_s : QString()) +
                             (job->preset().isAudio() ? u".mp3"_s : u".mp4"_s);
        QVERIFY2(job->phase() == Download::Phase::done(), qPrintable(id + job->phase().message()));
        QCOMPARE(job->detail(), name);
        QCOMPARE(job->file().value_or(QString()), (id == u"clip2"_s ? deeper : f.env.downloadsDir()) + u'/' + name);
        QVERIFY2(QFileInfo(*job->file()).size() > 1000, qPrintable(name));
    }
    const QString message = missing->phase().message();
    QVERIFY2(message.contains(u"404"_s) && !message.startsWith(u"ERROR"_s), qPrintable(message));
}

// No configuration file is read: not the download folder's (a browser saves
// there without asking) nor that of the folder the application was started
// from, whose commands would run, nor the user's, whose folder would take
// the file. A download folder reached through a link keeps its file.
void TestRealPeer::configFilesIgnored()
{
    QTemporaryDir data; // the store and the real download folder, outliving the model
    auto f = std::make_unique<RealFixture>();
    QVERIFY(f->linked && !f->serve(u"clip"_s).isEmpty());
    const QString real = data.filePath(u"real"_s), linked = data.filePath(u"linked"_s);
    const QString start = f->env.path(u"start"_s), ran = f->env.path(u"ran"_s);
    QVERIFY(QDir().mkpath(real) && QFile::link(real, linked) && QDir().mkpath(start));
    const QByteArray commands = "--exec \"pre_process:touch " + ran.toUtf8() +
                                "\"\n--exec \"touch " + ran.toUtf8() + "\"\n";
    for (const QString& folder : {real, start})
        QVERIFY(!TestEnv::writeFile(folder + u"/yt-dlp.conf"_s, commands).isEmpty());
    const QString elsewhere = f->env.path(u"elsewhere"_s), user = u"/.config/yt-dlp/config"_s;
    QVERIFY(!TestEnv::writeFile(f->env.homeDir() + user, "-P " + elsewhere.toUtf8()).isEmpty());
    const QString was = QDir::currentPath();
    const auto back = qScopeGuard([&] { QDir::setCurrent(was); });
    QVERIFY(QDir::setCurrent(start));
    QSignalSpy loaded(&f->model.library(), &Library::loaded);
    f->model.library().open(data.path());
    QVERIFY(loaded.wait(patience));

    QVERIFY(f->lookUp(f->server.url(u"/clip.mp4"_s)));
    QCOMPARE(f->model.lookup().results().size(), 1);
    QVERIFY(!QFile::exists(ran));
    f->prefs.setValue(PrefKey::folder, linked);
    const DownloadPtr job = f->enqueue(u"clip"_s);
    QVERIFY(f->settled());
    QVERIFY2(job->phase() == Download::Phase::done(), qPrintable(job->phase().message()));
    QVERIFY(!QFile::exists(ran) && !QFile::exists(elsewhere));
    const QString file = linked + u"/clip [clip].mp4"_s;
    QCOMPARE(job->file().value_or(QString()), file);
    QVERIFY(QFileInfo(file).size() > 1000);
    f.reset(); // writes what is pending
    const LibrarySnapshot kept = LibraryStore(data.path()).open();
    QCOMPARE(kept.jobs.size(), 1);
    QCOMPARE(kept.jobs.first().file.value_or(QString()), file);
    QVERIFY(!kept.jobs.first().fileGone && kept.downloaded.contains(u"clip"_s));
}

void TestRealPeer::cancelMidTransferThenRetry()
{
    RealFixture f;
    const QString big = f.serve(u"slow"_s, 8);
    QVERIFY(f.linked && !big.isEmpty());
    QVERIFY(f.server.setSlow(u"/slow.mp4"_s, 2048, 100));
    const DownloadPtr job = f.enqueue(u"slow"_s);
    QVERIFY(QTest::qWaitFor([&] { return job->fraction() > 0 && job->fraction() < 1; }, patience));
    QVERIFY(!processesLeft(QCoreApplication::applicationPid()).isEmpty());
    f.model.queue().cancel(*job);
    QVERIFY(f.settled()); // no process of its group left
    QCOMPARE(job->phase(), Download::Phase::cancelled());

    f.server.serveFile(u"/slow.mp4"_s, big);
    f.model.queue().retry(*job);
    QVERIFY(f.settled());
    QVERIFY2(job->phase() == Download::Phase::done(), qPrintable(job->phase().message()));
    // The whole clip arrived (give or take what embedding the metadata adds).
    QVERIFY(QFileInfo(*job->file()).size() >= QFileInfo(big).size() * 9 / 10);
}

void TestRealPeer::fileNames_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<QString>("custom");
    QTest::addColumn<bool>("folders");
    QTest::addColumn<QStringList>("names"); // in 1080p, then in 720p when there are two
    const auto row = [](const char* name, const QString& style, const QString& custom, bool folders,
                        const QStringList& names) {
        QTest::newRow(name) << style << custom << folders << names;
    };
    // The served file's time is its upload date; a direct link names no channel.
    row("none stored", {}, {}, false, {u"clip [clip].mp4"_s, u"clip [clip] [720p].mp4"_s});
    row("title", u"title"_s, {}, false, {u"clip.mp4"_s});
    row("channel", u"channelTitle"_s, {}, false, {u"clip.mp4"_s});
    row("date", u"dateTitle"_s, {}, false, {u"2024-03-05 \u2013 clip.mp4"_s, u"2024-03-05 \u2013 clip [720p].mp4"_s});
    row("custom", u"custom"_s, u"%(extractor)s/%(playlist_title)s %(id)s.%(ext)s"_s, false,
        {u"generic/Mix 100% clip.mp4"_s});
    row("refused custom", u"custom"_s, u"../%(title)s"_s, false, {u"clip [clip].mp4"_s});
    row("playlist folders", u"title"_s, {}, true,
        {u"Mix 100%/007 \u2013 clip.mp4"_s, u"Mix 100%/007 \u2013 clip [720p].mp4"_s});
}

void TestRealPeer::fileNames()
{
    QFETCH(QString, style);
    QFETCH(QString, custom);
    QFETCH(bool, folders);
    QFETCH(QStringList, names);
    RealFixture f;
    const QString clip = f.serve(u"clip"_s);
    QVERIFY(f.linked && TestEnv::setMtime(clip, QDateTime(QDate(2024, 3, 5), QTime(12, 0), Qt::UTC)));
    if (!style.isEmpty())
        f.prefs.setValue(PrefKey::nameStyle, style);
    f.prefs.setValue(PrefKey::nameCustom, custom);
    f.prefs.setValue(PrefKey::playlistFolders, folders);
    const PlaylistPlace place{u"Mix 100%"_s, 7};
    const DownloadPtr first = f.enqueue(u"clip"_s, Preset::p1080, place);
    QVERIFY(QTest::qWaitFor([&] { return first->isFinished(); }, patience));
    if (names.size() > 1)
        f.enqueue(u"clip"_s, Preset::p720, place);
    QVERIFY(f.settled());
    for (qsizetype i = 0; i < names.size(); ++i) {
        const DownloadPtr job = f.model.queue().downloads().at(names.size() - 1 - i);
        QVERIFY2(job->phase() == Download::Phase::done(), qPrintable(job->phase().message()));
        QCOMPARE(job->file().value_or(QString()), f.env.downloadsDir() + u'/' + names.at(i));
        QVERIFY(QFileInfo(*job->file()).size() > 1000);
    }
}

// Lookups and downloads go through the proxy (the test server, as one); a
// download keeps to its speed limit.
void TestRealPeer::proxyAndRateLimit()
{
    RealFixture f(true);
    QVERIFY(f.linked && !f.serve(u"clip"_s).isEmpty());
    f.prefs.setValue(PrefKey::proxy, f.server.url(u"/"_s).chopped(1));
    QVERIFY(f.lookUp(f.server.url(u"/clip.mp4"_s)));
    QCOMPARE(f.model.lookup().results().size(), 1);
    const int looked = f.server.proxiedCount(u"/clip.mp4"_s);
    QVERIFY(looked > 0);
    const DownloadPtr job = f.enqueue(u"clip"_s);
    QVERIFY(f.settled());
    QVERIFY2(job->phase() == Download::Phase::done(), qPrintable(job->phase().message()));
    QVERIFY(f.server.proxiedCount(u"/clip.mp4"_s) > looked);
    QCOMPARE(f.server.requestCount(u"/clip.mp4"_s), f.server.proxiedCount(u"/clip.mp4"_s));

    // 5 MiB at 1 MiB/s; without the limit it takes yt-dlp's start and a moment.
    f.prefs.remove(PrefKey::proxy);
    f.prefs.setValue(PrefKey::embedMeta, false);
    f.prefs.setValue(PrefKey::embedThumb, false);
    f.prefs.setValue(PrefKey::rateLimit, 1);
    QByteArray body(5 << 20, '\0');
    for (qsizetype i = 0; i < body.size(); ++i)
        body[i] = char(i * 7919 >> 3);
    f.server.serveBytes(u"/big.mp4"_s, body, "video/mp4");
    QElapsedTimer clock;
    clock.start();
    const DownloadPtr big = f.enqueue(u"big"_s);
    QVERIFY(f.settled());
    QVERIFY2(big->phase() == Download::Phase::done(), qPrintable(big->phase().message()));
    QCOMPARE(QFileInfo(*big->file()).size(), body.size());
    QVERIFY2(clock.elapsed() > 4000, qPrintable(QString::number(clock.elapsed())));
}

void TestRealPeer::quit_data()
{
    QTest::addColumn<QString>("what"); // "download", "lookup" or "stream"
    QTest::addColumn<bool>("killed");
    QTest::newRow("quit while downloading") << u"download"_s << false;
    QTest::newRow("killed while downloading") << u"download"_s << true;
    QTest::newRow("killed while looking up") << u"lookup"_s << true;
    QTest::newRow("killed while ffmpeg downloads a stream") << u"stream"_s << true;
}

// The application is quit-driver, downloading a slow transfer and converting
// an hour of sound to MP3, looking up a page that does not answer, or
// downloading a stream through ffmpeg.
void TestRealPeer::quit()
{
    QFETCH(QString, what);
    QFETCH(bool, killed);
    const bool lookup = what == u"lookup"_s;
    const QString stream = m_server.url(u"/hls/play.m3u8"_s);
    TestEnv env;
    QVERIFY(linkTools(env));
    QProcessEnvironment environment = env.childEnvironment();
    // Tool installations the engine check tries go nowhere but here.
    for (const QString& host : {u"REELCATCH_RELEASE_HOST"_s, u"REELCATCH_FFMPEG_HOST"_s})
        environment.insert(host, m_server.url());
    QProcess app;
    app.setProcessEnvironment(environment);
    app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QList<Seen> seen;
    qsizetype lookupStart = -1; // the first process seen after the lookup began
    connect(&app, &QProcess::readyReadStandardOutput, this, [&] {
        while (app.canReadLine()) {
            const QList<QByteArray> words = app.readLine().trimmed().split(' ');
            if (words.size() == 1 && words.at(0) == "lookup")
                lookupStart = seen.size();
            if (words.size() == 4 && words.at(0) == "pid")
                seen << Seen{words.at(1).toLongLong(), words.at(2).toLongLong(), words.at(3)};
        }
    });
    app.start(
        QStringLiteral(REELCATCH_QUIT_DRIVER),
        QStringList{env.supportDir(), env.binDirs().at(2), env.settingsPath(), env.downloadsDir()}
            << (lookup                ? QStringList{u"lookup="_s + m_server.url(u"/silent.mp4"_s)}
                : what == u"stream"_s ? QStringList{u"p1080="_s + stream}
                                      : QStringList{u"p1080="_s + m_server.url(u"/slow.mp4"_s),
                                                    u"mp3="_s + m_server.url(u"/hour.flac"_s)}));
    QVERIFY(app.waitForStarted());
    // Both downloads under way, one receiving, the other in ffmpeg making the
    // MP3; or the lookup's yt-dlp waiting for the server.
    const auto alive = [&](const char* name, qsizetype from = 0, const QString& argument = {}) {
        return std::count_if(seen.cbegin() + std::max<qsizetype>(from, 0), seen.cend(), [&](const Seen& p) {
            return p.name == name && !processGone(p.pid) &&
                   (argument.isEmpty() || processArguments(p.pid).contains(argument));
        });
    };
    const QString mp3 = env.downloadsDir() + u"/hour [hour].mp3"_s;
    QVERIFY2(QTest::qWaitFor(
                 [&] {
                     if (what == u"stream"_s)
                         return alive("ffmpeg", 0, stream) > 0 &&
                                m_server.requestCount(u"/hls/seg.ts"_s) > 0;
                     return lookup ? lookupStart >= 0 && alive("yt-dlp", lookupStart) > 0 &&
                                         m_server.requestCount(u"/silent.mp4"_s) > 0
                                   : alive("yt-dlp") == 2 && QFileInfo(mp3).size() > 0 &&
                                         alive("ffmpeg", 0, u"libmp3lame"_s) > 0;
                 },
                 120000),
             qPrintable(u"%1 processes seen, yt-dlp %2, ffmpeg %3, mp3 %4 bytes, %5 asked for the stream"_s
                            .arg(seen.size())
                            .arg(alive("yt-dlp"))
                            .arg(alive("ffmpeg"))
                            .arg(QFileInfo(mp3).size())
                            .arg(m_server.requestCount(u"/hls/seg.ts"_s))));
    if (killed)
        ::kill(pid_t(app.processId()), SIGKILL);
    else
        app.write("quit\n");
    QVERIFY(app.waitForFinished(60000));
    QCOMPARE(app.exitStatus(), killed ? QProcess::CrashExit : QProcess::NormalExit);
    QVERIFY(killed || app.exitCode() == 0);
    // Signalled processes take a moment to go; none may stay, and none
    // outlives a killed application by more than 2 s (its guards see to
    // that). Ended processes that only wait to be reaped count as gone.
    QSet<qint64> groups;
    for (const Seen& p : std::as_const(seen))
        groups.insert(p.group);
    QStringList left;
    const bool gone = QTest::qWaitFor(
        [&] {
            left = processesLeft(QCoreApplication::applicationPid(), groups);
            left.removeIf([](const QString& p) { return p.endsWith(u"(Z)"_s); });
            return left.isEmpty();
        },
        killed ? 2000 : 15000);
    for (const qint64 group : std::as_const(groups))
        if (!gone)
            ::kill(-pid_t(group), SIGKILL);
    QVERIFY2(gone, qPrintable(left.join(u", "_s)));
}

QTEST_GUILESS_MAIN(TestRealPeer)
#include "tst_realpeer.moc"
