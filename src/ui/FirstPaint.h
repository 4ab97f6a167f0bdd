#pragma once

#include <functional>

class QWidget;

namespace reelcatch {

// Runs `then` once `window` has been painted for the first time: queued from
// its first paint event, so it runs after that whole frame has been drawn and
// flushed. For work the first frame doesn't need (connecting to the session
// bus, the tray icon), so that it doesn't delay the window's appearance.
void afterFirstPaint(QWidget* window, std::function<void()> then);

} // namespace reelcatch
