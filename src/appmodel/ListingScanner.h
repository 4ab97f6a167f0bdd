#pragma once

#include "model/VideoItem.h"

#include <QByteArrayView>
#include <QString>

#include <memory>
#include <optional>

namespace reelcatch {

// Reads one line of yt-dlp's per-entry answer ("-j --flat-playlist": one
// entry's object a line) in a single pass, without building a JSON document.
//
// It reads only what it is sure of: plain, well-formed JSON whose reading
// by QJsonDocument is beyond doubt. Anything else (a repeated key that
// matters, a number with an exponent, a string with a control character, a
// lone surrogate, invalid UTF-8, deep nesting, anything after the object
// ...) makes it unsure, and the caller then reads the line with
// QJsonDocument and VideoItem::fromJson(). When it is sure, it reads what
// those would.
//
// Used from one thread at a time; holds no lock.
class ListingScanner {
public:
    ListingScanner();
    ~ListingScanner();
    ListingScanner(const ListingScanner&) = delete;
    ListingScanner& operator=(const ListingScanner&) = delete;

    // One line of yt-dlp's per-entry answer ("-j --flat-playlist"): one
    // entry's object, which of a playlist carries "playlist_title",
    // "playlist_id" and "playlist_index".
    struct Line {
        std::optional<VideoItem> item; // nothing for an entry without an id
        bool inPlaylist = false;       // a playlist field that is not null
        std::optional<QString> playlistTitle;
    };
    // Reads one line (without its line break), as QJsonDocument and
    // VideoItem::fromJson() would; nothing when unsure.
    std::optional<Line> readLine(QByteArrayView line);

private:
    class Reader;
    std::unique_ptr<Reader> m_reader;
};

} // namespace reelcatch
