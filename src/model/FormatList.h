#pragma once

#include <QByteArrayView>
#include <QCoreApplication>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

namespace reelcatch {

// How big a stream is: an exact byte count ("filesize") or yt-dlp's estimate
// from bitrate and duration ("filesize_approx"); 0 when neither is known.
struct StreamSize {
    qint64 bytes = 0;
    bool approximate = false;
};

// One format of a video that has a picture: video only, or with its own sound
// (a progressive format).
struct VideoFormat {
    QString id;           // format_id, as "-f" takes it
    int width = 0;        // 0 when unknown
    int height = 0;       // 0 when unknown
    double fps = 0;       // 0 when unknown
    QString vcodec;       // as yt-dlp gives it ("vp09.00.40.08", "avc1.640028"); empty when unknown
    QString dynamicRange; // "SDR", "HDR10", "HLG"...; empty when unknown
    QString ext;          // the container's extension
    StreamSize size;
    double tbr = 0; // total bitrate, kbit/s
    double vbr = 0; // video bitrate, kbit/s
    bool hasAudio = false;

    bool isHdr() const;
    // For a row: "1080p60 VP9", "2160p VP9 HDR", "360p H.264 with sound".
    QString description() const;
};

// One audio-only format.
struct AudioFormat {
    // What the track is to the video, as yt-dlp marks it (see
    // docs/architecture.md, "Formats and audio tracks").
    enum class Kind {
        plain,       // nothing says: a video with one track, or a site that names none
        original,    // the video's own language
        dubbed,      // another language, dubbed by people
        autoDubbed,  // another language, dubbed automatically
        description, // an audio description track
    };

    QString id;       // format_id
    QString language; // as yt-dlp gives it ("de", "en-US", "deu"), without "-desc"; may be empty
    Kind kind = Kind::plain;
    QString acodec; // empty when unknown
    QString ext;
    double abr = 0; // kbit/s, 0 when unknown
    StreamSize size;

    // For a row: "German (original)", "English (dubbed)", "English (audio
    // description)", "French".
    QString description() const;
    // The language's name in words ("German"), or the code itself when Qt
    // does not know it; empty without a language.
    QString languageName() const;
};

// The formats one video really has, from yt-dlp's answer for it ("-J" or
// "-j"), each list best first: yt-dlp's own ranking, whose "formats" array
// runs from worst to best. Pure data; parse() may run on any thread.
class FormatList {
    Q_DECLARE_TR_FUNCTIONS(reelcatch::FormatList)
public:
    // At most this many formats are kept (the best ones); a real video has
    // well under a hundred.
    static constexpr qsizetype maxFormats = 1000;

    // From the answer's text; empty when it is not a JSON object with a
    // "formats" array.
    static FormatList parse(QByteArrayView json);
    static FormatList fromJson(const QJsonObject& video);

    QList<VideoFormat> video;
    QList<AudioFormat> audio;

    bool isEmpty() const { return video.isEmpty() && audio.isEmpty(); }
    // The languages of the audio tracks other than description tracks, each
    // once: the original's first, then in the order of their best track.
    QStringList languages() const;
};

} // namespace reelcatch
