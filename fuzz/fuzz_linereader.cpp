// LineReader fed one byte stream in pieces cut anywhere.
//
// Input layout, read from the end: the last byte chooses a long line to put
// in front of the stream (bits 4-7 all set: present; bits 2-3: its length,
// from cap - 2 to cap + 1; bits 0-1: it repeats the first one to three bytes
// of the stream, so that the cap can cut a character anywhere); the byte
// before it says how many piece sizes precede it; each piece size byte c
// gives c + 1 bytes below 0xf0 and (c - 0xef) * 64 KiB from there. The rest,
// from the front, is the stream. Long lines are rare on purpose: a stream of
// a mebibyte costs a thousand short ones.
//
// Properties beyond "no crash":
// - the lines, and the point at which each is emitted, do not depend on
//   the cuts: fed in pieces or whole, the reader emits the same lines
//   before the flush and the same last line at it;
// - both equal what the reader's rules make of the whole stream: split at
//   every CR and LF, each line cut to its first maxPending bytes, decoded,
//   trimmed of horizontal space and dropped when empty;
// - no line is longer than the cap, none holds a CR or LF, and the reader
//   never holds more than maxPending bytes.
#include "FuzzCheck.h"
#include "engine/LineReader.h"

#include <QStringList>

#include <algorithm>
#include <cstddef>
#include <cstdint>

using namespace reelcatch;

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype cap = LineReader::maxPending;

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c.category() == QChar::Separator_Space;
}

// The reader's rules applied to the whole stream at once; the last element
// is what the flush emits (possibly nothing).
QList<QStringList> model(QByteArrayView stream)
{
    QList<QByteArrayView> raw;
    const char* const begin = stream.data();
    const char* const end = begin + stream.size();
    const char* start = begin;
    for (;;) {
        const char* brk = std::find_if(start, end, [](char c) { return c == '\n' || c == '\r'; });
        if (brk == end)
            break;
        raw.append(QByteArrayView(start, brk));
        start = brk + 1;
    }
    const QByteArrayView last(start, end);
    QList<QStringList> out{{}, {}};
    const auto emitLine = [](QByteArrayView bytes, QStringList& to) {
        QString text = QString::fromUtf8(bytes.first(std::min(bytes.size(), cap)));
        qsizetype first = 0;
        qsizetype end = text.size();
        while (first < end && isSpace(text[first]))
            ++first;
        while (end > first && isSpace(text[end - 1]))
            --end;
        if (end > first)
            to.append(text.sliced(first, end - first));
    };
    for (QByteArrayView line : std::as_const(raw))
        emitLine(line, out[0]);
    emitLine(last, out[1]);
    return out;
}

void checkLines(const QStringList& lines)
{
    for (const QString& line : lines) {
        FUZZ_CHECK(!line.isEmpty());
        FUZZ_CHECK(line.size() <= cap, u"a line of %1 characters"_s.arg(line.size()));
        FUZZ_CHECK(!line.contains(u'\n') && !line.contains(u'\r'));
        FUZZ_CHECK(LineReader::trimmed(line).size() == line.size(), shown(line.left(200)));
    }
}

// Fed in the given piece sizes (cycled; none: whole; after 4096 pieces the
// rest at once, which keeps a long stream cheap); the lines emitted before
// the flush and those emitted by it.
QList<QStringList> read(QByteArrayView stream, const QList<qsizetype>& pieces)
{
    QStringList got;
    LineReader reader([&got](const QString& line) { got.append(line); });
    qsizetype at = 0;
    for (qsizetype i = 0; at < stream.size(); ++i) {
        const qsizetype piece = pieces.isEmpty() || i >= 4096
                                    ? stream.size() - at
                                    : std::min(pieces[i % pieces.size()], stream.size() - at);
        reader.feed(stream.sliced(at, piece));
        at += piece;
        FUZZ_CHECK(reader.pending() <= cap, u"%1 bytes pending"_s.arg(reader.pending()));
    }
    const QStringList beforeFlush = got;
    reader.flush();
    FUZZ_CHECK(reader.pending() == 0);
    checkLines(got);
    return {beforeFlush, got.sliced(beforeFlush.size())};
}

QString describe(const QList<QStringList>& lines)
{
    QString out;
    for (const QStringList& part : lines) {
        out += u"["_s;
        for (const QString& line : part)
            out +=
                u"\""_s + shown(line.left(60)) + u"\"("_s + QString::number(line.size()) + u") "_s;
        out += u"]"_s;
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
    if (input.size() < 2)
        return 0;
    const std::uint8_t mode = std::uint8_t(input.back());
    const qsizetype count =
        std::min<qsizetype>(std::uint8_t(input[input.size() - 2]), input.size() - 2);
    const QByteArrayView sizes = input.sliced(input.size() - 2 - count, count);
    input = input.first(input.size() - 2 - count);

    QList<qsizetype> pieces;
    for (const char c : sizes) {
        const auto b = std::uint8_t(c);
        pieces.append(b < 0xf0 ? b + 1 : (b - 0xef) * qsizetype(64 * 1024));
    }

    QByteArray stream;
    if ((mode & 0xf0) == 0xf0) {
        const qsizetype length = cap - 2 + ((mode >> 2) & 3);
        const QByteArrayView unit =
            input.isEmpty() ? QByteArrayView("x")
                            : input.first(std::min<qsizetype>(input.size(), 1 + (mode & 3) % 3));
        stream = unit.toByteArray().repeated(length / unit.size() + 1);
        stream.truncate(length);
    }
    stream.append(input);

    const QList<QStringList> expected = model(stream);
    const QList<QStringList> whole = read(stream, {});
    FUZZ_CHECK(whole == expected,
               u"whole: "_s + describe(whole) + u" expected "_s + describe(expected));
    if (!pieces.isEmpty()) {
        const QList<QStringList> cut = read(stream, pieces);
        FUZZ_CHECK(cut == expected,
                   u"in pieces: "_s + describe(cut) + u" expected "_s + describe(expected));
    }
    const QList<QStringList> byteWise = stream.size() <= 4096 ? read(stream, {1}) : expected;
    FUZZ_CHECK(byteWise == expected,
               u"byte by byte: "_s + describe(byteWise) + u" expected "_s + describe(expected));
    return 0;
}
