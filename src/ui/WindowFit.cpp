#include "ui/WindowFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace reelcatch::WindowFit {

namespace {

const QScreen* screenOf(const QWidget& window)
{
    return window.screen() ? window.screen() : QGuiApplication::primaryScreen();
}

} // namespace

QSize room(const QWidget& window)
{
    const QScreen* screen = screenOf(window);
    if (!screen)
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    // The frame, once the window has one, takes its share of the area.
    const QSize frameExtra = window.frameGeometry().size() - window.size();
    return (screen->availableGeometry().size() - frameExtra).expandedTo(QSize(1, 1));
}

void fitToScreen(QWidget& window)
{
    const QScreen* screen = screenOf(window);
    if (!screen || window.isMaximized() || window.isFullScreen())
        return;
    const QRect available = screen->availableGeometry();
    const QRect frame = window.frameGeometry();
    const QSize frameExtra = frame.size() - window.size();
    const QSize room = WindowFit::room(window);
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
