#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace reelcatch {

class AppModel;
class BusyIndicator;

// The strip under the header that shows the engine's note (installing,
// updating, or what went wrong), with a spinner while the engine is busy and
// a warning sign otherwise, and Try Again after a failed install or update.
// Hidden while there is no note.
class EngineBanner : public QWidget {
    Q_OBJECT
public:
    explicit EngineBanner(AppModel& model, QWidget* parent = nullptr);

    QLabel* text() const { return m_text; }
    QLabel* warningIcon() const { return m_warning; }
    BusyIndicator* spinner() const { return m_spinner; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void refresh();

    AppModel& m_model;
    BusyIndicator* m_spinner = nullptr;
    QLabel* m_warning = nullptr;
    QLabel* m_text = nullptr;
    QPushButton* m_retry = nullptr;
};

} // namespace reelcatch
