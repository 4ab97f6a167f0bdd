// The downloads pane through its real list: rows, their painted buttons per
// phase, what a progress change repaints, and Clear Finished.
#include "UiFixture.h"

#include <QAccessible>
#include <QClipboard>
#include <QMenu>
#include <QPlainTextEdit>

using namespace reelcatch;
using namespace reelcatch::test;

namespace {

QStringList buttonsOf(const QModelIndex& index)
{
    return index.data(DownloadsModel::ButtonsRole).toStringList();
}

// Clicks the row's painted button of that name.
bool clickButton(DownloadsList& list, int row, const QString& name)
{
    const QModelIndex index = list.model()->index(row, 0);
    const int at = int(buttonsOf(index).indexOf(name));
    const auto rects =
        list.downloadDelegate()->geometry(list.visualRect(index), &list, index).buttons;
    if (at < 0 || at >= rects.size())
        return false;
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rects.at(at).center().toPoint());
    return true;
}

// Clicks the row's text action, once the row is laid out to hold it.
bool clickLink(DownloadsList& list, int row)
{
    const QModelIndex index = list.model()->index(row, 0);
    QRectF link;
    const auto laidOut = [&] { return !(link = list.downloadDelegate()->geometry(list.visualRect(index), &list, index).link).isNull() && list.visualRect(index).contains(link.center().toPoint()); };
    return QTest::qWaitFor(laidOut, 5000) && (QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, link.center().toPoint()), true);
}

// The texts of the menu Shift+F10 opens for the current row, or of none.
QStringList keyboardMenu(DownloadsList& list)
{
    QTest::keyClick(&list, Qt::Key_F10, Qt::ShiftModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QStringList texts;
    for (QAction* action : menu ? menu->actions() : QList<QAction*>())
        texts << action->text();
    if (menu)
        menu->close();
    return texts;
}

} // namespace

class TestDownloadsList : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(); }
    void rowsAndTheirButtons();
    void progressRepaintsItsRowOnly();
    void clearFinished();
    void failureSentenceAndPause();
    void rowActionsByKeyboard();
    void countdownToTheNextStart();
};

void TestDownloadsList::rowsAndTheirButtons()
{
    Ui ui; // two downloads at once: a and b run, c waits
    QVERIFY(ui.showActive());
    DownloadsList& list = *ui.window.downloadsPane()->list();
    QAbstractItemModel& rows = *list.model();
    ui.model.queue().enqueue({video(u"a"_s)}, Preset::p720);
    ui.model.queue().enqueue({video(u"b"_s), video(u"c"_s)}, Preset::p720);
    QCOMPARE(rows.rowCount(), 3);
    const auto row = [&](int r) { return rows.index(r, 0); };
    QCOMPARE(row(0).data().toString(), u"Title c"_s);
    QCOMPARE(row(2).data(Qt::AccessibleTextRole).toString(), u"Title a"_s);
    QCOMPARE(buttonsOf(row(0)), QStringList{u"Cancel"_s});

    ui.childFor(u"a"_s)->say(u"RC|downloading|500|1000|NA|NA|NA|avc1"_s);
    QCOMPARE(row(2).data(DownloadsModel::ProgressRole).toDouble(), 0.5);
    QCOMPARE(buttonsOf(row(2)), QStringList{u"Cancel"_s});

    FakeChild* b = ui.childFor(u"b"_s);
    b->say(u"RCFILE|Title b\u202E4pm.exe"_s); // in the folder yt-dlp works in; shown without the override
    b->end(0);
    QCOMPARE(buttonsOf(row(1)), (QStringList{u"Open"_s, u"Show in Folder"_s}));
    QCOMPARE(row(1).data(Qt::AccessibleDescriptionRole).toString(),
             u"720p \u00b7 Title b4pm.exe \u00b7 Open, Show in Folder"_s);
    QVERIFY(clickButton(list, 1, u"Show in Folder"_s));
    QCOMPARE(ui.actions.revealed, QStringList{ui.prefs.value(PrefKey::folder) + u"/Title b\u202E4pm.exe"_s});

    FakeChild* a = ui.childFor(u"a"_s);
    a->say(u"ERROR: boom"_s);
    a->end(1);
    QCOMPARE(buttonsOf(row(2)), (QStringList{u"Retry"_s, u"Remove"_s}));
    QCOMPARE(row(2).data(Qt::AccessibleDescriptionRole).toString(),
             u"720p \u00b7 boom \u00b7 Retry, Remove"_s);
    QVERIFY(clickButton(list, 2, u"Retry"_s));
    QCOMPARE(buttonsOf(row(2)), QStringList{u"Cancel"_s});

    // Cancel on the waiting job, then Remove takes its row away.
    QVERIFY(clickButton(list, 0, u"Cancel"_s));
    QCOMPARE(ui.model.queue().downloads().first()->phase(), Download::Phase::cancelled());
    QVERIFY(clickButton(list, 0, u"Remove"_s));
    QCOMPARE(rows.rowCount(), 2);
    QCOMPARE(row(0).data().toString(), u"Title b"_s);
}

void TestDownloadsList::progressRepaintsItsRowOnly()
{
    Ui ui;
    QVERIFY(ui.showActive());
    DownloadsList& list = *ui.window.downloadsPane()->list();
    QAbstractItemModel& rows = *list.model();
    QSignalSpy changed(&rows, &QAbstractItemModel::dataChanged);
    QList<VideoItem> videos;
    for (int i = 0; i < 60; ++i)
        videos << video(QString::number(i));
    ui.model.queue().enqueue(videos, Preset::p1080);
    QTRY_COMPARE(changed.size(), 2); // the rows of 0 and 1, once they started
    changed.clear();
    // Every row the view measures, from now on.
    struct Counting : DownloadDelegate {
        using DownloadDelegate::DownloadDelegate;
        QSize sizeHint(const QStyleOptionViewItem& o, const QModelIndex& i) const override { return ++calls, DownloadDelegate::sizeHint(o, i); }
        mutable int calls = 0;
    } counting(ui.thumbnails);
    list.setItemDelegate(&counting);
    QTRY_VERIFY(counting.calls >= 60);
    QCoreApplication::processEvents();
    const int last = 59; // the oldest job
    QList<QRect> before;
    for (int r = 0; r < last; ++r)
        before << list.visualRect(rows.index(r, 0));
    QSignalSpy relaid(&rows, &QAbstractItemModel::layoutChanged);
    QSignalSpy reset(&rows, &QAbstractItemModel::modelReset);
    counting.calls = 0;
    FakeChild* first = ui.childFor(u"0"_s);
    for (const char* done : {"100", "200", "300"})
        first->say(u"RC|downloading|"_s + QLatin1String(done) + u"|1000|NA|NA|NA|avc1"_s);
    QVERIFY(changed.wait(5000));
    // Three lines, one repaint of the last row alone: the others are not measured again.
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).value<QModelIndex>(), rows.index(last, 0));
    QCOMPARE(changed.at(0).at(1).value<QModelIndex>(), rows.index(last, 0));
    QCOMPARE(rows.index(last, 0).data(DownloadsModel::ProgressRole).toDouble(), 0.3);
    QCOMPARE(relaid.size() + reset.size(), 0);
    list.viewport()->repaint();
    QVERIFY2(counting.calls < 20, qPrintable(QString::number(counting.calls)));
    for (int r = 0; r < last; ++r)
        QCOMPARE(list.visualRect(rows.index(r, 0)), before.at(r));
    list.setItemDelegate(list.downloadDelegate());
}

void TestDownloadsList::clearFinished()
{
    Ui ui;
    QVERIFY(ui.showActive());
    DownloadsPane& pane = *ui.window.downloadsPane();
    QVERIFY(!pane.showsList());
    QCOMPARE(pane.findChild<QLabel*>(u"nothingYet"_s)->text(), u"Nothing here yet."_s);
    QVERIFY(!pane.clearFinishedButton()->isEnabled());
    ui.model.queue().enqueue({video(u"a"_s), video(u"b"_s), video(u"c"_s)}, Preset::p1080);
    QVERIFY(pane.showsList());
    QCOMPARE(pane.findChild<QLabel*>(u"downloadsSummary"_s)->text(), u"2 downloading \u00b7 1 queued"_s);
    QVERIFY(!pane.clearFinishedButton()->isEnabled());

    ui.childFor(u"a"_s)->end(0);
    ui.childFor(u"b"_s)->end(2); // c starts in their place
    QCOMPARE(pane.findChild<QLabel*>(u"downloadsSummary"_s)->text(), u"1 downloading"_s);
    QVERIFY(pane.clearFinishedButton()->isEnabled());
    QTest::mouseClick(pane.clearFinishedButton(), Qt::LeftButton);
    QCOMPARE(pane.list()->model()->rowCount(), 1);
    QCOMPARE(ui.model.queue().downloads().first()->video().id(), u"c"_s);
    QVERIFY(!pane.clearFinishedButton()->isEnabled());

    ui.childFor(u"c"_s)->end(0);
    QTest::mouseClick(pane.clearFinishedButton(), Qt::LeftButton);
    QVERIFY(!pane.showsList());
    QVERIFY(pane.findChild<QLabel*>(u"nothingYet"_s)->isVisible());
}

void TestDownloadsList::failureSentenceAndPause()
{
    Ui ui;
    ui.prefs.setValue(PrefKey::parallel, 1);
    QVERIFY(ui.showActive());
    DownloadsList& list = *ui.window.downloadsPane()->list();
    QAbstractItemModel& rows = *list.model();
    const auto row = [&](int r) { return rows.index(r, 0); };
    QSignalSpy wanted(&ui.window, &MainWindow::chooseBrowserRequested);
    ui.env.setNow(QDateTime(QDate(2026, 3, 1), QTime(13, 50)));
    QCoreApplication::setApplicationVersion(u"9.8.7"_s);
    TestEnv::writeExecutable(ui.env.supportDir() + u"/deno"_s, "#!/bin/sh\n"); // nothing to install
    ui.model.startEngineCheck();
    ui.runner->last()->print("2023.03.04\n"), ui.runner->last()->end(0);
    QTRY_VERIFY(ui.model.readiness().version());
    ui.model.queue().setSession([] { return YtdlpArgs::Session{{{}, u"/home/me/cookies.txt"_s}, {}}; });
    ui.model.queue().enqueue({video(u"a"_s)}, Preset::p720);
    const QString bot = u"[youtube] a: Sign in to confirm you\u2019re not a bot. Use --cookies-from-browser or --cookies for the authentication."_s;
    ui.childFor(u"a"_s)->say(u"ERROR: "_s + bot);
    ui.childFor(u"a"_s)->end(1);
    const QString sentence = u"YouTube wants a signed-in browser to confirm you're not a bot."_s;
    QCOMPARE(row(0).data(DownloadsModel::StatusRole).toString(), sentence);
    QCOMPARE(row(0).data(Qt::AccessibleDescriptionRole).toString(),
             u"720p \u00b7 "_s + sentence + u" \u00b7 Choose Browser\u2026, Retry, Remove"_s);
    QVERIFY(clickLink(list, 0));
    QCOMPARE(wanted.count(), 1);
    QAccessibleInterface* item = QAccessible::queryAccessibleInterface(&list)->child(0);
    QCOMPARE(item->actionInterface()->actionNames().first(), u"Choose Browser\u2026"_s);
    item->actionInterface()->doAction(u"Choose Browser\u2026"_s);
    QCOMPARE(wanted.count(), 2);

    // YouTube's limit: the job waits again, every waiting row says until when.
    ui.model.queue().enqueue({video(u"b"_s), video(u"c"_s)}, Preset::p720);
    const QString limit = u"ERROR: [youtube] b: Video unavailable. This content isn't available, try again later."_s;
    ui.childFor(u"b"_s)->say(limit);
    ui.childFor(u"b"_s)->end(1);
    const QString paused = u"Paused: YouTube is limiting requests. Resuming at 14:05\u2026"_s;
    for (int r : {0, 1})
        QCOMPARE(row(r).data(DownloadsModel::StatusRole).toString(), paused);
    QCOMPARE(row(2).data(DownloadsModel::StatusRole).toString(), sentence);
    const auto runs = ui.runner->children.size();
    QVERIFY(clickLink(list, 1));
    QCOMPARE(ui.runner->children.size(), runs + 1);

    // Limited three times in a row: the job fails for it, and nothing resumes it.
    for (int run = 0; run < 2; ++run)
        ui.childFor(u"b"_s)->say(limit), ui.childFor(u"b"_s)->end(1), ui.model.queue().resumeNow();
    QCOMPARE(row(1).data(Qt::AccessibleDescriptionRole).toString(),
             u"720p · YouTube is still limiting requests from this connection. Try again later. · Retry, Remove"_s);

    // Copy Error and Show Log tell the whole story; the cookies' file is not in it.
    const auto menuItem = [&](const QString& text) {
        const QRect rect = list.visualRect(row(1));
        QContextMenuEvent click(QContextMenuEvent::Mouse, rect.center(), list.viewport()->mapToGlobal(rect.center()));
        QApplication::sendEvent(list.viewport(), &click);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        for (QAction* action : menu ? menu->actions() : QList<QAction*>())
            if (action->text() == text)
                action->trigger(), menu->close();
    };
    menuItem(u"Copy Error"_s);
    const QString report = QGuiApplication::clipboard()->text();
    QVERIFY2(report.startsWith(limit.mid(7) + u"\n"_s) && report.contains(u" 9.8.7, yt-dlp 2023.03.04\n"_s) && report.contains(u" --cookies … "_s) && !report.contains(u"cookies.txt"_s) && report.endsWith(u"\n"_s + limit), qPrintable(report));
    menuItem(u"Show Log"_s);
    auto* log = list.findChild<QPlainTextEdit*>();
    QVERIFY(log && log->isReadOnly());
    QCOMPARE(log->toPlainText(), limit);
    for (QPushButton* button : log->parentWidget()->findChildren<QPushButton*>())
        if (button->text() == u"Copy"_s)
            QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), limit);
}

// Every row's actions from the keyboard: its menu lists what its accessible
// item offers, and both do it.
void TestDownloadsList::rowActionsByKeyboard()
{
    Ui ui;
    QVERIFY(ui.showActive());
    DownloadsList& list = *ui.window.downloadsPane()->list();
    QStringList opened;
    list.setFileOpener([&](const QString& path) { opened << path; });
    ui.model.queue().enqueue({video(u"a"_s), video(u"b"_s)}, Preset::p720); // rows b, a
    QAbstractItemModel& rows = *list.model();
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(list.selectionModel()->selectedRows(), QModelIndexList{rows.index(0, 0)});
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(&list);
    QCOMPARE(view->childCount(), 2);
    const auto actions = [&](int row) { return view->child(row)->actionInterface(); };
    const auto check = [&](int row, const QStringList& expected) {
        list.setCurrentIndex(rows.index(row, 0));
        return keyboardMenu(list) == expected && actions(row)->actionNames() == expected;
    };
    QVERIFY(check(0, {u"Cancel"_s, u"Show Log"_s, u"Copy Link"_s, u"Remove from List"_s}));
    QCOMPARE(view->child(1)->text(QAccessible::Name), u"Title a"_s);

    ui.childFor(u"b"_s)->say(u"RCFILE|b.mp4"_s);
    ui.childFor(u"b"_s)->end(0);
    QVERIFY(check(0, {u"Open"_s, u"Show in Folder"_s, u"Show Log"_s, u"Copy Link"_s, u"Remove from List"_s}));
    QTest::keyClick(&list, Qt::Key_Return);
    QCOMPARE(opened, QStringList{ui.prefs.value(PrefKey::folder) + u"/b.mp4"_s});
    actions(0)->doAction(u"Show in Folder"_s);
    QCOMPARE(ui.actions.revealed, opened);

    ui.childFor(u"a"_s)->say(u"ERROR: boom"_s);
    ui.childFor(u"a"_s)->end(1);
    QVERIFY(check(1, {u"Retry"_s, u"Copy Error"_s, u"Show Log"_s, u"Copy Link"_s, u"Remove from List"_s}));
    QTest::keyClick(&list, Qt::Key_Return); // nothing to open
    QCOMPARE(opened.size(), 1);
    actions(1)->doAction(u"Copy Error"_s);
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(u"boom\n"_s));
    actions(1)->doAction(u"Retry"_s);
    QVERIFY(check(1, {u"Cancel"_s, u"Show Log"_s, u"Copy Link"_s, u"Remove from List"_s}));
    actions(0)->doAction(u"Remove from List"_s);
    QCOMPARE(rows.rowCount(), 1);
    QCOMPARE(view->child(0)->text(QAccessible::Name), u"Title a"_s);
}

// With a pause between starts, the job next in line counts down on the
// engine's clock, its row alone repainted each second.
void TestDownloadsList::countdownToTheNextStart()
{
    Ui ui;
    ui.prefs.setValue(PrefKey::parallel, 20);
    ui.prefs.setValue(PrefKey::startGap, 12);
    const QDateTime t0(QDate(2026, 3, 1), QTime(10, 0), Qt::UTC);
    ui.env.setNow(t0);
    QVERIFY(ui.showActive());
    QAbstractItemModel& rows = *ui.window.downloadsPane()->list()->model();
    const auto status = [&](int r) { return rows.index(r, 0).data(DownloadsModel::StatusRole).toString(); };
    QList<VideoItem> videos;
    for (int i = 0; i < 12; ++i)
        videos << video(QString::number(i));
    ui.model.queue().enqueue(videos, Preset::p720); // ten start at once; 10, then 11, wait
    QCOMPARE(status(1), u"Starts in 12 seconds"_s);
    QVERIFY(!status(0).startsWith(u"Starts"_s));
    QTest::qWait(100); // the started rows' repaints
    QSignalSpy changed(&rows, &QAbstractItemModel::dataChanged);
    ui.env.setNow(t0.addSecs(11));
    QVERIFY(changed.wait(2000));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).value<QModelIndex>().row(), 1);
    QCOMPARE(status(1), u"Starts in 1 second"_s);
    ui.env.setNow(t0.addSecs(12));
    ui.model.queue().wake();
    QVERIFY(ui.childFor(u"10"_s));
    QCOMPARE(status(0), u"Starts in 12 seconds"_s);
}

QTEST_MAIN(TestDownloadsList)
#include "tst_downloadslist.moc"
