// The tool installer against a loopback server: download locations, HTTP and
// transport failures, real zip archives (good, damaged and hostile), the
// check that keeps a broken download from replacing a working tool, stalled
// transfers, and the ffmpeg pair cancelling its sibling.
#include "HttpServer.h"
#include "Installer.h"
#include "TestEnv.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTest>
#include <QUuid>

#include <archive.h>
#include <archive_entry.h>
#include <memory>

using namespace reelcatch;

namespace {

// A small stand-in for a tool: answers its version query, fails otherwise.
QByteArray toolScript(const QByteArray& version)
{
    return "#!/bin/sh\ncase \"$1\" in --version|-version) echo " + version +
           "; exit 0;; esac\nexit 3\n";
}

struct ZipEntry {
    QByteArray name;
    QByteArray content; // a symbolic link's target when `link`
    bool link = false;
};

// A real zip archive, stored without compression so tests can find and
// damage an entry's bytes.
QByteArray makeZip(const QList<ZipEntry>& entries)
{
    QByteArray zip(1 << 20, '\0');
    size_t used = 0;
    archive* a = archive_write_new();
    archive_write_set_format_zip(a);
    archive_write_set_options(a, "zip:compression=store");
    if (archive_write_open_memory(a, zip.data(), size_t(zip.size()), &used) != ARCHIVE_OK)
        qFatal("makeZip: %s", archive_error_string(a));
    for (const ZipEntry& e : entries) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, e.name.constData());
        archive_entry_set_mtime(entry, 1700000000, 0);
        if (e.link) {
            archive_entry_set_filetype(entry, AE_IFLNK);
            archive_entry_set_perm(entry, 0777);
            archive_entry_set_symlink(entry, e.content.constData());
            archive_entry_set_size(entry, 0);
        } else {
            archive_entry_set_filetype(entry, AE_IFREG);
            archive_entry_set_perm(entry, 0755);
            archive_entry_set_size(entry, e.content.size());
        }
        if (archive_write_header(a, entry) != ARCHIVE_OK)
            qFatal("makeZip: %s", archive_error_string(a));
        if (!e.link && !e.content.isEmpty())
            archive_write_data(a, e.content.constData(), size_t(e.content.size()));
        archive_entry_free(entry);
    }
    archive_write_close(a);
    archive_write_free(a);
    zip.truncate(qsizetype(used));
    return zip;
}

QByteArray noise(int size)
{
    QByteArray bytes(size, '\0');
    for (char& c : bytes)
        c = char(QRandomGenerator::global()->bounded(256));
    return bytes;
}

QStringList entries(const QString& dir)
{
    return QDir(dir).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The version a placed tool prints, or the empty string if it doesn't run.
QByteArray versionOf(const QString& tool, const QString& flag = QStringLiteral("--version"))
{
    const ProcessResult r =
        runProcess(tool, {flag}, QProcessEnvironment::systemEnvironment(), 10000);
    return r.ok() ? r.out.trimmed() : QByteArray();
}

// What an install answered.
struct Answer {
    int calls = 0;
    std::optional<Status> status;
    qint64 elapsedMs = 0;
    QString message() const
    {
        return status && !status->ok() ? status->error().message : QString();
    }
};

template <typename Start> Answer install(Start start, int timeoutMs = 20000)
{
    Answer answer;
    QObject context;
    QElapsedTimer clock;
    clock.start();
    start(&context, [&answer](Status s) {
        ++answer.calls;
        answer.status = std::move(s);
    });
    (void)QTest::qWaitFor([&] { return answer.calls > 0; }, timeoutMs);
    answer.elapsedMs = clock.elapsed();
    // Answers are queued, so a second one would be delivered by now.
    QCoreApplication::processEvents();
    return answer;
}

// A sandbox, a server standing in for both hosts, and an engine on the sandbox.
struct Rig {
    TestEnv env;
    HttpServer server;
    Engine engine{env.engineConfig()};
    InstallerConfig config;

    Rig()
    {
        config.releaseHost = config.ffmpegHost = host();
        config.machine = QStringLiteral("x86_64");
        config.tempDir = env.path(QStringLiteral("tmp"));
        config.stallTimeoutMs = 10000;
        config.checkTimeoutMs = 10000;
        QDir().mkpath(config.tempDir);
    }
    QString host() const { return QStringLiteral("http://127.0.0.1:%1").arg(server.port()); }
    QString tempDir() const { return config.tempDir; }
    QString managed(const QString& name) const { return env.supportDir() + u'/' + name; }
    std::unique_ptr<Installer> installer() const
    {
        return std::make_unique<Installer>(engine, config);
    }
    // The path a location is served under.
    static QString pathOf(const QString& url) { return QUrl(url).path(); }
};

} // namespace

class TestInstaller : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void downloadLocations_data();
    void downloadLocations();
    void hostsFromEnvironment();
    void installsYtdlp_data();
    void installsYtdlp();
    void failedYtdlpKeepsWorkingCopy_data();
    void failedYtdlpKeepsWorkingCopy();
    void installsDenoFromZip();
    void badDenoArchives_data();
    void badDenoArchives();
    void installsFfmpegPair();
    void firstFfmpegFailureCancelsSibling_data();
    void firstFfmpegFailureCancelsSibling();
    void destroyingInstallerCleansUp();
};

void TestInstaller::initTestCase()
{
    TestEnv::isolateProcess();
}

void TestInstaller::downloadLocations_data()
{
#ifdef Q_OS_MACOS
    QSKIP("Linux download locations");
#endif
    QTest::addColumn<QString>("machine");
    QTest::addColumn<QStringList>("urls");
    const QString gh = QStringLiteral("https://github.com");
    const QString ff = QStringLiteral("https://ffmpeg.martin-riedl.de");
    QTest::newRow("x86_64")
        << QStringLiteral("x86_64")
        << QStringList{gh + QStringLiteral("/yt-dlp/yt-dlp/releases/latest/download/yt-dlp_linux"),
                       gh + QStringLiteral("/denoland/deno/releases/latest/download/"
                                           "deno-x86_64-unknown-linux-gnu.zip"),
                       ff + QStringLiteral("/redirect/latest/linux/amd64/release/ffmpeg.zip"),
                       ff + QStringLiteral("/redirect/latest/linux/amd64/release/ffprobe.zip")};
    const QStringList arm{
        gh + QStringLiteral("/yt-dlp/yt-dlp/releases/latest/download/yt-dlp_linux_aarch64"),
        gh + QStringLiteral(
                 "/denoland/deno/releases/latest/download/deno-aarch64-unknown-linux-gnu.zip"),
        ff + QStringLiteral("/redirect/latest/linux/arm64/release/ffmpeg.zip"),
        ff + QStringLiteral("/redirect/latest/linux/arm64/release/ffprobe.zip")};
    QTest::newRow("aarch64") << QStringLiteral("aarch64") << arm;
    QTest::newRow("arm64") << QStringLiteral("arm64") << arm;
}

void TestInstaller::downloadLocations()
{
    QFETCH(QString, machine);
    QFETCH(QStringList, urls);
    TestEnv env;
    const Engine engine(env.engineConfig());
    InstallerConfig config;
    config.machine = machine;
    const Installer installer(engine, config);
    QCOMPARE((QStringList{installer.ytdlpUrl(), installer.denoUrl(), installer.ffmpegUrl(),
                          installer.ffprobeUrl()}),
             urls);
}

void TestInstaller::hostsFromEnvironment()
{
    const QByteArray oldRelease = qgetenv("REELCATCH_RELEASE_HOST");
    const QByteArray oldFfmpeg = qgetenv("REELCATCH_FFMPEG_HOST");
    qputenv("REELCATCH_RELEASE_HOST", "http://127.0.0.1:1/");
    qputenv("REELCATCH_FFMPEG_HOST", "http://127.0.0.1:2");
    InstallerConfig config = InstallerConfig::fromEnvironment();
    qputenv("REELCATCH_RELEASE_HOST", oldRelease);
    qputenv("REELCATCH_FFMPEG_HOST", oldFfmpeg);

    TestEnv env;
    const Engine engine(env.engineConfig());
    const Installer installer(engine, config);
    // A trailing slash on a host doesn't double the one that begins the path.
    QVERIFY2(installer.ytdlpUrl().startsWith(u"http://127.0.0.1:1/yt-dlp/"),
             qPrintable(installer.ytdlpUrl()));
    QVERIFY(installer.denoUrl().startsWith(u"http://127.0.0.1:1/denoland/"));
    QVERIFY(installer.ffmpegUrl().startsWith(u"http://127.0.0.1:2/redirect/latest/"));
    QVERIFY(installer.ffprobeUrl().startsWith(u"http://127.0.0.1:2/redirect/latest/"));
}

void TestInstaller::installsYtdlp_data()
{
    QTest::addColumn<int>("redirects");
    QTest::newRow("served directly") << 0;
    QTest::newRow("one redirect") << 1;
    QTest::newRow("chain of redirects") << 3;
}

void TestInstaller::installsYtdlp()
{
    QFETCH(int, redirects);
    Rig rig;
    const auto installer = rig.installer();
    const QString path = Rig::pathOf(installer->ytdlpUrl());
    // Large enough to arrive in several pieces.
    const QByteArray body = toolScript("2099.01.01") + "# " + QByteArray(300000, 'x') + "\n";
    QString served = path;
    for (int i = 0; i < redirects; ++i) {
        const QString next = QStringLiteral("/hop%1/yt-dlp").arg(i);
        rig.server.serveRedirect(served, next, i % 2 ? 301 : 302);
        served = next;
    }
    rig.server.serveBytes(served, body);
    // An older copy with other bits is replaced.
    TestEnv::writeFile(rig.managed(QStringLiteral("yt-dlp")), toolScript("2020.01.01"), 0700);

    qint64 lastReceived = -1;
    qint64 lastTotal = -1;
    bool monotonic = true;
    const Answer a = install([&](QObject* context, ToolInstaller::OnDone done) {
        installer->installYtdlp(context, done, [&](qint64 received, qint64 total) {
            monotonic = monotonic && received >= lastReceived;
            lastReceived = received;
            lastTotal = total;
        });
    });
    QCOMPARE(a.calls, 1);
    QVERIFY2(a.status->ok(), qPrintable(a.message()));
    QCOMPARE(readAll(rig.managed(QStringLiteral("yt-dlp"))), body);
    QCOMPARE(TestEnv::mode(rig.managed(QStringLiteral("yt-dlp"))), 0755);
    QCOMPARE(versionOf(rig.managed(QStringLiteral("yt-dlp"))), QByteArray("2099.01.01"));
    QCOMPARE(entries(rig.env.supportDir()), QStringList{QStringLiteral("yt-dlp")});
    QCOMPARE(rig.server.requestCount(served), 1);
    QVERIFY(monotonic);
    QCOMPARE(lastReceived, qint64(body.size()));
    QCOMPARE(lastTotal, qint64(body.size()));
}

void TestInstaller::failedYtdlpKeepsWorkingCopy_data()
{
    QTest::addColumn<QString>("kind");
    // The whole message, or (when it ends in "…") its beginning.
    QTest::addColumn<QString>("expected");
    QTest::newRow("404") << QStringLiteral("404")
                         << QStringLiteral("Download failed (HTTP 404): URL");
    QTest::newRow("500 after a redirect")
        << QStringLiteral("redirect-500") << QStringLiteral("Download failed (HTTP 500): URL");
    QTest::newRow("HTML page with 200")
        << QStringLiteral("html") << QStringLiteral("The downloaded yt-dlp doesn't run.");
    QTest::newRow("version query hangs")
        << QStringLiteral("hang") << QStringLiteral("The downloaded yt-dlp doesn't run.");
    QTest::newRow("stalled transfer")
        << QStringLiteral("stall")
        << QStringLiteral("Download stalled (nothing received for 0.5 s): URL");
    QTest::newRow("connection refused") << QStringLiteral("refused") << QString();
}

void TestInstaller::failedYtdlpKeepsWorkingCopy()
{
    QFETCH(QString, kind);
    QFETCH(QString, expected);
    Rig rig;
    rig.config.stallTimeoutMs = 500;
    rig.config.checkTimeoutMs = 1500;
    if (kind == u"refused") {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        rig.config.releaseHost = QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort());
    }
    const auto installer = rig.installer();
    const QString url = installer->ytdlpUrl();
    const QString path = Rig::pathOf(url);
    if (kind == u"404") {
        rig.server.serveStatus(path, 404, "Not Found");
    } else if (kind == u"redirect-500") {
        rig.server.serveRedirect(path, QStringLiteral("/mirror/yt-dlp"));
        rig.server.serveStatus(QStringLiteral("/mirror/yt-dlp"), 500, "oops");
    } else if (kind == u"html") {
        rig.server.serveBytes(path, "<!DOCTYPE html>\n<html><body>Rate limited</body></html>\n",
                              "text/html");
    } else if (kind == u"hang") {
        rig.server.serveBytes(path, "#!/bin/sh\nexec sleep 60\n");
    } else if (kind == u"stall") {
        rig.server.serveBytes(path, toolScript("2099.01.01") + QByteArray(200000, '#'));
        QVERIFY(rig.server.setStall(path, 1000));
    }
    const QByteArray old = toolScript("2020.01.01");
    TestEnv::writeExecutable(rig.managed(QStringLiteral("yt-dlp")), old, 0750);

    const Answer a = install([&](QObject* context, ToolInstaller::OnDone done) {
        installer->installYtdlp(context, done);
    });
    QCOMPARE(a.calls, 1);
    QVERIFY(!a.status->ok());
    expected.replace(QStringLiteral("URL"), url);
    if (kind == u"refused") {
        // The network's own description, not a made-up HTTP status.
        QVERIFY2(a.message().contains(u"refused", Qt::CaseInsensitive), qPrintable(a.message()));
    } else {
        QCOMPARE(a.message(), expected);
    }
    if (kind == u"stall")
        QVERIFY2(a.elapsedMs >= 400 && a.elapsedMs < 10000,
                 qPrintable(QString::number(a.elapsedMs)));
    if (kind == u"hang")
        QVERIFY2(a.elapsedMs < 10000, qPrintable(QString::number(a.elapsedMs)));

    // The old copy is untouched and still runs; nothing else is left behind.
    QCOMPARE(readAll(rig.managed(QStringLiteral("yt-dlp"))), old);
    QCOMPARE(TestEnv::mode(rig.managed(QStringLiteral("yt-dlp"))), 0750);
    QCOMPARE(versionOf(rig.managed(QStringLiteral("yt-dlp"))), QByteArray("2020.01.01"));
    QCOMPARE(rig.engine.ytdlp(), std::optional<QString>(rig.managed(QStringLiteral("yt-dlp"))));
    QCOMPARE(entries(rig.env.supportDir()), QStringList{QStringLiteral("yt-dlp")});
}

void TestInstaller::installsDenoFromZip()
{
    Rig rig;
    rig.config.stallTimeoutMs = 300;
    const auto installer = rig.installer();
    const QString path = Rig::pathOf(installer->denoUrl());
    const QByteArray deno = toolScript("deno 9.9.9");
    const QByteArray zip = makeZip({{"README.md", "deno, the runtime\n"},
                                    {"bin/deno", toolScript("decoy")},
                                    {"deno", deno},
                                    {"LICENSE", noise(4000)}});
    rig.server.serveBytes(path, zip);
    // Slow enough to catch the work folder while the archive arrives, and
    // longer than the stall time-out, which only counts silence.
    QVERIFY(rig.server.setSlow(path, 256, 40));
    TestEnv::writeFile(rig.managed(QStringLiteral("deno")), "old", 0644);

    qint64 lastReceived = -1;
    bool done = false;
    Answer a;
    QObject context;
    installer->installDeno(
        &context,
        [&](Status s) {
            ++a.calls;
            a.status = std::move(s);
            done = true;
        },
        [&](qint64 received, qint64) { lastReceived = received; });
    // One work folder, named by a UUID, in the configured temporary folder.
    QTRY_COMPARE_WITH_TIMEOUT(entries(rig.tempDir()).size(), 1, 5000);
    QVERIFY(!QUuid::fromString(entries(rig.tempDir()).constFirst()).isNull());
    QVERIFY(QTest::qWaitFor([&] { return done; }, 20000));
    QVERIFY2(a.status->ok(), qPrintable(a.message()));

    QCOMPARE(readAll(rig.managed(QStringLiteral("deno"))), deno);
    QCOMPARE(TestEnv::mode(rig.managed(QStringLiteral("deno"))), 0755);
    QCOMPARE(versionOf(rig.managed(QStringLiteral("deno"))), QByteArray("deno 9.9.9"));
    QCOMPARE(entries(rig.tempDir()), QStringList());
    QCOMPARE(entries(rig.env.supportDir()), QStringList{QStringLiteral("deno")});
    QCOMPARE(lastReceived, qint64(zip.size()));
}

void TestInstaller::badDenoArchives_data()
{
    QTest::addColumn<QByteArray>("body");
    // The whole message, or (ending in ": ") the beginning of a longer one.
    QTest::addColumn<QString>("expected");
    const QString unpack = QStringLiteral("Couldn't unpack deno: ");
    const QByteArray good = makeZip({{"deno", toolScript("deno 9.9.9") + noise(4000)}});

    QTest::newRow("not an archive") << QByteArray("<html>Not Found</html>\n") << unpack;
    QTest::newRow("cut short") << good.left(good.size() / 2) << unpack;
    QByteArray damaged = good;
    const qsizetype at = damaged.indexOf("deno 9.9.9");
    QVERIFY(at > 0);
    damaged[at] = 'D';
    QTest::newRow("damaged contents") << damaged << unpack;
    QTest::newRow("deno only in a subfolder")
        << makeZip({{"bin/deno", toolScript("deno 9.9.9")}}) << unpack;
    QTest::newRow("deno is a symbolic link") << makeZip({{"deno", "/bin/sh", true}}) << unpack;
    QTest::newRow("names leaving the folder")
        << makeZip({{"../deno", toolScript("evil")}, {"sub/../../deno", toolScript("evil")}})
        << unpack;
    QTest::newRow("deno that doesn't run") << makeZip({{"deno", "<!DOCTYPE html>\n"}})
                                           << QStringLiteral("The downloaded deno doesn't run.");
}

void TestInstaller::badDenoArchives()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, expected);
    Rig rig;
    const auto installer = rig.installer();
    rig.server.serveBytes(Rig::pathOf(installer->denoUrl()), body);
    const QByteArray old = toolScript("deno 1.0.0");
    TestEnv::writeExecutable(rig.managed(QStringLiteral("deno")), old);

    const Answer a = install(
        [&](QObject* context, ToolInstaller::OnDone done) { installer->installDeno(context, done); });
    QCOMPARE(a.calls, 1);
    QVERIFY(!a.status->ok());
    if (expected.endsWith(u": ")) {
        QVERIFY2(a.message().startsWith(expected), qPrintable(a.message()));
        // The archive library's own account of what is wrong follows.
        QVERIFY2(a.message().size() > expected.size(), qPrintable(a.message()));
    } else {
        QCOMPARE(a.message(), expected);
    }
    QCOMPARE(readAll(rig.managed(QStringLiteral("deno"))), old);
    QCOMPARE(versionOf(rig.managed(QStringLiteral("deno"))), QByteArray("deno 1.0.0"));
    QCOMPARE(entries(rig.env.supportDir()), QStringList{QStringLiteral("deno")});
    QCOMPARE(entries(rig.tempDir()), QStringList());
    // Nothing was written beside the temporary folder either.
    QVERIFY(!QFile::exists(rig.env.path(QStringLiteral("deno"))));
}

void TestInstaller::installsFfmpegPair()
{
    Rig rig;
    const auto installer = rig.installer();
    rig.server.serveBytes(Rig::pathOf(installer->ffmpegUrl()),
                          makeZip({{"ffmpeg", toolScript("ffmpeg version 7")}}));
    rig.server.serveBytes(Rig::pathOf(installer->ffprobeUrl()),
                          makeZip({{"ffprobe", toolScript("ffprobe version 7")}}));
    TestEnv::writeFile(rig.managed(QStringLiteral("ffmpeg")), "old", 0600);

    const Answer a = install([&](QObject* context, ToolInstaller::OnDone done) {
        installer->installFfmpeg(context, done);
    });
    QCOMPARE(a.calls, 1);
    QVERIFY2(a.status->ok(), qPrintable(a.message()));
    for (const QString& name : {QStringLiteral("ffmpeg"), QStringLiteral("ffprobe")}) {
        QCOMPARE(TestEnv::mode(rig.managed(name)), 0755);
        QCOMPARE(versionOf(rig.managed(name), QStringLiteral("-version")),
                 name.toUtf8() + " version 7");
    }
    QCOMPARE(rig.engine.ffmpeg(), std::optional<QString>(rig.managed(QStringLiteral("ffmpeg"))));
    QCOMPARE(entries(rig.env.supportDir()),
             (QStringList{QStringLiteral("ffmpeg"), QStringLiteral("ffprobe")}));
    QCOMPARE(entries(rig.tempDir()), QStringList());
}

void TestInstaller::firstFfmpegFailureCancelsSibling_data()
{
    QTest::addColumn<bool>("ffmpegFails");
    QTest::newRow("ffmpeg missing, ffprobe slow") << true;
    QTest::newRow("ffprobe damaged, ffmpeg slow") << false;
}

void TestInstaller::firstFfmpegFailureCancelsSibling()
{
    QFETCH(bool, ffmpegFails);
    Rig rig;
    const auto installer = rig.installer();
    const QString failing =
        Rig::pathOf(ffmpegFails ? installer->ffmpegUrl() : installer->ffprobeUrl());
    const QString slow =
        Rig::pathOf(ffmpegFails ? installer->ffprobeUrl() : installer->ffmpegUrl());
    const QString slowName = ffmpegFails ? QStringLiteral("ffprobe") : QStringLiteral("ffmpeg");
    if (ffmpegFails)
        rig.server.serveStatus(failing, 404, "Not Found");
    else
        rig.server.serveBytes(failing, "PK\x03\x04 not really a zip");
    // The failure comes only once the sibling's transfer is well under way.
    QVERIFY(rig.server.setDelay(failing, 500));
    // About two minutes at this pace.
    rig.server.serveBytes(slow, makeZip({{slowName.toUtf8(), toolScript("7") + noise(40000)}}));
    QVERIFY(rig.server.setSlow(slow, 32, 100));

    const Answer a = install([&](QObject* context, ToolInstaller::OnDone done) {
        installer->installFfmpeg(context, done);
    });
    QCOMPARE(a.calls, 1);
    QVERIFY(!a.status->ok());
    if (ffmpegFails)
        QCOMPARE(a.message(),
                 QStringLiteral("Download failed (HTTP 404): ") + installer->ffmpegUrl());
    else
        QVERIFY2(a.message().startsWith(u"Couldn't unpack ffprobe: "), qPrintable(a.message()));
    QVERIFY2(a.elapsedMs < 15000, qPrintable(QString::number(a.elapsedMs)));
    QCOMPARE(rig.server.requestCount(slow), 1);
    // By the time of the answer the sibling has cleaned up as well.
    QCOMPARE(entries(rig.tempDir()), QStringList());
    QCOMPARE(entries(rig.env.supportDir()), QStringList());
    QVERIFY(!rig.engine.ffmpeg());
    // Its transfer was given up, not left running.
    QTRY_COMPARE_WITH_TIMEOUT(rig.server.openConnections(), 0, 5000);
}

void TestInstaller::destroyingInstallerCleansUp()
{
    Rig rig;
    auto installer = rig.installer();
    const QString ffmpeg = Rig::pathOf(installer->ffmpegUrl());
    const QString ffprobe = Rig::pathOf(installer->ffprobeUrl());
    rig.server.serveBytes(ffmpeg, QByteArray(100000, 'x'));
    rig.server.serveBytes(ffprobe, QByteArray(100000, 'x'));
    QVERIFY(rig.server.setStall(ffmpeg, 100));
    QVERIFY(rig.server.setStall(ffprobe, 100));

    int calls = 0;
    QObject context;
    installer->installFfmpeg(&context, [&](Status) { ++calls; });
    QTRY_COMPARE_WITH_TIMEOUT(rig.server.requestCount(), 2, 5000);
    QCOMPARE(entries(rig.tempDir()).size(), 2);

    installer.reset();
    QCOMPARE(entries(rig.tempDir()), QStringList());
    QCOMPARE(entries(rig.env.supportDir()), QStringList());
    QTRY_COMPARE_WITH_TIMEOUT(rig.server.openConnections(), 0, 5000);
    QCoreApplication::processEvents();
    QCOMPARE(calls, 0);
}

QTEST_GUILESS_MAIN(TestInstaller)
#include "tst_installer.moc"
