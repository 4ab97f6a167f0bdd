#include "appmodel/JsonCursor.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace reelcatch {

namespace Json {

namespace {

// Containers deeper than this make the scanner unsure (QJsonDocument's own
// limit lies far beyond).
constexpr int maxDepth = 64;

// Bytes a string holds as they are: printable ASCII but '"' and '\'.
constexpr std::array<bool, 256> plainBytes()
{
    std::array<bool, 256> table{};
    for (int c = 0x20; c < 0x80; ++c)
        table[c] = c != '"' && c != '\\';
    return table;
}
constexpr std::array<bool, 256> plain = plainBytes();

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Four hex digits, -1 when they are not.
int hex4(const char* p)
{
    int value = 0;
    for (int i = 0; i < 4; ++i) {
        const int digit = hexDigit(p[i]);
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

// Code points the scanner leaves to QJsonDocument: noncharacters and the
// byte order mark.
bool isDoubtful(char32_t cp)
{
    return (cp >= 0xfdd0 && cp <= 0xfdef) || (cp & 0xfffe) == 0xfffe || cp == 0xfeff;
}

// The length of the UTF-8 sequence at p (whose first byte is not ASCII):
// 0 when the input ends inside it, -1 when it is not a well-formed sequence
// or encodes a doubtful code point.
int utf8Sequence(const char* p, const char* end)
{
    const auto b = uchar(p[0]);
    int n = 0;
    char32_t cp = 0;
    uchar low = 0x80;
    uchar high = 0xbf;
    if (b >= 0xc2 && b <= 0xdf) {
        n = 2;
        cp = b & 0x1f;
    } else if (b >= 0xe0 && b <= 0xef) {
        n = 3;
        cp = b & 0x0f;
        low = b == 0xe0 ? 0xa0 : 0x80;
        high = b == 0xed ? 0x9f : 0xbf;
    } else if (b >= 0xf0 && b <= 0xf4) {
        n = 4;
        cp = b & 0x07;
        low = b == 0xf0 ? 0x90 : 0x80;
        high = b == 0xf4 ? 0x8f : 0xbf;
    } else {
        return -1;
    }
    for (int i = 1; i < n; ++i) {
        if (p + i >= end)
            return 0;
        const auto c = uchar(p[i]);
        if (c < (i == 1 ? low : 0x80) || c > (i == 1 ? high : 0xbf))
            return -1;
        cp = (cp << 6) | (c & 0x3f);
    }
    return isDoubtful(cp) ? -1 : n;
}

} // namespace

QString decode(const Span& span)
{
    if (!span.escaped)
        return QString::fromUtf8(span.bytes());
    QString text;
    text.reserve(span.size);
    const char* p = span.begin;
    const char* const end = span.begin + span.size;
    while (p < end) {
        const char* run = p;
        while (p < end && *p != '\\')
            ++p;
        if (p > run)
            text += QString::fromUtf8(run, p - run);
        if (p == end)
            break;
        const char kind = p[1];
        p += 2;
        switch (kind) {
        case 'b':
            text += QChar(0x08);
            break;
        case 'f':
            text += QChar(0x0c);
            break;
        case 'n':
            text += QChar(0x0a);
            break;
        case 'r':
            text += QChar(0x0d);
            break;
        case 't':
            text += QChar(0x09);
            break;
        case 'u':
            // One UTF-16 unit; a surrogate pair comes as two escapes in a row.
            text += QChar(char16_t(hex4(p)));
            p += 4;
            break;
        default: // '"', '\\' and '/' stand for themselves
            text += QLatin1Char(kind);
            break;
        }
    }
    return text;
}

bool Cursor::skipSpace()
{
    while (p != end && isSpace(*p))
        ++p;
    return p != end;
}

Step Cursor::colon()
{
    if (!skipSpace())
        return Step::more;
    if (*p != ':')
        return Step::unsure;
    ++p;
    return skipSpace() ? Step::ok : Step::more;
}

Step Cursor::value(int depth)
{
    if (p == end)
        return Step::more;
    switch (*p) {
    case '"': {
        Span ignored;
        return string(ignored);
    }
    case '{':
    case '[':
        return container(depth + 1);
    case 't':
        return literal("true", 4);
    case 'f':
        return literal("false", 5);
    case 'n':
        return literal("null", 4);
    default:
        return *p == '-' || isDigit(*p) ? number(nullptr) : Step::unsure;
    }
}

Step Cursor::container(int depth)
{
    if (depth > maxDepth)
        return Step::unsure;
    const bool object = *p == '{';
    const char close = object ? '}' : ']';
    ++p;
    if (!skipSpace())
        return Step::more;
    if (*p == close) {
        ++p;
        return Step::ok;
    }
    for (;;) {
        if (object) {
            Span key;
            if (*p != '"')
                return Step::unsure;
            if (Step s = string(key); s != Step::ok)
                return s;
            if (Step s = colon(); s != Step::ok)
                return s;
        }
        if (Step s = value(depth); s != Step::ok)
            return s;
        if (!skipSpace())
            return Step::more;
        if (*p == close) {
            ++p;
            return Step::ok;
        }
        if (*p != ',')
            return Step::unsure;
        ++p;
        if (!skipSpace())
            return Step::more;
    }
}

Step Cursor::string(Span& span)
{
    const char* at = p + 1; // after '"'
    bool escaped = false;
    for (;;) {
        while (at != end && plain[uchar(*at)])
            ++at;
        if (at == end)
            return Step::more;
        const char c = *at;
        if (c == '"')
            break;
        if (c == '\\') {
            escaped = true;
            if (end - at < 2)
                return Step::more;
            switch (at[1]) {
            case '"':
            case '\\':
            case '/':
            case 'b':
            case 'f':
            case 'n':
            case 'r':
            case 't':
                at += 2;
                continue;
            case 'u':
                break;
            default:
                return Step::unsure;
            }
            if (end - at < 6)
                return Step::more;
            const int unit = hex4(at + 2);
            if (unit <= 0 || (unit >= 0xdc00 && unit <= 0xdfff) || isDoubtful(char32_t(unit)))
                return Step::unsure;
            if (unit < 0xd800 || unit > 0xdbff) {
                at += 6;
                continue;
            }
            // A high surrogate: its low half must follow at once.
            if (end - at < 12)
                return Step::more;
            const int low = at[6] == '\\' && at[7] == 'u' ? hex4(at + 8) : -1;
            if (low < 0xdc00 || low > 0xdfff ||
                isDoubtful(0x10000 + ((char32_t(unit) - 0xd800) << 10) + (char32_t(low) - 0xdc00)))
                return Step::unsure;
            at += 12;
            continue;
        }
        if (uchar(c) < 0x20)
            return Step::unsure;
        const int n = utf8Sequence(at, end);
        if (n == 0)
            return Step::more;
        if (n < 0)
            return Step::unsure;
        at += n;
    }
    span = Span{p + 1, at - (p + 1), escaped};
    p = at + 1;
    return Step::ok;
}

Step Cursor::number(std::optional<double>* out)
{
    const char* at = p;
    const bool negative = *at == '-';
    if (negative)
        ++at;
    if (at == end)
        return Step::more;
    if (*at == '0') {
        ++at;
    } else if (isDigit(*at)) {
        while (at != end && isDigit(*at))
            ++at;
    } else {
        return Step::unsure;
    }
    if (at == end)
        return Step::more;
    bool fraction = false;
    if (*at == '.') {
        fraction = true;
        ++at;
        if (at == end)
            return Step::more;
        if (!isDigit(*at))
            return Step::unsure;
        while (at != end && isDigit(*at))
            ++at;
        if (at == end)
            return Step::more;
    }
    // Exponents, leading zeros and long numbers are left to QJsonDocument.
    if (*at == 'e' || *at == 'E' || isDigit(*at) || at - p > 40)
        return Step::unsure;
    if (!fraction) {
        // An integer is kept as one, and so converted to double like
        // QJsonValue::toDouble() does; one beyond 64 bits is not read here.
        long long whole = 0;
        const auto [last, error] = std::from_chars(p, at, whole);
        if (error != std::errc() || last != at || (negative && whole == 0))
            return Step::unsure;
        if (out)
            *out = double(whole);
    } else if (out) {
        double value = 0;
        const auto [last, error] = std::from_chars(p, at, value, std::chars_format::fixed);
        // QJsonDocument reads "-0.0" as 0: a zero keeps its sign only here.
        if (error != std::errc() || last != at || !std::isfinite(value) || (negative && value == 0))
            return Step::unsure;
        *out = value;
    }
    p = at;
    return Step::ok;
}

Step Cursor::literal(const char* word, qsizetype size)
{
    const qsizetype available = std::min<qsizetype>(size, end - p);
    if (std::memcmp(p, word, size_t(available)) != 0)
        return Step::unsure;
    if (available < size)
        return Step::more;
    p += size;
    return Step::ok;
}

} // namespace Json

} // namespace reelcatch
