#pragma once

#include <QIcon>
#include <QString>

namespace reelcatch {

// Icons by the design's symbol names ("link", "folder", "xmark.circle.fill",
// …): the desktop theme's icon where it has one, else the bundled SVG
// ":/icons/<symbol>.svg", so every icon shows on a bare X server.
namespace Icons {
QIcon icon(const QString& symbol);
} // namespace Icons

} // namespace reelcatch
