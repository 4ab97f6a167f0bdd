#include "engine/LineReader.h"

#include <QChar>

#include <algorithm>
#include <utility>

namespace reelcatch {

namespace {

bool isLineBreak(char c)
{
    return c == '\n' || c == '\r';
}

// Space, tab and the other Unicode space separators (all of them lie in the
// Basic Multilingual Plane, so looking at single UTF-16 units is enough).
bool isHorizontalSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c.category() == QChar::Separator_Space;
}

} // namespace

LineReader::LineReader(std::function<void(const QString&)> onLine) : m_onLine(std::move(onLine)) {}

void LineReader::feed(QByteArrayView data)
{
    const char* pos = data.data();
    const char* const end = pos + data.size();
    while (pos != end) {
        const char* brk = std::find_if(pos, end, isLineBreak);
        if (brk == end) {
            keep(QByteArrayView(pos, end));
            return;
        }
        const QByteArrayView tail(pos, brk);
        if (m_pending.isEmpty() && !m_overflowed) {
            // The common case: the whole line arrived in this piece. It is
            // cut to the cap like a line that arrives in several.
            emitLine(tail.first(std::min(tail.size(), maxPending)));
        } else {
            keep(tail);
            const QByteArray line = std::exchange(m_pending, {});
            m_overflowed = false;
            emitLine(line);
        }
        pos = brk + 1;
    }
}

void LineReader::flush()
{
    const QByteArray line = std::exchange(m_pending, {});
    m_overflowed = false;
    emitLine(line);
}

void LineReader::keep(QByteArrayView bytes)
{
    const qsizetype room = maxPending - m_pending.size();
    if (bytes.size() > room) {
        bytes.truncate(room);
        m_overflowed = true;
    }
    m_pending.append(bytes);
}

void LineReader::emitLine(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return;
    // Most lines are ASCII: they are widened into a string whose room is
    // kept from line to line, so a line costs no allocation. It is taken out
    // of the reader meanwhile, so that the line stays as it is even if a
    // receiver's nested event loop makes the reader emit another one; a
    // receiver that keeps a copy keeps its own text (the next line detaches).
    QString text = std::move(m_text);
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return c >= 0; });
    if (ascii) {
        text.resize(bytes.size());
        char16_t* out = reinterpret_cast<char16_t*>(text.data());
        for (qsizetype i = 0; i < bytes.size(); ++i)
            out[i] = char16_t(bytes[i]);
    } else {
        text = QString::fromUtf8(bytes);
    }
    const QStringView line = trimmed(text);
    if (!line.isEmpty())
        m_onLine(line.size() == text.size() ? text : line.toString());
    // The room of a very long line is not kept.
    if (text.capacity() <= 4096)
        m_text = std::move(text);
}

QStringView LineReader::trimmed(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isHorizontalSpace(text[first]))
        ++first;
    while (last > first && isHorizontalSpace(text[last - 1]))
        --last;
    return text.sliced(first, last - first);
}

} // namespace reelcatch
