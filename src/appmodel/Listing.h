#pragma once

#include <QString>
#include <QStringList>

namespace reelcatch {

// What yt-dlp is asked to look up for a user's text: a web address (channel
// pages rewritten to their video list) or "ytsearch30:" and the words.
QString normalize(const QString& raw);
// The links in a text, one a line or separated by spaces, in order, each
// once; words that are no link are passed over.
QStringList linksIn(const QString& text);

} // namespace reelcatch
