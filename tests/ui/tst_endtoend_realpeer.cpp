// The whole way through the window with Debian's own yt-dlp and ffmpeg: a
// clip made here and served on 127.0.0.1 is typed into the input, looked up
// with Return, downloaded with Ctrl+Return, and lands on disk; then a video
// with two audio tracks comes with the one the settings window asked for, and
// a DASH presentation is downloaded in the formats picked in "Choose Format…",
// and a stretch of a served video in "Download a Clip…". Several links, one of
// them failing, come from a file of links and from a later start of the
// application.
#include "HttpServer.h"
#include "ProcessTable.h"
#include "UiFixture.h"
#include "appmodel/Library.h"
#include "ui/ClipDialog.h"
#include "ui/FormatDialog.h"
#include "ui/ResultsModel.h"
#include "ui/SettingsWindow.h"
#include "ui/SingleInstance.h"

#include <QAccessibleActionInterface>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>

using namespace reelcatch;
using namespace reelcatch::test;

class TestEndToEndRealPeer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(); }
    void typeLookUpAndDownload();
    void chooseFormatByKeyboard();
    void clipByKeyboard();
    void severalLinksFromAFileAndALaterStart();
};

void TestEndToEndRealPeer::typeLookUpAndDownload()
{
    TestEnv env;
    HttpServer server;
    QVERIFY(server.isListening());
    const QString clip = TestEnv::makeClip(env.path(u"www"_s), u"clip.mp4"_s, 2);
    QVERIFY(!clip.isEmpty());
    server.serveFile(u"/clip.mp4"_s, clip);
    // The system's tools stand in the last system bin directory.
    for (const QString& tool : {u"yt-dlp"_s, u"ffmpeg"_s, u"ffprobe"_s})
        QVERIFY(QFile::link(u"/usr/bin/"_s + tool, env.binDirs().at(2) + u'/' + tool));
    Engine engine(env.engineConfig());
    QVERIFY(engine.ytdlp() && engine.ffmpeg());
    Prefs prefs(env.settingsPath(), env.downloadsDir());
    HeldInstaller installer;
    AppModel model(engine, prefs, installer);
    QNetworkAccessManager network;
    ThumbnailCache thumbnails(&network, env.path(u"thumbnails"_s));
    RecordingActions actions;
    NoChooser chooser;
    MainWindow window(model, thumbnails, actions, chooser);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QLineEdit* input = window.header()->input();
    QTRY_VERIFY(input->hasFocus());
    QTest::keyClicks(input, server.url(u"/clip.mp4"_s));
    QTest::keyClick(input, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(!model.lookup().isFetching(), 60000);
    const Lookup& lookup = model.lookup();
    QVERIFY2(!lookup.fetchError(), qPrintable(lookup.fetchError().value_or(QString())));
    QCOMPARE(model.lookup().results().size(), 1);
    QCOMPARE(window.resultsPane()->downloadButton()->text(), u"Download"_s);

    QTest::keyClick(input, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(model.queue().downloads().size(), 1);
    const DownloadPtr job = model.queue().downloads().first();
    QCOMPARE(job->preset(), window.preset());
    QTRY_VERIFY_WITH_TIMEOUT(job->isFinished(), 120000);
    QVERIFY2(job->phase() == Download::Phase::done(), qPrintable(job->phase().message()));
    const QFileInfo file(job->file().value_or(QString()));
    QCOMPARE(file.absolutePath(), env.downloadsDir());
    QVERIFY(file.size() > 1000);
    QCOMPARE(job->detail(), file.fileName());
    QVERIFY(window.downloadsPane()->clearFinishedButton()->isEnabled());

    // A DASH presentation with German and English sound, told apart by sample
    // rate (the merge drops the language); English picked in the settings.
    QByteArray error;
    const QString dash = TestEnv::makeDash(env.path(u"dash"_s), &error);
    QVERIFY2(!dash.isEmpty(), error.constData());
    server.serveFolder(env.path(u"dash"_s));
    SettingsWindow settings(model, chooser);
    settings.show();
    auto* audio = settings.findChild<QComboBox*>(u"audioLang"_s);
    audio->setFocus();
    QTest::keyClicks(audio, u"Engl"_s);
    QCOMPARE(prefs.value(PrefKey::audioLang), u"en"_s);
    settings.close();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    input->selectAll();
    QTest::keyClicks(input, server.url(u"/manifest.mpd"_s));
    QTest::keyClick(input, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(!model.lookup().isFetching() && lookup.results().size() == 1, 60000);
    QTest::keyClick(input, Qt::Key_Return, Qt::ControlModifier);
    const DownloadPtr dubbed = model.queue().downloads().first(); // the newest first
    QVERIFY(dubbed != job);
    QTRY_VERIFY_WITH_TIMEOUT(dubbed->isFinished(), 120000);
    QVERIFY2(dubbed->phase() == Download::Phase::done(), qPrintable(dubbed->phase().message()));
    const ProcessResult probe = runProcess(u"/usr/bin/ffprobe"_s,
        u"-v error -select_streams a -show_entries stream=sample_rate -of csv=p=0"_s.split(u' ')
            << dubbed->file().value_or(QString()));
    QCOMPARE(probe.out.trimmed(), QByteArray("24000"));
}

void TestEndToEndRealPeer::chooseFormatByKeyboard()
{
    TestEnv env;
    const QString www = env.path(u"www"_s);
    QByteArray error;
    QVERIFY2(!TestEnv::makeDash(www, &error).isEmpty(), error.constData());
    HttpServer server;
    server.serveFolder(www);
    for (const QString& tool : {u"yt-dlp"_s, u"ffmpeg"_s, u"ffprobe"_s})
        QVERIFY(QFile::link(u"/usr/bin/"_s + tool, env.binDirs().at(2) + u'/' + tool));
    Engine engine(env.engineConfig());
    Prefs prefs(env.settingsPath(), env.downloadsDir());
    HeldInstaller installer;
    QNetworkAccessManager network;
    ThumbnailCache thumbnails(&network, env.path(u"thumbnails"_s));
    RecordingActions actions;
    NoChooser chooser;
    std::optional<FormatChoice> chosen;
    {
        AppModel model(engine, prefs, installer);
        QSignalSpy loaded(&model.library(), &Library::loaded);
        model.library().open(env.path(u"data"_s));
        QVERIFY(loaded.wait(20000));
        MainWindow window(model, thumbnails, actions, chooser);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QLineEdit* input = window.header()->input();
        QTest::keyClicks(input, server.url(u"/manifest.mpd"_s));
        QTest::keyClick(input, Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(!model.lookup().isFetching(), 60000);
        QCOMPARE(model.lookup().results().size(), 1);
        ResultsList* list = window.resultsPane()->list();
        const auto choose = [&] {
            for (const auto& action : list->rowActions(list->model()->index(0, 0)))
                if (action.name == u"Choose Format\u2026"_s)
                    action.run();
            return window.findChild<FormatDialog*>();
        };

        // Escape while yt-dlp is still answering stops it and all it started.
        server.setStall(u"/manifest.mpd"_s, 0);
        QPointer<FormatDialog> dialog = choose();
        QVERIFY(dialog && dialog->isAsking() && dialog->isVisible());
        QTRY_VERIFY(!processesLeft(QCoreApplication::applicationPid()).isEmpty());
        QTest::keyClick(dialog, Qt::Key_Escape);
        QTRY_VERIFY(!dialog);
        QTRY_COMPARE(processesLeft(QCoreApplication::applicationPid()), QStringList());
        QVERIFY(model.queue().downloads().isEmpty());

        // Now from the single video's own button. A failed answer says so,
        // with no remedy but Try Again, which asks again once the manifest is back.
        server.serveStatus(u"/manifest.mpd"_s, 404);
        QPushButton* button = window.resultsPane()->chooseFormatButton();
        QVERIFY(button->isVisible());
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
        dialog = window.findChild<FormatDialog*>();
        auto* failure = dialog->findChild<QLabel*>(u"formatFailure"_s);
        QTRY_VERIFY_WITH_TIMEOUT(failure->isVisible(), 60000);
        QVERIFY2(failure->text().contains(u"404"_s), qPrintable(failure->text()));
        QVERIFY(dialog->findChild<QPushButton*>(u"formatFailureAction"_s)->isHidden());
        server.serveFile(u"/manifest.mpd"_s, www + u"/manifest.mpd"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // Try Again
        QVERIFY(dialog->isAsking());

        // The lower picture and the other language, by keyboard alone.
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->isAsking(), 60000);
        auto* videos = dialog->findChild<QListWidget*>(u"videoFormats"_s);
        auto* audios = dialog->findChild<QListWidget*>(u"audioFormats"_s);
        QTRY_VERIFY(videos->hasFocus());
        QCOMPARE(videos->count(), 3); // 360p, 180p, no video
        QCOMPARE(videos->currentRow(), 0);
        QTest::keyClick(videos, Qt::Key_Down);
        QTest::keyClick(videos, Qt::Key_Tab);
        QVERIFY(audios->hasFocus());
        QCOMPARE(audios->count(), 2);
        QTest::keyClick(audios, audios->currentRow() == 0 ? Qt::Key_Down : Qt::Key_Up);
        const QString audio = audios->currentItem()->text().section(u" \u00b7 "_s, 0, 0);
        QVERIFY(audio == u"German"_s || audio == u"English"_s);
        QTest::keyClick(audios, Qt::Key_Return);
        QTRY_VERIFY(!dialog);
        QCOMPARE(model.queue().downloads().size(), 1);
        const DownloadPtr job = model.queue().downloads().first();
        QCOMPARE(job->formatChoice().value_or(FormatChoice{}).words, u"180p H.264 + "_s + audio);
        const QModelIndex row = window.downloadsPane()->list()->model()->index(0, 0);
        QCOMPARE(row.data(DownloadsModel::PresetRole).toString(), job->formatChoice()->words);
        QTRY_VERIFY_WITH_TIMEOUT(job->isFinished(), 120000);
        QVERIFY2(job->phase() == Download::Phase::done(), qPrintable(job->phase().message()));
        const ProcessResult probe =
            runProcess(u"/usr/bin/ffprobe"_s,
                       {u"-v"_s, u"error"_s, u"-show_entries"_s, u"stream=height,sample_rate"_s,
                        u"-of"_s, u"csv=p=0"_s, job->file().value_or(QString())});
        QCOMPARE(QString::fromUtf8(probe.out).split(u'\n', Qt::SkipEmptyParts),
                 QStringList({u"180"_s, audio == u"German"_s ? u"48000"_s : u"24000"_s}));
        // The picked track keeps its language in the file (with the embedded
        // metadata, on by default).
        const ProcessResult language = runProcess(
            u"/usr/bin/ffprobe"_s, {u"-v"_s, u"error"_s, u"-select_streams"_s, u"a"_s,
                                    u"-show_entries"_s, u"stream_tags=language"_s, u"-of"_s,
                                    u"csv=p=0"_s, job->file().value_or(QString())});
        QCOMPARE(language.out.trimmed(), audio == u"German"_s ? "deu"_ba : "eng"_ba);
        chosen = job->formatChoice();
        model.shutDown();
    }
    // The next start brings the job back with its choice.
    AppModel model(engine, prefs, installer);
    QSignalSpy loaded(&model.library(), &Library::loaded);
    model.library().open(env.path(u"data"_s));
    QVERIFY(loaded.wait(20000));
    QCOMPARE(model.queue().downloads().size(), 1);
    QCOMPARE(model.queue().downloads().first()->formatChoice(), chosen);
}

void TestEndToEndRealPeer::clipByKeyboard()
{
    TestEnv env;
    HttpServer server;
    const QString video = TestEnv::makeClip(env.path(u"www"_s), u"long.mp4"_s, 60);
    QVERIFY(!video.isEmpty());
    server.serveFile(u"/long.mp4"_s, video);
    for (const QString& tool : {u"yt-dlp"_s, u"ffmpeg"_s, u"ffprobe"_s})
        QVERIFY(QFile::link(u"/usr/bin/"_s + tool, env.binDirs().at(2) + u'/' + tool));
    Engine engine(env.engineConfig());
    Prefs prefs(env.settingsPath(), env.downloadsDir());
    HeldInstaller installer;
    QNetworkAccessManager network;
    ThumbnailCache thumbnails(&network, env.path(u"thumbnails"_s));
    RecordingActions actions;
    NoChooser chooser;
    {
        AppModel model(engine, prefs, installer);
        QSignalSpy loaded(&model.library(), &Library::loaded);
        model.library().open(env.path(u"data"_s));
        QVERIFY(loaded.wait(20000));
        MainWindow window(model, thumbnails, actions, chooser);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QLineEdit* input = window.header()->input();
        QTest::keyClicks(input, server.url(u"/long.mp4"_s));
        QTest::keyClick(input, Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(!model.lookup().isFetching(), 60000);
        QCOMPARE(model.lookup().results().size(), 1);
        // The row's own action, as a screen reader offers it.
        QAccessibleInterface* row =
            QAccessible::queryAccessibleInterface(window.resultsPane()->list())->child(0);
        const auto open = [&] {
            row->actionInterface()->doAction(u"Download a Clip\u2026"_s);
            return window.findChild<ClipDialog*>();
        };
        QPointer<ClipDialog> dialog = open();
        QVERIFY(dialog && dialog->isVisible());
        QTest::keyClick(dialog, Qt::Key_Escape);
        QTRY_VERIFY(!dialog);
        QVERIFY(model.queue().downloads().isEmpty());

        // The start pasted as a link at its time, the end typed; the served
        // file tells no length, so any end after the start goes.
        dialog = open();
        auto* start = dialog->findChild<QLineEdit*>(u"clipStart"_s);
        auto* end = dialog->findChild<QLineEdit*>(u"clipEnd"_s);
        auto* message = dialog->findChild<QLabel*>(u"clipMessage"_s);
        QVERIFY(dialog->findChild<QLabel*>(u"clipLength"_s)->text().contains(u"unknown"_s));
        QTRY_VERIFY(start->hasFocus());
        QApplication::clipboard()->setText(server.url(u"/long.mp4?t=20s"_s));
        QTest::keyClick(start, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(start->text(), u"0:20"_s);
        QTest::keyClick(start, Qt::Key_Tab);
        QVERIFY(end->hasFocus());
        QTest::keyClicks(end, u"0:15"_s);
        QCOMPARE(message->text(), u"The end must come after the start."_s);
        QTest::keyClick(end, Qt::Key_Return); // Download is off: nothing happens
        QVERIFY(dialog->isVisible() && model.queue().downloads().isEmpty());
        end->clear();
        QTest::keyClicks(end, u"50"_s);
        QCOMPARE(message->text(), u"The clip will be 0:30 long."_s);
        QTest::keyClick(end, Qt::Key_Return);
        QTRY_VERIFY(!dialog);

        QCOMPARE(model.queue().downloads().size(), 1);
        const DownloadPtr job = model.queue().downloads().first();
        QCOMPARE(job->clip(), std::optional(ClipRange{20, 50}));
        const QModelIndex shown = window.downloadsPane()->list()->model()->index(0, 0);
        QVERIFY(shown.data(DownloadsModel::PresetRole).toString().endsWith(u"Clip 0:20\u20130:50"_s));
        QVERIFY(shown.data(Qt::AccessibleDescriptionRole).toString().contains(u"Clip 0:20\u20130:50"_s));
        QTRY_VERIFY_WITH_TIMEOUT(job->isFinished(), 120000);
        QVERIFY2(job->phase() == Download::Phase::done(), qPrintable(job->phase().message()));
        const QString file = job->file().value_or(QString());
        QCOMPARE(QFileInfo(file).fileName(), u"long [long] (0.20\u20130.50).mp4"_s);
        QVERIFY(!model.library().isDownloaded(u"long"_s)); // a clip is not the video
        const ProcessResult probe = runProcess(u"/usr/bin/ffprobe"_s, {u"-v"_s, u"error"_s,
            u"-show_entries"_s, u"format=duration"_s, u"-of"_s, u"csv=p=0"_s, file});
        QVERIFY2(std::abs(probe.out.trimmed().toDouble() - 30) <= 0.5, probe.out.constData());
        model.shutDown();
    }
    // The next start brings the job back with its clip.
    AppModel model(engine, prefs, installer);
    QSignalSpy loaded(&model.library(), &Library::loaded);
    model.library().open(env.path(u"data"_s));
    QVERIFY(loaded.wait(20000));
    QCOMPARE(model.queue().downloads().size(), 1);
    QCOMPARE(model.queue().downloads().first()->clip(), std::optional(ClipRange{20, 50}));
}

void TestEndToEndRealPeer::severalLinksFromAFileAndALaterStart()
{
    TestEnv env;
    const QString www = env.path(u"www"_s);
    QByteArray error;
    QVERIFY2(!TestEnv::makeDash(www, &error).isEmpty(), error.constData());
    QVERIFY(!TestEnv::makeClip(www, u"clip.mp4"_s, 2).isEmpty());
    HttpServer server;
    server.serveFolder(www);
    server.serveStatus(u"/gone.mp4"_s, 404);
    QVERIFY(QFile::link(u"/usr/bin/yt-dlp"_s, env.binDirs().at(2) + u"/yt-dlp"_s));
    Engine engine(env.engineConfig());
    Prefs prefs(env.settingsPath(), env.downloadsDir());
    HeldInstaller installer;
    AppModel model(engine, prefs, installer);
    QNetworkAccessManager network;
    ThumbnailCache thumbnails(&network, env.path(u"thumbnails"_s));
    RecordingActions actions;
    NoChooser chooser;
    MainWindow window(model, thumbnails, actions, chooser);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const Lookup& lookup = model.lookup();
    ResultsList* list = window.resultsPane()->list();
    const ResultsModel& rows = list->results();
    const auto headings = [&rows] {
        QStringList shown; // each heading as its description reads
        for (int row = 0; row < rows.rowCount(); ++row)
            shown << (rows.isHeading(row)
                          ? rows.index(row).data(Qt::AccessibleDescriptionRole).toString()
                          : u"-"_s);
        return shown;
    };

    // The file: one a line, and two on the last separated by a space.
    QFile file(env.path(u"links.txt"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write((server.url(u"/clip.mp4"_s) + u"\n"_s + server.url(u"/gone.mp4"_s) + u" "_s +
                server.url(u"/manifest.mpd"_s))
                   .toUtf8());
    file.close();
    window.openListAction()->trigger();
    auto* dialog = window.findChild<QFileDialog*>(u"openListDialog"_s);
    QVERIFY(dialog && dialog->isVisible());
    dialog->selectFile(file.fileName());
    static_cast<QDialog*>(dialog)->accept();
    QTRY_VERIFY(lookup.isFetching());
    QTRY_VERIFY_WITH_TIMEOUT(!lookup.isFetching(), 60000);
    QCOMPARE(lookup.results().size(), 2);
    const QStringList described = headings();
    QCOMPARE(described.size(), 5);
    QCOMPARE(described.at(0), u"1 video"_s);
    QVERIFY2(described.at(2).contains(u"404"_s), qPrintable(described.at(2)));
    QCOMPARE(described.at(3), u"1 video"_s);
    QCOMPARE(rows.index(2).data(ResultsModel::HeadingErrorRole).toString(), described.at(2));
    QCOMPARE(window.resultsPane()->findChild<QLabel*>(u"resultsTitle"_s)->text(), u"3 links"_s);
    QCOMPARE(window.resultsPane()->findChild<QLabel*>(u"resultsCount"_s)->text(),
             u"2 videos \u00b7 2 selected"_s);

    // The first link's Select None leaves the other's row ticked, and only
    // that one is downloaded.
    for (const auto& action : list->rowActions(rows.index(0)))
        if (action.name == u"Select None"_s)
            action.run();
    QCOMPARE(lookup.selected().size(), 1);
    QCOMPARE(rows.index(1).data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
    QCOMPARE(rows.index(4).data(Qt::CheckStateRole).toInt(), Qt::Checked);
    window.resultsPane()->downloadButton()->click();
    QCOMPARE(model.queue().downloads().size(), 1);
    QCOMPARE(model.queue().downloads().first()->video().id(), rows.item(4).id());

    // A later start hands two links over to this one, which looks them up.
    QVERIFY(QDir().mkpath(env.path(u"run"_s)));
    SingleInstance instance(env.path(u"run"_s));
    instance.claim();
    QCOMPARE(instance.handOver({}), SingleInstance::Role::first);
    QVERIFY(instance.listen());
    connect(&instance, &SingleInstance::called, &window,
            [&window](const QStringList& handed) { window.takeLinks(handed); });
    QProcess later;
    QProcessEnvironment environment = env.childEnvironment();
    environment.insert(u"XDG_RUNTIME_DIR"_s, env.path(u"run"_s));
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    later.setProcessEnvironment(environment);
    later.start(QStringLiteral(REELCATCH_EXECUTABLE),
                {server.url(u"/gone.mp4"_s), server.url(u"/clip.mp4"_s)});
    QTRY_COMPARE_WITH_TIMEOUT(later.state(), QProcess::NotRunning, 60000);
    QCOMPARE(later.exitCode(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(lookup.sections().size(), 2, 60000);
    QTRY_VERIFY_WITH_TIMEOUT(!lookup.isFetching(), 60000);
    QCOMPARE(lookup.results().size(), 1);
    QCOMPARE(lookup.sections().at(0).state, LinkSection::State::failed);
    QCOMPARE(headings(), (QStringList{described.at(2), u"1 video"_s, u"-"_s}));
    model.shutDown();
}

QTEST_MAIN(TestEndToEndRealPeer)
#include "tst_endtoend_realpeer.moc"
