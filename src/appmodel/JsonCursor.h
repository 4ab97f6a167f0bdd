#pragma once

// Checked reading of JSON text, for ListingScanner: each call reads one
// token or value at `p`, moves `p` past it and says whether it was read,
// whether the text ended inside it (`more`: read it again from the same
// place once more text is there) or whether it is something the scanner
// leaves to QJsonDocument (`unsure`): only what QJsonDocument reads beyond
// doubt, and reads the same way, is ever `ok`.
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace reelcatch {

namespace Json {

enum class Step {
    ok,     // read; the position moved past it
    more,   // the input ended inside it
    unsure, // not something the scanner reads
};

// A string's bytes between its quotes, as they stand in the text.
struct Span {
    const char* begin = nullptr;
    qsizetype size = 0;
    bool escaped = false;

    QByteArrayView bytes() const { return {begin, size}; }
};

// The text of a string read by Cursor::string().
QString decode(const Span& span);

inline bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

struct Cursor {
    const char* p = nullptr;
    const char* end = nullptr;

    // Skips blanks; false when the text ends.
    bool skipSpace();
    // Blanks, ':' and blanks after a member's key; `p` then is at the value.
    Step colon();
    // At '"'.
    Step string(Span& span);
    // At '-' or a digit; `out` (when given) receives the value as
    // QJsonValue::toDouble() gives it.
    Step number(std::optional<double>* out);
    // Any value; `depth` is the nesting of the container it stands in.
    Step value(int depth);

private:
    Step container(int depth);
    Step literal(const char* word, qsizetype size);
};

} // namespace Json

} // namespace reelcatch
