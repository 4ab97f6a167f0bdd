#include "engine/Log.h"

namespace reelcatch {

Q_LOGGING_CATEGORY(lcEngine, "reelcatch.engine", QtWarningMsg)

} // namespace reelcatch
