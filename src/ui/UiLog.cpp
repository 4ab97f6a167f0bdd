#include "ui/UiLog.h"

namespace reelcatch {

Q_LOGGING_CATEGORY(lcUi, "reelcatch.ui", QtWarningMsg)

} // namespace reelcatch
