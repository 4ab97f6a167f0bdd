#pragma once

#include "Download.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QUuid>

#include <optional>

namespace reelcatch {

// One job as the store keeps it.
struct StoredJob {
    QUuid id;
    VideoItem video;
    Preset preset;
    Download::Phase::Kind kind = Download::Phase::Kind::queued;
    QString message;
    QString detail;
    std::optional<QString> file;
    // Set when read back: a done job whose file is no longer there.
    bool fileGone = false;
};

// One video downloaded to the end.
struct HistoryEntry {
    QString videoId;
    Preset preset;
    QString file;
    QDateTime finished;
};

// Changes to write in one transaction: jobs added or changed, jobs gone,
// videos finished.
struct LibraryChanges {
    QList<StoredJob> upserts;
    QList<QUuid> deletes;
    QList<HistoryEntry> history;

    bool isEmpty() const { return upserts.isEmpty() && deletes.isEmpty() && history.isEmpty(); }
    // Adds later changes to these.
    void merge(LibraryChanges later);
};

// What the store held when it was opened.
struct LibrarySnapshot {
    // Newest first, as the list shows them.
    QList<StoredJob> jobs;
    QSet<QString> downloaded;
    // Where an unreadable store was moved, when it was.
    std::optional<QString> movedAside;
    // An existing store could not be used: the list starts afresh.
    bool startedAfresh = false;
};

// The SQLite file `library.sqlite` in a folder: the download jobs and the
// history of finished videos. Synchronous; every call is made on the one
// thread that opened it.
class LibraryStore {
public:
    static constexpr int schemaVersion = 2;
    static QString fileName() { return QStringLiteral("library.sqlite"); }

    explicit LibraryStore(QString folder);
    ~LibraryStore();
    LibraryStore(const LibraryStore&) = delete;
    LibraryStore& operator=(const LibraryStore&) = delete;

    // Opens the file (made and brought to the current schema when needed)
    // and reads it. A file that cannot be read is moved aside as
    // "library.sqlite.broken-<yyyyMMdd-HHmmss>" and a fresh one made; when
    // no file can be used at all, the store lives in memory.
    LibrarySnapshot open();
    // Writes the changes, and any earlier ones that could not be written,
    // in one transaction. On failure (a full disk) they are kept for the
    // next write and false is returned.
    bool write(LibraryChanges changes);
    bool hasUnwritten() const { return !m_unwritten.isEmpty(); }
    bool inMemory() const { return m_inMemory; }
    // Caps the file at that many pages, as a disk that fills up would.
    void limitPages(int pages);
    void close();

    QString path() const;

private:
    enum class Opened { ok, busy, unreadable };
    Opened tryOpen(const QString& name);
    bool migrate();
    bool read(LibrarySnapshot& snapshot);
    std::optional<QString> moveAside();

    QString m_folder;
    QString m_connection;
    bool m_inMemory = false;
    LibraryChanges m_unwritten;
};

} // namespace reelcatch
