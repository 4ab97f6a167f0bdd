// The Linux desktop services: browser, file manager and clipboard, the
// launcher badge and tray count, the sound cue and the folder dialog. The
// D-Bus parts run against a private bus started here, with a stand-in for
// the file manager and the dock on it.
#include "DesktopCues.h"
#include "DesktopServices.h"
#include "DialogFolderChooser.h"
#include "RowListTestSupport.h"
#include "TestEnv.h"

#include <QClipboard>
#include <QDBusConnection>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTimer>

using namespace reelcatch;

namespace {

// What reaches the browser and the file manager through QDesktopServices.
class UrlLog : public QObject {
    Q_OBJECT
public:
    Q_INVOKABLE void open(const QUrl& url) { urls << url; }
    QList<QUrl> urls;
};

// The file manager (exported on the bus) and a dock listening for badges.
class DesktopPeer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public slots:
    void ShowItems(const QStringList& uris, const QString& startupId)
    {
        shown << uris + QStringList{startupId};
    }
    void update(const QString& uri, const QVariantMap& properties)
    {
        badges << properties;
        badgeUris << uri;
    }

public:
    QList<QStringList> shown;
    QList<QVariantMap> badges;
    QStringList badgeUris;
};

const QStringList schemes{QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("file"),
                          QStringLiteral("ftp"), QStringLiteral("javascript")};
const QDBusConnection noBus(QStringLiteral("no-bus"));

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init() { m_log.urls.clear(); }
    void withoutSessionBus();
    void onTheSessionBus();
    void folderDialog();

private:
    UrlLog m_log;
    QProcess m_bus;
};

void TestDesktop::initTestCase()
{
    TestEnv::isolateProcess();
    for (const QString& scheme : schemes)
        QDesktopServices::setUrlHandler(scheme, &m_log, "open");
}

void TestDesktop::cleanupTestCase()
{
    for (const QString& scheme : schemes)
        QDesktopServices::unsetUrlHandler(scheme);
    m_bus.terminate();
    QVERIFY(QTest::qWaitFor([&] { return m_bus.state() == QProcess::NotRunning; }, 5000));
}

void TestDesktop::withoutSessionBus()
{
    DesktopServices desktop(noBus);
    // Only web addresses reach the browser.
    for (const char* refused : {"file:///etc/passwd", "javascript:alert(1)", "ftp://example.org/x",
                                "https:", "watch?v=abc", ""})
        desktop.openUrl(QUrl(QString::fromLatin1(refused)));
    QVERIFY(m_log.urls.isEmpty());
    desktop.openUrl(QUrl(QStringLiteral("HTTP://example.org/page")));
    QCOMPARE(m_log.urls, QList<QUrl>{QUrl(QStringLiteral("http://example.org/page"))});

    // A reveal opens the containing folder at once.
    m_log.urls.clear();
    QSignalSpy answered(&desktop, &DesktopServices::revealAnswered);
    desktop.revealFile(QStringLiteral("/data/Downloads/A [b].mp4"));
    QCOMPARE(m_log.urls, QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/data/Downloads"))});
    QCOMPARE(answered.size(), 1);
    QCOMPARE(answered.first().first().toBool(), false);

    QApplication::clipboard()->setText(QStringLiteral("before"));
    desktop.copyText(QStringLiteral("https://youtu.be/abc"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("https://youtu.be/abc"));

    // The tray's badge: a red disc top right, the rest of the icon untouched.
    QPixmap base(32, 32);
    base.fill(Qt::darkGreen);
    const QIcon plain(base);
    QCOMPARE(DesktopCues::badged(plain, 0).cacheKey(), plain.cacheKey());
    for (int count : {3, 42, 150}) {
        const QImage badged = DesktopCues::badged(plain, count).pixmap(32).toImage();
        QVERIFY(countNear(badged, QRect(12, 0, 20, 20), QColor(0xe5, 0x22, 0x22), 40) > 60);
        QCOMPARE(countNear(badged, QRect(0, 20, 32, 12), QColor(Qt::darkGreen), 0), 32 * 12);
    }

    // No bus, tray or sound server: every cue returns at once.
    DesktopCues cues(noBus);
    QWidget window;
    cues.setAttentionWindow(&window);
    QElapsedTimer clock;
    clock.start();
    cues.setCount(3);
    cues.playSound();
    cues.playSound();
    cues.requestAttention();
    QVERIFY2(clock.elapsed() < 200, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(cues.count(), 3);
}

void TestDesktop::onTheSessionBus()
{
    if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
        QSKIP("dbus-daemon is not installed");
    // A bus of our own, with no services to activate.
    TestEnv env;
    const QString config = TestEnv::writeFile(
        env.path(QStringLiteral("bus.conf")),
        QStringLiteral("<busconfig><type>session</type><listen>unix:path=%1</listen>"
                       "<auth>EXTERNAL</auth><policy context=\"default\"><allow "
                       "send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                       "<allow own=\"*\"/></policy></busconfig>\n")
            .arg(env.path(QStringLiteral("bus")))
            .toUtf8());
    m_bus.start(QStringLiteral("dbus-daemon"),
                {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                 QStringLiteral("--print-address=1")});
    QVERIFY(QTest::qWaitFor([&] { return m_bus.canReadLine(); }, 10000));
    const QString address = QString::fromUtf8(m_bus.readLine()).trimmed();
    QDBusConnection app = QDBusConnection::connectToBus(address, QStringLiteral("app"));
    QDBusConnection peerBus = QDBusConnection::connectToBus(address, QStringLiteral("peer"));
    QVERIFY(app.isConnected() && peerBus.isConnected());
    DesktopPeer peer;
    DesktopServices desktop(app);
    QSignalSpy answered(&desktop, &DesktopServices::revealAnswered);
    const QString file = QStringLiteral("/data/Downloads/A b [c].mp4");

    // No file manager on the bus: the call fails, then the folder opens.
    desktop.revealFile(file);
    QVERIFY(m_log.urls.isEmpty());
    QVERIFY(answered.wait(10000));
    QCOMPARE(answered.last().first().toBool(), false);
    QCOMPARE(m_log.urls, QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/data/Downloads"))});

    // With one, it shows the file, given as an escaped file URI.
    QVERIFY(peerBus.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &peer,
                                   QDBusConnection::ExportAllSlots));
    QVERIFY(peerBus.registerService(QStringLiteral("org.freedesktop.FileManager1")));
    m_log.urls.clear();
    desktop.revealFile(file);
    QVERIFY(answered.wait(10000));
    QCOMPARE(answered.last().first().toBool(), true);
    const QStringList shown{QStringLiteral("file:///data/Downloads/A%20b%20%5Bc%5D.mp4"),
                            QString()};
    QCOMPARE(peer.shown, QList<QStringList>{shown});
    QVERIFY(m_log.urls.isEmpty());

    // The launcher entry's count, as docks read it.
    QVERIFY(peerBus.connect(QString(), QString(),
                            QStringLiteral("com.canonical.Unity.LauncherEntry"),
                            QStringLiteral("Update"), &peer, SLOT(update(QString, QVariantMap))));
    DesktopCues cues(app);
    cues.setCount(4);
    cues.setCount(0);
    QTRY_COMPARE(peer.badges.size(), 2);
    QCOMPARE(peer.badgeUris, QStringList(2, QStringLiteral("application://reelcatch.desktop")));
    QCOMPARE(peer.badges.at(0).value(QStringLiteral("count")), QVariant(qint64(4)));
    QCOMPARE(peer.badges.at(0).value(QStringLiteral("count-visible")), QVariant(true));
    QCOMPARE(peer.badges.at(1).value(QStringLiteral("count")), QVariant(qint64(0)));
    QCOMPARE(peer.badges.at(1).value(QStringLiteral("count-visible")), QVariant(false));
    QDBusConnection::disconnectFromBus(QStringLiteral("app"));
    QDBusConnection::disconnectFromBus(QStringLiteral("peer"));
}

void TestDesktop::folderDialog()
{
    TestEnv env;
    const QString start = env.path(QStringLiteral("start"));
    const QString chosen = env.path(QStringLiteral("start/Clips"));
    QVERIFY(QDir().mkpath(chosen));
    QWidget owner;
    DialogFolderChooser chooser(&owner);
    QStringList seen; // parent, accept label, directory, mode
    auto answer = [&](bool accept) {
        QTimer::singleShot(0, &owner, [&, accept] {
            QFileDialog* dialog = nullptr;
            QVERIFY(QTest::qWaitFor(
                [&] {
                    return dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                },
                5000));
            seen = QStringList{
                dialog->parentWidget() == &owner ? QStringLiteral("owner") : QString(),
                dialog->labelText(QFileDialog::Accept), dialog->directory().absolutePath(),
                dialog->fileMode() == QFileDialog::Directory &&
                        dialog->testOption(QFileDialog::ShowDirsOnly)
                    ? QStringLiteral("folders")
                    : QString()};
            if (!accept) {
                dialog->reject();
                return;
            }
            dialog->selectFile(chosen);
            for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
                if (button->text() == QStringLiteral("Use Folder"))
                    button->click();
            }
        });
    };
    answer(true);
    QCOMPARE(chooser.chooseDirectory(start, QStringLiteral("Use Folder")), std::optional(chosen));
    QCOMPARE(seen, (QStringList{QStringLiteral("owner"), QStringLiteral("Use Folder"), start,
                                QStringLiteral("folders")}));
    answer(false);
    QCOMPARE(chooser.chooseDirectory(start, QStringLiteral("Use Folder")), std::nullopt);
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
