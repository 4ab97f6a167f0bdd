#include "appmodel/StartPacer.h"

#include <algorithm>

namespace reelcatch {

void StartPacer::started(const QDateTime& now)
{
    ++m_batchStarts;
    m_lastStart = now;
}

std::optional<QDateTime> StartPacer::nextStart(const QDateTime& now, int gapSeconds) const
{
    if (gapSeconds == 0 || m_batchStarts < batchHead || !m_lastStart.isValid())
        return std::nullopt;
    const QDateTime due = m_lastStart.addSecs(gapSeconds);
    if (now >= due)
        return std::nullopt;
    return due;
}

bool StartPacer::pause(const QDateTime& now)
{
    if (m_pausedUntil)
        return false;
    const bool again = m_lastLimit.isValid() && m_lastLimit.secsTo(now) < 60 * 60;
    m_pauseMinutes = again ? std::min(m_pauseMinutes * 2, longestPauseMinutes) : firstPauseMinutes;
    m_lastLimit = now;
    m_pausedUntil = now.addSecs(qint64(m_pauseMinutes) * 60);
    return true;
}

bool StartPacer::resume()
{
    if (!m_pausedUntil)
        return false;
    m_pausedUntil.reset();
    return true;
}

} // namespace reelcatch
