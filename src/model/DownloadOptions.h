#pragma once

#include <QString>

namespace reelcatch {

class Prefs;

// The settings a download's command line is built from, read once when the
// download starts (default-constructed: every option off). An option is a
// field here, its line in fromPrefs() and its use in YtdlpArgs::download().
struct DownloadOptions {
    bool h264 = false;
    bool embedMeta = false;
    bool embedThumb = false;
    // Subtitles embedded (subs), as files (subFiles), in these languages.
    bool subs = false;
    bool subFiles = false;
    bool autoSubs = false;
    QString subLangs;
    // The audio track's language; empty: the original.
    QString audioLang;
    enum class Sponsor { off, mark, remove };
    Sponsor sponsor = Sponsor::off;
    QString sponsorCategories;
    // The files' name template without the extension (empty: "Title [id]"),
    // and whether playlist and channel downloads go to a folder of their own.
    QString namePattern;
    bool playlistFolders = false;
    // The most each download may fetch, in MB/s; 0: no limit.
    int rateLimit = 0;

    static DownloadOptions fromPrefs(const Prefs& prefs);
};

} // namespace reelcatch
