#pragma once

#include <QListView>

#include <functional>

namespace reelcatch {

// A list whose rows a delegate paints, hover and pressed looks included: it
// tracks the mouse over the viewport and repaints the rows it enters and
// leaves.
//
// What a row offers is listed once, by rowActions(): the row's context menu
// (right click, the Menu key, Shift+F10) shows exactly those, and the row's
// accessible item offers them as its actions (QAccessibleActionInterface),
// so every painted button is reachable without the mouse. The first Down
// or Up arrow into a list without a current row picks the first row.
class PaintedRowList : public QListView {
    Q_OBJECT
public:
    // One thing a row offers: its name (menu text and accessible action
    // name at once) and what it does.
    struct RowAction {
        QString name;
        std::function<void()> run;
    };

    explicit PaintedRowList(QWidget* parent = nullptr);

    // What the row at `index` offers, in menu order; nothing for an invalid index.
    virtual QList<RowAction> rowActions(const QModelIndex& index) = 0;

protected:
    bool viewportEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The mouse moved to `pos` over the viewport; (-1, -1) once it has left.
    virtual void hoverMoved(QPoint pos) = 0;

private:
    void setHoverPos(QPoint pos);

    QPoint m_hoverPos{-1, -1};
};

} // namespace reelcatch
