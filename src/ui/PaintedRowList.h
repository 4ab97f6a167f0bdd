#pragma once

#include <QListView>

namespace reelcatch {

// A list whose rows a delegate paints, hover and pressed looks included: it
// tracks the mouse over the viewport and repaints the rows it enters and
// leaves.
class PaintedRowList : public QListView {
    Q_OBJECT
public:
    using QListView::QListView;

protected:
    bool viewportEvent(QEvent* event) override;
    // The mouse moved to `pos` over the viewport; (-1, -1) once it has left.
    virtual void hoverMoved(QPoint pos) = 0;

private:
    void setHoverPos(QPoint pos);

    QPoint m_hoverPos{-1, -1};
};

} // namespace reelcatch
