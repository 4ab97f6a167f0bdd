#pragma once

#include "model/Download.h"
#include "model/FormatList.h"
#include "model/Preset.h"
#include "model/VideoItem.h"

#include <QDialog>

#include <optional>

class QDialogButtonBox;
class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;

namespace reelcatch {

class AppModel;
class FormatQuery;
struct Failure;

// "Choose Format…": asks yt-dlp which formats one video really has and lets
// the person pick a video and an audio format, or audio only, best first,
// with what the preset would take picked to begin with. It opens at once,
// busy while yt-dlp answers; Cancel or Escape stops yt-dlp. Accepted, it
// holds the choice.
class FormatDialog : public QDialog {
    Q_OBJECT
public:
    FormatDialog(AppModel& model, const VideoItem& video, Preset preset, QWidget* parent = nullptr);

    const VideoItem& video() const { return m_video; }
    Preset preset() const { return m_preset; }
    // The formats picked; none while yt-dlp has not answered.
    std::optional<FormatChoice> choice() const;
    // Whether yt-dlp is being asked.
    bool isAsking() const;

    // A row of each list: what the format is, its container or codec, its
    // size and bitrate.
    static QString videoRow(const VideoFormat& format);
    static QString audioRow(const AudioFormat& format);

public slots:
    void reject() override;

private:
    void ask();
    void showFormats(const FormatList& formats);
    void showFailure(const Failure& failure);

    const VideoItem m_video;
    const Preset m_preset;
    FormatQuery* m_query;
    FormatList m_formats;
    QStackedWidget* m_pages;
    QLabel* m_busyText;
    QLabel* m_failureText;
    QPushButton* m_tryAgain;
    QListWidget* m_videoList;
    QListWidget* m_audioList;
    QDialogButtonBox* m_buttons;
};

} // namespace reelcatch
