// Batch notifications on a private session bus, to a notification server
// of the test's own.
#include "BatchNotifier.h"
#include "TestEnv.h"
#include "UiFixture.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QSignalSpy>
#include <QTest>

using namespace reelcatch;
using namespace reelcatch::test;

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

class TestNotifications : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(); }
    void onPrivateBus();
};

void TestNotifications::onPrivateBus()
{
    TestEnv env;
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
    QCOMPARE(server.calls.last(), (QStringList{u"0"_s, u"2 finished, 1 failed"_s, u"Saved to a&lt;b&amp;c"_s, u"default|Open Reelcatch|show-folder|Show in Folder"_s}));

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
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    notifier.batchEnded(3, 0, folder);
    window.hide();
    notifier.batchEnded(0, 1, folder);
    QVERIFY(shown.wait(60000));
    QCOMPARE(server.calls.size(), 2);
    QCOMPARE(server.calls.last(), (QStringList{u"7"_s, u"1 download failed"_s, QString(), u"default|Open Reelcatch"_s}));

    daemon.kill();
    daemon.waitForFinished(60000);
}

QTEST_MAIN(TestNotifications)
#include "tst_notifications.moc"
