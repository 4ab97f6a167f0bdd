#pragma once

#include <QString>

#include <atomic>
#include <memory>

namespace reelcatch {

// What became of one unpacked file.
struct UnpackOutcome {
    bool ok = false;
    bool cancelled = false;
    // The file grew past the limit; nothing was kept.
    bool tooLarge = false;
    // libarchive's text (possibly empty), or the system's for a write failure.
    QString error;
};

// Copies the regular file called `name` that stands at the top level of the
// zip archive `archivePath` to `outPath`, streaming it to disk. Entry names
// are only compared, never used as paths, so an archive can't write anywhere
// else; symbolic links, hard links and folders of that name are refused.
// `outPath` must not exist yet; it is created with mode 0700 and is removed
// again unless the call succeeds. `cancelled` is polled between blocks. A
// file that grows past `maxBytes` is refused as soon as it does, so a small
// archive can't fill the disk.
//
// Blocking: call it on a worker thread.
UnpackOutcome unpackArchiveFile(const QString& archivePath, const QString& name,
                                const QString& outPath, qint64 maxBytes,
                                const std::shared_ptr<const std::atomic_bool>& cancelled);

} // namespace reelcatch
