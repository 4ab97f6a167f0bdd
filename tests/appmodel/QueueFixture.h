#pragma once

// A model with a scripted yt-dlp, recording desktop services and an
// installer that waits to be told how its installations end.
#include "AppModel.h"
#include "FakeYtdlp.h"
#include "Fakes.h"
#include "TestEnv.h"

#include <QJsonObject>
#include <QTest>

using namespace reelcatch;

inline VideoItem videoItem(const QString& id)
{
    return *VideoItem::fromJson(
        QJsonObject{{QStringLiteral("id"), id},
                    {QStringLiteral("title"), QStringLiteral("Title ") + id},
                    {QStringLiteral("webpage_url"), QStringLiteral("https://example.org/") + id}});
}

inline Download::Phase::Kind kind(const DownloadPtr& job)
{
    return job->phase().kind();
}

struct QueueFixture {
    TestEnv env;
    FakeYtdlp fake{env.supportDir()};
    Engine engine{env.engineConfig()};
    Prefs prefs{env.settingsPath(), env.downloadsDir()};
    FakeInstaller installer;
    FakeClipboard clipboard;
    RecordingBadge badge;
    RecordingCue cue;
    AppModel model{engine, prefs, installer, Platform{&clipboard, &badge, &cue}};

    explicit QueueFixture(bool ffmpeg = true)
    {
        if (ffmpeg)
            placeFfmpeg(env.binDirs().at(1));
    }

    static void placeFfmpeg(const QString& dir)
    {
        TestEnv::writeExecutable(dir + QStringLiteral("/ffmpeg"), "#!/bin/sh\n");
        TestEnv::writeExecutable(dir + QStringLiteral("/ffprobe"), "#!/bin/sh\n");
    }

    // The job made for the item with that id (newest first).
    DownloadPtr job(const QString& id) const
    {
        for (const DownloadPtr& job : model.downloads()) {
            if (job->video().id() == id)
                return job;
        }
        return nullptr;
    }

    // The ids the fake was started for, in order of start.
    QStringList started() const
    {
        QStringList ids;
        for (const QStringList& args : fake.calls()) {
            for (const QString& arg : args) {
                if (arg.startsWith(QLatin1String("https://example.org/")))
                    ids << arg.mid(20);
            }
        }
        return ids;
    }

    bool allFinished(int timeoutMs = 20000) const
    {
        return QTest::qWaitFor(
            [&] {
                return std::all_of(
                    model.downloads().cbegin(), model.downloads().cend(),
                    [](const DownloadPtr& j) { return j->isFinished() && !j->process(); });
            },
            timeoutMs);
    }
};
