#pragma once

#include "Download.h"
#include "Engine.h"
#include "Platform.h"
#include "Prefs.h"
#include "ToolInstaller.h"
#include "VideoItem.h"

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

#include <memory>
#include <optional>

namespace reelcatch {

using DownloadPtr = std::shared_ptr<Download>;

// The one observable model behind the windows: lookups, the download queue
// and the tool engine's state, and every operation the interface triggers.
// Lives on the GUI thread; every field is written there. Slow work (child
// processes, JSON parsing, tool downloads) runs elsewhere or asynchronously
// and comes back through the event loop before any field changes.
class AppModel : public QObject {
    Q_OBJECT
public:
    // Records the clipboard's change count (so whatever it held at launch
    // counts as seen) and registers the settings' defaults. Nothing starts
    // running until startEngineCheck().
    AppModel(Engine& engine, Prefs& prefs, ToolInstaller& installer, Platform platform = {},
             QObject* parent = nullptr);
    ~AppModel() override;

    Engine& engine() const { return m_engine; }
    Prefs& prefs() const { return m_prefs; }

    // Starts the engine check the application makes once at start-up.
    void startEngineCheck() { ensureEngine(false); }

    // Lookup state.
    const QString& input() const { return m_input; }
    void setInput(const QString& input);
    bool isFetching() const { return m_isFetching; }
    const std::optional<QString>& fetchError() const { return m_fetchError; }
    void setFetchError(const std::optional<QString>& error);
    const QList<VideoItem>& results() const { return m_results; }
    void setResults(QList<VideoItem> results);
    const QString& resultsTitle() const { return m_resultsTitle; }
    const QSet<QString>& selected() const { return m_selected; }
    void setSelected(QSet<QString> selected);

    // Download jobs, newest first.
    const QList<DownloadPtr>& downloads() const { return m_downloads; }

    // Engine state.
    const std::optional<QString>& engineNote() const { return m_engineNote; }
    bool engineBusy() const { return m_engineBusy; }
    const std::optional<QString>& engineVersion() const { return m_engineVersion; }

    // What yt-dlp is asked to look up for a user's text: a web address
    // (channel pages rewritten to their video list) or "ytsearch30:" and the words.
    static QString normalize(const QString& raw);

    struct Listing {
        QString title;
        QList<VideoItem> items;
    };
    // The heading and the items of yt-dlp's top-level answer.
    static Listing parse(const QJsonObject& answer);

    // Starts a lookup of the current input; the outcome arrives through the
    // lookup fields. Ignored while one is running.
    void fetch();

    // Installs or updates yt-dlp and deno as needed (all of it when forced),
    // then reads the version in use.
    void ensureEngine(bool force);

    // Takes a YouTube link copied since the last look into the input and
    // looks it up.
    void checkPasteboard();

    // The queue.
    void enqueue(const QList<VideoItem>& items, Preset preset);
    void enqueueSelected(Preset preset);
    void cancel(Download& job);
    void retry(Download& job);
    void remove(Download& job);
    void clearFinished();
    void cancelAll();

    // Updates the icon badge with the jobs still to do and tells observers.
    void refreshBadge();

    // The yt-dlp release from which post-processor steps can be printed on
    // lines of their own.
    static constexpr const char* postprocessTemplateSince = "2023.06.21";

signals:
    // After any published field changed (and after every badge refresh).
    void changed();
    void inputChanged();
    void isFetchingChanged();
    void fetchErrorChanged();
    void resultsChanged();
    void resultsTitleChanged();
    void selectedChanged();
    // The list itself changed: jobs added or taken out.
    void downloadsChanged();
    void engineNoteChanged();
    void engineBusyChanged();
    void engineVersionChanged();

private:
    // Stores a published field and announces it, when it really changed.
    template <typename T> void publish(T& field, T value, void (AppModel::*fieldChanged)());

    // Lookup.
    void setIsFetching(bool fetching);
    void setResultsTitle(const QString& title);
    // `ids`: those of listing.items, gathered off the GUI thread.
    void finishLookup(const QString& typed, const QString& target, Listing listing,
                      QSet<QString> ids);
    void failLookup(const QString& message);

    // Queue and launch.
    void pump();
    void start(const DownloadPtr& job);
    QStringList downloadArguments(const Download& job) const;
    void handle(const QString& line, Download& job);
    void finish(const DownloadPtr& job, int status);
    void stopProcess(Download& job);
    void removeIf(const std::function<bool(const Download&)>& predicate);

    // Engine readiness.
    struct EngineRun;
    void runInstalls(const std::shared_ptr<EngineRun>& run);
    void endEngineRun(const std::shared_ptr<EngineRun>& run, const Status& outcome);
    void installFfmpeg();
    void setEngineNote(const std::optional<QString>& note);
    void setEngineBusy(bool busy);
    void setEngineVersion(const std::optional<QString>& version);

    Engine& m_engine;
    Prefs& m_prefs;
    ToolInstaller& m_installer;
    Platform m_platform;

    QString m_input;
    bool m_isFetching = false;
    std::optional<QString> m_fetchError;
    QList<VideoItem> m_results;
    QString m_resultsTitle;
    QSet<QString> m_selected;
    QList<DownloadPtr> m_downloads;
    std::optional<QString> m_engineNote;
    bool m_engineBusy = false;
    std::optional<QString> m_engineVersion;
    bool m_ffmpegInstalling = false;
    bool m_ffmpegFailed = false;
    bool m_holdPump = false;
    int m_lastPasteboardChange = 0;
};

} // namespace reelcatch
