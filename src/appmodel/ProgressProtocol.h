#pragma once

#include "model/Download.h"

#include <QString>

#include <optional>

namespace reelcatch {

// The lines a download's yt-dlp prints, as asked for by the arguments of a
// launch: progress lines "RC|status|downloaded|total|estimate|speed|eta|vcodec"
// (the progress template), "RCFILE|path" once the final file is in place (the
// print template), "ERROR: message" and post-processor lines such as
// "[Merger] started". The only place that parses them.
namespace ProgressProtocol {

// Applies one trimmed, non-empty line to the job of a yt-dlp that was given
// `folder` to work in. Lines for a cancelled job, malformed progress lines and
// everything unrecognised change nothing. A file is taken (relative to
// `folder`) only when it lies inside `folder`, as written or on the disk
// (when `folder` is reached through a link). An "ERROR:" line changes
// nothing either: its message is returned, for the caller to keep should the
// run fail. GUI thread only.
std::optional<QString> handle(const QString& line, Download& job, const QString& folder);

} // namespace ProgressProtocol

} // namespace reelcatch
