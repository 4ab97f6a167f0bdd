// The download history in the results: the badge, Select New, and the note
// of a kept list that could not be read.
#include "UiFixture.h"
#include "ui/ResultsModel.h"
#include "ui/ResultsPane.h"

#include <QPaintEvent>

using namespace reelcatch;
using namespace reelcatch::test;

class TestHistory : public QObject {
    Q_OBJECT
private slots:
    void badgeAndSelectNew();
    void unreadableListIsNoted();
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

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
