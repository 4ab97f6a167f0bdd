#pragma once

#include <QLabel>

namespace reelcatch {

// A label held to one line: text that doesn't fit ends in an ellipsis
// instead of widening the window, and the whole text shows as its tooltip.
// Always plain text.
class OneLineLabel : public QLabel {
    Q_OBJECT
public:
    explicit OneLineLabel(QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace reelcatch
