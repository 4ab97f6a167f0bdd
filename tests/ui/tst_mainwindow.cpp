// The main window through its real widgets, offscreen: looking up, stopping,
// the results pane's rows and ticks, downloading from it, drops, clips, and
// "Choose Format…" of a single video.
#include "UiFixture.h"
#include "ui/ClipDialog.h"
#include "ui/FormatDialog.h"
#include "ui/ResultsModel.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>

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

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(); }
    void lookUpAndStop();
    void resultsTickSelectAndDownload();
    void rowsArriveBelowWhatIsShown();
    void ticksFollowTheUser();
    void dropOfALink();
    void clipWithinAKnownLength();
    void chooseFormatOfOneVideo();
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
    const QStringList offered{u"Tick"_s, u"Download"_s, u"Choose Format\u2026"_s,
                              u"Download a Clip\u2026"_s,
                              u"Open on YouTube"_s, u"Copy Link"_s};
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
    // Nor is a link copied from the field by keyboard, away and back.
    QVERIFY(ui.answer(u"Other"_s, {u"o"_s}));
    QLineEdit* input = ui.window.header()->input();
    QTest::keyClicks(input, u" https://youtu.be/b"_s);
    input->setSelection(input->text().size() - 18, 18);
    QTest::keyClick(input, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"https://youtu.be/b"_s);
    emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
    emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
    QVERIFY(!ui.model.lookup().isFetching());
    QCOMPARE(ui.model.lookup().results().size(), 1);
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

void TestMainWindow::dropOfALink()
{
    Ui ui;
    QVERIFY(ui.showActive());
    QMimeData links;
    links.setUrls({QUrl(u"https://www.youtube.com/watch?v=aaaaaaaaaaa"_s),
                   QUrl(u"https://www.youtube.com/watch?v=bbbbbbbbbbb"_s)});
    links.setText(u"ignored"_s);
    QVERIFY(dropOn(ui.window, links));
    const QString both = links.urls().at(0).toString() + u' ' + links.urls().at(1).toString();
    QTRY_COMPARE(ui.model.lookup().input(), both);
    QCOMPARE(ui.runner->children.size(), 2);
    // Both looked up at once: the second link's rows arrive first, and the
    // first's go in above them, each under its own heading.
    const ResultsModel& rows = ui.window.resultsPane()->list()->results();
    ui.runner->children.at(1)->print(playlist(u"B"_s, {u"b1"_s, u"b2"_s}));
    QTRY_COMPARE(rows.rowCount(), 4);
    ui.runner->children.at(0)->print(playlist(u"A"_s, {u"a1"_s}));
    ui.runner->children.at(0)->end(0);
    QTRY_COMPARE(rows.rowCount(), 5);
    QStringList shown;
    for (int row = 0; row < rows.rowCount(); ++row)
        shown << rows.index(row).data().toString();
    QCOMPARE(shown, (QStringList{u"A"_s, u"Title a1"_s, u"B"_s, u"Title b1"_s, u"Title b2"_s}));
    // Space on a heading unticks its link's rows, and only those repaint.
    QSignalSpy changed(&rows, &QAbstractItemModel::dataChanged);
    ResultsList* list = ui.window.resultsPane()->list();
    list->setFocus();
    list->setCurrentIndex(rows.index(2));
    QTest::keyClick(list, Qt::Key_Space);
    QCOMPARE(ui.model.lookup().selected(), QSet<QString>{u"a1"_s});
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex().row(), 3);
    QCOMPARE(changed.at(0).at(1).toModelIndex().row(), 4);
    ui.runner->children.at(1)->end(0);
    QTRY_VERIFY(!ui.model.lookup().isFetching());

    // Neither a link nor text: refused, nothing changes.
    QMimeData image;
    image.setData(u"image/png"_s, "\x89PNG");
    QVERIFY(!dropOn(ui.window, image));
    QCoreApplication::processEvents();
    QCOMPARE(ui.runner->children.size(), 2);
    QCOMPARE(ui.window.header()->input()->text(), both);
}

void TestMainWindow::clipWithinAKnownLength()
{
    Ui ui;
    QVERIFY(ui.showActive());
    const VideoItem item = *VideoItem::fromJson(
        QJsonObject{{u"id"_s, u"v"_s}, {u"duration"_s, 90.4}, {u"webpage_url"_s, u"https://example.org/v"_s}});
    ClipDialog dialog(item, Preset::p720, &ui.window);
    dialog.show();
    auto* end = dialog.findChild<QLineEdit*>(u"clipEnd"_s);
    auto* message = dialog.findChild<QLabel*>(u"clipMessage"_s);
    QCOMPARE(dialog.findChild<QLabel*>(u"clipLength"_s)->text(), u"The video is 1:30 long."_s);
    QCOMPARE(end->text(), u"1:30"_s); // the whole video to begin with
    end->setFocus();
    QTest::keyClick(end, Qt::Key_Backspace);
    QTest::keyClick(end, Qt::Key_2);
    QCOMPARE(message->text(), u"The end must be within the video, which is 1:30 long."_s);
    QVERIFY(!dialog.clip());
    // Its last, rounded second is the video's end.
    QTest::keyClick(end, Qt::Key_Backspace);
    QTest::keyClick(end, Qt::Key_1);
    QCOMPARE(dialog.clip(), std::optional(ClipRange{0, 90.4}));
    QTest::keyClick(end, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestMainWindow::chooseFormatOfOneVideo()
{
    Ui ui;
    QVERIFY(ui.showActive());
    ui.model.lookup().setInput(u"https://example.org/one"_s);
    ui.model.lookup().fetch();
    QVERIFY(ui.answer(QString(), {u"one"_s}));
    QPushButton* choose = ui.window.resultsPane()->chooseFormatButton();
    QVERIFY(choose->isVisible());
    QSignalSpy browser(&ui.window, &MainWindow::chooseBrowserRequested);
    const auto open = [&] {
        choose->setFocus();
        QTest::keyClick(choose, Qt::Key_Space);
        return QPointer<FormatDialog>(ui.window.findChild<FormatDialog*>());
    };

    // A failure reads as a download's row would put it, with the row's remedy
    // (taken with Return) beside Try Again; YouTube's limit has Try Again alone.
    const QList<std::pair<QByteArray, QString>> failures{
        {"ERROR: [youtube] one: Sign in to confirm you\u2019re not a bot."_ba,
         u"Choose Browser\u2026"_s},
        {"ERROR: [youtube] one: No supported JavaScript runtime could be found"_ba,
         u"Update Now"_s},
        {"ERROR: [youtube] one: HTTP Error 429: Too Many Requests"_ba, QString()}};
    for (const auto& [error, remedy] : failures) {
        QPointer<FormatDialog> dialog = open();
        QVERIFY(dialog && dialog->isAsking());
        QVERIFY(ui.runner->last()->spec.arguments.contains(u"-J"_s));
        ui.runner->last()->stderrTail = error;
        ui.runner->last()->end(1);
        auto* text = dialog->findChild<QLabel*>(u"formatFailure"_s);
        auto* action = dialog->findChild<QPushButton*>(u"formatFailureAction"_s);
        QTRY_VERIFY(text->isVisible());
        const Failure failure = Failure::of(QString::fromUtf8(error).mid(7));
        QCOMPARE(text->text(), failure.shown);
        QVERIFY(text->toolTip().contains(u"[youtube] one"_s)); // yt-dlp's own words
        QCOMPARE(action->isVisible(), !remedy.isEmpty());
        if (!remedy.isEmpty()) {
            QCOMPARE(action->text(), remedy);
            QCOMPARE(dialog->focusWidget(), action);
            QTest::keyClick(action, Qt::Key_Return);
        }
        QTest::keyClick(dialog, Qt::Key_Escape);
        QTRY_VERIFY(!dialog);
    }
    QCOMPARE(browser.size(), 1);
    QTRY_COMPARE(ui.installer.ytdlpRuns, 1);

    // A format with its own sound keeps it: the tracks are shown but not
    // taken with it, and come back with a picture-only format.
    QPointer<FormatDialog> dialog = open();
    QJsonArray formats;
    for (const auto& [id, vcodec, acodec, height] :
         {std::tuple{"18", "avc1.42001E", "mp4a.40.2", 360},
          {"140", "none", "mp4a.40.2", 0},
          {"141", "none", "opus", 0},
          {"137", "avc1.640028", "none", 1080}})
        formats.append(QJsonObject{{u"format_id"_s, QLatin1String(id)},
                                   {u"vcodec"_s, QLatin1String(vcodec)},
                                   {u"acodec"_s, QLatin1String(acodec)},
                                   {u"height"_s, height}});
    ui.runner->last()->print(QJsonDocument(QJsonObject{{u"formats"_s, formats}}).toJson());
    ui.runner->last()->end(0);
    QTRY_VERIFY(!dialog->isAsking());
    auto* videos = dialog->findChild<QListWidget*>(u"videoFormats"_s);
    auto* audios = dialog->findChild<QListWidget*>(u"audioFormats"_s);
    videos->setCurrentRow(0);
    QTest::keyClick(audios, Qt::Key_Down); // the second track, "140"
    QCOMPARE(dialog->choice()->formatIds, u"137+140"_s);
    videos->setFocus();
    QTest::keyClick(videos, Qt::Key_Down);
    QCOMPARE(audios->count(), 3);
    QCOMPARE(audios->currentItem()->text(), u"Its own sound"_s);
    QVERIFY(!(audios->item(1)->flags() & Qt::ItemIsEnabled));
    QCOMPARE(dialog->choice()->formatIds, u"18"_s);
    QTest::keyClick(videos, Qt::Key_Up);
    QCOMPARE(dialog->choice()->formatIds, u"137+140"_s);
    QTest::keyClick(videos, Qt::Key_Down);
    QTest::keyClick(videos, Qt::Key_Return);
    QTRY_VERIFY(!dialog);
    QCOMPARE(ui.model.queue().downloads().size(), 1);
    const FormatChoice chosen = ui.model.queue().downloads().first()->formatChoice().value();
    QCOMPARE(chosen.formatIds, u"18"_s);
    QCOMPARE(chosen.words, u"360p H.264 with sound"_s);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
