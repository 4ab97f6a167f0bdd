#pragma once

#include "model/Clip.h"
#include "model/Preset.h"
#include "model/VideoItem.h"

#include <QDialog>

#include <optional>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace reelcatch {

// "Download a Clip…": asks where a stretch of one video starts and ends
// (h:mm:ss, m:ss or seconds; a link pasted with its time gives its time) and
// shows the video's length when it is known. Download stays off, and a plain
// sentence says why, until the end comes after the start and within the
// video. Accepted, it holds the range.
class ClipDialog : public QDialog {
    Q_OBJECT
public:
    ClipDialog(const VideoItem& video, Preset preset, QWidget* parent = nullptr);

    const VideoItem& video() const { return m_video; }
    Preset preset() const { return m_preset; }
    // The range typed; none while it is not a valid one.
    std::optional<ClipRange> clip() const;

    // What the fields say: a time, or a link's time.
    static std::optional<double> fieldTime(const QString& text);

private:
    // Puts a pasted link's time in place of the link.
    void takeLinkTime(QLineEdit* field, qsizetype before);
    void validate();

    const VideoItem m_video;
    const Preset m_preset;
    QLineEdit* m_start;
    QLineEdit* m_end;
    QLabel* m_message;
    QDialogButtonBox* m_buttons;
    QPushButton* m_download;
};

} // namespace reelcatch
