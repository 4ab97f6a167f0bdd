#pragma once

#include <QTimer>
#include <QWidget>

namespace reelcatch {

// A small indeterminate spinner: a ring of fading spokes that turns while the
// widget is visible, and costs nothing while hidden.
class BusyIndicator : public QWidget {
    Q_OBJECT
public:
    explicit BusyIndicator(int diameter = 16, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    int m_diameter;
    int m_step = 0;
    QTimer m_timer;
};

} // namespace reelcatch
