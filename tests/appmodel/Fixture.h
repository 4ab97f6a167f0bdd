#pragma once

// The model on a sandbox, its children made by a FakeRunner, with recording
// desktop services and an installer that waits to be told how it ends.
#include "FakeRunner.h"
#include "TestEnv.h"
#include "appmodel/AppModel.h"
#include "engine/ToolInstaller.h"
#include "model/Prefs.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>

namespace reelcatch::test {

struct FakeClipboard : Clipboard {
    int changeCount() const override { return changes; }
    std::optional<QString> text() const override { return content; }
    void setText(const QString& text) override { copy(text); }
    void copy(const std::optional<QString>& text) { content = text, ++changes; } // by another application
    int changes = 7;
    std::optional<QString> content;
};

struct RecordingPlatform : Badge, CompletionCue, BatchNotice {
    void setCount(int count) override { badge.append(count); }
    void playSound() override { ++sounds; }
    void requestAttention() override { ++attentions; }
    void batchEnded(int done, int failed, const QString& folder) override { notices << QStringLiteral("%1+%2 %3").arg(done).arg(failed).arg(folder); }
    QList<int> badge;
    QStringList notices; // "done+failed folder"

    int sounds = 0, attentions = 0;
};

// Holds every installation until the test finishes it.
struct FakeInstaller : ToolInstaller {
    void installYtdlp(QObject*, OnDone done, Progress p) override { hold("yt-dlp", done, p); }
    void installDeno(QObject*, OnDone done, Progress p) override { hold("deno", done, p); }
    void installFfmpeg(QObject*, OnDone done) override { hold("ffmpeg", done, {}); }
    void hold(const char* tool, const OnDone& done, const Progress& p) { pending.insert(calls.emplaceBack(QLatin1String(tool)), {done, p}); }
    // Ends a pending installation, first writing `files` as executables.
    bool finish(const QString& tool, Status outcome, const QStringList& files = {})
    {
        if (!pending.contains(tool))
            return false;
        const OnDone done = pending.take(tool).first;
        for (const QString& file : files)
            TestEnv::writeExecutable(file, "#!/bin/sh\n");
        done(std::move(outcome));
        return true;
    }
    QStringList calls; // every installation asked for, oldest first
    QHash<QString, std::pair<OnDone, Progress>> pending;
};

inline VideoItem videoItem(const QString& id)
{
    return *VideoItem::fromJson(QJsonObject{{QStringLiteral("id"), id},
                                            {QStringLiteral("webpage_url"), QStringLiteral("https://example.org/") + id}});
}

// What `part` gives for each item of `list`.
template <typename List, typename Part>
QStringList each(const List& list, Part part)
{
    QStringList parts;
    for (const auto& item : list)
        parts << part(item);
    return parts;
}

// Lets the thread pool's work and the events it posts run their course.
inline void settle()
{
    for (int i = 0; i < 3; ++i)
        QThreadPool::globalInstance()->waitForDone(), QCoreApplication::processEvents();
}

struct Fixture {
    TestEnv env;
    std::shared_ptr<FakeRunner> runner = std::make_shared<FakeRunner>();
    Engine engine{[this] {
        EngineConfig c = env.engineConfig();
        c.runner = runner;
        return c;
    }()};
    Prefs prefs{env.settingsPath(), env.downloadsDir()};
    FakeInstaller installer;
    FakeClipboard clipboard;
    RecordingPlatform platform;
    AppModel model{engine, prefs, installer, Platform{&clipboard, &platform, &platform, &platform}};

    // Stand-ins for the tools in the first system bin directory.
    explicit Fixture(bool ytdlp = true, bool ffmpeg = true)
    {
        for (const char* tool : {"yt-dlp", "ffmpeg", "ffprobe"})
            if (tool[0] == 'y' ? ytdlp : ffmpeg)
                place(QLatin1String(tool));
    }
    void place(const QString& tool) const
    {
        TestEnv::writeExecutable(env.binDirs().at(0) + QLatin1Char('/') + tool, "#!/bin/sh\n");
    }
    DownloadQueue& queue() { return model.queue(); }
    Lookup& lookup() { return model.lookup(); }
};

inline QStringList targets(const Fixture& f) // the last argument of every child
{
    return each(f.runner->specs, [](const ChildSpec& spec) { return spec.arguments.last(); });
}

// Starts a lookup of `input`; its child, or null when none started.
inline FakeChild* start(Fixture& f, const QString& input)
{
    const qsizetype before = f.runner->children.size();
    f.lookup().setInput(input);
    f.lookup().fetch();
    return f.runner->children.size() > before ? f.runner->last() : nullptr;
}

inline const QString playlist = QStringLiteral("https://www.youtube.com/playlist?list=PL1");

} // namespace reelcatch::test
