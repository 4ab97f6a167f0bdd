// Installing a real deno: the binary from deno's npm package, packed into a
// zip and served from 127.0.0.1 where the release download would be.
#include "HttpServer.h"
#include "TestEnv.h"
#include "engine/Installer.h"
#include "engine/YtdlpArgs.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTest>

#include <archive.h>
#include <archive_entry.h>

using namespace reelcatch;

namespace {

// Moves "package/deno" of the npm tarball to the top of a zip, where deno's
// own release archives have it. Returns whether it was there.
bool repack(const QString& tarball, const QString& zip)
{
    archive* in = archive_read_new();
    archive_read_support_filter_gzip(in);
    archive_read_support_format_tar(in);
    archive* out = archive_write_new();
    archive_write_set_format_zip(out);
    archive_entry* entry = nullptr;
    bool found = false;
    if (archive_read_open_filename(in, QFile::encodeName(tarball).constData(), 1 << 16) == 0 &&
        archive_write_open_filename(out, QFile::encodeName(zip).constData()) == 0) {
        while (!found && archive_read_next_header(in, &entry) == ARCHIVE_OK) {
            found = qstrcmp(archive_entry_pathname(entry), "package/deno") == 0;
            archive_entry_set_pathname(entry, "deno");
            const void* block = nullptr;
            size_t size = 0;
            la_int64_t offset = 0;
            if (found && archive_write_header(out, entry) == ARCHIVE_OK)
                while (archive_read_data_block(in, &block, &size, &offset) == ARCHIVE_OK)
                    archive_write_data(out, block, size);
        }
    }
    archive_write_free(out);
    archive_read_free(in);
    return found;
}

} // namespace

class TestInstallerRealPeer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(); }
    void installsRealDeno();
};

void TestInstallerRealPeer::installsRealDeno()
{
    // .ci/run fetches the package with `npm pack @deno/linux-x64-glibc`.
    const QString tarball = qEnvironmentVariable("REELCATCH_DENO_PACKAGE");
    if (!QFile::exists(tarball))
        QSKIP("Set REELCATCH_DENO_PACKAGE to the tarball of `npm pack @deno/linux-x64-glibc`.");
    if (Engine::machineHardwareName() != u"x86_64")
        QSKIP("The packaged deno is the x86_64 build.");

    TestEnv env;
    HttpServer server;
    const QString zip = env.path(QStringLiteral("deno.zip"));
    QVERIFY(repack(tarball, zip));
    server.serveFile(
        QStringLiteral("/denoland/deno/releases/latest/download/deno-x86_64-unknown-linux-gnu.zip"),
        zip);
    QFile packed(zip);
    QVERIFY(packed.open(QIODevice::ReadOnly));
    server.serveBytes(
        QStringLiteral(
            "/denoland/deno/releases/latest/download/deno-x86_64-unknown-linux-gnu.zip.sha256sum"),
        QCryptographicHash::hash(packed.readAll(), QCryptographicHash::Sha256).toHex());
    const Engine engine(env.engineConfig());
    InstallerConfig config;
    config.releaseHost = server.url(QString()).chopped(1);
    Installer installer(engine, config);
    std::optional<Status> outcome;
    QObject context;
    installer.installDeno(&context, [&](Status s) { outcome = std::move(s); });
    QVERIFY(QTest::qWaitFor([&] { return outcome.has_value(); }, 120000));
    QVERIFY2(outcome->ok(), qPrintable(outcome->ok() ? QString() : outcome->error().message));

    QCOMPARE(TestEnv::mode(engine.managedDeno()), 0755);
    std::optional<Result<RunResult>> run;
    engine.run(engine.managedDeno(), {QStringLiteral("--version")}, &context,
               [&](Result<RunResult> r) { run = std::move(r); });
    QVERIFY(QTest::qWaitFor([&] { return run.has_value(); }, 60000));
    QVERIFY(run->ok() && run->value().status == 0);
    QVERIFY2(run->value().out.startsWith("deno "), run->value().out.constData());
    QCOMPARE(YtdlpArgs::common(engine, QString::fromLatin1(YtdlpArgs::jsRuntimesSince)).mid(2),
             (QStringList{QStringLiteral("--js-runtimes"),
                          QStringLiteral("deno:") + engine.managedDeno()}));
}

QTEST_GUILESS_MAIN(TestInstallerRealPeer)
#include "tst_installer_realpeer.moc"
