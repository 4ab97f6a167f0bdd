#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace reelcatch {

// Where a video was listed when it came from a playlist or a channel: the
// list's title and the video's place in it, from 1.
struct PlaylistPlace {
    QString title;
    int index = 0;

    friend bool operator==(const PlaylistPlace&, const PlaylistPlace&) = default;
};

// How downloaded files are named: a choice of yt-dlp output templates (the
// file's name in the download folder, without the extension), the user's
// own template checked before it is used, what a name would look like for a
// listed video, and the numbered folder of each playlist.
namespace FileNaming {

enum class Style { titleId, title, channelTitle, dateTitle, custom };
// In the order a picker shows them.
inline constexpr Style styles[] = {Style::titleId, Style::title, Style::channelTitle,
                                   Style::dateTitle, Style::custom};

// The style's name in the settings file, and back (an unknown or empty
// name reads as titleId, the name files have always had).
QString storedName(Style style);
Style styleNamed(const QString& name);
// What the style is called in a picker.
QString label(Style style);

// The template of a style; for `custom`, the given one with a trailing
// ".%(ext)s" left out (the extension is always added).
QString pattern(Style style, const QString& custom);

// Why a template of the user's cannot be used, as a sentence; nothing when
// it can: it stays inside the download folder, is complete, and names only
// fields yt-dlp knows.
std::optional<QString> problem(const QString& pattern);

// Whether yt-dlp has a field of that name for a video.
bool isKnownField(const QString& name);

// Whether a lookup of `target` whose answer named a playlist (`playlistTitle`
// non-empty) lists a playlist or channel: a search is neither.
bool listsPlaylist(const QString& target, const QString& playlistTitle);

// The template yt-dlp gets for a download, without the extension: in the
// playlist's own numbered folder when `playlistFolders` asks for it and the
// video was listed in one, and with the playlist's fields (yt-dlp fetches the
// one video and knows none of them) written in.
QString outputName(const QString& pattern, bool playlistFolders,
                   const std::optional<PlaylistPlace>& place);

// What a listed video's file would be called, as far as the listing tells:
// fields yt-dlp only learns while downloading are shown by name ("{height}").
struct Sample {
    QString title;
    QString id;
    QString channel;
    std::optional<double> duration;
    QString url;
    std::optional<PlaylistPlace> place;
};
QString preview(const QString& pattern, bool playlistFolders, const Sample& video,
                const QString& extension = QStringLiteral("mp4"));

} // namespace FileNaming

} // namespace reelcatch
