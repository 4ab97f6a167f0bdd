#pragma once

#include "model/Clip.h"
#include "model/DownloadOptions.h"
#include "model/FileNaming.h"
#include "model/Preset.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace reelcatch {

class Engine;

// Every yt-dlp command line the application runs, built in one place.
namespace YtdlpArgs {

// The yt-dlp release from which post-processor steps can be printed on
// lines of their own.
inline constexpr const char* postprocessTemplateSince = "2023.06.21";
// The yt-dlp release that takes "--js-runtimes"; older ones refuse to run
// with it.
inline constexpr const char* jsRuntimesSince = "2025.11.12";

// SponsorBlock's segment categories, by the names yt-dlp takes, in the order
// the settings show them.
inline const QStringList sponsorCategories{
    QStringLiteral("sponsor"),        QStringLiteral("selfpromo"), QStringLiteral("interaction"),
    QStringLiteral("intro"),          QStringLiteral("outro"),     QStringLiteral("preview"),
    QStringLiteral("music_offtopic"), QStringLiteral("filler")};

// Where yt-dlp takes sign-in cookies from; at most one is set.
struct Cookies {
    // For "--cookies-from-browser": "firefox", or "firefox:/profile/folder".
    QString fromBrowser;
    // For "--cookies": a cookies file.
    QString file;
};

// What every run of yt-dlp goes out with: the cookies, and a proxy
// ("socks5://host:port"; empty for none).
struct Session {
    Cookies cookies;
    QString proxy;
};

// What begins every command line: no configuration file (one in the working
// folder, such as the download folder, could run any command), no colours,
// deno when there is one and the yt-dlp in use (of `version`, when known)
// takes it, the cookies and the proxy.
QStringList common(const Engine& engine, const std::optional<QString>& version,
                   const Session& session = {});

// Lists what is behind `target` one JSON object a line, as yt-dlp reads each
// entry (a playlist flat, its entries naming it; a single video whole).
QStringList lookup(const Engine& engine, const QString& target,
                   const std::optional<QString>& version, const Session& session = {});

// What a download needs besides the engine: the video, its preset, the
// version of the yt-dlp in use, whether the file name carries the preset
// (for a video also fetched in another one), and where the video was listed.
struct Download {
    QString url;
    Preset preset;
    std::optional<QString> version;
    bool presetInName = false;
    Session session = {};
    // yt-dlp's format ids picked for the video ("137+140"), in place of the
    // preset's "-f"; empty for the preset's own choice.
    QString formatIds = {};
    // The stretch to fetch, cut at exactly its times; none for the whole
    // video. The file name carries it.
    std::optional<ClipRange> clip = {};
    // The playlist or channel it was listed in, if any.
    std::optional<PlaylistPlace> place = {};
};
// Downloads one video into the working folder, given as "." (yt-dlp would
// expand "~" and "$NAME" in a folder named on the command line), printing progress lines
// "RC|…", post-processor steps and "RCFILE|path" once the file is in place,
// as the options ask.
QStringList download(const Engine& engine, const DownloadOptions& options, const Download& request);

} // namespace YtdlpArgs

} // namespace reelcatch
