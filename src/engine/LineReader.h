#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <functional>

namespace reelcatch {

// Cuts the byte stream of a running yt-dlp (standard output and standard
// error merged) into lines. Both a line feed and a carriage return end a
// line, so yt-dlp's carriage-return progress redraws become lines of their
// own. Each line is decoded as UTF-8 (invalid sequences become U+FFFD),
// trimmed of horizontal white space and handed to the callback unless it is
// empty. Splitting happens on bytes, so a character cut in two by the pipe is
// decoded whole once its line is complete.
//
// Used from one thread at a time; holds no lock.
class LineReader {
public:
    // The most bytes of one unfinished line the reader keeps. A stream that
    // never sends a line break must not make the reader grow without bound:
    // once a line reaches this size, the reader keeps its first maxPending
    // bytes, drops the rest of that line up to the next line break, and then
    // emits the kept part as the line (it may end in U+FFFD where the cut
    // split a character). The line after it is unaffected.
    static constexpr qsizetype maxPending = 1 << 20;

    explicit LineReader(std::function<void(const QString&)> onLine);

    // Takes more bytes and emits every line they complete. Only the new bytes
    // are scanned; the pending part of a line is never looked at again.
    void feed(QByteArrayView data);
    // Emits the pending bytes (if any) as a last line and empties the reader.
    void flush();
    // Bytes held for the unfinished line (at most maxPending).
    qsizetype pending() const { return m_pending.size(); }

    // `text` without leading and trailing spaces, tabs and other Unicode
    // space separators (line breaks and other controls are kept).
    static QStringView trimmed(QStringView text);

private:
    void keep(QByteArrayView bytes);
    void emitLine(QByteArrayView bytes);

    std::function<void(const QString&)> m_onLine;
    QByteArray m_pending;
    // Room for the next line's text, reused.
    QString m_text;
    // The unfinished line went past maxPending; its bytes are being dropped.
    bool m_overflowed = false;
};

} // namespace reelcatch
