#include "appmodel/AppModel.h"

#include "model/Prefs.h"

#include <QCoreApplication>

namespace reelcatch {

AppModel::AppModel(Engine& engine, Prefs& prefs, ToolInstaller& installer, Platform platform,
                   QObject* parent)
    : QObject(parent), m_engine(engine), m_prefs(prefs), m_readiness(engine, installer),
      m_lookup(engine, m_readiness), m_queue(engine, prefs, m_readiness, platform),
      m_library(m_queue), m_clipboard(platform.clipboard, prefs, m_lookup), m_cookies(engine, prefs)
{
    const auto session = [this] { return this->session(); };
    m_lookup.setSession(session);
    m_queue.setSession(session);
    m_lookup.setHistory([this](const QString& id) { return m_library.isDownloaded(id); });
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &AppModel::shutDown);
}

AppModel::~AppModel() = default;

YtdlpArgs::Session AppModel::session() const
{
    return {m_cookies.choice().cookies, m_prefs.value(PrefKey::proxy)};
}

void AppModel::enqueueSelected(Preset preset)
{
    if (!m_lookup.isPlaylist() && m_lookup.sections().isEmpty()) {
        m_queue.enqueue(m_lookup.selectedItems(), preset);
        return;
    }
    // Rows of a playlist or channel go with their place in it (of several
    // links, in their own link's list), in runs of rows with and without one.
    QList<VideoItem> items;
    QList<PlaylistPlace> places;
    const auto flush = [&] {
        if (!items.isEmpty())
            m_queue.enqueue(items, preset, std::nullopt, std::nullopt, places);
        items.clear();
        places.clear();
    };
    for (qsizetype row = 0; row < m_lookup.results().size(); ++row) {
        const VideoItem& item = m_lookup.results().at(row);
        if (!m_lookup.selected().contains(item.id()))
            continue;
        const std::optional<PlaylistPlace> place = m_lookup.placeOf(row);
        if (!items.isEmpty() && place.has_value() == places.isEmpty())
            flush();
        items.append(item);
        if (place)
            places.append(*place);
    }
    flush();
}

void AppModel::shutDown()
{
    if (std::exchange(m_shutDown, true))
        return;
    // The list first: stopping the downloads must not be what it keeps;
    // with it, what was queued but not listed yet.
    m_queue.addWaiting();
    m_library.keepForNextStart();
    // Every download stops, and with it every ffmpeg it started.
    m_queue.cancelAll();
}

} // namespace reelcatch
