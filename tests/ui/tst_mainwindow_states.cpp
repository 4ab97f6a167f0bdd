// The main window's states, offscreen: empty and error states, text from pages shown
// as written, the engine banner, the wait for the version, and the window in German.
#include "UiFixture.h"
#include "engine/YtdlpArgs.h"
#include "ui/EngineBanner.h"
#include "ui/ResultDelegate.h"

#include <QLineEdit>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>

#include <sys/stat.h>

using namespace reelcatch;
using namespace reelcatch::test;

namespace {

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

class TestMainWindowStates : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(); }
    void emptyAndErrorStates();
    void aFifoForAThumbnail();
    void pageTextShowsAsWritten_data();
    void pageTextShowsAsWritten();
    void engineBanner();
    void startsWaitForTheVersion();
    void inGermanAndPolish();
};

void TestMainWindowStates::emptyAndErrorStates()
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

void TestMainWindowStates::aFifoForAThumbnail()
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

void TestMainWindowStates::pageTextShowsAsWritten_data()
{
    QTest::addColumn<QString>("text"); // %1: a fifo
    QTest::newRow("an image of a fifo") << u"<img src='%1'>"_s;
    QTest::newRow("bold") << u"<b>bold</b>"_s;
    QTest::newRow("escaped") << u"&lt;b&gt; &amp; &lt;"_s;
    QTest::newRow("1 MB") << u"<img src='%1'>"_s + u" la"_s.repeated(350000);
}

void TestMainWindowStates::pageTextShowsAsWritten()
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

void TestMainWindowStates::engineBanner()
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

void TestMainWindowStates::startsWaitForTheVersion()
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

void TestMainWindowStates::inGermanAndPolish()
{
    {
        const std::unique_ptr<QObject> german = Translations::install(QLocale(QLocale::German));
        Ui ui;
        QCOMPARE(ui.window.header()->fetchButton()->text(), u"Abrufen"_s);
        QCOMPARE(ResultsPane::countLine(2, 1), u"2 Videos \u00b7 1 ausgew\u00e4hlt"_s); // German plural forms
        // A file name carries the preset in the same words in every language.
        const YtdlpArgs::Download best{.url = u"https://example.org/a"_s, .preset = Preset::best, .version = {}, .presetInName = true};
        QVERIFY(YtdlpArgs::download(ui.engine, {}, best).join(u' ').contains(u" [Best].%(ext)s"_s));
    }
    QCOMPARE(ResultsPane::countLine(1, 2), u"1 video \u00b7 2 selected"_s); // gone with its owner
    // Where Stop is much longer than Fetch, the field beside it keeps still.
    const std::unique_ptr<QObject> polish = Translations::install(QLocale(QLocale::Polish));
    Ui ui;
    QFont large = ui.window.font();
    large.setPointSize(20); // Stop's words outgrow the button's least width
    ui.window.header()->setFont(large);
    QVERIFY(ui.showActive());
    const QRect button = ui.window.header()->fetchButton()->geometry();
    QTest::keyClicks(ui.window.header()->input(), u"lofi"_s);
    QTest::keyClick(ui.window.header()->input(), Qt::Key_Return);
    QCOMPARE(ui.window.header()->fetchButton()->text(), u"Zatrzymaj"_s);
    QCoreApplication::processEvents();
    QCOMPARE(ui.window.header()->fetchButton()->geometry(), button);
}

QTEST_MAIN(TestMainWindowStates)
#include "tst_mainwindow_states.moc"
