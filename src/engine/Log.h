#pragma once

#include <QLoggingCategory>

namespace reelcatch {

// The engine's log: every child started and ended, every installer step.
// Silent unless switched on, e.g. QT_LOGGING_RULES="reelcatch.*=true".
Q_DECLARE_LOGGING_CATEGORY(lcEngine)

} // namespace reelcatch
