// The store of jobs and history: one SQLite file in WAL mode, each batch of
// changes one transaction, the schema's version in PRAGMA user_version.
#include "appmodel/LibraryStore.h"

#include "appmodel/AppLog.h"
#include "appmodel/StoreValues.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStorageInfo>
#include <QVariant>

#include <atomic>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#else
#include <QLockFile>
#endif

namespace reelcatch {

namespace {

using Kind = Download::Phase::Kind;

// Each step brings the schema from its index to the next version; its
// statements are parted by ";".
const char* const migrations[] = {
    ("CREATE TABLE jobs (id TEXT PRIMARY KEY NOT NULL, video_id TEXT NOT NULL,"
     " title TEXT NOT NULL, channel TEXT NOT NULL, duration REAL, url TEXT NOT NULL,"
     " thumbnail TEXT, preset TEXT NOT NULL, phase TEXT NOT NULL, message TEXT NOT NULL,"
     " detail TEXT NOT NULL, file TEXT)"),
    ("CREATE TABLE history (video_id TEXT PRIMARY KEY NOT NULL, preset TEXT NOT NULL,"
     " file TEXT NOT NULL, finished INTEGER NOT NULL)"),
    // The formats picked for a job: both null for the preset's choice.
    "ALTER TABLE jobs ADD COLUMN format_ids TEXT",
    "ALTER TABLE jobs ADD COLUMN format_words TEXT",
    // The stretch a job fetches, in seconds: both null for the whole video.
    ("ALTER TABLE jobs ADD COLUMN clip_start REAL;"
     " ALTER TABLE jobs ADD COLUMN clip_end REAL"),
    // What the history shows and searches of each video, taken for the
    // videos already in it from their job where it is still listed.
    "ALTER TABLE history ADD COLUMN title TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE history ADD COLUMN channel TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE history ADD COLUMN url TEXT NOT NULL DEFAULT ''",
    ("UPDATE history SET (title, channel, url) = (SELECT j.title, j.channel, j.url FROM jobs j"
     " WHERE j.video_id = history.video_id ORDER BY j.rowid DESC LIMIT 1)"
     " WHERE video_id IN (SELECT video_id FROM jobs)"),
    "CREATE INDEX history_finished ON history (finished DESC)",
    // The playlist or channel a job was listed in: both null for none.
    ("ALTER TABLE jobs ADD COLUMN playlist_title TEXT;"
     " ALTER TABLE jobs ADD COLUMN playlist_index INTEGER"),
};
static_assert(std::size(migrations) == LibraryStore::schemaVersion);

const char* const phaseNames[] = {"queued", "downloading", "processing",
                                  "done",   "failed",      "cancelled"};

QString phaseName(Kind kind)
{
    return QLatin1String(phaseNames[std::size_t(kind)]);
}

std::optional<Kind> phaseKind(const QString& name)
{
    for (std::size_t i = 0; i < std::size(phaseNames); ++i)
        if (name == QLatin1String(phaseNames[i]))
            return Kind(i);
    return std::nullopt;
}

using StoreValues::orNull;
using StoreValues::text;

// SQLite's primary result codes that matter here.
enum SqliteCode {
    perm = 3,
    busy = 5,
    locked = 6,
    readOnly = 8,
    ioErr = 10,
    corrupt = 11,
    full = 13,
    cantOpen = 14,
    notADb = 26,
};

int codeOf(const QSqlError& error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

bool damaged(const QSqlError& error)
{
    return codeOf(error) == corrupt || codeOf(error) == notADb;
}

// A disk that reports errors may simply be full.
StoreTrouble diskTrouble(const QString& folder)
{
    const QStorageInfo disk(folder);
    return disk.isValid() && disk.bytesAvailable() < 64 * 1024 ? StoreTrouble::diskFull
                                                               : StoreTrouble::diskError;
}

// Failures that may pass, with the reason; `unusable` for the others.
StoreTrouble troubleOf(const QSqlError& error, const QString& folder)
{
    switch (codeOf(error)) {
    case full:
        return StoreTrouble::diskFull;
    case ioErr:
        return diskTrouble(folder);
    case perm:
    case readOnly:
    case cantOpen:
        return StoreTrouble::readOnly;
    case busy:
    case locked:
        return StoreTrouble::busy;
    default:
        return StoreTrouble::unusable;
    }
}

bool exec(QSqlQuery& query, const QString& sql)
{
    if (query.exec(sql))
        return true;
    qCWarning(lcAppModel) << "library:" << sql.left(40) << query.lastError().text();
    return false;
}

} // namespace

LibraryStore::LibraryStore(QString folder) : m_folder(std::move(folder))
{
    static std::atomic<int> serial{0};
    m_connection = QStringLiteral("reelcatch-library-") + QString::number(++serial);
}

LibraryStore::~LibraryStore()
{
    close();
}

QString LibraryStore::path() const
{
    return m_folder + QLatin1Char('/') + fileName();
}

void LibraryStore::closeFile()
{
    if (!QSqlDatabase::contains(m_connection))
        return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

void LibraryStore::close()
{
    closeFile();
#ifdef Q_OS_UNIX
    if (m_lock >= 0)
        ::close(std::exchange(m_lock, -1));
#else
    m_lock.reset();
#endif
}

// The kernel lets the lock go with the process: a crash leaves none behind.
// The descriptor is not inherited by the children.
LibraryStore::Opened LibraryStore::lock()
{
#ifdef Q_OS_UNIX
    if (m_lock >= 0)
        return Opened::ok;
    const QByteArray name = QFile::encodeName(path() + QStringLiteral(".lock"));
    const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        m_lock = fd;
        return Opened::ok;
    }
    const int error = errno;
    if (fd >= 0)
        ::close(fd);
    if (error == EWOULDBLOCK)
        return Opened::elsewhere;
    m_trouble = error == ENOSPC || error == EDQUOT ? StoreTrouble::diskFull
                : error == EIO                     ? StoreTrouble::diskError
                                                   : StoreTrouble::readOnly;
    qCWarning(lcAppModel) << "library: cannot lock" << name << qt_error_string(error);
    return Opened::failed;
#else
    if (m_lock)
        return Opened::ok;
    auto lock = std::make_unique<QLockFile>(path() + QStringLiteral(".lock"));
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        m_lock = std::move(lock);
        return Opened::ok;
    }
    if (lock->error() == QLockFile::LockFailedError)
        return Opened::elsewhere;
    m_trouble = StoreTrouble::readOnly;
    return Opened::failed;
#endif
}

LibraryStore::Opened LibraryStore::failed(const QSqlError& error)
{
    qCWarning(lcAppModel) << "library: cannot use" << path() << error.text();
    if (damaged(error))
        return Opened::damaged;
    m_trouble = troubleOf(error, m_folder);
    return Opened::failed;
}

LibraryStore::Opened LibraryStore::tryOpen()
{
    closeFile();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(path());
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open())
        return failed(db.lastError());
    QSqlQuery query(db);
    // Before anything is written: a newer schema's file is left as it is.
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return failed(query.lastError());
    if (const int version = query.value(0).toInt(); version > schemaVersion) {
        qCWarning(lcAppModel) << "library: schema" << version << "is newer than this build";
        return Opened::newer;
    }
    for (const char* pragma : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=FULL"})
        if (!query.exec(QLatin1String(pragma)))
            return failed(query.lastError());
    if (!query.exec(QStringLiteral("PRAGMA quick_check")))
        return failed(query.lastError());
    if (!query.next() || query.value(0).toString() != QLatin1String("ok")) {
        qCWarning(lcAppModel) << "library: the check of" << path() << "failed";
        return Opened::damaged;
    }
    return migrate();
}

LibraryStore::Opened LibraryStore::migrate()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return failed(query.lastError());
    for (int step = query.value(0).toInt(); step < schemaVersion; ++step) {
        if (!db.transaction())
            return failed(db.lastError());
        bool ok = true;
        for (const QString& statement : QString::fromLatin1(migrations[step]).split(u';'))
            ok = ok && exec(query, statement.trimmed());
        if (!ok ||
            !exec(query, QStringLiteral("PRAGMA user_version = ") + QString::number(step + 1)) ||
            !db.commit()) {
            const QSqlError error =
                query.lastError().isValid() ? query.lastError() : db.lastError();
            db.rollback();
            return failed(error);
        }
    }
    return Opened::ok;
}

std::optional<QString> LibraryStore::moveAside()
{
    const QString aside = path() + QStringLiteral(".broken-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (!QFile::rename(path(), aside))
        return std::nullopt;
    // The journal beside it belongs to it, under the name SQLite would look for.
    for (const char* suffix : {"-wal", "-shm"})
        QFile::rename(path() + QLatin1String(suffix), aside + QLatin1String(suffix));
    qCWarning(lcAppModel) << "library: the unreadable store was moved to" << aside;
    return aside;
}

LibraryStore::Opened LibraryStore::attach(LibrarySnapshot& snapshot)
{
    if (!QDir().mkpath(m_folder)) {
        m_trouble = StoreTrouble::readOnly;
        return Opened::failed;
    }
    if (const Opened locked = lock(); locked != Opened::ok)
        return locked;
    Opened opened = tryOpen();
    if (opened == Opened::ok)
        opened = read(snapshot);
    if (opened != Opened::damaged)
        return opened;
    closeFile();
    snapshot = {};
    snapshot.startedAfresh = true;
    snapshot.movedAside = moveAside();
    if (!snapshot.movedAside) {
        m_trouble = StoreTrouble::readOnly;
        return Opened::failed;
    }
    opened = tryOpen();
    return opened == Opened::ok ? read(snapshot) : opened;
}

LibrarySnapshot LibraryStore::open()
{
    using Keeping = LibrarySnapshot::Keeping;
    LibrarySnapshot snapshot;
    m_trouble = StoreTrouble::none;
    const Opened opened = attach(snapshot);
    if (opened == Opened::ok) {
        m_mode = Mode::file;
        return snapshot;
    }
    // This run's list lives in memory: for now, or for good.
    closeFile();
    const bool afresh = snapshot.startedAfresh;
    snapshot = {};
    snapshot.startedAfresh = afresh;
    if (opened == Opened::newer || opened == Opened::elsewhere) {
        m_mode = Mode::discarding;
        m_unwritten = {};
        close();
        snapshot.keeping = opened == Opened::newer ? Keeping::newerFile : Keeping::elsewhere;
    } else {
        m_mode = Mode::waiting;
        snapshot.keeping = Keeping::notYet;
        snapshot.trouble = m_trouble == StoreTrouble::none ? StoreTrouble::unusable : m_trouble;
        m_trouble = snapshot.trouble;
    }
    return snapshot;
}

LibraryStore::Opened LibraryStore::read(LibrarySnapshot& snapshot)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    if (!query.exec(
            QStringLiteral("SELECT id, video_id, title, channel, duration, url, "
                           "thumbnail, preset, phase, message, detail, file, format_ids, "
                           "format_words, clip_start, clip_end, playlist_title, playlist_index "
                           "FROM jobs "
                           "ORDER BY rowid DESC")))
        return failed(query.lastError());
    while (query.next()) {
        QJsonObject video{{QStringLiteral("id"), query.value(1).toString()},
                          {QStringLiteral("title"), query.value(2).toString()},
                          {QStringLiteral("channel"), query.value(3).toString()},
                          {QStringLiteral("webpage_url"), query.value(5).toString()}};
        if (!query.isNull(4))
            video.insert(QStringLiteral("duration"), query.value(4).toDouble());
        if (!query.isNull(6))
            video.insert(QStringLiteral("thumbnail"), query.value(6).toString());
        const std::optional<VideoItem> item = VideoItem::fromJson(video);
        const std::optional<Preset> preset = Preset::fromRawValue(query.value(7).toString());
        const std::optional<Kind> kind = phaseKind(query.value(8).toString());
        if (!item || !preset || !kind) {
            qCWarning(lcAppModel) << "library: skipped the unreadable job" << query.value(0);
            continue;
        }
        StoredJob job{QUuid::fromString(query.value(0).toString()),
                      *item,
                      *preset,
                      *kind,
                      query.value(9).toString(),
                      query.value(10).toString(),
                      query.isNull(11) ? std::nullopt
                                       : std::optional<QString>(query.value(11).toString())};
        job.fileGone = *kind == Kind::done && job.file && !QFileInfo::exists(*job.file);
        if (!query.isNull(12) && !query.value(12).toString().isEmpty())
            job.formatChoice = FormatChoice{query.value(12).toString(), query.value(13).toString()};
        if (!query.isNull(14) && !query.isNull(15))
            job.clip = ClipRange{query.value(14).toDouble(), query.value(15).toDouble()};
        if (!query.isNull(16) && !query.isNull(17))
            job.place = PlaylistPlace{query.value(16).toString(), query.value(17).toInt()};
        snapshot.jobs.append(std::move(job));
    }
    if (query.lastError().isValid() || !query.exec(QStringLiteral("SELECT video_id FROM history")))
        return failed(query.lastError());
    while (query.next())
        snapshot.downloaded.insert(query.value(0).toString());
    return query.lastError().isValid() ? failed(query.lastError()) : Opened::ok;
}

bool LibraryStore::write(LibraryChanges changes)
{
    if (m_mode == Mode::discarding)
        return true;
    m_unwritten.merge(std::move(changes));
    if (m_mode == Mode::waiting) {
        LibrarySnapshot snapshot = open();
        if (m_mode == Mode::waiting)
            return false;
        qCInfo(lcAppModel) << "library: the store can be used again";
        m_reopened = std::move(snapshot);
        if (m_mode == Mode::discarding)
            return true;
    }
    m_trouble = StoreTrouble::none;
    if (m_unwritten.isEmpty())
        return true;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.isOpen() || !db.transaction()) {
        qCWarning(lcAppModel) << "library: cannot begin a write" << db.lastError().text();
        m_trouble = troubleOf(db.lastError(), m_folder);
        return false;
    }
    QSqlQuery upsert(db);
    upsert.prepare(QStringLiteral(
        "INSERT INTO jobs (id, video_id, title, channel, duration, url, thumbnail, preset, phase,"
        " message, detail, file, format_ids, format_words, clip_start, clip_end, playlist_title,"
        " playlist_index) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
        " ON CONFLICT(id) DO UPDATE SET phase = excluded.phase, message = excluded.message,"
        " detail = excluded.detail, file = excluded.file"));
    QSqlQuery remove(db);
    remove.prepare(QStringLiteral("DELETE FROM jobs WHERE id = ?"));

    bool ok = true;
    for (const StoredJob& job : std::as_const(m_unwritten.upserts)) {
        if (!ok)
            break;
        const VideoItem& video = job.video;
        const QVariantList values{
            job.id.toString(QUuid::WithoutBraces),
            text(video.id()),
            text(video.title()),
            text(video.channel()),
            video.duration() ? QVariant(*video.duration()) : QVariant(QMetaType(QMetaType::Double)),
            text(video.url()),
            orNull(video.thumbnail() ? std::optional<QString>(video.thumbnail()->toString())
                                     : std::nullopt),
            job.preset.rawValue(),
            phaseName(job.kind),
            text(job.message),
            text(job.detail),
            orNull(job.file),
            orNull(job.formatChoice ? std::optional(job.formatChoice->formatIds) : std::nullopt),
            orNull(job.formatChoice ? std::optional(job.formatChoice->words) : std::nullopt),
            job.clip ? QVariant(job.clip->start) : QVariant(QMetaType(QMetaType::Double)),
            job.clip ? QVariant(job.clip->end) : QVariant(QMetaType(QMetaType::Double)),
            orNull(job.place ? std::optional(job.place->title) : std::nullopt),
            job.place ? QVariant(job.place->index) : QVariant(QMetaType(QMetaType::Int))};
        for (int i = 0; i < values.size(); ++i)
            upsert.bindValue(i, values.at(i));
        ok = upsert.exec();
    }
    for (const QUuid& id : std::as_const(m_unwritten.deletes)) {
        if (!ok)
            break;
        remove.bindValue(0, id.toString(QUuid::WithoutBraces));
        ok = remove.exec();
    }
    QSqlError error;
    ok = ok && writeHistory(error);
    if (ok && db.commit()) {
        m_unwritten = {};
        return true;
    }
    if (!error.isValid())
        error = db.lastError();
    for (const QSqlQuery* query : {&upsert, &remove})
        if (query->lastError().isValid())
            error = query->lastError();
    db.rollback();
    m_trouble = troubleOf(error, m_folder);
    if (m_trouble != StoreTrouble::unusable) {
        qCWarning(lcAppModel) << "library: write failed, kept for the next" << error.text();
    } else {
        m_trouble = StoreTrouble::none;
        qCWarning(lcAppModel) << "library: write refused, dropped" << error.text();
        m_unwritten = {};
    }
    return false;
}

} // namespace reelcatch
