#pragma once

#include <QLoggingCategory>

namespace reelcatch {

// The app model's log: lookups and downloads begun and ended, engine checks.
// Silent unless switched on, e.g. QT_LOGGING_RULES="reelcatch.*=true".
Q_DECLARE_LOGGING_CATEGORY(lcAppModel)

} // namespace reelcatch
