#pragma once

#include <QString>

namespace reelcatch {

// Number formatting shared by the progress texts and the result rows.
namespace Fmt {

// A duration rounded to whole seconds (halves away from zero): "m:ss" under
// an hour, "h:mm:ss" from an hour on, hours unlimited. A negative duration
// gets a leading "-". "--:--" for a value that is not a finite number or is
// too large to count in 64-bit seconds.
QString time(double seconds);

// A byte count, its fraction dropped, in decimal units (1 kB = 1000 bytes)
// in the default locale: whole numbers for bytes and kB, one decimal for MB,
// two from GB on. Counts beyond the 64-bit range are pinned to it; a value
// that is not a number counts as 0.
QString bytes(double count);

} // namespace Fmt

} // namespace reelcatch
