#pragma once

#include "model/Clip.h"
#include "model/FileNaming.h"
#include "model/Preset.h"
#include "model/VideoItem.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <optional>

namespace reelcatch {

// What a download's failure was about, read from its message once, when it
// failed or was brought back from the store (Failure in the app model reads
// it and says what each kind means).
enum class FailureKind : quint8 {
    botCheck,
    ageRestricted,
    privateVideo,
    rateLimited,
    unavailable,
    engineOutdated,
    offline,
    diskFull,
    formatUnavailable,
    other,
};

// The formats a person picked for one download in place of the preset's
// choice: yt-dlp's ids as "-f" takes them ("137+140", or "140" for sound
// only), and what they are in words ("1080p H.264 + German (original)").
struct FormatChoice {
    QString formatIds;
    QString words;

    friend bool operator==(const FormatChoice&, const FormatChoice&) = default;
};

// One download job: one video fetched with one preset, as its row shows it.
// Shared by the queue and the list that shows it; written on the GUI thread
// only.
class Download : public QObject {
    Q_OBJECT
public:
    class Phase {
    public:
        enum class Kind { queued, downloading, processing, done, failed, cancelled };

        static Phase queued() { return Phase(Kind::queued); }
        static Phase downloading() { return Phase(Kind::downloading); }
        static Phase processing() { return Phase(Kind::processing); }
        static Phase done() { return Phase(Kind::done); }
        static Phase failed(const QString& message, FailureKind failure = FailureKind::other)
        {
            return Phase(Kind::failed, message, failure);
        }
        static Phase cancelled() { return Phase(Kind::cancelled); }

        Kind kind() const { return m_kind; }
        // The failure message; empty for every other kind.
        const QString& message() const { return m_message; }
        // What the failure was about; `other` for every other kind.
        FailureKind failure() const { return m_failure; }

        friend bool operator==(const Phase& a, const Phase& b)
        {
            return a.m_kind == b.m_kind && a.m_message == b.m_message && a.m_failure == b.m_failure;
        }
        friend bool operator!=(const Phase& a, const Phase& b) { return !(a == b); }

    private:
        explicit Phase(Kind kind, QString message = {}, FailureKind failure = FailureKind::other)
            : m_kind(kind), m_message(std::move(message)), m_failure(failure)
        {}
        Kind m_kind;
        QString m_message;
        FailureKind m_failure;
    };

    Download(const VideoItem& video, Preset preset, QObject* parent = nullptr);
    // A job brought back from the store under the id it was kept with.
    Download(const QUuid& id, const VideoItem& video, Preset preset, QObject* parent = nullptr);

    const QUuid& id() const { return m_id; }
    const VideoItem& video() const { return m_video; }
    Preset preset() const { return m_preset; }
    // The formats picked for it; none: the preset's choice. Set before the
    // job is listed, kept by every retry.
    const std::optional<FormatChoice>& formatChoice() const { return m_formatChoice; }
    void setFormatChoice(const std::optional<FormatChoice>& choice) { m_formatChoice = choice; }
    // The stretch of the video it fetches; none: the whole video. Set before
    // the job is listed, kept by every retry.
    const std::optional<ClipRange>& clip() const { return m_clip; }
    void setClip(const std::optional<ClipRange>& clip) { m_clip = clip; }
    // The playlist or channel it was listed in (none for a video of its own),
    // set before the job is listed.
    const std::optional<PlaylistPlace>& playlistPlace() const { return m_place; }
    void setPlaylistPlace(const std::optional<PlaylistPlace>& place) { m_place = place; }

    const Phase& phase() const { return m_phase; }
    void setPhase(const Phase& phase);
    double fraction() const { return m_fraction; }
    void setFraction(double fraction);
    const QString& detail() const { return m_detail; }
    void setDetail(const QString& detail);
    // The final file yt-dlp reported after moving it into place.
    const std::optional<QString>& file() const { return m_file; }
    void setFile(const std::optional<QString>& file);

    // The command line of the job's last run and the last lines it printed
    // (logLimit at most), for its log and an error report; in memory only.
    const QStringList& command() const { return m_command; }
    const QStringList& log() const { return m_log; }
    static constexpr int logLimit = 200;
    // A new run: its command line, and an empty log.
    void beginLog(const QStringList& command);
    // A line of the run's output, in place of the last one if `replacesLast`.
    void addLog(const QString& line, bool replacesLast = false);

    bool isActive() const;
    bool isFinished() const;

signals:
    void phaseChanged();
    void fractionChanged();
    void detailChanged();
    void fileChanged();
    // After any published field changed.
    void changed();

private:
    const QUuid m_id;
    const VideoItem m_video;
    const Preset m_preset;
    std::optional<FormatChoice> m_formatChoice;
    std::optional<ClipRange> m_clip;
    std::optional<PlaylistPlace> m_place;
    Phase m_phase = Phase::queued();
    double m_fraction = 0;
    QString m_detail;
    std::optional<QString> m_file;
    QStringList m_command;
    QStringList m_log;
};

} // namespace reelcatch
