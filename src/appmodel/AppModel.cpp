#include "appmodel/AppModel.h"

#include "model/Prefs.h"

#include <QCoreApplication>

namespace reelcatch {

AppModel::AppModel(Engine& engine, Prefs& prefs, ToolInstaller& installer, Platform platform,
                   QObject* parent)
    : QObject(parent), m_engine(engine), m_prefs(prefs), m_readiness(engine, installer),
      m_lookup(engine, m_readiness), m_queue(engine, prefs, m_readiness, platform),
      m_library(m_queue),
      m_clipboard(platform.clipboard, prefs, m_lookup), m_cookies(engine, prefs)
{
    const auto cookies = [this] { return m_cookies.choice().cookies; };
    m_lookup.setCookies(cookies);
    m_queue.setCookies(cookies);
    m_lookup.setHistory([this](const QString& id) { return m_library.isDownloaded(id); });
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &AppModel::shutDown);
}

AppModel::~AppModel() = default;

void AppModel::enqueueSelected(Preset preset)
{
    m_queue.enqueue(m_lookup.selectedItems(), preset);
}

void AppModel::shutDown()
{
    if (std::exchange(m_shutDown, true))
        return;
    // The list first: stopping the downloads must not be what it keeps.
    m_library.keepForNextStart();
    // Every download stops, and with it every ffmpeg it started.
    m_queue.cancelAll();
}

} // namespace reelcatch
