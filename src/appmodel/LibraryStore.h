#pragma once

#include "model/Download.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QUuid>

#include <memory>
#include <optional>
#include <utility>

class QLockFile;
class QSqlError;

namespace reelcatch {

// Why the list can't be written to the file for now.
enum class StoreTrouble { none, diskFull, diskError, readOnly, busy, unusable };

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
    std::optional<FormatChoice> formatChoice = {};
    std::optional<ClipRange> clip = {};
    // The playlist or channel it was listed in: where its file goes.
    std::optional<PlaylistPlace> place = {};
};

// One video downloaded to the end. Title, channel and link are empty for
// videos finished by an older build whose job was no longer listed.
struct HistoryEntry {
    QString videoId;
    Preset preset;
    QString file;
    QDateTime finished;
    QString title;
    QString channel;
    QString url;

    // What the history shows for it: the title, else the video's id.
    const QString& shownTitle() const { return title.isEmpty() ? videoId : title; }
};

// Writes the entries to `path` as CSV (UTF-8, every field quoted, a line of
// column names first), in place of what was there once all is written.
bool writeHistoryCsv(const QList<HistoryEntry>& entries, const QString& path);

// Changes to write in one transaction: jobs added or changed, jobs gone,
// videos finished, videos taken out of the history.
struct LibraryChanges {
    QList<StoredJob> upserts;
    QList<QUuid> deletes;
    QList<HistoryEntry> history;
    QList<QString> forgotten;

    bool isEmpty() const
    {
        return upserts.isEmpty() && deletes.isEmpty() && history.isEmpty() && forgotten.isEmpty();
    }
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

    // Where this run's list is kept.
    enum class Keeping {
        // In the file.
        inFile,
        // In memory until the file can be used (see `trouble`): the file is
        // left as it is and read when it can be.
        notYet,
        // In memory only: the file is of a newer schema and left untouched.
        newerFile,
        // In memory only: another running copy keeps its list in the file.
        elsewhere,
    };
    Keeping keeping = Keeping::inFile;
    StoreTrouble trouble = StoreTrouble::none;
};

// The SQLite file `library.sqlite` in a folder: the download jobs and the
// history of finished videos. Synchronous; every call is made on the one
// thread that opened it.
class LibraryStore {
public:
    static constexpr int schemaVersion = 11;
    static QString fileName() { return QStringLiteral("library.sqlite"); }

    explicit LibraryStore(QString folder);
    ~LibraryStore();
    LibraryStore(const LibraryStore&) = delete;
    LibraryStore& operator=(const LibraryStore&) = delete;

    // Locks the folder's store for this copy of the app ("library.sqlite.lock",
    // released when the store is closed or the process ends), opens the file
    // (made and brought to the current schema when needed) and reads it.
    // Only a damaged file is moved aside, as
    // "library.sqlite.broken-<yyyyMMdd-HHmmss>", and a fresh one made; a
    // file that can't be used for now (a full disk, no write access) is left
    // as it is, and so is one of a newer schema or locked by another copy.
    LibrarySnapshot open();
    // Writes the changes, and any earlier ones that could not be written,
    // in one transaction. On failure (a full disk) they are kept for the
    // next write and false is returned. While the file could not be opened,
    // each write tries it again first (see takeReopened()). While the list
    // is not to be kept (Keeping::newerFile, elsewhere) changes are dropped.
    bool write(LibraryChanges changes);
    bool hasUnwritten() const { return !m_unwritten.isEmpty(); }
    // Why the last write or open failed; none after one that worked.
    StoreTrouble trouble() const { return m_trouble; }
    // What the file held when a write could open it at last; once.
    std::optional<LibrarySnapshot> takeReopened()
    {
        return std::exchange(m_reopened, std::nullopt);
    }
    // The history, newest first: every video, or those whose title or channel
    // holds `search` (any case); `limit` of them (all: -1) after the first
    // `offset`. Nothing when the file is not in use.
    std::optional<QList<HistoryEntry>> history(const QString& search, int offset = 0,
                                               int limit = -1) const;
    // Closes the file and gives up the lock.
    void close();

    QString path() const;

private:
    enum class Opened { ok, failed, damaged, newer, elsewhere };
    enum class Mode { file, waiting, discarding };
    Opened attach(LibrarySnapshot& snapshot);
    Opened lock();
    Opened tryOpen();
    Opened failed(const QSqlError& error);
    Opened migrate();
    Opened read(LibrarySnapshot& snapshot);
    std::optional<QString> moveAside();
    void closeFile();
    // The history's part of a write: finished videos, then those forgotten.
    bool writeHistory(QSqlError& error);

    QString m_folder;
    QString m_connection;
    Mode m_mode = Mode::waiting;
    StoreTrouble m_trouble = StoreTrouble::none;
    LibraryChanges m_unwritten;
    std::optional<LibrarySnapshot> m_reopened;
#ifdef Q_OS_UNIX
    int m_lock = -1;
#else
    std::unique_ptr<QLockFile> m_lock;
#endif
};

} // namespace reelcatch
