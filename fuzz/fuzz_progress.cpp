// A download's yt-dlp output, cut into lines by LineReader as a launch does
// and applied to the job by ProgressProtocol::handle().
//
// The first byte chooses the job: its preset (bits 0-2) and the phase it is
// in when the output starts (bits 3-5: queued, downloading, processing,
// done, failed, cancelled; cancelled also for 6 and 7). The rest is the
// output.
//
// Properties beyond "no crash", checked after every line:
// - the fraction is a number from 0 to 1, and changes only on a progress
//   line ("RC|"); a progress line whose status is "finished" sets it to 1
//   and changes nothing else;
// - the phase changes only to downloading, on a progress line, or to
//   processing, on a post-processor line;
// - the detail changes only on those two kinds of line; for an audio
//   preset it never starts with "Audio" or "Video", and it never holds the
//   field separator "|" (it is made of formatted numbers, not of the
//   line's text);
// - the file changes only on an "RCFILE|" line, to a clean path inside the
//   folder the job's yt-dlp works in, or to none;
// - an "ERROR:" line adds at most one message, non-empty and trimmed; no
//   other line adds one;
// - nothing at all changes for a cancelled job.
#include "FuzzCheck.h"
#include "appmodel/ProgressProtocol.h"
#include "engine/LineReader.h"
#include "model/Download.h"

#include <QDir>
#include <QJsonObject>
#include <QLocale>

#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace reelcatch;

using namespace Qt::StringLiterals;

namespace {

using Kind = Download::Phase::Kind;

struct Snapshot {
    Download::Phase phase;
    double fraction;
    QString detail;
    std::optional<QString> file;

    explicit Snapshot(const Download& job)
        : phase(job.phase()), fraction(job.fraction()), detail(job.detail()), file(job.file())
    {}
};

bool isPostProcessorLine(const QString& line)
{
    for (const char* tag : {"[Merger]", "[ExtractAudio]", "[VideoRemuxer]", "[EmbedThumbnail]",
                            "[Metadata]", "[SponsorBlock]", "[ModifyChapters]", "[EmbedSubtitle]"})
        if (line.startsWith(QLatin1StringView(tag)))
            return true;
    return false;
}

void checkLine(const QString& line, Download& job)
{
    const Snapshot before(job);
    const std::optional<QString> error = ProgressProtocol::handle(line, job, u"/f"_s);
    const Snapshot after(job);
    const QString at = u" at "_s + shown(line.left(200));

    FUZZ_CHECK(after.fraction >= 0 && after.fraction <= 1, QString::number(after.fraction) + at);
    if (before.phase.kind() == Kind::cancelled) {
        FUZZ_CHECK(after.phase == before.phase && after.fraction == before.fraction &&
                       after.detail == before.detail && after.file == before.file && !error,
                   at);
        return;
    }

    const bool progress = line.startsWith(u"RC|");
    const bool postProcessor = isPostProcessorLine(line);
    const bool finished =
        progress && line.split(u'|').size() >= 8 && line.split(u'|').at(1) == u"finished"_s;

    if (!progress)
        FUZZ_CHECK(after.fraction == before.fraction, at);
    if (finished)
        FUZZ_CHECK(after.fraction == 1 && after.phase == before.phase &&
                       after.detail == before.detail,
                   at);
    if (after.phase != before.phase)
        FUZZ_CHECK((progress && after.phase.kind() == Kind::downloading) ||
                       (postProcessor && after.phase.kind() == Kind::processing),
                   at);
    if (after.detail != before.detail) {
        FUZZ_CHECK(progress || postProcessor, at);
        FUZZ_CHECK(!after.detail.contains(u'|'), shown(after.detail) + at);
        if (job.preset().isAudio())
            FUZZ_CHECK(!after.detail.startsWith(u"Audio"_s) && !after.detail.startsWith(u"Video"_s),
                       shown(after.detail) + at);
    }
    if (after.file != before.file)
        FUZZ_CHECK(line.startsWith(u"RCFILE|") &&
                       (!after.file || (after.file->startsWith(u"/f/"_s) && after.file->size() > 3 &&
                                        QDir::cleanPath(*after.file) == *after.file)),
                   at);

    FUZZ_CHECK(!error || line.startsWith(u"ERROR:"), at);
    if (error) {
        FUZZ_CHECK(!error->isEmpty() && LineReader::trimmed(*error).size() == error->size(),
                   shown(*error) + at);
        FUZZ_CHECK(after.phase == before.phase && after.detail == before.detail, at);
    }
}

Download::Phase phaseOf(int choice)
{
    switch (choice) {
    case 0:
        return Download::Phase::queued();
    case 1:
        return Download::Phase::downloading();
    case 2:
        return Download::Phase::processing();
    case 3:
        return Download::Phase::done();
    case 4:
        return Download::Phase::failed(u"earlier failure"_s);
    default:
        return Download::Phase::cancelled();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool cLocale = [] {
        QLocale::setDefault(QLocale::c());
        return true;
    }();
    Q_UNUSED(cLocale);
    if (size == 0)
        return 0;
    static const VideoItem video = *VideoItem::fromJson(QJsonObject{{u"id"_s, u"abc"_s}});
    Download job(video, Preset(Preset::Case(data[0] & 7)));
    job.setPhase(phaseOf((data[0] >> 3) & 7));

    LineReader reader([&job](const QString& line) { checkLine(line, job); });
    reader.feed(QByteArrayView(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1)));
    reader.flush();
    return 0;
}
