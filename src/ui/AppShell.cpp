#include "ui/AppShell.h"

#include "appmodel/AppModel.h"
#include "ui/AppIcon.h"
#include "ui/DesktopCues.h"
#include "ui/MainWindow.h"
#include "ui/SettingsWindow.h"
#include "ui/WindowFit.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSystemTrayIcon>

namespace reelcatch {

AppShell::AppShell(AppModel& model, ThumbnailCache& thumbnails, DesktopActions& actions,
                   FolderChooser& chooser, DesktopCues* cues, bool useTray, QObject* parent)
    : QObject(parent), m_model(model), m_chooser(chooser),
      m_window(std::make_unique<MainWindow>(model, thumbnails, actions, chooser)),
      m_quit([] { QCoreApplication::quit(); })
{
    // The application outlives its window; the shell decides when to quit.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    m_window->installEventFilter(this);
    // Every window and dialog shown (message boxes, file choosers) stays on its screen.
    qApp->installEventFilter(this);
    connect(m_window->settingsAction(), &QAction::triggered, this, &AppShell::showSettings);
    connect(m_window.get(), &MainWindow::chooseBrowserRequested, this, &AppShell::showAccountSettings);
    connect(m_window->quitAction(), &QAction::triggered, this, &AppShell::quit);
    if (cues)
        cues->setAttentionWindow(m_window.get());
    if (useTray)
        buildTray(cues);
}

AppShell::~AppShell()
{
    delete m_tray;
}

void AppShell::buildTray(DesktopCues* cues)
{
    m_tray = new QSystemTrayIcon(AppIcon::icon());
    m_tray->setToolTip(DesktopCues::trayToolTip(0));
    m_trayMenu = std::make_unique<QMenu>();
    QAction* show = m_trayMenu->addAction(tr("Show Reelcatch"));
    connect(show, &QAction::triggered, this, &AppShell::showWindow);
    m_trayMenu->addSeparator();
    QAction* quit = m_trayMenu->addAction(tr("Quit"));
    connect(quit, &QAction::triggered, this, &AppShell::quit);
    m_tray->setContextMenu(m_trayMenu.get());
    connect(m_tray, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                    showWindow();
            });
    if (cues)
        cues->setTrayIcon(m_tray, AppIcon::icon());
    m_tray->show();
}

void AppShell::addTray(DesktopCues* cues)
{
    if (!m_tray)
        buildTray(cues);
}

void AppShell::showWindow()
{
    if (m_window->isMinimized())
        m_window->showNormal();
    else
        m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void AppShell::showSettings()
{
    if (!m_settings)
        m_settings = std::make_unique<SettingsWindow>(m_model, m_chooser);
    m_settings->show();
    m_settings->raise();
    m_settings->activateWindow();
}

void AppShell::showAccountSettings()
{
    showSettings();
    m_settings->showAccountSection();
}

void AppShell::quit()
{
    const int count = unfinishedCount();
    if (count == 0)
        quitNow();
    else
        askBeforeQuitting(count);
}

void AppShell::quitNow()
{
    // Quitting closes every window; this close is not one to ask about.
    m_quitting = true;
    m_window->saveLayout();
    if (m_quit)
        m_quit();
    m_quitting = false;
}

int AppShell::unfinishedCount() const
{
    return m_model.queue().toDo();
}

QString AppShell::quitDetail(int count)
{
    return tr("%n download(s) are running or waiting. They will continue the next time you open "
              "Reelcatch.",
              nullptr, count);
}

bool AppShell::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->windowType() == Qt::Window || widget->windowType() == Qt::Dialog)
            WindowFit::fitToScreen(*widget);
        return QObject::eventFilter(watched, event);
    }
    if (watched != m_window.get() || event->type() != QEvent::Close || m_tray || m_quitting)
        return QObject::eventFilter(watched, event);
    // No tray to come back from: closing the window is quitting.
    event->ignore();
    quit();
    return true;
}

void AppShell::askBeforeQuitting(int count)
{
    // From the tray, with the window hidden: the question comes with it.
    if (!m_window->isVisible())
        showWindow();
    if (m_question) {
        m_question->raise();
        m_question->activateWindow();
        return;
    }
    auto* question = new QMessageBox(QMessageBox::Question, tr("Quit Reelcatch?"),
                                     tr("Quit Reelcatch?"), QMessageBox::NoButton, m_window.get());
    question->setObjectName(QStringLiteral("quitQuestion"));
    question->setInformativeText(quitDetail(count));
    question->addButton(QMessageBox::Cancel);
    QPushButton* quitButton = question->addButton(tr("Quit"), QMessageBox::AcceptRole);
    question->setDefaultButton(quitButton);
    question->setAttribute(Qt::WA_DeleteOnClose);
    m_question = question;
    connect(question, &QMessageBox::finished, this, [this, question, quitButton] {
        if (question->clickedButton() == quitButton)
            quitNow();
    });
    // Window-modal and asynchronous: the event loop, and the downloads, go on.
    question->open();
}

} // namespace reelcatch
