#include "model/Preset.h"

#include <QCoreApplication>
#include <QHashFunctions>

namespace reelcatch {

std::optional<Preset> Preset::fromRawValue(const QString& raw)
{
    for (const Preset preset : allCases()) {
        if (preset.rawValue() == raw)
            return preset;
    }
    return std::nullopt;
}

const QList<Preset>& Preset::allCases()
{
    static const QList<Preset> cases{best, p2160, p1440, p1080, p720, p480, mp3, m4a};
    return cases;
}

QString Preset::rawValue() const
{
    switch (m_case) {
    case best:
        return QStringLiteral("best");
    case p2160:
        return QStringLiteral("p2160");
    case p1440:
        return QStringLiteral("p1440");
    case p1080:
        return QStringLiteral("p1080");
    case p720:
        return QStringLiteral("p720");
    case p480:
        return QStringLiteral("p480");
    case mp3:
        return QStringLiteral("mp3");
    case m4a:
        return QStringLiteral("m4a");
    }
    Q_UNREACHABLE();
    return {};
}

QString Preset::label() const
{
    switch (m_case) {
    case best:
        return QCoreApplication::translate("reelcatch::Preset", "Best available");
    case p2160:
        return QStringLiteral("4K (2160p)");
    case p1440:
        return QStringLiteral("1440p");
    case p1080:
        return QStringLiteral("1080p");
    case p720:
        return QStringLiteral("720p");
    case p480:
        return QStringLiteral("480p");
    case mp3:
        return QCoreApplication::translate("reelcatch::Preset", "Audio only (MP3)");
    case m4a:
        return QCoreApplication::translate("reelcatch::Preset", "Audio only (M4A)");
    }
    Q_UNREACHABLE();
    return {};
}

QString Preset::shortLabel() const
{
    switch (m_case) {
    case best:
        return QCoreApplication::translate("reelcatch::Preset", "Best");
    case mp3:
        return QStringLiteral("MP3");
    case m4a:
        return QStringLiteral("M4A");
    case p2160:
    case p1440:
    case p1080:
    case p720:
    case p480:
        break;
    }

    // Resolution presets: the label's last word without surrounding parentheses,
    // so "4K (2160p)" reads "2160p".
    const QString full = label();
    QStringView word = QStringView(full).mid(full.lastIndexOf(QLatin1Char(' ')) + 1);
    const auto isParen = [](QChar c) { return c == QLatin1Char('(') || c == QLatin1Char(')'); };
    while (!word.isEmpty() && isParen(word.front()))
        word = word.mid(1);
    while (!word.isEmpty() && isParen(word.back()))
        word.chop(1);
    return word.toString();
}

std::optional<int> Preset::height() const
{
    switch (m_case) {
    case p2160:
        return 2160;
    case p1440:
        return 1440;
    case p1080:
        return 1080;
    case p720:
        return 720;
    case p480:
        return 480;
    case best:
    case mp3:
    case m4a:
        break;
    }
    return std::nullopt;
}

QStringList Preset::args(bool h264) const
{
    if (m_case == mp3) {
        static const QStringList mp3Args{QStringLiteral("-f"),  QStringLiteral("ba/b"),
                                         QStringLiteral("-x"),  QStringLiteral("--audio-format"),
                                         QStringLiteral("mp3"), QStringLiteral("--audio-quality"),
                                         QStringLiteral("0")};
        return mp3Args;
    }
    if (m_case == m4a) {
        static const QStringList m4aArgs{QStringLiteral("-f"), QStringLiteral("ba[ext=m4a]/ba/b"),
                                         QStringLiteral("-x"), QStringLiteral("--audio-format"),
                                         QStringLiteral("m4a")};
        return m4aArgs;
    }

    QString sort = QStringLiteral("res");
    if (const auto h = height())
        sort += QLatin1Char(':') + QString::number(*h);
    sort +=
        h264 ? QStringLiteral(",fps,vcodec:h264,acodec:m4a") : QStringLiteral(",fps,acodec:m4a");

    return {QStringLiteral("-f"),
            QStringLiteral("bv*+ba/b"),
            QStringLiteral("-S"),
            sort,
            QStringLiteral("--merge-output-format"),
            QStringLiteral("mp4"),
            QStringLiteral("--remux-video"),
            QStringLiteral("mp4")};
}

size_t qHash(Preset preset, size_t seed) noexcept
{
    return qHash(preset.rawValue(), seed);
}

} // namespace reelcatch
