// One instance per user, with real processes (this program started again as
// `--instance FOLDER [LINK…]` does what main() does with its command line,
// and the application itself started four times at once), and batch
// notifications on a private session bus, to a server of our own.
#include "ProcessTable.h"
#include "TestEnv.h"
#include "UiFixture.h"
#include "ui/AppShell.h"
#include "ui/BatchNotifier.h"
#include "ui/SingleInstance.h"

#include <QDBusMessage>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMenu>
#include <QSignalSpy>
#include <QSystemTrayIcon>

#include <algorithm>
#include <array>
#include <cstdio>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace reelcatch;
using namespace reelcatch::test;

namespace {

// Hands its links over and exits 0, or listens and prints "listening", then
// "LINK… token=TOKEN" for every later start.
int instanceMain(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(2);
    QStringList links;
    for (const QString& argument : args.mid(1))
        links << SingleInstance::linkFromArgument(argument);
    SingleInstance instance(args.value(0));
    instance.claim();
    if (const auto role = instance.handOver(links, qEnvironmentVariable("XDG_ACTIVATION_TOKEN")); role != SingleInstance::Role::first)
        return role == SingleInstance::Role::handedOver ? 0 : 3;
    QObject::connect(&instance, &SingleInstance::called, &app, [](const QStringList& handed, const QString& token) {
        std::printf("%s token=%s\n", qPrintable(handed.join(u' ')), qPrintable(token)), std::fflush(stdout);
    });
    std::printf(instance.listen() ? "listening\n" : "failed\n"), std::fflush(stdout);
    return app.exec();
}

// Records every Notify call; answers with ids from 7 up.
class FakeServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public slots:
    Q_SCRIPTABLE uint Notify(const QString&, uint replaces, const QString&, const QString& summary,
                             const QString& body, const QStringList& actions, const QVariantMap&, int)
    {
        calls << QStringList{QString::number(replaces), summary, body, actions.join(u'|')};
        return uint(6 + calls.size());
    }

public:
    QList<QStringList> calls; // replaced id, summary, body, actions
};

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(); }
    void handsOverAndSurvivesACrash();
    void fourStartsAtOnceGiveOneWindow();
    void aFolderOfTheUsersOwn();
    void aFloodAndNoDescriptorsLeft();
    void aHandedLinkReplacesTheLookup();
    void notifications();
    void quitEndsAndKeepsTheList_data();
    void quitEndsAndKeepsTheList();

private:
    // Starts an instance that must become the running one.
    bool startFirst(QProcess& process)
    {
        process.setProcessEnvironment(env.childEnvironment());
        process.start(QCoreApplication::applicationFilePath(), {u"--instance"_s, env.path(u"runtime"_s)});
        return nextLine(process) == "listening\n";
    }
    // Starts a later instance with these links; its exit code.
    int startLater(const QStringList& links, const QString& token = {})
    {
        QProcessEnvironment environment = env.childEnvironment();
        environment.insert(u"XDG_ACTIVATION_TOKEN"_s, token);
        const ProcessResult r = runProcess(QCoreApplication::applicationFilePath(), QStringList{u"--instance"_s, env.path(u"runtime"_s)} + links, environment);
        return r.finished ? r.exitCode : -1;
    }
    static QByteArray nextLine(QProcess& process) { return QTest::qWaitFor([&] { return process.canReadLine(); }, 60000) ? process.readLine() : "(none)"; }

    TestEnv env;
    QString socket = env.path(u"runtime/reelcatch.socket"_s);
};

void TestDesktop::handsOverAndSurvivesACrash()
{
    QVERIFY(QDir().mkpath(env.path(u"runtime"_s)));
    // A later start waits for the first, which holds the lock, to listen.
    const int lock = ::open(QFile::encodeName(env.path(u"runtime/reelcatch.lock"_s)).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    QVERIFY(lock >= 0 && ::flock(lock, LOCK_EX) == 0);
    QProcess waiting;
    waiting.setProcessEnvironment(env.childEnvironment());
    waiting.start(QCoreApplication::applicationFilePath(), {u"--instance"_s, env.path(u"runtime"_s), u"w"_s});
    QTest::qWait(1000);
    QLocalServer server;
    QVERIFY(server.listen(socket) && server.waitForNewConnection(60000));
    QVERIFY(waiting.waitForFinished(60000) && waiting.exitCode() == 0);
    QLocalSocket* handed = server.nextPendingConnection();
    QVERIFY(handed->waitForDisconnected(60000));
    QCOMPARE(handed->readAll(), "\nw\n");
    server.close(), ::close(lock);
    QProcess first;
    QVERIFY(startFirst(first));
    // The scheme goes, and with it what some browsers do to the link inside.
    QCOMPARE(startLater({u"reelcatch://https://www.youtube.com/watch?v=a&list=b"_s, u"REELCATCH:/https//youtu.be/c"_s, u"reelcatch://http%3A%2F%2Fyoutu.be%2Fd%3Ft%3D1"_s, u"two"_s}, u"tok-1"_s), 0);
    QCOMPARE(nextLine(first), "https://www.youtube.com/watch?v=a&list=b https://youtu.be/c http://youtu.be/d?t=1 two token=tok-1\n");
    QCOMPARE(startLater({}, u"bad token"_s), 0); // only asks for the window; a spaced token is dropped
    QCOMPARE(nextLine(first), " token=\n");

    // A crash leaves the socket behind; the next start takes its place.
    first.kill(); // SIGKILL
    QVERIFY(first.waitForFinished(60000));
    QVERIFY(QFile::exists(socket));
    QProcess next;
    QVERIFY(startFirst(next));
    QCOMPARE(startLater({u"x"_s}), 0);
    QCOMPARE(nextLine(next), "x token=\n");
    next.kill(), next.waitForFinished(60000);
}

void TestDesktop::fourStartsAtOnceGiveOneWindow()
{
    QProcessEnvironment environment = env.childEnvironment();
    QVERIFY(QDir().mkpath(env.path(u"run"_s)));
    // Offscreen, saying what it was handed; its engine check reaches only a closed port.
    for (const auto& [key, value] : QList<std::pair<QString, QString>>{{u"XDG_RUNTIME_DIR"_s, env.path(u"run"_s)}, {u"QT_QPA_PLATFORM"_s, u"offscreen"_s},
                                                                     {u"QT_LOGGING_RULES"_s, u"reelcatch.ui.info=true"_s}, {u"QT_FORCE_STDERR_LOGGING"_s, u"1"_s},
                                                                     {u"REELCATCH_RELEASE_HOST"_s, u"http://127.0.0.1:9"_s}, {u"REELCATCH_FFMPEG_HOST"_s, u"http://127.0.0.1:9"_s}})
        environment.insert(key, value);
    std::array<QProcess, 4> starts;
    for (size_t i = 0; i < starts.size(); ++i) {
        starts[i].setProcessEnvironment(environment);
        starts[i].start(QStringLiteral(REELCATCH_EXECUTABLE), {u"http://127.0.0.1:9/v"_s + QString::number(i)});
    }
    const auto running = [&] { return std::count_if(starts.begin(), starts.end(), [](const QProcess& p) { return p.state() != QProcess::NotRunning; }); };
    QTRY_COMPARE_WITH_TIMEOUT(running(), 1, 60000);
    QTest::qWait(500);
    QCOMPARE(running(), 1);
    QProcess& window = *std::find_if(starts.begin(), starts.end(), [](const QProcess& p) { return p.state() != QProcess::NotRunning; });
    QByteArray said;
    for (QProcess& start : starts) {
        if (&start == &window)
            continue;
        QCOMPARE(start.exitStatus(), QProcess::NormalExit);
        QCOMPARE(start.exitCode(), 0);
        const QByteArray link = start.arguments().constFirst().toUtf8();
        QVERIFY2(QTest::qWaitFor([&] { return (said += window.readAllStandardError()).contains('"' + link + '"'); }, 60000), said.constData());
    }
    window.kill(), window.waitForFinished(60000);
}

void TestDesktop::aFolderOfTheUsersOwn()
{
    // Without XDG_RUNTIME_DIR: a folder made in the temporary folder, that only the user may enter.
    QVERIFY(QDir().mkpath(env.path(u"tmp"_s)));
    qputenv("TMPDIR", QFile::encodeName(env.path(u"tmp"_s)));
    const QString own = env.path(u"tmp/reelcatch-"_s) + QString::number(getuid());
    QCOMPARE(SingleInstance::folderForUser(), own);
    QCOMPARE(TestEnv::mode(own), 0700);
    QVERIFY(SingleInstance::isPrivateFolder(own));

    // Refused: a folder others may enter, a link to a private one, one that another user made.
    QVERIFY(QDir().mkpath(env.path(u"open"_s)) && QFile::setPermissions(env.path(u"open"_s), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeOther));
    QVERIFY(!SingleInstance::isPrivateFolder(env.path(u"open"_s)));
    QVERIFY(QDir(own).removeRecursively() && QFile::link(env.path(u"private"_s), own));
    QVERIFY(SingleInstance::isPrivateFolder(env.path(u"private"_s)));
    QCOMPARE(SingleInstance::folderForUser(), QString());
    if (getuid() == 0) {
        QVERIFY(::chown(QFile::encodeName(env.path(u"private"_s)).constData(), 65534, 65534) == 0);
        QVERIFY(!SingleInstance::isPrivateFolder(env.path(u"private"_s)));
    }
    qunsetenv("TMPDIR");
}

void TestDesktop::aFloodAndNoDescriptorsLeft()
{
    const QString folder = env.path(u"abuse"_s);
    QVERIFY(SingleInstance::isPrivateFolder(folder));
    SingleInstance server(folder);
    QVERIFY(server.claim() && server.listen());
    QSignalSpy called(&server, &SingleInstance::called);

    // A start sending past the limit is cut off at once, not read on.
    QLocalSocket flood;
    flood.connectToServer(folder + u"/reelcatch.socket"_s);
    QVERIFY(flood.waitForConnected(10000));
    qint64 written = 0;
    connect(&flood, &QLocalSocket::bytesWritten, this, [&](qint64 bytes) { written += bytes; });
    flood.write(QByteArray(32 << 20, 'x'));
    QTRY_COMPARE_WITH_TIMEOUT(flood.state(), QLocalSocket::UnconnectedState, 60000);
    QVERIFY2(written < 4 << 20, QByteArray::number(written).constData());

    // No file descriptor left when a start comes: it waits, and is served once there is room.
#ifdef __SANITIZE_ADDRESS__
    // The sanitizers' own checks need descriptors, and take their absence for a fault.
    QSKIP("run in the builds without sanitizers");
#endif
    QLocalSocket waiting;
    waiting.connectToServer(folder + u"/reelcatch.socket"_s);
    QVERIFY(waiting.waitForConnected(10000));
    rlimit limit{};
    QCOMPARE(getrlimit(RLIMIT_NOFILE, &limit), 0);
    const rlimit saved = limit;
    const int lowestFree = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    ::close(lowestFree);
    limit.rlim_cur = rlim_t(lowestFree);
    QCOMPARE(setrlimit(RLIMIT_NOFILE, &limit), 0);
    QTest::qWait(500);
    QCOMPARE(setrlimit(RLIMIT_NOFILE, &saved), 0);
    waiting.write("\nhttp://a\n");
    waiting.disconnectFromServer();
    QTRY_COMPARE_WITH_TIMEOUT(called.size(), 1, 60000);
    SingleInstance later(folder);
    QCOMPARE(later.handOver({u"http://b"_s}), SingleInstance::Role::handedOver);
    QTRY_COMPARE_WITH_TIMEOUT(called.size(), 2, 60000);
    QCOMPARE(called[0][0].toStringList() + called[1][0].toStringList(), (QStringList{u"http://a"_s, u"http://b"_s}));
}

void TestDesktop::aHandedLinkReplacesTheLookup()
{
    Ui ui;
    QVERIFY(ui.showActive());
    ui.window.takeLink(u"https://www.youtube.com/watch?v=aaaaaaaaaaa"_s);
    QTRY_VERIFY(ui.model.lookup().isFetching());
    QPointer<FakeChild> first = ui.runner->last();
    ui.window.takeLink(u"https://www.youtube.com/watch?v=bbbbbbbbbbb"_s);
    QTRY_COMPARE(ui.runner->children.size(), 2);
    QCOMPARE(first->stops, 1);
    QVERIFY(ui.runner->last()->spec.arguments.contains(u"https://www.youtube.com/watch?v=bbbbbbbbbbb"_s));
    QVERIFY(ui.answer(u"B"_s, {u"b"_s}));
    QCOMPARE(ui.model.lookup().results().constFirst().id(), u"b"_s);
}

void TestDesktop::notifications()
{
    QProcess daemon;
    daemon.setProcessEnvironment(env.childEnvironment());
    daemon.start(u"dbus-daemon"_s, {u"--session"_s, u"--nofork"_s, u"--print-address"_s, u"--address=unix:dir="_s + env.root()});
    QVERIFY(QTest::qWaitFor([&] { return daemon.canReadLine(); }, 60000));
    const QString address = QString::fromUtf8(daemon.readLine().trimmed());
    QDBusConnection serverBus = QDBusConnection::connectToBus(address, u"server"_s);
    FakeServer server;
    QVERIFY(serverBus.registerObject(QString::fromLatin1(BatchNotifier::path), &server, QDBusConnection::ExportScriptableSlots));
    QVERIFY(serverBus.registerService(QString::fromLatin1(BatchNotifier::service)));

    RecordingActions actions;
    BatchNotifier notifier(actions, QDBusConnection::connectToBus(address, u"client"_s));
    QSignalSpy shown(&notifier, &BatchNotifier::shown);
    const QString folder = env.path(u"a<b&c"_s);
    notifier.batchEnded(2, 1, folder);
    QVERIFY(shown.wait(60000));
    QCOMPARE(server.calls.last(), (QStringList{u"0"_s, u"2 downloads finished, 1 failed"_s, u"Saved to a&lt;b&amp;c"_s, u"default|Open Reelcatch|show-folder|Show in Folder"_s}));

    // The folder opens from that notification's action only.
    const auto invoke = [&](uint id, const char* action) {
        QDBusMessage signal = QDBusMessage::createSignal(QString::fromLatin1(BatchNotifier::path), QString::fromLatin1(BatchNotifier::service), u"ActionInvoked"_s);
        signal << id << QString::fromLatin1(action);
        serverBus.send(signal);
    };
    invoke(99, "show-folder");
    invoke(7, "show-folder");
    QTRY_COMPARE_WITH_TIMEOUT(actions.folders, QStringList{folder}, 60000);

    // None while the window is active; the next one replaces the last.
    QWidget window;
    notifier.setWindow(&window);
    window.show(), window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    notifier.batchEnded(3, 0, folder);
    window.hide();
    notifier.batchEnded(0, 1, folder);
    QVERIFY(shown.wait(60000));
    QCOMPARE(server.calls.size(), 2);
    QCOMPARE(server.calls.last(), (QStringList{u"7"_s, u"1 download failed"_s, QString(), u"default|Open Reelcatch"_s}));

    daemon.kill(), daemon.waitForFinished(60000);
}

void TestDesktop::quitEndsAndKeepsTheList_data()
{
    QTest::addColumn<bool>("tray");
    QTest::addColumn<QString>("way");
    for (const bool tray : {false, true})
        for (const char* way : {"Ctrl+Q", "File menu", "close"})
            QTest::addRow("%s, %s", tray ? "tray" : "no tray", way) << tray << QString::fromLatin1(way);
}

// Two of three downloads running (two at a time, the default) in real children
// (the sandbox's yt-dlp notes its pid and sleeps): one Quit ends the event loop.
void TestDesktop::quitEndsAndKeepsTheList()
{
    QFETCH(bool, tray);
    QFETCH(QString, way);
    QTemporaryDir data;
    {
        Ui ui(true, true);
        const QString pids = ui.env.path(u"pids"_s);
        TestEnv::writeExecutable(ui.env.supportDir() + u"/yt-dlp"_s, "#!/bin/sh\necho $$ >> '" + pids.toUtf8() + "'\nexec " REELCATCH_FAKE_CHILD " sleep:60000\n");
        QSignalSpy loaded(&ui.model.library(), &Library::loaded);
        ui.model.library().open(data.path());
        QVERIFY(loaded.wait(20000));
        AppShell shell(ui.model, ui.thumbnails, ui.actions, ui.chooser, nullptr, tray);
        shell.showWindow();
        QVERIFY(QTest::qWaitForWindowActive(&shell.window()));
        ui.model.queue().enqueue({video(u"a"_s), video(u"b"_s), video(u"c"_s)}, Preset::p720);
        QList<QByteArray> running;
        const auto started = [&] { QFile f(pids); return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed().split('\n') : QList<QByteArray>{}; };
        QTRY_VERIFY_WITH_TIMEOUT((running = started()).size() == 2, 20000);

        QStringList asked; // the window-modal question is answered from the event loop
        QTimer::singleShot(0, this, [&] {
            if (way == u"Ctrl+Q"_s)
                QTest::keyClick(&shell.window(), Qt::Key_Q, Qt::ControlModifier);
            else if (way == u"File menu"_s)
                shell.window().quitAction()->trigger();
            else if (shell.window().close(), tray) // with a tray the window only hides; the tray's Quit ends
                shell.trayIcon()->contextMenu()->actions().last()->trigger();
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                asked << box->informativeText() << box->defaultButton()->text(), box->defaultButton()->click();
        });
        QTimer::singleShot(30000, &shell, [] { QCoreApplication::exit(3); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(asked, (QStringList{u"3 downloads are running or waiting. They will continue the next time you open Reelcatch."_s, u"Quit"_s}));
        for (const QByteArray& pid : std::as_const(running))
            QTRY_VERIFY_WITH_TIMEOUT(processGone(pid.toLongLong()), 15000);
    }
    Ui next; // the next start has all three, unfinished
    QSignalSpy loaded(&next.model.library(), &Library::loaded);
    next.model.library().open(data.path());
    QVERIFY(loaded.wait(20000));
    QCOMPARE(next.model.queue().toDo(), 3);
}

int main(int argc, char* argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--instance") == 0)
        return instanceMain(argc, argv);
    QApplication app(argc, argv);
    TestDesktop test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_desktop.moc"
