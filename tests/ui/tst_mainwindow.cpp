// The main window driven through its real widgets, offscreen, over a model
// whose yt-dlp is the scripted fake.
#include "Appearance.h"
#include "BusyIndicator.h"
#include "DownloadsList.h"
#include "Icons.h"
#include "OneLineLabel.h"
#include "ResultsList.h"
#include "WindowFixture.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QSplitter>
#include <QStandardItemModel>
#include <QToolButton>

using namespace reelcatch;

namespace {

const QString dot = QStringLiteral(" \u00B7 ");

void dropOn(QWidget& target, QMimeData* data, bool* accepted = nullptr)
{
    const QPoint pos = target.rect().center();
    QDragEnterEvent enter(pos, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    QDropEvent drop(QPointF(pos), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
    if (accepted)
        *accepted = enter.isAccepted() && drop.isAccepted();
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(); }
    void sizesAndFocus();
    void tabOrderAndAccessibleNames();
    void fetchButtonRule_data();
    void fetchButtonRule();
    void returnLooksUpAndAccessoryFollowsState();
    void clearButtonEmptiesInOrder();
    void resultsBar_data();
    void resultsBar();
    void selectAllDownloadAndShortcut();
    void emptyStateAndErrors();
    void presetPickerOrderAndPersistence();
    void folderButton();
    void downloadsPane();
    void engineBanner();
    void dropHandling();
    void clipboardOnShowAndActivation();
    void everySymbolShowsWithoutATheme();
};

void TestMainWindow::sizesAndFocus()
{
    WindowFixture f;
    QVERIFY(f.showActive());
    QCOMPARE(f.window.windowTitle(), QStringLiteral("Reelcatch"));
    QCOMPARE(f.window.size(), QSize(900, 720));
    // The content never gets smaller than 760 by 560.
    f.window.resize(300, 200);
    QTRY_COMPARE(f.window.centralWidget()->size(), QSize(760, 560));
    f.window.resize(900, 720);
    QTRY_COMPARE(f.window.size(), QSize(900, 720));
    QTRY_COMPARE(f.downloads().height(), 240);

    // Neither pane can be dragged below its minimum.
    f.window.splitter()->setSizes({10, 2000});
    QVERIFY(f.results().height() >= 200);
    f.window.splitter()->setSizes({2000, 10});
    QVERIFY(f.downloads().height() >= 140);

    QTRY_VERIFY(f.input().hasFocus());
}

void TestMainWindow::tabOrderAndAccessibleNames()
{
    WindowFixture f;
    f.setResults(3, 1);
    f.model.setInput(QStringLiteral("cats"));
    QVERIFY(f.showActive());
    QTRY_VERIFY(f.input().hasFocus());
    const QList<QWidget*> order{f.header().fetchButton(), f.header().presetPicker(),
                                f.header().folderButton(), f.results().list()};
    for (QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), next);
    }

    // Every button that shows only an icon is named for assistive tools.
    int iconOnly = 0;
    for (QAbstractButton* button : f.window.findChildren<QAbstractButton*>()) {
        if (!button->text().isEmpty() || button->icon().isNull() ||
            button->objectName().startsWith(QLatin1String("qt_")))
            continue;
        ++iconOnly;
        QVERIFY2(!button->toolTip().isEmpty(), qPrintable(button->objectName()));
        QCOMPARE(button->accessibleName(), button->toolTip());
    }
    QVERIFY(iconOnly >= 1);
    QCOMPARE(f.header().clearButton()->accessibleName(), QStringLiteral("Clear"));
}

void TestMainWindow::fetchButtonRule_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("spaces") << QStringLiteral("   ") << false;
    QTest::newRow("tabs and spaces") << QStringLiteral("\t  \t") << false;
    QTest::newRow("no-break space") << QStringLiteral("\u00A0\u2003") << false;
    QTest::newRow("line break stays") << QStringLiteral(" \n ") << true;
    QTest::newRow("words") << QStringLiteral("  lofi beats  ") << true;
}

void TestMainWindow::fetchButtonRule()
{
    QFETCH(QString, input);
    QFETCH(bool, enabled);
    WindowFixture f;
    f.model.setInput(input);
    QCOMPARE(f.input().text(), input);
    QCOMPARE(f.header().fetchButton()->isEnabled(), enabled);
}

void TestMainWindow::returnLooksUpAndAccessoryFollowsState()
{
    WindowFixture f;
    f.fake.sleepMs(600).printJsonToStdout(
        playlistAnswer(QStringLiteral("P"), {entry(QStringLiteral("a"), QStringLiteral("A"))}));
    QVERIFY(f.showActive());
    QLineEdit& input = f.input();
    QVERIFY(f.header().spinner()->isHidden());
    QVERIFY(f.header().clearButton()->isHidden());

    // Typing goes to the model; Ctrl+Return in the input looks nothing up.
    QTest::keyClicks(&input, QStringLiteral("lofi"));
    QCOMPARE(f.model.input(), QStringLiteral("lofi"));
    QVERIFY(f.header().clearButton()->isVisible());
    QTest::keyClick(&input, Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(!f.model.isFetching());
    QCOMPARE(f.fake.callCount(), 0);

    QTest::keyClick(&input, Qt::Key_Return);
    QVERIFY(f.model.isFetching());
    QVERIFY(!f.header().fetchButton()->isEnabled());
    QVERIFY(f.header().spinner()->isVisible());
    QVERIFY(f.header().spinner()->isSpinning());
    QVERIFY(f.header().clearButton()->isHidden());
    // Return while a lookup runs reaches the model, which starts no second one.
    QTest::keyClick(&input, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(!f.model.isFetching(), 20000);
    QCOMPARE(f.fake.callCount(), 1);
    QVERIFY(f.header().spinner()->isHidden());
    QVERIFY(f.header().clearButton()->isVisible());

    // The Fetch button does the same as Return.
    QTest::mouseClick(f.header().fetchButton(), Qt::LeftButton);
    QVERIFY(f.model.isFetching());
    QTRY_VERIFY_WITH_TIMEOUT(!f.model.isFetching(), 20000);
    QCOMPARE(f.fake.callCount(), 2);
}

void TestMainWindow::clearButtonEmptiesInOrder()
{
    WindowFixture f;
    f.fake.err(QStringLiteral("ERROR: Private video")).exitWith(1);
    f.setResults(2, 2);
    QVERIFY(f.lookUp(QStringLiteral("https://example.org/x")));
    QCOMPARE(f.model.fetchError().value_or(QString()), QStringLiteral("Private video"));
    QVERIFY(f.showActive());
    QVERIFY(f.results().showsResults());
    QVERIFY(f.results().errorLine()->isVisible());

    QStringList order;
    connect(&f.model, &AppModel::inputChanged, this, [&] { order << QStringLiteral("input"); });
    connect(&f.model, &AppModel::resultsChanged, this, [&] { order << QStringLiteral("results"); });
    connect(&f.model, &AppModel::fetchErrorChanged, this,
            [&] { order << QStringLiteral("fetchError"); });
    QTest::mouseClick(f.header().clearButton(), Qt::LeftButton);
    QCOMPARE(order, (QStringList{QStringLiteral("input"), QStringLiteral("results"),
                                 QStringLiteral("fetchError")}));
    QVERIFY(f.model.input().isEmpty());
    QVERIFY(f.input().text().isEmpty());
    QVERIFY(f.model.results().isEmpty());
    QVERIFY(!f.model.fetchError());
    // Back to the empty state with its invitation, and no accessory.
    QVERIFY(!f.results().showsResults());
    QVERIFY(f.results().startTitle()->isVisible());
    QVERIFY(f.results().emptyError()->isHidden());
    QVERIFY(f.header().clearButton()->isHidden());
}

void TestMainWindow::resultsBar_data()
{
    QTest::addColumn<int>("results");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("toggle"); // empty: no button
    QTest::addColumn<QString>("download");
    QTest::addColumn<bool>("downloadEnabled");
    QTest::newRow("one, none") << 1 << 0
                               << QStringLiteral("1 video") + dot + QStringLiteral("0 selected")
                               << QString() << QStringLiteral("Download") << false;
    QTest::newRow("one, ticked") << 1 << 1
                                 << QStringLiteral("1 video") + dot + QStringLiteral("1 selected")
                                 << QString() << QStringLiteral("Download") << true;
    QTest::newRow("two, none") << 2 << 0
                               << QStringLiteral("2 videos") + dot + QStringLiteral("0 selected")
                               << QStringLiteral("Select All") << QStringLiteral("Download")
                               << false;
    QTest::newRow("three, all") << 3 << 3
                                << QStringLiteral("3 videos") + dot + QStringLiteral("3 selected")
                                << QStringLiteral("Select None") << QStringLiteral("Download 3")
                                << true;
    QTest::newRow("twelve, three")
        << 12 << 3 << QStringLiteral("12 videos") + dot + QStringLiteral("3 selected")
        << QStringLiteral("Select All") << QStringLiteral("Download 3") << true;
}

void TestMainWindow::resultsBar()
{
    QFETCH(int, results);
    QFETCH(int, selected);
    QFETCH(QString, count);
    QFETCH(QString, toggle);
    QFETCH(QString, download);
    QFETCH(bool, downloadEnabled);
    WindowFixture f;
    QVERIFY(f.showActive());
    f.setResults(results, selected);
    QVERIFY(f.results().showsResults());
    QCOMPARE(f.results().count()->text(), count);
    QCOMPARE(f.results().selectAllButton()->isVisible(), !toggle.isEmpty());
    if (!toggle.isEmpty())
        QCOMPARE(f.results().selectAllButton()->text(), toggle);
    QCOMPARE(f.results().downloadButton()->text(), download);
    QCOMPARE(f.results().downloadButton()->isEnabled(), downloadEnabled);
    // Without a lookup there is no title line.
    QVERIFY(f.results().title()->isHidden());
}

void TestMainWindow::selectAllDownloadAndShortcut()
{
    WindowFixture f(false); // no ffmpeg: jobs wait, no process starts
    f.fake.printJsonToStdout(
        playlistAnswer(QStringLiteral("Mix"), {entry(QStringLiteral("a"), QStringLiteral("A")),
                                               entry(QStringLiteral("b"), QStringLiteral("B")),
                                               entry(QStringLiteral("c"), QStringLiteral("C"))}));
    QVERIFY(f.lookUp(QStringLiteral("https://example.org/list")));
    QVERIFY(f.showActive());
    QCOMPARE(f.results().title()->text(), QStringLiteral("Mix"));
    QVERIFY(f.results().title()->isVisible());
    QPushButton* toggle = f.results().selectAllButton();
    QPushButton* download = f.results().downloadButton();
    QCOMPARE(toggle->text(), QStringLiteral("Select None"));

    QTest::mouseClick(toggle, Qt::LeftButton);
    QVERIFY(f.model.selected().isEmpty());
    QVERIFY(!download->isEnabled());
    QCOMPARE(toggle->text(), QStringLiteral("Select All"));
    // Ctrl+Return does nothing while the button is disabled.
    QTest::keyClick(&f.input(), Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(f.model.downloads().isEmpty());
    QVERIFY(!f.model.isFetching());

    // Select All takes every id, whatever was ticked before.
    f.model.setSelected({QStringLiteral("b")});
    QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(f.model.selected(),
             (QSet<QString>{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));

    // Ctrl+Return downloads the ticked items with the picker's preset.
    f.model.setSelected({QStringLiteral("a"), QStringLiteral("c")});
    f.header().presetPicker()->setCurrentIndex(
        f.header().presetPicker()->findData(Preset(Preset::m4a).rawValue()));
    QTest::keyClick(&f.input(), Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(f.model.downloads().size(), 2);
    for (const DownloadPtr& job : f.model.downloads())
        QCOMPARE(job->preset(), Preset(Preset::m4a));
    QVERIFY(f.job(QStringLiteral("a")) && f.job(QStringLiteral("c")));

    // The button does the same, with the preset chosen at that moment.
    f.header().presetPicker()->setCurrentIndex(
        f.header().presetPicker()->findData(Preset(Preset::p480).rawValue()));
    QTest::mouseClick(download, Qt::LeftButton);
    QCOMPARE(f.model.downloads().size(), 4);
    QCOMPARE(f.model.downloads().first()->preset(), Preset(Preset::p480));
    QTRY_VERIFY(f.downloads().showsList());
    QCOMPARE(f.downloads().list()->model()->rowCount(), 4);
}

void TestMainWindow::emptyStateAndErrors()
{
    WindowFixture f;
    f.fake.onCall(1)
        .sleepMs(500)
        .err(QStringLiteral("ERROR: Unsupported URL: https://x.test/"))
        .exitWith(1);
    f.fake.onCall(2).printJsonToStdout(
        playlistAnswer(QStringLiteral("P"), {entry(QStringLiteral("a"), QStringLiteral("A"))}));
    f.fake.otherwise().err(QStringLiteral("ERROR: HTTP Error 404: Not Found")).exitWith(1);
    QVERIFY(f.showActive());
    ResultsPane& pane = f.results();
    QVERIFY(!pane.showsResults());
    QVERIFY(pane.startTitle()->isVisible());
    QCOMPARE(pane.startTitle()->text(), QStringLiteral("Paste a link to get started"));
    QCOMPARE(pane.startHint()->text(),
             QStringLiteral("Copy a YouTube link anywhere and switch back here, it loads "
                            "automatically.\nYou can also drag a link onto this window, or type "
                            "words to search YouTube."));
    QVERIFY(pane.lookingUp()->isHidden());

    f.model.setInput(QStringLiteral("https://x.test/"));
    f.model.fetch();
    QVERIFY(pane.lookingUp()->isVisible());
    QCOMPARE(pane.lookingUp()->text(), QStringLiteral("Looking it up\u2026"));
    QVERIFY(pane.startTitle()->isHidden());

    // The error takes the invitation's place, in red and selectable.
    QTRY_VERIFY_WITH_TIMEOUT(!f.model.isFetching(), 20000);
    QVERIFY(pane.emptyError()->isVisible());
    QCOMPARE(pane.emptyError()->text(), QStringLiteral("Unsupported URL: https://x.test/"));
    QVERIFY(pane.emptyError()->textInteractionFlags() & Qt::TextSelectableByMouse);
    QCOMPARE(pane.emptyError()->palette().color(QPalette::WindowText), Appearance::red());
    QVERIFY(pane.startTitle()->isHidden() && pane.startHint()->isHidden());
    QVERIFY(pane.lookingUp()->isHidden());

    // Results replace the empty state; a later failure shows above them.
    QVERIFY(f.lookUp(QStringLiteral("https://example.org/p")));
    QVERIFY(pane.showsResults());
    QVERIFY(pane.errorLine()->isHidden());
    QVERIFY(f.lookUp(QStringLiteral("https://example.org/gone")));
    QVERIFY(pane.showsResults());
    QCOMPARE(f.model.results().size(), 1);
    QVERIFY(pane.errorLine()->isVisible());
    QCOMPARE(pane.errorLine()->text(), QStringLiteral("HTTP Error 404: Not Found"));
    QVERIFY(pane.errorLine()->geometry().bottom() <= pane.list()->geometry().top());
}

void TestMainWindow::presetPickerOrderAndPersistence()
{
    QStringList expected;
    for (Preset::Case c :
         {Preset::best, Preset::p2160, Preset::p1440, Preset::p1080, Preset::p720, Preset::p480})
        expected << Preset(c).label();
    expected << QString(); // the separator
    expected << Preset(Preset::mp3).label() << Preset(Preset::m4a).label();

    {
        WindowFixture f;
        const QString settingsPath = f.env.settingsPath();
        QComboBox* picker = f.header().presetPicker();
        QStringList shown;
        for (int i = 0; i < picker->count(); ++i)
            shown << picker->itemText(i);
        QCOMPARE(shown, expected);
        QVERIFY(picker->itemData(6, Qt::AccessibleDescriptionRole).toString() ==
                QStringLiteral("separator"));
        QCOMPARE(picker->width(), 150);
        QCOMPARE(picker->toolTip(), QStringLiteral("Quality / format for new downloads"));
        // Nothing stored: 1080p.
        QCOMPARE(f.window.preset(), Preset(Preset::p1080));
        QCOMPARE(picker->currentText(), Preset(Preset::p1080).label());

        picker->setCurrentIndex(picker->findData(Preset(Preset::mp3).rawValue()));
        QCOMPARE(f.window.preset(), Preset(Preset::mp3));
        QCOMPARE(f.prefs.preset(), Preset(Preset::mp3));
        f.prefs.sync();

        // A value stored elsewhere shows at once.
        f.prefs.setValue(PrefKey::preset, Preset(Preset::p720).rawValue());
        QCOMPARE(picker->currentText(), Preset(Preset::p720).label());
        f.prefs.setValue(PrefKey::preset, Preset(Preset::mp3).rawValue());
        f.prefs.sync();

        // A new start reads the stored preset back.
        Prefs again(settingsPath);
        AppModel model(f.engine, again, f.installer);
        HeaderBar header(model, f.chooser);
        QCOMPARE(header.preset(), Preset(Preset::mp3));
        QCOMPARE(header.presetPicker()->currentText(), Preset(Preset::mp3).label());
    }
}

void TestMainWindow::folderButton()
{
    WindowFixture f;
    QPushButton* button = f.header().folderButton();
    const QString start = f.env.downloadsDir();
    QCOMPARE(button->text(), QStringLiteral("Downloads"));
    QCOMPARE(button->toolTip(), QStringLiteral("Save to: ") + start);
    QVERIFY(!button->icon().isNull());

    // Cancelled: nothing changes.
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(f.chooser.startDirs, QStringList{start});
    QCOMPARE(f.chooser.labels, QStringList{QStringLiteral("Use Folder")});
    QCOMPARE(button->text(), QStringLiteral("Downloads"));

    const QString chosen = f.env.path(QStringLiteral("Media/Clips"));
    QVERIFY(QDir().mkpath(chosen));
    f.chooser.answer = chosen;
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(button->text(), QStringLiteral("Clips"));
    QCOMPARE(button->toolTip(), QStringLiteral("Save to: ") + chosen);
    QCOMPARE(f.chooser.startDirs.last(), start);
}

void TestMainWindow::downloadsPane()
{
    WindowFixture f(false); // no ffmpeg: every job waits for it, no process starts
    QVERIFY(f.showActive());
    DownloadsPane& pane = f.downloads();
    QVERIFY(!pane.showsList());
    QVERIFY(pane.emptyText()->isVisible());
    QCOMPARE(pane.emptyText()->text(), QStringLiteral("Nothing here yet."));
    QVERIFY(pane.summaryLabel()->isHidden());
    QVERIFY(!pane.clearFinishedButton()->isEnabled());

    f.model.enqueue({videoItem(QStringLiteral("a")), videoItem(QStringLiteral("b")),
                     videoItem(QStringLiteral("c")), videoItem(QStringLiteral("d"))},
                    Preset::p720);
    QVERIFY(pane.showsList());
    QCOMPARE(pane.summaryLabel()->text(), QStringLiteral("4 queued"));
    QVERIFY(!pane.clearFinishedButton()->isEnabled());

    // The pane follows the model's change signal, not each job.
    f.job(QStringLiteral("a"))->setPhase(Download::Phase::downloading());
    f.job(QStringLiteral("b"))->setPhase(Download::Phase::processing());
    f.model.refreshBadge();
    QCOMPARE(pane.summaryLabel()->text(),
             QStringLiteral("2 downloading") + dot + QStringLiteral("2 queued"));
    QVERIFY(!pane.clearFinishedButton()->isEnabled());

    f.job(QStringLiteral("c"))->setPhase(Download::Phase::cancelled());
    f.job(QStringLiteral("d"))->setPhase(Download::Phase::failed(QStringLiteral("x")));
    f.model.refreshBadge();
    QCOMPARE(pane.summaryLabel()->text(), QStringLiteral("2 downloading"));
    QVERIFY(pane.clearFinishedButton()->isEnabled());

    f.job(QStringLiteral("a"))->setPhase(Download::Phase::done());
    f.job(QStringLiteral("b"))->setPhase(Download::Phase::done());
    f.model.refreshBadge();
    QVERIFY(pane.summaryLabel()->isHidden());
    QVERIFY(pane.clearFinishedButton()->isEnabled());

    QTest::mouseClick(pane.openFolderButton(), Qt::LeftButton);
    QCOMPARE(f.actions.folders, QStringList{f.env.downloadsDir()});

    QTest::mouseClick(pane.clearFinishedButton(), Qt::LeftButton);
    QVERIFY(f.model.downloads().isEmpty());
    QVERIFY(!pane.showsList());
    QVERIFY(pane.emptyText()->isVisible());
    QVERIFY(!pane.clearFinishedButton()->isEnabled());
}

void TestMainWindow::engineBanner()
{
    {
        WindowFixture f; // the managed yt-dlp is there, deno is not
        QVERIFY(f.showActive());
        EngineBanner& banner = *f.window.banner();
        QVERIFY(banner.isHidden());
        f.model.ensureEngine(false);
        QVERIFY(f.installer.isPending(QStringLiteral("deno")));
        QVERIFY(banner.isVisible());
        QCOMPARE(banner.text()->text(), QStringLiteral("Updating the download engine\u2026"));
        QVERIFY(banner.spinner()->isVisible());
        QVERIFY(banner.warningIcon()->isHidden());
        f.installer.progress(QStringLiteral("deno"), 50, 200);
        QCOMPARE(banner.text()->text(), QStringLiteral("Updating the download engine\u2026 25%"));
        // The banner sits between the header and the panes, tinted orange.
        QVERIFY(banner.geometry().top() >= f.header().geometry().bottom());
        const QImage shot = banner.grab().toImage();
        const QColor tint = shot.pixelColor(shot.width() - 3, shot.height() / 2);
        QVERIFY2(tint.red() > tint.blue() + 10, qPrintable(tint.name()));

        QVERIFY(f.installer.finish(QStringLiteral("deno"), Done{}));
        QTRY_VERIFY(banner.isHidden());
        QTRY_VERIFY_WITH_TIMEOUT(!f.model.engineBusy(), 20000);
    }
    {
        WindowFixture f(false);
        QVERIFY(f.showActive());
        EngineBanner& banner = *f.window.banner();
        f.model.enqueue({videoItem(QStringLiteral("a"))}, Preset::p1080);
        QVERIFY(f.installer.finish(QStringLiteral("ffmpeg"), AppError{QStringLiteral("offline")}));
        QTRY_VERIFY(banner.isVisible());
        QVERIFY(
            banner.text()->text().startsWith(QStringLiteral("Couldn't download ffmpeg (offline)")));
        QVERIFY(banner.spinner()->isHidden());
        QVERIFY(banner.warningIcon()->isVisible());
        QVERIFY(!banner.warningIcon()->pixmap().isNull());
        QVERIFY(f.allFinished());
    }
}

void TestMainWindow::dropHandling()
{
    WindowFixture f;
    f.fake.sleepMs(400).printJsonToStdout(
        playlistAnswer(QStringLiteral("P"), {entry(QStringLiteral("a"), QStringLiteral("A"))}));
    QVERIFY(f.showActive());
    bool accepted = false;

    // Two links: the first one counts, delivered on the next turn of the loop.
    auto* links = new QMimeData;
    links->setUrls({QUrl(QStringLiteral("https://www.youtube.com/watch?v=aaaaaaaaaaa")),
                    QUrl(QStringLiteral("https://www.youtube.com/watch?v=bbbbbbbbbbb"))});
    links->setText(QStringLiteral("ignored"));
    dropOn(f.window, links, &accepted);
    QVERIFY(accepted);
    QVERIFY(f.model.input().isEmpty());
    QTRY_COMPARE(f.model.input(), QStringLiteral("https://www.youtube.com/watch?v=aaaaaaaaaaa"));
    QVERIFY(f.model.isFetching());

    // A drop during the lookup replaces the text but starts no second lookup.
    auto* words = new QMimeData;
    words->setText(QStringLiteral("  cat videos "));
    dropOn(f.window, words, &accepted);
    QVERIFY(accepted);
    QTRY_COMPARE(f.model.input(), QStringLiteral("  cat videos "));
    QTRY_VERIFY_WITH_TIMEOUT(!f.model.isFetching(), 20000);
    QCOMPARE(f.fake.callCount(), 1);

    // A file arrives as its file URL, escaped, and is looked up.
    auto* file = new QMimeData;
    file->setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/My Clip.mp4"))});
    dropOn(f.window, file, &accepted);
    QVERIFY(accepted);
    QTRY_COMPARE(f.model.input(), QStringLiteral("file:///tmp/My%20Clip.mp4"));
    QTRY_VERIFY_WITH_TIMEOUT(!f.model.isFetching(), 20000);
    QCOMPARE(f.fake.callCount(), 2);
    QCOMPARE(f.fake.lastArgs().last(), QStringLiteral("file:///tmp/My%20Clip.mp4"));

    // Neither a URL nor text: refused, nothing changes.
    auto* image = new QMimeData;
    image->setData(QStringLiteral("image/png"), encodedImage(QSize(4, 4), Qt::red));
    dropOn(f.window, image, &accepted);
    QVERIFY(!accepted);
    QVERIFY(!f.window.handleDrop(image));
    QVERIFY(!f.window.handleDrop(nullptr));
    QTest::qWait(0);
    QCOMPARE(f.model.input(), QStringLiteral("file:///tmp/My%20Clip.mp4"));
    QVERIFY(!f.model.isFetching());
    for (QMimeData* data : {links, words, file, image})
        delete data;
}

void TestMainWindow::clipboardOnShowAndActivation()
{
    const QString first = QStringLiteral("https://www.youtube.com/watch?v=dQw4w9WgXcQ");
    const QString second = QStringLiteral("https://youtu.be/aqz-KE-bpKQ");
    WindowFixture f;
    f.fake.printJsonToStdout(
        playlistAnswer(QStringLiteral("P"), {entry(QStringLiteral("a"), QStringLiteral("A"))}));
    // Copied before the window first shows: taken when it does.
    f.clipboard.copy(first);
    QVERIFY(f.model.input().isEmpty());
    f.window.show();
    QCOMPARE(f.model.input(), first);
    QCOMPARE(f.input().text(), first);
    QTRY_VERIFY_WITH_TIMEOUT(!f.model.isFetching(), 20000);

    // Copied while the application was in the background: taken when it
    // becomes active again, not when it is left.
    f.clipboard.copy(second);
    emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
    QCOMPARE(f.model.input(), first);
    emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
    QCOMPARE(f.model.input(), second);
    QVERIFY(f.model.isFetching());
    QTRY_VERIFY_WITH_TIMEOUT(!f.model.isFetching(), 20000);
    QCOMPARE(f.fake.callCount(), 2);
}

void TestMainWindow::everySymbolShowsWithoutATheme()
{
    // The offscreen platform has no icon theme, like a bare X server.
    for (const char* symbol :
         {"link", "xmark.circle.fill", "folder", "arrow.down.circle", "arrow.down.circle.fill",
          "exclamationmark.triangle.fill", "xmark.circle", "checkmark.circle.fill", "play.circle",
          "magnifyingglass.circle", "arrow.clockwise.circle", "trash.circle"}) {
        const QImage image = Icons::icon(QString::fromLatin1(symbol)).pixmap(24).toImage();
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                opaque += image.pixelColor(x, y).alpha() > 128;
        }
        QVERIFY2(opaque > 30, symbol);
    }
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
