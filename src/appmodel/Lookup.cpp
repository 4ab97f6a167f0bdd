// Turning the user's text into a yt-dlp target, running the lookup and
// publishing what it found.
#include "AppModel.h"
#include "ListingScanner.h"
#include "YouTubeHosts.h"

#include <QFuture>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMutex>
#include <QProcess>
#include <QUrl>
#include <QtConcurrent/QtConcurrentRun>

#include <atomic>

namespace reelcatch {

namespace {

const QString searchPrefix = QStringLiteral("ytsearch30:");

// Only yt-dlp's last error line is wanted from its standard error; a child
// that writes there without end must not fill the memory. Whole lines older
// than the last mebibyte or so are dropped.
void keepTail(QByteArray& err, QByteArrayView more)
{
    constexpr qsizetype keep = 1 << 20;
    err += more;
    if (err.size() <= 2 * keep)
        return;
    const qsizetype cut = err.size() - keep;
    const qsizetype lineStart = err.indexOf('\n', cut);
    err.remove(0, lineStart < 0 ? cut : lineStart + 1);
}

bool looksLikeAddress(const QString& text)
{
    if (text.contains(QLatin1String("://")) || text.startsWith(QLatin1String("www.")))
        return true;
    for (const QString& host : {YouTubeHosts::bareDomain(), YouTubeHosts::shortLinkHost(),
                                YouTubeHosts::mobileHost(), YouTubeHosts::musicHost()}) {
        if (text.startsWith(host))
            return true;
    }
    return false;
}

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
    AppModel::Listing listing;
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
        Parsed parsed{AppModel::parse(*answer), {}};
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

QString AppModel::normalize(const QString& raw)
{
    QString text = raw.trimmed();
    if (!looksLikeAddress(text))
        return searchPrefix + text;
    if (!text.contains(QLatin1String("://")))
        text.prepend(QStringLiteral("https://"));

    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid())
        return text;
    if (!url.host().endsWith(YouTubeHosts::bareDomain()))
        return text;

    // Escaped delimiters ("%2F", "%3F", "%23") and spaces stay escaped: the
    // segments go back into an address, where they must mean what they did.
    const QStringList segments = url.path(QUrl::EncodeDelimiters | QUrl::EncodeSpaces)
                                     .split(QLatin1Char('/'), Qt::SkipEmptyParts);
    static const QStringList channelKinds{QStringLiteral("channel"), QStringLiteral("c"),
                                          QStringLiteral("user")};
    const bool isHandle = segments.size() == 1 && segments.first().startsWith(QLatin1Char('@'));
    const bool isChannel = segments.size() == 2 && channelKinds.contains(segments.first());
    if (!isHandle && !isChannel)
        return text;
    // A channel's own page lists its tabs; its video list is what the user wants.
    return QStringLiteral("https://") + YouTubeHosts::mainHost() + QLatin1Char('/') +
           segments.join(QLatin1Char('/')) + QStringLiteral("/videos");
}

AppModel::Listing AppModel::parse(const QJsonObject& answer)
{
    Listing listing;
    const QJsonValue entries = answer.value(QLatin1String("entries"));
    if (!entries.isArray()) {
        // A single video answers with its own object.
        if (std::optional<VideoItem> item = VideoItem::fromJson(answer))
            listing.items.append(std::move(*item));
        return listing;
    }

    // yt-dlp writes null for an entry it could not list; such entries are
    // skipped like entries without an id, and the rest of the playlist stays.
    const QJsonArray array = entries.toArray();
    listing.items.reserve(array.size());
    QSet<QString> seen;
    seen.reserve(array.size());
    for (const QJsonValue& entry : array) {
        if (!entry.isObject())
            continue;
        std::optional<VideoItem> item = VideoItem::fromJson(entry.toObject());
        if (!item || seen.contains(item->id()))
            continue;
        seen.insert(item->id());
        listing.items.append(std::move(*item));
    }
    const QJsonValue title = answer.value(QLatin1String("title"));
    listing.title = title.isString() ? title.toString() : QStringLiteral("Playlist");
    return listing;
}

void AppModel::fetch()
{
    const QString typed = m_input.trimmed();
    if (typed.isEmpty() || m_isFetching)
        return;
    const std::optional<QString> ytdlp = m_engine.ytdlp();
    if (!ytdlp) {
        setFetchError(
            QStringLiteral("The download engine is still being set up. Try again in a moment."));
        return;
    }
    setIsFetching(true);
    setFetchError(std::nullopt);

    const QString target = normalize(typed);
    // "--" keeps a target that begins with "-" from being read as an option.
    const QStringList args = m_engine.commonArgs()
                             << QStringLiteral("-J") << QStringLiteral("--flat-playlist")
                             << QStringLiteral("--no-playlist") << QStringLiteral("--no-warnings")
                             << QStringLiteral("--") << target;

    // The process is run here rather than through Engine::run(), so that its
    // answer can be read while it arrives; otherwise it is the same run: the
    // engine's environment, no standard input, both pipes drained.
    auto* process = new QProcess(this);
    auto stream = std::make_shared<AnswerStream>();
    auto err = std::make_shared<QByteArray>();
    connect(process, &QProcess::readyReadStandardOutput, process,
            [process, stream] { AnswerStream::hand(stream, process->readAllStandardOutput()); });
    connect(process, &QProcess::readyReadStandardError, process,
            [process, err] { keepTail(*err, process->readAllStandardError()); });
    connect(process, &QProcess::finished, process,
            [this, process, stream, err, typed, target](int exitCode) {
                AnswerStream::hand(stream, process->readAllStandardOutput());
                keepTail(*err, process->readAllStandardError());
                process->deleteLater();
                const QString fallback = Engine::lastError(QString::fromUtf8(*err))
                                             .value_or(QStringLiteral("Couldn't load that link."));
                // For a child killed by a signal, Qt reports the signal number.
                if (exitCode != 0) {
                    stream->abandon();
                    failLookup(fallback);
                    return;
                }
                AnswerStream::parsed(stream).then(
                    this, [this, typed, target, fallback](std::optional<Parsed> parsed) {
                        if (!parsed)
                            failLookup(fallback);
                        else
                            finishLookup(typed, target, std::move(parsed->listing),
                                         std::move(parsed->ids));
                    });
            });
    connect(process, &QProcess::errorOccurred, process,
            [this, process, stream](QProcess::ProcessError error) {
                if (error != QProcess::FailedToStart)
                    return;
                stream->abandon();
                process->deleteLater();
                failLookup(process->errorString());
            });
    process->setProgram(*ytdlp);
    process->setArguments(args);
    process->setProcessEnvironment(m_engine.environment());
    process->setStandardInputFile(QProcess::nullDevice());
    process->start();
}

void AppModel::finishLookup(const QString& typed, const QString& target, Listing listing,
                            QSet<QString> ids)
{
    const bool empty = listing.items.isEmpty();

    setIsFetching(false);
    setResults(std::move(listing.items));
    setResultsTitle(target.startsWith(QLatin1String("ytsearch"))
                        ? QStringLiteral("Search: ") + typed
                        : listing.title);
    setSelected(std::move(ids));
    if (empty)
        setFetchError(QStringLiteral("Nothing downloadable found there."));
}

void AppModel::failLookup(const QString& message)
{
    setIsFetching(false);
    setFetchError(message);
}

} // namespace reelcatch
