// yt-dlp's per-entry lookup answer ("-j --flat-playlist": one JSON object a
// line), read as the app reads it: ListingLines, each line through
// ListingScanner or, when the scanner is unsure, QJsonDocument. The oracle
// is QJsonDocument and VideoItem::fromJson() on every (trimmed) line.
//
// The input is the answer's text, optionally followed by a NUL byte and cut
// sizes: the bytes after the last NUL, each one piece length (1 to 256;
// the cuts are cycled). Without them the text is cut at a few fixed sizes
// only.
//
// Properties beyond "no crash":
// - whenever the scanner is sure of a line, QJsonDocument reads it as an
//   object, and the scanner's item, playlist flag and playlist title equal
//   the oracle's (the item's hash and the sign of a zero duration
//   included);
// - however the text is cut, ListingLines lists the oracle's items (the
//   first of each id, in order), names the playlist as its first playlist
//   line does, and counts the same objects and unreadable lines.
#include "FuzzCheck.h"
#include "appmodel/ListingLines.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace reelcatch;

using namespace Qt::StringLiterals;

namespace {

// What the oracle makes of the whole answer.
struct Expected {
    QList<VideoItem> items;
    QString title;
    qsizetype objects = 0;
    qsizetype unreadable = 0;
};

void checkItem(const VideoItem& a, const VideoItem& b, const QString& where)
{
    FUZZ_CHECK(a == b && qHash(a) == qHash(b),
               u"%1|%2|%3|%4|%5 against %6|%7|%8|%9|%10"_s
                       .arg(shown(a.id()), shown(a.title()), shown(a.channel()), shown(a.url()),
                            a.thumbnail().value_or(QUrl()).toString())
                       .arg(shown(b.id()), shown(b.title()), shown(b.channel()), shown(b.url()),
                            b.thumbnail().value_or(QUrl()).toString()) +
                   where);
    // operator== does not tell -0.0 from 0.0.
    FUZZ_CHECK(!a.duration() || std::signbit(*a.duration()) == std::signbit(*b.duration()),
               u"the sign of the duration"_s + where);
}

// Every line through QJsonDocument, and the scanner checked against it.
Expected readEachLine(QByteArrayView text)
{
    Expected expected;
    QSet<QString> ids;
    bool named = false;
    ListingScanner scanner;
    for (QByteArrayView line : QByteArray(text.toByteArray()).split('\n')) {
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        const std::optional<ListingScanner::Line> scanned = scanner.readLine(line);
        QJsonParseError error{};
        const QJsonDocument doc = QJsonDocument::fromJson(line.toByteArray(), &error);
        if (error.error != QJsonParseError::NoError || !doc.isObject()) {
            FUZZ_CHECK(!scanned, u"the scanner read a line QJsonDocument refuses"_s);
            ++expected.unreadable;
            continue;
        }
        ++expected.objects;
        const QJsonObject object = doc.object();
        const std::optional<VideoItem> item = VideoItem::fromJson(object);
        bool inPlaylist = false;
        for (const char* key : {"playlist_title", "playlist_id", "playlist_index"}) {
            const QJsonValue value = object.value(QLatin1String(key));
            inPlaylist = inPlaylist || !(value.isNull() || value.isUndefined());
        }
        const QJsonValue title = object.value(u"playlist_title"_s);
        if (scanned) {
            FUZZ_CHECK(scanned->item.has_value() == item.has_value(),
                       u"an item on one side only"_s);
            if (item)
                checkItem(*scanned->item, *item, u" (line)"_s);
            FUZZ_CHECK(scanned->inPlaylist == inPlaylist, u"the playlist flag"_s);
            FUZZ_CHECK(scanned->playlistTitle ==
                           (title.isString() ? std::optional(title.toString()) : std::nullopt),
                       u"the playlist title"_s);
        }
        if (inPlaylist && !named) {
            named = true;
            expected.title = title.isString() ? title.toString() : u"Playlist"_s;
        }
        if (item && !ids.contains(item->id())) {
            ids.insert(item->id());
            expected.items.append(*item);
        }
    }
    return expected;
}

// Feeds `text` in the given piece sizes (cycled; 0 means whole).
void readInPieces(QByteArrayView text, const QList<qsizetype>& pieces, const Expected& expected)
{
    ListingLines lines;
    QList<VideoItem> items;
    qsizetype at = 0;
    for (qsizetype i = 0; at < text.size(); ++i) {
        const qsizetype piece = pieces[i % pieces.size()] == 0
                                    ? text.size() - at
                                    : std::min(pieces[i % pieces.size()], text.size() - at);
        lines.feed(text.sliced(at, piece));
        items += lines.takeItems();
        at += piece;
    }
    lines.finish();
    items += lines.takeItems();
    const QString where = u" (cut %1)"_s.arg(pieces.first());
    FUZZ_CHECK(items.size() == expected.items.size(),
               u"%1 items against %2"_s.arg(items.size()).arg(expected.items.size()) + where);
    for (qsizetype i = 0; i < items.size(); ++i)
        checkItem(items[i], expected.items[i], u" (item %1)"_s.arg(i) + where);
    FUZZ_CHECK(lines.title() == expected.title,
               shown(lines.title()) + u" against "_s + shown(expected.title) + where);
    FUZZ_CHECK(lines.anyObject() == (expected.objects > 0), u"anyObject"_s + where);
    FUZZ_CHECK(lines.unreadable() == expected.unreadable, u"unreadable lines"_s + where);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
    qsizetype textSize = input.size();
    QList<qsizetype> chosen;
    if (const qsizetype nul = input.lastIndexOf('\0'); nul >= 0) {
        textSize = nul;
        for (const char c : input.sliced(nul + 1))
            chosen.append(qsizetype(static_cast<unsigned char>(c)) + 1);
    }
    const QByteArrayView text = input.first(textSize);

    const Expected expected = readEachLine(text);
    QList<QList<qsizetype>> cuts{{0}, {1}, {3, 1, 7}, {64}};
    if (!chosen.isEmpty())
        cuts.prepend(chosen);
    for (const QList<qsizetype>& pieces : std::as_const(cuts))
        readInPieces(text, pieces, expected);
    return 0;
}
