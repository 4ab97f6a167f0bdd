#pragma once

#include "Download.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QSet>
#include <QTimer>

#include <memory>
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
        // The status line: the failure message when failed, else the detail.
        StatusRole,
        // The names (and tooltips) of the row's icon buttons, left to right.
        ButtonsRole,
        // The preset's badge.
        PresetRole,
        // The video's thumbnail address (a QUrl), absent when it has none.
        ThumbnailRole,
    };

    enum class Action { cancel, open, reveal, retry, remove };
    // One icon button: its symbol, and the name that is its tooltip and its
    // accessible name at once.
    struct Button {
        Action action;
        QString symbol;
        QString name;
    };
    // The icon buttons a job offers in its phase, left to right.
    static QList<Button> buttons(const Download& job);
    static QString statusText(const Download& job);
    static QString openText();
    static QString revealText();

    explicit DownloadsModel(DownloadQueue& queue, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QHash<int, QByteArray> roleNames() const override;

    std::shared_ptr<Download> job(int row) const;
    // The row of a job, -1 when it is not listed.
    int rowOf(const Download* job) const;

private:
    void watch(Download* job);
    void markDirty(Download* job);
    void flush();

    DownloadQueue& m_queue;
    // The rows being inserted.
    std::pair<int, int> m_adding{0, -1};
    // Each job's row, rebuilt after the list changed.
    mutable QHash<const Download*, int> m_rows;
    mutable bool m_rowsStale = true;
    QSet<Download*> m_dirty;
    QTimer m_flush;
};

} // namespace reelcatch
