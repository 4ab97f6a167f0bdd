#pragma once

#include "model/FileNaming.h"
#include "model/Preset.h"
#include "ui/PaintedRowList.h"

#include <QListView>
#include <QTimer>

#include <functional>

namespace reelcatch {

class AppModel;
class DesktopActions;
class ResultDelegate;
class ResultsModel;
class ThumbnailCache;
class VideoItem;

// The list of lookup results in the main window: one painted row per item
// of AppModel::results() (ResultDelegate), ticked when its id is in
// AppModel::selected(). Clicking a row ticks or unticks it, Space does the
// same for the current row, the row's button downloads just that item with
// the preset chosen at that moment, and the context menu offers "Tick",
// "Download", "Choose Format…" (FormatDialog), "Download a Clip…"
// (ClipDialog), "Open on YouTube" and "Copy Link". A link's heading row
// (several links looked up together) offers "Select All" and "Select None"
// for its rows, and Space toggles them.
//
// Thumbnails are asked for only for the rows on screen and a few on either
// side; queued loads for rows scrolled away are dropped.
class ResultsList : public PaintedRowList {
    Q_OBJECT
public:
    ResultsList(AppModel& model, ThumbnailCache& thumbnails, std::function<Preset()> currentPreset,
                QWidget* parent = nullptr);

    ResultsModel& results() const { return *m_results; }
    // Used by the context menu; without one, the browser is asked directly.
    void setDesktopActions(DesktopActions* actions) { m_actions = actions; }

    // Tick or Untick, Download, Choose Format…, Download a Clip…, Open on
    // YouTube (for a web page) and Copy Link: the row's context menu and its
    // accessible actions; Select All and Select None on a heading row.
    QList<RowAction> rowActions(const QModelIndex& index) override;

    ResultDelegate* resultDelegate() const { return m_delegate; }

    // Asks which formats the video has and queues it in those picked; `place`:
    // where it was listed in a playlist or channel.
    void chooseFormat(const VideoItem& item,
                      const std::optional<PlaylistPlace>& place = std::nullopt);

    // Rows on either side of the visible ones whose thumbnails are loaded ahead.
    static constexpr int prefetchRows = 4;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void hoverMoved(QPoint pos) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = {}) override;

signals:
    // "Choose Browser…" in a failed "Choose Format…": the sign-in settings are wanted.
    void chooseBrowserRequested();

private:
    void download(const VideoItem& item, const std::optional<PlaylistPlace>& place);
    // Asks for a stretch of the video and queues it.
    void downloadClip(const VideoItem& item, const std::optional<PlaylistPlace>& place);
    void copyLink(const VideoItem& item);
    void openOnSite(const VideoItem& item);
    // Asks for the thumbnails around the visible rows and drops the rest.
    void prefetch();
    void schedulePrefetch() { m_prefetch.start(); }

    AppModel& m_model;
    ThumbnailCache& m_thumbnails;
    std::function<Preset()> m_currentPreset;
    DesktopActions* m_actions = nullptr;
    ResultsModel* m_results;
    ResultDelegate* m_delegate;
    QTimer m_prefetch;
};

} // namespace reelcatch
