// The downloads list: its model against the app model's jobs, each phase's
// status line, bar, buttons and colours, clicks on the painted buttons,
// tooltips, the context menu, the Delete key, repaints coalesced per frame,
// row heights that follow the phase, and a screenshot.
#include "AppModel.h"
#include "DownloadDelegate.h"
#include "DownloadsList.h"
#include "DownloadsModel.h"
#include "Fakes.h"
#include "HttpServer.h"
#include "RowListTestSupport.h"
#include "RowStyle.h"
#include "TestEnv.h"
#include "ThumbnailCache.h"

#include <QAbstractItemModelTester>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QTest>

using namespace reelcatch;

Q_DECLARE_METATYPE(Download::Phase::Kind)

namespace {

using Kind = Download::Phase::Kind;
using Action = DownloadsModel::Action;

VideoItem video(const QString& id, const QString& thumbnail = {})
{
    QJsonObject json{{QStringLiteral("id"), id},
                     {QStringLiteral("title"), QStringLiteral("Title of ") + id},
                     {QStringLiteral("webpage_url"), QStringLiteral("https://example.org/") + id}};
    if (!thumbnail.isEmpty())
        json.insert(QStringLiteral("thumbnail"), thumbnail);
    return *VideoItem::fromJson(json);
}

// A model with no tools: enqueued jobs wait for an ffmpeg installation the
// fake installer never finishes, so each stays in whatever phase the test
// gives it.
struct Bench {
    TestEnv env;
    Engine engine{env.engineConfig()};
    Prefs prefs{env.settingsPath(), env.downloadsDir()};
    FakeInstaller installer;
    AppModel model{engine, prefs, installer};
    QNetworkAccessManager network;
    ThumbnailCache thumbnails{&network, QString()};
    RecordingActions actions;
    QStringList opened;
    DownloadsList list{model, thumbnails, actions};

    Bench(int width = 640, int height = 420)
    {
        list.setFileOpener([this](const QString& path) { opened << path; });
        list.resize(width, height);
    }
    bool show()
    {
        list.show();
        return QTest::qWaitForWindowExposed(&list);
    }
    DownloadPtr add(const QString& id, Preset preset = Preset::p1080, const QString& thumbnail = {})
    {
        model.enqueue({video(id, thumbnail)}, preset);
        return model.downloads().first();
    }
    int row(const DownloadPtr& job) const { return list.downloadsModel()->rowOf(job.get()); }
    QModelIndex index(const DownloadPtr& job) const
    {
        return list.downloadsModel()->index(row(job));
    }
    QRect rowRect(const DownloadPtr& job) const { return list.visualRect(index(job)); }
    DownloadDelegate::Geometry geometry(const DownloadPtr& job) const
    {
        return list.downloadDelegate()->geometry(rowRect(job), &list, index(job));
    }
    QPoint button(const DownloadPtr& job, int which) const
    {
        return geometry(job).buttons.at(which).center().toPoint();
    }
    void click(QPoint at) { QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at); }
    QStringList ids() const
    {
        QStringList list;
        for (const DownloadPtr& job : model.downloads())
            list << job->video().id();
        return list;
    }
    QStringList rows() const
    {
        QStringList list;
        for (int row = 0; row < this->list.model()->rowCount(); ++row)
            list << this->list.downloadsModel()->job(row)->video().id();
        return list;
    }
};

// Puts a job into a phase the way the queue and the progress lines would.
void setPhase(AppModel& model, const DownloadPtr& job, Kind kind, const QString& extra = {})
{
    switch (kind) {
    case Kind::queued:
        job->setDetail(QStringLiteral("Waiting\u2026"));
        break;
    case Kind::downloading:
        job->setPhase(Download::Phase::downloading());
        job->setFraction(extra.isEmpty() ? 0 : extra.toDouble());
        job->setDetail(
            QStringLiteral("Video \u00b7 12.3 MB of 29.1 MB \u00b7 1.2 MB/s \u00b7 0:14 left"));
        break;
    case Kind::processing:
        job->setPhase(Download::Phase::processing());
        job->setDetail(QStringLiteral("Finishing up\u2026"));
        break;
    case Kind::done:
        job->setPhase(Download::Phase::done());
        job->setFraction(1);
        if (!extra.isEmpty())
            job->setFile(extra);
        job->setDetail(extra.isEmpty() ? QStringLiteral("Saved to Downloads")
                                       : extra.section(QLatin1Char('/'), -1));
        break;
    case Kind::failed:
        job->setPhase(Download::Phase::failed(extra));
        break;
    case Kind::cancelled:
        model.cancel(*job);
        break;
    }
}

} // namespace

class TestDownloadsList : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void modelFollowsTheJobs();
    void rowByPhase_data();
    void rowByPhase();
    void buttonsAct();
    void toolTipsNameTheButtons();
    void contextMenuByPhase_data();
    void contextMenuByPhase();
    void deleteKeyRemovesFinishedRows();
    void repaintsAreCoalesced();
    void rowHeightFollowsThePhase();
    void screenshot();

private:
    HttpServer m_server;
};

void TestDownloadsList::initTestCase()
{
    TestEnv::isolateProcess();
    useDesktopFont();
    QVERIFY(m_server.isListening());
}

void TestDownloadsList::modelFollowsTheJobs()
{
    Bench b;
    QAbstractItemModel* model = b.list.model();
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy resets(model, &QAbstractItemModel::modelReset);

    b.model.enqueue(
        {video(QStringLiteral("a")), video(QStringLiteral("b")), video(QStringLiteral("c"))},
        Preset::p720);
    QCOMPARE(b.rows(), b.ids());
    b.model.enqueue({video(QStringLiteral("d")), video(QStringLiteral("e"))}, Preset::mp3);
    QCOMPARE(b.rows(), b.ids());
    QCOMPARE(b.rows(), QStringList({QStringLiteral("e"), QStringLiteral("d"), QStringLiteral("c"),
                                    QStringLiteral("b"), QStringLiteral("a")}));
    QCOMPARE(inserted.size(), 2);
    QCOMPARE(model->index(0, 0).data(DownloadsModel::PresetRole).toString(), QStringLiteral("MP3"));
    QCOMPARE(model->index(4, 0).data(DownloadsModel::PresetRole).toString(),
             QStringLiteral("720p"));

    // Finish two jobs apart from each other, take out the middle one, clear.
    setPhase(b.model, b.model.downloads().at(1), Kind::done);
    setPhase(b.model, b.model.downloads().at(3), Kind::failed, QStringLiteral("ERROR: gone"));
    b.model.remove(*b.model.downloads().at(2));
    QCOMPARE(b.rows(), b.ids());
    b.model.clearFinished();
    QCOMPARE(b.rows(), QStringList({QStringLiteral("e"), QStringLiteral("a")}));
    QCOMPARE(removed.size(), 2); // c, then d and b (neighbours by then) as one run
    b.model.enqueue({video(QStringLiteral("f"))}, Preset::best);
    QCOMPARE(b.rows(), b.ids());
    QCOMPARE(resets.size(), 0);
    b.model.cancelAll();
    b.model.clearFinished();
    QCOMPARE(model->rowCount(), 0);
}

void TestDownloadsList::rowByPhase_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("extra");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QVariant>("progress");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("colour"); // what the status line is painted in

    const QStringList cancel{QStringLiteral("Cancel")};
    const QStringList retryRemove{QStringLiteral("Retry"), QStringLiteral("Remove")};
    QTest::newRow("queued") << Kind::queued << QString() << QStringLiteral("Waiting\u2026")
                            << QVariant() << cancel << QStringLiteral("grey");
    QTest::newRow("downloading at 0")
        << Kind::downloading << QString()
        << QStringLiteral("Video \u00b7 12.3 MB of 29.1 MB \u00b7 1.2 MB/s \u00b7 0:14 left")
        << QVariant(0.0) << cancel << QStringLiteral("grey");
    QTest::newRow("downloading at 0.4")
        << Kind::downloading << QStringLiteral("0.4")
        << QStringLiteral("Video \u00b7 12.3 MB of 29.1 MB \u00b7 1.2 MB/s \u00b7 0:14 left")
        << QVariant(0.4) << cancel << QStringLiteral("grey");
    QTest::newRow("processing") << Kind::processing << QString()
                                << QStringLiteral("Finishing up\u2026") << QVariant(-1.0) << cancel
                                << QStringLiteral("grey");
    QTest::newRow("done with file")
        << Kind::done << QStringLiteral("/tmp/x/Title of a [a].mp4")
        << QStringLiteral("Title of a [a].mp4") << QVariant()
        << QStringList{QStringLiteral("Open"), QStringLiteral("Show in Folder")}
        << QStringLiteral("green");
    QTest::newRow("done without file")
        << Kind::done << QString() << QStringLiteral("Saved to Downloads") << QVariant()
        << QStringList() << QStringLiteral("green");
    QTest::newRow("failed") << Kind::failed
                            << QStringLiteral("ERROR: [youtube] a: Video unavailable")
                            << QStringLiteral("ERROR: [youtube] a: Video unavailable") << QVariant()
                            << retryRemove << QStringLiteral("red");
    QTest::newRow("cancelled") << Kind::cancelled << QString() << QStringLiteral("Cancelled")
                               << QVariant() << retryRemove << QStringLiteral("grey");
}

void TestDownloadsList::rowByPhase()
{
    QFETCH(Kind, kind);
    QFETCH(QString, extra);
    QFETCH(QString, status);
    QFETCH(QVariant, progress);
    QFETCH(QStringList, buttons);
    QFETCH(QString, colour);

    Bench b;
    const DownloadPtr job = b.add(QStringLiteral("a"));
    setPhase(b.model, job, kind, extra);
    QVERIFY(b.show());
    const QModelIndex index = b.index(job);
    QCOMPARE(index.data(DownloadsModel::StatusRole).toString(), status);
    QCOMPARE(index.data(DownloadsModel::ProgressRole), progress);
    QCOMPARE(index.data(DownloadsModel::ButtonsRole).toStringList(), buttons);
    // The buttons' names are part of what assistive tools read for the row.
    const QString description = index.data(Qt::AccessibleDescriptionRole).toString();
    QVERIFY2(description.startsWith(QStringLiteral("1080p \u00b7 ") + status),
             qPrintable(description));
    for (const QString& name : buttons)
        QVERIFY(description.contains(name));

    const DownloadDelegate::Geometry g = b.geometry(job);
    QCOMPARE(g.buttons.size(), buttons.size());
    QCOMPARE(g.bar.isNull(), !progress.isValid());

    // The painted status line: green for done, red for failed, neither
    // for the rest (a cancelled job is not an error).
    QCoreApplication::processEvents();
    const QImage shot = b.list.viewport()->grab().toImage();
    const QRect line = g.status.toAlignedRect();
    const QMap<QString, int> tones = countTones(shot, line);
    QCOMPARE(tones.value(QStringLiteral("red")) > 10, colour == QStringLiteral("red"));
    QCOMPARE(tones.value(QStringLiteral("green")) > 10, colour == QStringLiteral("green"));
    QCOMPARE(tones.value(QStringLiteral("grey")) > 10, colour == QStringLiteral("grey"));

    if (progress.isValid() && progress.toDouble() >= 0) {
        // A determinate bar, filled to its fraction.
        const QColor fill = b.list.palette().color(QPalette::Highlight);
        const QRect bar = g.bar.toAlignedRect();
        const int filled =
            countNear(shot, QRect(bar.left(), bar.center().y(), bar.width(), 1), fill, 30);
        QVERIFY2(std::abs(filled - bar.width() * progress.toDouble()) <= 6,
                 qPrintable(QStringLiteral("%1 of %2").arg(filled).arg(bar.width())));
    }
}

void TestDownloadsList::buttonsAct()
{
    Bench b;
    const DownloadPtr done = b.add(QStringLiteral("done"));
    const DownloadPtr job = b.add(QStringLiteral("job"));
    setPhase(b.model, done, Kind::done, QStringLiteral("/tmp/folder/done.mp4"));
    QVERIFY(b.show());

    // Queued: Cancel. Cancelled: Retry, Remove. Retry puts it back in line
    // and the row offers Cancel again.
    b.click(b.button(job, 0));
    QCOMPARE(job->phase().kind(), Kind::cancelled);
    QCOMPARE(job->detail(), QStringLiteral("Cancelled"));
    QTRY_COMPARE(b.geometry(job).buttons.size(), 2);
    b.click(b.button(job, 0));
    QCOMPARE(job->phase().kind(), Kind::queued);
    QTRY_COMPARE(b.geometry(job).buttons.size(), 1);

    setPhase(b.model, job, Kind::failed, QStringLiteral("ERROR: no"));
    QTRY_COMPARE(b.geometry(job).buttons.size(), 2);
    b.click(b.button(job, 1));
    QCOMPARE(b.ids(), QStringList{QStringLiteral("done")});
    QCOMPARE(b.list.model()->rowCount(), 1);

    // Done: Open and Show in Folder act on the file, not on the job.
    b.click(b.button(done, 0));
    QCOMPARE(b.opened, QStringList{QStringLiteral("/tmp/folder/done.mp4")});
    b.click(b.button(done, 1));
    QCOMPARE(b.actions.revealed, QStringList{QStringLiteral("/tmp/folder/done.mp4")});
    QCOMPARE(done->phase().kind(), Kind::done);

    // A press on a button released elsewhere does nothing.
    QTest::mousePress(b.list.viewport(), Qt::LeftButton, {}, b.button(done, 0));
    QTest::mouseRelease(b.list.viewport(), Qt::LeftButton, {},
                        b.geometry(done).title.center().toPoint());
    QCOMPARE(b.opened.size(), 1);
}

void TestDownloadsList::toolTipsNameTheButtons()
{
    Bench b;
    const DownloadPtr failed = b.add(QStringLiteral("f"));
    const DownloadPtr done = b.add(QStringLiteral("d"));
    const DownloadPtr queued = b.add(QStringLiteral("q"));
    const QString message =
        QStringLiteral("ERROR: [youtube] f: This video is not available in your country, and "
                       "it will not be for a long while either, whatever you try to do about it");
    setPhase(b.model, failed, Kind::failed, message);
    setPhase(b.model, done, Kind::done, QStringLiteral("/tmp/d.mp4"));
    QVERIFY(b.show());

    for (const DownloadPtr& job : {failed, done, queued}) {
        const QStringList names = b.index(job).data(DownloadsModel::ButtonsRole).toStringList();
        QCOMPARE(b.geometry(job).buttons.size(), names.size());
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(toolTipAt(b.list, b.button(job, i)), names[i]);
    }
    // The failure message, cut after two lines in the row, shows whole.
    QCOMPARE(toolTipAt(b.list, b.geometry(failed).status.center().toPoint()), message);
    QCOMPARE(toolTipAt(b.list, b.geometry(queued).status.center().toPoint()), QString());
}

void TestDownloadsList::contextMenuByPhase_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("extra");
    QTest::addColumn<QStringList>("items");

    const QString link = QStringLiteral("Copy Link");
    const QString remove = QStringLiteral("Remove from List");
    QTest::newRow("done with file")
        << Kind::done << QStringLiteral("/tmp/a.mp4")
        << QStringList{QStringLiteral("Open"), QStringLiteral("Show in Folder"), link, remove};
    QTest::newRow("done without file") << Kind::done << QString() << QStringList{link, remove};
    QTest::newRow("failed") << Kind::failed << QStringLiteral("ERROR: broken")
                            << QStringList{link, QStringLiteral("Copy Error"), remove};
    QTest::newRow("downloading") << Kind::downloading << QString() << QStringList{link, remove};
    QTest::newRow("cancelled") << Kind::cancelled << QString() << QStringList{link, remove};
}

void TestDownloadsList::contextMenuByPhase()
{
    QFETCH(Kind, kind);
    QFETCH(QString, extra);
    QFETCH(QStringList, items);

    Bench b;
    const DownloadPtr other = b.add(QStringLiteral("other"));
    const DownloadPtr job = b.add(QStringLiteral("a"));
    setPhase(b.model, job, kind, extra);
    QVERIFY(b.show());

    QMenu* menu = contextMenuAt(b.list, b.rowRect(job).center());
    QVERIFY(menu);
    QCOMPARE(menuTexts(menu), items);
    menu->close();
    for (const QString& text : items) {
        if (text == QStringLiteral("Remove from List"))
            continue;
        QVERIFY(triggerMenu(contextMenuAt(b.list, b.rowRect(job).center()), text));
    }
    QCOMPARE(b.actions.copied.first(), QStringLiteral("https://example.org/a"));
    if (kind == Kind::failed)
        QCOMPARE(b.actions.copied.last(), extra);
    if (items.contains(QStringLiteral("Open"))) {
        QCOMPARE(b.opened, QStringList{extra});
        QCOMPARE(b.actions.revealed, QStringList{extra});
    }

    // Removing from the menu stops an unfinished job and takes its row away.
    QVERIFY(triggerMenu(contextMenuAt(b.list, b.rowRect(job).center()),
                        QStringLiteral("Remove from List")));
    QCOMPARE(b.ids(), QStringList{QStringLiteral("other")});
    QVERIFY(job->isFinished());
    QCOMPARE(other->phase().kind(), Kind::queued);
}

void TestDownloadsList::deleteKeyRemovesFinishedRows()
{
    Bench b;
    const DownloadPtr finished = b.add(QStringLiteral("finished"));
    const DownloadPtr waiting = b.add(QStringLiteral("waiting"));
    setPhase(b.model, finished, Kind::done);
    QVERIFY(b.show());
    b.list.setFocus();

    b.list.setCurrentIndex(b.index(waiting));
    QTest::keyClick(&b.list, Qt::Key_Delete);
    QCOMPARE(b.ids().size(), 2);

    // A click on the row (not on a button) selects it.
    b.click(b.geometry(finished).title.center().toPoint());
    QCOMPARE(b.list.selectionModel()->selectedRows(), QModelIndexList{b.index(finished)});
    QTest::keyClick(&b.list, Qt::Key_Delete);
    QCOMPARE(b.ids(), QStringList{QStringLiteral("waiting")});
    QCOMPARE(waiting->phase().kind(), Kind::queued);
}

void TestDownloadsList::repaintsAreCoalesced()
{
    Bench b;
    const DownloadPtr quiet = b.add(QStringLiteral("quiet"));
    const DownloadPtr busy = b.add(QStringLiteral("busy"));
    // Adding the jobs changed them too (the queue's note about getting
    // ffmpeg); let that frame pass first.
    QSignalSpy settled(b.list.model(), &QAbstractItemModel::dataChanged);
    QVERIFY(settled.wait(2000));
    QSignalSpy changed(b.list.model(), &QAbstractItemModel::dataChanged);
    busy->setPhase(Download::Phase::downloading());
    for (int i = 1; i <= 200; ++i) {
        busy->setFraction(i / 200.0);
        busy->setDetail(QString::number(i));
    }
    QVERIFY(changed.wait(2000));
    QCoreApplication::processEvents();
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.first().at(0).value<QModelIndex>().row(), b.row(busy));
    QCOMPARE(changed.first().at(1).value<QModelIndex>().row(), b.row(busy));
    QCOMPARE(b.index(busy).data(DownloadsModel::ProgressRole).toDouble(), 1.0);

    // The next change is a frame of its own.
    quiet->setDetail(QStringLiteral("x"));
    QVERIFY(changed.wait(2000));
    QCOMPARE(changed.size(), 2);
    QCOMPARE(changed.last().at(0).value<QModelIndex>().row(), b.row(quiet));
}

void TestDownloadsList::rowHeightFollowsThePhase()
{
    Bench b(520, 420);
    // Large text, so that the text beside the thumbnail is what sets the
    // height of a row.
    QFont large = b.list.font();
    large.setPointSizeF(16);
    b.list.setFont(large);
    const DownloadPtr below = b.add(QStringLiteral("below"));
    const DownloadPtr job = b.add(QStringLiteral("job"));
    QVERIFY(b.show());
    const int queuedHeight = b.rowRect(job).height();
    QCOMPARE(b.rowRect(below).top(), b.rowRect(job).bottom() + 1);

    // The bar takes room of its own, and a long failure message two lines;
    // the row grows and the row below moves down with it.
    setPhase(b.model, job, Kind::downloading, QStringLiteral("0.5"));
    QTRY_VERIFY(b.rowRect(job).height() > queuedHeight);
    const int downloadingHeight = b.rowRect(job).height();
    QTRY_COMPARE(b.rowRect(below).top(), b.rowRect(job).bottom() + 1);
    setPhase(b.model, job, Kind::failed,
             QStringLiteral("ERROR: a long message that cannot fit on one line of a narrow "
                            "row, and goes on well past the second line as well, so it is cut"));
    QTRY_VERIFY(b.rowRect(job).height() != downloadingHeight);
    QVERIFY(b.rowRect(job).height() > queuedHeight);
    QTRY_COMPARE(b.rowRect(below).top(), b.rowRect(job).bottom() + 1);
    const QRectF status = b.geometry(job).status;
    QVERIFY(status.bottom() <= b.rowRect(job).bottom());
    const QFontMetricsF caption(RowStyle::font(b.list.font(), 10));
    QCOMPARE(qRound(status.height()), qRound(2 * caption.lineSpacing()));

    // Back in line: no bar, one line, the first height again.
    b.model.retry(*job);
    QTRY_COMPARE(b.rowRect(job).height(), queuedHeight);
    QTRY_COMPARE(b.rowRect(below).top(), b.rowRect(job).bottom() + 1);
}

void TestDownloadsList::screenshot()
{
    const QColor colours[] = {QColor(0xe5, 0x73, 0x73), QColor(0x64, 0xb5, 0xf6),
                              QColor(0x81, 0xc7, 0x84), QColor(0xff, 0xb7, 0x4d),
                              QColor(0xba, 0x68, 0xc8), QColor(0x4d, 0xb6, 0xac)};
    for (int i = 0; i < 6; ++i) {
        m_server.serveBytes(QStringLiteral("/shot/%1.png").arg(i),
                            encodedImage(QSize(320, 180), colours[i]), "image/png");
    }
    Bench b(760, 560);
    auto add = [&](const char* id, Preset preset, int image) {
        return b.add(QString::fromLatin1(id), preset,
                     image < 0 ? QString()
                               : m_server.url(QStringLiteral("/shot/%1.png").arg(image)));
    };
    const DownloadPtr cancelled = add("cancelled", Preset::p480, 5);
    const DownloadPtr failed = add("failed", Preset::p1440, 4);
    const DownloadPtr saved = add("saved", Preset::mp3, -1);
    const DownloadPtr done = add("done", Preset::p2160, 3);
    const DownloadPtr processing = add("processing", Preset::m4a, 2);
    const DownloadPtr downloading = add("downloading", Preset::best, 1);
    const DownloadPtr queued =
        add("queued with a title much too long for one line of the row, which the row cuts short "
            "before it reaches the badge",
            Preset::p1080, 0);
    setPhase(b.model, cancelled, Kind::cancelled);
    setPhase(b.model, failed, Kind::failed,
             QStringLiteral("ERROR: [youtube] failed: Sign in to confirm your age. This video may "
                            "be inappropriate for some users, and this message goes on long enough "
                            "to be cut after its second line: use --cookies-from-browser or "
                            "--cookies for the authentication, see the wiki for how to pass "
                            "cookies to yt-dlp effectively"));
    setPhase(b.model, saved, Kind::done);
    setPhase(b.model, done, Kind::done, QStringLiteral("/tmp/Title of done [done].mp4"));
    setPhase(b.model, processing, Kind::processing);
    setPhase(b.model, downloading, Kind::downloading, QStringLiteral("0.42"));
    QVERIFY(b.show());
    b.list.setCurrentIndex(b.index(done));
    QTRY_VERIFY_WITH_TIMEOUT(
        b.thumbnails.requestsStarted() == 6 && b.thumbnails.runningCount() == 0, 10000);
    QCoreApplication::processEvents();

    const QImage shot = b.list.grab().toImage();
    QVERIFY(shot.save(screenshotPath(QStringLiteral("downloads-list.png"))));
    // Every row fits: the last one ends inside the list.
    QVERIFY(b.rowRect(cancelled).bottom() < b.list.viewport()->height());
    const QRect thumb = b.geometry(downloading).thumbnail.toAlignedRect().adjusted(6, 6, -6, -6);
    QVERIFY(countNear(shot, thumb, colours[1], 30) > thumb.width() * thumb.height() / 2);
}

QTEST_MAIN(TestDownloadsList)
#include "tst_downloadslist.moc"
