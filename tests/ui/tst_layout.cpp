// Layout in every language and at every scale (run once as it is and once
// with QT_SCALE_FACTOR=2, on a 2560×1600 screen): every text of the main
// window and the settings window fits its widget, no window is larger than
// the screen, and the main window's size, place and splitter come back after
// a restart.
#include "AppShell.h"
#include "OneLineLabel.h"
#include "SettingsWindow.h"
#include "UiFixture.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QScreen>
#include <QSplitter>
#include <QTemporaryDir>
#include <QToolButton>

using namespace reelcatch;
using namespace reelcatch::test;

namespace {

// Texts cut off in `window`: a label, button or picker smaller than its size
// hint (a wrapped label: lower than its text), or reaching past an ancestor
// that doesn't scroll it; and the window past the screen's available area.
QStringList cutOff(QWidget& window, const QString& state)
{
    QStringList faults;
    const QRect screen = window.screen()->availableGeometry();
    if (!screen.contains(window.frameGeometry()))
        faults << u"%1: window %2 beyond the screen"_s.arg(state).arg(QDebug::toString(window.frameGeometry()));
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window) || qobject_cast<OneLineLabel*>(widget))
            continue;
        QString text;
        QSize need = widget->sizeHint();
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            text = label->text();
            if (label->wordWrap())
                need = {0, label->heightForWidth(label->width())};
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            auto* tool = qobject_cast<QToolButton*>(button);
            text = tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly ? QString() : button->text();
        } else if (auto* picker = qobject_cast<QComboBox*>(widget)) {
            text = picker->currentText();
        }
        if (text.isEmpty())
            continue;
        const auto fault = [&](const QString& what) {
            faults << u"%1: %2 \"%3\" %4"_s.arg(state, QString::fromLatin1(widget->metaObject()->className()), text, what);
        };
        if (need.width() > widget->width() + 1 || need.height() > widget->height() + 1)
            fault(u"needs %1×%2, has %3×%4"_s.arg(need.width()).arg(need.height()).arg(widget->width()).arg(widget->height()));
        bool scrolls = false; // vertically, inside a scroll area: only left and right count
        for (QWidget* inner = widget; inner != &window; inner = inner->parentWidget()) {
            QWidget* outer = inner->parentWidget();
            const QRect r = widget->geometry().translated(widget->parentWidget()->mapTo(outer, QPoint()));
            scrolls = scrolls || qobject_cast<QAbstractScrollArea*>(outer->parentWidget());
            if (r.left() < -1 || r.right() > outer->width() || (!scrolls && (r.top() < -1 || r.bottom() > outer->height()))) {
                fault(u"reaches past %1 (%2 in %3×%4)"_s.arg(QString::fromLatin1(outer->metaObject()->className()), QDebug::toString(r))
                          .arg(outer->width()).arg(outer->height()));
                break;
            }
        }
    }
    return faults;
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT
public:
    // A 2560×1600 screen: 1280×800 at twice the scale, as on a laptop.
    static void initMain()
    {
        static QTemporaryDir dir;
        QFile file(dir.filePath(u"screen.json"_s));
        if (qEnvironmentVariable("QT_QPA_PLATFORM") != u"offscreen"_s || !file.open(QIODevice::WriteOnly))
            return;
        file.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 2560, "height": 1600}]})");
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + file.fileName().toUtf8());
    }

private slots:
    void initTestCase() { TestEnv::isolateProcess(); }
    void textsFit_data();
    void textsFit();
    void windowComesBack();
};

void TestLayout::textsFit_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("en") << QLocale(QLocale::English);
    QTest::newRow("de") << QLocale(QLocale::German);
}

void TestLayout::textsFit()
{
    QFETCH(QLocale, locale);
    const std::unique_ptr<QObject> language = Translations::install(locale);
    Ui ui;
    ui.prefs.setValue(PrefKey::subs, true);
    ui.prefs.setValue(PrefKey::cookiesFrom, u"chrome"_s); // gone: its note shows
    QVERIFY(ui.showActive());
    QStringList faults = cutOff(ui.window, u"empty"_s);

    // A list, downloads under way and in error, the engine's banner.
    ui.model.lookup().setInput(u"https://example.org/list"_s);
    ui.model.lookup().fetch();
    QVERIFY(ui.answer(u"A playlist whose title is far longer than the window is wide, on and on"_s,
                      {u"a"_s, u"b"_s, u"c"_s}));
    ui.model.queue().enqueue({video(u"a"_s), video(u"b"_s), video(u"c"_s)}, Preset::p1080);
    ui.childFor(u"a"_s)->say(u"ERROR: Video unavailable"_s);
    ui.childFor(u"a"_s)->end(1);
    ui.model.startEngineCheck();
    QTest::qWait(50); // the layouts settle
    faults << cutOff(ui.window, u"busy"_s);

    SettingsWindow settings(ui.model, ui.chooser);
    settings.show();
    QVERIFY(QTest::qWaitForWindowExposed(&settings));
    QTRY_VERIFY_WITH_TIMEOUT(settings.findChild<QLabel*>(u"cookiesNote"_s)->isVisible(), 20000);
    QTest::qWait(50);
    faults << cutOff(settings, u"settings"_s);
    // Shown in full: no scrolling on a screen with room for it all.
    auto* updateNow = settings.findChild<QWidget*>(u"updateNow"_s);
    if (!settings.rect().contains(QRect(updateNow->mapTo(&settings, QPoint()), updateNow->size())))
        faults << u"settings: Update Now out of view"_s;
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestLayout::windowComesBack()
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
        QVERIFY(QTest::qWaitForWindowExposed(&shell.window()));
        shell.window().setGeometry(placed);
        shell.window().splitter()->setSizes({200, 300});
        split = shell.window().splitter()->sizes();
        QVERIFY(!shell.window().close());
        QVERIFY(quit);
        const QByteArray kept = ui.prefs.bytes(PrefKey::windowGeometry);

        // A window larger than the screen it comes back to keeps within it.
        shell.window().resize(screen.size() + QSize(400, 300));
        shell.window().move(screen.topLeft() + QPoint(100, 80));
        ui.prefs.setValue(PrefKey::windowGeometry, shell.window().saveGeometry());
        MainWindow big(ui.model, ui.thumbnails, ui.actions, ui.chooser);
        big.show();
        QVERIFY(QTest::qWaitForWindowExposed(&big));
        QVERIFY2(screen.contains(big.frameGeometry()), qPrintable(QDebug::toString(big.frameGeometry())));
        big.hide();
        // So does any dialog, however large it asks to be.
        QDialog dialog(&shell.window());
        dialog.setMinimumSize(screen.size() + QSize(300, 200));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY2(screen.contains(dialog.frameGeometry()), qPrintable(QDebug::toString(dialog.frameGeometry())));
        ui.prefs.setValue(PrefKey::windowGeometry, kept);
    }
    // The next start, from the file.
    ui.prefs.sync();
    Prefs reread(ui.env.settingsPath(), ui.env.downloadsDir());
    AppModel model(ui.engine, reread, ui.installer);
    MainWindow window(model, ui.thumbnails, ui.actions, ui.chooser);
    QCOMPARE(window.geometry(), placed);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.geometry(), placed);
    QCOMPARE(window.splitter()->sizes(), split);
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
