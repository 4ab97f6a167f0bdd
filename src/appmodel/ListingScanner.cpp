#include "appmodel/ListingScanner.h"

#include "appmodel/JsonCursor.h"

#include <array>

namespace reelcatch {

namespace {

// The members of an entry that items are built from: VideoItem::Source's
// string keys in their order, then these two; then those that tell the
// playlist an entry of "-j" output belongs to.
constexpr int durationField = 10;
constexpr int thumbnailsField = 11;
constexpr int playlistTitleField = 12;
constexpr int playlistIdField = 13;
constexpr int playlistIndexField = 14;

int fieldOf(QByteArrayView key)
{
    const auto is = [&](const char* name) { return key == QByteArrayView(name); };
    using Key = VideoItem::Source::Key;
    switch (key.size()) {
    case 2:
        return is("id") ? int(Key::id) : -1;
    case 3:
        return is("url") ? int(Key::url) : -1;
    case 5:
        return is("title") ? int(Key::title) : -1;
    case 6:
        return is("ie_key") ? int(Key::ieKey) : -1;
    case 7:
        return is("channel") ? int(Key::channel) : -1;
    case 8:
        return is("uploader") ? int(Key::uploader) : is("duration") ? durationField : -1;
    case 9:
        return is("thumbnail") ? int(Key::thumbnail) : -1;
    case 10:
        return is("thumbnails") ? thumbnailsField : -1;
    case 11:
        return is("webpage_url")   ? int(Key::webpageUrl)
               : is("playlist_id") ? playlistIdField
               : is("live_status") ? int(Key::liveStatus)
                                   : -1;
    case 13:
        return is("extractor_key") ? int(Key::extractorKey) : -1;
    case 14:
        return is("playlist_title")   ? playlistTitleField
               : is("playlist_index") ? playlistIndexField
                                      : -1;
    default:
        return -1;
    }
}

// What one entry object held of the fields above.
struct Entry {
    std::array<Json::Span, durationField> strings;
    quint32 stringFields = 0; // the string keys whose value is a JSON string
    quint32 seen = 0;         // every field met, so that a repeated one is noticed
    std::optional<double> duration;
    // "thumbnails" is a non-empty array of objects only, the last with a string "url".
    bool thumbnailListed = false;
    Json::Span lastThumbnailUrl;
    // A playlist field that is not null was met; its title, when a string.
    bool inPlaylist = false;
    std::optional<Json::Span> playlistTitle;
};

// Channel, uploader and extractor names repeat from entry to entry: equal
// names share one string.
class Names {
public:
    QString get(int field, const Json::Span& span)
    {
        Slot& slot = m_slots[field];
        if (!slot.text.isNull() && slot.raw == span.bytes())
            return slot.text;
        slot.raw = span.bytes().toByteArray();
        slot.text = Json::decode(span);
        return slot.text;
    }

private:
    struct Slot {
        QByteArray raw;
        QString text;
    };
    std::array<Slot, durationField> m_slots;
};

class EntrySource : public VideoItem::Source {
public:
    EntrySource(const Entry& entry, Names& names) : m_entry(entry), m_names(names) {}

    std::optional<QString> nonEmptyString(Key key) const override
    {
        const int field = int(key);
        const Json::Span& span = m_entry.strings[field];
        if (!(m_entry.stringFields & (1u << field)) || span.size == 0)
            return std::nullopt;
        switch (key) {
        case Key::channel:
        case Key::uploader:
        case Key::ieKey:
        case Key::extractorKey:
        case Key::liveStatus:
            return m_names.get(field, span);
        default:
            return Json::decode(span);
        }
    }
    std::optional<double> duration() const override { return m_entry.duration; }
    std::optional<QString> lastListedThumbnailUrl() const override
    {
        if (!m_entry.thumbnailListed)
            return std::nullopt;
        return Json::decode(m_entry.lastThumbnailUrl);
    }

private:
    const Entry& m_entry;
    Names& m_names;
};

} // namespace

class ListingScanner::Reader {
public:
    std::optional<Line> readLine(QByteArrayView line);

private:
    Json::Step memberKey(Json::Span& key);
    Json::Step entryObject(Entry& entry);
    Json::Step thumbnails(Entry& entry);

    Json::Cursor m_in;
    Names m_names;
};

// A member's key and the colon after it. An escaped key might spell a name
// that matters, so it is left to QJsonDocument.
Json::Step ListingScanner::Reader::memberKey(Json::Span& key)
{
    if (*m_in.p != '"')
        return Json::Step::unsure;
    if (Json::Step s = m_in.string(key); s != Json::Step::ok)
        return s;
    if (key.escaped)
        return Json::Step::unsure;
    return m_in.colon();
}

Json::Step ListingScanner::Reader::entryObject(Entry& entry)
{
    ++m_in.p; // '{'
    if (!m_in.skipSpace())
        return Json::Step::more;
    if (*m_in.p == '}') {
        ++m_in.p;
        return Json::Step::ok;
    }
    for (;;) {
        Json::Span key;
        if (Json::Step s = memberKey(key); s != Json::Step::ok)
            return s;

        const int field = fieldOf(key.bytes());
        if (field >= 0) {
            // Which of two equal keys counts is QJsonDocument's business.
            if (entry.seen & (1u << field))
                return Json::Step::unsure;
            entry.seen |= 1u << field;
        }
        Json::Step s = Json::Step::ok;
        if (field >= 0 && field < durationField && *m_in.p == '"') {
            s = m_in.string(entry.strings[field]);
            entry.stringFields |= 1u << field;
        } else if (field == durationField && (*m_in.p == '-' || Json::isDigit(*m_in.p))) {
            s = m_in.number(&entry.duration);
        } else if (field == thumbnailsField && *m_in.p == '[') {
            s = thumbnails(entry);
        } else if (field >= playlistTitleField) {
            entry.inPlaylist = entry.inPlaylist || *m_in.p != 'n';
            if (field == playlistTitleField && *m_in.p == '"') {
                entry.playlistTitle.emplace();
                s = m_in.string(*entry.playlistTitle);
            } else {
                s = m_in.value(3);
            }
        } else {
            s = m_in.value(3);
        }
        if (s != Json::Step::ok)
            return s;

        if (!m_in.skipSpace())
            return Json::Step::more;
        if (*m_in.p == '}') {
            ++m_in.p;
            return Json::Step::ok;
        }
        if (*m_in.p != ',')
            return Json::Step::unsure;
        ++m_in.p;
        if (!m_in.skipSpace())
            return Json::Step::more;
    }
}

Json::Step ListingScanner::Reader::thumbnails(Entry& entry)
{
    ++m_in.p; // '['
    if (!m_in.skipSpace())
        return Json::Step::more;
    if (*m_in.p == ']') {
        ++m_in.p;
        return Json::Step::ok;
    }
    bool allObjects = true;
    bool lastHasUrl = false;
    Json::Span lastUrl;
    for (;;) {
        if (*m_in.p == '{') {
            // A thumbnail object: only its "url" matters.
            bool urlSeen = false;
            bool urlIsString = false;
            Json::Span url;
            ++m_in.p;
            if (!m_in.skipSpace())
                return Json::Step::more;
            while (*m_in.p != '}') {
                Json::Span key;
                if (Json::Step s = memberKey(key); s != Json::Step::ok)
                    return s;
                Json::Step s = Json::Step::ok;
                if (key.bytes() == "url") {
                    if (urlSeen)
                        return Json::Step::unsure;
                    urlSeen = true;
                    urlIsString = *m_in.p == '"';
                    s = urlIsString ? m_in.string(url) : m_in.value(5);
                } else {
                    s = m_in.value(5);
                }
                if (s != Json::Step::ok)
                    return s;
                if (!m_in.skipSpace())
                    return Json::Step::more;
                if (*m_in.p == ',') {
                    ++m_in.p;
                    if (!m_in.skipSpace())
                        return Json::Step::more;
                    if (*m_in.p == '}')
                        return Json::Step::unsure;
                } else if (*m_in.p != '}') {
                    return Json::Step::unsure;
                }
            }
            ++m_in.p; // '}'
            lastHasUrl = urlIsString;
            lastUrl = url;
        } else {
            if (Json::Step s = m_in.value(4); s != Json::Step::ok)
                return s;
            allObjects = false;
            lastHasUrl = false;
        }
        if (!m_in.skipSpace())
            return Json::Step::more;
        if (*m_in.p == ']') {
            ++m_in.p;
            break;
        }
        if (*m_in.p != ',')
            return Json::Step::unsure;
        ++m_in.p;
        if (!m_in.skipSpace())
            return Json::Step::more;
    }
    entry.thumbnailListed = allObjects && lastHasUrl;
    entry.lastThumbnailUrl = lastUrl;
    return Json::Step::ok;
}

std::optional<ListingScanner::Line> ListingScanner::Reader::readLine(QByteArrayView line)
{
    m_in.p = line.data();
    m_in.end = line.data() + line.size();
    if (!m_in.skipSpace() || *m_in.p != '{')
        return std::nullopt;
    Entry fields;
    if (entryObject(fields) != Json::Step::ok)
        return std::nullopt;
    m_in.skipSpace();
    if (m_in.p != m_in.end)
        return std::nullopt;
    Line read;
    read.item = VideoItem::fromSource(EntrySource(fields, m_names));
    read.inPlaylist = fields.inPlaylist;
    if (fields.playlistTitle)
        read.playlistTitle = Json::decode(*fields.playlistTitle);
    return read;
}

ListingScanner::ListingScanner() : m_reader(std::make_unique<Reader>()) {}

ListingScanner::~ListingScanner() = default;

std::optional<ListingScanner::Line> ListingScanner::readLine(QByteArrayView line)
{
    return m_reader->readLine(line);
}

} // namespace reelcatch
