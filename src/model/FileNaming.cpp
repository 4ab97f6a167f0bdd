#include "model/FileNaming.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QVariant>

#include <algorithm>

namespace reelcatch::FileNaming {

namespace {

// The texts' translations, in their own context.
class Texts {
    Q_DECLARE_TR_FUNCTIONS(reelcatch::FileNaming)
};

// The title and id are cut (in bytes, on a character's edge) so that a name,
// a preset's label and yt-dlp's longest suffixes (".f137.mp4.part-Frag12")
// stay within the 255 bytes a file name may have.
const QString titleId = QStringLiteral("%(title).180B [%(id).32B]");

// The fields yt-dlp fills for a video, by the names its output templates use.
const QSet<QString>& knownFields()
{
    static const QSet<QString> fields = [] {
        QSet<QString> set;
        const char* const names =
            "id title fulltitle ext alt_title description display_id uploader uploader_id "
            "uploader_url license creators creator timestamp upload_date release_timestamp "
            "release_date release_year modified_timestamp modified_date channel channel_id "
            "channel_url channel_follower_count channel_is_verified location duration "
            "duration_string view_count concurrent_view_count like_count dislike_count "
            "repost_count average_rating comment_count age_limit live_status is_live was_live "
            "playable_in_embed availability media_type start_time end_time extractor "
            "extractor_key epoch autonumber video_autonumber n_entries playlist_id "
            "playlist_title playlist playlist_count playlist_index playlist_autonumber "
            "playlist_uploader playlist_uploader_id playlist_channel playlist_channel_id "
            "webpage_url webpage_url_basename webpage_url_domain original_url categories tags "
            "cast chapter chapter_number chapter_id series series_id season season_number "
            "season_id episode episode_number episode_id track track_number track_id artists "
            "artist genres genre composers composer album album_type album_artists "
            "album_artist disc_number section_title section_number section_start section_end "
            "format format_id format_note width height aspect_ratio resolution dynamic_range "
            "tbr abr acodec asr audio_channels vbr fps vcodec container filesize "
            "filesize_approx protocol language thumbnail";
        for (const QString& name : QString::fromLatin1(names).split(u' '))
            set.insert(name);
        return set;
    }();
    return fields;
}

bool isPlaylistField(const QString& name)
{
    return name == u"playlist_title" || name == u"playlist" || name == u"playlist_index";
}

// One part of a template: text as it is, or a field as "%(expr)spec".
struct Piece {
    bool field = false;
    QString text; // the text, or the field's expression
    QString spec; // the field's formatting ("s", "03d", ".180B")
};

// The template's parts, or why it cannot be read.
struct Parsed {
    QList<Piece> pieces;
    std::optional<QString> problem;
};

Parsed parse(const QString& pattern)
{
    static const QRegularExpression specRe(
        QStringLiteral("^[#0\\-+ ]*\\d*(\\.\\d+)?[hlL]?[diouxXeEfFgGcrsaBSjlqDUh]"));
    Parsed parsed;
    QString text;
    for (qsizetype at = 0; at < pattern.size(); ++at) {
        const QChar c = pattern.at(at);
        if (c != u'%' || at + 1 == pattern.size() || pattern.at(at + 1) != u'(') {
            // "%%" is a percent sign.
            if (c == u'%' && at + 1 < pattern.size() && pattern.at(at + 1) == u'%')
                ++at;
            text += c;
            continue;
        }
        const qsizetype close = pattern.indexOf(u')', at + 2);
        if (close < 0) {
            parsed.problem = Texts::tr("\u201c%1\u201d is missing its closing parenthesis.")
                                 .arg(pattern.mid(at, 24));
            return parsed;
        }
        const QString expr = pattern.mid(at + 2, close - at - 2);
        const QRegularExpressionMatch spec = specRe.match(pattern.mid(close + 1));
        if (!spec.hasMatch()) {
            parsed.problem =
                Texts::tr("\u201c%(%1)\u201d needs a letter after it: s for text, d for "
                          "a number.")
                    .arg(expr);
            return parsed;
        }
        if (!text.isEmpty())
            parsed.pieces.append({false, std::exchange(text, {}), {}});
        parsed.pieces.append({true, expr, spec.captured()});
        at = close + spec.capturedLength();
    }
    if (!text.isEmpty())
        parsed.pieces.append({false, text, {}});
    return parsed;
}

// A field's expression taken apart: "name[.keys][+n][>format],other&with|else".
struct Expression {
    QStringList names; // the leading field name of each alternative
    std::optional<QString> replacement;
    std::optional<QString> fallback;
};

Expression split(QString expr)
{
    Expression parts;
    if (const qsizetype bar = expr.indexOf(u'|'); bar >= 0) {
        parts.fallback = expr.mid(bar + 1);
        expr.truncate(bar);
    }
    if (const qsizetype amp = expr.indexOf(u'&'); amp >= 0) {
        parts.replacement = expr.mid(amp + 1);
        expr.truncate(amp);
    }
    // A date format may hold commas: only what comes before it is split.
    const qsizetype date = expr.indexOf(u'>');
    const QString head = date >= 0 ? expr.left(date) : expr;
    static const QRegularExpression nameRe(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*"));
    for (const QString& alternative : head.split(u','))
        parts.names.append(nameRe.match(alternative.trimmed()).captured());
    return parts;
}

// A value as yt-dlp writes it with that formatting: numbers padded ("03d"),
// text cut to a number of characters (".20s") or UTF-8 bytes (".180B").
QString formatted(const QVariant& value, const QString& spec)
{
    static const QRegularExpression specRe(
        QStringLiteral("^([#0\\-+ ]*)(\\d*)(?:\\.(\\d+))?[hlL]?(.)$"));
    const QRegularExpressionMatch m = specRe.match(spec);
    const QChar type = m.captured(4).isEmpty() ? u's' : m.captured(4).at(0);
    const int width = m.captured(2).toInt();
    if (type == u'd' || type == u'i') {
        const QString digits = QString::number(value.toLongLong());
        return m.captured(1).contains(u'0') ? digits.rightJustified(width, u'0')
                                            : digits.rightJustified(width, u' ');
    }
    QString text = value.toString();
    if (!m.captured(3).isEmpty()) {
        const int limit = m.captured(3).toInt();
        if (type == u'B') {
            while (text.toUtf8().size() > limit)
                text.chop(text.size() >= 2 && text.back().isLowSurrogate() ? 2 : 1);
        } else {
            text = text.left(limit);
        }
    }
    return text;
}

// The field's value from what is known: the first alternative known and not
// empty, put into its replacement; else its fallback ("NA" without one).
// Nothing when a field that comes first is only learnt at download time; its
// replacement then, when it has one (the text that goes with it).
std::optional<QString> evaluate(const Piece& piece, const QHash<QString, QVariant>& known)
{
    const Expression parts = split(piece.text);
    for (const QString& name : parts.names) {
        const auto found = known.constFind(name);
        if (found == known.cend())
            return parts.replacement.has_value() &&
                           !parts.replacement->contains(QLatin1String("{}"))
                       ? parts.replacement
                       : std::nullopt;
        if (found->toString().isEmpty())
            continue;
        QString value = formatted(*found, piece.spec);
        if (parts.replacement)
            value = QString(*parts.replacement).replace(QStringLiteral("{}"), value);
        return value;
    }
    return parts.fallback.value_or(QStringLiteral("NA"));
}

// A value as yt-dlp writes it into a name: no folder of its own.
QString inName(QString text)
{
    text.replace(u'/', QChar(0x29F8)); // "⧸", as yt-dlp writes a slash in a name
    return text.remove(QRegularExpression(QStringLiteral("[\\x00-\\x1f]")));
}

QString escaped(QString text)
{
    return text.replace(u'%', QStringLiteral("%%"));
}

QHash<QString, QVariant> placeFields(const std::optional<PlaylistPlace>& place)
{
    QHash<QString, QVariant> known;
    if (place) {
        known.insert(QStringLiteral("playlist_title"), place->title);
        known.insert(QStringLiteral("playlist"), place->title);
        known.insert(QStringLiteral("playlist_index"), place->index);
    }
    return known;
}

// The playlist's folder and the video's number in it ("My list/007 – "), as
// the name begins when playlists get folders of their own; else nothing.
QString folderPrefix(bool playlistFolders, const std::optional<PlaylistPlace>& place)
{
    if (!playlistFolders || !place)
        return {};
    // Not a hidden folder, nor none.
    QString folder = inName(place->title).trimmed().left(100);
    while (folder.startsWith(u'.'))
        folder.remove(0, 1);
    if (folder.isEmpty())
        folder = Texts::tr("Playlist");
    return folder + u'/' + QString::number(place->index).rightJustified(3, u'0') +
           QStringLiteral(" \u2013 ");
}

} // namespace

QString storedName(Style style)
{
    switch (style) {
    case Style::titleId:
        return QStringLiteral("titleId");
    case Style::title:
        return QStringLiteral("title");
    case Style::channelTitle:
        return QStringLiteral("channelTitle");
    case Style::dateTitle:
        return QStringLiteral("dateTitle");
    case Style::custom:
        return QStringLiteral("custom");
    }
    return {};
}

Style styleNamed(const QString& name)
{
    for (const Style style : styles)
        if (storedName(style) == name)
            return style;
    return Style::titleId;
}

QString label(Style style)
{
    switch (style) {
    case Style::titleId:
        return Texts::tr("Title [id]");
    case Style::title:
        return Texts::tr("Title");
    case Style::channelTitle:
        return Texts::tr("Channel \u2013 Title");
    case Style::dateTitle:
        return Texts::tr("Upload date \u2013 Title");
    case Style::custom:
        return Texts::tr("Custom\u2026");
    }
    return {};
}

QString pattern(Style style, const QString& custom)
{
    switch (style) {
    case Style::titleId:
        break;
    case Style::title:
        return QStringLiteral("%(title).200B");
    // Without a channel or a date, the title alone.
    case Style::channelTitle:
        return QStringLiteral(
            "%(channel,uploader|).40B%(channel,uploader& \u2013 |)s%(title).170B");
    case Style::dateTitle:
        return QStringLiteral("%(upload_date>%Y-%m-%d|)s%(upload_date& \u2013 |)s%(title).190B");
    case Style::custom: {
        QString own = custom.trimmed();
        if (own.endsWith(QLatin1String(".%(ext)s")))
            own.chop(8);
        return own;
    }
    }
    return titleId;
}

std::optional<QString> problem(const QString& pattern)
{
    if (pattern.trimmed().isEmpty())
        return Texts::tr("Type a name for the files.");
    if (pattern.contains(QRegularExpression(QStringLiteral("[\\x00-\\x1f\\x7f]"))))
        return Texts::tr("A name cannot hold line breaks or tabs.");
    if (pattern.startsWith(u'/') || pattern.startsWith(u'~'))
        return Texts::tr(
            "Files stay in the download folder: a name cannot begin with \u201c/\u201d or "
            "\u201c~\u201d.");
    const QStringList parts = pattern.split(u'/');
    for (const QString& part : parts)
        if (part.trimmed() == u"..")
            return Texts::tr("Files stay in the download folder: a name cannot step out of it with "
                             "\u201c..\u201d.");
    if (parts.last().trimmed().isEmpty())
        return Texts::tr("The name ends with a folder: add the file's own name after the last "
                         "\u201c/\u201d.");
    const Parsed parsed = parse(pattern);
    if (parsed.problem)
        return parsed.problem;
    bool anyField = false;
    for (const Piece& piece : parsed.pieces) {
        if (!piece.field)
            continue;
        anyField = true;
        for (const QString& name : split(piece.text).names) {
            if (name.isEmpty())
                return Texts::tr("\u201c%(%1)\u201d names no field.").arg(piece.text);
            if (!isKnownField(name))
                return Texts::tr("yt-dlp knows no field named \u201c%1\u201d.").arg(name);
        }
    }
    if (!anyField)
        return Texts::tr("Every video would get this same name: add a field such as %(title)s.");
    return std::nullopt;
}

bool isKnownField(const QString& name)
{
    return knownFields().contains(name);
}

bool listsPlaylist(const QString& target, const QString& playlistTitle)
{
    return !playlistTitle.isEmpty() && !target.startsWith(QLatin1String("ytsearch"));
}

QString outputName(const QString& pattern, bool playlistFolders,
                   const std::optional<PlaylistPlace>& place)
{
    const QHash<QString, QVariant> known = placeFields(place);
    QString name;
    for (const Piece& piece : parse(pattern).pieces) {
        if (!piece.field) {
            name += escaped(piece.text);
            continue;
        }
        const Expression parts = split(piece.text);
        const bool ours = place && std::all_of(parts.names.cbegin(), parts.names.cend(),
                                               [](const QString& n) { return isPlaylistField(n); });
        if (ours)
            name += escaped(inName(evaluate(piece, known).value_or(QString())));
        else
            name += QStringLiteral("%(") + piece.text + u')' + piece.spec;
    }
    return escaped(folderPrefix(playlistFolders, place)) + name;
}

QString preview(const QString& pattern, bool playlistFolders, const Sample& video,
                const QString& extension)
{
    QHash<QString, QVariant> known = placeFields(video.place);
    known.insert(QStringLiteral("title"), video.title);
    known.insert(QStringLiteral("fulltitle"), video.title);
    known.insert(QStringLiteral("id"), video.id);
    known.insert(QStringLiteral("display_id"), video.id);
    known.insert(QStringLiteral("channel"), video.channel);
    known.insert(QStringLiteral("uploader"), video.channel);
    known.insert(QStringLiteral("webpage_url"), video.url);
    if (video.duration)
        known.insert(QStringLiteral("duration"), qRound64(*video.duration));
    QString name;
    for (const Piece& piece : parse(pattern).pieces) {
        if (!piece.field) {
            name += piece.text;
            continue;
        }
        const std::optional<QString> value = evaluate(piece, known);
        name += value ? inName(*value) : u'{' + split(piece.text).names.constFirst() + u'}';
    }
    return folderPrefix(playlistFolders, video.place) + name + u'.' + extension;
}

} // namespace reelcatch::FileNaming
