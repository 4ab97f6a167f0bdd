// The settings window: its toggles over the settings store, and the engine
// rows as the engine's readiness reports them.
#include "SettingsWindow.h"
#include "UiFixture.h"

#include <QCheckBox>
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
    QCOMPARE(version->spec.arguments, QStringList{u"--version"_s});
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

QTEST_MAIN(TestSettingsWindow)
#include "tst_settingswindow.moc"
