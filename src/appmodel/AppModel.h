#pragma once

#include "appmodel/ClipboardWatch.h"
#include "appmodel/CookieSources.h"
#include "appmodel/DownloadQueue.h"
#include "appmodel/EngineReadiness.h"
#include "appmodel/Library.h"
#include "appmodel/Lookup.h"
#include "appmodel/Platform.h"

#include <QObject>

namespace reelcatch {

class Engine;
class Prefs;
class ToolInstaller;

// The parts behind the windows, made and wired together: the lookup, the
// download queue, the engine's readiness and the clipboard watch. The
// windows talk to the parts themselves. Lives on the GUI thread.
class AppModel : public QObject {
    Q_OBJECT
public:
    // Registers the settings' defaults. Nothing starts running until
    // startEngineCheck().
    AppModel(Engine& engine, Prefs& prefs, ToolInstaller& installer, Platform platform = {},
             QObject* parent = nullptr);
    ~AppModel() override;

    Engine& engine() const { return m_engine; }
    Prefs& prefs() const { return m_prefs; }
    Lookup& lookup() { return m_lookup; }
    DownloadQueue& queue() { return m_queue; }
    EngineReadiness& readiness() { return m_readiness; }
    ClipboardWatch& clipboard() { return m_clipboard; }
    CookieSources& cookies() { return m_cookies; }
    // The kept download list and history; open()ed by the application.
    Library& library() { return m_library; }

    // The engine check the application makes once at start-up, and the look
    // for browsers to take cookies from.
    void startEngineCheck()
    {
        m_readiness.ensure(false);
        m_cookies.refresh();
    }

    // The cookies and proxy every yt-dlp run goes out with, as set now.
    YtdlpArgs::Session session() const;

    // Queues the ticked results in `preset`, with their places when they
    // list a playlist or channel.
    void enqueueSelected(Preset preset);

    // Quitting, in this order: the kept list takes every running and waiting
    // download as waiting, so the next start carries on with them; then the
    // queue stops them and their children. Once, when the application is
    // about to quit.
    void shutDown();

private:
    Engine& m_engine;
    Prefs& m_prefs;
    EngineReadiness m_readiness;
    Lookup m_lookup;
    DownloadQueue m_queue;
    // After the queue: it writes what is pending while the queue still is.
    Library m_library;
    ClipboardWatch m_clipboard;
    CookieSources m_cookies;
    bool m_shutDown = false;
};

} // namespace reelcatch
