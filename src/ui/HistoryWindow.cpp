#include "ui/HistoryWindow.h"

#include "appmodel/AppModel.h"
#include "model/Prefs.h"
#include "ui/DesktopActions.h"
#include "ui/FolderChooser.h"
#include "ui/HistoryList.h"
#include "ui/HistoryModel.h"

#include <QAction>
#include <QBoxLayout>
#include <QFileInfo>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace reelcatch {

HistoryWindow::HistoryWindow(AppModel& model, DesktopActions& desktop, FolderChooser& chooser,
                             std::function<Preset()> preset, QWidget* parent)
    : QWidget(parent, Qt::Window), m_model(model), m_desktop(desktop), m_chooser(chooser),
      m_preset(std::move(preset))
{
    setWindowTitle(tr("History"));
    setObjectName(QStringLiteral("historyWindow"));
    resize(640, 520);
    m_rows = new HistoryModel(model.library(), this);

    m_search = new QLineEdit(this);
    m_search->setPlaceholderText(tr("Search titles and channels"));
    m_search->setAccessibleName(tr("Search the history"));
    m_search->setClearButtonEnabled(true);
    m_search->installEventFilter(this);
    m_count = new QLabel(this);
    m_count->setTextFormat(Qt::PlainText);
    m_list = new HistoryList(
        *m_rows, [this](int row) { return rowActions(row); }, this);
    m_status = new QLabel(this);
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);
    m_export = new QPushButton(tr("Export\u2026"), this);
    m_export->setAccessibleDescription(tr("Saves the videos listed as a CSV file"));
    m_export->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    top->addWidget(m_search, 1);
    top->addWidget(m_count);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_status, 1);
    bottom->addWidget(m_export);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_list, 1);
    layout->addLayout(bottom);

    // The selected row's actions: Return opens it in the list, the others
    // work wherever the focus is in the window.
    addShortcut(tr("Open"), QKeySequence(Qt::Key_Return), m_list, &HistoryWindow::open);
    addShortcut(tr("Show in Folder"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), this,
                &HistoryWindow::showInFolder);
    addShortcut(tr("Download Again"), QKeySequence(Qt::CTRL | Qt::Key_D), this,
                &HistoryWindow::downloadAgain);
    addShortcut(tr("Copy Link"), QKeySequence::Copy, m_list, &HistoryWindow::copyLink);
    addShortcut(tr("Remove from History"), QKeySequence::Delete, m_list, &HistoryWindow::remove);
    auto* find = new QAction(this);
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, m_search,
            [this] { m_search->setFocus(), m_search->selectAll(); });
    auto* exportAction = new QAction(this);
    exportAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(exportAction, &QAction::triggered, this, &HistoryWindow::exportRows);
    auto* close = new QAction(this);
    close->setShortcuts({QKeySequence::Close, QKeySequence(Qt::Key_Escape)});
    connect(close, &QAction::triggered, this, &QWidget::close);
    addActions({find, exportAction, close});

    connect(m_list, &QAbstractItemView::activated, this,
            [this](const QModelIndex& index) { open(index.row()); });
    connect(m_search, &QLineEdit::textChanged, m_rows, &HistoryModel::setSearch);
    connect(m_export, &QPushButton::clicked, this, &HistoryWindow::exportRows);
    connect(m_rows, &HistoryModel::refreshed, this, &HistoryWindow::refreshStatus);
    connect(m_rows, &QAbstractItemModel::rowsRemoved, this, &HistoryWindow::refreshStatus);
    connect(&model.library(), &Library::historyExported, this,
            [this](const QString& path, bool ok) {
                m_exportNote = ok ? tr("Exported to %1").arg(QFileInfo(path).fileName())
                                  : tr("Couldn't export to %1").arg(path);
                refreshStatus();
            });
    refreshStatus();
}

QAction* HistoryWindow::addShortcut(const QString& name, const QKeySequence& keys, QWidget* scope,
                                    void (HistoryWindow::*act)(int row))
{
    auto* action = new QAction(name, scope);
    action->setShortcut(keys);
    action->setShortcutContext(scope == this ? Qt::WindowShortcut : Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this, [this, act] {
        if (const QModelIndex current = m_list->currentIndex(); current.isValid())
            (this->*act)(current.row());
    });
    scope->addAction(action);
    return action;
}

QList<PaintedRowList::RowAction> HistoryWindow::rowActions(int row)
{
    if (row < 0 || row >= m_rows->rowCount())
        return {};
    QList<PaintedRowList::RowAction> actions;
    const auto add = [&](const QString& name, void (HistoryWindow::*act)(int)) {
        actions.append({name, [this, row, act] { (this->*act)(row); }});
    };
    // A file known to be gone can't be opened; its folder may still be there.
    if (m_rows->filePresent(row) != false)
        add(tr("Open"), &HistoryWindow::open);
    if (!m_rows->entry(row).file.isEmpty())
        add(tr("Show in Folder"), &HistoryWindow::showInFolder);
    add(tr("Download Again"), &HistoryWindow::downloadAgain);
    add(tr("Copy Link"), &HistoryWindow::copyLink);
    add(tr("Remove from History"), &HistoryWindow::remove);
    return actions;
}

QString HistoryWindow::exportName()
{
    return tr("Reelcatch History") + QStringLiteral(".csv");
}

void HistoryWindow::open(int row)
{
    if (m_rows->filePresent(row) != false)
        m_desktop.openFile(m_rows->entry(row).file);
}

void HistoryWindow::showInFolder(int row)
{
    if (const QString& file = m_rows->entry(row).file; !file.isEmpty())
        m_desktop.revealFile(file);
}

void HistoryWindow::downloadAgain(int row)
{
    const HistoryEntry& entry = m_rows->entry(row);
    QJsonObject video{{QStringLiteral("id"), entry.videoId},
                      {QStringLiteral("title"), entry.title},
                      {QStringLiteral("channel"), entry.channel}};
    if (!entry.url.isEmpty())
        video.insert(QStringLiteral("webpage_url"), entry.url);
    if (const std::optional<VideoItem> item = VideoItem::fromJson(video))
        m_model.queue().enqueue({*item}, m_preset());
}

void HistoryWindow::copyLink(int row)
{
    const HistoryEntry& entry = m_rows->entry(row);
    QJsonObject video{{QStringLiteral("id"), entry.videoId}};
    if (!entry.url.isEmpty())
        video.insert(QStringLiteral("webpage_url"), entry.url);
    if (const std::optional<VideoItem> item = VideoItem::fromJson(video))
        m_model.clipboard().copy(item->url());
}

void HistoryWindow::remove(int row)
{
    m_model.library().forget({m_rows->entry(row).videoId});
    // The row that took its place is the one selected.
    if (m_rows->rowCount() > 0)
        m_list->setCurrentIndex(m_rows->index(std::min(row, m_rows->rowCount() - 1)));
}

void HistoryWindow::exportRows()
{
    const std::optional<QString> path = m_chooser.chooseSaveFile(
        m_model.prefs().value(PrefKey::folder), exportName(), tr("Export"));
    if (!path)
        return;
    m_exportNote = tr("Exporting\u2026");
    refreshStatus();
    m_model.library().exportHistory(m_rows->search(), *path);
}

void HistoryWindow::refreshStatus()
{
    const int count = m_rows->rowCount();
    // Kept while the rest of a long list is read.
    if (m_rows->isCurrent())
        m_count->setText(tr("%n video(s)", nullptr, count));
    QString status = m_exportNote;
    if (m_rows->isLoaded() && count == 0)
        status = m_rows->search().trimmed().isEmpty() ? tr("No videos downloaded yet.")
                                                      : tr("No video matches the search.");
    m_status->setText(status);
    m_export->setEnabled(m_rows->isLoaded() && count > 0);
}

bool HistoryWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Down (or Return) from the search goes on to the rows.
    if (watched == m_search && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter) &&
            m_rows->rowCount() > 0) {
            m_list->setFocus();
            if (!m_list->currentIndex().isValid())
                m_list->setCurrentIndex(m_rows->index(0));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace reelcatch
