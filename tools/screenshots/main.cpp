// Pictures of the main window in its usual states, for review: the window
// over a model whose yt-dlp is an in-process stand-in, in a sandbox.
//   reelcatch-screenshots FOLDER [light|dark]
#include "DownloadsPane.h"
#include "UiFixture.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QSignalSpy>
#include <QStyle>

using namespace reelcatch;
using namespace reelcatch::test;

namespace {

QPalette darkPalette()
{
    QPalette p;
    const QColor window(0x2b, 0x2b, 0x2b), base(0x1e, 0x1e, 0x1e), text(0xe8, 0xe8, 0xe8);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window.lighter(120));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Highlight, QColor(0x2f, 0x6f, 0xd0));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::PlaceholderText, text.darker(160));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, text.darker(180));
    return p;
}

bool save(Ui& ui, const QString& path)
{
    QTest::qWait(100); // pending layouts and repaints
    return ui.window.grab().save(path);
}

} // namespace

int main(int argc, char** argv)
{
    TestEnv::isolateProcess();
    QApplication app(argc, argv);
    QApplication::setStyle(u"Fusion"_s);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        qCritical("usage: reelcatch-screenshots FOLDER [light|dark]");
        return 2;
    }
    const QString theme = args.value(2, u"light"_s);
    QApplication::setPalette(theme == u"dark"_s ? darkPalette()
                                                : QApplication::style()->standardPalette());
    QDir().mkpath(args.at(1));
    const auto name = [&](const QString& state) {
        return args.at(1) + u'/' + theme + u'-' + state + u".png"_s;
    };
    bool ok = true;
    {
        Ui ui;
        ok &= ui.showActive() && save(ui, name(u"empty"_s));
        ui.model.lookup().setInput(u"https://example.org/list"_s);
        ui.model.lookup().fetch();
        ok &= save(ui, name(u"looking-up"_s));
        QStringList ids;
        for (int i = 0; i < 12; ++i)
            ids << u"clip%1"_s.arg(i);
        ok &= ui.answer(u"A playlist of twelve clips"_s, ids);
        ui.model.lookup().setSelected({ids.at(0), ids.at(2), ids.at(3)});
        ok &= save(ui, name(u"results"_s));

        // Downloads in every phase: done, failed, running, processing, waiting.
        ui.prefs.setValue(PrefKey::parallel, 4);
        ui.model.queue().enqueue(
            {video(u"done"_s), video(u"failed"_s), video(u"running"_s), video(u"merging"_s)},
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
        ok &= save(ui, name(u"downloads-and-error"_s));
    }
    {
        // Two of the clips downloaded before: their badges, and Select New.
        Ui ui;
        QSignalSpy loaded(&ui.model.library(), &Library::loaded);
        ui.model.library().open(ui.env.path(u"data"_s));
        ok &= loaded.wait(20000) && ui.showActive();
        ui.model.lookup().setInput(u"https://example.org/list"_s);
        ui.model.lookup().fetch();
        QStringList ids;
        for (int i = 0; i < 12; ++i)
            ids << u"clip%1"_s.arg(i);
        ok &= ui.answer(u"A playlist of twelve clips"_s, ids);
        ui.model.queue().enqueue({video(u"clip1"_s), video(u"clip2"_s)}, Preset::p1080);
        for (const QString& id : {u"clip1"_s, u"clip2"_s})
            ui.childFor(id)->end(0);
        ui.model.queue().clearFinished();
        ok &= save(ui, name(u"results-downloaded"_s));
    }
    {
        Ui ui;
        ok &= ui.showActive();
        ui.model.startEngineCheck();
        ui.installer.held[u"deno"_s].progress(30, 100);
        ok &= save(ui, name(u"engine-banner"_s));
    }
    if (!ok)
        qCritical("some pictures could not be made");
    return ok ? 0 : 1;
}
