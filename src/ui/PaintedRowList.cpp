#include "PaintedRowList.h"

#include <QHoverEvent>
#include <QMouseEvent>

namespace reelcatch {

void PaintedRowList::setHoverPos(QPoint pos)
{
    if (pos == m_hoverPos)
        return;
    const QModelIndex before = indexAt(m_hoverPos);
    const QModelIndex after = indexAt(pos);
    m_hoverPos = pos;
    hoverMoved(pos);
    if (before.isValid())
        viewport()->update(visualRect(before));
    if (after.isValid() && after != before)
        viewport()->update(visualRect(after));
}

bool PaintedRowList::viewportEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
        setHoverPos(static_cast<QHoverEvent*>(event)->position().toPoint());
        break;
    case QEvent::HoverLeave:
    case QEvent::Leave:
        setHoverPos(QPoint(-1, -1));
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        // The pressed look of a button or checkbox follows the mouse.
        viewport()->update(
            visualRect(indexAt(static_cast<QMouseEvent*>(event)->position().toPoint())));
        break;
    default:
        break;
    }
    return QListView::viewportEvent(event);
}

} // namespace reelcatch
