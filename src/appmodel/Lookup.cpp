// Running a lookup and publishing what it found.
#include "Lookup.h"

#include "AppLog.h"
#include "Engine.h"
#include "EngineReadiness.h"
#include "ListingScanner.h"
#include "ShownText.h"
#include "YtdlpArgs.h"

#include <QFuture>
#include <QJsonDocument>
#include <QMutex>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <atomic>

namespace reelcatch {

namespace {

// The answer's top-level object, or nothing when it is not one.
std::optional<QJsonObject> topLevelObject(const QByteArray& out)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(out, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    return doc.object();
}

// What a lookup's answer has become: the listing and the ids of its items.
struct Parsed {
    Listing listing;
    QSet<QString> ids;
};

// yt-dlp's answer on its way from standard output to a listing. The GUI
// thread hands over each piece as it arrives and a task of the thread pool
// reads what has come so far, so a big channel's answer (about 100 MB for
// 100,000 videos) is mostly read by the time yt-dlp exits and the GUI
// thread never holds or copies the whole of it.
class AnswerStream {
public:
    // GUI thread: the next piece of standard output.
    static void hand(const std::shared_ptr<AnswerStream>& stream, QByteArray piece)
    {
        if (piece.isEmpty())
            return;
        QMutexLocker lock(&stream->m_mutex);
        stream->m_incoming.append(std::move(piece));
        if (stream->m_draining)
            return;
        stream->m_draining = true;
        lock.unlock();
        stream->m_lastTask = QtConcurrent::run([stream] { stream->drain(); });
    }

    // GUI thread, after the last piece: the listing (nothing when the answer
    // is not a JSON object), made once every piece is read.
    static QFuture<std::optional<Parsed>> parsed(const std::shared_ptr<AnswerStream>& stream)
    {
        auto finish = [stream] { return stream->finish(); };
        // Taken out of the stream, so that the continuation holding the
        // stream is not held by it in turn.
        QFuture<void> last = std::exchange(stream->m_lastTask, {});
        if (!last.isValid())
            return QtConcurrent::run(finish);
        return last.then(QtFuture::Launch::Async, finish);
    }

    // GUI thread: the answer is not wanted; pieces still waiting are dropped.
    void abandon() { m_abandoned = true; }

private:
    // One task at a time: a new one starts only after the last let go.
    void drain()
    {
        for (;;) {
            QList<QByteArray> batch;
            {
                QMutexLocker lock(&m_mutex);
                if (m_incoming.isEmpty()) {
                    m_draining = false;
                    return;
                }
                batch.swap(m_incoming);
            }
            if (m_abandoned) {
                m_pieces.clear();
                continue;
            }
            for (QByteArray& piece : batch) {
                m_scanner.feed(piece);
                m_size += piece.size();
                m_pieces.append(std::move(piece));
            }
        }
    }

    std::optional<Parsed> finish()
    {
        drain();
        if (std::optional<ListingScanner::Result> result = m_scanner.finish()) {
            m_pieces.clear();
            return Parsed{std::move(result->listing), std::move(result->ids)};
        }
        // Anything the scanner is not sure of: the whole text through
        // QJsonDocument, exactly as it always was.
        QByteArray out;
        out.reserve(m_size);
        for (const QByteArray& piece : std::as_const(m_pieces))
            out.append(piece);
        m_pieces.clear();
        std::optional<QJsonObject> answer = topLevelObject(out);
        out.clear();
        if (!answer)
            return std::nullopt;
        Parsed parsed{parse(*answer), {}};
        parsed.ids.reserve(parsed.listing.items.size());
        for (const VideoItem& item : std::as_const(parsed.listing.items))
            parsed.ids.insert(item.id());
        return parsed;
    }

    QMutex m_mutex;
    QList<QByteArray> m_incoming; // guarded by m_mutex
    bool m_draining = false;      // guarded by m_mutex
    std::atomic<bool> m_abandoned = false;
    // The tasks' own, one task after the other.
    ListingScanner m_scanner;
    QList<QByteArray> m_pieces; // every piece read, should the scanner be unsure
    qsizetype m_size = 0;
    // GUI thread: the task started last.
    QFuture<void> m_lastTask;
};

} // namespace

Lookup::Lookup(Engine& engine, const EngineReadiness& readiness, QObject* parent)
    : QObject(parent), m_engine(engine), m_readiness(readiness)
{}

Lookup::~Lookup() = default;

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
    publish(m_selected, std::move(selected), &Lookup::selectedChanged);
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
    const std::optional<QString> ytdlp = m_engine.ytdlp();
    if (!ytdlp) {
        setFetchError(tr("The download engine is still being set up. Try again in a moment."));
        return;
    }
    setIsFetching(true);
    setFetchError(std::nullopt);

    const QString target = normalize(typed);
    qCInfo(lcAppModel) << "looking up" << target;
    const quint64 generation = ++m_generation;
    Child* child =
        m_engine.spawn({*ytdlp,
                        YtdlpArgs::lookup(m_engine, target, m_readiness.version(),
                                          m_cookies ? m_cookies() : YtdlpArgs::Cookies{}),
                        {}, ChildSpec::Output::stream, {}, inactivityLimit},
                       this);
    m_child = child;
    auto stream = std::make_shared<AnswerStream>();
    connect(child, &Child::output, this,
            [stream](const QByteArray& bytes) { AnswerStream::hand(stream, bytes); });
    connect(child, &Child::ended, this,
            [this, child, stream, generation, typed, target](const ChildExit& exit) {
                child->deleteLater();
                if (generation != m_generation) {
                    stream->abandon();
                    return; // stopped, or replaced by a newer lookup
                }
                m_child = nullptr;
                qCInfo(lcAppModel) << "lookup ended" << int(exit.kind) << exit.code;
                // yt-dlp's own word, for a failed run or an answer that is no listing.
                const QString fallback = Engine::lastError(QString::fromUtf8(child->errorTail()))
                                             .value_or(tr("Couldn't load that link."));
                if (!exit.succeeded()) {
                    stream->abandon();
                    if (exit.kind == ChildExit::Kind::inactive)
                        fail(QStringLiteral("yt-dlp stopped answering."));
                    else if (exit.kind == ChildExit::Kind::failedToStart)
                        fail(exit.message);
                    else
                        fail(fallback);
                    return;
                }
                AnswerStream::parsed(stream).then(
                    this, [this, generation, typed, target, fallback](std::optional<Parsed> parsed) {
                        if (generation != m_generation)
                            return;
                        if (!parsed)
                            fail(fallback);
                        else
                            finish(typed, target, std::move(parsed->listing),
                                   std::move(parsed->ids));
                    });
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
    if (m_child)
        m_child->stop();
    m_child = nullptr;
    setIsFetching(false);
}

void Lookup::finish(const QString& typed, const QString& target, Listing listing,
                    QSet<QString> ids)
{
    const bool empty = listing.items.isEmpty();

    setIsFetching(false);
    setResults(std::move(listing.items));
    setResultsTitle(ShownText::forDisplay(target.startsWith(QLatin1String("ytsearch"))
                                              ? tr("Search: %1").arg(typed)
                                              : listing.title));
    setSelected(std::move(ids));
    if (empty)
        setFetchError(tr("Nothing downloadable found there."));
}

void Lookup::fail(const QString& message)
{
    setIsFetching(false);
    setFetchError(message);
}

} // namespace reelcatch
