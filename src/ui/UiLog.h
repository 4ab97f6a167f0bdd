#pragma once

#include <QLoggingCategory>

namespace reelcatch {

// The windows' log: desktop services that could not be reached, thumbnails
// that could not be loaded. Silent unless switched on, e.g.
// QT_LOGGING_RULES="reelcatch.*=true".
Q_DECLARE_LOGGING_CATEGORY(lcUi)

} // namespace reelcatch
