// Several links looked up together, their rows in one list under a heading
// each.
#include "appmodel/AppLog.h"
#include "appmodel/Lookup.h"
#include "appmodel/LookupStream.h"
#include "engine/Engine.h"
#include "model/ShownText.h"

#include <QFile>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace reelcatch {

void Lookup::fetchLinks(const QStringList& links)
{
    if (!m_engine.ytdlp()) {
        setFetchError(setUpError());
        return;
    }
    qCInfo(lcAppModel) << "looking up" << links.size() << "links";
    setIsFetching(true);
    setFetchError(std::nullopt);
    m_listed = 0;
    m_stopped = false;
    m_ticking = Ticking::fresh;
    QList<LinkSection> sections;
    sections.reserve(links.size());
    for (const QString& link : links)
        sections.append({link, {}, {}, 0, 0, LinkSection::State::waiting, {}});
    replaceResults({}, std::move(sections));
    setResultsTitle(tr("%n link(s)", nullptr, int(links.size())));
    replaceSelected({}, true);
    startWaiting();
}

namespace {

// What a file of links held: its links, or why there are none.
struct ListFile {
    QStringList links;
    QString error;
};

ListFile readListFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, Lookup::tr("Couldn't open that file. %1").arg(file.errorString())};
    if (file.size() > Lookup::maxListFileBytes)
        return {{}, Lookup::tr("That file is too big to be a list of links.")};
    // A file that grew meanwhile is read up to the limit, and refused.
    const QByteArray bytes = file.read(Lookup::maxListFileBytes + 1);
    if (bytes.size() > Lookup::maxListFileBytes)
        return {{}, Lookup::tr("That file is too big to be a list of links.")};
    QStringList links = linksIn(QString::fromUtf8(bytes));
    if (links.isEmpty())
        return {{}, Lookup::tr("No links found in that file.")};
    return {std::move(links), {}};
}

} // namespace

void Lookup::fetchListFile(const QString& path)
{
    const quint64 generation = ++m_listFiles;
    auto* watcher = new QFutureWatcher<ListFile>(this);
    connect(watcher, &QFutureWatcher<ListFile>::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        if (generation != m_listFiles)
            return; // another file was opened meanwhile
        const ListFile list = watcher->result();
        stop();
        if (list.links.isEmpty()) {
            setFetchError(list.error);
            return;
        }
        setInput(list.links.join(QLatin1Char(' ')));
        fetch();
    });
    watcher->setFuture(QtConcurrent::run(readListFile, path));
}

void Lookup::startWaiting()
{
    int running = 0;
    for (const LinkSection& link : std::as_const(m_sections))
        running += link.state == LinkSection::State::listing ? 1 : 0;
    for (int section = 0; section < m_sections.size() && running < maxParallel; ++section) {
        LinkSection& link = m_sections[section];
        if (link.state != LinkSection::State::waiting)
            continue;
        link.state = LinkSection::State::listing;
        ++running;
        emit sectionChanged(section);
        startRun(link.link, section);
    }
    if (running == 0)
        setIsFetching(false);
}

std::optional<PlaylistPlace> Lookup::placeOf(qsizetype row) const
{
    if (row < 0 || row >= m_results.size())
        return std::nullopt;
    if (m_sections.isEmpty()) {
        if (!isPlaylist())
            return std::nullopt;
        return PlaylistPlace{m_playlistTitle, int(row) + 1};
    }
    // The last link whose rows begin at or before the row holds it.
    const auto after =
        std::upper_bound(m_sections.begin(), m_sections.end(), row,
                         [](qsizetype at, const LinkSection& link) { return at < link.first; });
    if (after == m_sections.begin())
        return std::nullopt;
    const LinkSection& link = *std::prev(after);
    if (row >= link.first + link.count || link.playlistTitle.isEmpty())
        return std::nullopt;
    return PlaylistPlace{link.playlistTitle, int(row - link.first) + 1};
}

void Lookup::addToSection(Run& run, QList<VideoItem> items, const QString& title)
{
    LinkSection& link = m_sections[run.section];
    const qsizetype at = link.first + link.count;
    const qsizetype count = items.size();
    const Ticking ticking = m_sectionTicking.at(run.section);
    for (const VideoItem& item : std::as_const(items))
        if (ticking == Ticking::all || (ticking == Ticking::fresh && isFresh(item)))
            m_selected.insert(item.id());
    if (at == m_results.size()) {
        m_results.append(std::move(items));
    } else {
        m_results.insert(at, count, VideoItem());
        std::move(items.begin(), items.end(), m_results.begin() + at);
    }
    link.count += count;
    link.title = heading(run, title);
    link.playlistTitle = FileNaming::listsPlaylist(run.target, title)
                             ? ShownText::withoutBidiControls(title)
                             : QString();
    for (qsizetype later = run.section + 1; later < m_sections.size(); ++later)
        m_sections[later].first += count;
    run.listed += count;
    m_listed += count;
    emit resultsInserted(run.section, int(at), int(count));
    emit sectionChanged(run.section);
}

void Lookup::finishSection(Run& run, const ChildExit& exit, const StreamReady& ready)
{
    LinkSection& link = m_sections[run.section];
    if (link.title.isEmpty())
        link.title = heading(run, ready.title);
    if (exit.succeeded() && run.listed > 0) {
        link.state = LinkSection::State::done;
    } else {
        link.state = LinkSection::State::failed;
        link.error = exit.succeeded() && (ready.anyObject || ready.unreadable == 0)
                         ? tr("Nothing downloadable found there.")
                         : failureOf(run, exit);
    }
    emit sectionChanged(run.section);
    startWaiting();
}

void Lookup::selectSection(int section, bool ticked)
{
    if (section < 0 || section >= m_sections.size())
        return;
    const LinkSection& link = m_sections.at(section);
    SelectionDelta delta;
    for (qsizetype row = link.first; row < link.first + link.count; ++row)
        tickInto(m_results.at(row).id(), ticked, delta);
    // The other links keep what they tick on arrival; the lookup's own
    // ticking follows the user from now on.
    m_ticking = Ticking::none;
    m_sectionTicking[section] = ticked ? Ticking::all : Ticking::none;
    if (!delta.ticked.isEmpty() || !delta.unticked.isEmpty())
        emit selectedChanged(delta);
}

} // namespace reelcatch
