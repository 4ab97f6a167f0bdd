#include "ui/PaintedRowList.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QHash>
#include <QHoverEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>

namespace reelcatch {

namespace {

// One row as the accessibility tree sees it: its title, what it shows, and
// the row's actions.
class RowItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    RowItem(PaintedRowList* view, const QModelIndex& index) : m_view(view), m_index(index) {}

    bool isValid() const override { return m_view && m_index.isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override
    {
        return m_view ? QAccessible::queryAccessibleInterface(m_view.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    int row() const { return isValid() ? m_index.row() : -1; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        if (t == QAccessible::Name)
            return m_index.data(Qt::AccessibleTextRole).toString();
        if (t == QAccessible::Description)
            return m_index.data(Qt::AccessibleDescriptionRole).toString();
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect rect = m_view->visualRect(m_index);
        return {m_view->viewport()->mapToGlobal(rect.topLeft()), rect.size()};
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.focusable = true;
        state.focused = m_view->hasFocus() && m_view->currentIndex() == m_index;
        state.selectable = m_view->selectionMode() != QAbstractItemView::NoSelection;
        state.selected = m_view->selectionModel() && m_view->selectionModel()->isSelected(m_index);
        if (m_index.flags() & Qt::ItemIsUserCheckable) {
            state.checkable = true;
            state.checked = m_index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        }
        state.invisible = !m_view->visualRect(m_index).intersects(m_view->viewport()->rect());
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (isValid())
            for (const PaintedRowList::RowAction& action : m_view->rowActions(m_index))
                names << action.name;
        return names;
    }
    void doAction(const QString& name) override
    {
        if (!isValid())
            return;
        for (const PaintedRowList::RowAction& action : m_view->rowActions(m_index))
            if (action.name == name)
                return action.run();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<PaintedRowList> m_view;
    QPersistentModelIndex m_index;
};

// The list as the accessibility tree sees it: its children are its rows,
// one item per row kept for as long as the row lives.
class RowListAccessible : public QAccessibleWidget {
public:
    explicit RowListAccessible(PaintedRowList* view)
        : QAccessibleWidget(view, QAccessible::List), m_view(view)
    {}
    ~RowListAccessible() override
    {
        for (const QAccessible::Id id : std::as_const(m_rows))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return m_view->model() ? m_view->model()->rowCount() : 0; }
    QAccessibleInterface* child(int index) const override
    {
        const QModelIndex row = m_view->model() ? m_view->model()->index(index, 0) : QModelIndex();
        if (!row.isValid())
            return nullptr;
        const QPersistentModelIndex key(row);
        if (const auto it = m_rows.constFind(key); it != m_rows.cend())
            if (QAccessibleInterface* item = QAccessible::accessibleInterface(*it))
                return item;
        // Rows gone leave their items behind until there are more of those than rows.
        if (m_rows.size() > 2 * childCount() + 16) {
            for (auto it = m_rows.begin(); it != m_rows.end();) {
                if (it.key().isValid()) {
                    ++it;
                    continue;
                }
                QAccessible::deleteAccessibleInterface(*it);
                it = m_rows.erase(it);
            }
        }
        auto* item = new RowItem(m_view, row);
        m_rows.insert(key, QAccessible::registerAccessibleInterface(item));
        return item;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* item = dynamic_cast<const RowItem*>(child);
        return item ? item->row() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QModelIndex index = m_view->indexAt(m_view->viewport()->mapFromGlobal(QPoint(x, y)));
        return index.isValid() ? child(index.row()) : nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        const QModelIndex current = m_view->currentIndex();
        return m_view->hasFocus() && current.isValid() ? child(current.row()) : nullptr;
    }

private:
    PaintedRowList* m_view;
    mutable QHash<QPersistentModelIndex, QAccessible::Id> m_rows;
};

QAccessibleInterface* rowListFactory(const QString&, QObject* object)
{
    if (auto* list = qobject_cast<PaintedRowList*>(object))
        return new RowListAccessible(list);
    return nullptr;
}

} // namespace

PaintedRowList::PaintedRowList(QWidget* parent) : QListView(parent)
{
    static const bool installed = (QAccessible::installFactory(rowListFactory), true);
    Q_UNUSED(installed);
}

void PaintedRowList::contextMenuEvent(QContextMenuEvent* event)
{
    const bool byMouse = event->reason() == QContextMenuEvent::Mouse;
    const QModelIndex index = byMouse ? indexAt(event->pos()) : currentIndex();
    const QList<RowAction> actions = rowActions(index);
    if (actions.isEmpty())
        return;
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const RowAction& action : actions)
        menu->addAction(action.name, this, action.run);
    const QPoint at =
        byMouse ? event->globalPos() : viewport()->mapToGlobal(visualRect(index).center());
    menu->popup(at);
}

void PaintedRowList::keyPressEvent(QKeyEvent* event)
{
    // The Menu key and Shift+F10 open the current row's menu.
    if ((event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier) ||
        (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        const QRect row = visualRect(currentIndex());
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, row.center(),
                               viewport()->mapToGlobal(row.center()));
        contextMenuEvent(&menu);
        return;
    }
    const bool arrow = event->key() == Qt::Key_Down || event->key() == Qt::Key_Up;
    const bool noneSelected = selectionMode() != QAbstractItemView::NoSelection &&
                              selectionModel() && !selectionModel()->hasSelection();
    if (arrow && event->modifiers() == Qt::NoModifier && model() && model()->rowCount() > 0 &&
        (!currentIndex().isValid() || noneSelected)) {
        setCurrentIndex(model()->index(0, 0));
        scrollTo(currentIndex());
        return;
    }
    QListView::keyPressEvent(event);
}

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
