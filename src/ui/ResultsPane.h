#pragma once

#include "appmodel/Failure.h"
#include "model/Preset.h"

#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;
class QShortcut;
class QStackedLayout;

namespace reelcatch {

class AppModel;
class DesktopActions;
class OneLineLabel;
class ResultsList;
class ThumbnailCache;

// The upper pane of the main window: a centred empty state (the error, the
// lookup in progress, or how to start) while there are no results, else the
// results bar (title, count line, Select All/None, Download), the lookup
// error of a later attempt, and the checklist of results.
class ResultsPane : public QWidget {
    Q_OBJECT
public:
    ResultsPane(AppModel& model, ThumbnailCache& thumbnails, DesktopActions& actions,
                std::function<Preset()> currentPreset, QWidget* parent = nullptr);

    // How much of the listing the results are.
    enum class Listed { all, soFar, stopped };
    // "120 videos · 120 selected"; "120 videos so far · 120 selected" while
    // listing; "120 videos, listing stopped · 120 selected" once stopped.
    static QString countLine(int results, int selected, Listed listed = Listed::all);

    bool showsResults() const;
    OneLineLabel* title() const { return m_title; }
    QLabel* count() const { return m_count; }
    QPushButton* selectAllButton() const { return m_selectAll; }
    QPushButton* selectNewButton() const { return m_selectNew; }
    QPushButton* downloadButton() const { return m_download; }
    // "Choose Format…" of a lookup that found one video.
    QPushButton* chooseFormatButton() const { return m_chooseFormat; }
    ResultsList* list() const { return m_list; }

signals:
    // "Choose Browser…": the sign-in settings are wanted.
    void chooseBrowserRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildEmptyState();
    QWidget* buildResults(ThumbnailCache& thumbnails, DesktopActions& actions);
    void toggleAll();
    // The videos added to the history.
    void historyChanged(const QList<QString>& added);
    // Whether any listed video is downloaded, for a new list.
    void findDownloaded();
    // Rows [first, end) arrived while the listing goes on.
    void resultsAdded(int first, qsizetype end);
    void refresh();
    void restyle();
    QPushButton* actionButton(const QString& name, QWidget* parent);
    void act();

    AppModel& m_model;
    std::function<Preset()> m_currentPreset;
    DesktopActions& m_actions;
    Failure::Action m_action = Failure::Action::none;
    QStackedLayout* m_stack = nullptr;

    QWidget* m_empty = nullptr;
    QLabel* m_emptyIcon = nullptr;
    QLabel* m_emptyError = nullptr;
    QPushButton* m_emptyAction = nullptr;
    QLabel* m_lookingUp = nullptr;
    QLabel* m_startTitle = nullptr;
    QLabel* m_startHint = nullptr;

    QWidget* m_results = nullptr;
    OneLineLabel* m_title = nullptr;
    QLabel* m_count = nullptr;
    QPushButton* m_selectAll = nullptr;
    QPushButton* m_selectNew = nullptr;
    // Whether any listed video is in the history; worked out when the list
    // or the history changes, not at every tick.
    bool m_anyDownloaded = false;
    QPushButton* m_download = nullptr;
    QPushButton* m_chooseFormat = nullptr;
    QShortcut* m_downloadShortcut = nullptr;
    QLabel* m_error = nullptr;
    QPushButton* m_errorAction = nullptr;
    ResultsList* m_list = nullptr;
};

} // namespace reelcatch
