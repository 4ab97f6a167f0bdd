#pragma once

class QSize;
class QWidget;

namespace reelcatch {

// Keeps a top-level window on its screen: never larger than the screen's
// available area (its minimum size included) and moved inside it.
namespace WindowFit {

void fitToScreen(QWidget& window);
// The largest size the window may take on its screen, its frame left out.
QSize room(const QWidget& window);

} // namespace WindowFit

} // namespace reelcatch
