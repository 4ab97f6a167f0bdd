#pragma once

#include <QIcon>

class QPainter;
class QRectF;

namespace reelcatch {

// The application's own icon: the installed "reelcatch" theme icon when there
// is one, else the same design painted here (a white arrow into a tray on a
// red rounded square), so the window and the tray always have it.
namespace AppIcon {
QIcon icon();
// Paints the design into `bounds` (a square).
void paint(QPainter& painter, const QRectF& bounds);
} // namespace AppIcon

} // namespace reelcatch
