#pragma once

#include "appmodel/DownloadQueue.h"
#include "appmodel/LibraryStore.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QTimer>

#include <memory>

class QThread;

namespace reelcatch {

// Keeps the download list and the history of finished videos in the store
// (LibraryStore, on a thread of its own), and brings them back at start.
// Changes of the queue's jobs are gathered on the GUI thread and handed to
// the store's thread once per turn of the event loop. Lives on the GUI thread.
class Library : public QObject {
    Q_OBJECT
public:
    explicit Library(DownloadQueue& queue, QObject* parent = nullptr);
    // Writes what is still pending and waits for the store's thread to end.
    ~Library() override;

    // Opens the store in `folder` and reads it on the store's thread; the
    // jobs come back into the queue when read. Once only.
    void open(const QString& folder);
    // The folder opened; empty before.
    const QString& folder() const { return m_folder; }

    // Whether a video was downloaded to the end, now or in an earlier run.
    bool isDownloaded(const QString& videoId) const { return m_downloaded.contains(videoId); }
    const QSet<QString>& downloaded() const { return m_downloaded; }

    // A note for the window: the store could not be read and the list
    // started afresh, the list can't be saved for now (until it can), or it
    // isn't kept at all (a newer app's file, another running copy's list).
    // Empty otherwise, and once dismissed.
    const QString& note() const { return m_note; }
    void dismissNote();

    // Reads the history on the store's thread, newest first: every video,
    // or those whose title or channel holds `search`; `limit` of them (all:
    // -1) after the first `offset`. Returns the ticket that historyFound()
    // carries with the entries.
    int findHistory(const QString& search, int offset = 0, int limit = -1);
    // Takes videos out of the history (their files stay where they are).
    void forget(const QList<QString>& videoIds);
    // Writes the history found for `search` to `path` as CSV, on the store's
    // thread; historyExported() tells how it went.
    void exportHistory(const QString& search, const QString& path);
    // Lets entries go on the store's thread, where freeing a long list
    // holds nobody up.
    void dispose(QList<HistoryEntry> entries);

    // How long after a failed write it is tried again, without a change.
    static constexpr int retryInterval = 30'000;

    // For quitting, before the queue stops its jobs: writes what is pending,
    // every running and waiting job as waiting, and keeps nothing after, so
    // the list comes back as the user left it.
    void keepForNextStart();

signals:
    void loaded();
    // Videos were added to the history: their ids, each new to it (the
    // history only grows).
    void historyChanged(const QList<QString>& added);
    // Videos were taken out of the history.
    void historyRemoved(const QList<QString>& removed);
    // What findHistory() found; nothing when the store is not in use. The
    // signal's own reference is let go on the store's thread once every
    // receiver has had it: one that keeps the list keeps a reference of its own.
    void historyFound(int ticket, const QList<HistoryEntry>& entries);
    void historyExported(const QString& path, bool ok);
    void noteChanged();
    // A batch of changes was written (or failed to be, and is kept for the next).
    void written(bool ok);

private:
    void watch(const DownloadPtr& job);
    void jobChanged(const DownloadPtr& job);
    void restore(const LibrarySnapshot& snapshot);
    void flush();
    void send(LibraryChanges changes);
    void wrote(bool ok, StoreTrouble trouble, const std::optional<LibrarySnapshot>& reopened);
    void setTrouble(StoreTrouble trouble);
    void setNote(const QString& note);
    template <typename Work> void post(Work work);

    DownloadQueue& m_queue;
    QThread* m_thread = nullptr;
    // Made on the GUI thread, used only on the store's.
    std::unique_ptr<LibraryStore> m_store;
    QObject* m_worker = nullptr;
    bool m_loaded = false;
    bool m_restoring = false;
    // Set by keepForNextStart(): the cancels that follow are not kept.
    bool m_closing = false;
    QSet<QString> m_downloaded;
    QString m_note;
    QString m_folder;
    // Why the list can't be saved, while it can't; the note said so.
    StoreTrouble m_trouble = StoreTrouble::none;
    QString m_troubleNote;
    QTimer m_retry;
    int m_tickets = 0;

    // The changes of this turn of the event loop.
    QHash<const Download*, DownloadPtr> m_dirty;
    QSet<const Download*> m_finished;
    LibraryChanges m_changes;
    QTimer m_flush;
};

} // namespace reelcatch
