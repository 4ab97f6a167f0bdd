// The download history in the results: the badge, Select New, and the note
// of a kept list that could not be read.
#include "UiFixture.h"
#include "appmodel/LibraryStore.h"
#include "ui/HistoryList.h"
#include "ui/HistoryModel.h"
#include "ui/HistoryWindow.h"
#include "ui/ResultsModel.h"
#include "ui/ResultsPane.h"

#include <QLineEdit>
#include <QPaintEvent>
#include <QTemporaryDir>
#include <QTimeZone>

using namespace reelcatch;
using namespace reelcatch::test;

class TestHistory : public QObject {
    Q_OBJECT
private slots:
    void badgeAndSelectNew();
    void unreadableListIsNoted();
    void historyWindowByKeyboard();
};

void TestHistory::badgeAndSelectNew()
{
    Ui ui;
    ui.model.library().open(ui.env.path(u"data"_s));
    QVERIFY(ui.showActive());
    ui.model.lookup().setInput(u"https://example.org/list"_s);
    ui.model.lookup().fetch();
    QVERIFY(ui.answer(u"List"_s, {u"a"_s, u"b"_s, u"c"_s}));
    ResultsPane* pane = ui.window.resultsPane();
    QVERIFY(!pane->selectNewButton()->isVisible());
    // A tick, Select All after it, and a video joining the history change
    // their own row alone.
    ResultsModel& results = pane->list()->results();
    QSignalSpy changed(&results, &QAbstractItemModel::dataChanged);
    const auto changedOnly = [&](int row, int role) {
        const bool one = changed.size() == 1 && changed.at(0).at(0).value<QModelIndex>().row() == row && changed.at(0).at(1).value<QModelIndex>().row() == row && changed.at(0).at(2).value<QList<int>>().contains(role);
        return changed.clear(), one;
    };
    struct : QObject { // what the list's viewport repaints
        QRegion region;
        bool eventFilter(QObject*, QEvent* e) override { return region += e->type() == QEvent::Paint ? static_cast<QPaintEvent*>(e)->region() : QRegion(), false; }
    } painted;
    pane->list()->viewport()->installEventFilter(&painted);
    QTest::qWait(50);
    painted.region = {};
    results.toggle(2);
    QVERIFY(changedOnly(2, Qt::CheckStateRole));
    QTRY_VERIFY(!painted.region.isEmpty());
    QCOMPARE(painted.region.boundingRect(), pane->list()->visualRect(results.index(2, 0)));
    QCOMPARE(pane->count()->text(), u"3 videos \u00b7 2 selected"_s);
    QTest::mouseClick(pane->selectAllButton(), Qt::LeftButton);
    QVERIFY(changedOnly(2, Qt::CheckStateRole));

    ui.model.queue().enqueue({video(u"b"_s)}, Preset::p720);
    ui.childFor(u"b"_s)->end(0);
    QTRY_VERIFY_WITH_TIMEOUT(pane->selectNewButton()->isVisible(), 20000);
    QVERIFY(changedOnly(1, ResultsModel::DownloadedRole));
    const QAbstractItemModel* rows = pane->list()->model();
    QVERIFY(rows->index(1, 0).data(ResultsModel::DownloadedRole).toBool());
    QVERIFY(!rows->index(0, 0).data(ResultsModel::DownloadedRole).toBool());
    QVERIFY(rows->index(1, 0).data(Qt::AccessibleDescriptionRole).toString().endsWith(u"Downloaded"_s));

    // A later lookup leaves what is on disk unticked; Select New ticks
    // exactly the new ones after any other choice.
    ui.model.lookup().fetch();
    QVERIFY(ui.answer(u"List"_s, {u"a"_s, u"b"_s, u"c"_s}));
    QCOMPARE(pane->count()->text(), u"3 videos \u00b7 2 selected"_s);
    QCOMPARE(rows->index(1, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    QTest::mouseClick(pane->selectAllButton(), Qt::LeftButton);
    QCOMPARE(ui.model.lookup().selected().size(), 3);
    QTest::mouseClick(pane->selectNewButton(), Qt::LeftButton);
    QCOMPARE(ui.model.lookup().selected(), QSet<QString>({u"a"_s, u"c"_s}));
    // Everything listed is on disk: nothing is ticked.
    ui.model.lookup().fetch();
    QVERIFY(ui.answer(u"List"_s, {u"b"_s}));
    QCOMPARE(pane->count()->text(), u"1 video \u00b7 0 selected"_s);
    QVERIFY(!pane->downloadButton()->isEnabled());

    // Streams carry their state; one yet to begin arrives unticked.
    ui.model.lookup().fetch();
    QVERIFY(ui.answer(u"List"_s, {u"a"_s, u"n"_s, u"u"_s}, {{u"a"_s, u"was_live"_s}, {u"n"_s, u"is_live"_s}, {u"u"_s, u"is_upcoming"_s}}));
    const auto said = [&](int r) { return rows->index(r, 0).data(Qt::AccessibleDescriptionRole).toString(); };
    QCOMPARE(said(0), u"Channel"_s);
    QCOMPARE(said(1), u"Channel \u00b7 Live"_s);
    QCOMPARE(said(2), u"Channel \u00b7 Upcoming"_s);
    QCOMPARE(ui.model.lookup().selected(), QSet<QString>({u"a"_s, u"n"_s}));
}

void TestHistory::unreadableListIsNoted()
{
    Ui ui;
    TestEnv::writeFile(ui.env.path(u"data/library.sqlite"_s), "not a database at all");
    QVERIFY(ui.showActive());
    QVERIFY(!ui.window.libraryNote()->isVisible());
    ui.model.library().open(ui.env.path(u"data"_s));
    QTRY_VERIFY_WITH_TIMEOUT(ui.window.libraryNote()->isVisible(), 20000);
    QCOMPARE(ui.window.libraryNote()->text(),
             u"Your download list couldn't be read and was started afresh."_s);
    QCOMPARE(QDir(ui.env.path(u"data"_s)).entryList({u"library.sqlite.broken-*"_s}).size(), 1);
}

// Finished videos kept in the store file, searched and acted on from the
// history window by keyboard; what the window removed stays removed.
void TestHistory::historyWindowByKeyboard()
{
    QTemporaryDir data;
    const QString tricky = u"Say \"hi\", then\nbye"_s;
    const auto finished = [&](const QString& id, const QString& title, const QString& channel, int day) {
        const QString file = data.filePath(id + u".mp4"_s);
        if (id != u"gone"_s)
            TestEnv::writeFile(file, "video");
        return HistoryEntry{id, Preset::mp3, file, QDateTime(QDate(2026, 3, day), QTime(9, 0), QTimeZone::utc()), title, channel, u"https://example.org/"_s + id};
    };
    {
        LibraryStore store(data.path());
        store.open();
        LibraryChanges kept;
        kept.history = {finished(u"q"_s, tricky, u"Quotes, Inc"_s, 1), finished(u"gone"_s, u"Lost clip"_s, u"Elsewhere"_s, 2), finished(u"new"_s, u"Newest"_s, u"Quoted \u00dcber"_s, 3)};
        QVERIFY(store.write(kept));
    }
    const QString removed = u"new"_s;
    {
        Ui ui;
        ui.model.library().open(data.path());
        QVERIFY(ui.showActive());
        // Listed in the main window too, both marked downloaded.
        ui.model.lookup().setInput(u"https://example.org/list"_s);
        ui.model.lookup().fetch();
        QVERIFY(ui.answer(u"List"_s, {removed}));
        const QAbstractItemModel* listed = ui.window.resultsPane()->list()->model();
        QTRY_VERIFY(listed->index(0, 0).data(ResultsModel::DownloadedRole).toBool());
        QVERIFY(ui.window.resultsPane()->selectNewButton()->isVisible());
        QTest::keyClick(&ui.window, Qt::Key_H, Qt::ControlModifier);
        QTRY_VERIFY(ui.window.historyWindow() && QTest::qWaitForWindowActive(ui.window.historyWindow()));
        HistoryWindow& history = *ui.window.historyWindow();
        HistoryModel& rows = history.rows();
        QTRY_COMPARE(rows.rowCount(), 3);
        QCOMPARE(rows.index(0).data().toString(), u"Newest"_s);
        QCOMPARE(rows.index(2).data().toString(), tricky);
        // The file's state comes once the row was shown; a gone one can't be opened.
        QTRY_COMPARE(rows.index(1).data(HistoryModel::FilePresentRole), QVariant(false));
        QTRY_COMPARE(rows.index(0).data(HistoryModel::FilePresentRole), QVariant(true));
        QVERIFY(rows.index(1).data(Qt::AccessibleDescriptionRole).toString().endsWith(u"File moved or deleted"_s));
        const auto names = [&](int row) {
            QStringList all;
            for (const auto& action : history.list()->rowActions(rows.index(row)))
                all << action.name;
            return all;
        };
        QCOMPARE(names(1), QStringList({u"Show in Folder"_s, u"Download Again"_s, u"Copy Link"_s, u"Remove from History"_s}));
        QCOMPARE(names(0).first(), u"Open"_s);

        // Typed into the search, which has the focus: title or channel, any case.
        QVERIFY(history.searchField()->hasFocus());
        QTest::keyClicks(history.searchField(), u"QUOTE"_s);
        QTRY_VERIFY(rows.isCurrent() && rows.rowCount() == 2);
        QTest::keyClicks(history.searchField(), u"s,"_s);
        QTRY_VERIFY(rows.isCurrent() && rows.rowCount() == 1);
        QTest::keyClick(history.searchField(), Qt::Key_Down);
        QVERIFY(history.list()->hasFocus());
        QTest::keyClick(history.list(), Qt::Key_Return);
        QCOMPARE(ui.actions.opened, QStringList({data.filePath(u"q.mp4"_s)}));
        QTest::keyClick(history.list(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(ui.actions.revealed, QStringList({data.filePath(u"q.mp4"_s)}));
        QTest::keyClick(history.list(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(ui.clipboard.text(), std::optional(u"https://example.org/q"_s));
        // Again with the preset chosen now, not the one it was downloaded with.
        QVERIFY(ui.window.preset() != Preset::mp3);
        QTest::keyClick(history.list(), Qt::Key_D, Qt::ControlModifier);
        QTRY_COMPARE(ui.model.queue().downloads().size(), 1);
        QCOMPARE(ui.model.queue().downloads().first()->video().title(), tricky);
        QCOMPARE(ui.model.queue().downloads().first()->preset(), ui.window.preset());

        // Export writes what is listed, quoted, to the file chosen.
        ui.chooser.folder = data.path();
        QTest::keyClick(history.list(), Qt::Key_E, Qt::ControlModifier);
        const QString csvPath = data.filePath(HistoryWindow::exportName());
        QTRY_VERIFY(history.status()->text().startsWith(u"Exported"_s));
        QFile csv(csvPath);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QString written = QString::fromUtf8(csv.readAll());
        QCOMPARE(written.count(u"\r\n"_s), 2);
        QVERIFY(written.contains(u"\r\n\"Say \"\"hi\"\", then\nbye\",\"Quotes, Inc\",\"https://example.org/q\",\"mp3\",\"2026-03-01T09:00:00Z\""_s));

        // Removing the newest from the whole list, by keyboard.
        history.searchField()->selectAll();
        QTest::keyClick(history.searchField(), Qt::Key_Backspace);
        QTRY_VERIFY(rows.isCurrent() && rows.rowCount() == 3);
        history.list()->setFocus();
        history.list()->setCurrentIndex(rows.index(0));
        QSignalSpy written2(&ui.model.library(), &Library::written);
        QSignalSpy repainted(listed, &QAbstractItemModel::dataChanged);
        QTest::keyClick(history.list(), Qt::Key_Delete);
        QVERIFY(!repainted.isEmpty() && repainted.first().at(2).value<QList<int>>().contains(ResultsModel::DownloadedRole));
        QCOMPARE(rows.rowCount(), 2);
        QVERIFY(!ui.model.library().isDownloaded(removed));
        QVERIFY(!listed->index(0, 0).data(ResultsModel::DownloadedRole).toBool());
        QVERIFY(!listed->index(0, 0).data(Qt::AccessibleDescriptionRole).toString().contains(u"Downloaded"_s));
        QVERIFY(!ui.window.resultsPane()->selectNewButton()->isVisible());
        QCOMPARE(history.list()->currentIndex().data().toString(), u"Lost clip"_s);
        QTRY_VERIFY(!written2.isEmpty() && written2.last().at(0).toBool());
    }
    LibraryStore reopened(data.path());
    QCOMPARE(reopened.open().downloaded, QSet<QString>({u"q"_s, u"gone"_s}));
    const auto kept = reopened.history(u"quote"_s);
    QVERIFY(kept && kept->size() == 1 && kept->first().title == tricky);
}

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
