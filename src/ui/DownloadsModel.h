#pragma once

#include "model/Download.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QSet>
#include <QTimer>

#include <memory>
#include <optional>
#include <utility>

namespace reelcatch {

class DownloadQueue;

// The download jobs as a flat list model: one row per job of the queue,
// newest first. Jobs added or taken out become row insertions and removals;
// a change of a job's own fields repaints its row alone, at most once per
// frame however often the job changes.
class DownloadsModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        // The Download (as a QObject*).
        JobRole = Qt::UserRole + 1,
        // int of Download::Phase::Kind.
        PhaseRole,
        // The bar: the fraction (0 to 1) while downloading, -1 for the
        // indeterminate bar while processing, absent when there is no bar.
        ProgressRole,
        // The status line: the failure's plain sentence when failed, the
        // pause while a paused queue holds the job, the seconds left for the
        // job the spacing between starts holds back, else the detail.
        StatusRole,
        // The names (and tooltips) of the row's icon buttons, left to right.
        ButtonsRole,
        // The preset's badge.
        PresetRole,
        // The video's thumbnail address (a QUrl), absent when it has none.
        ThumbnailRole,
        // The row's text action under the status (its label; absent when
        // none) and its Action (int).
        LinkRole,
        LinkActionRole,
    };

    enum class Action {
        cancel,
        open,
        reveal,
        retry,
        remove,
        chooseBrowser,
        updateEngine,
        openFolder,
        resumeNow
    };
    // One icon button: its symbol, and the name that is its tooltip and its
    // accessible name at once.
    struct Button {
        Action action;
        QString symbol;
        QString name;
    };
    // The icon buttons a job offers in its phase, left to right.
    static QList<Button> buttons(const Download& job);
    QString statusText(const Download& job) const;
    // The text action a job offers under its status, if any.
    std::optional<Button> link(const Download& job) const;
    // "Paused: YouTube is limiting requests. Resuming at 14:05…"
    static QString pausedText(const QDateTime& until);
    // "Starts in 8 seconds"
    static QString startsInText(int seconds);
    static QString openText();
    static QString revealText();

    explicit DownloadsModel(DownloadQueue& queue, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    std::shared_ptr<Download> job(int row) const;
    // The row of a job, -1 when it is not listed.
    int rowOf(const Download* job) const;

private:
    void watch(Download* job);
    // Repaints the waiting rows, in runs of neighbours.
    void waitingChanged();
    // Follows the job that counts down to its start, and repaints its row.
    void spacedChanged();
    void repaint(const Download* job);
    void markDirty(Download* job);
    void flush();

    DownloadQueue& m_queue;
    // Each job's row, rebuilt after the list changed.
    mutable QHash<const Download*, int> m_rows;
    mutable bool m_rowsStale = true;
    QSet<Download*> m_dirty;
    QTimer m_flush;
    // The job counting down to its start, and the second's tick of its row.
    const Download* m_countingDown = nullptr;
    QTimer m_countdown;
};

} // namespace reelcatch
