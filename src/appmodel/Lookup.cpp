// Running a lookup and publishing what it found.
#include "appmodel/Lookup.h"

#include "appmodel/AppLog.h"
#include "appmodel/EngineReadiness.h"
#include "appmodel/LookupStream.h"
#include "engine/Engine.h"
#include "engine/YtdlpArgs.h"
#include "model/ShownText.h"

#include <QThreadPool>

namespace reelcatch {

Lookup::Lookup(Engine& engine, EngineReadiness& readiness, QObject* parent)
    : QObject(parent), m_engine(engine), m_readiness(readiness)
{}

Lookup::~Lookup()
{
    for (auto& [generation, run] : m_runs)
        if (run.stream)
            run.stream->detach();
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
    replaceResults(std::move(results), {});
}

void Lookup::replaceResults(QList<VideoItem> results, QList<LinkSection> sections)
{
    // Always announced: comparing two long lists would cost more than a redraw.
    QList<VideoItem> old = std::exchange(m_results, std::move(results));
    m_playlistTitle.clear();
    m_sectionTicking = QList<Ticking>(sections.size(), Ticking::fresh);
    m_sections = std::move(sections);
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
    m_sectionTicking.fill(Ticking::none);
    replaceSelected(std::move(selected));
}

void Lookup::setTicked(const QString& id, bool ticked)
{
    if (m_selected.contains(id) == ticked)
        return;
    m_ticking = Ticking::none;
    m_sectionTicking.fill(Ticking::none);
    SelectionDelta delta;
    tickInto(id, ticked, delta);
    emit selectedChanged(delta);
}

void Lookup::tickInto(const QString& id, bool ticked, SelectionDelta& delta)
{
    if (m_selected.contains(id) == ticked)
        return;
    if (ticked) {
        m_selected.insert(id);
        delta.ticked.append(id);
    } else {
        m_selected.remove(id);
        delta.unticked.append(id);
    }
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
    m_sectionTicking.fill(Ticking::all);
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
    if (const QStringList links = linksIn(typed); links.size() > 1) {
        fetchLinks(links);
        return;
    }
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
    m_listed = 0;
    startRun(typed, -1);
}

void Lookup::startRun(const QString& typed, int section)
{
    const quint64 generation = ++m_generation;
    Run& run = m_runs[generation];
    run.section = section;
    run.typed = typed;
    run.target = normalize(typed);
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
    const auto found = m_runs.find(generation);
    if (found == m_runs.end())
        return; // stopped while it waited
    Run& run = found->second;
    const std::optional<QString> ytdlp = m_engine.ytdlp();
    if (!ytdlp) {
        if (run.section < 0) {
            m_runs.erase(found);
            fail(setUpError());
        } else {
            run.exit = std::make_unique<ChildExit>();
            run.exit->kind = ChildExit::Kind::failedToStart;
            run.exit->message = setUpError();
            finish(generation, {});
        }
        return;
    }
    qCInfo(lcAppModel) << "looking up" << run.target;
    Child* child =
        m_engine.spawn({*ytdlp,
                        YtdlpArgs::lookup(m_engine, run.target, m_readiness.version(),
                                          m_session ? m_session() : YtdlpArgs::Session{}),
                        {},
                        ChildSpec::Output::stream,
                        {},
                        inactivityLimit},
                       this);
    run.child = child;
    auto stream = std::make_shared<LookupStream>(this, generation);
    run.stream = stream;
    connect(child, &Child::output, this,
            [stream](const QByteArray& bytes) { stream->hand(bytes); });
    connect(child, &Child::ended, this, [this, child, stream, generation](const ChildExit& exit) {
        child->deleteLater();
        const auto ended = m_runs.find(generation);
        if (ended == m_runs.end())
            return; // stopped, or replaced by a newer lookup
        Run& done = ended->second;
        done.child = nullptr;
        qCInfo(lcAppModel) << "lookup ended" << int(exit.kind) << exit.code;
        done.exit = std::make_unique<ChildExit>(exit);
        // yt-dlp's own word, for a failed run or an answer that is no listing.
        done.exitError = Engine::lastError(QString::fromUtf8(child->errorTail()))
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
    // Whatever the stopped runs still deliver is ignored from now on.
    for (auto& [generation, run] : std::exchange(m_runs, {})) {
        if (run.stream)
            run.stream->detach();
        if (run.child)
            run.child->stop();
    }
    for (int section = 0; section < m_sections.size(); ++section) {
        LinkSection& link = m_sections[section];
        if (link.state == LinkSection::State::waiting ||
            link.state == LinkSection::State::listing) {
            link.state = LinkSection::State::stopped;
            emit sectionChanged(section);
        }
    }
    // Rows it listed show, and say they are not all there is.
    if (m_listed > 0)
        m_stopped = true;
    setIsFetching(false);
}

QString Lookup::heading(const Run& run, const QString& title) const
{
    return ShownText::forDisplay(
        run.target.startsWith(QLatin1String("ytsearch")) ? tr("Search: %1").arg(run.typed) : title);
}

void Lookup::setPlaylist(const Run& run, const QString& title)
{
    m_playlistTitle = FileNaming::listsPlaylist(run.target, title)
                          ? ShownText::withoutBidiControls(title)
                          : QString();
}

void Lookup::add(Run& run, QList<VideoItem> items, const QString& title)
{
    if (run.section >= 0) {
        addToSection(run, std::move(items), title);
        return;
    }
    const bool first = m_listed == 0;
    m_listed += items.size();
    run.listed += items.size();
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
        setPlaylist(run, title);
        setResultsTitle(heading(run, title));
        replaceSelected(std::move(ids), true);
        return;
    }
    // Later rows join the ticks only while the user has not chosen others.
    const int from = int(m_results.size());
    for (const VideoItem& item : std::as_const(items))
        if (m_ticking == Ticking::all || (m_ticking == Ticking::fresh && isFresh(item)))
            m_selected.insert(item.id());
    m_results.append(std::move(items));
    setPlaylist(run, title);
    setResultsTitle(heading(run, title));
    emit resultsAdded(from);
}

void Lookup::collect(quint64 generation, LookupStream& stream)
{
    const auto found = m_runs.find(generation);
    if (found == m_runs.end())
        return;
    LookupStream::Ready ready = stream.take();
    if (!ready.items.isEmpty())
        add(found->second, std::move(ready.items), ready.title);
    if (ready.done && found->second.exit)
        finish(generation, ready);
}

QString Lookup::failureOf(const Run& run, const ChildExit& exit) const
{
    QString message = exit.kind == ChildExit::Kind::inactive ? tr("yt-dlp stopped answering.")
                      : exit.kind == ChildExit::Kind::failedToStart ? exit.message
                                                                    : run.exitError;
    // What was listed before the failure stays, and says it is not all.
    if (run.listed == 1)
        message = tr("Only the first video could be listed.") + QLatin1Char(' ') + message;
    else if (run.listed > 1)
        message = tr("Only the first %n videos could be listed.", nullptr, int(run.listed)) +
                  QLatin1Char(' ') + message;
    return message;
}

void Lookup::finish(quint64 generation, const StreamReady& ready)
{
    auto node = m_runs.extract(generation);
    Run& run = node.mapped();
    const ChildExit exit = *run.exit;
    if (run.section >= 0) {
        finishSection(run, exit, ready);
        return;
    }
    if (exit.succeeded() && run.listed > 0) {
        setIsFetching(false);
        return;
    }
    if (exit.succeeded() && (ready.anyObject || ready.unreadable == 0)) {
        setIsFetching(false);
        m_stopped = false;
        setResults({});
        setResultsTitle(heading(run, ready.title));
        replaceSelected({}, true);
        setFetchError(tr("Nothing downloadable found there."));
        return;
    }
    fail(failureOf(run, exit));
}

void Lookup::fail(const QString& message)
{
    setIsFetching(false);
    setFetchError(message);
}

} // namespace reelcatch
