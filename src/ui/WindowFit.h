#pragma once

class QWidget;

namespace reelcatch {

// Keeps a top-level window on its screen: never larger than the screen's
// available area (its minimum size included) and moved inside it.
namespace WindowFit {

void fitToScreen(QWidget& window);

} // namespace WindowFit

} // namespace reelcatch
