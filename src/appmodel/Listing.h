#pragma once

#include <QString>

namespace reelcatch {

// What yt-dlp is asked to look up for a user's text: a web address (channel
// pages rewritten to their video list) or "ytsearch30:" and the words.
QString normalize(const QString& raw);

} // namespace reelcatch
