// The store's history of finished videos: written with each batch of
// changes, read newest first (the whole of it or what matches a search) and
// written out as CSV; and how batches not yet written are merged.
#include "appmodel/AppLog.h"
#include "appmodel/LibraryStore.h"
#include "appmodel/StoreValues.h"

#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace reelcatch {

namespace {

using StoreValues::text;

// `search` as a LIKE pattern that finds it anywhere, its wildcards taken literally.
QString containing(QString search)
{
    search.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('%'), QLatin1String("\\%"))
        .replace(QLatin1Char('_'), QLatin1String("\\_"));
    return QLatin1Char('%') + search + QLatin1Char('%');
}

// One CSV field, always quoted. Text that a spreadsheet would take for a
// formula is led by an apostrophe.
QString csvField(const QString& value)
{
    QString field = value;
    if (!field.isEmpty() && QStringView(u"=+-@\t\r").contains(field.front()))
        field.prepend(QLatin1Char('\''));
    field.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

} // namespace

bool LibraryStore::writeHistory(QSqlError& error)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery add(db);
    add.prepare(QStringLiteral(
        "INSERT INTO history (video_id, preset, file, finished, title, channel, url)"
        " VALUES (?, ?, ?, ?, ?, ?, ?)"
        " ON CONFLICT(video_id) DO UPDATE SET preset = excluded.preset, file = excluded.file,"
        " finished = excluded.finished, title = excluded.title, channel = excluded.channel,"
        " url = excluded.url"));
    for (const HistoryEntry& entry : std::as_const(m_unwritten.history)) {
        const QVariantList values{entry.videoId,     entry.preset.rawValue(),
                                  text(entry.file),  entry.finished.toSecsSinceEpoch(),
                                  text(entry.title), text(entry.channel),
                                  text(entry.url)};
        for (int i = 0; i < values.size(); ++i)
            add.bindValue(i, values.at(i));
        if (!add.exec()) {
            error = add.lastError();
            return false;
        }
    }
    QSqlQuery forget(db);
    forget.prepare(QStringLiteral("DELETE FROM history WHERE video_id = ?"));
    for (const QString& id : std::as_const(m_unwritten.forgotten)) {
        forget.bindValue(0, id);
        if (!forget.exec()) {
            error = forget.lastError();
            return false;
        }
    }
    return true;
}

std::optional<QList<HistoryEntry>> LibraryStore::history(const QString& search, int offset,
                                                         int limit) const
{
    if (m_mode != Mode::file)
        return std::nullopt;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    const QString words = search.trimmed();
    query.prepare(QStringLiteral("SELECT video_id, preset, file, finished, title, channel, url"
                                 " FROM history") +
                  (words.isEmpty() ? QString()
                                   : QStringLiteral(" WHERE title LIKE ? ESCAPE '\\'"
                                                    " OR channel LIKE ? ESCAPE '\\'"
                                                    " OR (title = '' AND video_id LIKE ?"
                                                    " ESCAPE '\\')")) +
                  QStringLiteral(" ORDER BY finished DESC, rowid DESC LIMIT ? OFFSET ?"));
    int bound = 0;
    for (; bound < 3 && !words.isEmpty(); ++bound)
        query.bindValue(bound, containing(words));
    query.bindValue(bound, limit);
    query.bindValue(bound + 1, offset);
    if (!query.exec()) {
        qCWarning(lcAppModel) << "library: cannot read the history" << query.lastError().text();
        return std::nullopt;
    }
    QList<HistoryEntry> entries;
    while (query.next()) {
        const std::optional<Preset> preset = Preset::fromRawValue(query.value(1).toString());
        entries.append(
            {query.value(0).toString(), preset.value_or(Preset::best), query.value(2).toString(),
             QDateTime::fromSecsSinceEpoch(query.value(3).toLongLong()), query.value(4).toString(),
             query.value(5).toString(), query.value(6).toString()});
    }
    return entries;
}

bool writeHistoryCsv(const QList<HistoryEntry>& entries, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QString lines = QStringLiteral("Title,Channel,Link,Preset,Finished,File,Video ID\r\n");
    for (const HistoryEntry& entry : entries) {
        const QStringList fields{entry.shownTitle(),
                                 entry.channel,
                                 entry.url,
                                 entry.preset.rawValue(),
                                 entry.finished.toUTC().toString(Qt::ISODate),
                                 entry.file,
                                 entry.videoId};
        for (const QString& field : fields)
            lines += csvField(field) + QLatin1Char(',');
        lines.back() = QLatin1Char('\r');
        lines += QLatin1Char('\n');
        if (lines.size() > 1 << 16)
            file.write(std::exchange(lines, {}).toUtf8());
    }
    file.write(lines.toUtf8());
    return file.commit();
}

void LibraryChanges::merge(LibraryChanges later)
{
    for (const QUuid& id : std::as_const(later.deletes))
        upserts.removeIf([&id](const StoredJob& job) { return job.id == id; });
    for (StoredJob& job : later.upserts) {
        upserts.removeIf([&job](const StoredJob& old) { return old.id == job.id; });
        upserts.append(std::move(job));
    }
    deletes += later.deletes;
    // A video forgotten after it finished, or finished again after it was.
    for (const QString& id : std::as_const(later.forgotten))
        history.removeIf([&id](const HistoryEntry& entry) { return entry.videoId == id; });
    for (const HistoryEntry& entry : std::as_const(later.history))
        forgotten.removeAll(entry.videoId);
    history += later.history;
    forgotten += later.forgotten;
}

} // namespace reelcatch
