#include "engine/AudioChoice.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace reelcatch::AudioChoice {

namespace {

// The codes yt-dlp may give a language's tracks: YouTube uses ISO 639-1
// ("de", "de-DE"), DASH and HLS manifests often ISO 639-2 ("deu", "ger").
QStringList codesFor(const QString& primary)
{
    QStringList codes{primary.toLower()};
    const QLocale::Language language = QLocale::codeToLanguage(primary);
    if (language == QLocale::AnyLanguage || language == QLocale::C)
        return codes;
    for (const QLocale::LanguageCodeTypes type :
         {QLocale::ISO639Part1, QLocale::ISO639Part2B, QLocale::ISO639Part2T}) {
        const QString other = QLocale::languageToCode(language, type);
        if (!other.isEmpty() && !codes.contains(other))
            codes << other;
    }
    return codes;
}

// The best audio-only format of each kind, in the order they are tried.
QStringList audioAlternatives(const QString& language)
{
    // Neither a description track ("en-desc", "... descriptive") ...
    const QString noDescription = u"[language!$=?-desc][format_note!~=?'(?i)descriptive']"_s;
    QStringList alternatives;
    if (isLanguageCode(language)) {
        if (language.contains(u'-'))
            alternatives << u"ba[language=%1]"_s.arg(language) + noDescription;
        const QString primary = language.section(u'-', 0, 0);
        alternatives << u"ba[language~='(?i)^(%1)(-|$)']"_s.arg(codesFor(primary).join(u'|')) +
                            noDescription;
    }
    // ... the track YouTube labels the original ...
    alternatives << u"ba[format_note~='(?i)original'][language!$=?-desc]"_s;
    // ... else the best ranked that is not labelled a dub (yt-dlp ranks the
    // original, or in older releases the default track, first) ...
    alternatives << u"ba[language!$=?-desc][format_note!~=?'(?i)dubbed|descriptive']"_s;
    // ... else any but a description.
    alternatives << u"ba"_s + noDescription;
    return alternatives;
}

} // namespace

bool isLanguageCode(const QString& language)
{
    if (language.isEmpty() || language.size() > 35 || !language.front().isLetter())
        return false;
    for (const QChar c : language) {
        const char16_t u = c.unicode();
        const bool ok =
            (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '-';
        if (!ok)
            return false;
    }
    return !language.endsWith(u'-') && !language.contains("--"_L1);
}

QString formatSpec(Preset preset, const QString& language)
{
    QStringList alternatives;
    for (const QString& audio : audioAlternatives(language)) {
        if (preset.value() == Preset::m4a)
            alternatives << audio + u"[ext=m4a]"_s << audio;
        else if (preset.isAudio())
            alternatives << audio;
        else
            alternatives << u"bv*+"_s + audio;
    }
    alternatives << u"b"_s;
    return alternatives.join(u'/');
}

QStringList formatArgs(Preset preset, bool h264, const QString& language)
{
    QStringList args = preset.args(h264);
    for (qsizetype i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == "-f"_L1) {
            args[i + 1] = formatSpec(preset, language);
        } else if (args[i] == "-S"_L1 && !args[i + 1].split(u',').contains("lang"_L1)) {
            QStringList fields = args[i + 1].split(u',');
            qsizetype at = 0;
            while (at < fields.size() && !fields[at].startsWith("acodec"_L1))
                ++at;
            fields.insert(at, u"lang"_s);
            args[i + 1] = fields.join(u',');
        }
    }
    return args;
}

} // namespace reelcatch::AudioChoice
