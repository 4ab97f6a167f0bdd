#include "model/DownloadOptions.h"

#include "model/FileNaming.h"
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
    // A template of the user's that cannot be used leaves the usual name.
    const FileNaming::Style style = FileNaming::styleNamed(prefs.value(PrefKey::nameStyle));
    const QString pattern = FileNaming::pattern(style, prefs.value(PrefKey::nameCustom));
    if (style != FileNaming::Style::custom || !FileNaming::problem(pattern))
        options.namePattern = pattern;
    options.playlistFolders = prefs.value(PrefKey::playlistFolders);
    options.rateLimit = prefs.value(PrefKey::rateLimit);
    return options;
}

} // namespace reelcatch
