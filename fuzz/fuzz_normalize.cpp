// normalize() on any text: what the user typed, pasted or dropped.
//
// Properties beyond "no crash":
// - only the trimmed text counts, and the target has no white space at
//   either end;
// - text that is not an address is searched for as typed: "ytsearch30:"
//   and the trimmed text;
// - an address target is the typed address (given "https://" when it had
//   no scheme) or a channel's video list on the main host, and always holds
//   "://";
// - an address target is a fixed point: normalizing it again gives it back,
//   so a target that is typed in again (from the history, say) looks up the
//   same thing.
#include "FuzzCheck.h"
#include "appmodel/Listing.h"
#include "model/YouTubeHosts.h"

#include <cstddef>
#include <cstdint>

using namespace reelcatch;

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString raw = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString target = normalize(raw);
    const QString trimmed = raw.trimmed();

    FUZZ_CHECK(normalize(u" \t\n"_s + raw + u"\r\n "_s) == target, shown(target));
    FUZZ_CHECK(!target.isEmpty() && target.trimmed() == target, shown(target));

    const QString search = u"ytsearch30:"_s + trimmed;
    if (target == search)
        return 0;

    // An address.
    FUZZ_CHECK(target.contains(u"://"_s), shown(target));
    const QString typed = trimmed.contains(u"://"_s) ? trimmed : u"https://"_s + trimmed;
    const QString videoListPrefix = u"https://"_s + YouTubeHosts::mainHost() + u'/';
    FUZZ_CHECK(target == typed ||
                   (target.startsWith(videoListPrefix) && target.endsWith(u"/videos"_s)),
               shown(typed) + u" -> "_s + shown(target));
    const QString again = normalize(target);
    FUZZ_CHECK(again == target, shown(raw) + u" -> "_s + shown(target) + u" -> "_s + shown(again));
    return 0;
}
