// The application shell: one main window, one settings window, the tray,
// and what closing and quitting do with and without a tray.
#include "AppShell.h"
#include "DesktopCues.h"
#include "SettingsWindow.h"
#include "WindowFixture.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QSystemTrayIcon>

using namespace reelcatch;

namespace {

// The shell over a fixture's model; quitting is only counted.
struct ShellFixture : WindowFixture {
    DesktopCues cues{QDBusConnection(QStringLiteral("no-bus"))};
    AppShell shell;
    int quits = 0;

    explicit ShellFixture(bool tray)
        : WindowFixture(false), shell(model, thumbnails, actions, chooser, &cues, tray)
    {
        shell.setQuitHandler([this] { ++quits; });
    }

    // Two jobs waiting for ffmpeg (which never comes) and one finished.
    void addJobs()
    {
        model.enqueue({videoItem(QStringLiteral("a")), videoItem(QStringLiteral("b")),
                       videoItem(QStringLiteral("c"))},
                      Preset::p1080);
        job(QStringLiteral("c"))->setPhase(Download::Phase::done());
        model.refreshBadge();
    }

    QPushButton* questionButton(const QString& text) const
    {
        for (QAbstractButton* button : shell.quitQuestion()->buttons()) {
            if (button->text().remove(QLatin1Char('&')) == text)
                return qobject_cast<QPushButton*>(button);
        }
        return nullptr;
    }
};

QAction* actionNamed(QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

} // namespace

class TestAppShell : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(); }
    void oneSettingsWindowFromTheMenu();
    void closingWithoutTrayAsksWhileDownloadsRun();
    void trayKeepsTheApplicationAndShowsTheCount();
};

void TestAppShell::oneSettingsWindowFromTheMenu()
{
    ShellFixture f(false);
    MainWindow& window = f.shell.window();
    f.shell.showWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(!QGuiApplication::quitOnLastWindowClosed());
    QVERIFY(!f.shell.settingsWindow());
    // Where a macOS build puts them: the application menu.
    QCOMPARE(window.settingsAction()->text(), QStringLiteral("Settings\u2026"));
    QCOMPARE(window.settingsAction()->menuRole(), QAction::PreferencesRole);
    QCOMPARE(window.quitAction()->menuRole(), QAction::QuitRole);

    QTest::keyClick(&window, Qt::Key_Comma, Qt::ControlModifier);
    SettingsWindow* settings = f.shell.settingsWindow();
    QVERIFY(settings);
    QTRY_VERIFY(settings->isVisible());
    QVERIFY(settings->isWindow());
    QCOMPARE(settings->windowModality(), Qt::NonModal);
    QVERIFY(window.isVisible() && window.isEnabled());

    // Closed and opened again: still the one window.
    settings->close();
    QTRY_VERIFY(!settings->isVisible());
    window.settingsAction()->trigger();
    QCOMPARE(f.shell.settingsWindow(), settings);
    QTRY_VERIFY(settings->isVisible());

    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(f.quits, 1);
}

void TestAppShell::closingWithoutTrayAsksWhileDownloadsRun()
{
    ShellFixture f(false);
    f.addJobs();
    QCOMPARE(f.shell.unfinishedCount(), 2);
    f.shell.showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&f.shell.window()));

    f.shell.window().close();
    QVERIFY(f.shell.quitQuestion());
    QMessageBox* question = f.shell.quitQuestion();
    QCOMPARE(question->text(), QStringLiteral("Quit Reelcatch?"));
    QCOMPARE(question->informativeText(),
             QStringLiteral("2 downloads are still running or waiting. Quitting cancels them."));
    QVERIFY(f.questionButton(QStringLiteral("Cancel")));
    QVERIFY(f.questionButton(QStringLiteral("Quit")));
    QTRY_VERIFY(question->isVisible());
    // Asking doesn't block: the window stays, the event loop and jobs go on.
    QVERIFY(f.shell.window().isVisible());
    QCOMPARE(f.quits, 0);

    // Closing again while asked doesn't stack a second question.
    f.shell.window().close();
    QCOMPARE(f.shell.window().findChildren<QMessageBox*>().size(), 1);

    QTest::mouseClick(f.questionButton(QStringLiteral("Cancel")), Qt::LeftButton);
    QTRY_VERIFY(!f.shell.quitQuestion());
    QCOMPARE(f.quits, 0);
    QVERIFY(f.shell.window().isVisible());

    f.shell.window().close();
    QVERIFY(f.shell.quitQuestion());
    QTest::mouseClick(f.questionButton(QStringLiteral("Quit")), Qt::LeftButton);
    QTRY_COMPARE(f.quits, 1);

    // Only finished jobs: nothing to lose, so no question.
    f.model.cancelAll();
    QTRY_VERIFY(!f.shell.quitQuestion());
    f.shell.window().close();
    QCOMPARE(f.quits, 2);
    QVERIFY(!f.shell.quitQuestion());

    QCOMPARE(AppShell::quitDetail(1),
             QStringLiteral("1 download is still running or waiting. Quitting cancels it."));
}

void TestAppShell::trayKeepsTheApplicationAndShowsTheCount()
{
    ShellFixture f(true);
    QSystemTrayIcon* tray = f.shell.trayIcon();
    QVERIFY(tray);
    QCOMPARE(tray->toolTip(), QStringLiteral("Reelcatch"));
    const QImage plain = tray->icon().pixmap(32).toImage();

    // The badge count (the model's, in the desktop build) shows on the tray
    // icon and in its tooltip.
    f.cues.setCount(2);
    QCOMPARE(tray->toolTip(), QStringLiteral("Reelcatch \u00B7 2 downloads left"));
    const QImage badged = tray->icon().pixmap(32).toImage();
    QVERIFY(badged != plain);
    // Drawn in the top-right corner; the rest of the icon is untouched.
    QVERIFY(countNear(badged, QRect(12, 0, 20, 20), QColor(0xe5, 0x22, 0x22), 40) > 60);
    QCOMPARE(badged.copy(0, 20, 32, 12), plain.copy(0, 20, 32, 12));

    // Closing hides the window and leaves the application (and its
    // downloads) running, without asking.
    f.addJobs();
    f.shell.showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&f.shell.window()));
    f.shell.window().close();
    QTRY_VERIFY(!f.shell.window().isVisible());
    QCOMPARE(f.quits, 0);
    QVERIFY(!f.shell.quitQuestion());

    QMenu* menu = tray->contextMenu();
    QVERIFY(menu);
    QAction* show = actionNamed(menu, QStringLiteral("Show Reelcatch"));
    QVERIFY(show);
    show->trigger();
    QTRY_VERIFY(f.shell.window().isVisible());
    emit tray->activated(QSystemTrayIcon::Trigger);
    QVERIFY(f.shell.window().isVisible());

    QAction* quit = actionNamed(menu, QStringLiteral("Quit"));
    QVERIFY(quit);
    quit->trigger();
    QCOMPARE(f.quits, 1);

    f.cues.setCount(1);
    QCOMPARE(tray->toolTip(), QStringLiteral("Reelcatch \u00B7 1 download left"));
    f.cues.setCount(0);
    QCOMPARE(tray->toolTip(), QStringLiteral("Reelcatch"));
    QCOMPARE(tray->icon().pixmap(32).toImage(), plain);
}

QTEST_MAIN(TestAppShell)
#include "tst_appshell.moc"
