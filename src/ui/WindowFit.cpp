#include "ui/WindowFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace reelcatch::WindowFit {

void fitToScreen(QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen || window.isMaximized() || window.isFullScreen())
        return;
    const QRect available = screen->availableGeometry();
    // The frame, once the window has one, takes its share of the area.
    const QRect frame = window.frameGeometry();
    const QSize frameExtra = frame.size() - window.size();
    const QSize room = (available.size() - frameExtra).expandedTo(QSize(1, 1));
    if (window.minimumWidth() > room.width() || window.minimumHeight() > room.height())
        window.setMinimumSize(window.minimumSize().boundedTo(room));
    if (window.width() > room.width() || window.height() > room.height())
        window.resize(window.size().boundedTo(room));
    const QSize outer = window.size() + frameExtra;
    const QPoint inside(std::clamp(frame.x(), available.left(),
                                   available.left() + available.width() - outer.width()),
                        std::clamp(frame.y(), available.top(),
                                   available.top() + available.height() - outer.height()));
    if (inside != frame.topLeft())
        window.move(inside);
}

} // namespace reelcatch::WindowFit
