#include "model/VideoItem.h"

#include "model/ShownText.h"
#include "model/YouTubeHosts.h"

#include <QHashFunctions>
#include <QJsonArray>
#include <QJsonValue>

namespace reelcatch {

namespace {

// "U+2069 U+202E": an id made of nothing but bidi controls, named.
QString codePoints(const QString& text)
{
    QStringList names;
    for (const char32_t c : text.toUcs4())
        names.append(QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper());
    return ShownText::forDisplay(names.join(QLatin1Char(' ')));
}

// A thumbnail is an absolute web address. Anything QUrl accepts only
// tolerantly (spaces, broken escapes), a relative one and every other scheme
// are refused: a page's image could otherwise name a local file (or a fifo,
// whose opening never returns) or a data: blob.
std::optional<QUrl> parseThumbnailUrl(const QString& text)
{
    QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (text.isEmpty() || !url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1StringView("http") && scheme != QLatin1StringView("https")))
        return std::nullopt;
    return url;
}

QUrl siteThumbnail(const QString& id)
{
    // Every copy shares the scheme and host of one address (and so their
    // memory); only the path is each item's own.
    static const QUrl site = [] {
        QUrl url;
        url.setScheme(QStringLiteral("https"));
        url.setHost(YouTubeHosts::thumbnailHost());
        return url;
    }();
    QUrl url = site;
    url.setPath(QStringLiteral("/vi/") + id + QStringLiteral("/mqdefault.jpg"), QUrl::DecodedMode);
    return url;
}

QLatin1StringView keyName(VideoItem::Source::Key key)
{
    using Key = VideoItem::Source::Key;
    switch (key) {
    case Key::id:
        return QLatin1StringView("id");
    case Key::title:
        return QLatin1StringView("title");
    case Key::channel:
        return QLatin1StringView("channel");
    case Key::uploader:
        return QLatin1StringView("uploader");
    case Key::ieKey:
        return QLatin1StringView("ie_key");
    case Key::extractorKey:
        return QLatin1StringView("extractor_key");
    case Key::webpageUrl:
        return QLatin1StringView("webpage_url");
    case Key::url:
        return QLatin1StringView("url");
    case Key::thumbnail:
        return QLatin1StringView("thumbnail");
    case Key::liveStatus:
        return QLatin1StringView("live_status");
    }
    return {};
}

class JsonSource : public VideoItem::Source {
public:
    explicit JsonSource(const QJsonObject& json) : m_json(json) {}

    // A string key counts only when it holds a non-empty JSON string.
    std::optional<QString> nonEmptyString(Key key) const override
    {
        const QJsonValue value = m_json.value(keyName(key));
        if (!value.isString())
            return std::nullopt;
        QString text = value.toString();
        if (text.isEmpty())
            return std::nullopt;
        return text;
    }

    std::optional<double> duration() const override
    {
        const QJsonValue duration = m_json.value(QLatin1StringView("duration"));
        if (!duration.isDouble())
            return std::nullopt;
        return duration.toDouble();
    }

    std::optional<QString> lastListedThumbnailUrl() const override
    {
        const QJsonValue value = m_json.value(QLatin1StringView("thumbnails"));
        if (!value.isArray())
            return std::nullopt;
        const QJsonArray list = value.toArray();
        if (list.isEmpty())
            return std::nullopt;
        for (const auto& entry : list) {
            if (!entry.isObject())
                return std::nullopt;
        }
        const QJsonValue url = list.last().toObject().value(QLatin1StringView("url"));
        if (!url.isString())
            return std::nullopt;
        return url.toString();
    }

private:
    const QJsonObject& m_json;
};

} // namespace

std::optional<VideoItem> VideoItem::fromJson(const QJsonObject& json)
{
    return fromSource(JsonSource(json));
}

std::optional<VideoItem> VideoItem::fromSource(const Source& json)
{
    using Key = Source::Key;
    const auto id = json.nonEmptyString(Key::id);
    if (!id)
        return std::nullopt;

    VideoItem item;
    item.m_id = *id;
    // Title and channel as rows show them: no bidi controls, a sane length.
    item.m_title = ShownText::forDisplay(json.nonEmptyString(Key::title).value_or(*id));
    if (item.m_title.isEmpty()) // nothing but controls
        item.m_title = ShownText::forDisplay(*id);
    if (item.m_title.isEmpty()) // the id too: name its characters, so the row says something
        item.m_title = codePoints(*id);
    std::optional<QString> channel = json.nonEmptyString(Key::channel);
    if (!channel)
        channel = json.nonEmptyString(Key::uploader);
    item.m_channel = ShownText::forDisplay(channel.value_or(QString()));
    item.m_duration = json.duration();
    if (const auto live = json.nonEmptyString(Key::liveStatus)) {
        if (*live == QLatin1StringView("is_live"))
            item.m_live = Live::now;
        else if (*live == QLatin1StringView("is_upcoming"))
            item.m_live = Live::upcoming;
    }

    // The extractor decides both the fallback page address and whether the
    // JSON's own thumbnails are used at all.
    std::optional<QString> extractor = json.nonEmptyString(Key::ieKey);
    if (!extractor)
        extractor = json.nonEmptyString(Key::extractorKey);
    const bool siteItem =
        extractor && extractor->startsWith(QLatin1StringView("Youtube"), Qt::CaseSensitive);

    if (auto page = json.nonEmptyString(Key::webpageUrl)) {
        item.m_url = *page;
    } else if (auto url = json.nonEmptyString(Key::url);
               url && url->startsWith(QLatin1StringView("http"), Qt::CaseSensitive)) {
        item.m_url = *url;
    } else if (siteItem) {
        item.m_url = QStringLiteral("https://") + YouTubeHosts::mainHost() +
                     QStringLiteral("/watch?v=") + *id;
    } else {
        item.m_url = *id;
    }

    if (siteItem) {
        item.m_thumbnail = siteThumbnail(*id);
    } else if (auto thumbnail = json.nonEmptyString(Key::thumbnail)) {
        item.m_thumbnail = parseThumbnailUrl(*thumbnail);
    } else if (auto listed = json.lastListedThumbnailUrl()) {
        item.m_thumbnail = parseThumbnailUrl(*listed);
    }

    return item;
}

bool operator==(const VideoItem& a, const VideoItem& b)
{
    return a.m_id == b.m_id && a.m_title == b.m_title && a.m_channel == b.m_channel &&
           a.m_duration == b.m_duration && a.m_url == b.m_url && a.m_thumbnail == b.m_thumbnail &&
           a.m_live == b.m_live;
}

namespace {

template <typename T> size_t hashOptional(const std::optional<T>& value, size_t seed) noexcept
{
    QtPrivate::QHashCombine combine;
    seed = combine(seed, value.has_value());
    if (value)
        seed = combine(seed, *value);
    return seed;
}

} // namespace

size_t qHash(const VideoItem& item, size_t seed) noexcept
{
    QtPrivate::QHashCombine combine;
    seed = combine(seed, item.id());
    seed = combine(seed, item.title());
    seed = combine(seed, item.channel());
    seed = hashOptional(item.duration(), seed);
    seed = combine(seed, item.url());
    seed = hashOptional(item.thumbnail(), seed);
    seed = combine(seed, int(item.live()));
    return seed;
}

} // namespace reelcatch
