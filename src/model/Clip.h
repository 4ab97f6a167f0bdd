#pragma once

#include <QString>

#include <optional>

namespace reelcatch {

// A stretch of a video fetched in place of the whole: from `start` to `end`,
// in seconds from the video's beginning.
struct ClipRange {
    double start = 0;
    double end = 0;

    double length() const { return end - start; }
    // "1:00–2:00" (the times as Clip::time() writes them), or with another
    // separator than ":" between a time's parts, as a file name needs.
    QString label(QChar separator = u':') const;

    friend bool operator==(const ClipRange&, const ClipRange&) = default;
};

namespace Clip {

// Whole seconds as "m:ss" under an hour and "h:mm:ss" from an hour on, the
// parts joined by `separator`.
QString time(double seconds, QChar separator = u':');

// A time as a person types it: "1:02:03", "2:03", "123" (seconds), with
// optional fractions of a second, or as a link's "t=" writes it ("1h2m3s",
// "2m3s", "90s"). Surrounding spaces are ignored; nothing for anything else.
std::optional<double> parseTime(const QString& text);

// The time a video link starts at: its "t=" (or "start=") in the query or
// after "#"; nothing for a text that is no link or a link without a time.
std::optional<double> linkTime(const QString& text);

} // namespace Clip

} // namespace reelcatch
