#include "ui/FirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace reelcatch {

namespace {

class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget* window, std::function<void()> then)
        : QObject(window), m_window(window), m_then(std::move(then))
    {
        // The window or any of its children: the first of them painted
        // starts the frame.
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_fired && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == m_window) {
            m_fired = true;
            QCoreApplication::instance()->removeEventFilter(this);
            // Queued: the rest of the frame is painted and flushed first.
            QTimer::singleShot(0, this, [this] {
                const std::function<void()> then = std::move(m_then);
                deleteLater();
                then();
            });
        }
        return false;
    }

private:
    QWidget* m_window;
    std::function<void()> m_then;
    bool m_fired = false;
};

} // namespace

void afterFirstPaint(QWidget* window, std::function<void()> then)
{
    new FirstPaintWatch(window, std::move(then));
}

} // namespace reelcatch
