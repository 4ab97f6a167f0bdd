#pragma once

#include "Engine.h"
#include "Prefs.h"
#include "VideoItem.h"

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

#include <optional>

// The one observable model behind the windows: what a lookup found, and the
// operations the interface triggers. Lives on the GUI thread; every field is
// written there. Slow work (processes, JSON parsing) runs elsewhere and comes
// back through queued calls before any field changes.
class AppModel : public QObject {
    Q_OBJECT
public:
    AppModel(Engine& engine, Prefs& prefs, QObject* parent = nullptr);
    ~AppModel() override;

    Engine& engine() const { return m_engine; }
    Prefs& prefs() const { return m_prefs; }

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

signals:
    // After any published field changed.
    void changed();
    void inputChanged();
    void isFetchingChanged();
    void fetchErrorChanged();
    void resultsChanged();
    void resultsTitleChanged();
    void selectedChanged();

private:
    void setIsFetching(bool fetching);
    void setResultsTitle(const QString& title);
    void finishLookup(const QString& typed, const QString& target, Listing listing);
    void failLookup(const QString& message);

    Engine& m_engine;
    Prefs& m_prefs;

    QString m_input;
    bool m_isFetching = false;
    std::optional<QString> m_fetchError;
    QList<VideoItem> m_results;
    QString m_resultsTitle;
    QSet<QString> m_selected;
};
