#pragma once

#include "appmodel/Failure.h"
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

// "Choose Format…": asks yt-dlp which formats one video really has and lets
// the person pick a video and an audio format, or audio only, best first,
// with what the preset would take picked to begin with. A video format with
// sound of its own keeps it: the audio list then offers that sound alone. It
// opens at once, busy while yt-dlp answers; Cancel or Escape stops yt-dlp. A
// failed answer shows the plain sentence with the action a download's row
// offers for that failure, and Try Again. Accepted, it holds the choice.
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

signals:
    // "Choose Browser…" or "Open Folder" after a failure: the sign-in
    // settings, or the download folder, are wanted.
    void chooseBrowserRequested();
    void openFolderRequested();

public slots:
    void reject() override;

private:
    void ask();
    void showFormats(const FormatList& formats);
    void showFailure(const Failure& failure, const QString& message);
    void act();
    // A video format with sound of its own takes no other: the audio list
    // offers that sound; otherwise the track picked before.
    void videoPicked();
    const VideoFormat* pickedVideo() const;

    AppModel& m_model;
    const VideoItem m_video;
    const Preset m_preset;
    FormatQuery* m_query;
    FormatList m_formats;
    QStackedWidget* m_pages;
    QLabel* m_busyText;
    QLabel* m_failureText;
    QPushButton* m_tryAgain;
    QPushButton* m_failureAction;
    Failure::Action m_action = Failure::Action::none;
    // The audio format picked last (an index into m_formats.audio).
    int m_audioPick = -1;
    QListWidget* m_videoList;
    QListWidget* m_audioList;
    QDialogButtonBox* m_buttons;
};

} // namespace reelcatch
