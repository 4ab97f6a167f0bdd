#pragma once

#include "Download.h"

#include <QString>

namespace reelcatch {

// The lines a download's yt-dlp prints, as asked for by the arguments of a
// launch: progress lines "RC|status|downloaded|total|estimate|speed|eta|vcodec"
// (the progress template), "RCFILE|path" once the final file is in place (the
// print template), "ERROR: message" and post-processor lines such as
// "[Merger] started". The only place that parses them.
namespace ProgressProtocol {

// Applies one trimmed, non-empty line to the job. Lines for a cancelled job,
// malformed progress lines and everything unrecognised change nothing.
// GUI thread only.
void handle(const QString& line, Download& job);

} // namespace ProgressProtocol

} // namespace reelcatch
