// The settings window: every control reads and writes its key in the
// settings file, the stepper's range, the subtitle field, the engine rows
// and the engine update.
#include "AppModel.h"
#include "FakeYtdlp.h"
#include "Fakes.h"
#include "SettingsWindow.h"
#include "TestEnv.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace reelcatch;

namespace {

class ScriptedChooser : public FolderChooser {
public:
    std::optional<QString> answer;
    QStringList startedIn;
    QStringList acceptLabels;
    std::optional<QString> chooseDirectory(const QString& startIn,
                                           const QString& acceptLabel) override
    {
        startedIn.append(startIn);
        acceptLabels.append(acceptLabel);
        return answer;
    }
};

// A sandboxed store, engine and model with the window over them.
struct Fixture {
    TestEnv env;
    Engine engine{env.engineConfig()};
    Prefs prefs{env.settingsPath(), env.downloadsDir()};
    FakeInstaller installer;
    AppModel model{engine, prefs, installer};
    ScriptedChooser chooser;
    SettingsWindow window{model, chooser};

    template <typename T> T* child(const QString& name) const { return window.findChild<T*>(name); }
    // What the file holds for `key`, read by a second store that has no
    // registered defaults, so only written values answer.
    std::unique_ptr<Prefs> fileStore()
    {
        prefs.sync();
        return std::make_unique<Prefs>(env.settingsPath());
    }
    bool show()
    {
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }
};

// Clicks a check box on its box, where a click always lands.
void clickToggle(QCheckBox* toggle)
{
    QTest::mouseClick(toggle, Qt::LeftButton, {}, QPoint(8, toggle->height() / 2));
}

} // namespace

class TestSettingsWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void togglesWriteTheirKeys_data();
    void togglesWriteTheirKeys();
    void readsTheStoreWhenShown();
    void stepperStaysWithinOneToSix();
    void subtitleLanguagesShowOnlyWithSubtitles();
    void folderRowUsesTheChooser();
    void engineRowsShowWhatIsInstalled();
    void updateNowRunsOneForcedEngineUpdate();
    void fixedWindowFitsItsContent();
};

void TestSettingsWindow::initTestCase()
{
    TestEnv::isolateProcess();
}

void TestSettingsWindow::togglesWriteTheirKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fallback");
    QTest::newRow("autoPaste") << QStringLiteral("autoPaste")
                               << QStringLiteral(
                                      "Load YouTube links from the clipboard automatically")
                               << true;
    QTest::newRow("h264") << QStringLiteral("h264")
                          << QStringLiteral(
                                 "Prefer H.264 so files play in any player and on any device")
                          << true;
    QTest::newRow("subs") << QStringLiteral("subs") << QStringLiteral("Embed subtitles") << false;
    QTest::newRow("sponsor") << QStringLiteral("sponsor")
                             << QStringLiteral("Cut sponsor segments (SponsorBlock)") << false;
    QTest::newRow("embedMeta") << QStringLiteral("embedMeta")
                               << QStringLiteral("Embed title, channel and date") << true;
    QTest::newRow("embedThumb") << QStringLiteral("embedThumb")
                                << QStringLiteral("Embed thumbnail as cover art") << true;
}

void TestSettingsWindow::togglesWriteTheirKeys()
{
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(bool, fallback);
    Fixture f;
    QVERIFY(f.show());
    auto* toggle = f.child<QCheckBox>(key);
    QVERIFY(toggle);
    QCOMPARE(toggle->text(), text);
    // A first launch shows the default and writes nothing.
    QCOMPARE(toggle->isChecked(), fallback);
    QVERIFY(!f.fileStore()->boolean(key));

    clickToggle(toggle);
    QCOMPARE(f.fileStore()->boolean(key), std::optional<bool>(!fallback));
    clickToggle(toggle);
    QCOMPARE(f.fileStore()->boolean(key), std::optional<bool>(fallback));

    // A write from elsewhere (the main window, say) shows at once, and
    // showing it writes nothing back.
    QSignalSpy writes(&f.prefs, &Prefs::valueChanged);
    f.prefs.setValue(key, !fallback);
    QCOMPARE(toggle->isChecked(), !fallback);
    QCOMPARE(writes.count(), 1);
}

void TestSettingsWindow::readsTheStoreWhenShown()
{
    Fixture f;
    QVERIFY(f.show());
    f.window.hide();

    // Another store on the same file changes it behind the window's back;
    // showing the window again picks every value up.
    {
        Prefs other(f.env.settingsPath());
        other.setValue(PrefKey::h264, false);
        other.setValue(PrefKey::sponsor, true);
        other.setValue(PrefKey::subs, true);
        other.setValue(PrefKey::subLangs, QStringLiteral("ja"));
        other.setValue(PrefKey::parallel, 4);
        other.setFolder(f.env.path(QStringLiteral("Elsewhere")));
        other.sync();
    }
    QVERIFY(f.show());
    QVERIFY(!f.child<QCheckBox>(PrefKey::h264)->isChecked());
    QVERIFY(f.child<QCheckBox>(PrefKey::sponsor)->isChecked());
    QVERIFY(f.child<QCheckBox>(PrefKey::autoPaste)->isChecked());
    QVERIFY(f.child<QWidget>(QStringLiteral("subLangsRow"))->isVisible());
    QCOMPARE(f.child<QLineEdit>(PrefKey::subLangs)->text(), QStringLiteral("ja"));
    QCOMPARE(f.child<QLabel>(QStringLiteral("parallelLabel"))->text(),
             QStringLiteral("Parallel downloads: 4"));
    QCOMPARE(f.child<QLabel>(QStringLiteral("folderPath"))->toolTip(),
             QDir::toNativeSeparators(f.env.path(QStringLiteral("Elsewhere"))));
}

void TestSettingsWindow::stepperStaysWithinOneToSix()
{
    Fixture f;
    QVERIFY(f.show());
    auto* label = f.child<QLabel>(QStringLiteral("parallelLabel"));
    auto* down = f.child<QToolButton>(QStringLiteral("parallelDown"));
    auto* up = f.child<QToolButton>(QStringLiteral("parallelUp"));
    QVERIFY(label && down && up);
    QCOMPARE(label->text(), QStringLiteral("Parallel downloads: 2"));
    // Icon-only buttons are named for assistive tools as their tooltips say.
    for (QToolButton* button : {down, up}) {
        QVERIFY(!button->toolTip().isEmpty());
        QCOMPARE(button->accessibleName(), button->toolTip());
    }

    for (int i = 0; i < 6; ++i)
        QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(label->text(), QStringLiteral("Parallel downloads: 6"));
    QCOMPARE(f.fileStore()->integer(PrefKey::parallel), std::optional<int>(6));
    QVERIFY(!up->isEnabled());
    QVERIFY(down->isEnabled());

    for (int i = 0; i < 7; ++i)
        QTest::mouseClick(down, Qt::LeftButton);
    QCOMPARE(label->text(), QStringLiteral("Parallel downloads: 1"));
    QCOMPARE(f.fileStore()->integer(PrefKey::parallel), std::optional<int>(1));
    QVERIFY(!down->isEnabled());
    QVERIFY(up->isEnabled());

    // A value stored by other means is shown unchanged; the stepper only
    // moves it back into its range.
    f.prefs.setValue(PrefKey::parallel, 9);
    QCOMPARE(label->text(), QStringLiteral("Parallel downloads: 9"));
    QVERIFY(!up->isEnabled());
    QTest::mouseClick(down, Qt::LeftButton);
    QCOMPARE(f.fileStore()->integer(PrefKey::parallel), std::optional<int>(6));

    f.prefs.setValue(PrefKey::parallel, 0);
    QCOMPARE(label->text(), QStringLiteral("Parallel downloads: 0"));
    QVERIFY(!down->isEnabled());
    QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(f.fileStore()->integer(PrefKey::parallel), std::optional<int>(1));
}

void TestSettingsWindow::subtitleLanguagesShowOnlyWithSubtitles()
{
    Fixture f;
    QVERIFY(f.show());
    auto* subs = f.child<QCheckBox>(PrefKey::subs);
    auto* row = f.child<QWidget>(QStringLiteral("subLangsRow"));
    auto* field = f.child<QLineEdit>(PrefKey::subLangs);
    QVERIFY(subs && row && field);
    QVERIFY(!row->isVisible());

    clickToggle(subs);
    QVERIFY(row->isVisible());
    QCOMPARE(field->text(), QStringLiteral("en.*,de.*"));

    // Written as it is typed, without any check.
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("fr"));
    QCOMPARE(f.fileStore()->string(PrefKey::subLangs),
             std::optional<QString>(QStringLiteral("fr")));
    QTest::keyClicks(field, QStringLiteral(",es-*?"));
    QCOMPARE(f.fileStore()->string(PrefKey::subLangs),
             std::optional<QString>(QStringLiteral("fr,es-*?")));

    clickToggle(subs);
    QVERIFY(!row->isVisible());
    QCOMPARE(f.fileStore()->string(PrefKey::subLangs),
             std::optional<QString>(QStringLiteral("fr,es-*?")));
    clickToggle(subs);
    QVERIFY(row->isVisible());
    QCOMPARE(field->text(), QStringLiteral("fr,es-*?"));
}

void TestSettingsWindow::folderRowUsesTheChooser()
{
    Fixture f;
    QVERIFY(f.show());
    auto* path = f.child<QLabel>(QStringLiteral("folderPath"));
    auto* change = f.child<QPushButton>(QStringLiteral("changeFolder"));
    QVERIFY(path && change);
    QCOMPARE(change->text(), QStringLiteral("Change\u2026"));
    const QString downloads = QDir::toNativeSeparators(f.env.downloadsDir());
    QCOMPARE(path->toolTip(), downloads);
    const QString shown = path->text();

    // Cancelling leaves everything as it was.
    QTest::mouseClick(change, Qt::LeftButton);
    QCOMPARE(f.chooser.startedIn, QStringList{f.env.downloadsDir()});
    QCOMPARE(f.chooser.acceptLabels, QStringList{QStringLiteral("Use Folder")});
    QCOMPARE(path->toolTip(), downloads);
    QCOMPARE(path->text(), shown);
    QVERIFY(!f.fileStore()->string(PrefKey::folder));

    // A short path shows whole.
    const QString videos = f.env.path(QStringLiteral("V"));
    f.chooser.answer = videos;
    QTest::mouseClick(change, Qt::LeftButton);
    QCOMPARE(f.fileStore()->string(PrefKey::folder), std::optional<QString>(videos));
    QCOMPARE(path->text(), QDir::toNativeSeparators(videos));
    QCOMPARE(path->toolTip(), QDir::toNativeSeparators(videos));

    // Too long for the row: shortened in the middle, whole in the tooltip.
    const QString deep = f.env.path(QString(QStringLiteral("very-long-folder-name/")).repeated(12) +
                                    QStringLiteral("end"));
    f.chooser.answer = deep;
    QTest::mouseClick(change, Qt::LeftButton);
    QCOMPARE(path->toolTip(), QDir::toNativeSeparators(deep));
    QVERIFY(path->text().contains(QChar(0x2026)));
    QVERIFY(path->text().endsWith(QStringLiteral("end")));
    QVERIFY(path->fontMetrics().horizontalAdvance(path->text()) <= path->contentsRect().width());
}

void TestSettingsWindow::engineRowsShowWhatIsInstalled()
{
    Fixture f;
    QVERIFY(f.show());
    auto* ytdlp = f.child<QLabel>(QStringLiteral("ytdlpVersion"));
    auto* ffmpeg = f.child<QLabel>(QStringLiteral("ffmpegState"));
    auto* deno = f.child<QLabel>(QStringLiteral("denoState"));
    QVERIFY(ytdlp && ffmpeg && deno);

    // The start-up run fails to install yt-dlp and none is found anywhere.
    f.model.startEngineCheck();
    QVERIFY(f.installer.finish(QStringLiteral("yt-dlp"), AppError{QStringLiteral("offline")}));
    QTRY_VERIFY_WITH_TIMEOUT(!f.model.engineBusy(), 10000);
    QCOMPARE(ytdlp->text(), QStringLiteral("not installed"));
    QCOMPARE(ffmpeg->text(), QStringLiteral("installs with your first download"));
    QCOMPARE(deno->text(), QStringLiteral("missing"));

    // ffmpeg only counts with ffprobe beside it.
    const QString support = f.env.supportDir();
    QVERIFY(
        !TestEnv::writeExecutable(support + QStringLiteral("/ffmpeg"), "#!/bin/sh\n").isEmpty());
    QVERIFY(!TestEnv::writeExecutable(support + QStringLiteral("/deno"), "#!/bin/sh\n").isEmpty());
    f.model.refreshBadge();
    QCOMPARE(ffmpeg->text(), QStringLiteral("installs with your first download"));
    QCOMPARE(deno->text(), QStringLiteral("installed"));
    QVERIFY(
        !TestEnv::writeExecutable(support + QStringLiteral("/ffprobe"), "#!/bin/sh\n").isEmpty());
    f.model.refreshBadge();
    QCOMPARE(ffmpeg->text(), QStringLiteral("installed"));
}

void TestSettingsWindow::updateNowRunsOneForcedEngineUpdate()
{
    Fixture f;
    QVERIFY(f.show());
    auto* update = f.child<QPushButton>(QStringLiteral("updateNow"));
    auto* spinner = f.child<QWidget>(QStringLiteral("engineSpinner"));
    auto* version = f.child<QLabel>(QStringLiteral("ytdlpVersion"));
    QVERIFY(update && spinner && version);
    QCOMPARE(update->text(), QStringLiteral("Update Now"));
    QVERIFY(update->isEnabled());
    QVERIFY(!spinner->isVisible());

    // Even with a fresh yt-dlp and deno in place, the button reinstalls both.
    FakeYtdlp ytdlp(f.env.supportDir());
    QVERIFY(!TestEnv::writeExecutable(f.env.supportDir() + QStringLiteral("/deno"), "#!/bin/sh\n")
                 .isEmpty());
    QTest::mouseClick(update, Qt::LeftButton);
    QCOMPARE(f.installer.calls, QStringList{QStringLiteral("yt-dlp")});
    QVERIFY(f.model.engineBusy());
    QVERIFY(!update->isEnabled());
    QVERIFY(spinner->isVisible());

    // A second press can't start another run.
    QTest::mouseClick(update, Qt::LeftButton);
    QCOMPARE(f.installer.calls, QStringList{QStringLiteral("yt-dlp")});

    QCOMPARE(version->text(), QStringLiteral("not installed"));
    QVERIFY(f.installer.finish(QStringLiteral("yt-dlp"), Done{},
                               [&] { ytdlp.answerVersion(QStringLiteral("2025.03.31")); }));
    QCOMPARE(f.installer.calls, (QStringList{QStringLiteral("yt-dlp"), QStringLiteral("deno")}));
    QVERIFY(!update->isEnabled());
    QVERIFY(f.installer.finish(QStringLiteral("deno"), Done{}));

    // When the run is over the new version shows and the button is back.
    QTRY_VERIFY_WITH_TIMEOUT(update->isEnabled(), 10000);
    QCOMPARE(version->text(), QStringLiteral("2025.03.31"));
    QVERIFY(!spinner->isVisible());
}

void TestSettingsWindow::fixedWindowFitsItsContent()
{
    Fixture f;
    f.prefs.setValue(PrefKey::subs, true);
    QVERIFY(f.show());
    QVERIFY(f.window.isWindow());
    QCOMPARE(f.window.windowModality(), Qt::NonModal);
    QCOMPARE(f.window.windowTitle(), QStringLiteral("Settings"));
    QCOMPARE(f.window.size(), QSize(520, 560));
    QCOMPARE(f.window.minimumSize(), f.window.maximumSize());
    // Busy, so the indicator shows too.
    f.child<QPushButton>(QStringLiteral("updateNow"))->click();
    QVERIFY(f.child<QWidget>(QStringLiteral("engineSpinner"))->isVisible());
    QCoreApplication::processEvents();
    const QString dir = QStringLiteral(REELCATCH_SCREENSHOT_DIR);
    QVERIFY(QDir().mkpath(dir));
    QVERIFY(f.window.grab().save(dir + QStringLiteral("/settings.png")));

    // Everything fits the fixed window without scrolling, and no control is
    // squeezed below the size it asks for.
    auto* scroll = f.window.findChild<QScrollArea*>();
    QVERIFY(scroll);
    QVERIFY(!scroll->verticalScrollBar()->isVisible());
    const QRect inside = scroll->viewport()->rect();
    const auto widgets = f.window.findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (!w->isVisible() || !(qobject_cast<QLabel*>(w) || qobject_cast<QCheckBox*>(w) ||
                                 qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w)))
            continue;
        const QRect box(w->mapTo(scroll->viewport(), QPoint(0, 0)), w->size());
        QVERIFY2(inside.contains(box), qPrintable(w->objectName()));
        if (w->objectName() == QStringLiteral("folderPath"))
            continue; // shortened on purpose
        QVERIFY2(w->height() >= w->minimumSizeHint().height(), qPrintable(w->objectName()));
        if (!qobject_cast<QLabel*>(w) || !static_cast<QLabel*>(w)->wordWrap())
            QVERIFY2(w->width() >= w->minimumSizeHint().width(), qPrintable(w->objectName()));
    }
}

QTEST_MAIN(TestSettingsWindow)
#include "tst_settingswindow.moc"
