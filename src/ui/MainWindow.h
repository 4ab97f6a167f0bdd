#pragma once

#include "model/Preset.h"
#include "ui/HelpDialogs.h"
#include "ui/HistoryWindow.h"

#include <QMainWindow>
#include <QPointer>

class QLabel;
class QMimeData;
class QSplitter;

namespace reelcatch {

class AppModel;
class DesktopActions;
class DownloadsPane;
class EngineBanner;
class FolderChooser;
class HeaderBar;

class ResultsPane;
class ThumbnailCache;

// The application's one main window, "Reelcatch": the header bar, the engine
// banner, a divider and a vertical splitter with the results above and the
// downloads below. It keeps nothing of its own but the chosen preset (in the
// settings store); all else is read from and written to the model.
//
// The whole window takes dropped links and text. The clipboard is looked at
// when the window is first shown and whenever the application becomes active.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr QSize defaultSize{900, 720};
    static constexpr QSize minimumContentSize{760, 560};
    static constexpr int downloadsInitialHeight = 240;

    MainWindow(AppModel& model, ThumbnailCache& thumbnails, DesktopActions& actions,
               FolderChooser& chooser, QWidget* parent = nullptr);

    // The preset new downloads from this window use.
    Preset preset() const;

    // Takes a dropped link or text into the input and looks it up (on the
    // next turn of the event loop). Several URLs are looked up together; a
    // URL wins over text. Returns whether the drop is accepted.
    bool handleDrop(const QMimeData* mime);
    // Takes a link (or text, or links separated by spaces) into the input
    // and looks it up instead of any lookup under way, as a drop does.
    void takeLink(const QString& text) { deliverDrop(text); }
    // Several links (a later start's) looked up together; one as takeLink().
    void takeLinks(const QStringList& links) { deliverDrop(links.join(QLatin1Char(' '))); }

    HeaderBar* header() const { return m_header; }
    EngineBanner* banner() const { return m_banner; }
    ResultsPane* resultsPane() const { return m_results; }
    DownloadsPane* downloadsPane() const { return m_downloads; }
    // "Settings…" and "Quit" in the menu; the shell decides what they do.
    QAction* settingsAction() const { return m_settingsAction; }
    QAction* quitAction() const { return m_quitAction; }
    // "Open List of Links…" (Ctrl+O) asks for a text file of links.
    QAction* openListAction() const { return m_openListAction; }
    // "Download Ticked" (Ctrl+Return) in the menu presses the Download button.
    QAction* downloadAction() const { return m_downloadAction; }
    // The Help menu's windows, made when first asked for.
    QAction* shortcutsAction() const { return m_shortcutsAction; }
    QAction* aboutAction() const { return m_aboutAction; }
    // Window → History (Ctrl+H) and its window, made when first asked for.
    QAction* historyAction() const { return m_historyAction; }
    HistoryWindow* historyWindow() const { return m_historyWindow; }
    ShortcutsDialog* shortcutsDialog() const { return m_shortcutsDialog; }
    AboutDialog* aboutDialog() const { return m_aboutDialog; }
    // The note that the kept download list could not be read.
    QLabel* libraryNote() const { return m_libraryNote; }

    // Keeps the window's size and place and the splitter's sizes in the
    // settings store, for the next start. Closing the window does it too.
    void saveLayout();

signals:
    // A failure's "Choose Browser…" (in a row or the lookup's error): the
    // sign-in settings are wanted.
    void chooseBrowserRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenu();
    // What saveLayout() kept, held to the screen.
    void restoreLayout();
    QWidget* buildLibraryNote(QWidget* parent);
    void deliverDrop(const QString& text);
    void openLinkList();

    void showHistory();

    AppModel& m_model;
    ThumbnailCache& m_thumbnails;
    DesktopActions& m_actions;
    FolderChooser& m_chooser;
    HeaderBar* m_header = nullptr;
    EngineBanner* m_banner = nullptr;
    QSplitter* m_splitter = nullptr;
    ResultsPane* m_results = nullptr;
    DownloadsPane* m_downloads = nullptr;
    QAction* m_openListAction = nullptr;
    QAction* m_settingsAction = nullptr;
    QAction* m_quitAction = nullptr;
    QAction* m_downloadAction = nullptr;
    QAction* m_shortcutsAction = nullptr;
    QAction* m_aboutAction = nullptr;
    QAction* m_historyAction = nullptr;
    QPointer<HistoryWindow> m_historyWindow;
    QPointer<ShortcutsDialog> m_shortcutsDialog;
    QPointer<AboutDialog> m_aboutDialog;
    QLabel* m_libraryNote = nullptr;
    bool m_shown = false;
};

} // namespace reelcatch
