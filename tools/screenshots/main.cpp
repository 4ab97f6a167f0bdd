// Pictures of the main window in its usual states, and of the settings
// window at its "YouTube account" section, for review: the windows
// over a model whose yt-dlp is an in-process stand-in, in a sandbox.
//   reelcatch-screenshots FOLDER [light|dark] [LANGUAGE]   (e.g. "de")
#include "HttpServer.h"
#include "UiFixture.h"
#include "ui/Appearance.h"
#include "ui/DownloadsPane.h"
#include "ui/SettingsWindow.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QPalette>
#include <QSignalSpy>
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
    ui.model.lookup().fetch();
    ui.runner->last()->stderrTail = "ERROR: HTTP Error 404: Not Found\n";
    ui.runner->last()->end(1);
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
