#pragma once

// The real main window over a model whose children are FakeRunner's, in a
// TestEnv sandbox, with an installer that holds each installation until the
// test ends it and recording desktop services; with the headers of the
// window's parts the tests reach.
#include "FakeRunner.h"
#include "TestEnv.h"
#include "appmodel/AppModel.h"
#include "engine/Engine.h"
#include "engine/ToolInstaller.h"
#include "model/Prefs.h"
#include "ui/BusyIndicator.h"
#include "ui/DesktopActions.h"
#include "ui/DownloadDelegate.h"
#include "ui/DownloadsList.h"
#include "ui/DownloadsPane.h"
#include "ui/FolderChooser.h"
#include "ui/HeaderBar.h"
#include "ui/MainWindow.h"
#include "ui/OneLineLabel.h"
#include "ui/ResultsList.h"
#include "ui/ResultsPane.h"
#include "ui/SystemClipboard.h"
#include "ui/ThumbnailCache.h"
#include "ui/Translations.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMap>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace reelcatch::test {

using namespace Qt::Literals::StringLiterals;

class HeldInstaller final : public ToolInstaller {
public:
    struct Held {
        QPointer<QObject> context;
        OnDone done;
        Progress progress;
    };
    void installYtdlp(QObject* c, OnDone d, Progress p) override { ++ytdlpRuns, held[u"yt-dlp"_s] = {c, d, p}; }
    void installDeno(QObject* c, OnDone d, Progress p) override { held[u"deno"_s] = {c, d, p}; }
    void installFfmpeg(QObject* c, OnDone d) override { held[u"ffmpeg"_s] = {c, d, {}}; }
    bool finish(const QString& tool, const Status& outcome)
    {
        const Held h = held.take(tool);
        if (h.context)
            h.done(outcome);
        return h.done != nullptr;
    }
    QMap<QString, Held> held;
    int ytdlpRuns = 0;
};

class RecordingActions final : public DesktopActions {
public:
    void revealFile(const QString& path) override { revealed << path; }
    void openFile(const QString& path) override { opened << path; }
    void openFolder(const QString& path) override { folders << path; }
    void openUrl(const QUrl&) override {}
    QStringList revealed, folders, opened;
};

// Answers every file question with `file` (nothing by default), noting where it started.
class NoChooser final : public FolderChooser {
public:
    std::optional<QString> chooseDirectory(const QString& startIn, const QString& label) override { return askedFolder << startIn << label, folder; }
    std::optional<QString> chooseFile(const QString& startIn, const QString&) override { return asked << startIn, file; }
    std::optional<QString> file, folder;
    QStringList asked, askedFolder;
};

// yt-dlp's per-entry answer for a playlist of these ids (titled "Title <id>"),
// with the "live_status" of those streamed.
inline QByteArray playlist(const QString& title, const QStringList& ids,
                           const QHash<QString, QString>& live = {})
{
    QByteArray lines;
    for (const QString& id : ids) {
        QJsonObject entry{{u"id"_s, id},
                          {u"title"_s, u"Title "_s + id},
                          {u"channel"_s, u"Channel"_s},
                          {u"webpage_url"_s, u"https://example.org/"_s + id},
                          {u"playlist_title"_s, title}};
        if (live.contains(id))
            entry.insert(u"live_status"_s, live.value(id));
        lines += QJsonDocument(entry).toJson(QJsonDocument::Compact) + '\n';
    }
    return lines;
}

inline VideoItem video(const QString& id)
{
    return *VideoItem::fromJson(QJsonObject{{u"id"_s, id},
                                            {u"title"_s, u"Title "_s + id},
                                            {u"webpage_url"_s, u"https://example.org/"_s + id}});
}

// Placeholder tools in the sandbox (FakeRunner never runs them): the managed
// yt-dlp, and ffmpeg with ffprobe when asked for; deno is missing.
inline EngineConfig sandboxConfig(const TestEnv& env, std::shared_ptr<ProcessRunner> runner,
                                  bool ffmpeg)
{
    QStringList tools{u"yt-dlp"_s};
    if (ffmpeg)
        tools << u"ffmpeg"_s << u"ffprobe"_s;
    for (const QString& tool : tools)
        TestEnv::writeExecutable(env.supportDir() + u'/' + tool, "#!/bin/sh\nexit 1\n");
    EngineConfig config = env.engineConfig();
    config.runner = std::move(runner);
    return config;
}

// The windows read in English (with its plural forms) whatever the machine's language.
inline void readEnglish()
{
    static const std::unique_ptr<QObject> english = Translations::install(QLocale(QLocale::English));
}
Q_COREAPP_STARTUP_FUNCTION(readEnglish)

struct Ui {
    explicit Ui(bool ffmpeg = true, bool realChildren = false) // real processes, not FakeRunner's
        : engine(sandboxConfig(env, realChildren ? nullptr : runner, ffmpeg)) {}

    bool showActive()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }
    // The last child started for that video's download.
    FakeChild* childFor(const QString& id) const
    {
        for (auto it = runner->children.crbegin(); it != runner->children.crend(); ++it)
            if (*it && (*it)->spec.arguments.contains(u"https://example.org/"_s + id))
                return *it;
        return nullptr;
    }
    // Ends the lookup under way with this playlist; true once it is listed.
    bool answer(const QString& title, const QStringList& ids, const QHash<QString, QString>& live = {})
    {
        FakeChild* child = runner->last();
        child->print(playlist(title, ids, live));
        child->end(0);
        return QTest::qWaitFor([this] { return !model.lookup().isFetching(); }, 20000);
    }

    TestEnv env;
    std::shared_ptr<FakeRunner> runner = std::make_shared<FakeRunner>();
    Engine engine;
    Prefs prefs{env.settingsPath(), env.downloadsDir()};
    HeldInstaller installer;
    SystemClipboard clipboard{QGuiApplication::clipboard()};
    AppModel model{engine, prefs, installer, Platform{&clipboard}};
    QNetworkAccessManager network;
    ThumbnailCache thumbnails{&network, env.path(u"thumbnails"_s)};
    RecordingActions actions;
    NoChooser chooser;
    MainWindow window{model, thumbnails, actions, chooser};
};

} // namespace reelcatch::test
