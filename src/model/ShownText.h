#pragma once

#include <QString>

namespace reelcatch {

// Text from a web page or a file name, made safe to show in one of our rows.
namespace ShownText {

// Titles and channel names longer than this are cut.
constexpr qsizetype maxLength = 500;

// `text` without the controls that reorder the text around them: the bidi
// embeddings, overrides and isolates (U+202A-U+202E, U+2066-U+2069) and the
// direction marks (U+200E, U+200F, U+061C). Without them a page cannot make
// "clip[U+202E]4pm.exe" read as an innocent "clip" ending in "exe.mp4".
QString withoutBidiControls(const QString& text);

// `text` without bidi controls and, when longer than `limit` UTF-16 units,
// cut at the last grapheme boundary that leaves room for a trailing "…"
// (U+2026), so the result is at most `limit` units long.
QString forDisplay(const QString& text, qsizetype limit = maxLength);

} // namespace ShownText

} // namespace reelcatch
