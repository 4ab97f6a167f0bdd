#include "appmodel/ProgressProtocol.h"

#include "appmodel/Fmt.h"
#include "engine/LineReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStringView>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace reelcatch {

namespace {

// The whole field as a number in the C locale's notation ("1634.0", "0",
// "2239746.4920859034", "1e3"). Empty fields, white space, yt-dlp's "NA"
// placeholder and anything not finite count as absent.
std::optional<double> number(QStringView field)
{
    // strtod's optional plus sign, which from_chars does not take.
    if (field.startsWith(u'+') && !field.startsWith(u"+-"))
        field = field.sliced(1);
    // Longer than any number yt-dlp prints (and beyond any count that matters).
    if (field.isEmpty() || field.size() > 64)
        return std::nullopt;
    char ascii[64];
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char16_t c = field[i].unicode();
        if (c > 0x7f)
            return std::nullopt;
        ascii[i] = char(c);
    }
    double value = 0;
    const char* end = ascii + field.size();
    const auto [ptr, ec] = std::from_chars(ascii, end, value, std::chars_format::general);
    if (ec != std::errc() || ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

const QString separator = QStringLiteral(" \u00b7 ");

// The text `format` made for one of the last few values, in the locale it
// was made in: a stream repeats its total on every line, and its time left
// on many.
template <QString (*format)(double)> QString remembered(double value, const QLocale& locale)
{
    struct Made {
        double value = 0;
        QLocale locale;
        QString text;
    };
    thread_local std::array<Made, 8> made;
    thread_local std::size_t next = 0;
    for (const Made& m : made) {
        if (!m.text.isNull() && m.value == value && m.locale == locale)
            return m.text;
    }
    Made& m = made[next++ % made.size()];
    m = Made{value, locale, format(value)};
    return m.text;
}

void handleProgress(QStringView line, Download& job)
{
    // The first eight '|'-separated fields; a ninth and more are ignored.
    std::array<QStringView, 8> fields;
    qsizetype count = 0;
    for (qsizetype start = 0; count < qsizetype(fields.size());) {
        const qsizetype bar = line.indexOf(u'|', start);
        if (bar < 0) {
            fields[count++] = line.sliced(start);
            break;
        }
        fields[count++] = line.sliced(start, bar - start);
        start = bar + 1;
    }
    if (count < qsizetype(fields.size()))
        return;
    if (fields[1] == u"finished") {
        job.setFraction(1);
        return;
    }
    const double downloaded = number(fields[2]).value_or(0);
    const double total = number(fields[3]).value_or(number(fields[4]).value_or(0));

    job.setPhase(Download::Phase::downloading());
    if (total > 0)
        job.setFraction(std::min(downloaded / total, 1.0));

    // yt-dlp fetches a video preset's picture and sound as separate streams;
    // the sound stream has no video codec. The parts are joined by the
    // separator; none of them is ever empty.
    const QLocale locale;
    QString detail;
    detail.reserve(64);
    const auto part = [&detail](const QString& text) {
        if (!detail.isEmpty())
            detail += separator;
        detail += text;
    };
    if (!job.preset().isAudio())
        part(fields[7] == u"none"
                 ? QCoreApplication::translate("reelcatch::ProgressProtocol", "Audio")
                 : QCoreApplication::translate("reelcatch::ProgressProtocol", "Video"));
    if (total > 0)
        part(QCoreApplication::translate("reelcatch::ProgressProtocol", "%1 of %2")
                 .arg(Fmt::bytes(downloaded), remembered<Fmt::bytes>(total, locale)));
    if (const auto speed = number(fields[5])) {
        part(Fmt::bytes(*speed));
        detail += QStringLiteral("/s");
    }
    if (const auto eta = number(fields[6]))
        part(QCoreApplication::translate("reelcatch::ProgressProtocol", "%1 left")
                 .arg(remembered<Fmt::time>(*eta, locale)));
    job.setDetail(detail);
}

// What follows `root` and a slash in `file`, when there is something.
std::optional<QStringView> below(const QString& root, const QString& file)
{
    const qsizetype length = root.endsWith(u'/') ? root.size() : root.size() + 1;
    if (file.size() > length && file.startsWith(root) && file.at(length - 1) == u'/')
        return QStringView(file).sliced(length);
    return std::nullopt;
}

// `path`, taken relative to `folder`, when it lies inside `folder`: once "."
// and ".." are resolved in both as written, or else once both are resolved
// on the disk. yt-dlp names a finished file by its working folder's real
// path, which differs from that of a folder reached through a link; such a
// file is named within `folder` as written.
std::optional<QString> inside(const QString& folder, const QString& path)
{
    const QDir dir(folder);
    const QString root = QDir::cleanPath(dir.absolutePath());
    const QString file = QDir::cleanPath(dir.absoluteFilePath(path));
    if (below(root, file))
        return file;
    const QString realRoot = QFileInfo(root).canonicalFilePath();
    const QString realFile = QFileInfo(file).canonicalFilePath();
    if (realRoot.isEmpty() || realFile.isEmpty())
        return std::nullopt;
    if (const std::optional<QStringView> rest = below(realRoot, realFile))
        return QDir::cleanPath(root + u'/' + rest->toString());
    return std::nullopt;
}

bool isPostProcessorLine(const QString& line)
{
    static const QLatin1StringView tags[] = {
        QLatin1StringView("[Merger]"),         QLatin1StringView("[ExtractAudio]"),
        QLatin1StringView("[VideoRemuxer]"),   QLatin1StringView("[EmbedThumbnail]"),
        QLatin1StringView("[Metadata]"),       QLatin1StringView("[SponsorBlock]"),
        QLatin1StringView("[ModifyChapters]"), QLatin1StringView("[EmbedSubtitle]"),
    };
    return std::any_of(std::begin(tags), std::end(tags),
                       [&](QLatin1StringView tag) { return line.startsWith(tag); });
}

} // namespace

namespace ProgressProtocol {

std::optional<QString> handle(const QString& line, Download& job, const QString& folder)
{
    // Once cancelled, the job's own process no longer moves it.
    if (job.phase().kind() == Download::Phase::Kind::cancelled)
        return std::nullopt;

    if (line.startsWith(u"RC|")) {
        handleProgress(line, job);
    } else if (line.startsWith(u"RCFILE|")) {
        // The path runs to the end of the line; spaces and brackets are part of it.
        job.setFile(inside(folder, line.sliced(7)));
    } else if (line.startsWith(u"ERROR:")) {
        // A bare "ERROR:" carries no message; keeping an empty one would make
        // it the failure text instead of the exit status.
        const QStringView message = LineReader::trimmed(QStringView(line).sliced(6));
        if (!message.isEmpty())
            return message.toString();
    } else if (line.startsWith(u"yt-dlp: error:")) {
        // The option parser's refusal (an option this copy doesn't know).
        return line;
    } else if (isPostProcessorLine(line)) {
        job.setPhase(Download::Phase::processing());
        job.setDetail(
            line.startsWith(u"[ExtractAudio]")
                ? QCoreApplication::translate("reelcatch::ProgressProtocol",
                                              "Converting audio\u2026")
                : QCoreApplication::translate("reelcatch::ProgressProtocol", "Finishing up\u2026"));
    }
    return std::nullopt;
}

} // namespace ProgressProtocol

} // namespace reelcatch
