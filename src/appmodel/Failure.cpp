#include "Failure.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <array>
#include <initializer_list>

namespace reelcatch {

namespace {

using Kind = Failure::Kind;
using Action = Failure::Action;

struct Rule {
    Kind kind;
    const char* sentence;
    Action action;
    std::initializer_list<const char*> needles;
};

// Matched in this order on yt-dlp's wording, lower-cased and with YouTube's
// typographic apostrophe made plain. YouTube's sign-in refusals and its rate
// limit come wrapped in "Video unavailable", so they go before it; a private
// video's text also asks to sign in, but not to confirm anything.
const std::array<Rule, 9>& rules()
{
    static const std::array<Rule, 9> table{{
        {Kind::botCheck,
         QT_TRANSLATE_NOOP("reelcatch",
                           "YouTube wants a signed-in browser to confirm you're not a bot."),
         Action::chooseBrowser,
         {"confirm you're not a bot", "confirm you are not a bot"}},
        {Kind::ageRestricted,
         QT_TRANSLATE_NOOP("reelcatch",
                           "This video is age-restricted. Sign in with a browser to download it."),
         Action::chooseBrowser,
         {"confirm your age", "age-restricted", "age restricted"}},
        {Kind::privateVideo,
         QT_TRANSLATE_NOOP("reelcatch", "This video is private or for channel members only."),
         Action::none,
         {"private video", "members-only", "join this channel",
          "available to this channel's members"}},
        {Kind::rateLimited,
         QT_TRANSLATE_NOOP(
             "reelcatch",
             "YouTube is limiting requests from this connection. Downloads resume by themselves."),
         Action::resumeNow,
         {}}, // matched by isRateLimit() instead
        {Kind::unavailable,
         QT_TRANSLATE_NOOP("reelcatch", "This video is unavailable."),
         Action::none,
         {"video unavailable", "this video is not available", "this video has been removed"}},
        {Kind::engineOutdated,
         QT_TRANSLATE_NOOP("reelcatch", "The download engine needs an update."),
         Action::updateEngine,
         {"no such option", "no supported javascript runtime"}},
        {Kind::offline,
         QT_TRANSLATE_NOOP("reelcatch", "Can't reach YouTube. Check the connection."),
         Action::retry,
         {"name or service not known", "temporary failure in name resolution", "failed to resolve",
          "connection refused", "timed out", "network is unreachable", "no route to host"}},
        {Kind::diskFull,
         QT_TRANSLATE_NOOP("reelcatch", "The download folder's disk is full."),
         Action::openFolder,
         {"no space left on device", "disk quota exceeded"}},
        {Kind::formatUnavailable,
         QT_TRANSLATE_NOOP("reelcatch",
                           "This quality isn't available for this video. Pick another."),
         Action::none,
         {"requested format is not available"}},
    }};
    return table;
}

// YouTube's limit, only in the forms yt-dlp reports it: its HTTP error for
// status 429 at the head of the message (after the extractor's "[youtube]
// ID:" and yt-dlp's own "Unable to download ...:" steps), or YouTube's
// "try again later" reason with which yt-dlp's rate-limit sentences come.
// The words anywhere else (a title, a file name in an error about the
// file, a folder in the app's own message) are no limit.
bool isRateLimit(const QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(?:error:\\s*)?(?:\\[[a-z0-9:_-]+\\]\\s+(?:[^\\s:]+:\\s+)?)?"
                       "(?:(?:[a-z][a-z ]*:\\s+)*http error 429(?![0-9])"
                       "|(?:video unavailable\\.\\s+)?this content isn't available, try again later"
                       "|(?:the current session|your account) has been rate-limited by youtube)"));
    return pattern.match(text).hasMatch();
}

} // namespace

Failure Failure::of(const QString& message)
{
    QString text = message.toLower();
    text.replace(QChar(0x2019), QLatin1Char('\''));
    for (const Rule& rule : rules()) {
        if (rule.kind == Kind::rateLimited && isRateLimit(text.trimmed()))
            return {rule.kind, QCoreApplication::translate("reelcatch", rule.sentence),
                    rule.action};
        for (const char* needle : rule.needles) {
            if (text.contains(QLatin1String(needle)))
                return {rule.kind, QCoreApplication::translate("reelcatch", rule.sentence),
                        rule.action};
        }
    }
    return {Kind::other, message, Action::none};
}

QString Failure::actionText(Action action)
{
    switch (action) {
    case Action::none:
        return {};
    case Action::chooseBrowser:
        return QCoreApplication::translate("reelcatch", "Choose Browser\u2026");
    case Action::resumeNow:
        return QCoreApplication::translate("reelcatch", "Resume Now");
    case Action::updateEngine:
        return QCoreApplication::translate("reelcatch", "Update Now");
    case Action::retry:
        return QCoreApplication::translate("reelcatch", "Retry");
    case Action::openFolder:
        return QCoreApplication::translate("reelcatch", "Open Folder");
    }
    return {};
}

} // namespace reelcatch
