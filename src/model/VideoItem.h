#pragma once

#include <QJsonObject>
#include <QMetaType>
#include <QString>
#include <QUrl>

#include <optional>

// One video found by a lookup: an immutable value built from one JSON object of
// yt-dlp's answer (a flat playlist entry, or a whole single-video object).
class VideoItem {
public:
    // An empty placeholder with no id, only so that containers and QVariant can
    // default-construct the type; a lookup never yields one.
    VideoItem() = default;

    // Returns an empty optional when the object does not describe a video
    // (no non-empty string under "id").
    static std::optional<VideoItem> fromJson(const QJsonObject& json);

    const QString& id() const { return m_id; }
    const QString& title() const { return m_title; }
    const QString& channel() const { return m_channel; }
    std::optional<double> duration() const { return m_duration; }
    const QString& url() const { return m_url; }
    const std::optional<QUrl>& thumbnail() const { return m_thumbnail; }

    friend bool operator==(const VideoItem& a, const VideoItem& b);
    friend bool operator!=(const VideoItem& a, const VideoItem& b) { return !(a == b); }

private:
    QString m_id;
    QString m_title;
    QString m_channel;
    std::optional<double> m_duration;
    QString m_url;
    std::optional<QUrl> m_thumbnail;
};

size_t qHash(const VideoItem& item, size_t seed = 0) noexcept;

Q_DECLARE_METATYPE(VideoItem)
