#include "model/Clip.h"

#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

#include <cmath>

namespace reelcatch {

QString ClipRange::label(QChar separator) const
{
    return Clip::time(start, separator) + u'\u2013' + Clip::time(end, separator);
}

namespace Clip {

QString time(double seconds, QChar separator)
{
    const qint64 total = std::isfinite(seconds) ? std::llround(std::max(0.0, seconds)) : 0;
    const QString minutes = QString::number(total % 3600 / 60);
    const QString secs = QString::number(total % 60).rightJustified(2, u'0');
    if (total < 3600)
        return minutes + separator + secs;
    return QString::number(total / 3600) + separator + minutes.rightJustified(2, u'0') + separator +
           secs;
}

std::optional<double> parseTime(const QString& text)
{
    const QString trimmed = text.trimmed();
    // h:mm:ss, m:ss or seconds; minutes and seconds after the first part
    // stay under 60.
    static const QRegularExpression clock(
        QStringLiteral(R"(^(?:(?:(\d+):)?(\d+):)?(\d+(?:[.,]\d+)?)$)"));
    if (const QRegularExpressionMatch m = clock.match(trimmed); m.hasMatch()) {
        const bool hasMinutes = m.hasCaptured(2);
        const double hours = m.captured(1).toDouble();
        const double minutes = m.captured(2).toDouble();
        const double seconds = QString(m.captured(3)).replace(u',', u'.').toDouble();
        if (hasMinutes && seconds >= 60)
            return std::nullopt;
        if (m.hasCaptured(1) && minutes >= 60)
            return std::nullopt;
        return hours * 3600 + minutes * 60 + seconds;
    }
    static const QRegularExpression units(
        QStringLiteral(R"(^(?:(\d+)h)?(?:(\d+)m)?(?:(\d+(?:\.\d+)?)s)?$)"),
        QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch m = units.match(trimmed); m.hasMatch() && !trimmed.isEmpty())
        return m.captured(1).toDouble() * 3600 + m.captured(2).toDouble() * 60 +
               m.captured(3).toDouble();
    return std::nullopt;
}

std::optional<double> linkTime(const QString& text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return std::nullopt;
    // "#t=1m30s" as well as "?t=90".
    for (const QUrlQuery& query : {QUrlQuery(url), QUrlQuery(url.fragment())}) {
        for (const char* key : {"t", "start"}) {
            if (query.hasQueryItem(QLatin1String(key)))
                return parseTime(query.queryItemValue(QLatin1String(key)));
        }
    }
    return std::nullopt;
}

} // namespace Clip

} // namespace reelcatch
