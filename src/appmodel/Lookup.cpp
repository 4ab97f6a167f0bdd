// Running a lookup and publishing what it found.
#include "appmodel/Lookup.h"

#include "appmodel/AppLog.h"
#include "appmodel/EngineReadiness.h"
#include "appmodel/ListingLines.h"
#include "engine/Engine.h"
#include "engine/YtdlpArgs.h"
#include "model/ShownText.h"

#include <QMetaObject>
#include <QMutex>
#include <QThreadPool>

#include <atomic>

namespace reelcatch {

// yt-dlp's answer on its way from standard output to rows, a line an entry.
// The GUI thread hands over each piece as it arrives; a task of the thread
// pool reads the lines and sets the new items ready, and the GUI thread is
// called (queued) to take what is ready, one call pending at a time: rows
// follow yt-dlp within a frame when it prints slowly, and come in batches
// as big as the GUI thread keeps up with when it prints fast.
class LookupStream : public std::enable_shared_from_this<LookupStream> {
public:
    struct Ready {
        QList<VideoItem> items;
        QString title;
        bool done = false; // the last piece is read; nothing more comes
        bool anyObject = false;
        qsizetype unreadable = 0;
    };

    LookupStream(Lookup* receiver, quint64 generation)
        : m_receiver(receiver), m_generation(generation)
    {}

    // GUI thread: the next piece of standard output.
    void hand(QByteArray piece)
    {
        if (piece.isEmpty())
            return;
        QMutexLocker lock(&m_mutex);
        m_incoming.append(std::move(piece));
        startDrain(lock);
    }

    // GUI thread: the answer has ended; what is left is read and handed on
    // with `done`.
    void close()
    {
        QMutexLocker lock(&m_mutex);
        m_closed = true;
        startDrain(lock);
    }

    // GUI thread: nothing more is wanted; pieces still waiting are dropped.
    void detach()
    {
        QMutexLocker lock(&m_mutex);
        m_receiver = nullptr;
        m_detached = true;
        startDrain(lock); // which lets go of what was read
    }

    // GUI thread, in the queued call: what is ready, at most `handBack`
    // items; the rest comes in the next call, queued at once, so the GUI
    // thread's turns stay short when yt-dlp prints faster than rows go in.
    Ready take()
    {
        QMutexLocker lock(&m_mutex);
        if (m_ready.items.size() > handBack) {
            Ready ready{m_ready.items.first(handBack), m_ready.title, false, m_ready.anyObject,
                        m_ready.unreadable};
            m_ready.items.remove(0, handBack);
            post(lock);
            return ready;
        }
        m_callPending = false;
        Ready ready = std::move(m_ready);
        m_ready = {};
        return ready;
    }

private:
    void startDrain(QMutexLocker<QMutex>& lock)
    {
        if (m_draining)
            return;
        m_draining = true;
        lock.unlock();
        QThreadPool::globalInstance()->start([self = shared_from_this()] { self->drain(); });
    }

    // One task at a time: a new one starts only after the last let go.
    void drain()
    {
        for (;;) {
            // What was read is freed here, never on the GUI thread.
            if (m_detached)
                m_lines.reset();
            QList<QByteArray> batch;
            bool finishing = false;
            {
                QMutexLocker lock(&m_mutex);
                if (m_incoming.isEmpty()) {
                    if (!m_closed || m_finished || m_detached) {
                        m_draining = false;
                        return;
                    }
                    m_finished = finishing = true;
                }
                batch.swap(m_incoming);
            }
            if (m_detached || !m_lines)
                continue;
            for (const QByteArray& piece : std::as_const(batch))
                m_lines->feed(piece);
            batch.clear();
            if (finishing)
                m_lines->finish();
            publish(finishing);
            if (finishing)
                m_lines.reset();
        }
    }

    void publish(bool done)
    {
        QList<VideoItem> items = m_lines->takeItems();
        QMutexLocker lock(&m_mutex);
        if (m_ready.items.isEmpty())
            m_ready.items = std::move(items);
        else
            m_ready.items.append(std::move(items));
        m_ready.title = m_lines->title();
        m_ready.done = m_ready.done || done;
        m_ready.anyObject = m_lines->anyObject();
        m_ready.unreadable = m_lines->unreadable();
        if (m_callPending || (m_ready.items.isEmpty() && !m_ready.done))
            return;
        post(lock);
    }

    void post(const QMutexLocker<QMutex>&)
    {
        if (!m_receiver) {
            m_callPending = false;
            return;
        }
        m_callPending = true;
        // Posted under the lock: the receiver cannot be destroyed meanwhile,
        // as it detaches first; a call it has not run dies with it.
        QMetaObject::invokeMethod(
            m_receiver,
            [receiver = m_receiver, generation = m_generation, self = shared_from_this()] {
                receiver->collect(generation, *self);
            },
            Qt::QueuedConnection);
    }

    static constexpr qsizetype handBack = 1000;

    QMutex m_mutex;
    // Guarded by m_mutex.
    Lookup* m_receiver;
    QList<QByteArray> m_incoming;
    bool m_draining = false;
    bool m_closed = false;
    bool m_finished = false;
    bool m_callPending = false;
    Ready m_ready;
    // Set on the GUI thread, read by the task.
    std::atomic<bool> m_detached = false;
    const quint64 m_generation;
    // The task's own, one task after the other.
    std::unique_ptr<ListingLines> m_lines = std::make_unique<ListingLines>();
};

Lookup::Lookup(Engine& engine, EngineReadiness& readiness, QObject* parent)
    : QObject(parent), m_engine(engine), m_readiness(readiness)
{}

Lookup::~Lookup()
{
    if (m_stream)
        m_stream->detach();
}

template <typename T> void Lookup::publish(T& field, T value, void (Lookup::*fieldChanged)())
{
    if (field == value)
        return;
    field = std::move(value);
    emit(this->*fieldChanged)();
}

void Lookup::setInput(const QString& input)
{
    publish(m_input, input, &Lookup::inputChanged);
}

void Lookup::setIsFetching(bool fetching)
{
    publish(m_isFetching, fetching, &Lookup::isFetchingChanged);
}

void Lookup::setFetchError(const std::optional<QString>& error)
{
    publish(m_fetchError, error, &Lookup::fetchErrorChanged);
}

void Lookup::setResults(QList<VideoItem> results)
{
    // Always announced: comparing two long lists would cost more than a redraw.
    QList<VideoItem> old = std::exchange(m_results, std::move(results));
    emit resultsChanged();
    // Freeing a channel's worth of items takes tens of milliseconds; the
    // thread pool does it (their strings are shared thread-safely).
    if (old.size() >= 1000)
        QThreadPool::globalInstance()->start([old = std::move(old)]() mutable { old = {}; });
}

void Lookup::setResultsTitle(const QString& title)
{
    publish(m_resultsTitle, title, &Lookup::resultsTitleChanged);
}

void Lookup::setSelected(QSet<QString> selected)
{
    m_ticking = Ticking::none;
    replaceSelected(std::move(selected));
}

void Lookup::setTicked(const QString& id, bool ticked)
{
    if (m_selected.contains(id) == ticked)
        return;
    m_ticking = Ticking::none;
    SelectionDelta delta;
    if (ticked) {
        m_selected.insert(id);
        delta.ticked.append(id);
    } else {
        m_selected.remove(id);
        delta.unticked.append(id);
    }
    emit selectedChanged(delta);
}

void Lookup::replaceSelected(QSet<QString> selected, bool whole)
{
    SelectionDelta delta;
    delta.whole = whole;
    if (whole) {
        if (selected.isEmpty() && m_selected.isEmpty())
            return;
    } else {
        for (const QString& id : std::as_const(selected))
            if (!m_selected.contains(id))
                delta.ticked.append(id);
        for (const QString& id : std::as_const(m_selected))
            if (!selected.contains(id))
                delta.unticked.append(id);
        if (delta.ticked.isEmpty() && delta.unticked.isEmpty())
            return;
    }
    m_selected = std::move(selected);
    emit selectedChanged(delta);
}

void Lookup::selectAll()
{
    QSet<QString> all;
    all.reserve(m_results.size());
    for (const VideoItem& item : std::as_const(m_results))
        all.insert(item.id());
    replaceSelected(std::move(all));
    m_ticking = Ticking::all;
}

void Lookup::selectNew()
{
    QSet<QString> fresh;
    for (const VideoItem& item : std::as_const(m_results))
        if (isFresh(item))
            fresh.insert(item.id());
    setSelected(std::move(fresh));
}

QList<VideoItem> Lookup::selectedItems() const
{
    QList<VideoItem> chosen;
    for (const VideoItem& item : m_results) {
        if (m_selected.contains(item.id()))
            chosen.append(item);
    }
    return chosen;
}

void Lookup::fetch()
{
    const QString typed = m_input.trimmed();
    if (typed.isEmpty() || m_isFetching)
        return;
    // No link or search is this long; yt-dlp's command line could not even
    // hold much more.
    if (typed.toUtf8().size() > maxInputBytes) {
        setFetchError(tr("That's too long to be a link or a search."));
        return;
    }
    if (!m_engine.ytdlp()) {
        setFetchError(setUpError());
        return;
    }
    setIsFetching(true);
    setFetchError(std::nullopt);

    m_target = normalize(typed);
    m_typed = typed;
    m_listed = 0;
    m_exit.reset();
    const quint64 generation = ++m_generation;
    // Some arguments depend on yt-dlp's version: the first lookup waits
    // (briefly) for the query that tells it.
    if (m_readiness.awaitsVersion()) {
        qCInfo(lcAppModel) << "lookup waits for the version of yt-dlp";
        connect(
            &m_readiness, &EngineReadiness::versionSettled, this,
            [this, generation] { launch(generation); }, Qt::SingleShotConnection);
        return;
    }
    launch(generation);
}

QString Lookup::setUpError() const
{
    const std::optional<QString>& failure = m_readiness.installFailure();
    if (!failure)
        return tr("The download engine is still being set up. Try again in a moment.");
    QString reason = failure->trimmed();
    if (!reason.isEmpty() && !QStringLiteral(".!?").contains(reason.back()))
        reason += QLatin1Char('.');
    return tr("yt-dlp couldn't be installed. %1 Try Again from the banner.").arg(reason);
}

void Lookup::launch(quint64 generation)
{
    if (generation != m_generation)
        return; // stopped while it waited
    const std::optional<QString> ytdlp = m_engine.ytdlp();
    if (!ytdlp) {
        fail(setUpError());
        return;
    }
    qCInfo(lcAppModel) << "looking up" << m_target;
    Child* child =
        m_engine.spawn({*ytdlp,
                        YtdlpArgs::lookup(m_engine, m_target, m_readiness.version(),
                                          m_cookies ? m_cookies() : YtdlpArgs::Cookies{}),
                        {}, ChildSpec::Output::stream, {}, inactivityLimit},
                       this);
    m_child = child;
    auto stream = std::make_shared<LookupStream>(this, generation);
    m_stream = stream;
    connect(child, &Child::output, this,
            [stream](const QByteArray& bytes) { stream->hand(bytes); });
    connect(child, &Child::ended, this, [this, child, stream, generation](const ChildExit& exit) {
        child->deleteLater();
        if (generation != m_generation)
            return; // stopped, or replaced by a newer lookup
        m_child = nullptr;
        qCInfo(lcAppModel) << "lookup ended" << int(exit.kind) << exit.code;
        m_exit = std::make_unique<ChildExit>(exit);
        // yt-dlp's own word, for a failed run or an answer that is no listing.
        m_exitError = Engine::lastError(QString::fromUtf8(child->errorTail()))
                          .value_or(tr("Couldn't load that link."));
        // The outcome comes once every line is read.
        stream->close();
    });
    child->start();
}

void Lookup::stop()
{
    if (!m_isFetching)
        return;
    qCInfo(lcAppModel) << "lookup stopped";
    // Whatever the stopped lookup still delivers is ignored from now on.
    ++m_generation;
    if (m_stream)
        m_stream->detach();
    m_stream.reset();
    if (m_child)
        m_child->stop();
    m_child = nullptr;
    // Rows it listed show, and say they are not all there is.
    if (m_listed > 0)
        m_stopped = true;
    setIsFetching(false);
}

QString Lookup::heading(const QString& title) const
{
    return ShownText::forDisplay(m_target.startsWith(QLatin1String("ytsearch"))
                                     ? tr("Search: %1").arg(m_typed)
                                     : title);
}

void Lookup::add(QList<VideoItem> items, const QString& title)
{
    const bool first = m_listed == 0;
    m_listed += items.size();
    if (first) {
        // The first rows replace the previous lookup's list; what is already
        // on disk (or yet to be streamed) is not ticked.
        m_ticking = Ticking::fresh;
        m_stopped = false;
        QSet<QString> ids;
        ids.reserve(items.size());
        for (const VideoItem& item : std::as_const(items))
            if (isFresh(item))
                ids.insert(item.id());
        setResults(std::move(items));
        setResultsTitle(heading(title));
        replaceSelected(std::move(ids), true);
        return;
    }
    // Later rows join the ticks only while the user has not chosen others.
    const int from = int(m_results.size());
    for (const VideoItem& item : std::as_const(items))
        if (m_ticking == Ticking::all || (m_ticking == Ticking::fresh && isFresh(item)))
            m_selected.insert(item.id());
    m_results.append(std::move(items));
    setResultsTitle(heading(title));
    emit resultsAdded(from);
}

void Lookup::collect(quint64 generation, LookupStream& stream)
{
    if (generation != m_generation)
        return;
    LookupStream::Ready ready = stream.take();
    if (!ready.items.isEmpty())
        add(std::move(ready.items), ready.title);
    if (!ready.done || !m_exit)
        return;

    const ChildExit exit = *std::exchange(m_exit, nullptr);
    m_stream.reset();
    if (exit.succeeded() && m_listed > 0) {
        setIsFetching(false);
        return;
    }
    if (exit.succeeded() && (ready.anyObject || ready.unreadable == 0)) {
        setIsFetching(false);
        m_stopped = false;
        setResults({});
        setResultsTitle(heading(ready.title));
        replaceSelected({}, true);
        setFetchError(tr("Nothing downloadable found there."));
        return;
    }
    QString message = exit.kind == ChildExit::Kind::inactive      ? tr("yt-dlp stopped answering.")
                      : exit.kind == ChildExit::Kind::failedToStart ? exit.message
                                                                    : m_exitError;
    // What was listed before the failure stays, and says it is not all.
    if (m_listed == 1)
        message = tr("Only the first video could be listed.") + QLatin1Char(' ') + message;
    else if (m_listed > 1)
        message = tr("Only the first %n videos could be listed.", nullptr, int(m_listed)) + QLatin1Char(' ') +
                  message;
    fail(message);
}

void Lookup::fail(const QString& message)
{
    setIsFetching(false);
    setFetchError(message);
}

} // namespace reelcatch
