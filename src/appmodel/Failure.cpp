#include "appmodel/Failure.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <array>
#include <initializer_list>
#include <utility>

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

Failure::Kind Failure::kindOf(const QString& message)
{
    QString text = message.toLower();
    text.replace(QChar(0x2019), QLatin1Char('\''));
    for (const Rule& rule : rules()) {
        if (rule.kind == Kind::rateLimited && isRateLimit(text.trimmed()))
            return rule.kind;
        for (const char* needle : rule.needles) {
            if (text.contains(QLatin1String(needle)))
                return rule.kind;
        }
    }
    return Kind::other;
}

Download::Phase Failure::failedPhase(const QString& message)
{
    return Download::Phase::failed(message, kindOf(message));
}

Failure Failure::of(Kind kind, const QString& message)
{
    for (const Rule& rule : rules()) {
        if (rule.kind == kind)
            return {kind, QCoreApplication::translate("reelcatch", rule.sentence), rule.action};
    }
    return {Kind::other, message, Action::none};
}

Failure Failure::ofDownload(const Download::Phase& phase)
{
    if (phase.failure() == Kind::rateLimited)
        return {Kind::rateLimited,
                QCoreApplication::translate(
                    "reelcatch",
                    "YouTube is still limiting requests from this connection. Try again later."),
                Action::none};
    return of(phase.failure(), phase.message());
}

QStringList Failure::masked(const QStringList& command)
{
    QString hidden(QChar(0x2026));
    // A proxy's "user:password@" after its scheme, if any.
    static const QRegularExpression credentials(
        QStringLiteral("^((?:[a-z][a-z0-9+.-]*://)?)[^/@]*@"),
        QRegularExpression::CaseInsensitiveOption);
    static const QStringList options{QStringLiteral("--cookies"),
                                     QStringLiteral("--cookies-from-browser"),
                                     QStringLiteral("--proxy"), QStringLiteral("--password"),
                                     QStringLiteral("--video-password")};
    const auto mask = [&](const QString& option, QString value) -> QString {
        if (option == options.at(1)) {
            // "browser[+keyring][:profile][::container]": the browser stays.
            const qsizetype colon = value.indexOf(QLatin1Char(':'));
            return colon < 0 ? value : value.left(colon + 1) + hidden;
        }
        if (option == options.at(2))
            return value.replace(credentials, QStringLiteral("\\1") + hidden + u'@');
        return hidden;
    };
    QStringList out;
    out.reserve(command.size());
    QString option; // the option whose value comes next
    for (const QString& arg : command) {
        if (!option.isEmpty()) {
            out << mask(std::exchange(option, {}), arg);
            continue;
        }
        const qsizetype equals = arg.indexOf(QLatin1Char('='));
        if (options.contains(arg))
            option = arg;
        else if (equals > 0 && options.contains(arg.left(equals)))
            out << arg.left(equals + 1) + mask(arg.left(equals), arg.mid(equals + 1));
        if (equals <= 0 || !options.contains(arg.left(equals)))
            out << arg;
    }
    return out;
}

QString Failure::report(const Download& job, const std::optional<QString>& engineVersion)
{
    // Each argument as a shell would take it back.
    const auto quoted = [](QString arg) {
        static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_@%+=:,./\\-\u2026]+$"));
        if (plain.match(arg).hasMatch())
            return arg;
        return u'\'' + arg.replace(QLatin1String("'"), QLatin1String("'\\''")) + u'\'';
    };
    QStringList lines{job.phase().message(), QString()};
    lines << QStringLiteral("%1 %2, yt-dlp %3")
                 .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion(),
                      engineVersion.value_or(
                          QCoreApplication::translate("reelcatch", "(version unknown)")));
    QStringList command;
    for (const QString& arg : masked(job.command()))
        command << quoted(arg);
    if (!command.isEmpty())
        lines << command.join(u' ');
    if (!job.log().isEmpty())
        lines << QString() << job.log();
    return lines.join(u'\n');
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
