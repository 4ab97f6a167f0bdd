#pragma once

#include "engine/AppError.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <memory>
#include <optional>

namespace reelcatch {

class Engine;
class ToolInstaller;

// Keeping the download engine ready: yt-dlp and deno installed and fresh,
// ffmpeg fetched the first time a download needs it, and what the windows
// show of it. Lives on the GUI thread.
class EngineReadiness : public QObject {
    Q_OBJECT
public:
    EngineReadiness(Engine& engine, ToolInstaller& installer, QObject* parent = nullptr);
    ~EngineReadiness() override;

    // What the engine's tools were found to be at the end of the last check
    // or install; the windows show this rather than look at the disk.
    struct Tools {
        bool ffmpeg = false;
        bool deno = false;
        friend bool operator==(const Tools&, const Tools&) = default;
    };

    const std::optional<QString>& note() const { return m_note; }
    bool isBusy() const { return m_busy; }
    const std::optional<QString>& version() const { return m_version; }
    const Tools& tools() const { return m_tools; }

    // Installs or updates yt-dlp and deno as needed (all of it when forced),
    // then reads the version in use. Nothing more starts while a run is busy.
    void ensure(bool force);
    // The last run failed in a way the banner shows: yt-dlp could not be
    // installed, or an update asked for could not be made.
    bool canRetry() const { return m_failed && !m_busy; }
    // Runs the failed run again.
    void retry();
    // Why yt-dlp could not be installed, while there is none.
    const std::optional<QString>& installFailure() const { return m_installFailure; }

    // Whether the first version query is still awaited: a check is under way
    // and has neither answered nor taken longer than the wait.
    bool awaitsVersion() const { return m_busy && !m_versionSettled; }
    // How long starts wait for that answer; the first check starts the wait.
    static constexpr std::chrono::seconds versionWait{10};
    void setVersionWait(std::chrono::milliseconds wait) { m_versionWait = wait; }

    // ffmpeg: whether the last installation failed (downloads then go ahead
    // without it).
    bool ffmpegFailed() const { return m_ffmpegFailed; }
    // Starts installing ffmpeg unless that is already under way;
    // ffmpegSettled() follows either way.
    void getFfmpeg();

    // The managed yt-dlp is refreshed when it is older than this.
    static constexpr double updateAgeSeconds = 432000; // five days

signals:
    void noteChanged();
    void busyChanged();
    void versionChanged();
    void toolsChanged();
    // The first version query answered, or was waited for long enough.
    void versionSettled();
    // An ffmpeg installation has ended, well or not.
    void ffmpegSettled();

private:
    struct Run;
    void runInstalls(const std::shared_ptr<Run>& run);
    void endRun(const Run& run, const Status& outcome);
    void settleVersion();
    void setNote(const std::optional<QString>& note);
    void setBusy(bool busy);
    void setVersion(const std::optional<QString>& version);
    void refreshTools();

    Engine& m_engine;
    ToolInstaller& m_installer;
    std::optional<QString> m_note;
    bool m_busy = false;
    std::optional<QString> m_version;
    Tools m_tools;
    bool m_ffmpegInstalling = false;
    bool m_ffmpegFailed = false;
    bool m_failed = false;
    std::optional<QString> m_installFailure;
    bool m_versionSettled = false;
    std::chrono::milliseconds m_versionWait = versionWait;
    QTimer m_versionTimer;
};

} // namespace reelcatch
