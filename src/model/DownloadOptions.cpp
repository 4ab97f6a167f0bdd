#include "model/DownloadOptions.h"

#include "model/Prefs.h"

namespace reelcatch {

DownloadOptions DownloadOptions::fromPrefs(const Prefs& prefs)
{
    DownloadOptions options;
    options.h264 = prefs.value(PrefKey::h264);
    options.embedMeta = prefs.value(PrefKey::embedMeta);
    options.embedThumb = prefs.value(PrefKey::embedThumb);
    options.subs = prefs.value(PrefKey::subs);
    options.subLangs = prefs.value(PrefKey::subLangs);
    options.sponsor = prefs.value(PrefKey::sponsor);
    return options;
}

} // namespace reelcatch
