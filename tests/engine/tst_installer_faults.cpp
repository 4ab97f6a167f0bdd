// Installing the download engine when things break underneath: a support
// folder that cannot be written, and a server that closes the connection
// half-way through a transfer. The model's engine note says what went
// wrong; nothing is left half-installed and a working copy keeps working.
#include "AppModel.h"
#include "HttpServer.h"
#include "Installer.h"
#include "TestEnv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <system_error>

using namespace reelcatch;

namespace {

QByteArray toolScript(const QByteArray& version)
{
    return "#!/bin/sh\ncase \"$1\" in --version) echo " + version + "; exit 0;; esac\nexit 3\n";
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList entries(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                               QDir::NoDotAndDotDot);
}

QString osText(int error)
{
    return QString::fromStdString(std::generic_category().message(error));
}

// A sandbox whose support folder may be moved elsewhere, a server standing
// in for both hosts, the real installer and a model over them.
struct Rig {
    TestEnv env;
    HttpServer server;
    std::unique_ptr<Engine> engine;
    std::unique_ptr<Installer> installer;
    std::unique_ptr<Prefs> prefs;
    std::unique_ptr<AppModel> model;

    explicit Rig(const QString& supportDir = {})
    {
        EngineConfig config = env.engineConfig();
        if (!supportDir.isEmpty())
            config.supportDir = supportDir;
        engine = std::make_unique<Engine>(config);
        InstallerConfig install;
        install.releaseHost = install.ffmpegHost = server.url(QString()).chopped(1);
        install.machine = QStringLiteral("x86_64");
        install.tempDir = env.path(QStringLiteral("tmp"));
        QDir().mkpath(install.tempDir);
        installer = std::make_unique<Installer>(*engine, install);
        prefs = std::make_unique<Prefs>(env.settingsPath(), env.downloadsDir());
        model = std::make_unique<AppModel>(*engine, *prefs, *installer);
        server.serveBytes(QUrl(installer->ytdlpUrl()).path(), toolScript("2099.01.01"));
    }
    // Runs the engine check to its end.
    bool ensureEngine(bool force)
    {
        model->ensureEngine(force);
        return QTest::qWaitFor([&] { return !model->engineBusy(); }, 30000);
    }
};

} // namespace

class TestInstallerFaults : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void supportFolderCannotBeWritten_data();
    void supportFolderCannotBeWritten();
    void connectionClosedMidTransfer_data();
    void connectionClosedMidTransfer();
};

void TestInstallerFaults::initTestCase()
{
    TestEnv::isolateProcess();
}

void TestInstallerFaults::supportFolderCannotBeWritten_data()
{
    // Permission bits do not stop the super-user, so the folder is made
    // impossible by a regular file where a folder has to be.
    QTest::addColumn<QString>("below"); // below the regular file
    QTest::newRow("below a regular file") << QStringLiteral("/Reelcatch");
    QTest::newRow("a regular file itself") << QString();
}

void TestInstallerFaults::supportFolderCannotBeWritten()
{
    QFETCH(QString, below);
    QTemporaryDir scratch;
    const QString file = TestEnv::writeFile(scratch.filePath(QStringLiteral("file")), "data\n");
    QVERIFY(!file.isEmpty());
    const QString supportDir = file + below;
    Rig rig(supportDir);

    QVERIFY(rig.ensureEngine(false));
    QCOMPARE(rig.model->engineNote(),
             std::optional<QString>(QStringLiteral("Couldn't install yt-dlp: Couldn't create the "
                                                   "folder ") +
                                    supportDir + QStringLiteral(": ") + osText(ENOTDIR)));
    // Nothing was fetched, nothing was left anywhere, and the file is as it was.
    QCOMPARE(rig.server.requestCount(), 0);
    QCOMPARE(entries(rig.installer->config().tempDir), QStringList());
    QCOMPARE(entries(scratch.path()), QStringList{QStringLiteral("file")});
    QCOMPARE(readAll(file), QByteArray("data\n"));
    QCOMPARE(rig.engine->ytdlp(), std::nullopt);
    QCOMPARE(rig.model->engineVersion(), std::nullopt);
}

void TestInstallerFaults::connectionClosedMidTransfer_data()
{
    QTest::addColumn<bool>("oldCopy");
    QTest::addColumn<int>("missing"); // bytes of the body that never come
    // A few bytes short, the copy would still answer its version query.
    for (const bool oldCopy : {false, true}) {
        const char* what = oldCopy ? "update" : "first install";
        QTest::addRow("%s, cut half-way", what) << oldCopy << 150000;
        QTest::addRow("%s, one byte short", what) << oldCopy << 1;
    }
}

void TestInstallerFaults::connectionClosedMidTransfer()
{
    QFETCH(bool, oldCopy);
    QFETCH(int, missing);
    Rig rig;
    const QString path = QUrl(rig.installer->ytdlpUrl()).path();
    const QByteArray body = toolScript("2099.01.01") + "# " + QByteArray(300000, 'x') + "\n";
    rig.server.serveBytes(path, body);
    QVERIFY(rig.server.setCutOff(path, body.size() - missing));
    const QString managed = rig.engine->managedYtdlp();
    const QByteArray old = toolScript("2020.01.01");
    if (oldCopy)
        TestEnv::writeExecutable(managed, old);

    QVERIFY(rig.ensureEngine(true));
    // Qt's network layer may send the request once more by itself.
    QVERIFY(rig.server.requestCount(path) >= 1);
    QCOMPARE(entries(rig.installer->config().tempDir), QStringList());
    if (!oldCopy) {
        // The network's own reason where Qt noticed the cut, the count of
        // bytes where it did not.
        const QString note = rig.model->engineNote().value_or(QString());
        const QString incomplete = QStringLiteral("Download incomplete (%1 of %2 bytes): %3")
                                       .arg(body.size() - missing)
                                       .arg(body.size())
                                       .arg(rig.installer->ytdlpUrl());
        QVERIFY2(note == QStringLiteral("Couldn't install yt-dlp: Connection closed") ||
                     note == QStringLiteral("Couldn't install yt-dlp: ") + incomplete,
                 qPrintable(note));
        QVERIFY(!QFile::exists(managed));
        QCOMPARE(entries(rig.engine->supportDir()), QStringList());
        return;
    }
    // A working copy makes the failed update nothing worth a note; the copy
    // is the old one and it still runs.
    QCOMPARE(rig.model->engineNote(), std::nullopt);
    QCOMPARE(readAll(managed), old);
    QCOMPARE(TestEnv::mode(managed), 0755);
    QCOMPARE(rig.model->engineVersion(), std::optional<QString>(QStringLiteral("2020.01.01")));
    QCOMPARE(entries(rig.engine->supportDir()), QStringList{QStringLiteral("yt-dlp")});
}

QTEST_GUILESS_MAIN(TestInstallerFaults)
#include "tst_installer_faults.moc"
