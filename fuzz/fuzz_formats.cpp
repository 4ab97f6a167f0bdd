// yt-dlp's answer for one video ("-J"), read into the formats it lists, and
// the format arguments built for each language found there.
//
// Properties beyond "no crash":
// - FormatList::parse() equals fromJson() of what QJsonDocument reads;
// - at most maxFormats formats, ids unique, non-empty printable ASCII;
//   pictures and sizes within bounds, no picture format without video;
// - every format has a description; languages() are unique, non-empty and
//   name no description track;
// - for every listed language that is a code, AudioChoice::formatSpec() asks
//   for it first and then falls back to what it asks for without one.
#include "FuzzCheck.h"
#include "engine/AudioChoice.h"
#include "model/FormatList.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cstddef>
#include <cstdint>

using namespace reelcatch;

using namespace Qt::StringLiterals;

namespace {

bool printableId(const QString& id)
{
    if (id.isEmpty() || id.size() > 100)
        return false;
    for (const QChar c : id) {
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7f)
            return false;
    }
    return true;
}

void checkSize(const StreamSize& size)
{
    FUZZ_CHECK(size.bytes >= 0 && size.bytes <= (qint64(1) << 53) &&
                   (size.bytes || !size.approximate),
               u"size %1"_s.arg(size.bytes));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView text(reinterpret_cast<const char*>(data), qsizetype(size));
    const FormatList list = FormatList::parse(text);
    const QJsonDocument doc = QJsonDocument::fromJson(text.toByteArray());
    const FormatList oracle = doc.isObject() ? FormatList::fromJson(doc.object()) : FormatList();
    const auto idsOf = [](const FormatList& l) {
        QStringList out;
        for (const VideoFormat& f : l.video)
            out << f.id;
        out << u"|"_s;
        for (const AudioFormat& f : l.audio)
            out << f.id;
        return out;
    };
    FUZZ_CHECK(idsOf(list) == idsOf(oracle), u"parse() and fromJson() disagree"_s);
    FUZZ_CHECK(list.video.size() + list.audio.size() <= FormatList::maxFormats, u"too many"_s);

    QSet<QString> ids;
    for (const VideoFormat& f : list.video) {
        FUZZ_CHECK(printableId(f.id) && !ids.contains(f.id), shown(f.id));
        ids.insert(f.id);
        FUZZ_CHECK(f.vcodec != "none"_L1, u"a picture without video: "_s + shown(f.id));
        FUZZ_CHECK(f.width >= 0 && f.width <= 100000 && f.height >= 0 && f.height <= 100000 &&
                       f.fps >= 0 && f.fps <= 1000 && f.tbr >= 0 && f.vbr >= 0,
                   u"numbers of "_s + shown(f.id));
        checkSize(f.size);
        FUZZ_CHECK(!f.description().isEmpty(), u"no description"_s);
    }
    for (const AudioFormat& f : list.audio) {
        FUZZ_CHECK(printableId(f.id) && !ids.contains(f.id), shown(f.id));
        ids.insert(f.id);
        FUZZ_CHECK(f.abr >= 0, u"abr of "_s + shown(f.id));
        checkSize(f.size);
        FUZZ_CHECK(!f.description().isEmpty(), u"no description"_s);
    }

    const QStringList languages = list.languages();
    FUZZ_CHECK(QSet<QString>(languages.begin(), languages.end()).size() == languages.size(),
               u"a language twice"_s);
    const QString plain = AudioChoice::formatSpec(Preset::p1080);
    for (const QString& language : languages) {
        FUZZ_CHECK(!language.isEmpty() && !language.endsWith("-desc"_L1, Qt::CaseInsensitive),
                   shown(language));
        const QString spec = AudioChoice::formatSpec(Preset::p1080, language);
        if (!AudioChoice::isLanguageCode(language)) {
            FUZZ_CHECK(spec == plain, u"a spec for "_s + shown(language));
            continue;
        }
        FUZZ_CHECK(spec.contains(language.section(u'-', 0, 0).toLower()) &&
                       spec.endsWith(u'/' + plain),
                   shown(spec));
    }
    return 0;
}
