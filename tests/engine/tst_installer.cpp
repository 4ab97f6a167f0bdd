// The tool installer against a loopback server: a successful install, every
// way a download can fail (the earlier copy then stays and runs), and the
// zip archives ffmpeg, ffprobe and deno come in.
#include "HttpServer.h"
#include "Installer.h"
#include "TestEnv.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <archive.h>
#include <archive_entry.h>

using namespace reelcatch;

namespace {

// A stand-in for a tool: answers its version query, fails otherwise.
QByteArray tool(const QByteArray& version)
{
    return "#!/bin/sh\ncase \"$1\" in --version|-version) echo " + version +
           "; exit 0;; esac\nexit 3\n";
}

// A zip archive of files named by the even items, their contents the odd ones.
QByteArray zip(const QList<QByteArray>& files)
{
    QByteArray bytes(1 << 20, '\0');
    size_t used = 0;
    archive* a = archive_write_new();
    archive_write_set_format_zip(a);
    archive_write_open_memory(a, bytes.data(), static_cast<size_t>(bytes.size()), &used);
    for (qsizetype i = 0; i + 1 < files.size(); i += 2) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, files[i].constData());
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, files[i + 1].size());
        archive_write_header(a, entry);
        archive_write_data(a, files[i + 1].constData(), static_cast<size_t>(files[i + 1].size()));
        archive_entry_free(entry);
    }
    archive_write_close(a);
    archive_write_free(a);
    bytes.truncate(static_cast<qsizetype>(used));
    return bytes;
}

QStringList entries(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// A sandbox, a server for both download hosts, an engine and its installer.
struct Rig {
    TestEnv env;
    HttpServer server;
    std::unique_ptr<Engine> engine;
    std::unique_ptr<Installer> installer;

    Rig() : engine(std::make_unique<Engine>(env.engineConfig()))
    {
        InstallerConfig install;
        install.releaseHost = install.ffmpegHost = server.url(QString()).chopped(1);
        install.machine = QStringLiteral("x86_64");
        install.tempDir = env.path(QStringLiteral("tmp"));
        install.stallTimeoutMs = 500;
        install.checkTimeoutMs = 5000;
        QDir().mkpath(install.tempDir);
        installer = std::make_unique<Installer>(*engine, install);
    }
    QString managed(const QString& name) const { return engine->supportDir() + u'/' + name; }
    static QString pathOf(const QString& url) { return QUrl(url).path(); }

    // Runs one install to its answer; the message, empty on success.
    QString install(const QString& name, qint64* received)
    {
        std::optional<Status> status;
        int calls = 0;
        QObject context;
        auto done = [&](Status s) { ++calls, status = std::move(s); };
        auto progress = [received](qint64 bytes, qint64) { *received = bytes; };
        if (name == u"yt-dlp")
            installer->installYtdlp(&context, done, progress);
        else if (name == u"deno")
            installer->installDeno(&context, done, progress);
        else
            installer->installFfmpeg(&context, done);
        if (!QTest::qWaitFor([&] { return calls > 0; }, 30000))
            return QStringLiteral("no answer");
        QCoreApplication::processEvents();
        return calls > 1      ? QStringLiteral("answered %1 times").arg(calls)
               : status->ok() ? QString()
                              : status->error().message;
    }
    QByteArray contents(const QString& name) const
    {
        QFile file(managed(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

} // namespace

class TestInstaller : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(); }
    void installsEveryTool();
    void failureKeepsTheEarlierCopy_data();
    void failureKeepsTheEarlierCopy();
};

void TestInstaller::installsEveryTool()
{
    Rig rig;
    // yt-dlp large enough to arrive in pieces, through a redirect; the others zipped.
    const QByteArray body = tool("2099.01.01") + "# " + QByteArray(300000, 'x') + "\n";
    rig.server.serveRedirect(Rig::pathOf(rig.installer->ytdlpUrl()), QStringLiteral("/m/yt-dlp"));
    rig.server.serveBytes(QStringLiteral("/m/yt-dlp"), body);
    TestEnv::writeFile(rig.managed(QStringLiteral("yt-dlp")), tool("2020.01.01"), 0700);
    rig.server.serveBytes(Rig::pathOf(rig.installer->denoUrl()),
                          zip({"README.md", "deno\n", "bin/deno", tool("decoy"), "deno",
                               tool("deno 9.9.9"), "LICENSE", QByteArray(4000, 'L')}));
    rig.server.serveBytes(Rig::pathOf(rig.installer->ffmpegUrl()),
                          zip({"ffmpeg", tool("ffmpeg 7")}));
    rig.server.serveBytes(Rig::pathOf(rig.installer->ffprobeUrl()),
                          zip({"ffprobe", tool("ffprobe 7")}));

    qint64 received = 0;
    QCOMPARE(rig.install(QStringLiteral("yt-dlp"), &received), QString());
    QCOMPARE(received, body.size());
    QCOMPARE(rig.install(QStringLiteral("deno"), &received), QString());
    QCOMPARE(rig.install(QStringLiteral("ffmpeg"), &received), QString());
    const QStringList names{QStringLiteral("deno"), QStringLiteral("ffmpeg"),
                            QStringLiteral("ffprobe"), QStringLiteral("yt-dlp")};
    const QList<QByteArray> versions{"deno 9.9.9", "ffmpeg 7", "ffprobe 7"};
    for (qsizetype i = 0; i < names.size(); ++i) {
        QCOMPARE(TestEnv::mode(rig.managed(names[i])), 0755);
        QCOMPARE(rig.contents(names[i]), i < 3 ? tool(versions[i]) : body);
    }
    QCOMPARE(entries(rig.engine->supportDir()), names);
    QCOMPARE(rig.engine->ffmpeg(), std::optional(rig.managed(QStringLiteral("ffmpeg"))));
    QCOMPARE(entries(rig.installer->config().tempDir), QStringList());
}

void TestInstaller::failureKeepsTheEarlierCopy_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<qint64>("stallAt"); // -1 for none
    QTest::addColumn<qint64>("cutAt");   // -1 for none
    // The message, or those allowed ("|" between them); URL: the download's.
    QTest::addColumn<QString>("expected");

    const QByteArray html = "<!DOCTYPE html>\n<html><body>Rate limited</body></html>\n";
    const QByteArray big = tool("2099.01.01") + "# " + QByteArray(300000, 'x') + "\n";
    auto row = [](const char* tag, const char* name, int status, const QByteArray& body,
                  qint64 stallAt, qint64 cutAt, const char* expected) {
        QTest::newRow(tag) << QString::fromLatin1(name) << status << body << stallAt << cutAt
                           << QString::fromUtf8(expected)
                                  .replace(QStringLiteral("FULL"), QString::number(body.size()))
                                  .replace(QStringLiteral("SHORT"), QString::number(cutAt));
    };
    row("HTTP error", "yt-dlp", 404, "Not Found", -1, -1, "Download failed (HTTP 404): URL");
    row("cut off one byte short", "yt-dlp", 200, big, -1, big.size() - 1,
        "Download incomplete (SHORT of FULL bytes): URL|Connection closed");
    row("stalled", "yt-dlp", 200, big, 1000, -1,
        "Download stalled (nothing received for 0.5 s): URL");
    row("not a program", "yt-dlp", 200, html, -1, -1, "The downloaded yt-dlp doesn't run.");
    row("never answers", "yt-dlp", 200, "#!/bin/sh\nexec " REELCATCH_FAKE_CHILD " sleep:60000\n",
        -1, -1, "The downloaded yt-dlp doesn't run.");
    row("deno: not an archive", "deno", 200, html, -1, -1, "Couldn't unpack deno: ");
    row("deno: only in a subfolder", "deno", 200, zip({"bin/deno", tool("9.9.9")}), -1, -1,
        "Couldn't unpack deno: ");
    row("deno doesn't run", "deno", 200, zip({"deno", html}), -1, -1,
        "The downloaded deno doesn't run.");
}

void TestInstaller::failureKeepsTheEarlierCopy()
{
    QFETCH(QString, name);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(qint64, stallAt);
    QFETCH(qint64, cutAt);
    QFETCH(QString, expected);
    Rig rig;
    const QString url = name == u"deno" ? rig.installer->denoUrl() : rig.installer->ytdlpUrl();
    rig.server.serveStatus(Rig::pathOf(url), status, body);
    if (stallAt >= 0)
        rig.server.setStall(Rig::pathOf(url), stallAt);
    if (cutAt >= 0)
        rig.server.setCutOff(Rig::pathOf(url), cutAt);
    const QByteArray old = tool("2020.01.01");
    TestEnv::writeExecutable(rig.managed(name), old, 0750);

    qint64 received = 0;
    const QString message = rig.install(name, &received);
    expected.replace(QStringLiteral("URL"), url);
    const QStringList allowed = expected.split(u'|');
    if (expected.endsWith(u": "))
        QVERIFY2(message.startsWith(expected) && message.size() > expected.size(),
                 qPrintable(message));
    else
        QVERIFY2(allowed.contains(message), qPrintable(message));

    QCOMPARE(TestEnv::mode(rig.managed(name)), 0750);
    QCOMPARE(rig.contents(name), old);
    QCOMPARE(entries(rig.engine->supportDir()), QStringList{name});
    QCOMPARE(entries(rig.installer->config().tempDir), QStringList());
}

QTEST_GUILESS_MAIN(TestInstaller)
#include "tst_installer.moc"
