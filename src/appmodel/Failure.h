#pragma once

#include <QString>

namespace reelcatch {

// What a failure message of yt-dlp means for the person looking at it: the
// kind of failure, the plain sentence shown for it, and the one thing that
// helps, if any. The message itself stays as yt-dlp wrote it (tooltips and
// "Copy Error" give it whole); only what a row or the lookup line shows is
// the sentence.
struct Failure {
    enum class Kind {
        botCheck,
        ageRestricted,
        privateVideo,
        rateLimited,
        unavailable,
        engineOutdated,
        offline,
        diskFull,
        formatUnavailable,
        other,
    };
    enum class Action { none, chooseBrowser, resumeNow, updateEngine, retry, openFolder };

    Kind kind = Kind::other;
    // The sentence shown; yt-dlp's own message for `other`.
    QString shown;
    Action action = Action::none;

    // Reads yt-dlp's wording; anything not recognised is `other`.
    static Failure of(const QString& message);
    // The label of an action's button ("Choose Browser…"); empty for none.
    static QString actionText(Action action);
};

} // namespace reelcatch
