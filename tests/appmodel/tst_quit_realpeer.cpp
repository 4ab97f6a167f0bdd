// Ending the application while downloads run, with Debian's own yt-dlp and
// ffmpeg. A separate process takes the application's place (quit-driver,
// the model assembled as main() does it), downloading from a loopback
// server: one slow transfer, and one audio extraction whose ffmpeg converts
// an hour of sound. Whether it quits or is killed outright, none of the
// yt-dlp and ffmpeg processes it started may go on running.
#include "HttpServer.h"
#include "ProcessTable.h"
#include "TestEnv.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <csignal>
#include <functional>

using namespace reelcatch;

namespace {

struct Seen {
    qint64 pid = 0;
    qint64 group = 0;
    QString name;
    friend bool operator==(const Seen&, const Seen&) = default;
};

} // namespace

class TestQuitRealPeer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void end_data();
    void end();

private:
    TestEnv m_env; // the server's files
    std::unique_ptr<HttpServer> m_server;
};

void TestQuitRealPeer::initTestCase()
{
    TestEnv::isolateProcess();
    for (const char* tool : {"/usr/bin/yt-dlp", "/usr/bin/ffmpeg", "/usr/bin/ffprobe"}) {
        if (!QFile::exists(QString::fromLatin1(tool)))
            QFAIL("Debian's yt-dlp and ffmpeg packages are needed (scripts/install-deps.sh)");
    }

    m_server = std::make_unique<HttpServer>();
    QVERIFY(m_server->isListening());
    const QString www = m_env.path(QStringLiteral("www"));
    // Long enough that its slow transfer outlasts the other download's
    // start, even on a busy machine (the test ends it as soon as both run).
    const QString clip = TestEnv::makeClip(www, QStringLiteral("slow.mp4"), 30);
    QVERIFY(!clip.isEmpty());
    m_server->serveFile(QStringLiteral("/slow.mp4"), clip);
    QVERIFY(m_server->setSlow(QStringLiteral("/slow.mp4"), 1024, 250));
    // An hour of silence: half a megabyte of FLAC, many seconds of work for
    // the MP3 encoder.
    const QString sound = www + QStringLiteral("/hour.flac");
    const QString make = QStringLiteral("-nostdin -loglevel error -f lavfi -i "
                                        "anullsrc=r=44100:cl=stereo -t 3600 -y");
    const ProcessResult made = runProcess(QStringLiteral("/usr/bin/ffmpeg"),
                                          make.split(QLatin1Char(' ')) << sound,
                                          m_env.childEnvironment(), 120000);
    QVERIFY2(made.ok(), made.err.constData());
    m_server->serveFile(QStringLiteral("/hour.flac"), sound);
    // A page that keeps a lookup waiting.
    m_server->serveBytes(QStringLiteral("/silent.mp4"), "x");
    QVERIFY(m_server->setDelay(QStringLiteral("/silent.mp4"), 120000));
}

void TestQuitRealPeer::end_data()
{
    QTest::addColumn<bool>("lookup");
    QTest::addColumn<bool>("killed");
    QTest::newRow("quit while downloading") << false << false;
    QTest::newRow("killed while downloading") << false << true;
    QTest::newRow("killed while looking up") << true << true;
}

void TestQuitRealPeer::end()
{
    QFETCH(bool, lookup);
    QFETCH(bool, killed);
    // A fresh sandbox for the application; the system's tools stand in its
    // last system bin directory.
    TestEnv env;
    for (const QString& tool :
         {QStringLiteral("yt-dlp"), QStringLiteral("ffmpeg"), QStringLiteral("ffprobe")})
        QVERIFY(QFile::link(QStringLiteral("/usr/bin/") + tool,
                            env.binDirs().at(2) + QLatin1Char('/') + tool));
    QProcessEnvironment environment = env.childEnvironment();
    // Tool installations the engine check tries go nowhere but here.
    environment.insert(QStringLiteral("REELCATCH_RELEASE_HOST"),
                       m_server->url(QStringLiteral("/")));
    environment.insert(QStringLiteral("REELCATCH_FFMPEG_HOST"), m_server->url(QStringLiteral("/")));

    QProcess app;
    app.setProcessEnvironment(environment);
    app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QList<Seen> seen;
    qsizetype seenBeforeLookup = -1;
    connect(&app, &QProcess::readyReadStandardOutput, this, [&] {
        while (app.canReadLine()) {
            const QList<QByteArray> words = app.readLine().trimmed().split(' ');
            if (words == QList<QByteArray>{"lookup"})
                seenBeforeLookup = seen.size();
            if (words.size() == 4 && words.at(0) == "pid")
                seen << Seen{words.at(1).toLongLong(), words.at(2).toLongLong(),
                             QString::fromUtf8(words.at(3))};
        }
    });
    QStringList arguments{env.supportDir(), env.binDirs().at(2), env.settingsPath(),
                          env.downloadsDir()};
    if (lookup)
        arguments << QStringLiteral("lookup=") + m_server->url(QStringLiteral("/silent.mp4"));
    else
        arguments << QStringLiteral("p1080=") + m_server->url(QStringLiteral("/slow.mp4"))
                  << QStringLiteral("mp3=") + m_server->url(QStringLiteral("/hour.flac"));
    app.start(QStringLiteral(REELCATCH_QUIT_DRIVER), arguments);
    QVERIFY(app.waitForStarted());
    const qint64 driver = app.processId();

    // Both downloads under way: one still receiving, the other in ffmpeg,
    // converting to MP3 (past its start, once it has begun the file).
    auto alive = [&](const std::function<bool(const Seen&)>& fits) {
        QStringList found;
        for (const Seen& s : std::as_const(seen)) {
            if (fits(s) && !processGone(s.pid))
                found << QStringLiteral("%1 %2").arg(s.pid).arg(s.name);
        }
        return found;
    };
    auto ytdlp = [](const Seen& s) { return s.name == QLatin1String("yt-dlp"); };
    const QString mp3 = env.downloadsDir() + QStringLiteral("/hour [hour].mp3");
    auto converting = [&](const Seen& s) {
        return s.name == QLatin1String("ffmpeg") &&
               processArguments(s.pid).contains(QStringLiteral("libmp3lame")) &&
               QFileInfo(mp3).size() > 0;
    };
    // Or the lookup's yt-dlp, started after the engine check, waiting for
    // the server's answer.
    auto looking = [&](const Seen& s) {
        return ytdlp(s) && seenBeforeLookup >= 0 && seen.indexOf(s) >= seenBeforeLookup;
    };
    QVERIFY2(QTest::qWaitFor(
                 [&] {
                     if (lookup)
                         return !alive(looking).isEmpty() &&
                                m_server->requestCount(QStringLiteral("/silent.mp4")) > 0;
                     return alive(ytdlp).size() == 2 && !alive(converting).isEmpty();
                 },
                 120000),
             qPrintable(QStringLiteral("%1 processes seen").arg(seen.size())));
    qInfo("running: %s", qPrintable(alive([](const Seen&) { return true; }).join(u", ")));

    if (killed)
        ::kill(pid_t(driver), SIGKILL);
    else
        app.write("quit\n");
    QVERIFY(app.waitForFinished(60000));
    if (killed) {
        QCOMPARE(app.exitStatus(), QProcess::CrashExit);
    } else {
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(app.exitCode(), 0);
    }

    // Signalled processes take a moment to go; none may stay.
    QSet<qint64> groups;
    for (const Seen& s : std::as_const(seen))
        groups.insert(s.group);
    QStringList left;
    const bool allGone = QTest::qWaitFor(
        [&] {
            left = processesLeft(driver, groups);
            return left.isEmpty();
        },
        15000);
    if (!allGone) {
        for (const qint64 group : std::as_const(groups))
            ::kill(-pid_t(group), SIGKILL);
    }
    QVERIFY2(allGone, qPrintable(left.join(QStringLiteral(", "))));
}

QTEST_GUILESS_MAIN(TestQuitRealPeer)
#include "tst_quit_realpeer.moc"
