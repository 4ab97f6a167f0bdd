#pragma once

// The model on a sandbox, its children made by a FakeRunner, with recording
// desktop services and an installer that waits to be told how it ends.
#include "AppModel.h"
#include "FakeRunner.h"
#include "Prefs.h"
#include "TestEnv.h"
#include "ToolInstaller.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonObject>
#include <QPointer>
#include <QThreadPool>

namespace reelcatch::test {

class FakeClipboard : public Clipboard {
public:
    // Another application copies something.
    void copy(const std::optional<QString>& content)
    {
        m_content = content;
        ++m_changes;
    }
    int changeCount() const override { return m_changes; }
    std::optional<QString> text() const override { return m_content; }
    void setText(const QString& text) override { copy(text); }

private:
    int m_changes = 7;
    std::optional<QString> m_content;
};

struct RecordingPlatform : Badge, CompletionCue {
    void setCount(int count) override { badge.append(count); }
    void playSound() override { ++sounds; }
    void requestAttention() override { ++attentions; }
    QList<int> badge;
    int sounds = 0;
    int attentions = 0;
};

// Holds every installation until the test finishes it.
class FakeInstaller : public ToolInstaller {
public:
    void installYtdlp(QObject* context, OnDone done, Progress progress) override
    {
        hold(QStringLiteral("yt-dlp"), context, std::move(done), std::move(progress));
    }
    void installDeno(QObject* context, OnDone done, Progress progress) override
    {
        hold(QStringLiteral("deno"), context, std::move(done), std::move(progress));
    }
    void installFfmpeg(QObject* context, OnDone done) override
    {
        hold(QStringLiteral("ffmpeg"), context, std::move(done), {});
    }
    void progress(const QString& tool, qint64 received, qint64 total)
    {
        if (const Progress& report = m_pending[tool].progress)
            report(received, total);
    }
    // Ends a pending installation; `place` runs first (to put files in place).
    bool finish(const QString& tool, Status outcome, const std::function<void()>& place = {})
    {
        if (!m_pending.contains(tool))
            return false;
        Pending p = m_pending.take(tool);
        if (place)
            place();
        if (p.context)
            p.done(std::move(outcome));
        return true;
    }
    // Every installation asked for, oldest first.
    QStringList calls;

private:
    struct Pending {
        QPointer<QObject> context;
        OnDone done;
        Progress progress;
    };
    void hold(const QString& tool, QObject* context, OnDone done, Progress progress)
    {
        calls.append(tool);
        m_pending.insert(tool, Pending{context, std::move(done), std::move(progress)});
    }
    QHash<QString, Pending> m_pending;
};

inline VideoItem videoItem(const QString& id)
{
    return *VideoItem::fromJson(
        QJsonObject{{QStringLiteral("id"), id},
                    {QStringLiteral("title"), QStringLiteral("Title ") + id},
                    {QStringLiteral("webpage_url"), QStringLiteral("https://example.org/") + id}});
}

// Lets the thread pool's work and the events it posts run their course.
inline void settle()
{
    for (int i = 0; i < 3; ++i) {
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
    }
}

struct Fixture {
    TestEnv env;
    std::shared_ptr<FakeRunner> runner = std::make_shared<FakeRunner>();
    Engine engine{config()};
    Prefs prefs{env.settingsPath(), env.downloadsDir()};
    FakeInstaller installer;
    FakeClipboard clipboard;
    RecordingPlatform platform;
    AppModel model{engine, prefs, installer, Platform{&clipboard, &platform, &platform}};

    // `ytdlp` and `ffmpeg`: stand-ins in the first system bin directory.
    explicit Fixture(bool ytdlp = true, bool ffmpeg = true)
    {
        if (ytdlp)
            placeTool(QStringLiteral("yt-dlp"));
        if (ffmpeg)
            placeFfmpeg();
    }
    EngineConfig config() const
    {
        EngineConfig c = env.engineConfig();
        c.runner = runner;
        return c;
    }
    QString placeTool(const QString& name) const
    {
        return TestEnv::writeExecutable(env.binDirs().at(0) + QLatin1Char('/') + name,
                                        "#!/bin/sh\n");
    }
    void placeFfmpeg() const
    {
        placeTool(QStringLiteral("ffmpeg"));
        placeTool(QStringLiteral("ffprobe"));
    }
    DownloadQueue& queue() { return model.queue(); }
    Lookup& lookup() { return model.lookup(); }
};

} // namespace reelcatch::test
