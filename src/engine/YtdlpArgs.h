#pragma once

#include "Preset.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace reelcatch {

class Engine;
class Prefs;

// Every yt-dlp command line the application runs, built in one place.
namespace YtdlpArgs {

// The yt-dlp release from which post-processor steps can be printed on
// lines of their own.
inline constexpr const char* postprocessTemplateSince = "2023.06.21";

// What begins every command line: no colours, and deno when there is one.
QStringList common(const Engine& engine);

// Lists what is behind `target` as one JSON document (a playlist flat).
QStringList lookup(const Engine& engine, const QString& target);

// What a download needs besides the engine: the video, its preset, the
// settings of the moment and the version of the yt-dlp in use.
struct Download {
    QString url;
    Preset preset;
    QString folder;
    std::optional<QString> version;
};
// Downloads one video, printing progress lines "RC|…", post-processor steps
// and "RCFILE|path" once the file is in place.
QStringList download(const Engine& engine, const Prefs& prefs, const Download& request);

} // namespace YtdlpArgs

} // namespace reelcatch
