#include "ui/ResultsList.h"

#include "appmodel/AppModel.h"
#include "model/Prefs.h"
#include "ui/ClipDialog.h"
#include "ui/DesktopActions.h"
#include "ui/FormatDialog.h"
#include "ui/LinkHeading.h"
#include "ui/ResultDelegate.h"
#include "ui/ResultsModel.h"
#include "ui/ThumbnailCache.h"

#include <QDesktopServices>
#include <QHoverEvent>
#include <QScrollBar>

namespace reelcatch {

namespace {

// Only web pages are handed to the browser.
std::optional<QUrl> webAddress(const VideoItem& item)
{
    const QUrl url(item.url(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return std::nullopt;
    return url;
}

} // namespace

ResultsList::ResultsList(AppModel& model, ThumbnailCache& thumbnails,
                         std::function<Preset()> currentPreset, QWidget* parent)
    : PaintedRowList(parent), m_model(model), m_thumbnails(thumbnails),
      m_currentPreset(std::move(currentPreset)), m_results(new ResultsModel(model, this)),
      m_delegate(new ResultDelegate(thumbnails, this))
{
    setModel(m_results);
    setItemDelegate(m_delegate);
    // Every row has the same height: layout stays O(1) however long the list.
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalScrollBar()->setSingleStep(24);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_Hover);
    setAccessibleName(tr("Results"));

    m_prefetch.setSingleShot(true);
    m_prefetch.setInterval(0);
    connect(&m_prefetch, &QTimer::timeout, this, &ResultsList::prefetch);
    connect(m_results, &QAbstractItemModel::modelReset, this, &ResultsList::schedulePrefetch);
    // Rows listed later may land on screen or just below it.
    connect(m_results, &QAbstractItemModel::rowsInserted, this, &ResultsList::schedulePrefetch);
    connect(m_delegate, &ResultDelegate::downloadClicked, this, [this](const QModelIndex& index) {
        download(m_results->item(index.row()),
                 m_model.lookup().placeOf(m_results->itemIndex(index.row())));
    });
    connect(m_delegate, &ResultDelegate::sectionClicked, this,
            [this](const QModelIndex& heading, bool ticked) {
                m_model.lookup().selectSection(m_results->sectionAt(heading.row()), ticked);
            });
    connect(&m_thumbnails, &ThumbnailCache::loaded, viewport(), [this] { viewport()->update(); });
}

void ResultsList::download(const VideoItem& item, const std::optional<PlaylistPlace>& place)
{
    m_model.queue().enqueue({item}, m_currentPreset ? m_currentPreset() : Preset(), std::nullopt,
                            std::nullopt,
                            place ? QList<PlaylistPlace>{*place} : QList<PlaylistPlace>{});
}

void ResultsList::chooseFormat(const VideoItem& item, const std::optional<PlaylistPlace>& place)
{
    auto* dialog =
        new FormatDialog(m_model, item, m_currentPreset ? m_currentPreset() : Preset(), window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &FormatDialog::chooseBrowserRequested, this,
            &ResultsList::chooseBrowserRequested);
    connect(dialog, &FormatDialog::openFolderRequested, this, [this] {
        if (m_actions)
            m_actions->openFolder(m_model.prefs().value(PrefKey::folder));
    });
    connect(dialog, &QDialog::accepted, this, [this, dialog, place] {
        if (const std::optional<FormatChoice> choice = dialog->choice())
            m_model.queue().enqueue({dialog->video()}, dialog->preset(), choice, std::nullopt,
                                    place ? QList<PlaylistPlace>{*place} : QList<PlaylistPlace>{});
    });
    dialog->open();
}

void ResultsList::downloadClip(const VideoItem& item, const std::optional<PlaylistPlace>& place)
{
    auto* dialog = new ClipDialog(item, m_currentPreset ? m_currentPreset() : Preset(), window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog, place] {
        if (const std::optional<ClipRange> clip = dialog->clip())
            m_model.queue().enqueue({dialog->video()}, dialog->preset(), std::nullopt, clip,
                                    place ? QList<PlaylistPlace>{*place} : QList<PlaylistPlace>{});
    });
    dialog->open();
}

void ResultsList::copyLink(const VideoItem& item)
{
    m_model.clipboard().copy(item.url());
}

void ResultsList::openOnSite(const VideoItem& item)
{
    const std::optional<QUrl> url = webAddress(item);
    if (!url)
        return;
    if (m_actions)
        m_actions->openUrl(*url);
    else
        QDesktopServices::openUrl(*url);
}

QList<PaintedRowList::RowAction> ResultsList::rowActions(const QModelIndex& index)
{
    if (!index.isValid())
        return {};
    if (m_results->isHeading(index.row())) {
        const int section = m_results->sectionAt(index.row());
        return {{LinkHeading::selectAllText(),
                 [this, section] { m_model.lookup().selectSection(section, true); }},
                {LinkHeading::selectNoneText(),
                 [this, section] { m_model.lookup().selectSection(section, false); }}};
    }
    const VideoItem item = m_results->item(index.row());
    const std::optional<PlaylistPlace> place =
        m_model.lookup().placeOf(m_results->itemIndex(index.row()));
    const QPersistentModelIndex row(index);
    const bool ticked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    QList<RowAction> actions{
        {ticked ? tr("Untick") : tr("Tick"),
         [this, row] {
             if (row.isValid())
                 m_results->toggle(row.row());
         }},
        {tr("Download"), [this, item, place] { download(item, place); }},
        {tr("Choose Format\u2026"), [this, item, place] { chooseFormat(item, place); }},
        {tr("Download a Clip\u2026"), [this, item, place] { downloadClip(item, place); }},
    };
    if (webAddress(item))
        actions.append({tr("Open on YouTube"), [this, item] { openOnSite(item); }});
    actions.append({tr("Copy Link"), [this, item] { copyLink(item); }});
    return actions;
}

void ResultsList::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier &&
        currentIndex().isValid()) {
        m_results->toggle(currentIndex().row());
        return;
    }
    PaintedRowList::keyPressEvent(event);
}

void ResultsList::hoverMoved(QPoint pos)
{
    m_delegate->setHoverPos(pos);
}

void ResultsList::showEvent(QShowEvent* event)
{
    QListView::showEvent(event);
    schedulePrefetch();
}

void ResultsList::resizeEvent(QResizeEvent* event)
{
    QListView::resizeEvent(event);
    schedulePrefetch();
}

void ResultsList::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                              const QList<int>& roles)
{
    // QListView lays every row out again on any change, and repaints all it
    // shows. A row's size does not depend on its data (ResultDelegate's size
    // hint): a tick or a history mark repaints the rows it names, no more.
    // NOLINTNEXTLINE(bugprone-parent-virtual-call)
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
}

void ResultsList::scrollContentsBy(int dx, int dy)
{
    QListView::scrollContentsBy(dx, dy);
    schedulePrefetch();
}

void ResultsList::prefetch()
{
    const int count = m_results->rowCount();
    if (count == 0 || !isVisible())
        return;
    // Every row has the same height, so the rows on screen follow from the
    // scroll position alone, laid out or not.
    const int rowHeight = std::max(1, sizeHintForRow(0));
    const int top = verticalOffset();
    const int firstVisible = std::clamp(top / rowHeight, 0, count - 1);
    const int lastVisible =
        std::clamp((top + viewport()->height() - 1) / rowHeight, firstVisible, count - 1);
    const int from = std::max(0, firstVisible - prefetchRows);
    const int to = std::min(count - 1, lastVisible + prefetchRows);

    const QSize size = ResultDelegate::thumbnailPixels(viewport());
    QSet<QUrl> wanted;
    auto ask = [&](int row) {
        if (m_results->isHeading(row))
            return;
        if (const auto& url = m_results->item(row).thumbnail()) {
            wanted.insert(*url);
            m_thumbnails.pixmap(*url, size);
        }
    };
    // The rows beyond the edges first, so that the visible ones are the
    // newest requests and load first.
    for (int row = from; row < firstVisible; ++row)
        ask(row);
    for (int row = to; row > lastVisible; --row)
        ask(row);
    for (int row = firstVisible; row <= lastVisible; ++row)
        ask(row);
    m_thumbnails.keepOnly(size, wanted);
}

} // namespace reelcatch
