#pragma once

#include "Listing.h"
#include "VideoItem.h"
#include "YtdlpArgs.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace reelcatch {

class Child;
class Engine;
class EngineReadiness;

// Looking up what is behind the user's text: the input, the lookup under way
// and what the last one found. Lives on the GUI thread; the answer is read on
// the thread pool while it arrives and published here.
class Lookup : public QObject {
    Q_OBJECT
public:
    // `readiness` tells the version of the yt-dlp in use.
    Lookup(Engine& engine, const EngineReadiness& readiness, QObject* parent = nullptr);
    ~Lookup() override;

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
    // The listed items that are ticked, in the list's order.
    QList<VideoItem> selectedItems() const;

    // Starts a lookup of the current input; the outcome arrives through the
    // fields. Ignored while one is running.
    void fetch();
    // Ends the lookup under way, if any: its yt-dlp stops, and the previous
    // results, heading and selection stay as they are, with no error shown.
    void stop();
    // Where yt-dlp takes sign-in cookies from, asked at every start; nowhere
    // until set.
    void setCookies(std::function<YtdlpArgs::Cookies()> cookies) { m_cookies = std::move(cookies); }

    // A lookup that has printed nothing on either stream for this long ends
    // with an error (a big channel prints a line per page, so it never does).
    static constexpr std::chrono::minutes inactivityLimit{5};
    // Longer input (in UTF-8 bytes) is refused with an error, not looked up.
    static constexpr qsizetype maxInputBytes = 8192;

signals:
    void inputChanged();
    void isFetchingChanged();
    void fetchErrorChanged();
    void resultsChanged();
    void resultsTitleChanged();
    void selectedChanged();

private:
    template <typename T> void publish(T& field, T value, void (Lookup::*fieldChanged)());
    void setIsFetching(bool fetching);
    void setResultsTitle(const QString& title);
    // `ids`: those of listing.items, gathered off the GUI thread.
    void finish(const QString& typed, const QString& target, Listing listing, QSet<QString> ids);
    void fail(const QString& message);

    Engine& m_engine;
    const EngineReadiness& m_readiness;
    std::function<YtdlpArgs::Cookies()> m_cookies;
    QString m_input;
    bool m_isFetching = false;
    std::optional<QString> m_fetchError;
    QList<VideoItem> m_results;
    QString m_resultsTitle;
    QSet<QString> m_selected;
    // The lookup under way; a new one counts only for itself.
    QPointer<Child> m_child;
    quint64 m_generation = 0;
};

} // namespace reelcatch
