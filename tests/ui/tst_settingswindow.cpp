// The settings window: its toggles over the settings store, and the engine
// rows as the engine's readiness reports them; the layouts of both windows in
// English and German, as it is and with QT_SCALE_FACTOR=2 (a second run).
#include "UiFixture.h"
#include "ui/AppShell.h"
#include "ui/ClipDialog.h"
#include "ui/FormatDialog.h"
#include "ui/HistoryWindow.h"
#include "ui/HelpDialogs.h"
#include "ui/OneLineLabel.h"
#include "ui/SettingsWindow.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>

using namespace reelcatch;
using namespace reelcatch::test;

// Labels, buttons and pickers smaller than their size hint (wrapped: lower than
// their text) or reaching past the window; the window past the screen.
static QStringList cutOff(QWidget& window, const QString& state)
{
    QStringList faults;
    if (!window.screen()->availableGeometry().contains(window.frameGeometry()))
        faults << state + u": the window passes the screen"_s;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(widget);
        const QString text = label ? label->text() : widget->property(qobject_cast<QAbstractButton*>(widget) ? "text" : "currentText").toString();
        if (text.isEmpty() || !widget->isVisibleTo(&window) || qobject_cast<OneLineLabel*>(widget) ||
            (qobject_cast<QToolButton*>(widget) && static_cast<QToolButton*>(widget)->toolButtonStyle() == Qt::ToolButtonIconOnly))
            continue;
        const QSize need = label && label->wordWrap() ? QSize(0, label->heightForWidth(label->width())) : widget->sizeHint();
        // What a scrolling form holds reaches as far as the form (it scrolls into view).
        auto* area = window.findChild<QScrollArea*>();
        QWidget* frame = area && area->widget()->isAncestorOf(widget) ? area->widget() : &window;
        const QRect shown(widget->mapTo(frame, QPoint()), widget->size());
        if (need.width() > shown.width() + 1 || need.height() > shown.height() + 1 || !frame->rect().adjusted(-1, -1, 1, 1).contains(shown))
            faults << u"%1: %2 \"%3\" needs %4, has %5"_s.arg(state, QString::fromLatin1(widget->metaObject()->className()), text,
                                                              QDebug::toString(need), QDebug::toString(shown));
    }
    return faults;
}

// Counts the times the widgets it watches are resized or laid out anew.
struct Relayouts : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest;
        return false;
    }
};

class TestSettingsWindow : public QObject {
    Q_OBJECT
public:
    static void initMain() // a 2560×1600 screen: 1280×800 at twice the scale
    {
        static QTemporaryDir dir;
        QFile file(dir.filePath(u"screen.json"_s));
        if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && file.open(QIODevice::WriteOnly) &&
            file.write(R"({"screens": [{"width": 2560, "height": 1600}]})") > 0)
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + file.fileName().toUtf8());
    }

private slots:
    void initTestCase() { TestEnv::isolateProcess(); }
    void togglesShowAndStore();
    void engineRowsFollowReadiness();
    void accountSection();
    void namesAndNetwork();
    void dialogsByKeyboardAndNamed();
    void textsFit();
    void windowComesBack();
};

namespace {

// The controls (what takes focus or a click, frames, splitters and their
// handles) that the accessibility tree would list without a name.
QStringList unnamed(QWidget& window)
{
    QStringList found;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        auto* frame = qobject_cast<QFrame*>(w);
        const bool control = w->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton*>(w) ||
                             qobject_cast<QSplitterHandle*>(w) || (frame && !qobject_cast<QLabel*>(w));
        if (control && w->isVisibleTo(&window) && QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty())
            found << QString::fromLatin1(w->metaObject()->className()) + u' ' + w->objectName();
    }
    return found;
}

} // namespace

void TestSettingsWindow::togglesShowAndStore()
{
    Ui ui;
    SettingsWindow settings(ui.model, ui.chooser);
    settings.show();
    QVERIFY(QTest::qWaitForWindowExposed(&settings));
    QCOMPARE(settings.findChildren<QCheckBox*>().size(), 8 + 8); // and SponsorBlock's categories
    for (const Setting<bool>& key : {PrefKey::playlistFolders, PrefKey::autoPaste, PrefKey::h264, PrefKey::subs, PrefKey::autoSubs, PrefKey::subFiles, PrefKey::embedMeta, PrefKey::embedThumb}) {
        auto* toggle = settings.findChild<QCheckBox*>(QLatin1String(key.name));
        QCOMPARE(toggle->isChecked(), key.fallback);
        toggle->click();
        QCOMPARE(ui.prefs.value(key), !key.fallback);
    }
    // The subtitle languages show only while subtitles are on (clicked above).
    QVERIFY(settings.findChild<QWidget*>(u"subLangsRow"_s)->isVisible());
    // Subtitle languages by name, the system's ticked while none are stored; a stored pattern
    // the list lacks is kept, ticked, on top.
    auto* langs = settings.findChild<QListWidget*>(u"subLangs"_s);
    QCOMPARE(langs->findItems(u"English"_s, Qt::MatchExactly).first()->checkState(), Qt::Checked);
    ui.prefs.setValue(PrefKey::subLangs, u"pt-BR,de.*"_s);
    QCOMPARE(langs->item(0)->text(), u"pt-BR"_s);
    QCOMPARE(langs->findItems(u"English"_s, Qt::MatchExactly).first()->checkState(), Qt::Unchecked);
    langs->setFocus();
    langs->setCurrentItem(langs->findItems(u"Français"_s, Qt::MatchExactly).first());
    QTest::keyClick(langs, Qt::Key_Space);
    QCOMPARE(ui.prefs.value(PrefKey::subLangs), u"pt-BR,de.*,fr.*"_s);
    QCOMPARE(settings.findChild<QPushButton*>(u"subLangsButton"_s)->text(), u"pt-BR, Deutsch, \u2026"_s);
    // A change made elsewhere is read back; the languages stay while subtitles are saved as files.
    ui.prefs.setValue(PrefKey::subs, false);
    QVERIFY(!settings.findChild<QCheckBox*>(u"subs"_s)->isChecked());
    QVERIFY(settings.findChild<QWidget*>(u"subLangsRow"_s)->isVisible());
    ui.prefs.setValue(PrefKey::subFiles, false);
    QVERIFY(settings.findChild<QWidget*>(u"subLangsRow"_s)->isHidden());

    // The audio language: the original until one is picked; a stored one the list lacks by its code.
    auto* audio = settings.findChild<QComboBox*>(u"audioLang"_s);
    QCOMPARE(audio->currentText(), u"Original"_s);
    audio->setFocus();
    QTest::keyClick(audio, Qt::Key_Down);
    QCOMPARE(ui.prefs.value(PrefKey::audioLang), audio->currentData().toString());
    QVERIFY(!audio->currentData().toString().isEmpty());
    ui.prefs.setValue(PrefKey::audioLang, u"qaa"_s);
    QCOMPARE(audio->currentText(), u"qaa"_s);

    // SponsorBlock: an older stored toggle reads as removing its three categories; a picked
    // mode and categories are stored, a category the boxes lack is kept.
    auto* sponsor = settings.findChild<QComboBox*>(u"sponsorMode"_s);
    auto* categories = settings.findChild<QWidget*>(u"sponsorCatsRow"_s);
    QCOMPARE(sponsor->currentText(), u"Off"_s);
    QVERIFY(categories->isHidden());
    ui.prefs.setValue(PrefKey::sponsor, true);
    QCOMPARE(sponsor->currentText(), u"Remove"_s);
    QVERIFY(categories->isVisible());
    QStringList ticked;
    for (QCheckBox* box : categories->findChildren<QCheckBox*>())
        if (box->isChecked())
            ticked << box->objectName();
    QCOMPARE(ticked, QStringList({u"sponsorCat_sponsor"_s, u"sponsorCat_selfpromo"_s, u"sponsorCat_interaction"_s}));
    sponsor->setFocus();
    QTest::keyClick(sponsor, Qt::Key_Up);
    QCOMPARE(ui.prefs.value(PrefKey::sponsorMode), u"mark"_s);
    ui.prefs.setValue(PrefKey::sponsorCats, u"poi_highlight,sponsor"_s);
    settings.findChild<QCheckBox*>(u"sponsorCat_filler"_s)->click();
    QCOMPARE(ui.prefs.value(PrefKey::sponsorCats), u"poi_highlight,sponsor,filler"_s);

    auto* parallel = settings.findChild<QSpinBox*>(u"parallel"_s);
    QCOMPARE(parallel->value(), 2);
    parallel->setFocus();
    QTest::keyClick(parallel, Qt::Key_Up);
    QCOMPARE(ui.prefs.value(PrefKey::parallel), 3);
    ui.prefs.setValue(PrefKey::parallel, 9); // stored by hand: shown as it is
    QCOMPARE(parallel->value(), 9);
    ui.prefs.setValue(PrefKey::parallel, 3);

    // Everything written is in the file.
    ui.prefs.sync();
    Prefs reread(ui.env.settingsPath());
    QCOMPARE(reread.value(PrefKey::parallel), 3);
    QCOMPARE(reread.value(PrefKey::h264), !PrefKey::h264.fallback);

    // The folder: chosen where it is; cancelled or empty, nothing is stored.
    auto* change = settings.findChild<QPushButton*>(u"changeFolder"_s);
    int told = 0;
    ui.prefs.onChange(PrefKey::folder, &settings, [&told] { ++told; });
    change->click();
    ui.chooser.folder = QString();
    change->click();
    ui.chooser.folder = ui.env.path(u"Clips"_s);
    change->click();
    const QStringList asked{ui.env.downloadsDir(), u"Use Folder"_s};
    QCOMPARE(ui.chooser.askedFolder, asked + asked + asked);
    QCOMPARE(told, 1);
    QCOMPARE(settings.findChild<QLabel*>(u"folderPath"_s)->accessibleName(), *ui.chooser.folder);
    QCOMPARE(ui.window.findChild<QPushButton*>(u"folder"_s)->text(), u"Clips"_s); // the header bar's too
    ui.prefs.setValue(PrefKey::preset, Preset::m4a); // and its preset
    QCOMPARE(ui.window.findChild<QComboBox*>(u"preset"_s)->currentData(), u"m4a"_s);
    ui.prefs.sync();
    QCOMPARE(Prefs(ui.env.settingsPath()).value(PrefKey::folder), *ui.chooser.folder);
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
    auto* picker = settings.findChild<QComboBox*>(u"cookiesFrom"_s);
    QTRY_COMPARE_WITH_TIMEOUT(picker->count(), 4, 20000);
    const QStringList expected{u"None"_s, u"Firefox"_s, u"Firefox (Flatpak)"_s, u"A cookies file\u2026"_s};
    QStringList items;
    for (int i = 0; i < picker->count(); ++i)
        items << picker->itemText(i);
    QCOMPARE(items, expected);
    emit picker->activated(picker->findText(u"Firefox (Flatpak)"_s));
    QCOMPARE(ui.prefs.value(PrefKey::cookiesFrom), u"firefox"_s);
    QCOMPARE(ui.prefs.value(PrefKey::cookiesProfile), flatpak);
    QCOMPARE(picker->currentText(), u"Firefox (Flatpak)"_s);

    // A cancelled file choice keeps the browser; a chosen file replaces it.
    emit picker->activated(picker->count() - 1);
    QCOMPARE(ui.prefs.value(PrefKey::cookiesFrom), u"firefox"_s);
    ui.chooser.file = TestEnv::writeFile(home + u"/c.txt"_s, "");
    emit picker->activated(picker->count() - 1);
    QCOMPARE(ui.chooser.asked, QStringList(2, QDir::homePath()));
    QCOMPARE(ui.prefs.value(PrefKey::cookiesFrom), u"file"_s);
    QCOMPARE(ui.prefs.value(PrefKey::cookiesFile), *ui.chooser.file);
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

// The name picker's examples come from the listed rows; a template is stored
// only once it can be used, and so is a proxy; a playlist's rows go to its folder.
void TestSettingsWindow::namesAndNetwork()
{
    Ui ui;
    SettingsWindow settings(ui.model, ui.chooser);
    settings.show();
    QVERIFY(QTest::qWaitForWindowExposed(&settings));
    auto* picker = settings.findChild<QComboBox*>(u"nameStyle"_s);
    auto* custom = settings.findChild<QLineEdit*>(u"nameCustom"_s);
    auto* problem = settings.findChild<QLabel*>(u"nameProblem"_s);
    QCOMPARE(picker->currentIndex(), 0);
    QVERIFY(custom->isHidden());
    ui.model.lookup().setInput(u"https://example.org/list"_s);
    ui.model.lookup().fetch();
    QVERIFY(ui.answer(u"Mix"_s, {u"a"_s, u"b"_s}));
    QVERIFY2(picker->itemText(0).endsWith(u"Title a [a].mp4"_s), qPrintable(picker->itemText(0)));
    QVERIFY2(picker->itemText(2).endsWith(u"Channel \u2013 Title a.mp4"_s), qPrintable(picker->itemText(2)));

    picker->setFocus();
    QTest::keyClick(picker, Qt::Key_End);
    QCOMPARE(ui.prefs.value(PrefKey::nameStyle), u"custom"_s);
    QVERIFY(custom->isVisible() && custom->hasFocus());
    for (const QString& refused : {u"../%(title)s"_s, u"%(title)s %(nope)s"_s}) {
        custom->clear();
        QTest::keyClicks(custom, refused);
        QVERIFY2(problem->isVisible() && problem->text().endsWith(u'.'), qPrintable(refused));
        QVERIFY(ui.prefs.value(PrefKey::nameCustom) != refused);
    }
    QVERIFY(problem->text().contains(u"nope"_s));
    custom->clear();
    QTest::keyClicks(custom, u"%(title)s %(height)sp"_s);
    QVERIFY(problem->isHidden());
    QCOMPARE(ui.prefs.value(PrefKey::nameCustom), u"%(title)s %(height)sp"_s);
    settings.findChild<QCheckBox*>(u"playlistFolders"_s)->click();
    QCOMPARE(settings.findChild<QLabel*>(u"namePreview"_s)->text(),
             u"For example: Mix/001 \u2013 Title a {height}p.mp4"_s);
    ui.model.enqueueSelected(Preset::p1080);
    QCOMPARE(ui.model.queue().downloads().constLast()->playlistPlace(), PlaylistPlace({u"Mix"_s, 1}));
    const QStringList args = ui.childFor(u"b"_s)->spec.arguments;
    QCOMPARE(args.value(args.indexOf(u"-o"_s) + 1), u"Mix/002 \u2013 %(title)s %(height)sp.%(ext)s"_s);

    auto* proxy = settings.findChild<QLineEdit*>(u"proxy"_s);
    QTest::keyClicks(proxy, u"localhost:3128"_s);
    QVERIFY(settings.findChild<QLabel*>(u"proxyProblem"_s)->isVisible());
    QCOMPARE(ui.prefs.value(PrefKey::proxy), QString());
    proxy->clear();
    QTest::keyClicks(proxy, u"socks5://127.0.0.1:1080"_s);
    QVERIFY(settings.findChild<QLabel*>(u"proxyProblem"_s)->isHidden());
    QCOMPARE(ui.prefs.value(PrefKey::proxy), u"socks5://127.0.0.1:1080"_s);
    settings.findChild<QSpinBox*>(u"rateLimit"_s)->setValue(3);
    QCOMPARE(ui.prefs.value(PrefKey::rateLimit), 3);
}

void TestSettingsWindow::dialogsByKeyboardAndNamed()
{
    Ui ui;
    QVERIFY(ui.showActive());
    ui.model.lookup().setInput(u"https://example.org/list"_s);
    ui.model.lookup().fetch();
    QVERIFY(ui.answer(u"Mix"_s, {u"a"_s})); // results and downloads both show
    ui.model.queue().enqueue({video(u"a"_s)}, Preset::p720);
    QCOMPARE(unnamed(ui.window).join(u","), QString());

    SettingsWindow settings(ui.model, ui.chooser);
    QCOMPARE(QAccessible::queryAccessibleInterface(&settings)->role(), QAccessible::Dialog);
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        settings.show();
        settings.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&settings));
        QCOMPARE(unnamed(settings).join(u","), QString());
        QTest::keySequence(QApplication::focusWidget() ? QApplication::focusWidget() : &settings, keys);
        QVERIFY2(settings.isHidden(), qPrintable(keys.toString()));
    }

    // The Help menu: the shortcuts as a table, and where the app keeps its files.
    ui.window.shortcutsAction()->trigger();
    QTableWidget* table = ui.window.shortcutsDialog()->findChild<QTableWidget*>();
    QVERIFY(table->findItems(u"Ctrl+Return"_s, Qt::MatchExactly).size() == 1);
    ui.window.aboutAction()->trigger();
    AboutDialog* about = ui.window.aboutDialog();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QCOMPARE(unnamed(*about), QStringList());
    const auto shown = [&](const char* name) { return about->findChild<QLabel*>(QLatin1String(name))->text(); };
    QCOMPARE(shown("ytdlpVersion"), u"not installed"_s);
    QCOMPARE(shown("ffmpegState"), u"installed"_s);
    QCOMPARE(shown("settingsFile"), QDir::toNativeSeparators(ui.env.settingsPath()));
    QCOMPARE(shown("toolsFolder"), QDir::toNativeSeparators(ui.env.supportDir()));
    QCOMPARE(shown("thumbnailCache"), QDir::toNativeSeparators(ui.env.path(u"thumbnails"_s)));
    QTest::keySequence(about, QKeySequence(Qt::CTRL | Qt::Key_W));
    QTRY_VERIFY(!ui.window.aboutDialog()); // closed, and gone
}

void TestSettingsWindow::textsFit()
{
    // English, and every language Reelcatch is translated into.
    QStringList languages{u"en"_s};
    for (const QString& file : QDir(u":/i18n"_s).entryList({u"reelcatch_*.qm"_s}))
        if (file != u"reelcatch_en.qm")
            languages << file.mid(10).chopped(3);
    QVERIFY(languages.contains(u"de"_s));
    for (const QString& language : std::as_const(languages)) {
        const std::unique_ptr<QObject> translation = Translations::install(QLocale(language));
        Ui ui;
        ui.prefs.setValue(PrefKey::subs, true);
        ui.prefs.setValue(PrefKey::cookiesFrom, u"chrome"_s); // gone: its note shows
        ui.prefs.setValue(PrefKey::nameStyle, u"custom"_s);    // its example shows
        ui.prefs.setValue(PrefKey::nameCustom, u"%(uploader)s/%(title)s [%(id)s]"_s);
        QVERIFY(ui.showActive());
        QStringList faults = cutOff(ui.window, language + u" empty"_s);
        // A list with a long title, downloads running and failed, the engine banner.
        ui.model.lookup().setInput(u"https://example.org/list"_s);
        ui.model.lookup().fetch();
        QVERIFY(ui.answer(u"A playlist whose title is far longer than the window is wide, on and on"_s, {u"a"_s, u"b"_s, u"c"_s}));
        ui.model.queue().enqueue({video(u"a"_s), video(u"b"_s), video(u"c"_s)}, Preset::p1080);
        ui.childFor(u"a"_s)->end(1);
        ui.model.startEngineCheck();
        QTest::qWait(50); // the layouts settle
        faults << cutOff(ui.window, language + u" busy"_s);

        SettingsWindow settings(ui.model, ui.chooser);
        settings.show();
        QVERIFY(QTest::qWaitForWindowExposed(&settings));
        QTRY_VERIFY_WITH_TIMEOUT(settings.findChild<QLabel*>(u"cookiesNote"_s)->isVisible(), 20000);
        QTest::keyClicks(settings.findChild<QLineEdit*>(u"proxy"_s), u"localhost:3128"_s); // its problem shows
        QTest::qWait(50);
        faults << cutOff(settings, language + u" settings"_s);
        // Settled, it keeps its size and layout; made low, its form scrolls and every note still fits.
        Relayouts relayouts;
        settings.installEventFilter(&relayouts);
        settings.findChild<QScrollArea*>()->widget()->installEventFilter(&relayouts);
        QTest::qWait(150);
        relayouts.count = 0;
        QTest::qWait(100);
        // A late event or two under load is no loop: a loop lays out dozens of times.
        if (relayouts.count > 4)
            faults << language + u" settings: laid out %1 times at rest"_s.arg(relayouts.count);
        settings.resize(settings.width(), settings.height() / 2);
        QTest::qWait(50);
        faults << cutOff(settings, language + u" settings, low"_s);
        AboutDialog about(ui.model, ui.thumbnails, &ui.window);
        ClipDialog clip(video(u"a"_s), Preset::p1080, &ui.window);
        FormatDialog formats(ui.model, video(u"a"_s), Preset::p1080, &ui.window); // asking
        ui.window.historyAction()->trigger();
        const std::pair<QWidget*, const char*> others[] = {
            {&about, " about"}, {&clip, " clip"}, {&formats, " formats"}, {ui.window.historyWindow(), " history"}};
        for (const auto& [other, name] : others) {
            other->show();
            QVERIFY(QTest::qWaitForWindowExposed(other));
            QTest::qWait(20);
            faults << cutOff(*other, language + QLatin1String(name));
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
}

void TestSettingsWindow::windowComesBack()
{
    Ui ui;
    const QRect screen = ui.window.screen()->availableGeometry();
    const QRect placed(screen.topLeft() + QPoint(40, 30), QSize(820, 640));
    QList<int> split;
    {
        // Closing the window without a tray quits, which keeps its layout.
        AppShell shell(ui.model, ui.thumbnails, ui.actions, ui.chooser, nullptr, false);
        bool quit = false;
        shell.setQuitHandler([&] { quit = true; });
        shell.showWindow();
        shell.window().setGeometry(placed);
        QVERIFY(QTest::qWaitForWindowExposed(&shell.window()));
        shell.window().findChild<QSplitter*>()->setSizes({200, 300});
        split = shell.window().findChild<QSplitter*>()->sizes();
        QVERIFY(!shell.window().close() && quit);
        // Any dialog keeps within the screen, however large it asks to be.
        QDialog dialog(&shell.window());
        dialog.setMinimumSize(screen.size() + QSize(300, 200));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog) && screen.contains(dialog.frameGeometry()));
    }
    // The next start, from the file.
    ui.prefs.sync();
    Prefs reread(ui.env.settingsPath(), ui.env.downloadsDir());
    AppModel model(ui.engine, reread, ui.installer);
    MainWindow window(model, ui.thumbnails, ui.actions, ui.chooser);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.geometry(), placed);
    QCOMPARE(window.findChild<QSplitter*>()->sizes(), split);
}

QTEST_MAIN(TestSettingsWindow)
#include "tst_settingswindow.moc"
