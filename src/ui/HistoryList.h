#pragma once

#include "ui/PaintedRowList.h"

namespace reelcatch {

class HistoryModel;

// The history window's rows: one fixed height each, the title on the first
// line and the channel, preset, date and whether the file is still there on
// the second, all plain text. What a row offers comes from the window.
class HistoryList : public PaintedRowList {
    Q_OBJECT
public:
    HistoryList(HistoryModel& model, std::function<QList<RowAction>(int row)> actions,
                QWidget* parent = nullptr);

    QList<RowAction> rowActions(const QModelIndex& index) override;

protected:
    void hoverMoved(QPoint) override {}

private:
    std::function<QList<RowAction>(int row)> m_actions;
};

} // namespace reelcatch
