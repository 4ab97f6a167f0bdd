#pragma once

#include "appmodel/Listing.h"
#include "engine/YtdlpArgs.h"
#include "model/FileNaming.h"
#include "model/VideoItem.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace reelcatch {

class Child;
class Engine;
class EngineReadiness;
class LookupStream;
struct StreamReady;
struct ChildExit;

// What one change of the ticks did: the ids ticked and unticked. `whole`
// when the ticks went with a new list (a lookup's first rows, or none): any
// row may have changed, and the ids are not listed.
struct SelectionDelta {
    QList<QString> ticked;
    QList<QString> unticked;
    bool whole = false;
};

// One link of several looked up together, and the rows it listed:
// results()[first, first + count), under a heading row of its own.
struct LinkSection {
    enum class State { waiting, listing, done, failed, stopped };
    QString link;          // as given (not yet fit for display)
    QString title;         // the listing's title, once known
    QString playlistTitle; // the playlist's or channel's it listed, if so
    qsizetype first = 0;
    qsizetype count = 0;
    State state = State::waiting;
    QString error; // why it failed, yt-dlp's own word
};

// Looking up what is behind the user's text: the input, the lookup under way
// and what the last one found. Lives on the GUI thread; the answer is read on
// the thread pool while it arrives and published here.
class Lookup : public QObject {
    Q_OBJECT
public:
    // `readiness` tells the version of the yt-dlp in use, and whether its
    // installation failed.
    Lookup(Engine& engine, EngineReadiness& readiness, QObject* parent = nullptr);
    ~Lookup() override;

    const QString& input() const { return m_input; }
    void setInput(const QString& input);
    bool isFetching() const { return m_isFetching; }
    // The results are those of the lookup still under way, listed so far.
    bool isListing() const { return m_isFetching && m_listed > 0; }
    // The results are those of a listing the user stopped: not all there is.
    bool wasStopped() const { return m_stopped; }
    const std::optional<QString>& fetchError() const { return m_fetchError; }
    void setFetchError(const std::optional<QString>& error);
    const QList<VideoItem>& results() const { return m_results; }
    void setResults(QList<VideoItem> results);
    const QString& resultsTitle() const { return m_resultsTitle; }
    // Whether the results list a playlist or channel (not a search, nor a
    // video of its own), and where a row is in it; of several links, in its
    // own link's playlist, if that listed one.
    bool isPlaylist() const { return !m_playlistTitle.isEmpty(); }
    std::optional<PlaylistPlace> placeOf(qsizetype row) const;
    // The links looked up together, in the order given; none when the input
    // held one link or a search.
    const QList<LinkSection>& sections() const { return m_sections; }
    const QSet<QString>& selected() const { return m_selected; }
    // The user's own choice of ticks: rows listed after it arrive unticked.
    void setSelected(QSet<QString> selected);
    // Ticks or unticks one video, as the user's own choice: one change of
    // the set, without a copy of it.
    void setTicked(const QString& id, bool ticked);
    // Ticks every listed video, and the rows still to come.
    void selectAll();
    // Ticks exactly the listed videos not in the download history.
    void selectNew();
    // Ticks or unticks every row of one link, and the rows it lists later.
    void selectSection(int section, bool ticked);
    // The listed items that are ticked, in the list's order.
    QList<VideoItem> selectedItems() const;

    // Starts a lookup of the current input; the outcome arrives through the
    // fields. Ignored while one is running. Input holding several links
    // looks each up in turn, at most maxParallel at a time, their rows in
    // one list under sections().
    void fetch();
    // Looks up the links in a text file, one a line or separated by spaces,
    // in place of the lookup under way; the file is read on the thread
    // pool. A file too big, unreadable or without links is an error.
    void fetchListFile(const QString& path);
    // Ends the lookup under way, if any: its yt-dlp stops, and the results,
    // heading and selection stay as they are (the previous lookup's, or the
    // rows listed so far), with no error shown.
    void stop();
    // The cookies and proxy yt-dlp uses, asked at every start; none
    // until set.
    void setSession(std::function<YtdlpArgs::Session()> session) { m_session = std::move(session); }
    // Whether a video is in the download history: such rows arrive unticked.
    // Nothing is until set.
    void setHistory(std::function<bool(const QString&)> downloaded)
    {
        m_downloaded = std::move(downloaded);
    }

    // A lookup that has printed nothing on either stream for this long ends
    // with an error (a big channel prints a line per page, so it never does).
    static constexpr std::chrono::minutes inactivityLimit{5};
    // Longer input (in UTF-8 bytes) is refused with an error, not looked up.
    static constexpr qsizetype maxInputBytes = 8192;
    // A file of links bigger than this is refused.
    static constexpr qint64 maxListFileBytes = 1 << 20;
    // Links of several looked up at the same time.
    static constexpr int maxParallel = 2;

signals:
    void inputChanged();
    void isFetchingChanged();
    void fetchErrorChanged();
    // The list was replaced as a whole.
    void resultsChanged();
    // Rows from `first` on were added at the end of the list while the
    // lookup runs, those ticked added to the selection (no selectedChanged).
    void resultsAdded(int first);
    void resultsTitleChanged();
    // `count` rows were put in at `first`, the end of that link's rows (the
    // rows after them moved down), those ticked added to the selection.
    void resultsInserted(int section, int first, int count);
    // A link's heading changed: its title, count, state or failure.
    void sectionChanged(int section);
    void selectedChanged(const reelcatch::SelectionDelta& delta);

private:
    template <typename T> void publish(T& field, T value, void (Lookup::*fieldChanged)());
    void setIsFetching(bool fetching);
    void setResultsTitle(const QString& title);
    // Replaces the ticks and tells what changed (see SelectionDelta).
    void replaceSelected(QSet<QString> selected, bool whole = false);
    // Starts yt-dlp for the run of that generation, unless it was stopped.
    void launch(quint64 generation);
    // Why no lookup can start while there is no yt-dlp.
    QString setUpError() const;
    bool isDownloaded(const QString& id) const { return m_downloaded && m_downloaded(id); }
    // Ticked on arrival: not in the history, nor a stream yet to begin
    // (there is nothing to download before it does).
    bool isFresh(const VideoItem& item) const
    {
        return item.live() != VideoItem::Live::upcoming && !isDownloaded(item.id());
    }
    friend class LookupStream;
    // One yt-dlp run: the lookup of a single link or search, or of one link
    // of several.
    struct Run {
        int section = -1; // its link's heading, or none
        QString typed;    // what is looked up, as typed
        QString target;   // and as handed to yt-dlp
        QPointer<Child> child;
        std::shared_ptr<LookupStream> stream;
        qsizetype listed = 0;
        // How its yt-dlp ended (once it has), and its own word on why.
        std::unique_ptr<ChildExit> exit;
        QString exitError;
    };
    // A new run of that text, and its generation; launched when the
    // version of yt-dlp is known.
    void startRun(const QString& typed, int section);
    // The stream's items and, at its end, the lookup's outcome.
    void collect(quint64 generation, LookupStream& stream);
    // Ticks or unticks one video in the set, noting it in `delta` if that
    // changed it.
    void tickInto(const QString& id, bool ticked, SelectionDelta& delta);
    void add(Run& run, QList<VideoItem> items, const QString& title);
    // The end of a single lookup, or of one link of several.
    void finish(quint64 generation, const StreamReady& ready);
    QString failureOf(const Run& run, const ChildExit& exit) const;
    QString heading(const Run& run, const QString& title) const;
    void setPlaylist(const Run& run, const QString& title);
    void fail(const QString& message);
    void replaceResults(QList<VideoItem> results, QList<LinkSection> sections);
    // Several links: their headings listed, the first runs started.
    void fetchLinks(const QStringList& links);
    void addToSection(Run& run, QList<VideoItem> items, const QString& title);
    void finishSection(Run& run, const ChildExit& exit, const StreamReady& ready);
    // Starts waiting links while fewer than maxParallel run; the lookup
    // ends with the last.
    void startWaiting();

    Engine& m_engine;
    EngineReadiness& m_readiness;
    std::function<YtdlpArgs::Session()> m_session;
    std::function<bool(const QString&)> m_downloaded;
    QString m_input;
    bool m_isFetching = false;
    std::optional<QString> m_fetchError;
    QList<VideoItem> m_results;
    QString m_resultsTitle;
    QString m_playlistTitle; // the playlist's or channel's, as listed
    QList<LinkSection> m_sections;
    QSet<QString> m_selected;
    // Which rows arriving while a lookup lists are ticked: the fresh ones,
    // until the user chooses; then all after Select All, else none. A
    // link of several has its own.
    enum class Ticking { fresh, all, none } m_ticking = Ticking::fresh;
    QList<Ticking> m_sectionTicking;
    bool m_stopped = false;
    // The runs under way, by generation: a run no longer here counts for
    // nothing.
    std::map<quint64, Run> m_runs;
    quint64 m_generation = 0;
    quint64 m_listFiles = 0; // the file of links read last counts
    qsizetype m_listed = 0;  // rows of the lookup under way
};

} // namespace reelcatch
