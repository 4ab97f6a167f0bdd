// The main window through its real widgets, offscreen: looking up, stopping,
// the results pane and its states, drops and the engine banner.
#include "UiFixture.h"
#include "ui/BusyIndicator.h"
#include "ui/DownloadDelegate.h"
#include "ui/DownloadsList.h"
#include "ui/DownloadsPane.h"
#include "ui/EngineBanner.h"
#include "ui/HeaderBar.h"
#include "ui/OneLineLabel.h"
#include "ui/ResultDelegate.h"
#include "ui/ResultsList.h"
#include "ui/ResultsModel.h"
#include "ui/ResultsPane.h"
#include "ui/Translations.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>

#include <sys/stat.h>

using namespace reelcatch;
using namespace reelcatch::test;

namespace {

bool dropOn(QWidget& target, QMimeData& data)
{
    const QPoint pos = target.rect().center();
    QDragEnterEvent enter(pos, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    QDropEvent drop(QPointF(pos), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
    return enter.isAccepted() && drop.isAccepted();
}

QString shownAs(const QString& text) // by a tooltip, or a label in Qt::AutoText
{
    QTextDocument document;
    document.setHtml(text);
    return Qt::mightBeRichText(text) ? document.toPlainText() : text;
}

bool isLiteral(const QString& shown, const QString& text) // or its start and "…"; no megabyte
{
    return shown.size() < 10000 &&
           (shown == text || (shown.endsWith(u'\u2026') && text.startsWith(shown.chopped(1))));
}

QString tipAt(QAbstractItemView& view, QPointF at) // or what the last one shows
{
    QHelpEvent help(QEvent::ToolTip, at.toPoint(), view.viewport()->mapToGlobal(at.toPoint()));
    return QApplication::sendEvent(view.viewport(), &help), shownAs(QToolTip::text());
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(); }
    void lookUpAndStop();
    void resultsTickSelectAndDownload();
    void rowsArriveBelowWhatIsShown();
    void ticksFollowTheUser();
    void emptyAndErrorStates();
    void dropOfALink();
    void aFifoForAThumbnail();
    void pageTextShowsAsWritten_data();
    void pageTextShowsAsWritten();
    void engineBanner();
    void startsWaitForTheVersion();
    void inGerman();
};

void TestMainWindow::lookUpAndStop()
{
    Ui ui;
    QVERIFY(ui.showActive());
    Lookup& lookup = ui.model.lookup();
    QLineEdit* input = ui.window.header()->input();
    QPushButton* fetch = ui.window.header()->fetchButton();
    QVERIFY(!fetch->isEnabled());

    QTest::keyClicks(input, u"lofi"_s);
    QCOMPARE(lookup.input(), u"lofi"_s);
    QVERIFY(fetch->isEnabled());
    QTest::keyClick(input, Qt::Key_Return);
    QVERIFY(lookup.isFetching());
    QCOMPARE(ui.runner->children.size(), 1);
    QVERIFY(ui.runner->last()->spec.arguments.last().endsWith(u"lofi"_s));
    QCOMPARE(fetch->text(), u"Stop"_s);
    QVERIFY(fetch->isEnabled());
    QVERIFY(ui.window.header()->spinner()->isVisible());
    // A second Return while fetching starts nothing.
    QTest::keyClick(input, Qt::Key_Return);
    QCOMPARE(ui.runner->children.size(), 1);
    QVERIFY(ui.answer(u"ignored"_s, {u"a"_s, u"b"_s}));
    QCOMPARE(fetch->text(), u"Fetch"_s);
    QCOMPARE(ui.window.resultsPane()->title()->text(), u"Search: lofi"_s);

    // Stop: the child is asked to stop; results, heading and ticks stay.
    QTest::keyClicks(input, u" more"_s);
    QTest::mouseClick(fetch, Qt::LeftButton);
    QCOMPARE(ui.runner->children.size(), 2);
    QPointer<FakeChild> second = ui.runner->last();
    // Stop stays at hand even with the field emptied meanwhile.
    QTest::keyClick(input, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(input, Qt::Key_Delete);
    QVERIFY(fetch->isEnabled());
    QTest::mouseClick(fetch, Qt::LeftButton);
    QCOMPARE(second->stops, 1);
    QVERIFY(!lookup.isFetching());
    QCOMPARE(fetch->text(), u"Fetch"_s);
    const auto unchanged = [&] {
        return lookup.results().size() == 2 && lookup.selected().size() == 2 &&
               ui.window.resultsPane()->title()->text() == u"Search: lofi"_s &&
               !lookup.fetchError() && ui.window.resultsPane()->findChild<QLabel*>(u"resultsError"_s)->isHidden();
    };
    QVERIFY(unchanged());
    // What the stopped child still delivers is ignored.
    second->print(playlist(u"Late"_s, {u"z"_s}));
    second->end(143);
    QCoreApplication::processEvents();
    QVERIFY(unchanged());

    // Escape anywhere in the window stops a lookup too.
    QTest::keyClicks(input, u"lofi"_s);
    QTest::keyClick(input, Qt::Key_Return);
    QVERIFY(lookup.isFetching());
    FakeChild* third = ui.runner->last();
    QTest::keyClick(ui.window.resultsPane()->list(), Qt::Key_Escape);
    QCOMPARE(third->stops, 1);
    QVERIFY(!lookup.isFetching());
    QVERIFY(unchanged());
}

void TestMainWindow::resultsTickSelectAndDownload()
{
    Ui ui;
    QVERIFY(ui.showActive());
    ResultsPane& pane = *ui.window.resultsPane();
    ui.model.lookup().setInput(u"https://example.org/list"_s);
    ui.model.lookup().fetch();
    ui.runner->last()->print(playlist(u"Mix"_s, {u"a"_s, u"b"_s, u"c"_s}).replace("example.org/", "youtu.be/"));
    QVERIFY(ui.answer(u"Mix"_s, {}));
    QVERIFY(pane.showsResults());
    QCOMPARE(pane.title()->text(), u"Mix"_s);
    QAbstractItemModel* rows = pane.list()->model();
    QCOMPARE(rows->rowCount(), 3);
    for (int row = 0; row < 3; ++row)
        QCOMPARE(rows->index(row, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QCOMPARE(pane.count()->text(), u"3 videos \u00b7 3 selected"_s);
    QCOMPARE(pane.downloadButton()->text(), u"Download 3"_s);

    QPushButton* toggle = pane.selectAllButton();
    QCOMPARE(toggle->text(), u"Select None"_s);
    QTest::mouseClick(toggle, Qt::LeftButton);
    QVERIFY(ui.model.lookup().selected().isEmpty());
    QVERIFY(!pane.downloadButton()->isEnabled());
    QCOMPARE(toggle->text(), u"Select All"_s);
    QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(ui.model.lookup().selected().size(), 3);

    // A click on a row unticks it; Download queues the ticked ones in the
    // picked preset.
    ResultsList& list = *pane.list();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualRect(rows->index(1, 0)).center());
    QCOMPARE(rows->index(1, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    QCOMPARE(pane.count()->text(), u"3 videos \u00b7 2 selected"_s);
    // The row's accessible item ticks it as the click does.
    QAccessibleInterface* item = QAccessible::queryAccessibleInterface(&list)->child(1);
    QCOMPARE(item->text(QAccessible::Name), u"Title b"_s);
    const QStringList offered{u"Tick"_s, u"Download"_s, u"Open on YouTube"_s, u"Copy Link"_s};
    QCOMPARE(item->actionInterface()->actionNames(), offered);
    item->actionInterface()->doAction(u"Tick"_s);
    QVERIFY(item->state().checked);
    item->actionInterface()->doAction(u"Untick"_s);
    QVERIFY(!item->state().checked);
    QComboBox* picker = ui.window.header()->presetPicker();
    picker->setCurrentIndex(picker->findData(Preset(Preset::m4a).rawValue()));
    QVERIFY(pane.downloadButton()->toolTip().endsWith(u"(Ctrl+Return)"_s));
    QVERIFY(ui.window.downloadAction()->text().endsWith(u"\tCtrl+Return"_s)); // shown in the menu
    ui.window.downloadAction()->trigger();
    const QList<DownloadPtr>& jobs = ui.model.queue().downloads();
    QCOMPARE(jobs.size(), 2);
    QStringList ids;
    for (const DownloadPtr& job : jobs) {
        ids << job->video().id();
        QCOMPARE(job->preset(), Preset(Preset::m4a));
    }
    ids.sort();
    QCOMPARE(ids, (QStringList{u"a"_s, u"c"_s}));

    // Copy Link's copy is not looked up on return (signalled by hand); another's is.
    const QRect second = list.visualRect(rows->index(1, 0));
    QContextMenuEvent click(QContextMenuEvent::Mouse, second.center(), list.viewport()->mapToGlobal(second.center()));
    QApplication::sendEvent(list.viewport(), &click);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QStringList listed;
    for (QAction* action : menu->actions())
        listed << action->text();
    QCOMPARE(listed, offered); // the menu offers what the accessible row does
    for (QAction* action : menu->actions())
        if (action->text() == u"Copy Link"_s)
            action->trigger(), menu->close();
    QCOMPARE(QGuiApplication::clipboard()->text(), u"https://youtu.be/b"_s);
    emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
    QVERIFY(!ui.model.lookup().isFetching());
    QCOMPARE(pane.count()->text(), u"3 videos \u00b7 2 selected"_s);
    QGuiApplication::clipboard()->setText(u"https://youtu.be/other"_s);
    emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
    QCOMPARE(ui.model.lookup().input(), u"https://youtu.be/other"_s);
}

void TestMainWindow::rowsArriveBelowWhatIsShown()
{
    Ui ui;
    QVERIFY(ui.showActive());
    ResultsPane& pane = *ui.window.resultsPane();
    ResultsList& list = *pane.list();
    ui.model.lookup().setInput(u"https://example.org/list"_s);
    ui.model.lookup().fetch();
    QStringList first, more;
    for (int i = 0; i < 40; ++i)
        first << u"a"_s + QString::number(i), more << u"b"_s + QString::number(i);
    ui.runner->last()->print(playlist(u"Mix"_s, first));
    QTRY_COMPARE_WITH_TIMEOUT(list.model()->rowCount(), 40, 20000);
    QCOMPARE(pane.count()->text(), u"40 videos so far \u00b7 40 selected"_s);
    list.scrollTo(list.model()->index(20, 0), QAbstractItemView::PositionAtTop);
    const QModelIndex top = list.indexAt(QPoint(1, 1));
    QCOMPARE(top.row(), 20);
    ui.runner->last()->print(playlist(u"Mix"_s, more));
    QTRY_COMPARE_WITH_TIMEOUT(list.model()->rowCount(), 80, 20000);
    QCOMPARE(pane.count()->text(), u"80 videos so far \u00b7 80 selected"_s);
    ui.runner->last()->end(0);
    QTRY_COMPARE_WITH_TIMEOUT(pane.count()->text(), u"80 videos \u00b7 80 selected"_s, 20000);
    QCOMPARE(list.indexAt(QPoint(1, 1)), top);
}

void TestMainWindow::ticksFollowTheUser()
{
    Ui ui;
    QVERIFY(ui.showActive());
    ResultsPane& pane = *ui.window.resultsPane();
    QPushButton& toggle = *pane.selectAllButton();
    Lookup& lookup = ui.model.lookup();
    lookup.setInput(u"https://example.org/list"_s);
    const auto counted = [&](const QString& line) {
        return QTest::qWaitFor([&] { return pane.count()->text() == line; }, 20000);
    };
    // Select None at row 4 of 7: the other 3 arrive unticked, as the count says.
    lookup.fetch();
    ui.runner->last()->print(playlist(u"Mix"_s, {u"a"_s, u"b"_s, u"c"_s, u"d"_s}));
    QVERIFY(counted(u"4 videos so far \u00b7 4 selected"_s));
    QTest::mouseClick(&toggle, Qt::LeftButton);
    QVERIFY(ui.answer(u"Mix"_s, {u"e"_s, u"f"_s, u"g"_s}));
    QCOMPARE(pane.count()->text(), u"7 videos \u00b7 0 selected"_s);
    QVERIFY(!pane.downloadButton()->isEnabled());

    // Select All takes in the rows to come; a row unticked by hand ends that.
    lookup.fetch();
    FakeChild* child = ui.runner->last();
    child->print(playlist(u"Mix"_s, {u"a"_s, u"b"_s}));
    QVERIFY(counted(u"2 videos so far \u00b7 2 selected"_s));
    QTest::mouseClick(&toggle, Qt::LeftButton);
    QTest::mouseClick(&toggle, Qt::LeftButton);
    child->print(playlist(u"Mix"_s, {u"c"_s}));
    QVERIFY(counted(u"3 videos so far \u00b7 3 selected"_s));
    ResultsList& list = *pane.list();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualRect(list.model()->index(0, 0)).center());
    child->print(playlist(u"Mix"_s, {u"d"_s, u"e"_s}));
    QVERIFY(counted(u"5 videos so far \u00b7 2 selected"_s));
    QCOMPARE(pane.downloadButton()->text(), u"Download 2"_s);

    // Stopped: the count line, and what a screen reader reads, say it is not all.
    QTest::mouseClick(ui.window.header()->fetchButton(), Qt::LeftButton);
    const QString stopped = u"5 videos, listing stopped \u00b7 2 selected"_s;
    QCOMPARE(pane.count()->text(), stopped);
    QCOMPARE(QAccessible::queryAccessibleInterface(pane.count())->text(QAccessible::Name), stopped);
}

void TestMainWindow::emptyAndErrorStates()
{
    Ui ui;
    QVERIFY(ui.showActive());
    ResultsPane& pane = *ui.window.resultsPane();
    auto* startTitle = pane.findChild<QLabel*>(u"startTitle"_s);
    auto* lookingUp = pane.findChild<QLabel*>(u"lookingUp"_s);
    auto* emptyError = pane.findChild<QLabel*>(u"emptyError"_s);
    auto* errorLine = pane.findChild<QLabel*>(u"resultsError"_s);
    auto* errorAction = pane.findChild<QPushButton*>(u"resultsErrorAction"_s);
    auto* emptyAction = pane.findChild<QPushButton*>(u"emptyErrorAction"_s);
    QVERIFY(!pane.showsResults());
    QVERIFY(startTitle->isVisible());
    QCOMPARE(startTitle->text(), u"Paste a link to get started"_s);
    QVERIFY(lookingUp->isHidden());

    Lookup& lookup = ui.model.lookup();
    lookup.setInput(u"https://x.test/"_s);
    lookup.fetch();
    QVERIFY(lookingUp->isVisible());
    QVERIFY(startTitle->isHidden());
    ui.runner->last()->stderrTail = "ERROR: Unsupported URL: https://x.test/\n";
    ui.runner->last()->end(1);
    QTRY_VERIFY_WITH_TIMEOUT(emptyError->isVisible(), 20000);
    QCOMPARE(emptyError->text(), u"Unsupported URL: https://x.test/"_s);
    QVERIFY(lookingUp->isHidden() && startTitle->isHidden());

    // Results replace the empty state; a later failure shows above them.
    lookup.fetch();
    QVERIFY(ui.answer(u"P"_s, {u"a"_s}));
    QVERIFY(pane.showsResults());
    QVERIFY(errorLine->isHidden());
    lookup.fetch();
    ui.runner->last()->stderrTail = "ERROR: HTTP Error 404: Not Found\n";
    ui.runner->last()->end(1);
    QTRY_VERIFY_WITH_TIMEOUT(!lookup.isFetching(), 20000);
    QVERIFY(pane.showsResults());
    QVERIFY(errorLine->isVisible());
    QCOMPARE(errorLine->text(), u"HTTP Error 404: Not Found"_s);
    QCOMPARE(lookup.results().size(), 1);
    QVERIFY(errorAction->isHidden() && emptyAction->isHidden());

    // A failure people meet: its sentence, yt-dlp's words as the tooltip, and what helps.
    QSignalSpy wanted(&ui.window, &MainWindow::chooseBrowserRequested);
    const QString bot = u"[youtube] a: Sign in to confirm you\u2019re not a bot. Use --cookies-from-browser or --cookies for the authentication."_s;
    lookup.fetch();
    ui.runner->last()->stderrTail = (u"ERROR: "_s + bot + u"\n"_s).toUtf8();
    ui.runner->last()->end(1);
    QTRY_VERIFY_WITH_TIMEOUT(!lookup.isFetching(), 20000);
    QCOMPARE(errorLine->text(), u"YouTube wants a signed-in browser to confirm you're not a bot."_s);
    QCOMPARE(errorLine->toolTip(), bot);
    QCOMPARE(errorAction->text(), u"Choose Browser\u2026"_s);
    QTest::mouseClick(errorAction, Qt::LeftButton);
    QCOMPARE(wanted.count(), 1);
    lookup.fetch();
    ui.runner->last()->stderrTail = "ERROR: [youtube] a: Unable to download API page: [Errno -3] Temporary failure in name resolution\n";
    ui.runner->last()->end(1);
    QTRY_VERIFY_WITH_TIMEOUT(!lookup.isFetching(), 20000);
    QCOMPARE(errorAction->text(), u"Retry"_s);
    const auto runs = ui.runner->children.size();
    QTest::mouseClick(errorAction, Qt::LeftButton);
    QCOMPARE(ui.runner->children.size(), runs + 1);
}

void TestMainWindow::dropOfALink()
{
    Ui ui;
    QVERIFY(ui.showActive());
    QMimeData links;
    links.setUrls({QUrl(u"https://www.youtube.com/watch?v=aaaaaaaaaaa"_s),
                   QUrl(u"https://www.youtube.com/watch?v=bbbbbbbbbbb"_s)});
    links.setText(u"ignored"_s);
    QVERIFY(dropOn(ui.window, links));
    QTRY_COMPARE(ui.model.lookup().input(), u"https://www.youtube.com/watch?v=aaaaaaaaaaa"_s);
    QVERIFY(ui.model.lookup().isFetching());
    QCOMPARE(ui.runner->children.size(), 1);
    QVERIFY(ui.runner->last()->spec.arguments.contains(ui.model.lookup().input()));
    QVERIFY(ui.answer(u"P"_s, {u"a"_s}));

    // Neither a link nor text: refused, nothing changes.
    QMimeData image;
    image.setData(u"image/png"_s, "\x89PNG");
    QVERIFY(!dropOn(ui.window, image));
    QCoreApplication::processEvents();
    QCOMPARE(ui.runner->children.size(), 1);
    QCOMPARE(ui.window.header()->input()->text(), u"https://www.youtube.com/watch?v=aaaaaaaaaaa"_s);
}

void TestMainWindow::aFifoForAThumbnail()
{
    Ui ui; // opened on the GUI thread, the fifo would hang it until the test times out
    QVERIFY(ui.showActive());
    const QString fifo = ui.env.path(u"fifo"_s);
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ui.model.lookup().setInput(u"https://example.org/list"_s);
    ui.model.lookup().fetch();
    ui.runner->last()->print(R"({"id":"a","thumbnail":")" + QUrl::fromLocalFile(fifo).toEncoded() + "\"}\n");
    ui.runner->last()->end(0);
    QTRY_VERIFY_WITH_TIMEOUT(ui.window.resultsPane()->showsResults(), 20000);
    QTimer turning;
    QSignalSpy ticks(&turning, &QTimer::timeout);
    turning.start(0);
    ui.window.resultsPane()->list()->grab(); // paints the row, which asks for its image
    QTRY_VERIFY_WITH_TIMEOUT(ticks.size() > 100, 20000);
    QCOMPARE(ui.thumbnails.requestsStarted(), 0); // so its placeholder shows
}

void TestMainWindow::pageTextShowsAsWritten_data()
{
    QTest::addColumn<QString>("text"); // %1: a fifo
    QTest::newRow("an image of a fifo") << u"<img src='%1'>"_s;
    QTest::newRow("bold") << u"<b>bold</b>"_s;
    QTest::newRow("escaped") << u"&lt;b&gt; &amp; &lt;"_s;
    QTest::newRow("1 MB") << u"<img src='%1'>"_s + u" la"_s.repeated(350000);
}

void TestMainWindow::pageTextShowsAsWritten()
{
    QFETCH(QString, text);
    Ui ui(false); // no ffmpeg: the first download asks for it
    QVERIFY(ui.showActive());
    text.replace(u"%1"_s, ui.env.path(u"fifo"_s)); // opened, it would hang the GUI thread
    QCOMPARE(mkfifo(QFile::encodeName(ui.env.path(u"fifo"_s)).constData(), 0600), 0);
    const auto answer = [&](const QString& error, const QByteArray& listing = {}) {
        ui.model.lookup().fetch();
        ui.runner->last()->stderrTail = (u"ERROR: "_s + error).toUtf8();
        ui.runner->last()->print(listing);
        ui.runner->last()->end(listing.isEmpty());
        return QTest::qWaitFor([&] { return !ui.model.lookup().isFetching(); }, 20000);
    };
    const auto shows = [](QLabel* label, const QString& written) {
        return label->textFormat() == Qt::PlainText && isLiteral(label->text(), written);
    };

    ResultsPane& pane = *ui.window.resultsPane();
    const QString bot = u"[youtube] a: Sign in to confirm you're not a bot. "_s + text;
    ui.model.lookup().setInput(u"https://example.org/list"_s);
    QVERIFY(answer(text) && shows(pane.findChild<QLabel*>(u"emptyError"_s), text));
    QVERIFY(answer(bot) && isLiteral(shownAs(pane.findChild<QLabel*>(u"emptyError"_s)->toolTip()), bot));
    const QString title = text + u" and more"_s.repeated(40); // longer than a row shows
    QVERIFY(answer({}, R"({"id":"a","title":")" + title.toUtf8() + R"(","playlist_title":")" +
                           title.toUtf8() + "\"}"));
    const QString shown = ui.model.lookup().results().value(0).title();
    QVERIFY(shown.startsWith(text.left(400)) && shows(pane.title(), shown));
    pane.title()->grab(); // the heading, cut short, shows whole as its tooltip
    QCOMPARE(shownAs(pane.title()->toolTip()), shown);
    ResultsList& rows = *pane.list();
    const QRect first = rows.visualRect(rows.model()->index(0, 0));
    QVERIFY(shown.endsWith(u'\u2026') || // a cut title has no tooltip
            tipAt(rows, rows.resultDelegate()->geometry(first, &rows).text.center()) == shown);
    QVERIFY(answer(text) && shows(pane.findChild<QLabel*>(u"resultsError"_s), text));

    QTest::mouseClick(pane.downloadButton(), Qt::LeftButton);
    QVERIFY(ui.installer.finish(u"ffmpeg"_s, AppError{text}));
    QVERIFY(shows(ui.window.banner()->text(), ui.model.readiness().note().value_or(QString())));
    ui.runner->last()->say(u"ERROR: "_s + bot);
    ui.runner->last()->end(1);
    DownloadsList& list = *ui.window.downloadsPane()->list();
    const QModelIndex job = list.model()->index(0, 0);
    QTRY_COMPARE(job.data(DownloadsModel::PhaseRole).toInt(), int(Download::Phase::Kind::failed));
    const auto row = list.downloadDelegate()->geometry(list.visualRect(job), &list, job);
    QVERIFY(isLiteral(tipAt(list, row.status.topLeft() + QPointF(4, 4)), bot));
    QCOMPARE(tipAt(list, row.title.center()), shown);
}

void TestMainWindow::engineBanner()
{
    {
        Ui ui; // the managed yt-dlp is there, deno is not
        QVERIFY(ui.showActive());
        EngineBanner& banner = *ui.window.banner();
        QVERIFY(banner.isHidden());
        ui.model.startEngineCheck();
        QVERIFY(ui.installer.held.contains(u"deno"_s));
        QVERIFY(banner.isVisible());
        QCOMPARE(banner.text()->text(), u"Updating the download engine\u2026"_s);
        QVERIFY(banner.spinner()->isVisible() && banner.warningIcon()->isHidden());
        ui.installer.held[u"deno"_s].progress(50, 200);
        QCOMPARE(banner.text()->text(), u"Updating the download engine\u2026 25%"_s);
        QVERIFY(ui.installer.finish(u"deno"_s, Done{}));
        QVERIFY(banner.isHidden());
    }
    {
        Ui ui(false); // no ffmpeg: the first download asks for it
        QVERIFY(ui.showActive());
        EngineBanner& banner = *ui.window.banner();
        ui.model.queue().enqueue({video(u"a"_s)}, Preset::p1080);
        QVERIFY(ui.installer.finish(u"ffmpeg"_s, AppError{u"offline"_s}));
        QVERIFY(banner.isVisible());
        QVERIFY(banner.text()->text().startsWith(u"Couldn't download ffmpeg (offline)"_s));
        QVERIFY(banner.spinner()->isHidden() && banner.warningIcon()->isVisible());
        QVERIFY(banner.findChild<QPushButton*>(u"engineRetry"_s)->isHidden());
    }
    {
        Ui ui; // no yt-dlp, and its installation fails
        QVERIFY(QFile::remove(ui.engine.managedYtdlp()));
        QVERIFY(ui.showActive());
        EngineBanner& banner = *ui.window.banner();
        ui.model.startEngineCheck();
        QVERIFY(ui.installer.finish(u"yt-dlp"_s, AppError{u"Host github.com not found"_s}));
        QTRY_VERIFY_WITH_TIMEOUT(banner.findChild<QPushButton*>(u"engineRetry"_s)->isVisible(), 20000);
        QCOMPARE(banner.text()->text(), u"Couldn't install yt-dlp: Host github.com not found"_s);
        ui.model.lookup().setInput(u"lofi"_s);
        ui.model.lookup().fetch();
        QCOMPARE(ui.window.resultsPane()->findChild<QLabel*>(u"emptyError"_s)->text(),
                 u"yt-dlp couldn't be installed. Host github.com not found. Try Again from the banner."_s);
        QTest::mouseClick(banner.findChild<QPushButton*>(u"engineRetry"_s), Qt::LeftButton);
        QCOMPARE(ui.installer.ytdlpRuns, 2);
        QVERIFY(banner.findChild<QPushButton*>(u"engineRetry"_s)->isHidden() && banner.spinner()->isVisible());
    }
    {
        Ui ui; // a working yt-dlp: Update Now from a lookup's error, clicked twice
        QVERIFY(ui.showActive());
        EngineBanner& banner = *ui.window.banner();
        ResultsPane& pane = *ui.window.resultsPane();
        ui.model.lookup().setInput(u"lofi"_s);
        ui.model.lookup().fetch();
        ui.runner->last()->stderrTail = "ERROR: no such option: --js-runtimes\n";
        ui.runner->last()->end(2);
        QTRY_VERIFY_WITH_TIMEOUT(pane.findChild<QPushButton*>(u"emptyErrorAction"_s)->isVisible(), 20000);
        QTest::mouseClick(pane.findChild<QPushButton*>(u"emptyErrorAction"_s), Qt::LeftButton);
        QTest::mouseClick(pane.findChild<QPushButton*>(u"emptyErrorAction"_s), Qt::LeftButton);
        QCOMPARE(ui.installer.ytdlpRuns, 1);
        QVERIFY(ui.installer.finish(u"yt-dlp"_s, AppError{u"Download failed (HTTP 503)"_s}));
        FakeChild* query = ui.runner->last();
        QCOMPARE(query->spec.arguments, (QStringList{u"--ignore-config"_s, u"--version"_s}));
        query->print("2025.11.12\n");
        query->end(0);
        QTRY_VERIFY_WITH_TIMEOUT(banner.findChild<QPushButton*>(u"engineRetry"_s)->isVisible(), 20000);
        QCOMPARE(banner.text()->text(), u"Couldn't update the download engine: Download failed (HTTP 503)"_s);
        QVERIFY(banner.warningIcon()->isVisible());
    }
}

void TestMainWindow::startsWaitForTheVersion()
{
    // The first lookup and download wait for the version (deno goes to a new yt-dlp), or the wait's end.
    for (const bool answered : {true, false}) {
        Ui ui;
        TestEnv::writeExecutable(ui.env.supportDir() + u"/deno"_s, "#!/bin/sh\n");
        QVERIFY(ui.showActive());
        ui.model.readiness().setVersionWait(std::chrono::milliseconds(answered ? 60000 : 300));
        ui.model.startEngineCheck();
        FakeChild* query = ui.runner->last();
        QCOMPARE(query->spec.arguments, (QStringList{u"--ignore-config"_s, u"--version"_s}));
        ui.model.lookup().setInput(u"lofi"_s);
        ui.model.lookup().fetch();
        ui.model.queue().enqueue({video(u"v"_s)}, Preset::p720);
        QVERIFY(ui.window.resultsPane()->findChild<QLabel*>(u"lookingUp"_s)->isVisible());
        QCOMPARE(ui.runner->children.size(), 1);
        if (answered)
            query->print("2025.11.12\n"), query->end(0);
        QTRY_COMPARE_WITH_TIMEOUT(ui.runner->children.size(), 3, 20000);
        const int lookup = ui.runner->children.at(1)->spec.arguments.contains(u"-j"_s) ? 1 : 2;
        QCOMPARE(ui.runner->children.at(lookup)->spec.arguments.contains(u"--js-runtimes"_s), answered);
        QCOMPARE(ui.childFor(u"v"_s)->spec.arguments.count(u"--progress-template"_s), answered ? 2 : 1);
    }
}

void TestMainWindow::inGerman()
{
    {
        const std::unique_ptr<QObject> german = Translations::install(QLocale(QLocale::German));
        Ui ui;
        ResultsPane& pane = *ui.window.resultsPane();
        QCOMPARE(ui.window.header()->fetchButton()->text(), u"Abrufen"_s);
        QCOMPARE(pane.findChild<QLabel*>(u"startTitle"_s)->text(), u"F\u00fcgen Sie einen Link ein, um zu beginnen"_s);
        QCOMPARE(ui.window.header()->presetPicker()->itemText(0), u"Beste verf\u00fcgbare"_s);
        ui.model.lookup().setInput(u"https://example.org/list"_s);
        for (const QStringList& ids : {QStringList{u"a"_s}, QStringList{u"a"_s, u"b"_s}}) {
            ui.model.lookup().fetch();
            QVERIFY(ui.answer(u"P"_s, ids));
        }
        QCOMPARE(pane.count()->text(), u"2 Videos \u00b7 2 ausgew\u00e4hlt"_s);
        QCOMPARE(pane.downloadButton()->text(), u"2 herunterladen"_s);
        QCOMPARE(ResultsPane::countLine(1, 0), u"1 Video \u00b7 0 ausgew\u00e4hlt"_s);
        QCOMPARE(ResultsPane::countLine(2, 1, ResultsPane::Listed::stopped),
                 u"2 Videos, Auflistung gestoppt \u00b7 1 ausgew\u00e4hlt"_s);
    }
    // Gone with its owner: English again, plural forms included.
    QCOMPARE(ResultsPane::countLine(1, 2), u"1 video \u00b7 2 selected"_s);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
