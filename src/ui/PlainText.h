#pragma once

#include "model/ShownText.h"

#include <QString>
#include <QTextDocument>

namespace reelcatch {

// Text from outside the app (pages, yt-dlp, files, links, the clipboard) is
// shown as written, never read as markup: markup loads what an <img src>
// names, on the GUI thread, and a fifo there blocks it for good. Labels that
// may hold such text take Qt::PlainText.

// Such text is cut for showing, too: an error line of a megabyte took
// seconds to lay out, each time a label or tooltip showed it.
constexpr qsizetype maxShownLength = 2000;

inline QString shownText(const QString& text)
{
    return ShownText::forDisplay(text, maxShownLength);
}

// Tooltips have no text format of their own: one Qt would take for markup
// goes as markup that spells it out.
inline QString plainToolTip(const QString& text)
{
    const QString shown = shownText(text);
    return Qt::mightBeRichText(shown) ? Qt::convertFromPlainText(shown) : shown;
}

} // namespace reelcatch
