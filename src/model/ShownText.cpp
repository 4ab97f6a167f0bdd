#include "model/ShownText.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace reelcatch::ShownText {

namespace {

bool isBidiControl(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069) || u == 0x200E ||
           u == 0x200F || u == 0x061C;
}

} // namespace

QString withoutBidiControls(const QString& text)
{
    // Most text has none and is returned as it is, without a copy.
    if (std::none_of(text.cbegin(), text.cend(), isBidiControl))
        return text;
    QString cleaned = text;
    cleaned.removeIf(isBidiControl);
    return cleaned;
}

QString forDisplay(const QString& text, qsizetype limit)
{
    QString shown = withoutBidiControls(text);
    if (shown.size() <= limit || limit < 1)
        return shown;
    // Whether the cut is a boundary depends on the text before it and one
    // code point after it only, so the finder reads no further (not through
    // a title of a megabyte).
    const qsizetype keep = limit - 1;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, shown.constData(),
                               std::min(shown.size(), keep + 2));
    finder.setPosition(keep);
    const qsizetype cut =
        finder.isAtBoundary() ? keep : std::max<qsizetype>(0, finder.toPreviousBoundary());
    shown.truncate(cut);
    shown.append(QChar(0x2026));
    return shown;
}

} // namespace reelcatch::ShownText
