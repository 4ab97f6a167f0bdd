#pragma once

#include <QByteArray>
#include <QString>
#include <QVersionNumber>

namespace reelcatch {

// What a downloaded tool must pass before it replaces the old copy, and the
// clean-up after installs that never finished.
namespace ToolTrust {

// The binary form of an ASCII-armoured key (gpgv takes no armour): the
// base64 lines between the armour header's blank line and the checksum line.
// Empty when malformed.
QByteArray dearmor(const QByteArray& armoured);

// The lower-case SHA-256 that a checksum file gives for `name` (lines of
// "<hex>  <name>", a "*" before binary names). With no name, the first sum
// counts: deno and ffmpeg publish one file per download. Empty when none.
QByteArray publishedSum(const QByteArray& sums, const QString& name);

// The version in a tool's answer to its version query: the first run of
// dot-separated numbers ("2026.08.19" of yt-dlp, "2.1.4" of "deno 2.1.4
// (…)", "7.1.1" of "ffmpeg version 7.1.1-…"), compared number by number.
// Null when there is none.
QVersionNumber versionIn(const QString& answer);

// Removes what an install killed half-way left in the support folder: only
// ".TOOL-<uuid>.new" files and ".TOOL-<uuid>.work" folders untouched for an
// hour, so a running install of another instance keeps its own. Reads the
// disk: not for the GUI thread.
void sweepTemporaries(const QString& supportDir);

} // namespace ToolTrust

} // namespace reelcatch
