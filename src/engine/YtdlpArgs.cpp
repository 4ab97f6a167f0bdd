#include "engine/YtdlpArgs.h"

#include "engine/AudioChoice.h"
#include "engine/Engine.h"

#include <QFileInfo>

namespace reelcatch::YtdlpArgs {

namespace {

const QString progressTemplate =
    QStringLiteral("download:RC|%(progress.status)s|%(progress.downloaded_bytes)s|"
                   "%(progress.total_bytes)s|%(progress.total_bytes_estimate)s|"
                   "%(progress.speed)s|%(progress.eta)s|%(info.vcodec)s");
const QString postprocessTemplate =
    QStringLiteral("postprocess:[%(progress.postprocessor)s] %(progress.status)s");
const QString printTemplate = QStringLiteral("after_move:RCFILE|%(filepath)s");

// The preset as a file name carries it: the same in every language, so that a
// name does not change with the language of the app.
QString nameLabel(Preset preset)
{
    if (const auto height = preset.height())
        return QString::number(*height) + QLatin1Char('p');
    return preset == Preset::best ? QStringLiteral("Best") : preset.rawValue().toUpper();
}

// The name the options ask for (else "Title [id]"), the preset's label when
// the video is also fetched in another one, and a clip's range. The named
// patterns cut the title (in bytes, on a character's edge) so that the name
// and yt-dlp's longest suffixes (".f137.mp4.part-Frag12", ".en-US.vtt") stay
// within the 255 bytes a file name may have; a clip's range (" (10.00.00–
// 10.01.00)", up to 24 bytes) is taken from the title.
QString outputTemplate(const DownloadOptions& options, const Download& request)
{
    QString pattern = options.namePattern.isEmpty()
                          ? FileNaming::pattern(FileNaming::Style::titleId, {})
                          : options.namePattern;
    if (request.clip)
        pattern.replace(QLatin1String("%(title).180B"), QLatin1String("%(title).156B"));
    QString name = FileNaming::outputName(pattern, options.playlistFolders, request.place);
    if (request.presetInName)
        name += QStringLiteral(" [") + nameLabel(request.preset) + QLatin1Char(']');
    // "(1.00–2.00)": a colon is not allowed in names on every file system.
    if (request.clip)
        name += QStringLiteral(" (") + request.clip->label(u'.') + QLatin1Char(')');
    return name + QStringLiteral(".%(ext)s");
}

bool since(const std::optional<QString>& version, const char* release)
{
    return version && *version >= QLatin1String(release);
}

} // namespace

QStringList common(const Engine& engine, const std::optional<QString>& version,
                   const Session& session)
{
    const Cookies& cookies = session.cookies;
    QStringList args{QStringLiteral("--ignore-config"), QStringLiteral("--no-colors")};
    if (since(version, jsRuntimesSince)) {
        if (const std::optional<QString> denoPath = engine.deno())
            args << QStringLiteral("--js-runtimes") << QStringLiteral("deno:") + *denoPath;
    }
    if (!cookies.fromBrowser.isEmpty())
        args << QStringLiteral("--cookies-from-browser") << cookies.fromBrowser;
    else if (!cookies.file.isEmpty())
        args << QStringLiteral("--cookies") << cookies.file;
    if (!session.proxy.isEmpty())
        args << QStringLiteral("--proxy") << session.proxy;
    return args;
}

QStringList lookup(const Engine& engine, const QString& target,
                   const std::optional<QString>& version, const Session& session)
{
    // "--" keeps a target that begins with "-" from being read as an option.
    return common(engine, version, session)
           << QStringLiteral("-j") << QStringLiteral("--flat-playlist")
           << QStringLiteral("--lazy-playlist") << QStringLiteral("--no-playlist")
           << QStringLiteral("--no-warnings") << QStringLiteral("--") << target;
}

QStringList download(const Engine& engine, const DownloadOptions& options, const Download& request)
{
    const Preset preset = request.preset;
    const std::optional<QString> ffmpeg = engine.ffmpeg();
    const QString& url = request.url;
    // An address that begins with "-" would be read as an option: it then
    // goes last, behind "--".
    const bool optionLike = url.startsWith(QLatin1Char('-'));

    QStringList args = common(engine, request.version, request.session);
    if (!optionLike)
        args << url;
    args << QStringLiteral("--no-playlist") << QStringLiteral("--newline")
         << QStringLiteral("--progress") << QStringLiteral("-P") << QStringLiteral(".")
         << QStringLiteral("-o") << outputTemplate(options, request)
         << QStringLiteral("--progress-template") << progressTemplate;
    // "--print" makes yt-dlp quiet, so post-processor steps only show when
    // asked for; releases before this one print them without line breaks.
    if (since(request.version, postprocessTemplateSince))
        args << QStringLiteral("--progress-template") << postprocessTemplate;
    args << QStringLiteral("--print") << printTemplate;
    if (options.rateLimit > 0)
        args << QStringLiteral("-r") << QString::number(options.rateLimit) + u'M';

    // The original audio track, or the asked language's. Without ffmpeg
    // nothing can be merged or converted: a video comes as the one file that
    // has both, audio as it is offered (m4a first).
    if (!ffmpeg) {
        args << QStringLiteral("-f")
             << (preset.isAudio() ? AudioChoice::formatSpec(Preset::m4a, options.audioLang)
                                  : QStringLiteral("b[ext=mp4]/b"));
    } else {
        args << QStringLiteral("--ffmpeg-location") << QFileInfo(*ffmpeg).path();
        args << AudioChoice::formatArgs(preset, options.h264, options.audioLang);
    }
    if (options.embedMeta)
        args << QStringLiteral("--embed-metadata");
    if (options.embedThumb && ffmpeg)
        args << QStringLiteral("--embed-thumbnail");
    if ((options.subs || options.subFiles) && !preset.isAudio()) {
        args << QStringLiteral("--write-subs");
        if (options.autoSubs)
            args << QStringLiteral("--write-auto-subs");
        args << QStringLiteral("--sub-langs") << options.subLangs;
        if (options.subFiles && ffmpeg)
            args << QStringLiteral("--convert-subs") << QStringLiteral("srt");
        // With "--write-subs", embedding keeps the files unless told not to.
        if (options.subs) {
            args << QStringLiteral("--embed-subs");
            if (!options.subFiles)
                args << QStringLiteral("--compat-options") << QStringLiteral("no-keep-subs");
        }
    }
    // Only the categories yt-dlp knows: it refuses to run with any other.
    QStringList categories;
    for (const QString& category : options.sponsorCategories.split(u','))
        if (sponsorCategories.contains(category.trimmed()))
            categories << category.trimmed();
    if (options.sponsor != DownloadOptions::Sponsor::off && !categories.isEmpty()) {
        args << (options.sponsor == DownloadOptions::Sponsor::mark
                     ? QStringLiteral("--sponsorblock-mark")
                     : QStringLiteral("--sponsorblock-remove"))
             << categories.join(u',');
    }
    // Picked formats take the place of the preset's choice; its merge and
    // naming stay.
    if (!request.formatIds.isEmpty()) {
        const qsizetype at = args.indexOf(QStringLiteral("-f"));
        if (at >= 0 && at + 1 < args.size())
            args[at + 1] = request.formatIds;
    }
    // A clip is cut at exactly its times, not at the key frames around them,
    // and cut afresh: a file of its name left by an earlier try (one that
    // came out the wrong length) would be taken as done.
    if (request.clip) {
        args << QStringLiteral("--download-sections")
             << QStringLiteral("*%1-%2").arg(QString::number(request.clip->start, 'g', 12),
                                             QString::number(request.clip->end, 'g', 12))
             << QStringLiteral("--force-keyframes-at-cuts") << QStringLiteral("--force-overwrites");
    }
    if (optionLike)
        args << QStringLiteral("--") << url;
    return args;
}

} // namespace reelcatch::YtdlpArgs
