#include "Download.h"

#include <algorithm>
#include <cmath>

namespace reelcatch {

Download::Download(const VideoItem& video, Preset preset, QObject* parent)
    : QObject(parent), m_id(QUuid::createUuid()), m_video(video), m_preset(preset),
      m_detail(tr("Waiting\u2026"))
{}

void Download::setPhase(const Phase& phase)
{
    if (m_phase == phase)
        return;
    m_phase = phase;
    emit phaseChanged();
    emit changed();
}

void Download::setFraction(double fraction)
{
    // A progress bar only understands 0 to 1; anything outside (or not a
    // number at all) from a misread progress line is pinned to the range.
    if (std::isnan(fraction))
        fraction = 0;
    fraction = std::clamp(fraction, 0.0, 1.0);
    if (m_fraction == fraction)
        return;
    m_fraction = fraction;
    emit fractionChanged();
    emit changed();
}

void Download::setDetail(const QString& detail)
{
    if (m_detail == detail)
        return;
    m_detail = detail;
    emit detailChanged();
    emit changed();
}

void Download::setFile(const std::optional<QString>& file)
{
    if (m_file == file)
        return;
    m_file = file;
    emit fileChanged();
    emit changed();
}

bool Download::isActive() const
{
    const auto kind = m_phase.kind();
    return kind == Phase::Kind::downloading || kind == Phase::Kind::processing;
}

bool Download::isFinished() const
{
    const auto kind = m_phase.kind();
    return kind == Phase::Kind::done || kind == Phase::Kind::failed ||
           kind == Phase::Kind::cancelled;
}

} // namespace reelcatch
