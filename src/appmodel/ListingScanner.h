#pragma once

#include "Listing.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QSet>
#include <QString>

#include <memory>
#include <optional>

namespace reelcatch {

// Reads yt-dlp's answer to a playlist lookup ("-J --flat-playlist": one JSON
// object whose "entries" array lists the videos) in the pieces it arrives
// in, and builds the items as it goes: no JSON document of the whole answer
// is ever held, and a big channel's items are mostly built before yt-dlp
// has finished writing.
//
// It reads only what it is sure of: plain, well-formed JSON whose reading
// by QJsonDocument is beyond doubt. Anything else (an answer without an
// "entries" array, a repeated key that matters, a number with an exponent,
// a string with a control character, a lone surrogate, invalid UTF-8, deep
// nesting, a truncated answer, anything after the object ...) makes it
// unsure, and the caller then parses the whole text with QJsonDocument and
// parse(), as if the scanner did not exist. When it is sure, its
// listing equals what parse() makes of the same text.
//
// Used from one thread at a time; holds no lock.
class ListingScanner {
public:
    struct Result {
        Listing listing;
        // The ids of listing.items.
        QSet<QString> ids;
    };

    ListingScanner();
    ~ListingScanner();
    ListingScanner(const ListingScanner&) = delete;
    ListingScanner& operator=(const ListingScanner&) = delete;

    // Takes the next piece of the answer (any size, cut anywhere).
    void feed(QByteArrayView piece);
    // False once the answer holds something the scanner does not read.
    bool isSure() const;
    // Ends the answer: the listing when everything fed was one complete
    // playlist answer read with certainty, nothing otherwise.
    std::optional<Result> finish();

    // One line of yt-dlp's per-entry answer ("-j --flat-playlist"): one
    // entry's object, which of a playlist carries "playlist_title",
    // "playlist_id" and "playlist_index".
    struct Line {
        std::optional<VideoItem> item; // nothing for an entry without an id
        bool inPlaylist = false;       // a playlist field that is not null
        std::optional<QString> playlistTitle;
    };
    // Reads one line (without its line break), as QJsonDocument and
    // VideoItem::fromJson() would; nothing when unsure. A scanner reads
    // either lines or one answer, not both.
    std::optional<Line> readLine(QByteArrayView line);

    // The whole answer at once.
    static std::optional<Result> scan(QByteArrayView answer);

private:
    class Reader;
    std::unique_ptr<Reader> m_reader;
};

} // namespace reelcatch
