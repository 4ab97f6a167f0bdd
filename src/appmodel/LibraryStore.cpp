// The store of jobs and history: one SQLite file in WAL mode, each batch of
// changes one transaction, the schema's version in PRAGMA user_version.
#include "LibraryStore.h"

#include "AppLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>

namespace reelcatch {

namespace {

using Kind = Download::Phase::Kind;

// Each step brings the schema from its index to the next version.
const char* const migrations[] = {
    "CREATE TABLE jobs (id TEXT PRIMARY KEY NOT NULL, video_id TEXT NOT NULL,"
    " title TEXT NOT NULL, channel TEXT NOT NULL, duration REAL, url TEXT NOT NULL,"
    " thumbnail TEXT, preset TEXT NOT NULL, phase TEXT NOT NULL, message TEXT NOT NULL,"
    " detail TEXT NOT NULL, file TEXT)",
    "CREATE TABLE history (video_id TEXT PRIMARY KEY NOT NULL, preset TEXT NOT NULL,"
    " file TEXT NOT NULL, finished INTEGER NOT NULL)",
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

// A null QString would be bound as NULL.
QVariant text(const QString& value)
{
    return value.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(value);
}

QVariant orNull(const std::optional<QString>& value)
{
    return value ? text(*value) : QVariant(QMetaType(QMetaType::QString));
}

// Failures that may pass: a full disk, an I/O error, another writer.
bool mayPass(const QSqlError& error)
{
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == 13 || code == 10 || code == 5 || code == 6;
}

bool exec(QSqlQuery& query, const QString& sql)
{
    if (query.exec(sql))
        return true;
    qCWarning(lcAppModel) << "library:" << sql.left(40) << query.lastError().text();
    return false;
}

} // namespace

void LibraryChanges::merge(LibraryChanges later)
{
    for (const QUuid& id : std::as_const(later.deletes))
        upserts.removeIf([&id](const StoredJob& job) { return job.id == id; });
    for (StoredJob& job : later.upserts) {
        upserts.removeIf([&job](const StoredJob& old) { return old.id == job.id; });
        upserts.append(std::move(job));
    }
    deletes += later.deletes;
    history += later.history;
}

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

void LibraryStore::close()
{
    if (!QSqlDatabase::contains(m_connection))
        return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

LibraryStore::Opened LibraryStore::tryOpen(const QString& name)
{
    close();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(name);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    const auto failed = [&](const QSqlError& error) {
        qCWarning(lcAppModel) << "library: cannot use" << name << error.text();
        // Another instance holding the file is no reason to think it broken.
        const QString code = error.nativeErrorCode();
        return code == QLatin1String("5") || code == QLatin1String("6") ? Opened::busy
                                                                        : Opened::unreadable;
    };
    if (!db.open())
        return failed(db.lastError());
    QSqlQuery query(db);
    for (const char* pragma : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=FULL"})
        if (!query.exec(QLatin1String(pragma)))
            return failed(query.lastError());
    if (!query.exec(QStringLiteral("PRAGMA quick_check")))
        return failed(query.lastError());
    if (!query.next() || query.value(0).toString() != QLatin1String("ok")) {
        qCWarning(lcAppModel) << "library: the check of" << name << "failed";
        return Opened::unreadable;
    }
    return migrate() ? Opened::ok : Opened::unreadable;
}

bool LibraryStore::migrate()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    if (!exec(query, QStringLiteral("PRAGMA user_version")) || !query.next())
        return false;
    const int version = query.value(0).toInt();
    if (version > schemaVersion) {
        qCWarning(lcAppModel) << "library: schema" << version << "is newer than this build";
        return false;
    }
    for (int step = version; step < schemaVersion; ++step) {
        if (!db.transaction())
            return false;
        if (!exec(query, QLatin1String(migrations[step])) ||
            !exec(query, QStringLiteral("PRAGMA user_version = ") + QString::number(step + 1)) ||
            !db.commit()) {
            db.rollback();
            return false;
        }
    }
    return true;
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

LibrarySnapshot LibraryStore::open()
{
    const bool existed = QFileInfo::exists(path());
    LibrarySnapshot snapshot;
    const Opened opened = QDir().mkpath(m_folder) ? tryOpen(path()) : Opened::unreadable;
    if (opened == Opened::ok && read(snapshot))
        return snapshot;
    if (opened != Opened::busy && existed) {
        close();
        snapshot = {};
        snapshot.movedAside = moveAside();
        snapshot.startedAfresh = true;
        if (snapshot.movedAside && tryOpen(path()) == Opened::ok && read(snapshot))
            return snapshot;
    }
    // Nowhere to keep anything: this run's list lives in memory.
    m_inMemory = true;
    tryOpen(QStringLiteral(":memory:"));
    snapshot.jobs.clear();
    snapshot.downloaded.clear();
    snapshot.startedAfresh = existed;
    return snapshot;
}

bool LibraryStore::read(LibrarySnapshot& snapshot)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    if (!exec(query, QStringLiteral("SELECT id, video_id, title, channel, duration, url, "
                                    "thumbnail, preset, phase, message, detail, file FROM jobs "
                                    "ORDER BY rowid DESC")))
        return false;
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
        snapshot.jobs.append(std::move(job));
    }
    if (!exec(query, QStringLiteral("SELECT video_id FROM history")))
        return false;
    while (query.next())
        snapshot.downloaded.insert(query.value(0).toString());
    return true;
}

bool LibraryStore::write(LibraryChanges changes)
{
    m_unwritten.merge(std::move(changes));
    if (m_unwritten.isEmpty())
        return true;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.isOpen() || !db.transaction()) {
        qCWarning(lcAppModel) << "library: cannot begin a write" << db.lastError().text();
        return false;
    }
    QSqlQuery upsert(db);
    upsert.prepare(QStringLiteral(
        "INSERT INTO jobs (id, video_id, title, channel, duration, url, thumbnail, preset, phase,"
        " message, detail, file) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
        " ON CONFLICT(id) DO UPDATE SET phase = excluded.phase, message = excluded.message,"
        " detail = excluded.detail, file = excluded.file"));
    QSqlQuery remove(db);
    remove.prepare(QStringLiteral("DELETE FROM jobs WHERE id = ?"));
    QSqlQuery history(db);
    history.prepare(QStringLiteral(
        "INSERT INTO history (video_id, preset, file, finished) VALUES (?, ?, ?, ?)"
        " ON CONFLICT(video_id) DO UPDATE SET preset = excluded.preset,"
        " file = excluded.file, finished = excluded.finished"));

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
            orNull(job.file)};
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
    for (const HistoryEntry& entry : std::as_const(m_unwritten.history)) {
        if (!ok)
            break;
        history.bindValue(0, entry.videoId);
        history.bindValue(1, entry.preset.rawValue());
        history.bindValue(2, text(entry.file));
        history.bindValue(3, entry.finished.toSecsSinceEpoch());
        ok = history.exec();
    }
    if (ok && db.commit()) {
        m_unwritten = {};
        return true;
    }
    QSqlError error = db.lastError();
    for (const QSqlQuery* query : {&upsert, &remove, &history})
        if (query->lastError().isValid())
            error = query->lastError();
    db.rollback();
    if (mayPass(error)) {
        qCWarning(lcAppModel) << "library: write failed, kept for the next" << error.text();
    } else {
        qCWarning(lcAppModel) << "library: write refused, dropped" << error.text();
        m_unwritten = {};
    }
    return false;
}

void LibraryStore::limitPages(int pages)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    exec(query, QStringLiteral("PRAGMA max_page_count = ") + QString::number(pages));
}

} // namespace reelcatch
