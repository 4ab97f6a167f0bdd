#include "appmodel/Library.h"

#include "appmodel/AppLog.h"
#include "appmodel/Failure.h"

#include <QCoreApplication>
#include <QThread>

namespace reelcatch {

namespace {

using Kind = Download::Phase::Kind;

StoredJob stored(const Download& job)
{
    return {
        job.id(),           job.video(), job.preset(), job.phase().kind(), job.phase().message(),
        job.detail(),       job.file(),  false,        job.formatChoice(), job.clip(),
        job.playlistPlace()};
}

// Why the list can't be saved, in plain words.
QString reason(StoreTrouble trouble)
{
    switch (trouble) {
    case StoreTrouble::diskFull:
        return Library::tr("the disk is full");
    case StoreTrouble::diskError:
        return Library::tr("the disk reported an error");
    case StoreTrouble::readOnly:
        return Library::tr("its folder can't be written to");
    case StoreTrouble::busy:
        return Library::tr("another program is using it");
    case StoreTrouble::none:
    case StoreTrouble::unusable:
        break;
    }
    return Library::tr("its file can't be opened");
}

} // namespace

Library::Library(DownloadQueue& queue, QObject* parent) : QObject(parent), m_queue(queue)
{
    m_flush.setSingleShot(true);
    m_flush.setInterval(0);
    connect(&m_flush, &QTimer::timeout, this, &Library::flush);
    m_retry.setSingleShot(true);
    m_retry.setInterval(retryInterval);
    connect(&m_retry, &QTimer::timeout, this, [this] { send({}); });

    connect(&m_queue, &DownloadQueue::jobsAdded, this, [this](const QList<DownloadPtr>& jobs) {
        // The oldest first, so the store's order is the list's.
        for (qsizetype i = jobs.size() - 1; i >= 0; --i) {
            watch(jobs.at(i));
            if (!m_restoring)
                jobChanged(jobs.at(i));
        }
    });
    connect(&m_queue, &DownloadQueue::jobsAboutToBeRemoved, this, [this](int first, int last) {
        for (int row = first; row <= last; ++row) {
            const DownloadPtr& job = m_queue.downloads().at(row);
            job->disconnect(this);
            m_dirty.remove(job.get());
            m_finished.remove(job.get());
            if (!m_closing)
                m_changes.deletes.append(job->id());
        }
        m_flush.start();
    });
}

Library::~Library()
{
    flush();
    if (!m_thread)
        return;
    // After every write posted before it; what could not be written is
    // tried once more.
    post([store = m_store.get()] {
        if (store->hasUnwritten())
            store->write({});
        store->close();
        QThread::currentThread()->quit();
    });
    m_thread->wait();
    delete m_worker;
}

template <typename Work> void Library::post(Work work)
{
    QMetaObject::invokeMethod(m_worker, std::move(work), Qt::QueuedConnection);
}

void Library::open(const QString& folder)
{
    if (m_thread)
        return;
    m_folder = folder;
    m_store = std::make_unique<LibraryStore>(folder);
    m_thread = new QThread(this);
    m_thread->setObjectName(QStringLiteral("library"));
    m_worker = new QObject;
    m_worker->moveToThread(m_thread);
    m_thread->start();
    post([this, store = m_store.get()] {
        LibrarySnapshot snapshot = store->open();
        QMetaObject::invokeMethod(
            this, [this, snapshot = std::move(snapshot)] { restore(snapshot); },
            Qt::QueuedConnection);
    });
    // What changed before.
    m_flush.start();
}

void Library::restore(const LibrarySnapshot& snapshot)
{
    using Keeping = LibrarySnapshot::Keeping;
    QList<QString> added;
    for (const QString& id : snapshot.downloaded)
        if (!m_downloaded.contains(id))
            added.append(id);
    m_downloaded.unite(snapshot.downloaded);
    QList<DownloadPtr> jobs;
    jobs.reserve(snapshot.jobs.size());
    for (const StoredJob& kept : snapshot.jobs) {
        auto job = std::make_shared<Download>(kept.id, kept.video, kept.preset);
        job->setFormatChoice(kept.formatChoice);
        job->setClip(kept.clip);
        job->setPlaylistPlace(kept.place);
        switch (kept.kind) {
        case Kind::queued:
        case Kind::downloading:
        case Kind::processing:
            // yt-dlp takes up its part file where it left it.
            break;
        case Kind::done:
            job->setPhase(Download::Phase::done());
            job->setFraction(1);
            job->setFile(kept.file);
            job->setDetail(kept.fileGone ? tr("File moved or deleted") : kept.detail);
            break;
        case Kind::failed:
            // Read once here, as a failure is when it happens.
            job->setPhase(Failure::failedPhase(kept.message));
            job->setDetail(kept.detail);
            break;
        case Kind::cancelled:
            job->setPhase(Download::Phase::cancelled());
            job->setDetail(kept.detail);
            break;
        }
        jobs.append(std::move(job));
    }
    m_restoring = true;
    const QList<DownloadPtr> left = m_queue.restore(jobs);
    m_restoring = false;
    // Waiting twice for the same thing: the one queued meanwhile stays.
    for (const DownloadPtr& job : left)
        m_changes.deletes.append(job->id());
    m_flush.start();
    const bool first = !std::exchange(m_loaded, true);
    qCInfo(lcAppModel) << "library: read" << jobs.size() << "jobs and" << m_downloaded.size()
                       << "finished videos";
    if (snapshot.keeping == Keeping::newerFile)
        setNote(tr("This download list was saved by a newer Reelcatch. It is kept unchanged "
                   "and not used."));
    else if (snapshot.keeping == Keeping::elsewhere)
        setNote(tr("Reelcatch is already open elsewhere with this download list; this "
                   "window's list won't be kept."));
    else if (snapshot.startedAfresh)
        setNote(tr("Your download list couldn't be read and was started afresh."));
    if (snapshot.keeping == Keeping::notYet)
        setTrouble(snapshot.trouble);
    if (first)
        emit loaded();
    if (!added.isEmpty())
        emit historyChanged(added);
}

void Library::wrote(bool ok, StoreTrouble trouble, const std::optional<LibrarySnapshot>& reopened)
{
    // The file could be opened at last: what it held joins the list.
    if (reopened)
        restore(*reopened);
    setTrouble(trouble);
    emit written(ok);
}

void Library::setTrouble(StoreTrouble trouble)
{
    if (trouble == StoreTrouble::none) {
        m_retry.stop();
        m_trouble = StoreTrouble::none;
        if (!m_troubleNote.isEmpty() && m_note == m_troubleNote)
            setNote({});
        m_troubleNote.clear();
    } else {
        m_retry.start();
        // Told once for each reason, not at each try.
        if (trouble != m_trouble) {
            m_trouble = trouble;
            m_troubleNote =
                tr("Your download list can't be saved right now: %1.").arg(reason(trouble));
            setNote(m_troubleNote);
        }
    }
}

void Library::setNote(const QString& note)
{
    if (m_note == note)
        return;
    m_note = note;
    emit noteChanged();
}

void Library::dismissNote()
{
    setNote({});
}

void Library::keepForNextStart()
{
    if (m_closing)
        return;
    m_closing = true;
    for (const DownloadPtr& job : m_queue.downloads()) {
        if (!job->isFinished())
            m_dirty.insert(job.get(), job);
    }
    flush();
}

void Library::watch(const DownloadPtr& job)
{
    const std::weak_ptr<Download> weak = job;
    connect(job.get(), &Download::phaseChanged, this, [this, weak] {
        const DownloadPtr changed = weak.lock();
        if (!changed || m_closing)
            return;
        // A clip is not the video: it stays out of the history.
        if (changed->phase().kind() == Kind::done && !changed->clip()) {
            m_finished.insert(changed.get());
            const QString& id = changed->video().id();
            if (!m_downloaded.contains(id)) {
                m_downloaded.insert(id);
                emit historyChanged({id});
            }
        }
        jobChanged(changed);
    });
    connect(job.get(), &Download::fileChanged, this, [this, weak] {
        if (const DownloadPtr changed = weak.lock())
            jobChanged(changed);
    });
}

void Library::jobChanged(const DownloadPtr& job)
{
    if (m_closing)
        return;
    m_dirty.insert(job.get(), job);
    // Not restarted: a long list added a slice a turn is written a slice at a time.
    if (!m_flush.isActive())
        m_flush.start();
}

void Library::flush()
{
    m_flush.stop();
    // In the order the jobs were listed: the oldest first. The walk stops
    // once it met them all (new jobs lead the list).
    QHash<const Download*, DownloadPtr> left = std::exchange(m_dirty, {});
    QList<DownloadPtr> dirty;
    if (left.size() > 1) {
        dirty.reserve(left.size());
        const QList<DownloadPtr>& listed = m_queue.downloads();
        for (qsizetype row = 0; row < listed.size() && !left.isEmpty(); ++row) {
            if (left.remove(listed.at(row).get()))
                dirty.prepend(listed.at(row));
        }
    }
    dirty += left.values();
    for (const DownloadPtr& job : std::as_const(dirty)) {
        m_changes.upserts.append(stored(*job));
        // Stopped by quitting: yt-dlp takes it up again at the next start.
        if (m_closing && !job->isFinished())
            m_changes.upserts.last().kind = Kind::queued;
        if (m_finished.remove(job.get()))
            m_changes.history.append({job->video().id(), job->preset(),
                                      job->file().value_or(QString()),
                                      QDateTime::currentDateTimeUtc(), job->video().title(),
                                      job->video().channel(), job->video().url()});
    }
    if (!m_thread || m_changes.isEmpty())
        return;
    send(std::exchange(m_changes, {}));
}

int Library::findHistory(const QString& search, int offset, int limit)
{
    // Behind the writes of what changed before it.
    flush();
    const int ticket = ++m_tickets;
    const auto found = [this, ticket](QList<HistoryEntry> entries) {
        QMetaObject::invokeMethod(
            this,
            [this, ticket, entries = std::move(entries)]() mutable {
                emit historyFound(ticket, entries);
                // Whoever keeps them holds a reference of its own: this one
                // is let go on the store's thread, not here.
                dispose(std::move(entries));
            },
            Qt::QueuedConnection);
    };
    if (!m_thread)
        found({});
    else
        post([store = m_store.get(), search, offset, limit, found] {
            found(store->history(search, offset, limit).value_or(QList<HistoryEntry>()));
        });
    return ticket;
}

void Library::forget(const QList<QString>& videoIds)
{
    QList<QString> removed;
    for (const QString& id : videoIds)
        if (m_downloaded.remove(id))
            removed.append(id);
    if (removed.isEmpty())
        return;
    m_changes.forgotten += removed;
    m_flush.start();
    emit historyRemoved(removed);
}

void Library::exportHistory(const QString& search, const QString& path)
{
    flush();
    if (!m_thread) {
        emit historyExported(path, false);
        return;
    }
    post([this, store = m_store.get(), search, path] {
        const std::optional<QList<HistoryEntry>> entries = store->history(search);
        const bool ok = entries && writeHistoryCsv(*entries, path);
        QMetaObject::invokeMethod(
            this, [this, path, ok] { emit historyExported(path, ok); }, Qt::QueuedConnection);
    });
}

void Library::dispose(QList<HistoryEntry> entries)
{
    // Freed while the call runs, not when it is destroyed: a posted call is
    // destroyed by whichever thread lets go of it last, and that is this one
    // whenever the store's thread has run it before invokeMethod() returns.
    if (m_thread && entries.size() > 1000)
        post([entries = std::move(entries)]() mutable { QList<HistoryEntry>().swap(entries); });
}

void Library::send(LibraryChanges changes)
{
    post([this, store = m_store.get(), changes = std::move(changes)]() mutable {
        const bool ok = store->write(std::move(changes));
        QMetaObject::invokeMethod(
            this,
            [this, ok, trouble = store->trouble(), reopened = store->takeReopened()] {
                wrote(ok, trouble, reopened);
            },
            Qt::QueuedConnection);
    });
}

} // namespace reelcatch
