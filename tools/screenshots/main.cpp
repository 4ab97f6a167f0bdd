// Pictures of the main window in its usual states, of "Choose Format…" in
// each of its own, of "Download a Clip…", and of the settings window at its
// "YouTube account" section and with its lists open, for review: the windows
// over a model whose yt-dlp is an in-process stand-in, in a sandbox.
//   reelcatch-screenshots FOLDER [light|dark] [LANGUAGE]   (e.g. "de")
#include "HttpServer.h"
#include "UiFixture.h"
#include "ui/Appearance.h"
#include "ui/ClipDialog.h"
#include "ui/DownloadsPane.h"
#include "ui/FormatDialog.h"
#include "ui/HistoryList.h"
#include "ui/HistoryModel.h"
#include "ui/HistoryWindow.h"
#include "ui/SettingsWindow.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QAbstractItemView>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPalette>
#include <QScrollArea>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStyle>

using namespace reelcatch;
using namespace reelcatch::test;

namespace {

bool save(Ui& ui, const QString& path)
{
    // Thumbnails asked for by the last paint, then pending layouts and repaints.
    QTest::qWait(100);
    if (!QTest::qWaitFor(
            [&] { return !ui.thumbnails.runningCount() && !ui.thumbnails.queuedCount(); }, 10000))
        qWarning("thumbnails still loading");
    QTest::qWait(100);
    return ui.window.grab().save(path);
}

// A thumbnail with fine detail (thin lines, small text), to judge sharpness.
QByteArray thumbnail(int hue)
{
    QImage image(640, 360, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(hue, 140, 200));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor::fromHsv(hue, 200, 90), 2));
    for (int x = -360; x < 640; x += 12)
        painter.drawLine(x, 360, x + 360, 0);
    QFont font = painter.font();
    font.setPixelSize(64);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(image.rect(), Qt::AlignCenter, u"Clip %1"_s.arg(hue));
    painter.end();
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    image.save(&png, "PNG");
    return png.data();
}

// A video whose thumbnail the local server has.
QJsonObject clipJson(const HttpServer& server, const QString& id, int hue)
{
    return QJsonObject{{u"id"_s, id},
                       {u"title"_s, u"Title "_s + id},
                       {u"channel"_s, u"Channel"_s},
                       {u"duration"_s, 754},
                       {u"thumbnail"_s, server.url(u"/%1.png"_s.arg(hue))},
                       {u"webpage_url"_s, u"https://example.org/"_s + id}};
}

// yt-dlp's answer listing `count` clips from `first` on, as a playlist.
QByteArray listing(const HttpServer& server, const QString& title, int first, int count)
{
    QByteArray lines;
    for (int i = first; i < first + count; ++i) {
        QJsonObject entry = clipJson(server, u"clip%1"_s.arg(i), (i * 30) % 360);
        entry.insert(u"playlist_title"_s, title);
        lines += QJsonDocument(entry).toJson(QJsonDocument::Compact) + '\n';
    }
    return lines;
}

VideoItem clip(const HttpServer& server, const QString& id, int hue)
{
    return *VideoItem::fromJson(clipJson(server, id, hue));
}

// Lists twelve clips (three ticked), then downloads in every phase: done,
// failed, running, processing, waiting; and a lookup that failed.
bool fill(Ui& ui, const HttpServer& server, const std::function<bool()>& results)
{
    ui.model.lookup().setInput(u"https://example.org/list"_s);
    ui.model.lookup().fetch();
    QStringList ids;
    QByteArray lines; // yt-dlp's answer: one entry a line
    for (int i = 0; i < 12; ++i) {
        ids << u"clip%1"_s.arg(i);
        QJsonObject entry = clipJson(server, ids.last(), i * 30);
        entry.insert(u"playlist_title"_s, u"A playlist of twelve clips"_s);
        lines += QJsonDocument(entry).toJson(QJsonDocument::Compact) + '\n';
    }
    ui.runner->last()->print(lines);
    ui.runner->last()->end(0);
    bool ok = QTest::qWaitFor([&] { return !ui.model.lookup().isFetching(); }, 20000);
    ui.model.lookup().setSelected({ids.at(0), ids.at(2), ids.at(3)});
    ok &= results();

    ui.prefs.setValue(PrefKey::parallel, 4);
    ui.model.queue().enqueue({clip(server, u"done"_s, 0), clip(server, u"failed"_s, 60),
                              clip(server, u"running"_s, 120), clip(server, u"merging"_s, 180)},
                             Preset::p1080);
    ui.childFor(u"done"_s)->say(u"RCFILE|Title done.mp4"_s);
    ui.childFor(u"done"_s)->end(0);
    ui.childFor(u"failed"_s)->say(u"ERROR: Video unavailable. This video is private"_s);
    ui.childFor(u"failed"_s)->end(1);
    ui.childFor(u"running"_s)->say(u"RC|downloading|41943040|104857600|NA|2097152|30|avc1"_s);
    ui.childFor(u"merging"_s)->say(u"[Merger] Merging formats"_s);
    ui.prefs.setValue(PrefKey::parallel, 2);
    ui.model.queue().enqueue({video(u"waiting"_s)}, Preset::mp3);
    ui.model.queue().enqueue({clip(server, u"clipped"_s, 240)}, Preset::p720, std::nullopt,
                             ClipRange{60, 150});
    ui.model.lookup().fetch();
    ui.runner->last()->stderrTail = "ERROR: HTTP Error 404: Not Found\n";
    ui.runner->last()->end(1);
    return ok;
}

// What yt-dlp answers "-J" with for one video: worst first, a progressive
// format, pictures without sound, and five sound tracks.
QByteArray formatsAnswer()
{
    QJsonArray formats;
    const auto add = [&](const char* id, const char* vcodec, const char* acodec, int height,
                         const char* language, const char* note, double kbits) {
        formats.append(
            QJsonObject{{u"format_id"_s, QLatin1String(id)},
                        {u"vcodec"_s, QLatin1String(vcodec)},
                        {u"acodec"_s, QLatin1String(acodec)},
                        {u"height"_s, height},
                        {u"width"_s, height * 16 / 9},
                        {u"fps"_s, height > 720 ? 60 : 30},
                        {u"language"_s, QLatin1String(language)},
                        {u"format_note"_s, QLatin1String(note)},
                        {u"tbr"_s, kbits},
                        {u"ext"_s, QString::fromLatin1(acodec).startsWith(u"opus"_s) ||
                                           QString::fromLatin1(vcodec).startsWith(u"vp"_s)
                                       ? u"webm"_s
                                       : u"mp4"_s},
                        {u"filesize_approx"_s, kbits * 1000 / 8 * 754}});
    };
    add("18", "avc1.42001E", "mp4a.40.2", 360, "de", "360p", 500);
    add("139-0", "none", "mp4a.40.5", 0, "en-desc", "English descriptive", 48);
    add("140-1", "none", "mp4a.40.2", 0, "en", "English dubbed", 129);
    add("251-1", "none", "opus", 0, "en", "English dubbed", 135);
    add("140-0", "none", "mp4a.40.2", 0, "de", "German original (default)", 129);
    add("251-0", "none", "opus", 0, "de", "German original (default)", 138);
    add("134", "avc1.4d401e", "none", 360, "", "360p", 380);
    add("136", "avc1.4d401f", "none", 720, "", "720p", 1400);
    add("247", "vp09.00.31.08", "none", 720, "", "720p", 1200);
    add("299", "avc1.64002a", "none", 1080, "", "1080p60", 4300);
    add("303", "vp09.00.41.08", "none", 1080, "", "1080p60", 3900);
    return QJsonDocument(QJsonObject{{u"id"_s, u"one"_s}, {u"formats"_s, formats}}).toJson();
}

// A single video found, and "Choose Format…" over it: asking, failed, and
// the lists (with a picture-only format, then one with its own sound).
bool formatStates(const HttpServer& server, const std::function<QString(const QString&)>& name)
{
    Ui ui;
    bool ok = ui.showActive();
    ui.model.lookup().setInput(u"https://example.org/one"_s);
    ui.model.lookup().fetch();
    ui.runner->last()->print(
        QJsonDocument(clipJson(server, u"one"_s, 90)).toJson(QJsonDocument::Compact) + '\n');
    ui.runner->last()->end(0);
    ok &= QTest::qWaitFor([&] { return !ui.model.lookup().isFetching(); }, 20000);
    ok &= save(ui, name(u"single-video"_s));
    ui.window.resultsPane()->chooseFormatButton()->click();
    auto* dialog = ui.window.findChild<FormatDialog*>();
    if (!dialog)
        return false;
    const auto shot = [&](const QString& state) {
        QTest::qWait(200);
        return dialog->grab().save(name(state));
    };
    ok &= shot(u"format-asking"_s);
    ui.runner->last()->stderrTail = "ERROR: [youtube] one: Sign in to confirm you\u2019re not a "
                                    "bot. Use --cookies-from-browser\n";
    ui.runner->last()->end(1);
    ok &= shot(u"format-failed"_s);
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->text() == FormatDialog::tr("Try Again"))
            button->click();
    ui.runner->last()->print(formatsAnswer());
    ui.runner->last()->end(0);
    ok &= QTest::qWaitFor([&] { return !dialog->isAsking(); }, 20000);
    ok &= shot(u"format-lists"_s);
    auto* videos = dialog->findChild<QListWidget*>(u"videoFormats"_s);
    videos->setCurrentRow(videos->count() - 2); // the progressive one
    ok &= shot(u"format-own-sound"_s);
    dialog->reject();
    return ok;
}

// The window and a popup of it in one picture, where they stand.
QPixmap withPopup(QWidget& window, QWidget& popup)
{
    const QRect area = window.frameGeometry().united(popup.geometry());
    const qreal ratio = window.devicePixelRatioF();
    QPixmap out(area.size() * ratio);
    out.setDevicePixelRatio(ratio);
    out.fill(window.palette().color(QPalette::Window).darker(140));
    QPainter painter(&out);
    painter.drawPixmap(window.geometry().topLeft() - area.topLeft(), window.grab());
    painter.drawPixmap(popup.geometry().topLeft() - area.topLeft(), popup.grab());
    painter.end();
    return out;
}

// The settings window with the subtitle languages' list open, and with
// SponsorBlock's categories shown.
bool settingsLists(const std::function<QString(const QString&)>& name)
{
    Ui ui;
    ui.prefs.setValue(PrefKey::subs, true);
    ui.prefs.setValue(PrefKey::subLangs, u"de.*,fr.*"_s);
    ui.prefs.setValue(PrefKey::sponsorMode, u"remove"_s);
    SettingsWindow settings(ui.model, ui.chooser);
    settings.show();
    bool ok = QTest::qWaitForWindowExposed(&settings);
    auto* langs = settings.findChild<QPushButton*>(u"subLangsButton"_s);
    settings.findChild<QScrollArea*>()->ensureWidgetVisible(langs);
    QTest::qWait(100);
    QMenu* popup = langs->menu();
    popup->popup(langs->mapToGlobal(QPoint(0, langs->height())));
    ok &= QTest::qWaitForWindowExposed(popup);
    QTest::qWait(100);
    ok &= withPopup(settings, *popup).save(name(u"settings-subtitle-languages"_s));
    popup->close();
    auto* cats = settings.findChild<QWidget*>(u"sponsorCatsRow"_s);
    settings.findChild<QScrollArea*>()->ensureWidgetVisible(cats);
    QTest::qWait(100);
    ok &= cats->isVisible() && settings.grab().save(name(u"settings-sponsorblock"_s));
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    TestEnv::isolateProcess();
    QApplication app(argc, argv);
    QApplication::setStyle(u"Fusion"_s);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        qCritical("usage: reelcatch-screenshots FOLDER [light|dark] [LANGUAGE]");
        return 2;
    }
    const QString theme = args.value(2, u"light"_s);
    // Over the English one the fixture installs; named after the language.
    const QString language = args.value(3);
    std::unique_ptr<QObject> translations;
    if (!language.isEmpty())
        translations = Translations::install(QLocale(language));
    Appearance::applyPalette(theme == u"dark"_s ? Appearance::darkPalette()
                                                : Appearance::lightPalette());
    QDir().mkpath(args.at(1));
    const auto name = [&](const QString& state) {
        return args.at(1) + u'/' + (language.isEmpty() ? QString() : language + u'-') + theme +
               u'-' + state + u".png"_s;
    };
    HttpServer server;
    for (int hue = 0; hue < 360; hue += 30)
        server.serveBytes(u"/%1.png"_s.arg(hue), thumbnail(hue), "image/png");
    bool ok = server.isListening();
    {
        Ui ui;
        ok &= ui.showActive() && save(ui, name(u"empty"_s));
        ui.model.lookup().setInput(u"https://example.org/list"_s);
        ui.model.lookup().fetch();
        ok &= save(ui, name(u"looking-up"_s));
        ok &= fill(ui, server, [&] { return save(ui, name(u"results"_s)); });
        ok &= save(ui, name(u"downloads-and-error"_s));
    }
    {
        // Two of the clips downloaded before, one live, one upcoming: their
        // badges, and Select New.
        Ui ui;
        QSignalSpy loaded(&ui.model.library(), &Library::loaded);
        ui.model.library().open(ui.env.path(u"data"_s));
        ok &= loaded.wait(20000) && ui.showActive();
        ui.model.lookup().setInput(u"https://example.org/list"_s);
        ui.model.lookup().fetch();
        QStringList ids;
        for (int i = 0; i < 12; ++i)
            ids << u"clip%1"_s.arg(i);
        ok &= ui.answer(u"A playlist of twelve clips"_s, ids,
                        {{u"clip0"_s, u"is_live"_s}, {u"clip3"_s, u"is_upcoming"_s}});
        ui.model.queue().enqueue({video(u"clip1"_s), video(u"clip2"_s)}, Preset::p1080);
        for (const QString& id : {u"clip1"_s, u"clip2"_s})
            ui.childFor(id)->end(0);
        ui.model.queue().clearFinished();
        ok &= save(ui, name(u"results-downloaded"_s));
    }
    {
        // "Download a Clip…" for a video of 12:34: an end past it, then a
        // range that goes.
        Ui ui;
        ok &= ui.showActive();
        ClipDialog dialog(clip(server, u"clip4"_s, 120), Preset::p1080, &ui.window);
        dialog.show();
        auto* end = dialog.findChild<QLineEdit*>(u"clipEnd"_s);
        end->setText(u"13:00"_s);
        QTest::qWait(100);
        ok &= dialog.grab().save(name(u"clip-dialog-invalid"_s));
        dialog.findChild<QLineEdit*>(u"clipStart"_s)->setText(u"1:30"_s);
        end->setText(u"4:05"_s);
        end->setFocus();
        QTest::qWait(100);
        ok &= dialog.grab().save(name(u"clip-dialog"_s));
    }
    {
        // The history: a few videos finished, one of them gone from the
        // disk; then searched.
        Ui ui;
        {
            LibraryStore store(ui.env.path(u"data"_s));
            store.open();
            LibraryChanges changes;
            const QStringList titles{u"Sunrise over the harbour"_s, u"How trains are built"_s,
                                     u"Harbour cranes at night"_s, u"Guitar lesson, part 3"_s,
                                     u"Chess openings for beginners"_s};
            for (int i = 0; i < titles.size(); ++i)
                changes.history.append(
                    {u"h%1"_s.arg(i),
                     i % 2 ? Preset::p1080 : Preset::mp3,
                     i == 1 ? ui.env.path(u"gone.mp4"_s)
                            : TestEnv::writeFile(ui.env.path(u"h%1.mp4"_s.arg(i)), "x"),
                     QDateTime(QDate(2026, 11, 20 + i), QTime(18, 30)),
                     titles.at(i),
                     u"Channel %1"_s.arg(i % 3),
                     {}});
            ok &= store.write(changes);
        }
        QSignalSpy loaded(&ui.model.library(), &Library::loaded);
        ui.model.library().open(ui.env.path(u"data"_s));
        ok &= loaded.wait(20000) && ui.showActive();
        ui.window.historyAction()->trigger();
        HistoryWindow* history = ui.window.historyWindow();
        ok &= QTest::qWaitForWindowExposed(history) &&
              QTest::qWaitFor([&] { return history->rows().rowCount() == 5; }, 20000);
        history->list()->setCurrentIndex(history->rows().index(0));
        QTest::qWait(200); // whether each file is there
        ok &= history->grab().save(name(u"history"_s));
        QTest::keyClicks(history->searchField(), u"harbour"_s);
        ok &= QTest::qWaitFor([&] { return history->rows().isCurrent(); }, 20000);
        QTest::qWait(200);
        ok &= history->grab().save(name(u"history-search"_s));
    }
    {
        // Three links looked up together, the second failing.
        Ui ui;
        ok &= ui.showActive();
        ui.model.lookup().setInput(
            u"https://example.org/cooking https://example.org/gone https://example.org/travel"_s);
        ui.model.lookup().fetch();
        ok &= QTest::qWaitFor([&] { return ui.runner->children.size() == 2; }, 20000);
        FakeChild* cooking = ui.runner->children.at(0);
        cooking->print(listing(server, u"Cooking at home"_s, 0, 1));
        cooking->end(0);
        ui.runner->children.at(1)->stderrTail = "ERROR: HTTP Error 404: Not Found\n";
        ui.runner->children.at(1)->end(1);
        ok &= QTest::qWaitFor([&] { return ui.runner->children.size() == 3; }, 20000);
        ui.runner->children.at(2)->print(listing(server, u"Travel diaries"_s, 1, 4));
        ui.runner->children.at(2)->end(0);
        ok &= QTest::qWaitFor([&] { return !ui.model.lookup().isFetching(); }, 20000);
        ui.model.lookup().selectSection(0, false);
        ok &= save(ui, name(u"several-links"_s));
    }
    {
        Ui ui;
        ok &= ui.showActive();
        ui.model.startEngineCheck();
        ui.installer.held[u"deno"_s].progress(30, 100);
        ok &= save(ui, name(u"engine-banner"_s));
    }
    {
        // Two Firefox installations found; a stored browser that is gone.
        Ui ui;
        for (const char* profile :
             {"/.mozilla/firefox/p", "/.var/app/org.mozilla.firefox/.mozilla/firefox/p"})
            TestEnv::writeFile(ui.env.homeDir() + QLatin1String(profile) + u"/cookies.sqlite"_s,
                               "");
        ui.prefs.setValue(PrefKey::cookiesFrom, u"chrome"_s);
        SettingsWindow settings(ui.model, ui.chooser);
        settings.show();
        ok &= QTest::qWaitFor([&] { return ui.model.cookies().isKnown(); }, 20000);
        settings.showAccountSection();
        QTest::qWait(100); // pending layouts and repaints
        ok &= settings.grab().save(name(u"settings-account"_s));
    }
    ok &= formatStates(server, name);
    ok &= settingsLists(name);
    {
        // File names: the picker's examples from a listed playlist, the
        // user's own template with its example, then one refused; the proxy
        // refused and a speed limit.
        Ui ui;
        ui.model.lookup().setInput(u"https://example.org/list"_s);
        ui.model.lookup().fetch();
        ok &= ui.answer(u"A playlist of clips"_s, {u"clip1"_s, u"clip2"_s});
        ui.prefs.setValue(PrefKey::playlistFolders, true);
        SettingsWindow settings(ui.model, ui.chooser);
        settings.show();
        auto* picker = settings.findChild<QComboBox*>(u"nameStyle"_s);
        picker->showPopup();
        QTest::qWait(100);
        ok &= picker->view()->window()->grab().save(name(u"settings-names-picker"_s));
        picker->hidePopup();
        picker->setFocus();
        QTest::keyClick(picker, Qt::Key_End);
        auto* custom = settings.findChild<QLineEdit*>(u"nameCustom"_s);
        QTest::keyClicks(custom, u"%(uploader)s/%(title)s (%(height)sp)"_s);
        QTest::qWait(100);
        ok &= settings.grab().save(name(u"settings-names"_s));
        custom->clear();
        QTest::keyClicks(custom, u"../%(title)s"_s);
        QTest::qWait(100);
        ok &= settings.grab().save(name(u"settings-names-refused"_s));
        auto* proxy = settings.findChild<QLineEdit*>(u"proxy"_s);
        QTest::keyClicks(proxy, u"127.0.0.1:3128"_s);
        settings.findChild<QSpinBox*>(u"rateLimit"_s)->setValue(2);
        settings.findChild<QScrollArea*>()->ensureWidgetVisible(proxy);
        QTest::qWait(100);
        ok &= settings.grab().save(name(u"settings-network"_s));
    }
    if (theme == u"dark"_s) {
        // Built light, then switched: whatever keeps colours must follow.
        Appearance::applyPalette(Appearance::lightPalette());
        Ui ui;
        ok &= ui.showActive() && fill(ui, server, [] { return true; });
        Appearance::applyPalette(Appearance::darkPalette());
        ok &= save(ui, name(u"switched-from-light"_s));
    }
    if (!ok)
        qCritical("some pictures could not be made");
    return ok ? 0 : 1;
}
