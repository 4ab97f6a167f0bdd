#include "appmodel/AppLog.h"

namespace reelcatch {

Q_LOGGING_CATEGORY(lcAppModel, "reelcatch.appmodel", QtWarningMsg)

} // namespace reelcatch
