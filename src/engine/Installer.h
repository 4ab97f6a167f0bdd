#pragma once

#include "engine/Engine.h"
#include "engine/ToolInstaller.h"

#include <QString>
#include <QUrl>

class QNetworkAccessManager;

namespace reelcatch {

// Where the tools are downloaded from. The real hosts by default; tests
// point both at a local server.
struct InstallerConfig {
    // The code-hosting site serving the yt-dlp and deno release downloads.
    QString releaseHost = QStringLiteral("https://github.com");
    // The ffmpeg build redirect service.
    QString ffmpegHost = QStringLiteral("https://ffmpeg.martin-riedl.de");
    // A transfer that receives nothing for this long fails.
    int stallTimeoutMs = 60000;
    // A transfer that averages less than minBytesPerSecond over any window of
    // rateWindowMs fails, so a slow drip can't hold an install forever.
    qint64 minBytesPerSecond = 1024;
    int rateWindowMs = 60000;
    // A download or unpacked tool larger than this is refused.
    qint64 maxToolBytes = 512LL * 1024 * 1024;
    // A new copy that hasn't answered its version query by then doesn't run.
    int checkTimeoutMs = 60000;
    // The ASCII-armoured key that must have signed yt-dlp's checksum list;
    // the one built into the application when empty.
    QString signingKey;
    // gpgv, which checks that signature; looked up on the system's PATH when empty.
    QString gpgv;
    // The machine field of uname(2); read from the system when empty.
    QString machine;

    // The defaults, with REELCATCH_RELEASE_HOST and REELCATCH_FFMPEG_HOST
    // from the environment overriding the hosts.
    static InstallerConfig fromEnvironment();
};

// Downloads yt-dlp, deno, ffmpeg and ffprobe and places them, mode 0755, in
// the engine's support folder. A new copy replaces the old one only after its
// SHA-256 matched the one its publisher gives (for yt-dlp, in a checksum list
// whose signature gpgv verified) and its version query printed a version
// newer than the old copy's (the same or an older one leaves the old copy as
// it is). Its work folders are in the support folder too; temporaries that an
// interrupted install left there are swept away in the background when the
// installer is made. Lives on a thread with an event loop (the GUI thread) and
// is called from that thread only.
class Installer : public ToolInstaller {
public:
    Installer(const Engine& engine, InstallerConfig config = {});
    ~Installer() override;

    const InstallerConfig& config() const { return m_config; }

    // The download locations for this machine.
    QString ytdlpUrl() const;
    QString denoUrl() const;
    QString ffmpegUrl() const;
    QString ffprobeUrl() const;

    // Downloads from now on go through the proxy at `address` (see
    // networkProxy()); an empty one, through the application's default.
    void setProxy(const QString& address);

    void installYtdlp(QObject* context, OnDone done, Progress progress = {}) override;
    void installDeno(QObject* context, OnDone done, Progress progress = {}) override;
    void installFfmpeg(QObject* context, OnDone done) override;

private:
    // One tool's download, unpacking, check and swap.
    struct Tool;
    class Job;
    Tool tool(const QString& name, const QString& url, bool zipped, const QString& sumsUrl) const;
    QString host(const QString& configured) const;
    bool isArm() const;
    Job* makeJob(const Tool& tool);
    void runSingle(const Tool& tool, QObject* context, OnDone done, Progress progress);

    const Engine& m_engine;
    InstallerConfig m_config;
    QNetworkAccessManager* m_network = nullptr;
    // Parent of the running jobs; deleted first, so no job outlives the network.
    QObject* m_jobs = nullptr;
};

} // namespace reelcatch
