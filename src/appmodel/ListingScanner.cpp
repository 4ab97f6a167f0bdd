#include "ListingScanner.h"

#include "JsonCursor.h"

#include <QCoreApplication>

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
    void feed(QByteArrayView piece);
    std::optional<Result> finish();
    bool isSure() const { return m_phase != Phase::unsure; }
    std::optional<Line> readLine(QByteArrayView line);

private:
    enum class Phase {
        start,          // before the top-level object
        topFirst,       // after "{"
        topMember,      // a member of the top-level object is next
        topSeparator,   // after a top-level member
        entriesFirst,   // after "entries": [
        entry,          // an entry is next
        entrySeparator, // after an entry
        after,          // after the top-level object
        unsure,
    };

    void run(bool force);
    void giveUp();
    Json::Step step();
    Json::Step opening(char closer, Phase whenEmpty, Phase member);
    Json::Step memberKey(Json::Span& key);
    Json::Step topMember();
    Json::Step entry();
    Json::Step entryObject(Entry& entry);
    Json::Step thumbnails(Entry& entry);

    QByteArray m_buffer;
    qsizetype m_pos = 0;     // where the next step starts
    qsizetype m_waitFor = 0; // unread bytes worth another try
    Json::Cursor m_in;
    Phase m_phase = Phase::start;
    bool m_entriesSeen = false;
    bool m_titleSeen = false;
    std::optional<QString> m_title;
    Names m_names;
    Result m_result;
};

void ListingScanner::Reader::feed(QByteArrayView piece)
{
    if (m_phase == Phase::unsure || piece.isEmpty())
        return;
    if (m_phase == Phase::after && m_pos == m_buffer.size()) {
        // Only blanks may follow the object; nothing needs keeping.
        for (char c : piece) {
            if (!Json::isSpace(c)) {
                giveUp();
                return;
            }
        }
        return;
    }
    if (m_pos > 0) {
        m_buffer.remove(0, m_pos);
        m_pos = 0;
    }
    m_buffer.append(piece);
    run(false);
}

std::optional<ListingScanner::Result> ListingScanner::Reader::finish()
{
    run(true);
    if (m_phase != Phase::after || m_pos != m_buffer.size() || !m_entriesSeen)
        return std::nullopt;
    m_buffer = QByteArray();
    m_result.listing.title =
        m_title.value_or(QCoreApplication::translate("reelcatch::Listing", "Playlist"));
    return std::move(m_result);
}

void ListingScanner::Reader::giveUp()
{
    m_phase = Phase::unsure;
    m_buffer = QByteArray();
    m_pos = 0;
    m_result = {};
}

void ListingScanner::Reader::run(bool force)
{
    // A step cut short is read again from its start once the bytes waiting
    // have doubled, so that a long one is not read over and over.
    if (m_phase == Phase::unsure || (!force && m_buffer.size() - m_pos < m_waitFor))
        return;
    for (;;) {
        const char* const begin = m_buffer.constData() + m_pos;
        m_in.p = begin;
        m_in.end = m_buffer.constData() + m_buffer.size();
        if (m_in.p == m_in.end)
            return;
        switch (step()) {
        case Json::Step::ok:
            m_pos = m_in.p - m_buffer.constData();
            break;
        case Json::Step::more:
            m_waitFor = 2 * (m_in.end - begin);
            return;
        case Json::Step::unsure:
            giveUp();
            return;
        }
    }
}

Json::Step ListingScanner::Reader::step()
{
    switch (m_phase) {
    case Phase::start:
        if (!m_in.skipSpace())
            return Json::Step::more;
        if (*m_in.p != '{')
            return Json::Step::unsure;
        ++m_in.p;
        m_phase = Phase::topFirst;
        return Json::Step::ok;
    case Phase::topFirst:
        return opening('}', Phase::after, Phase::topMember);
    case Phase::topMember:
        return topMember();
    case Phase::topSeparator:
    case Phase::entrySeparator: {
        const bool top = m_phase == Phase::topSeparator;
        if (!m_in.skipSpace())
            return Json::Step::more;
        if (*m_in.p == ',') {
            m_phase = top ? Phase::topMember : Phase::entry;
        } else if (*m_in.p == (top ? '}' : ']')) {
            m_phase = top ? Phase::after : Phase::topSeparator;
        } else {
            return Json::Step::unsure;
        }
        ++m_in.p;
        return Json::Step::ok;
    }
    case Phase::entriesFirst:
        return opening(']', Phase::topSeparator, Phase::entry);
    case Phase::entry:
        return entry();
    case Phase::after:
        m_in.skipSpace();
        return m_in.p == m_in.end ? Json::Step::ok : Json::Step::unsure;
    case Phase::unsure:
        break;
    }
    return Json::Step::unsure;
}

// Just inside an object or array: its end at once, or its first member,
// which the next step reads.
Json::Step ListingScanner::Reader::opening(char closer, Phase whenEmpty, Phase member)
{
    if (!m_in.skipSpace())
        return Json::Step::more;
    if (*m_in.p == closer) {
        ++m_in.p;
        m_phase = whenEmpty;
    } else {
        m_phase = member;
    }
    return Json::Step::ok;
}

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

Json::Step ListingScanner::Reader::topMember()
{
    if (!m_in.skipSpace())
        return Json::Step::more;
    Json::Span key;
    if (Json::Step s = memberKey(key); s != Json::Step::ok)
        return s;

    if (key.bytes() == "entries") {
        // Anything but an array (a single video's answer) is for QJsonDocument.
        if (m_entriesSeen || *m_in.p != '[')
            return Json::Step::unsure;
        ++m_in.p;
        m_entriesSeen = true;
        m_phase = Phase::entriesFirst;
        return Json::Step::ok;
    }
    if (key.bytes() == "title") {
        if (m_titleSeen)
            return Json::Step::unsure;
        std::optional<QString> title;
        if (*m_in.p == '"') {
            Json::Span text;
            if (Json::Step s = m_in.string(text); s != Json::Step::ok)
                return s;
            title = Json::decode(text);
        } else if (Json::Step s = m_in.value(1); s != Json::Step::ok) {
            return s;
        }
        m_titleSeen = true;
        m_title = std::move(title);
        m_phase = Phase::topSeparator;
        return Json::Step::ok;
    }
    if (Json::Step s = m_in.value(1); s != Json::Step::ok)
        return s;
    m_phase = Phase::topSeparator;
    return Json::Step::ok;
}

Json::Step ListingScanner::Reader::entry()
{
    if (!m_in.skipSpace())
        return Json::Step::more;
    if (*m_in.p != '{') {
        // yt-dlp writes null for an entry it could not list: skipped.
        if (Json::Step s = m_in.value(2); s != Json::Step::ok)
            return s;
        m_phase = Phase::entrySeparator;
        return Json::Step::ok;
    }
    Entry fields;
    if (Json::Step s = entryObject(fields); s != Json::Step::ok)
        return s;
    m_phase = Phase::entrySeparator;

    // As parse(): entries without an id and repeated ids are skipped.
    std::optional<VideoItem> item = VideoItem::fromSource(EntrySource(fields, m_names));
    if (!item || m_result.ids.contains(item->id()))
        return Json::Step::ok;
    m_result.ids.insert(item->id());
    m_result.listing.items.append(std::move(*item));
    return Json::Step::ok;
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

void ListingScanner::feed(QByteArrayView piece)
{
    m_reader->feed(piece);
}

bool ListingScanner::isSure() const
{
    return m_reader->isSure();
}

std::optional<ListingScanner::Result> ListingScanner::finish()
{
    return m_reader->finish();
}

std::optional<ListingScanner::Line> ListingScanner::readLine(QByteArrayView line)
{
    return m_reader->readLine(line);
}

std::optional<ListingScanner::Result> ListingScanner::scan(QByteArrayView answer)
{
    ListingScanner scanner;
    scanner.feed(answer);
    return scanner.finish();
}

} // namespace reelcatch
