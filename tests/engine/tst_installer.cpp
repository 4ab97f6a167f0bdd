// The tool installer against a loopback server: a successful install, every
// way a download can fail (the earlier copy then stays and runs), and the
// zip archives ffmpeg, ffprobe and deno come in.
#include "HttpServer.h"
#include "TestEnv.h"
#include "engine/Installer.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTest>

#include <archive.h>
#include <archive_entry.h>
#include <chrono>
#include <filesystem>
#include <sys/stat.h>

using namespace reelcatch;
using namespace Qt::StringLiterals;

namespace {

// gpg in a home of the test's own, and what it printed.
QTemporaryDir gnupg;
QByteArray gpg(const QString& args)
{
    return runProcess(u"gpg"_s, (u"--batch --homedir "_s + gnupg.path() + u' ' + args).split(u' '))
        .out;
}
QByteArray signature(const QByteArray& data)
{
    return gpg(u"-o - --detach-sign "_s + TestEnv::writeFile(gnupg.filePath(u"data"_s), data));
}

// A stand-in for a tool: answers its version query, fails otherwise.
QByteArray tool(const QByteArray& version)
{
    return "#!/bin/sh\ncase \"$*\" in --version|-version|\"--ignore-config --version\") echo " +
           version + "; exit 0;; esac\nexit 3\n";
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

    explicit Rig(const QString& how = {}) : engine(std::make_unique<Engine>(env.engineConfig()))
    {
        InstallerConfig install;
        install.signingKey = how == u"foreign key" ? QString() : gnupg.filePath(u"key.asc"_s);
        install.rateWindowMs = 1500, install.minBytesPerSecond = 1000;
        install.maxToolBytes = 1 << 20;
        install.releaseHost = install.ffmpegHost = server.url(QString()).chopped(1);
        install.machine = QStringLiteral("x86_64");
        install.stallTimeoutMs = 500;
        install.checkTimeoutMs = 5000;
        if (how == u"no gpgv")
            install.gpgv = env.path(u"no/gpgv"_s);
        installer = std::make_unique<Installer>(*engine, install);
    }
    QString managed(const QString& name) const { return engine->supportDir() + u'/' + name; }
    static QString pathOf(const QString& url) { return QUrl(url).path(); }
    // Serves `body` at `url` with its published checksum (for yt-dlp, a signed list).
    void publish(const QString& url, const QByteArray& body)
    {
        const QString path = pathOf(url);
        const QByteArray sum = QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex();
        server.serveBytes(path, body);
        if (path.endsWith(u".zip"))
            return server.serveBytes(path +
                                         (path.contains(u"deno") ? u".sha256sum"_s : u".sha256"_s),
                                     sum + "  " + QUrl(url).fileName().toUtf8() + "\n");
        const QString list = path.left(path.lastIndexOf(u'/')) + u"/SHA2-256SUMS"_s;
        const QByteArray sums = QByteArray(64, 'a') + "  yt-dlp.exe\n" + sum + "  yt-dlp_linux\n";
        server.serveBytes(list, sums);
        server.serveBytes(list + u".sig"_s, signature(sums));
    }

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
    void initTestCase()
    {
        TestEnv::isolateProcess();
        gpg(u"--passphrase= --quick-gen-key test@example.invalid ed25519 sign never"_s);
        const QByteArray key = gpg(u"--armor --export"_s);
        QVERIFY(key.startsWith("-----BEGIN PGP PUBLIC KEY BLOCK-----"));
        TestEnv::writeFile(gnupg.filePath(u"key.asc"_s), key);
    }
    void cleanupTestCase()
    {
        runProcess(u"gpgconf"_s, {u"--homedir"_s, gnupg.path(), u"--kill"_s, u"all"_s});
    }
    void installsEveryTool();
    void failureKeepsTheEarlierCopy_data();
    void failureKeepsTheEarlierCopy();
    void sweepsWhatKilledInstallsLeft();
};

void TestInstaller::installsEveryTool()
{
    Rig rig;
    // What it makes has the usual modes whatever the umask, the support folder too.
    QVERIFY(QDir(rig.engine->supportDir()).removeRecursively());
    const mode_t umasked = ::umask(077);
    const auto restore = qScopeGuard([umasked] { ::umask(umasked); });
    // yt-dlp large enough to arrive in pieces, through a redirect; the others zipped.
    const QByteArray body = tool("2099.01.01") + "# " + QByteArray(300000, 'x') + "\n";
    rig.publish(rig.installer->ytdlpUrl(), body);
    rig.server.serveRedirect(Rig::pathOf(rig.installer->ytdlpUrl()), QStringLiteral("/m/yt-dlp"));
    rig.server.serveBytes(QStringLiteral("/m/yt-dlp"), body);
    rig.publish(rig.installer->denoUrl(),
                zip({"README.md", "deno\n", "bin/deno", tool("decoy"), "deno",
                     tool("deno 9.9.9 stable"), "LICENSE", QByteArray(4000, 'L')}));
    rig.publish(rig.installer->ffmpegUrl(), zip({"ffmpeg", tool("ffmpeg version 7")}));
    rig.publish(rig.installer->ffprobeUrl(), zip({"ffprobe", tool("ffprobe version 7")}));

    qint64 received = 0;
    QCOMPARE(rig.install(QStringLiteral("yt-dlp"), &received), QString());
    QCOMPARE(received, body.size());
    QCOMPARE(rig.install(QStringLiteral("deno"), &received), QString());
    QCOMPARE(rig.install(QStringLiteral("ffmpeg"), &received), QString());
    const QStringList names{QStringLiteral("deno"), QStringLiteral("ffmpeg"),
                            QStringLiteral("ffprobe"), QStringLiteral("yt-dlp")};
    const QList<QByteArray> versions{"deno 9.9.9 stable", "ffmpeg version 7", "ffprobe version 7"};
    for (qsizetype i = 0; i < names.size(); ++i) {
        QCOMPARE(TestEnv::mode(rig.managed(names[i])), 0755);
        QCOMPARE(rig.contents(names[i]), i < 3 ? tool(versions[i]) : body);
    }
    QCOMPARE(TestEnv::mode(rig.engine->supportDir()), 0755);
    QCOMPARE(entries(rig.engine->supportDir()), names);
    QCOMPARE(rig.engine->ffmpeg(), std::optional(rig.managed(QStringLiteral("ffmpeg"))));

    // Never back to an older version, nor again to the same one; versions
    // compare number by number (9.10 is newer than 9.9).
    // The copy kept counts as just updated.
    rig.publish(rig.installer->ytdlpUrl(), tool("2098.12.31"));
    QVERIFY(TestEnv::setMtime(rig.managed(u"yt-dlp"_s), QDateTime::currentDateTime().addDays(-9)));
    QCOMPARE(rig.install(QStringLiteral("yt-dlp"), &received), QString());
    QCOMPARE(rig.contents(QStringLiteral("yt-dlp")), body);
    QVERIFY(rig.engine->age(rig.managed(u"yt-dlp"_s)).value_or(1e9) < 60);
    for (const QByteArray version : {"deno 9.9.9", "deno 9.10.0"}) {
        rig.publish(rig.installer->denoUrl(), zip({"deno", tool(version)}));
        QCOMPARE(rig.install(QStringLiteral("deno"), &received), QString());
        QCOMPARE(rig.contents(QStringLiteral("deno")),
                 tool(version.endsWith("10.0") ? version : "deno 9.9.9 stable"));
    }
    QCOMPARE(entries(rig.engine->supportDir()), names);

    // Through the proxy set (the server, as one), never around it.
    const QString denoPath = Rig::pathOf(rig.installer->denoUrl());
    rig.publish(rig.installer->denoUrl(), zip({"deno", tool("deno 9.11.0")}));
    rig.installer->setProxy(u"socks5://127.0.0.1:1"_s);
    QVERIFY(!rig.install(QStringLiteral("deno"), &received).isEmpty());
    const int direct = rig.server.requestCount(denoPath);
    rig.installer->setProxy(rig.server.url(u"/"_s).chopped(1));
    QCOMPARE(rig.install(QStringLiteral("deno"), &received), QString());
    QCOMPARE(rig.contents(QStringLiteral("deno")), tool("deno 9.11.0"));
    QVERIFY(rig.server.proxiedCount(denoPath) > 0);
    QCOMPARE(rig.server.requestCount(denoPath) - direct, rig.server.proxiedCount(denoPath));
}

void TestInstaller::failureKeepsTheEarlierCopy_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    // What else goes wrong ("cut:LAST": one byte short; "404:PATH": that file is missing).
    QTest::addColumn<QString>("how");
    // The message, or those allowed ("|" between them); URL: the download's.
    QTest::addColumn<QString>("expected");

    const QByteArray html = "<!DOCTYPE html>\n<html><body>Rate limited</body></html>\n";
    const QByteArray big = tool("2099.01.01") + "# " + QByteArray(300000, 'x') + "\n";
    auto row = [](const char* tag, const char* name, int status, const QByteArray& body,
                  const char* how, const char* expected) {
        QTest::newRow(tag) << QString::fromLatin1(name) << status << body
                           << QString::fromLatin1(how).replace(u"LAST"_s,
                                                               QString::number(body.size() - 1))
                           << QString::fromUtf8(expected)
                                  .replace(QStringLiteral("FULL"), QString::number(body.size()))
                                  .replace(QStringLiteral("SHORT"),
                                           QString::number(body.size() - 1));
    };
    const char* mismatch = "The downloaded yt-dlp doesn't match its published checksum.";
    row("HTTP error", "yt-dlp", 404, "Not Found", "", "Download failed (HTTP 404): URL");
    // Its body is no progress: it ends at the stall limit, not when the server stops.
    row("endless error page", "yt-dlp", 500, big.repeated(8), "drip",
        "Download failed (HTTP 500): URL");
    row("cut off one byte short", "yt-dlp", 200, big, "cut:LAST",
        "Download incomplete (SHORT of FULL bytes): URL|Connection closed");
    row("cut short, no length announced", "yt-dlp", 200, big, "cut:LAST unsized", mismatch);
    row("stalled", "yt-dlp", 200, big, "stall:1000",
        "Download stalled (nothing received for 0.5 s): URL");
    row("a slow drip", "yt-dlp", 200, big, "slow",
        "Download too slow (under 1000 bytes/s for 1.5 s): URL");
    row("larger than any tool", "yt-dlp", 200, big.repeated(4), "",
        "The downloaded yt-dlp is larger than expected.");
    row("not what was published", "yt-dlp", 200, big, "tampered", mismatch);
    // A checksum list or signature that can't be fetched says why.
    row("no signature", "yt-dlp", 200, big,
        "404:/yt-dlp/yt-dlp/releases/latest/download/SHA2-256SUMS.sig", "Download failed (HTTP 404): ");
    row("signature unreachable", "yt-dlp", 200, big,
        "refused:/yt-dlp/yt-dlp/releases/latest/download/SHA2-256SUMS.sig",
        "Couldn't reach the download site: ");
    row("deno: checksum unreachable", "deno", 200, zip({"deno", tool("deno 9.9.9")}),
        "refused:DENO.sha256sum", "Couldn't reach the download site: ");
    row("signed by another key", "yt-dlp", 200, big, "foreign key", mismatch);
    row("no gpgv", "yt-dlp", 200, big, "no gpgv",
        "Can't check the downloaded yt-dlp: gpgv is missing (install the package gpgv).");
    row("not a program", "yt-dlp", 200, html, "", "The downloaded yt-dlp doesn't run.");
    row("says no version", "yt-dlp", 200, "#!/bin/sh\necho ready\n", "",
        "The downloaded yt-dlp doesn't run.");
    row("never answers", "yt-dlp", 200, "#!/bin/sh\nexec " REELCATCH_FAKE_CHILD " sleep:60000\n",
        "", "The downloaded yt-dlp doesn't run.");
    row("deno: not an archive", "deno", 200, html, "", "Couldn't unpack deno: ");
    row("deno: only in a subfolder", "deno", 200, zip({"bin/deno", tool("deno 9.9.9")}), "",
        "Couldn't unpack deno: ");
    row("deno doesn't run", "deno", 200, zip({"deno", html}), "",
        "The downloaded deno doesn't run.");
    row("deno: not what was published", "deno", 200, zip({"deno", tool("deno 9.9.9")}), "tampered",
        "The downloaded deno doesn't match its published checksum.");
    row("deno: unpacks past the limit", "deno", 200, zip({"deno", QByteArray(3 << 20, 'x')}), "",
        "The downloaded deno is larger than expected.");
}

void TestInstaller::failureKeepsTheEarlierCopy()
{
    QFETCH(QString, name);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, how);
    QFETCH(QString, expected);
    Rig rig(how);
    const QString url = name == u"deno" ? rig.installer->denoUrl() : rig.installer->ytdlpUrl();
    const QString path = Rig::pathOf(url);
    rig.publish(url, body);
    rig.server.serveStatus(path, status, body);
    const QString arg = how.section(u':', 1).section(u' ', 0, 0);
    if (how.startsWith(u"stall:"))
        rig.server.setStall(path, arg.toLongLong());
    if (how.startsWith(u"cut:"))
        rig.server.setCutOff(path, arg.toLongLong());
    if (how.endsWith(u"unsized"))
        rig.server.setUnsized(path);
    if (how == u"slow")
        rig.server.setSlow(path, 10, 100);
    if (how == u"drip")
        rig.server.setSlow(path, 1000, 20);
    if (how == u"tampered")
        rig.server.serveBytes(path, body + "\n");
    if (how.startsWith(u"404:"))
        rig.server.serveStatus(arg, 404);
    if (how.startsWith(u"refused:")) // a port nothing listens on
        rig.server.serveRedirect(QString(arg).replace(u"DENO"_s, path), u"http://127.0.0.1:1/"_s);
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
}

void TestInstaller::sweepsWhatKilledInstallsLeft()
{
    Rig rig;
    const QString id = u"0d4f1c2e-7b3a-4e59-9c61-2f8a5b7d3e10"_s;
    // Only our own temporaries untouched for long go; a fresh one is a running install's.
    const QStringList kept{u".ffprobe-"_s + id + u".new"_s, u".mpv-"_s + id + u".new"_s,
                           u".yt-dlp-"_s + id + u".new.txt"_s, u".yt-dlp-x.new"_s, u"yt-dlp"_s};
    for (const QString& name :
         kept + QStringList{u".deno-"_s + id + u".new"_s, u".yt-dlp-"_s + id + u".new"_s})
        TestEnv::writeFileWithMtime(
            rig.engine->supportDir() + u'/' + name, "x",
            QDateTime::currentDateTime().addDays(name.startsWith(u".ff") ? 0 : -1));
    // A killed install's work folder goes whole.
    const QString work = rig.engine->supportDir() + u"/.deno-"_s + id + u".work"_s;
    TestEnv::writeFile(work + u"/deno.zip"_s, "x");
    std::filesystem::last_write_time(
        work.toStdString(), std::filesystem::file_time_type::clock::now() - std::chrono::hours(24));
    const Installer installer(*rig.engine);
    QTRY_COMPARE_WITH_TIMEOUT(entries(rig.engine->supportDir()), kept, 30000);
}

QTEST_GUILESS_MAIN(TestInstaller)
#include "tst_installer.moc"
