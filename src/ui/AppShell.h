#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace reelcatch {

class AppModel;
class DesktopActions;
class DesktopCues;
class FolderChooser;
class MainWindow;
class SettingsWindow;
class ThumbnailCache;

// The application shell: the one main window, the one settings window
// (opened from "Settings…"), the tray icon and what closing and quitting do.
//
// Closing the window doesn't quit while there is a tray icon to bring it
// back; without a tray, closing quits. Quitting (Quit in the menu or the
// tray, or closing without a tray) asks first while downloads are running or
// waiting; once the answer is Quit, every window closes and the application
// ends. The model stops the downloads and keeps them for the next start when
// the application is about to quit (AppModel::shutDown()).
class AppShell : public QObject {
    Q_OBJECT
public:
    AppShell(AppModel& model, ThumbnailCache& thumbnails, DesktopActions& actions,
             FolderChooser& chooser, DesktopCues* cues, bool useTray, QObject* parent = nullptr);
    ~AppShell() override;

    MainWindow& window() const { return *m_window; }
    QSystemTrayIcon* trayIcon() const { return m_tray; }
    // The question asked before quitting, while it is open.
    QMessageBox* quitQuestion() const { return m_question; }

    // Adds the tray icon (once), showing `cues`' count when given; from then
    // on closing the window keeps the application running.
    void addTray(DesktopCues* cues);

    void showWindow();
    void showSettings();
    // The settings window at its "YouTube account" section.
    void showAccountSettings();
    // Quits, after asking while downloads are running or waiting.
    void quit();
    // What quitting does; QCoreApplication::quit() unless a test says otherwise.
    void setQuitHandler(std::function<void()> handler) { m_quit = std::move(handler); }

    // Downloads running or waiting.
    int unfinishedCount() const;
    // "2 downloads are running or waiting. They will continue the next time…"
    static QString quitDetail(int count);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTray(DesktopCues* cues);
    void askBeforeQuitting(int count);
    void quitNow();

    AppModel& m_model;
    FolderChooser& m_chooser;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<SettingsWindow> m_settings;
    QSystemTrayIcon* m_tray = nullptr;
    std::unique_ptr<QMenu> m_trayMenu;
    QPointer<QMessageBox> m_question;
    std::function<void()> m_quit;
    // Set while quitting: the windows are let close.
    bool m_quitting = false;
};

} // namespace reelcatch
