// Downloads run by Debian's own yt-dlp and ffmpeg against a loopback HTTP
// server serving clips that ffmpeg makes here: nothing leaves 127.0.0.1.
#include "AppModel.h"
#include "Fakes.h"
#include "HttpServer.h"
#include "TestEnv.h"

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QTest>

using namespace reelcatch;

namespace {

// The processes whose process group is `group`, read from /proc.
QList<qint64> groupMembers(qint64 group)
{
    QList<qint64> members;
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& pid : pids) {
        QFile stat(QStringLiteral("/proc/") + pid + QStringLiteral("/stat"));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        // Fields after the command name: state, ppid, pgrp, ...
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 2 && fields.at(0) != "Z" && fields.at(2).toLongLong() == group)
            members << pid.toLongLong();
    }
    return members;
}

} // namespace

class TestDownloadRealPeer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void threeClipsTwoAtATime();
    void audioOnly();
    void missingAddress();
    void cancelMidTransferThenRetry();

private:
    VideoItem item(const QString& name) const;
    bool allFinished() const;

    std::unique_ptr<TestEnv> m_env;
    std::unique_ptr<HttpServer> m_server;
    std::unique_ptr<Engine> m_engine;
    std::unique_ptr<Prefs> m_prefs;
    FakeInstaller m_installer;
    std::unique_ptr<AppModel> m_model;
    QString m_clipDir;
};

void TestDownloadRealPeer::initTestCase()
{
    TestEnv::isolateProcess();
    for (const char* tool : {"/usr/bin/yt-dlp", "/usr/bin/ffmpeg", "/usr/bin/ffprobe"}) {
        if (!QFile::exists(QString::fromLatin1(tool)))
            QFAIL("Debian's yt-dlp and ffmpeg packages are needed (scripts/install-deps.sh)");
    }
}

void TestDownloadRealPeer::init()
{
    m_env = std::make_unique<TestEnv>();
    m_server = std::make_unique<HttpServer>();
    QVERIFY(m_server->isListening());
    m_clipDir = m_env->path(QStringLiteral("www"));
    for (const QString& name :
         {QStringLiteral("clip1"), QStringLiteral("clip2"), QStringLiteral("clip3")}) {
        const QString clip = TestEnv::makeClip(m_clipDir, name + QStringLiteral(".mp4"), 2);
        QVERIFY(!clip.isEmpty());
        m_server->serveFile(QLatin1Char('/') + name + QStringLiteral(".mp4"), clip);
    }
    // The system's tools stand in the last system bin directory.
    for (const QString& tool :
         {QStringLiteral("yt-dlp"), QStringLiteral("ffmpeg"), QStringLiteral("ffprobe")})
        QVERIFY(QFile::link(QStringLiteral("/usr/bin/") + tool,
                            m_env->binDirs().at(2) + QLatin1Char('/') + tool));
    m_engine = std::make_unique<Engine>(m_env->engineConfig());
    QVERIFY(m_engine->ffmpeg());
    m_prefs = std::make_unique<Prefs>(m_env->settingsPath(), m_env->downloadsDir());
    m_model = std::make_unique<AppModel>(*m_engine, *m_prefs, m_installer);
}

void TestDownloadRealPeer::cleanup()
{
    if (m_model) {
        m_model->cancelAll();
        QVERIFY(allFinished());
    }
    m_model.reset();
    m_prefs.reset();
    m_engine.reset();
    m_server.reset();
    m_env.reset();
}

VideoItem TestDownloadRealPeer::item(const QString& name) const
{
    return *VideoItem::fromJson(
        QJsonObject{{QStringLiteral("id"), name},
                    {QStringLiteral("webpage_url"),
                     m_server->url(QLatin1Char('/') + name + QStringLiteral(".mp4"))}});
}

bool TestDownloadRealPeer::allFinished() const
{
    return QTest::qWaitFor(
        [&] {
            return std::all_of(
                m_model->downloads().cbegin(), m_model->downloads().cend(),
                [](const DownloadPtr& j) { return j->isFinished() && !j->process(); });
        },
        120000);
}

void TestDownloadRealPeer::threeClipsTwoAtATime()
{
    m_prefs->setValue(PrefKey::parallel, 2);
    m_model->enqueue({item(QStringLiteral("clip1")), item(QStringLiteral("clip2")),
                      item(QStringLiteral("clip3"))},
                     Preset::p1080);
    int active = 0;
    for (const DownloadPtr& job : m_model->downloads())
        active += job->isActive();
    QCOMPARE(active, 2);
    QVERIFY(allFinished());

    for (const DownloadPtr& job : m_model->downloads()) {
        const QString id = job->video().id();
        const QString name = id + QStringLiteral(" [") + id + QStringLiteral("].mp4");
        QVERIFY2(job->phase() == Download::Phase::done(),
                 qPrintable(id + QLatin1Char(' ') + job->phase().message()));
        QCOMPARE(job->detail(), name);
        QCOMPARE(job->fraction(), 1.0);
        QCOMPARE(job->file().value_or(QString()), m_env->downloadsDir() + QLatin1Char('/') + name);
        QVERIFY(QFileInfo(*job->file()).size() > 1000);
    }
}

void TestDownloadRealPeer::audioOnly()
{
    m_model->enqueue({item(QStringLiteral("clip2"))}, Preset::mp3);
    QVERIFY(allFinished());
    const DownloadPtr job = m_model->downloads().first();
    QVERIFY2(job->phase() == Download::Phase::done(), qPrintable(job->phase().message()));
    QCOMPARE(job->detail(), QStringLiteral("clip2 [clip2].mp3"));
    QVERIFY(QFile::exists(m_env->downloadsDir() + QStringLiteral("/clip2 [clip2].mp3")));
}

void TestDownloadRealPeer::missingAddress()
{
    m_model->enqueue({item(QStringLiteral("missing"))}, Preset::p720);
    QVERIFY(allFinished());
    const DownloadPtr job = m_model->downloads().first();
    QCOMPARE(job->phase().kind(), Download::Phase::Kind::failed);
    // yt-dlp's own words, without its "ERROR:" prefix.
    QVERIFY2(job->phase().message().contains(QStringLiteral("404")),
             qPrintable(job->phase().message()));
    QVERIFY(!job->phase().message().startsWith(QStringLiteral("ERROR")));
    QCOMPARE(job->phase().message(), job->errorLines().last());
}

void TestDownloadRealPeer::cancelMidTransferThenRetry()
{
    // A bigger clip, trickled out slowly.
    const QString big = TestEnv::makeClip(m_clipDir, QStringLiteral("slow.mp4"), 8);
    QVERIFY(!big.isEmpty());
    m_server->serveFile(QStringLiteral("/slow.mp4"), big);
    QVERIFY(m_server->setSlow(QStringLiteral("/slow.mp4"), 2048, 100));

    m_model->enqueue({item(QStringLiteral("slow"))}, Preset::p1080);
    const DownloadPtr job = m_model->downloads().first();
    QVERIFY(QTest::qWaitFor([&] { return job->fraction() > 0 && job->fraction() < 1; }, 60000));
    const qint64 group = job->process()->processId();
    QVERIFY(!groupMembers(group).isEmpty());

    m_model->cancel(*job);
    QVERIFY(allFinished());
    QCOMPARE(job->phase().kind(), Download::Phase::Kind::cancelled);
    QCOMPARE(job->detail(), QStringLiteral("Cancelled"));
    QVERIFY(QTest::qWaitFor([&] { return groupMembers(group).isEmpty(); }, 10000));

    m_server->serveFile(QStringLiteral("/slow.mp4"), big);
    m_model->retry(*job);
    QVERIFY(allFinished());
    QVERIFY2(job->phase() == Download::Phase::done(), qPrintable(job->phase().message()));
    QCOMPARE(job->detail(), QStringLiteral("slow [slow].mp4"));
    // The whole clip arrived (give or take what embedding the metadata adds).
    QVERIFY(QFileInfo(*job->file()).size() >= QFileInfo(big).size() * 9 / 10);
}

QTEST_GUILESS_MAIN(TestDownloadRealPeer)
#include "tst_download_realpeer.moc"
