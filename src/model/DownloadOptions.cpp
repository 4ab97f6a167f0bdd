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
    options.subFiles = prefs.value(PrefKey::subFiles);
    options.autoSubs = prefs.value(PrefKey::autoSubs);
    options.subLangs = prefs.value(PrefKey::subLangs);
    options.audioLang = prefs.value(PrefKey::audioLang);
    const QString sponsor = prefs.value(PrefKey::sponsorMode);
    options.sponsor = sponsor == u"mark"     ? Sponsor::mark
                      : sponsor == u"remove" ? Sponsor::remove
                                             : Sponsor::off;
    options.sponsorCategories = prefs.value(PrefKey::sponsorCats);
    return options;
}

} // namespace reelcatch
