// The settings window: its toggles over the settings store, and the engine
// rows as the engine's readiness reports them.
#include "SettingsWindow.h"
#include "UiFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using namespace reelcatch;
using namespace reelcatch::test;

class TestSettingsWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(); }
    void togglesShowAndStore();
    void engineRowsFollowReadiness();
    void accountSection();
};

void TestSettingsWindow::togglesShowAndStore()
{
    Ui ui;
    SettingsWindow settings(ui.model, ui.chooser);
    settings.show();
    QVERIFY(QTest::qWaitForWindowExposed(&settings));
    const QList<QCheckBox*> toggles = settings.findChildren<QCheckBox*>();
    QCOMPARE(toggles.size(), 6);
    for (QCheckBox* toggle : toggles) {
        const QString key = toggle->objectName();
        const bool fallback = Prefs::defaults().value(key).toBool();
        QVERIFY2(Prefs::defaults().contains(key), qPrintable(key));
        QCOMPARE(toggle->isChecked(), fallback);
        toggle->click();
        QCOMPARE(ui.prefs.boolean(key), std::optional<bool>(!fallback));
    }
    // The subtitle languages show only while subtitles are on (clicked above).
    QVERIFY(settings.findChild<QWidget*>(u"subLangsRow"_s)->isVisible());
    // A change made elsewhere is read back.
    ui.prefs.setValue(PrefKey::subs, false);
    QVERIFY(!settings.findChild<QCheckBox*>(PrefKey::subs)->isChecked());
    QVERIFY(settings.findChild<QWidget*>(u"subLangsRow"_s)->isHidden());

    auto* label = settings.findChild<QLabel*>(u"parallelLabel"_s);
    QCOMPARE(label->text(), u"Parallel downloads: 2"_s);
    settings.findChild<QToolButton*>(u"parallelUp"_s)->click();
    QCOMPARE(ui.prefs.parallelAsStored(), 3);
    QCOMPARE(label->text(), u"Parallel downloads: 3"_s);

    // Everything written is in the file.
    ui.prefs.sync();
    Prefs reread(ui.env.settingsPath());
    QCOMPARE(reread.parallel(), 3);
    QCOMPARE(reread.h264(), !Prefs::defaults().value(PrefKey::h264).toBool());
}

void TestSettingsWindow::engineRowsFollowReadiness()
{
    Ui ui; // yt-dlp and ffmpeg in place, no deno
    SettingsWindow settings(ui.model, ui.chooser);
    settings.show();
    QVERIFY(QTest::qWaitForWindowExposed(&settings));
    const auto text = [&](const QString& name) {
        return settings.findChild<QLabel*>(name)->text();
    };
    QCOMPARE(text(u"ytdlpVersion"_s), u"not installed"_s);
    QCOMPARE(text(u"ffmpegState"_s), u"installed"_s);
    QCOMPARE(text(u"denoState"_s), u"missing"_s);
    auto* update = settings.findChild<QPushButton*>(u"updateNow"_s);

    ui.model.startEngineCheck();
    QVERIFY(!update->isEnabled());
    TestEnv::writeExecutable(ui.env.supportDir() + u"/deno"_s, "#!/bin/sh\n");
    QVERIFY(ui.installer.finish(u"deno"_s, Done{}));
    QCOMPARE(text(u"denoState"_s), u"installed"_s);
    FakeChild* version = ui.runner->last();
    QCOMPARE(version->spec.arguments, (QStringList{u"--ignore-config"_s, u"--version"_s}));
    version->print("2025.06.30\n");
    version->end(0);
    QCOMPARE(text(u"ytdlpVersion"_s), u"2025.06.30"_s);
    QTRY_VERIFY(update->isEnabled());

    // The rows show what the last check found, not what is on disk now.
    QVERIFY(QFile::remove(ui.env.supportDir() + u"/ffmpeg"_s));
    settings.hide();
    settings.show();
    QCOMPARE(text(u"ffmpegState"_s), u"installed"_s);
}

void TestSettingsWindow::accountSection()
{
    Ui ui;
    const QString home = ui.env.homeDir(), flatpak = home + u"/.var/app/org.mozilla.firefox/.mozilla/firefox/p"_s;
    for (const QString& file : {home + u"/.mozilla/firefox/p/cookies.sqlite"_s, flatpak + u"/cookies.sqlite"_s})
        QVERIFY(!TestEnv::writeFile(file, "").isEmpty());
    SettingsWindow settings(ui.model, ui.chooser);
    settings.show();
    QVERIFY(QTest::qWaitForWindowExposed(&settings));
    auto* picker = settings.findChild<QComboBox*>(PrefKey::cookiesFrom);
    QTRY_COMPARE_WITH_TIMEOUT(picker->count(), 4, 20000);
    const QStringList expected{u"None"_s, u"Firefox"_s, u"Firefox (Flatpak)"_s, u"A cookies file\u2026"_s};
    QStringList items;
    for (int i = 0; i < picker->count(); ++i)
        items << picker->itemText(i);
    QCOMPARE(items, expected);
    emit picker->activated(picker->findText(u"Firefox (Flatpak)"_s));
    QCOMPARE(ui.prefs.cookiesFrom(), u"firefox"_s);
    QCOMPARE(ui.prefs.cookiesProfile(), flatpak);
    QCOMPARE(picker->currentText(), u"Firefox (Flatpak)"_s);

    // A cancelled file choice keeps the browser; a chosen file replaces it.
    emit picker->activated(picker->count() - 1);
    QCOMPARE(ui.prefs.cookiesFrom(), u"firefox"_s);
    ui.chooser.file = TestEnv::writeFile(home + u"/c.txt"_s, "");
    emit picker->activated(picker->count() - 1);
    QCOMPARE(ui.chooser.asked, QStringList(2, QDir::homePath()));
    QCOMPARE(ui.prefs.cookiesFrom(), u"file"_s);
    QCOMPARE(ui.prefs.cookiesFile(), *ui.chooser.file);
    QCOMPARE(picker->currentText(), u"c.txt"_s);

    // A browser that is gone shows as None, with a note.
    auto* note = settings.findChild<QLabel*>(u"cookiesNote"_s);
    QVERIFY(note->isHidden());
    ui.prefs.setValue(PrefKey::cookiesFrom, u"chrome"_s);
    QTRY_COMPARE_WITH_TIMEOUT(note->text(), u"Chrome is no longer installed; cookies are off."_s, 20000);
    QVERIFY(note->isVisible());
    QCOMPARE(picker->currentText(), u"None"_s);

    settings.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&settings));
    settings.showAccountSection();
    QTRY_VERIFY(picker->hasFocus());
}

QTEST_MAIN(TestSettingsWindow)
#include "tst_settingswindow.moc"
