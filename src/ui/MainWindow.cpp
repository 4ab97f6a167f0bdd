#include "ui/MainWindow.h"

#include "appmodel/AppModel.h"
#include "model/Prefs.h"
#include "ui/AppIcon.h"
#include "ui/Appearance.h"
#include "ui/DownloadsList.h"
#include "ui/DownloadsPane.h"
#include "ui/EngineBanner.h"
#include "ui/HeaderBar.h"
#include "ui/HelpDialogs.h"
#include "ui/ResultsList.h"
#include "ui/ResultsPane.h"
#include "ui/WindowFit.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace reelcatch {

namespace {

// A one-pixel line in the separator colour.
class Divider : public QWidget {
public:
    explicit Divider(QWidget* parent) : QWidget(parent)
    {
        setFixedHeight(1);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Window));
        painter.fillRect(rect(), Appearance::separator(this));
    }
};

QKeySequence standardOr(QKeySequence::StandardKey key, const QKeySequence& fallback)
{
    const QList<QKeySequence> bindings = QKeySequence::keyBindings(key);
    return bindings.isEmpty() ? fallback : bindings.first();
}

bool canDrop(const QMimeData* data)
{
    return data && (data->hasUrls() || data->hasText());
}

} // namespace

MainWindow::MainWindow(AppModel& model, ThumbnailCache& thumbnails, DesktopActions& actions,
                       FolderChooser& chooser, QWidget* parent)
    : QMainWindow(parent), m_model(model), m_thumbnails(thumbnails), m_actions(actions),
      m_chooser(chooser)
{
    setObjectName(QStringLiteral("main"));
    setWindowTitle(QStringLiteral("Reelcatch"));
    setWindowIcon(AppIcon::icon());
    setAcceptDrops(true);

    auto* content = new QWidget(this);
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    m_header = new HeaderBar(m_model, chooser, content);
    m_banner = new EngineBanner(m_model, content);
    m_splitter = new QSplitter(Qt::Vertical, content);
    m_splitter->setObjectName(QStringLiteral("split"));
    m_splitter->setAccessibleName(tr("Results and downloads"));
    m_splitter->setChildrenCollapsible(false);
    m_results = new ResultsPane(
        m_model, thumbnails, actions, [this] { return preset(); }, m_splitter);
    m_downloads = new DownloadsPane(m_model, thumbnails, actions, m_splitter);
    connect(m_results, &ResultsPane::chooseBrowserRequested, this,
            &MainWindow::chooseBrowserRequested);
    connect(m_downloads->list(), &DownloadsList::chooseBrowserRequested, this,
            &MainWindow::chooseBrowserRequested);
    m_splitter->addWidget(m_results);
    m_splitter->addWidget(m_downloads);
    // The results take whatever room the downloads' initial height leaves.
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_splitter->setSizes({defaultSize.height(), downloadsInitialHeight});
    m_splitter->handle(1)->setAccessibleName(tr("Divider between results and downloads"));

    column->addWidget(m_header);
    column->addWidget(m_banner);
    column->addWidget(buildLibraryNote(content));
    column->addWidget(new Divider(content));
    column->addWidget(m_splitter, 1);
    setCentralWidget(content);

    buildMenu();
    resize(defaultSize);
    setMinimumSize(minimumContentSize.width(),
                   minimumContentSize.height() + menuBar()->sizeHint().height());
    restoreLayout();

    QWidget::setTabOrder(m_header->input(), m_header->fetchButton());
    QWidget::setTabOrder(m_header->fetchButton(), m_header->presetPicker());
    QWidget::setTabOrder(m_header->presetPicker(), m_header->folderButton());
    QWidget::setTabOrder(m_header->folderButton(), m_results->list());
    QWidget::setTabOrder(m_results->list(), m_results->selectAllButton());
    QWidget::setTabOrder(m_results->selectAllButton(), m_results->selectNewButton());
    QWidget::setTabOrder(m_results->selectNewButton(), m_results->downloadButton());
    QWidget::setTabOrder(m_results->downloadButton(), m_downloads->openFolderButton());
    QWidget::setTabOrder(m_downloads->openFolderButton(), m_downloads->clearFinishedButton());
    QWidget::setTabOrder(m_downloads->clearFinishedButton(), m_downloads->list());

    // A YouTube link copied in another application is picked up on return;
    // one copied here before leaving is not.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive)
                    m_model.clipboard().check();
                else
                    m_model.clipboard().markSeen();
            });
}

QWidget* MainWindow::buildLibraryNote(QWidget* parent)
{
    auto* strip = new QWidget(parent);
    strip->setObjectName(QStringLiteral("libraryNote"));
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(14, 6, 10, 6);
    m_libraryNote = new QLabel(strip);
    m_libraryNote->setWordWrap(true);
    Appearance::setTextColor(m_libraryNote, Appearance::red());
    auto* dismiss = new QToolButton(strip);
    dismiss->setText(QStringLiteral("\u2715"));
    dismiss->setAutoRaise(true);
    dismiss->setToolTip(tr("Dismiss"));
    dismiss->setAccessibleName(tr("Dismiss"));
    row->addWidget(m_libraryNote, 1);
    row->addWidget(dismiss);
    Library& library = m_model.library();
    const auto refresh = [strip, this, &library] {
        m_libraryNote->setText(library.note());
        strip->setVisible(!library.note().isEmpty());
    };
    connect(&library, &Library::noteChanged, strip, refresh);
    connect(dismiss, &QToolButton::clicked, &library, &Library::dismissNote);
    refresh();
    return strip;
}

void MainWindow::saveLayout()
{
    Prefs& prefs = m_model.prefs();
    prefs.setValue(PrefKey::windowGeometry, saveGeometry());
    prefs.setValue(PrefKey::splitterState, m_splitter->saveState());
}

void MainWindow::restoreLayout()
{
    const Prefs& prefs = m_model.prefs();
    if (const QByteArray geometry = prefs.value(PrefKey::windowGeometry); !geometry.isEmpty())
        restoreGeometry(geometry);
    if (const QByteArray state = prefs.value(PrefKey::splitterState); !state.isEmpty())
        m_splitter->restoreState(state);
    // Also a smaller screen (or a larger scale) than the one it was saved on.
    WindowFit::fitToScreen(*this);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        saveLayout();
}

void MainWindow::buildMenu()
{
    QMenu* menu = menuBar()->addMenu(tr("&File"));
    m_openListAction = menu->addAction(tr("Open List of Links\u2026"));
    m_openListAction->setObjectName(QStringLiteral("openListAction"));
    m_openListAction->setShortcut(
        standardOr(QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O)));
    connect(m_openListAction, &QAction::triggered, this, &MainWindow::openLinkList);
    // The shortcut is shown only: the results page's own shortcut presses
    // the button (two of the same keys would cancel each other out).
    m_downloadAction =
        menu->addAction(tr("Download Ticked") + u'\t' +
                        QKeySequence(Qt::CTRL | Qt::Key_Return).toString(QKeySequence::NativeText));
    m_downloadAction->setObjectName(QStringLiteral("downloadAction"));
    connect(m_downloadAction, &QAction::triggered, this, [this] {
        if (m_results->downloadButton()->isVisibleTo(this) &&
            m_results->downloadButton()->isEnabled())
            m_results->downloadButton()->click();
    });
    connect(menu, &QMenu::aboutToShow, this, [this] {
        m_downloadAction->setEnabled(m_results->downloadButton()->isVisibleTo(this) &&
                                     m_results->downloadButton()->isEnabled());
    });
    menu->addSeparator();
    m_settingsAction = menu->addAction(tr("Settings\u2026"));
    m_settingsAction->setObjectName(QStringLiteral("settingsAction"));
    m_settingsAction->setShortcut(
        standardOr(QKeySequence::Preferences, QKeySequence(Qt::CTRL | Qt::Key_Comma)));
    m_settingsAction->setMenuRole(QAction::PreferencesRole);
    menu->addSeparator();
    m_quitAction = menu->addAction(tr("Quit"));
    m_quitAction->setObjectName(QStringLiteral("quitAction"));
    m_quitAction->setShortcut(standardOr(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));
    m_quitAction->setMenuRole(QAction::QuitRole);

    QMenu* window = menuBar()->addMenu(tr("&Window"));
    m_historyAction = window->addAction(tr("History"));
    m_historyAction->setObjectName(QStringLiteral("historyAction"));
    m_historyAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(m_historyAction, &QAction::triggered, this, &MainWindow::showHistory);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    m_shortcutsAction = help->addAction(tr("Keyboard Shortcuts"));
    m_shortcutsAction->setObjectName(QStringLiteral("shortcutsAction"));
    connect(m_shortcutsAction, &QAction::triggered, this, [this] {
        if (!m_shortcutsDialog) {
            m_shortcutsDialog = new ShortcutsDialog(this);
            m_shortcutsDialog->setAttribute(Qt::WA_DeleteOnClose);
        }
        m_shortcutsDialog->show();
        m_shortcutsDialog->raise();
        m_shortcutsDialog->activateWindow();
    });
    m_aboutAction = help->addAction(tr("About Reelcatch"));
    m_aboutAction->setObjectName(QStringLiteral("aboutAction"));
    m_aboutAction->setMenuRole(QAction::AboutRole);
    connect(m_aboutAction, &QAction::triggered, this, [this] {
        // Made afresh each time: the tools' versions change with an update.
        delete m_aboutDialog;
        m_aboutDialog = new AboutDialog(m_model, m_thumbnails, this);
        m_aboutDialog->setAttribute(Qt::WA_DeleteOnClose);
        m_aboutDialog->show();
        m_aboutDialog->activateWindow();
    });
}

void MainWindow::showHistory()
{
    if (!m_historyWindow) {
        m_historyWindow = new HistoryWindow(
            m_model, m_actions, m_chooser, [this] { return preset(); }, this);
        m_historyWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_historyWindow->show();
    m_historyWindow->raise();
    m_historyWindow->activateWindow();
}

Preset MainWindow::preset() const
{
    return m_header->preset();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    m_model.clipboard().check();
    m_header->input()->setFocus(Qt::OtherFocusReason);
}

bool MainWindow::handleDrop(const QMimeData* mime)
{
    if (!mime || mime->formats().isEmpty())
        return false;
    // The drop's data lives only as long as the event: read it now and hand
    // the text to the model on the next turn of the event loop.
    if (mime->hasUrls()) {
        const QList<QUrl> urls = mime->urls();
        if (!urls.isEmpty()) {
            // Several links dropped at once are looked up together.
            QStringList links;
            for (const QUrl& url : urls)
                if (url.isValid())
                    links.append(url.toString(QUrl::FullyEncoded));
            if (!links.isEmpty())
                deliverDrop(links.join(QLatin1Char(' ')));
            return true;
        }
    }
    if (mime->hasText()) {
        deliverDrop(mime->text());
        return true;
    }
    return false;
}

void MainWindow::openLinkList()
{
    auto* dialog = new QFileDialog(this, tr("Open List of Links"));
    dialog->setObjectName(QStringLiteral("openListDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilters({tr("Text files (*.txt *.list)"), tr("All files (*)")});
    connect(dialog, &QFileDialog::fileSelected, &m_model.lookup(), &Lookup::fetchListFile);
    dialog->open();
}

void MainWindow::deliverDrop(const QString& text)
{
    QMetaObject::invokeMethod(
        this,
        [this, text] {
            // It replaces a lookup under way.
            m_model.lookup().stop();
            m_model.lookup().setInput(text);
            m_model.lookup().fetch();
        },
        Qt::QueuedConnection);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (canDrop(event->mimeData()))
        event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event)
{
    if (canDrop(event->mimeData()))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    if (handleDrop(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

} // namespace reelcatch
