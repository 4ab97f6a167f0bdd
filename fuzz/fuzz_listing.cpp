// yt-dlp's lookup answer, read both ways: QJsonDocument with
// parse(), and the single-pass ListingScanner.
//
// The input is the answer's text, optionally followed by a NUL byte and cut
// sizes: the bytes after the last NUL, each one piece length (1 to 256;
// the last piece takes the rest). Without them the text is cut at a few
// fixed sizes only.
//
// Properties beyond "no crash":
// - parse() lists items with non-empty, distinct ids, each item
//   the first one built from an entry with that id, in the entries' order;
//   a playlist's title is its "title" string or "Playlist", a single
//   video's is empty;
// - the scanner is sure of the text either however it is cut or not at
//   all, and once unsure it stays unsure;
// - whenever the scanner is sure, QJsonDocument reads the text as an
//   object and the scanner's listing equals parse()'s, item for
//   item (the sign of a zero duration and the hash included), with the ids
//   of its items.
#include "Listing.h"
#include "FuzzCheck.h"
#include "ListingScanner.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace reelcatch;

using namespace Qt::StringLiterals;

namespace {

void checkParse(const QJsonObject& answer, const Listing& listing)
{
    const QJsonValue entries = answer.value(u"entries"_s);
    if (!entries.isArray()) {
        FUZZ_CHECK(listing.title.isEmpty());
        const std::optional<VideoItem> single = VideoItem::fromJson(answer);
        FUZZ_CHECK(listing.items.size() == (single ? 1 : 0));
        if (single)
            FUZZ_CHECK(listing.items.first() == *single);
        return;
    }
    const QJsonValue title = answer.value(u"title"_s);
    FUZZ_CHECK(listing.title == (title.isString() ? title.toString() : u"Playlist"_s));

    // Walk the entries again: every item built, first of its id, in order.
    QSet<QString> seen;
    qsizetype next = 0;
    for (const QJsonValue& entry : entries.toArray()) {
        if (!entry.isObject())
            continue;
        const std::optional<VideoItem> item = VideoItem::fromJson(entry.toObject());
        if (!item || seen.contains(item->id()))
            continue;
        seen.insert(item->id());
        FUZZ_CHECK(next < listing.items.size() && listing.items[next] == *item);
        ++next;
    }
    FUZZ_CHECK(next == listing.items.size());
}

void checkAgreement(const ListingScanner::Result& scanned, const Listing& expected,
                    qsizetype cut)
{
    const QString where = u" (cut %1)"_s.arg(cut);
    FUZZ_CHECK(scanned.listing.title == expected.title,
               shown(scanned.listing.title) + u" against "_s + shown(expected.title) + where);
    const QList<VideoItem>& items = scanned.listing.items;
    FUZZ_CHECK(items.size() == expected.items.size(),
               u"%1 items against %2"_s.arg(items.size()).arg(expected.items.size()) + where);
    QSet<QString> ids;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const VideoItem& a = items[i];
        const VideoItem& b = expected.items[i];
        FUZZ_CHECK(a == b && qHash(a) == qHash(b),
                   u"item %1: %2|%3|%4|%5|%6 against %7|%8|%9|%10|%11"_s.arg(i)
                           .arg(shown(a.id()), shown(a.title()), shown(a.channel()), shown(a.url()),
                                a.thumbnail().value_or(QUrl()).toString())
                           .arg(shown(b.id()), shown(b.title()), shown(b.channel()), shown(b.url()),
                                b.thumbnail().value_or(QUrl()).toString()) +
                       where);
        // operator== does not tell -0.0 from 0.0.
        FUZZ_CHECK(!a.duration() || std::signbit(*a.duration()) == std::signbit(*b.duration()),
                   u"item %1: the sign of the duration"_s.arg(i) + where);
        ids.insert(a.id());
    }
    FUZZ_CHECK(scanned.ids == ids, where);
}

// Feeds `text` in the given piece sizes (cycled; 0 means whole), checking
// that the scanner stays unsure once it is.
std::optional<ListingScanner::Result> scanInPieces(QByteArrayView text,
                                                   const QList<qsizetype>& pieces)
{
    ListingScanner scanner;
    bool wasUnsure = false;
    qsizetype at = 0;
    for (qsizetype i = 0; at < text.size(); ++i) {
        const qsizetype piece = pieces.isEmpty() || pieces[i % pieces.size()] == 0
                                    ? text.size() - at
                                    : std::min(pieces[i % pieces.size()], text.size() - at);
        scanner.feed(text.sliced(at, piece));
        at += piece;
        FUZZ_CHECK(!(wasUnsure && scanner.isSure()), u"sure again after being unsure"_s);
        wasUnsure = !scanner.isSure();
    }
    std::optional<ListingScanner::Result> result = scanner.finish();
    FUZZ_CHECK(!(wasUnsure && result), u"a listing after being unsure"_s);
    return result;
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
    const QByteArray text(input.data(), textSize);

    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(text, &error);
    std::optional<Listing> expected;
    if (error.error == QJsonParseError::NoError && doc.isObject()) {
        expected = parse(doc.object());
        checkParse(doc.object(), *expected);
        QSet<QString> ids;
        for (const VideoItem& item : std::as_const(expected->items)) {
            FUZZ_CHECK(!item.id().isEmpty() && !ids.contains(item.id()));
            ids.insert(item.id());
        }
    }

    const std::optional<ListingScanner::Result> whole = ListingScanner::scan(text);
    if (whole) {
        FUZZ_CHECK(expected.has_value(), u"the scanner read an answer QJsonDocument refuses"_s);
        checkAgreement(*whole, *expected, 0);
    }
    QList<QList<qsizetype>> cuts{{1}, {3, 1, 7}, {64}};
    if (!chosen.isEmpty())
        cuts.prepend(chosen);
    for (const QList<qsizetype>& pieces : std::as_const(cuts)) {
        const std::optional<ListingScanner::Result> scanned = scanInPieces(text, pieces);
        FUZZ_CHECK(scanned.has_value() == whole.has_value(),
                   u"sure whole and not in pieces, or the other way round (first piece %1)"_s.arg(
                       pieces.first()));
        if (scanned)
            checkAgreement(*scanned, *expected, pieces.first());
    }
    return 0;
}
