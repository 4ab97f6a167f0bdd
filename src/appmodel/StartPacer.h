#pragma once

#include <QDateTime>

#include <optional>

namespace reelcatch {

// When downloads may start, so that a big batch does not run into YouTube's
// limit: the first starts of a batch at once, then one per gap; and the
// pause after YouTube limited requests, doubled when it does again within
// the hour. Times are handed in, so it holds no clock and no timer.
class StartPacer {
public:
    // How many jobs of a batch (started since the queue was last idle) start
    // without a pause between them.
    static constexpr int batchHead = 10;
    // The pause after YouTube limited requests; each further limit within an
    // hour of the last doubles it, up to the longest.
    static constexpr int firstPauseMinutes = 15;
    static constexpr int longestPauseMinutes = 60;
    // A job that meets the limit this many times in a row without getting
    // any bytes between fails instead of waiting again.
    static constexpr int limitsInARow = 3;

    // No download runs or waits: the next start begins a new batch.
    void idle() { m_batchStarts = 0; }
    void started(const QDateTime& now);
    // Empty when a download may start now with `gapSeconds` between starts,
    // else when it may.
    std::optional<QDateTime> nextStart(const QDateTime& now, int gapSeconds) const;

    // Pauses for the limit met at `now`; false when a pause is on already
    // (runs under way when the limit began meet it too: one pause).
    bool pause(const QDateTime& now);
    // Ends the pause; false when there was none.
    bool resume();
    const std::optional<QDateTime>& pausedUntil() const { return m_pausedUntil; }
    int pauseMinutes() const { return m_pauseMinutes; }

private:
    int m_batchStarts = 0;
    QDateTime m_lastStart;
    std::optional<QDateTime> m_pausedUntil;
    // When YouTube last limited requests, and the pause it brought.
    QDateTime m_lastLimit;
    int m_pauseMinutes = 0;
};

} // namespace reelcatch
