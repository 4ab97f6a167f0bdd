#pragma once

#include "model/Preset.h"

#include <QString>
#include <QStringList>

namespace reelcatch {

// Which audio track a download takes, as yt-dlp format arguments: the
// video's original track unless a language is asked for, never an audio
// description track, a dub only when it is the asked language or nothing
// else is there. Only filter syntax that yt-dlp 2023.03.04 and current
// releases both read (string filters on "language" and "format_note"; see
// docs/architecture.md, "Formats and audio tracks").
namespace AudioChoice {

// Whether `language` is a code the filters can carry: letters, digits and
// "-" only, a letter first, 1 to 35 characters ("de", "en-US", "deu").
bool isLanguageCode(const QString& language);

// The "-f" value for `preset`: its picture (if any) with the track for
// `language` (empty or not a code: the original), else the original, else
// any track but a description; as a last resort the best format with sound.
QString formatSpec(Preset preset, const QString& language = {});

// preset.args(h264) with that "-f" value, and the language's rank placed
// before the audio codec in "-S" (so a dub in a preferred codec does not
// beat the original in another).
QStringList formatArgs(Preset preset, bool h264, const QString& language = {});

} // namespace AudioChoice

} // namespace reelcatch
