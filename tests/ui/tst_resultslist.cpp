// The results list: its model against the app model's results and
// selection, clicks on each painted part of a row, the keyboard, tooltips,
// the context menu, thumbnails loaded only around the rows on screen, a
// cheap reset of a huge list, and a screenshot.
#include "AppModel.h"
#include "Fakes.h"
#include "HttpServer.h"
#include "ResultDelegate.h"
#include "ResultsList.h"
#include "ResultsModel.h"
#include "RowListTestSupport.h"
#include "TestEnv.h"
#include "ThumbnailCache.h"

#include <QAbstractItemModelTester>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace reelcatch;

Q_DECLARE_METATYPE(ResultDelegate::Part)

namespace {

using Part = ResultDelegate::Part;

VideoItem video(const QString& id, const QJsonObject& extra = {})
{
    QJsonObject json{{QStringLiteral("id"), id},
                     {QStringLiteral("title"), QStringLiteral("Title of ") + id},
                     {QStringLiteral("channel"), QStringLiteral("Channel ") + id},
                     {QStringLiteral("webpage_url"), QStringLiteral("https://example.org/") + id}};
    for (auto it = extra.begin(); it != extra.end(); ++it)
        json.insert(it.key(), it.value());
    return *VideoItem::fromJson(json);
}

QList<VideoItem> videos(int count, const std::function<QJsonObject(int)>& extra = {})
{
    QList<VideoItem> list;
    list.reserve(count);
    for (int i = 0; i < count; ++i)
        list << video(QStringLiteral("v%1").arg(i), extra ? extra(i) : QJsonObject());
    return list;
}

// A model with no tools: enqueued jobs wait for an ffmpeg installation the
// fake installer never finishes, so they stay queued where the test sees them.
struct Bench {
    TestEnv env;
    Engine engine{env.engineConfig()};
    Prefs prefs{env.settingsPath(), env.downloadsDir()};
    FakeInstaller installer;
    AppModel model{engine, prefs, installer};
    QNetworkAccessManager network;
    ThumbnailCache thumbnails{&network, env.cacheHome() + QStringLiteral("/thumbnails")};
    Preset preset = Preset::p1080;
    RecordingActions actions;
    ResultsList list{model, thumbnails, [this] { return preset; }};

    Bench(int width = 640, int height = 400)
    {
        list.setDesktopActions(&actions);
        list.resize(width, height);
    }
    bool show()
    {
        list.show();
        return QTest::qWaitForWindowExposed(&list);
    }
    QRect rowRect(int row) const { return list.visualRect(list.model()->index(row, 0)); }
    ResultDelegate::Geometry geometry(int row) const
    {
        return list.resultDelegate()->geometry(rowRect(row), &list);
    }
    QPoint centre(const QRectF& rect) const { return rect.center().toPoint(); }
    bool idle() const { return thumbnails.queuedCount() == 0 && thumbnails.runningCount() == 0; }
};

QSet<QString> ids(std::initializer_list<const char*> list)
{
    QSet<QString> set;
    for (const char* id : list)
        set.insert(QString::fromLatin1(id));
    return set;
}

} // namespace

class TestResultsList : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void modelFollowsResultsAndSelection();
    void clickOnEachPart_data();
    void clickOnEachPart();
    void spaceTogglesCurrentRow();
    void toolTips();
    void contextMenu();
    void thumbnailsOnlyAroundVisibleRows();
    void hugeResetIsCheap();
    void screenshot();

private:
    HttpServer m_server;
};

void TestResultsList::initTestCase()
{
    TestEnv::isolateProcess();
    useDesktopFont();
    QVERIFY(m_server.isListening());
    m_server.serveBytes(QStringLiteral("/t.png"), encodedImage(QSize(160, 90), QColor(255, 140, 0)),
                        "image/png");
}

void TestResultsList::modelFollowsResultsAndSelection()
{
    Bench b;
    QAbstractItemModel* model = b.list.model();
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy resets(model, &QAbstractItemModel::modelReset);

    b.model.setResults(videos(5, [](int i) {
        return i == 2 ? QJsonObject{{QStringLiteral("duration"), 3600}} : QJsonObject();
    }));
    QCOMPARE(model->rowCount(), 5);
    QCOMPARE(resets.size(), 1);
    QCOMPARE(model->index(2, 0).data().toString(), QStringLiteral("Title of v2"));
    QCOMPARE(model->index(2, 0).data(ResultsModel::DurationTextRole).toString(),
             QStringLiteral("1:00:00"));
    QVERIFY(!model->index(1, 0).data(ResultsModel::DurationTextRole).isValid());
    QCOMPARE(model->index(2, 0).data(Qt::AccessibleDescriptionRole).toString(),
             QStringLiteral("Channel v2 \u00b7 1:00:00"));

    // The check states mirror the model's set, whoever writes it.
    b.model.setSelected(ids({"v1", "v3"}));
    for (int row = 0; row < 5; ++row) {
        const bool ticked = row == 1 || row == 3;
        QCOMPARE(model->index(row, 0).data(Qt::CheckStateRole).toInt(),
                 int(ticked ? Qt::Checked : Qt::Unchecked));
    }
    QSignalSpy selectionChanges(&b.model, &AppModel::selectedChanged);
    QVERIFY(model->setData(model->index(4, 0), Qt::Checked, Qt::CheckStateRole));
    QVERIFY(model->setData(model->index(1, 0), Qt::Unchecked, Qt::CheckStateRole));
    QCOMPARE(b.model.selected(), ids({"v3", "v4"}));
    QCOMPARE(selectionChanges.size(), 2);
    // Writing what is already there changes nothing.
    QVERIFY(model->setData(model->index(4, 0), Qt::Checked, Qt::CheckStateRole));
    QCOMPARE(selectionChanges.size(), 2);
    QVERIFY(!model->setData(model->index(4, 0), QStringLiteral("x"), Qt::DisplayRole));

    b.model.setResults({});
    QCOMPARE(model->rowCount(), 0);
    b.model.setResults(videos(3));
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(resets.size(), 3);
}

void TestResultsList::clickOnEachPart_data()
{
    QTest::addColumn<Part>("part");
    QTest::newRow("checkbox") << Part::checkbox;
    QTest::newRow("thumbnail") << Part::thumbnail;
    QTest::newRow("title") << Part::text;
    QTest::newRow("row padding") << Part::none;
    QTest::newRow("download button") << Part::button;
}

void TestResultsList::clickOnEachPart()
{
    QFETCH(Part, part);
    Bench b;
    b.model.setResults(videos(3));
    QVERIFY(b.show());
    const ResultDelegate::Geometry g = b.geometry(1);
    QPoint at;
    switch (part) {
    case Part::checkbox:
        at = b.centre(g.checkbox);
        break;
    case Part::thumbnail:
        at = b.centre(g.thumbnail);
        break;
    case Part::text:
        at = b.centre(g.text);
        break;
    case Part::button:
        at = b.centre(g.button);
        break;
    case Part::none:
        at = QPoint(b.rowRect(1).left() + 3, b.rowRect(1).center().y());
        break;
    }
    QCOMPARE(b.list.resultDelegate()->partAt(b.rowRect(1), &b.list, at), part);

    QTest::mouseClick(b.list.viewport(), Qt::LeftButton, {}, at);
    if (part != Part::button) {
        QCOMPARE(b.model.selected(), ids({"v1"}));
        QVERIFY(b.model.downloads().isEmpty());
        QTest::mouseClick(b.list.viewport(), Qt::LeftButton, {}, at);
        QVERIFY(b.model.selected().isEmpty());
        return;
    }

    // The button downloads that one item with the preset of the moment and
    // leaves the selection alone.
    QVERIFY(b.model.selected().isEmpty());
    QCOMPARE(b.model.downloads().size(), 1);
    QCOMPARE(b.model.downloads().first()->video().id(), QStringLiteral("v1"));
    QCOMPARE(b.model.downloads().first()->preset(), Preset(Preset::p1080));
    b.preset = Preset::mp3;
    QTest::mouseClick(b.list.viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(b.model.downloads().size(), 2);
    QCOMPARE(b.model.downloads().first()->preset(), Preset(Preset::mp3));
    QVERIFY(b.model.selected().isEmpty());

    // A press on the button counts only when released over it.
    QTest::mousePress(b.list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(b.list.viewport(), Qt::LeftButton, {}, b.centre(g.text));
    QCOMPARE(b.model.downloads().size(), 2);
    QVERIFY(b.model.selected().isEmpty());
}

void TestResultsList::spaceTogglesCurrentRow()
{
    Bench b;
    b.model.setResults(videos(3));
    QVERIFY(b.show());
    b.list.setFocus();
    b.list.setCurrentIndex(b.list.model()->index(2, 0));
    QTest::keyClick(&b.list, Qt::Key_Space);
    QCOMPARE(b.model.selected(), ids({"v2"}));
    QTest::keyClick(&b.list, Qt::Key_Up);
    QTest::keyClick(&b.list, Qt::Key_Space);
    QCOMPARE(b.model.selected(), ids({"v1", "v2"}));
}

void TestResultsList::toolTips()
{
    Bench b;
    const QString longTitle =
        QStringLiteral("A title far too long to fit on two lines of a row this narrow, going on "
                       "and on about everything the video shows and then some more words");
    b.model.setResults({video(QStringLiteral("a")),
                        video(QStringLiteral("b"), {{QStringLiteral("title"), longTitle}})});
    QVERIFY(b.show());
    QCOMPARE(toolTipAt(b.list, b.centre(b.geometry(0).button)),
             QStringLiteral("Download just this one"));
    QCOMPARE(toolTipAt(b.list, b.centre(b.geometry(1).button)),
             QStringLiteral("Download just this one"));
    // The title's text shows in full only where the row had to cut it.
    QCOMPARE(toolTipAt(b.list, b.centre(b.geometry(1).text)), longTitle);
    QCOMPARE(toolTipAt(b.list, b.centre(b.geometry(0).text)), QString());
    QCOMPARE(toolTipAt(b.list, b.centre(b.geometry(0).thumbnail)), QString());
}

void TestResultsList::contextMenu()
{
    Bench b;
    // The second item's address is no web page (an extractor gave only its id).
    b.model.setResults({video(QStringLiteral("a")),
                        *VideoItem::fromJson({{QStringLiteral("id"), QStringLiteral("b")}})});
    QVERIFY(b.show());

    QMenu* menu = contextMenuAt(b.list, b.rowRect(0).center());
    QVERIFY(menu);
    QCOMPARE(menuTexts(menu),
             QStringList({QStringLiteral("Download"), QStringLiteral("Open on YouTube"),
                          QStringLiteral("Copy Link")}));
    QVERIFY(triggerMenu(menu, QStringLiteral("Copy Link")));
    QCOMPARE(b.actions.copied, QStringList{QStringLiteral("https://example.org/a")});

    menu = contextMenuAt(b.list, b.rowRect(0).center());
    QVERIFY(triggerMenu(menu, QStringLiteral("Open on YouTube")));
    QCOMPARE(b.actions.urls, QList<QUrl>{QUrl(QStringLiteral("https://example.org/a"))});

    b.preset = Preset::m4a;
    menu = contextMenuAt(b.list, b.rowRect(0).center());
    QVERIFY(triggerMenu(menu, QStringLiteral("Download")));
    QCOMPARE(b.model.downloads().size(), 1);
    QCOMPARE(b.model.downloads().first()->preset(), Preset(Preset::m4a));
    QVERIFY(b.model.selected().isEmpty());

    menu = contextMenuAt(b.list, b.rowRect(1).center());
    QCOMPARE(menuTexts(menu),
             QStringList({QStringLiteral("Download"), QStringLiteral("Open on YouTube (disabled)"),
                          QStringLiteral("Copy Link")}));
    menu->close();
    QCOMPARE(b.actions.urls.size(), 1);

    // Off the rows there is no menu.
    QVERIFY(!contextMenuAt(b.list, QPoint(5, b.list.viewport()->height() - 3)));
}

void TestResultsList::thumbnailsOnlyAroundVisibleRows()
{
    Bench b(640, 400);
    m_server.clearRequests();
    b.model.setResults(videos(10000, [this](int i) {
        return QJsonObject{
            {QStringLiteral("thumbnail"), m_server.url(QStringLiteral("/t.png?i=%1").arg(i))}};
    }));
    QVERIFY(b.show());
    const int rowHeight = b.rowRect(0).height();
    QVERIFY(rowHeight > 60);
    const int visible = (b.list.viewport()->height() + rowHeight - 1) / rowHeight;
    const int margin = ResultsList::prefetchRows;

    QTRY_VERIFY_WITH_TIMEOUT(b.thumbnails.requestsStarted() > 0 && b.idle(), 10000);
    QVERIFY2(b.thumbnails.requestsStarted() <= visible + margin,
             qPrintable(QString::number(b.thumbnails.requestsStarted())));
    QCOMPARE(m_server.requestCount(), b.thumbnails.requestsStarted());
    auto requested = [this] {
        QList<int> rows;
        for (const HttpRequest& request : m_server.requests())
            rows << request.target.mid(request.target.indexOf("i=") + 2).toInt();
        std::sort(rows.begin(), rows.end());
        return rows;
    };
    QVERIFY(requested().constLast() < visible + margin);
    QCOMPARE(requested().constFirst(), 0);

    // The image reaches the screen.
    const QRect thumb = b.geometry(0).thumbnail.toAlignedRect().adjusted(6, 6, -6, -6);
    QTRY_VERIFY_WITH_TIMEOUT(
        countNear(b.list.viewport()->grab().toImage(), thumb, QColor(255, 140, 0)) >
            thumb.width() * thumb.height() * 3 / 4,
        5000);

    // Far down the list: only the rows around the new position load.
    const int before = b.thumbnails.requestsStarted();
    m_server.clearRequests();
    b.list.scrollTo(b.list.model()->index(5000, 0), QAbstractItemView::PositionAtTop);
    QTRY_VERIFY_WITH_TIMEOUT(b.thumbnails.requestsStarted() > before && b.idle(), 10000);
    const QList<int> rows = requested();
    QVERIFY(rows.size() <= visible + 2 * margin + 1);
    QVERIFY2(rows.constFirst() >= 5000 - margin && rows.constLast() <= 5000 + visible + margin,
             qPrintable(QStringLiteral("%1..%2").arg(rows.constFirst()).arg(rows.constLast())));
    QVERIFY(rows.contains(5000));
}

void TestResultsList::hugeResetIsCheap()
{
    Bench b;
    b.model.setResults(videos(10));
    QVERIFY(b.show());
    const QList<VideoItem> many = videos(100000);
    QElapsedTimer timer;
    timer.start();
    b.model.setResults(many);
    // Laid out and painted at the far end: the rows before it cost nothing.
    b.list.scrollToBottom();
    QCoreApplication::processEvents();
    b.list.viewport()->repaint();
    const qint64 elapsed = timer.elapsed();
    QCOMPARE(b.list.model()->rowCount(), 100000);
    QCOMPARE(b.list.indexAt(QPoint(10, b.list.viewport()->height() - 5)).row(), 99999);
    // A reset and a paint of the visible rows only: well under a second
    // even in a sanitizer build.
    QVERIFY2(elapsed < 1500, qPrintable(QString::number(elapsed)));
}

void TestResultsList::screenshot()
{
    static const QColor colours[] = {QColor(0xe5, 0x73, 0x73), QColor(0x64, 0xb5, 0xf6),
                                     QColor(0x81, 0xc7, 0x84), QColor(0xff, 0xb7, 0x4d),
                                     QColor(0xba, 0x68, 0xc8), QColor(0x4d, 0xb6, 0xac)};
    for (int i = 0; i < 6; ++i) {
        m_server.serveBytes(QStringLiteral("/shot/%1.jpg").arg(i),
                            encodedImage(QSize(480, 360), colours[i], "JPEG", 45, Qt::black),
                            "image/jpeg");
    }
    Bench b(760, 560);
    QList<VideoItem> items = videos(30, [this](int i) {
        QJsonObject extra{
            {QStringLiteral("thumbnail"), m_server.url(QStringLiteral("/shot/%1.jpg").arg(i % 6))},
            {QStringLiteral("duration"), 59.6 + i * 377}};
        return extra;
    });
    items[1] = video(QStringLiteral("v1"),
                     {{QStringLiteral("title"),
                       QStringLiteral("A very long title that needs more than two lines in this "
                                      "row, so the second line ends in an ellipsis where it is "
                                      "cut off: it goes on and on about everything the video "
                                      "shows, its guests, its music and its sponsors, and then "
                                      "some more")},
                      {QStringLiteral("thumbnail"), m_server.url(QStringLiteral("/shot/1.jpg"))},
                      {QStringLiteral("duration"), 3600}});
    items[2] = video(QStringLiteral("v2"),
                     {{QStringLiteral("channel"), QString()},
                      {QStringLiteral("title"), QStringLiteral("No channel, no length")},
                      {QStringLiteral("thumbnail"), m_server.url(QStringLiteral("/shot/2.jpg"))}});
    items[3] =
        video(QStringLiteral("v3"), {{QStringLiteral("title"), QStringLiteral("No thumbnail")},
                                     {QStringLiteral("duration"), 12}});
    b.model.setResults(items);
    b.model.setSelected(ids({"v0", "v2", "v5"}));
    QVERIFY(b.show());
    QTRY_VERIFY_WITH_TIMEOUT(b.thumbnails.requestsStarted() > 0 && b.idle(), 10000);
    QCoreApplication::processEvents();

    const QImage shot = b.list.grab().toImage();
    QVERIFY(shot.save(screenshotPath(QStringLiteral("results-list.png"))));
    // Every visible row with a thumbnail shows its image, not the placeholder.
    for (int row : {0, 1, 2, 4}) {
        const QRect thumb = b.geometry(row).thumbnail.toAlignedRect().adjusted(8, 8, -8, -8);
        QVERIFY2(countNear(shot, thumb, colours[row % 6], 30) > thumb.width() * thumb.height() / 2,
                 qPrintable(QStringLiteral("row %1").arg(row)));
    }
}

QTEST_MAIN(TestResultsList)
#include "tst_resultslist.moc"
