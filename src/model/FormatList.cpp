#include "model/FormatList.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <QSet>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace reelcatch {

namespace {

// Ids, codes and codec names are short printable ASCII in every answer
// yt-dlp gives; anything else is treated as missing.
QString code(const QJsonObject& object, QLatin1StringView key)
{
    const QJsonValue value = object.value(key);
    if (!value.isString())
        return {};
    QString text = value.toString();
    if (text.size() > 100)
        return {};
    for (const QChar c : text) {
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7f)
            return {};
    }
    return text;
}

// A positive finite number no larger than `max`, else 0.
double positive(const QJsonObject& object, QLatin1StringView key, double max)
{
    const double value = object.value(key).toDouble(0);
    return std::isfinite(value) && value > 0 && value <= max ? value : 0;
}

int dimension(const QJsonObject& object, QLatin1StringView key)
{
    return int(positive(object, key, 100000));
}

StreamSize size(const QJsonObject& object)
{
    constexpr double maxBytes = 9007199254740992.0; // 2^53: exact in a double
    if (const double exact = positive(object, "filesize"_L1, maxBytes); exact >= 1)
        return {qint64(exact), false};
    if (const double approx = positive(object, "filesize_approx"_L1, maxBytes); approx >= 1)
        return {qint64(approx), true};
    return {};
}

// The kind the track's words give it; `ranked` tells whether yt-dlp ranks its
// language first (language_preference 10: the original in current releases,
// the default track in older ones).
AudioFormat::Kind markedKind(const QJsonObject& object, QString& language, bool& ranked)
{
    using Kind = AudioFormat::Kind;
    const QJsonValue noteValue = object.value("format_note"_L1);
    const QString note =
        noteValue.isString() ? noteValue.toString().left(1000).toLower() : QString();
    const double preference = object.value("language_preference"_L1).toDouble(0);
    ranked = preference >= 10;
    // yt-dlp names a description track's language "en-desc".
    const bool descLanguage = language.endsWith("-desc"_L1, Qt::CaseInsensitive);
    if (descLanguage)
        language.chop(5);
    if (descLanguage || preference <= -10 || note.contains("descriptive"_L1))
        return Kind::description;
    if (note.contains("dubbed-auto"_L1) || note.contains("auto-dubbed"_L1))
        return Kind::autoDubbed;
    if (note.contains("dubbed"_L1))
        return Kind::dubbed;
    if (note.contains("original"_L1))
        return Kind::original;
    return Kind::plain;
}

QString codecName(const QString& codec)
{
    const QString lower = codec.toLower();
    const auto starts = [&](QLatin1StringView prefix) { return lower.startsWith(prefix); };
    if (starts("avc"_L1) || starts("h264"_L1))
        return u"H.264"_s;
    if (starts("hev"_L1) || starts("hvc"_L1) || starts("h265"_L1))
        return u"HEVC"_s;
    if (starts("vp09"_L1) || starts("vp9"_L1))
        return u"VP9"_s;
    if (starts("vp08"_L1) || starts("vp8"_L1))
        return u"VP8"_s;
    if (starts("av01"_L1) || starts("av1"_L1))
        return u"AV1"_s;
    return codec.section(u'.', 0, 0);
}

} // namespace

bool VideoFormat::isHdr() const
{
    return !dynamicRange.isEmpty() && dynamicRange.compare("SDR"_L1, Qt::CaseInsensitive) != 0;
}

QString VideoFormat::description() const
{
    QStringList words;
    if (height > 0) {
        QString picture = QString::number(height) + u'p';
        if (fps > 30)
            picture += QString::number(std::lround(fps));
        words << picture;
    } else if (width > 0) {
        words << FormatList::tr("%1 wide").arg(width);
    } else {
        words << FormatList::tr("Video");
    }
    if (!vcodec.isEmpty())
        words << codecName(vcodec);
    if (isHdr())
        words << (dynamicRange.compare("DV"_L1, Qt::CaseInsensitive) == 0 ? u"Dolby Vision"_s
                                                                          : dynamicRange);
    const QString text = words.join(u' ');
    return hasAudio ? FormatList::tr("%1 with sound").arg(text) : text;
}

QString AudioFormat::languageName() const
{
    if (language.isEmpty())
        return {};
    const QLocale locale(language);
    if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage)
        return language;
    return QLocale::languageToString(locale.language());
}

QString AudioFormat::description() const
{
    QString name = language.isEmpty() ? FormatList::tr("Audio") : languageName();
    switch (kind) {
    case Kind::original:
        return FormatList::tr("%1 (original)").arg(name);
    case Kind::dubbed:
        return FormatList::tr("%1 (dubbed)").arg(name);
    case Kind::autoDubbed:
        return FormatList::tr("%1 (automatic dub)").arg(name);
    case Kind::description:
        return FormatList::tr("%1 (audio description)").arg(name);
    case Kind::plain:
        break;
    }
    return name;
}

FormatList FormatList::parse(QByteArrayView json)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return {};
    return fromJson(document.object());
}

FormatList FormatList::fromJson(const QJsonObject& video)
{
    FormatList list;
    const QJsonArray formats = video.value("formats"_L1).toArray();
    QSet<QString> seen;
    QList<bool> ranked;
    // yt-dlp's array runs from worst to best: read from its end.
    for (qsizetype i = formats.size() - 1; i >= 0; --i) {
        if (list.video.size() + list.audio.size() >= maxFormats)
            break;
        const QJsonObject format = formats.at(i).toObject();
        const QString id = code(format, "format_id"_L1);
        if (id.isEmpty() || seen.contains(id))
            continue;
        const QString vcodec = code(format, "vcodec"_L1);
        const QString acodec = code(format, "acodec"_L1);
        const bool noVideo = vcodec == "none"_L1;
        const bool noAudio = acodec == "none"_L1;
        if (noVideo && noAudio) // storyboards
            continue;
        seen.insert(id);
        if (!noVideo) {
            VideoFormat f;
            f.id = id;
            f.width = dimension(format, "width"_L1);
            f.height = dimension(format, "height"_L1);
            f.fps = positive(format, "fps"_L1, 1000);
            f.vcodec = vcodec;
            f.dynamicRange = code(format, "dynamic_range"_L1);
            f.ext = code(format, "ext"_L1);
            f.size = size(format);
            f.tbr = positive(format, "tbr"_L1, 1e7);
            f.vbr = positive(format, "vbr"_L1, 1e7);
            f.hasAudio = !noAudio;
            list.video.append(f);
            continue;
        }
        AudioFormat f;
        f.id = id;
        f.language = code(format, "language"_L1);
        f.kind = markedKind(format, f.language, ranked.emplace_back());
        f.acodec = acodec;
        f.ext = code(format, "ext"_L1);
        f.abr = positive(format, "abr"_L1, 1e7);
        if (f.abr == 0)
            f.abr = positive(format, "tbr"_L1, 1e7);
        f.size = size(format);
        list.audio.append(f);
    }

    // Unless a track says it is the original, the one ranked first is. Where
    // the original is known, an unmarked track of another language is a dub,
    // and one of the original's language the original too.
    const auto isOriginal = [](const AudioFormat& f) {
        return f.kind == AudioFormat::Kind::original;
    };
    if (std::none_of(list.audio.cbegin(), list.audio.cend(), isOriginal)) {
        for (qsizetype i = 0; i < list.audio.size(); ++i) {
            if (ranked[i] && list.audio[i].kind == AudioFormat::Kind::plain)
                list.audio[i].kind = AudioFormat::Kind::original;
        }
    }
    QSet<QString> originals;
    for (const AudioFormat& f : std::as_const(list.audio)) {
        if (isOriginal(f) && !f.language.isEmpty())
            originals.insert(f.language.toLower());
    }
    if (!originals.isEmpty()) {
        for (AudioFormat& f : list.audio) {
            if (f.kind != AudioFormat::Kind::plain || f.language.isEmpty())
                continue;
            f.kind = originals.contains(f.language.toLower()) ? AudioFormat::Kind::original
                                                              : AudioFormat::Kind::dubbed;
        }
    }
    return list;
}

QStringList FormatList::languages() const
{
    QStringList out;
    for (const AudioFormat& f : audio) {
        if (f.language.isEmpty() || f.kind == AudioFormat::Kind::description ||
            out.contains(f.language, Qt::CaseInsensitive))
            continue;
        if (f.kind == AudioFormat::Kind::original)
            out.prepend(f.language);
        else
            out.append(f.language);
    }
    return out;
}

} // namespace reelcatch
