#pragma once

#include <QJsonObject>
#include <QMetaType>
#include <QString>
#include <QUrl>

#include <optional>


namespace reelcatch {

// One video found by a lookup: an immutable value built from one JSON object of
// yt-dlp's answer (a flat playlist entry, or a whole single-video object).
class VideoItem {
public:
    // An empty placeholder with no id, only so that containers and QVariant can
    // default-construct the type; a lookup never yields one.
    VideoItem() = default;

    // Returns an empty optional when the object does not describe a video
    // (no non-empty string under "id"). Title and channel are kept as
    // ShownText::forDisplay() makes them; the thumbnail only when it is an
    // absolute http or https address.
    static std::optional<VideoItem> fromJson(const QJsonObject& json);

    // The values of one JSON object that an item is built from, asked for
    // only when needed. fromJson() reads them from a QJsonObject; a reader
    // of the answer's text may supply them without building one.
    class Source {
    public:
        enum class Key {
            id,
            title,
            channel,
            uploader,
            ieKey,        // "ie_key"
            extractorKey, // "extractor_key"
            webpageUrl,   // "webpage_url"
            url,
            thumbnail,
            liveStatus, // "live_status"
        };
        virtual ~Source() = default;
        // The key's value when it is a non-empty JSON string.
        virtual std::optional<QString> nonEmptyString(Key key) const = 0;
        // "duration" when it is a JSON number.
        virtual std::optional<double> duration() const = 0;
        // The "url" of the last entry of "thumbnails" when that is a
        // non-empty array of objects only whose last "url" is a JSON string
        // (even an empty one).
        virtual std::optional<QString> lastListedThumbnailUrl() const = 0;
    };
    // The same rules as fromJson(), over any source.
    static std::optional<VideoItem> fromSource(const Source& source);

    const QString& id() const { return m_id; }
    const QString& title() const { return m_title; }
    const QString& channel() const { return m_channel; }
    std::optional<double> duration() const { return m_duration; }
    const QString& url() const { return m_url; }
    const std::optional<QUrl>& thumbnail() const { return m_thumbnail; }
    // A stream on air now, or one announced for later (yt-dlp's "live_status"
    // "is_live" and "is_upcoming"); a recording of a past stream is a video.
    enum class Live : quint8 { no, now, upcoming };
    Live live() const { return m_live; }

    friend bool operator==(const VideoItem& a, const VideoItem& b);
    friend bool operator!=(const VideoItem& a, const VideoItem& b) { return !(a == b); }

private:
    QString m_id;
    QString m_title;
    QString m_channel;
    std::optional<double> m_duration;
    QString m_url;
    std::optional<QUrl> m_thumbnail;
    Live m_live = Live::no;
};

size_t qHash(const VideoItem& item, size_t seed = 0) noexcept;

// Its members may be moved in memory as they are, so a growing list of a
// big lookup's items is reallocated rather than copied item by item.

} // namespace reelcatch

Q_DECLARE_TYPEINFO(reelcatch::VideoItem, Q_RELOCATABLE_TYPE);

Q_DECLARE_METATYPE(reelcatch::VideoItem)
