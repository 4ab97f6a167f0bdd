#pragma once

#include "engine/AppError.h"

#include <QObject>
#include <QtGlobal>

#include <functional>

namespace reelcatch {

// Fetches the managed tools into the support folder. The desktop uses
// Installer; model tests stand in a fake that answers when told to.
class ToolInstaller {
public:
    virtual ~ToolInstaller() = default;

    using OnDone = std::function<void(Status)>;
    // Bytes received so far and the expected total (0 when unknown).
    using Progress = std::function<void(qint64 received, qint64 total)>;

    // Each call runs asynchronously and calls `done` exactly once, in
    // `context`'s thread, unless `context` is destroyed first. A failure
    // leaves any earlier copy of the tool in place and usable.
    virtual void installYtdlp(QObject* context, OnDone done, Progress progress = {}) = 0;
    virtual void installDeno(QObject* context, OnDone done, Progress progress = {}) = 0;
    // ffmpeg and ffprobe together; succeeds only when both are in place.
    virtual void installFfmpeg(QObject* context, OnDone done) = 0;
};

} // namespace reelcatch
