#include "model/Download.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

namespace reelcatch {

namespace {

// A random (version 4) id from the fast generator, which the system seeds
// once: QUuid::createUuid() asks the system for every one, which a queue of
// 100,000 jobs feels.
QUuid newId()
{
    QRandomGenerator* random = QRandomGenerator::global();
    const quint64 high = random->generate64();
    const quint64 low = random->generate64();
    return {uint(high >> 32), ushort(high >> 16), ushort((high & 0x0fff) | 0x4000),
            uchar(((low >> 56) & 0x3f) | 0x80), uchar(low >> 48), uchar(low >> 40),
            uchar(low >> 32), uchar(low >> 24), uchar(low >> 16), uchar(low >> 8), uchar(low)};
}

} // namespace

Download::Download(const VideoItem& video, Preset preset, QObject* parent)
    : Download(newId(), video, preset, parent)
{}

Download::Download(const QUuid& id, const VideoItem& video, Preset preset, QObject* parent)
    : QObject(parent), m_id(id), m_video(video), m_preset(preset),
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

void Download::beginLog(const QStringList& command)
{
    m_command = command;
    m_log.clear();
}

void Download::addLog(const QString& line, bool replacesLast)
{
    if (replacesLast && !m_log.isEmpty())
        m_log.last() = line;
    else
        m_log.append(line);
    // The oldest line goes: QList drops its first element in place.
    if (m_log.size() > logLimit)
        m_log.removeFirst();
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
