#pragma once

#include "ui/DownloadsModel.h"
#include "ui/PaintedRowList.h"

#include <QSet>

#include <QListView>
#include <QTimer>

#include <functional>
#include <memory>

namespace reelcatch {

class AppModel;
class DesktopActions;
class DownloadDelegate;
class ThumbnailCache;

// The list of download jobs in the main window: one painted row per job of
// AppModel::downloads(), newest first (DownloadDelegate). The row's icon
// buttons and its context menu cancel, retry and remove the job through the
// model, and open or reveal a finished file through the desktop; Delete
// removes the selected row once its job has finished, Return opens its file.
class DownloadsList : public PaintedRowList {
    Q_OBJECT
public:
    DownloadsList(AppModel& model, ThumbnailCache& thumbnails, DesktopActions& actions,
                  QWidget* parent = nullptr);

    DownloadDelegate* downloadDelegate() const { return m_delegate; }
    // How a finished file is opened in its default application; by default
    // through QDesktopServices.
    void setFileOpener(std::function<void(const QString& path)> opener)
    {
        m_openFile = std::move(opener);
    }

    // Does what the row's button or menu item of that action does.
    void perform(DownloadsModel::Action action, const std::shared_ptr<Download>& job);
    // The row's link action, its buttons, Copy Error, Copy Link and Remove
    // from List: its context menu and its accessible actions.
    QList<RowAction> rowActions(const QModelIndex& index) override;

signals:
    // A row's "Choose Browser…": the sign-in settings are wanted.
    void chooseBrowserRequested();

protected:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = {}) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hoverMoved(QPoint pos) override;

private:
    // Runs the indeterminate bars' animation while any job is processing:
    // rows [first, last] are looked at again, or every row when first < 0.
    void updateAnimation(int first = -1, int last = -1);
    void animate();
    // The window with the log of the job's last run, and a Copy button.
    void showLog(const Download& job);

    AppModel& m_model;
    ThumbnailCache& m_thumbnails;
    DesktopActions& m_actions;
    std::function<void(const QString&)> m_openFile;
    DownloadsModel* m_downloads;
    DownloadDelegate* m_delegate;
    QTimer m_animation;
    // The jobs processing, so that a row's change looks at that row only.
    QSet<const Download*> m_processing;
};

} // namespace reelcatch
