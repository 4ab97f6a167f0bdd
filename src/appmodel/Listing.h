#pragma once

#include "VideoItem.h"

#include <QJsonObject>
#include <QList>
#include <QString>

namespace reelcatch {

// What a lookup found: a heading (empty for a single video) and the items.
struct Listing {
    QString title;
    QList<VideoItem> items;
};

// What yt-dlp is asked to look up for a user's text: a web address (channel
// pages rewritten to their video list) or "ytsearch30:" and the words.
QString normalize(const QString& raw);

// The heading and the items of yt-dlp's top-level answer.
Listing parse(const QJsonObject& answer);

} // namespace reelcatch
