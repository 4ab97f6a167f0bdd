#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace reelcatch {

// The closed list of quality and format choices a download can be made with.
class Preset {
public:
    enum Case { best, p2160, p1440, p1080, p720, p480, mp3, m4a };

    constexpr Preset(Case c = p1080) : m_case(c) {}

    // Exact, case-sensitive match of one of the eight raw values; nothing otherwise.
    static std::optional<Preset> fromRawValue(const QString& raw);
    static const QList<Preset>& allCases();

    Case value() const { return m_case; }
    QString rawValue() const;
    QString id() const { return rawValue(); }
    QString label() const;
    // The row badge text ("short" in the design; a C++ keyword, hence the name).
    QString shortLabel() const;
    bool isAudio() const { return m_case == mp3 || m_case == m4a; }
    std::optional<int> height() const;

    // yt-dlp's format arguments for this preset.
    QStringList args(bool h264) const;

    friend constexpr bool operator==(Preset a, Preset b) { return a.m_case == b.m_case; }
    friend constexpr bool operator!=(Preset a, Preset b) { return a.m_case != b.m_case; }

private:
    Case m_case;
};

size_t qHash(Preset preset, size_t seed = 0) noexcept;

} // namespace reelcatch
