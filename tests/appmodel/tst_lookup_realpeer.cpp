// Lookups run by Debian's own yt-dlp against a loopback HTTP server serving a
// clip that ffmpeg makes here: nothing leaves 127.0.0.1.
#include "AppModel.h"
#include "Fakes.h"
#include "HttpServer.h"
#include "TestEnv.h"

#include <QFile>
#include <QTest>

using namespace reelcatch;

namespace {

const QString systemYtdlp = QStringLiteral("/usr/bin/yt-dlp");

// The message after "ERROR:" on the last such line, found the plain way.
QString lastErrorLine(const QByteArray& err)
{
    QString found;
    for (const QByteArray& line : err.split('\n')) {
        if (line.startsWith("ERROR:"))
            found = QString::fromUtf8(line.mid(6)).trimmed();
    }
    return found;
}

} // namespace

class TestLookupRealPeer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void singleClip();
    void missingAddress();
    void optionLikeTarget();
    void feedWithoutIds();

private:
    bool lookUp(const QString& input);

    std::unique_ptr<TestEnv> m_env;
    std::unique_ptr<HttpServer> m_server;
    std::unique_ptr<Engine> m_engine;
    std::unique_ptr<Prefs> m_prefs;
    FakeInstaller m_installer;
    std::unique_ptr<AppModel> m_model;
    QString m_clip;
};

void TestLookupRealPeer::initTestCase()
{
    TestEnv::isolateProcess();
    if (!QFile::exists(systemYtdlp) || !QFile::exists(QStringLiteral("/usr/bin/ffmpeg")))
        QFAIL("Debian's yt-dlp and ffmpeg packages are needed (scripts/install-deps.sh)");
}

void TestLookupRealPeer::init()
{
    m_env = std::make_unique<TestEnv>();
    m_server = std::make_unique<HttpServer>();
    QVERIFY(m_server->isListening());
    m_clip = TestEnv::makeClip(m_env->path(QStringLiteral("www")), QStringLiteral("clip.mp4"), 2);
    QVERIFY(!m_clip.isEmpty());
    m_server->serveFile(QStringLiteral("/clip.mp4"), m_clip);
    // The system's yt-dlp stands in the last system bin directory.
    QVERIFY(QFile::link(systemYtdlp, m_env->binDirs().at(2) + QStringLiteral("/yt-dlp")));
    m_engine = std::make_unique<Engine>(m_env->engineConfig());
    QCOMPARE(m_engine->ytdlp().value_or(QString()),
             m_env->binDirs().at(2) + QStringLiteral("/yt-dlp"));
    m_prefs = std::make_unique<Prefs>(m_env->settingsPath(), m_env->downloadsDir());
    m_model = std::make_unique<AppModel>(*m_engine, *m_prefs, m_installer);
}

void TestLookupRealPeer::cleanup()
{
    m_model.reset();
    m_prefs.reset();
    m_engine.reset();
    m_server.reset();
    m_env.reset();
}

bool TestLookupRealPeer::lookUp(const QString& input)
{
    m_model->setInput(input);
    m_model->fetch();
    return m_model->isFetching() && QTest::qWaitFor([&] { return !m_model->isFetching(); }, 120000);
}

void TestLookupRealPeer::singleClip()
{
    const QString address = m_server->url(QStringLiteral("/clip.mp4"));
    QVERIFY(lookUp(address));
    QVERIFY2(!m_model->fetchError(), qPrintable(m_model->fetchError().value_or(QString())));
    QCOMPARE(m_model->results().size(), 1);
    const VideoItem& item = m_model->results().first();
    QCOMPARE(item.id(), QStringLiteral("clip"));
    QCOMPARE(item.title(), QStringLiteral("clip"));
    QCOMPARE(item.url(), address);
    QVERIFY(!item.thumbnail());
    QCOMPARE(m_model->resultsTitle(), QString());
    QCOMPARE(m_model->selected(), QSet<QString>{QStringLiteral("clip")});
    QVERIFY(m_server->requestCount(QStringLiteral("/clip.mp4")) >= 1);
}

void TestLookupRealPeer::missingAddress()
{
    const QString address = m_server->url(QStringLiteral("/missing.mp4"));
    QVERIFY(lookUp(address));

    // The same command run by hand tells what yt-dlp's last error line says.
    const ProcessResult direct =
        runProcess(systemYtdlp,
                   {QStringLiteral("--no-colors"), QStringLiteral("-J"),
                    QStringLiteral("--flat-playlist"), QStringLiteral("--no-playlist"),
                    QStringLiteral("--no-warnings"), QStringLiteral("--"), address},
                   m_env->childEnvironment());
    QVERIFY(direct.finished);
    QCOMPARE(direct.exitCode, 1);
    const QString expected = lastErrorLine(direct.err);
    QVERIFY2(expected.contains(QStringLiteral("404")), direct.err.constData());

    QCOMPARE(m_model->fetchError().value_or(QString()), expected);
    QVERIFY(m_model->results().isEmpty());
    QVERIFY(m_server->requestCount(QStringLiteral("/missing.mp4")) >= 1);
}

void TestLookupRealPeer::optionLikeTarget()
{
    // Without "--" yt-dlp would print its version and exit 0.
    QVERIFY(lookUp(QStringLiteral("--version ://x")));
    const QString error = m_model->fetchError().value_or(QString());
    QVERIFY2(error.contains(QStringLiteral("'--version ://x' is not a valid URL")),
             qPrintable(error));
}

void TestLookupRealPeer::feedWithoutIds()
{
    // A feed lists its entries as links without ids: nothing to download.
    m_server->serveBytes(
        QStringLiteral("/feed.xml"),
        "<?xml version=\"1.0\"?><rss version=\"2.0\"><channel><title>Test Feed</title>"
        "<link>http://127.0.0.1/</link><description>d</description>"
        "<item><title>First clip</title><link>" +
            m_server->url(QStringLiteral("/clip.mp4")).toUtf8() + "</link></item></channel></rss>",
        "application/rss+xml");
    QVERIFY(lookUp(m_server->url(QStringLiteral("/feed.xml"))));
    QCOMPARE(m_model->fetchError().value_or(QString()),
             QStringLiteral("Nothing downloadable found there."));
    QCOMPARE(m_model->resultsTitle(), QStringLiteral("Test Feed"));
    QVERIFY(m_model->results().isEmpty());
}

QTEST_GUILESS_MAIN(TestLookupRealPeer)
#include "tst_lookup_realpeer.moc"
