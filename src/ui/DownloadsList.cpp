#include "ui/DownloadsList.h"

#include "appmodel/AppModel.h"
#include "appmodel/EngineReadiness.h"
#include "appmodel/Failure.h"
#include "model/Prefs.h"
#include "model/ShownText.h"
#include "ui/DesktopActions.h"
#include "ui/DownloadDelegate.h"
#include "ui/ThumbnailCache.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHoverEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace reelcatch {

namespace {

using Kind = Download::Phase::Kind;

// About 30 frames a second for the indeterminate bars.
constexpr int animationIntervalMs = 33;

} // namespace

DownloadsList::DownloadsList(AppModel& model, ThumbnailCache& thumbnails, DesktopActions& actions,
                             QWidget* parent)
    : PaintedRowList(parent), m_model(model), m_thumbnails(thumbnails), m_actions(actions),
      m_openFile([](const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }),
      m_downloads(new DownloadsModel(model.queue(), this)),
      m_delegate(new DownloadDelegate(thumbnails, this))
{
    setModel(m_downloads);
    setItemDelegate(m_delegate);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Rows are laid out again when the width changes: a failure message
    // may take one line more or less.
    setResizeMode(QListView::Adjust);
    // A long queue is laid out a thousand rows at a time, between events.
    setLayoutMode(QListView::Batched);
    setBatchSize(1000);
    setWordWrap(true);
    setFrameShape(QFrame::NoFrame);
    setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_Hover);
    setAccessibleName(tr("Downloads"));

    connect(m_delegate, &DownloadDelegate::buttonClicked, this,
            [this](const QModelIndex& index, DownloadsModel::Action action) {
                perform(action, m_downloads->job(index.row()));
            });
    connect(&m_thumbnails, &ThumbnailCache::loaded, viewport(), [this] { viewport()->update(); });

    m_animation.setInterval(animationIntervalMs);
    connect(&m_animation, &QTimer::timeout, this, &DownloadsList::animate);
    // Rows whose phase changes height (the bar comes or goes, a failure
    // message takes two lines) are laid out again by the view itself.
    connect(m_downloads, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                updateAnimation(topLeft.row(), bottomRight.row());
            });
    connect(m_downloads, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { updateAnimation(first, last); });
    // Only the rows that go are looked at: a long list is not walked.
    connect(m_downloads, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex&, int first, int last) {
                for (int row = first; row <= last && !m_processing.isEmpty(); ++row)
                    m_processing.remove(m_downloads->job(row).get());
            });
    connect(m_downloads, &QAbstractItemModel::rowsRemoved, this,
            [this] { updateAnimation(0, -1); });
    connect(m_downloads, &QAbstractItemModel::modelReset, this, [this] { updateAnimation(); });
    updateAnimation();
}

void DownloadsList::perform(DownloadsModel::Action action, const std::shared_ptr<Download>& job)
{
    if (!job)
        return;
    switch (action) {
    case DownloadsModel::Action::cancel:
        m_model.queue().cancel(*job);
        break;
    case DownloadsModel::Action::open:
        if (job->file() && m_openFile)
            m_openFile(*job->file());
        break;
    case DownloadsModel::Action::reveal:
        if (job->file())
            m_actions.revealFile(*job->file());
        break;
    case DownloadsModel::Action::retry:
        m_model.queue().retry(*job);
        break;
    case DownloadsModel::Action::remove:
        m_model.queue().remove(*job);
        break;
    case DownloadsModel::Action::chooseBrowser:
        emit chooseBrowserRequested();
        break;
    case DownloadsModel::Action::updateEngine:
        m_model.readiness().ensure(true);
        break;
    case DownloadsModel::Action::openFolder:
        m_actions.openFolder(m_model.prefs().value(PrefKey::folder));
        break;
    case DownloadsModel::Action::resumeNow:
        m_model.queue().resumeNow();
        break;
    }
}

QList<PaintedRowList::RowAction> DownloadsList::rowActions(const QModelIndex& index)
{
    const std::shared_ptr<Download> job = index.isValid() ? m_downloads->job(index.row()) : nullptr;
    if (!job)
        return {};
    const std::weak_ptr<Download> weak = job;
    QList<RowAction> actions;
    QList<DownloadsModel::Action> offered;
    const auto add = [&](DownloadsModel::Action action, const QString& name) {
        if (offered.contains(action))
            return;
        offered << action;
        actions.append({name, [this, weak, action] { perform(action, weak.lock()); }});
    };
    // The suggested way out of a failure first, then the row's buttons.
    if (const auto link = m_downloads->link(*job))
        add(link->action, link->name);
    for (const DownloadsModel::Button& button : DownloadsModel::buttons(*job))
        if (button.action != DownloadsModel::Action::remove)
            add(button.action, button.name);
    if (job->phase().kind() == Kind::failed) {
        actions.append({tr("Copy Error"), [this, weak] {
                            if (const auto shown = weak.lock())
                                m_model.clipboard().copy(
                                    Failure::report(*shown, m_model.readiness().version()));
                        }});
    }
    if (!job->command().isEmpty())
        actions.append({tr("Show Log"), [this, weak] {
                            if (const auto ran = weak.lock())
                                showLog(*ran);
                        }});
    const QString link = job->video().url();
    actions.append({tr("Copy Link"), [this, link] { m_model.clipboard().copy(link); }});
    add(DownloadsModel::Action::remove, tr("Remove from List"));
    return actions;
}

void DownloadsList::showLog(const Download& job)
{
    // What the run printed, as it was when asked for: plain text, read only.
    auto* dialog = new QDialog(this);
    dialog->setObjectName(QStringLiteral("downloadLog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(
        tr("Log of \u201c%1\u201d").arg(ShownText::withoutBidiControls(job.video().title())));
    auto* text = new QPlainTextEdit(job.log().join(u'\n'), dialog);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QPushButton* copy = buttons->addButton(tr("Copy"), QDialogButtonBox::ActionRole);
    connect(copy, &QPushButton::clicked, this,
            [this, text] { m_model.clipboard().copy(text->toPlainText()); });
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    dialog->resize(720, 420);
    dialog->show();
    text->moveCursor(QTextCursor::End);
}

void DownloadsList::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) &&
        event->modifiers() == Qt::NoModifier) {
        const QModelIndexList rows = selectionModel()->selectedRows();
        if (!rows.isEmpty()) {
            const std::shared_ptr<Download> job = m_downloads->job(rows.first().row());
            if (job && job->isFinished())
                m_model.queue().remove(*job);
            return;
        }
    }
    // Return opens the finished file of the current row.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier && currentIndex().isValid()) {
        const std::shared_ptr<Download> job = m_downloads->job(currentIndex().row());
        if (job && job->phase().kind() == Kind::done)
            perform(DownloadsModel::Action::open, job);
        return;
    }
    PaintedRowList::keyPressEvent(event);
}

void DownloadsList::hoverMoved(QPoint pos)
{
    m_delegate->setHoverPos(pos);
}

void DownloadsList::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                const QList<int>& roles)
{
    // QListView lays every row out again on any change. A row's height
    // depends on its phase alone: while it stays, a repaint of the row is all
    // the change needs.
    // (The view asks the delegate for a row's height whenever it is asked
    // for the row's rectangle; where the next row begins is what it laid out.)
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const int rows = m_downloads->rowCount();
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
        const QModelIndex index = m_downloads->index(row);
        const QRect rect = rectForIndex(index);
        const int next = row + 1 < rows ? rectForIndex(m_downloads->index(row + 1)).top()
                                        : contentsSize().height();
        if (!rect.isValid() || next - rect.top() != m_delegate->sizeHint(option, index).height()) {
            PaintedRowList::dataChanged(topLeft, bottomRight, roles);
            return;
        }
    }
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles); // NOLINT(bugprone-parent-virtual-call)
}

void DownloadsList::updateAnimation(int first, int last)
{
    if (first < 0) {
        m_processing.clear();
        first = 0;
        last = m_downloads->rowCount() - 1;
    }
    for (int row = first; row <= last; ++row) {
        const std::shared_ptr<Download> job = m_downloads->job(row);
        if (job && job->phase().kind() == Kind::processing)
            m_processing.insert(job.get());
        else if (job)
            m_processing.remove(job.get());
    }
    if (!m_processing.isEmpty() && !m_animation.isActive())
        m_animation.start();
    else if (m_processing.isEmpty())
        m_animation.stop();
}

void DownloadsList::animate()
{
    if (!isVisible())
        return;
    for (const Download* job : std::as_const(m_processing)) {
        const int row = m_downloads->rowOf(job);
        if (row < 0)
            continue;
        const QRect rect = visualRect(m_downloads->index(row));
        if (rect.intersects(viewport()->rect()))
            viewport()->update(rect);
    }
}

} // namespace reelcatch
