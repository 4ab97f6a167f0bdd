#pragma once

#include "model/Download.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace reelcatch {

// What a failure message of yt-dlp means for the person looking at it: the
// kind of failure, the plain sentence shown for it, and the one thing that
// helps, if any. The message itself stays as yt-dlp wrote it (tooltips and
// "Copy Error" give it whole); only what a row or the lookup line shows is
// the sentence.
struct Failure {
    using Kind = FailureKind;
    enum class Action { none, chooseBrowser, resumeNow, updateEngine, retry, openFolder };

    Kind kind = Kind::other;
    // The sentence shown; yt-dlp's own message for `other`.
    QString shown;
    Action action = Action::none;

    // Reads yt-dlp's wording; anything not recognised is `other`.
    static Kind kindOf(const QString& message);
    // A failed download's phase with what kindOf() read in it.
    static Download::Phase failedPhase(const QString& message);
    static Failure of(const QString& message) { return of(kindOf(message), message); }
    // What a failure of a kind already read shows.
    static Failure of(Kind kind, const QString& message);
    // What a failed download's row shows, from the kind it failed with. A
    // download fails on YouTube's limit only after the queue waited it out
    // in vain: nothing resumes it by itself.
    static Failure ofDownload(const Download::Phase& phase);
    // What "Copy Error" copies of a failed download: its message, the
    // versions of the application and of yt-dlp, its command line (cookies
    // and proxy credentials masked) and its log.
    static QString report(const Download& job, const std::optional<QString>& engineVersion);
    // A command line with the cookies' file or browser profile and a
    // proxy's user and password replaced by "…".
    static QStringList masked(const QStringList& command);
    // The label of an action's button ("Choose Browser…"); empty for none.
    static QString actionText(Action action);
};

} // namespace reelcatch
