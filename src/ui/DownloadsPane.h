#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QStackedLayout;

namespace reelcatch {

class AppModel;
class DesktopActions;
class DownloadsList;
class ThumbnailCache;

// The lower pane of the main window: the downloads bar (title, summary of
// running and waiting jobs, Open Folder, Clear Finished) over the list of
// jobs, or "Nothing here yet." while there are none.
class DownloadsPane : public QWidget {
    Q_OBJECT
public:
    DownloadsPane(AppModel& model, ThumbnailCache& thumbnails, DesktopActions& actions,
                  QWidget* parent = nullptr);

    // "2 downloading · 5 queued", either part alone, or empty.
    static QString summary(int active, int queued);

    QPushButton* openFolderButton() const { return m_openFolder; }
    QPushButton* clearFinishedButton() const { return m_clearFinished; }
    DownloadsList* list() const { return m_list; }
    bool showsList() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void refresh();

    AppModel& m_model;
    DesktopActions& m_actions;
    QLabel* m_summary = nullptr;
    QPushButton* m_openFolder = nullptr;
    QPushButton* m_clearFinished = nullptr;
    QStackedLayout* m_stack = nullptr;
    QLabel* m_nothing = nullptr;
    DownloadsList* m_list = nullptr;
};

} // namespace reelcatch
