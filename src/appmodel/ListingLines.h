#pragma once

#include "appmodel/ListingScanner.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QSet>
#include <QString>

#include <optional>

namespace reelcatch {

// Reads yt-dlp's per-entry answer ("-j --flat-playlist --lazy-playlist": one
// JSON object a line, as each entry is read) in the pieces it arrives in,
// and hands out the new items as they come: in yt-dlp's order, without
// entries that have no id, each id once (the first kept). Every line goes
// through ListingScanner, or through QJsonDocument when the scanner is
// unsure of it.
//
// Used from one thread at a time; holds no lock.
class ListingLines {
public:
    // Takes the next piece of the answer (any size, cut anywhere).
    void feed(QByteArrayView piece);
    // The answer has ended: a last line without its line break is read.
    void finish();

    // The items read since the last call.
    QList<VideoItem> takeItems() { return std::exchange(m_items, {}); }
    // The heading so far: empty for a single video (or before any line),
    // the playlist's title, or "Playlist" for one without.
    QString title() const;
    // Whether any line was a JSON object at all.
    bool anyObject() const { return m_objects > 0; }
    // Lines that were no JSON object ("null" for a failed lookup, or worse).
    qsizetype unreadable() const { return m_unreadable; }

private:
    void line(QByteArrayView text);

    ListingScanner m_scanner;
    QByteArray m_partial; // the start of a line whose break has not come yet
    QList<VideoItem> m_items;
    QSet<QString> m_ids;
    bool m_inPlaylist = false;
    std::optional<QString> m_playlistTitle;
    qsizetype m_objects = 0;
    qsizetype m_unreadable = 0;
};

} // namespace reelcatch
