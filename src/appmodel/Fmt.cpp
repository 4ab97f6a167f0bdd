#include "appmodel/Fmt.h"

#include <QLocale>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace reelcatch {

namespace {

// 2^63, the first double beyond the 64-bit signed range (exactly representable).
constexpr double twoTo63 = 9223372036854775808.0;

struct Tier {
    int precision;  // fractional digits shown
    qint64 quantum; // bytes represented by the last digit shown
};

// The display tier of a byte count: bytes and kB whole, MB with one decimal,
// GB and above with two.
Tier tierOf(qint64 n)
{
    const std::uint64_t magnitude = n < 0 ? 0 - std::uint64_t(n) : std::uint64_t(n);
    if (magnitude < 1000)
        return {0, 1};
    if (magnitude < 1000000)
        return {0, 1000};
    if (magnitude < 1000000000)
        return {1, 100000};
    // GB, TB, PB, EB: two decimals, so the last digit is a hundredth of the unit.
    qint64 quantum = 10000000;
    // Up one unit while the count reaches the next one (1000 times quantum * 100).
    while (quantum < 10000000000000000 && magnitude / 1000 >= std::uint64_t(quantum) * 100)
        quantum *= 1000;
    return {2, quantum};
}

// n rounded (halves away from zero) to a multiple of quantum, so that the
// formatter's own rounding can't show "1000 kB" where "1.0 MB" is meant.
qint64 roundTo(qint64 n, qint64 quantum)
{
    qint64 q = n / quantum;
    const qint64 r = n % quantum;
    if (r >= quantum - r)
        ++q;
    else if (-r >= quantum + r)
        --q;
    // Near the ends of the range, rounding up would overflow; keep the count.
    if (q > std::numeric_limits<qint64>::max() / quantum ||
        q < -std::numeric_limits<qint64>::max() / quantum)
        return n;
    return q * quantum;
}

// What the default locale writes a byte count with: its digits, signs and
// unit names. Asking a system locale for its symbols is most of what
// QLocale::formattedDataSize costs, and progress lines format several counts
// each, so they are asked once per thread and again only when the default
// locale changes (a cheap comparison of the locale's data).
struct SizeSymbols {
    QLocale locale;
    char32_t zero = U'0';
    QString decimal;
    QString minus;
    std::array<QString, 7> units; // bytes, kB, MB, … EB
};

const SizeSymbols& sizeSymbols()
{
    thread_local std::optional<SizeSymbols> cached;
    const QLocale current;
    if (cached && cached->locale == current)
        return *cached;
    SizeSymbols symbols;
    symbols.locale = current;
    const QString zero = current.zeroDigit();
    symbols.zero = zero.isEmpty() ? U'0' : zero.toUcs4().value(0, U'0');
    symbols.decimal = current.decimalPoint();
    symbols.minus = current.negativeSign();
    // "1 kB" and the like, less the number and the space after it.
    const qsizetype one = current.toString(1).size() + 1;
    qint64 unit = 1;
    for (QString& name : symbols.units) {
        name = current.formattedDataSize(unit, 0, QLocale::DataSizeSIFormat).mid(one);
        if (unit <= std::numeric_limits<qint64>::max() / 1000)
            unit *= 1000;
    }
    cached = std::move(symbols);
    return *cached;
}

// QLocale().formattedDataSize(n, precision, QLocale::DataSizeSIFormat), the
// number written in ASCII and mapped onto the locale's symbols.
QString formattedSize(qint64 n, int precision)
{
    const std::uint64_t magnitude = n < 0 ? 0 - std::uint64_t(n) : std::uint64_t(n);
    // The unit the way QLocale chooses it.
    const int power = n == 0 ? 0 : int(std::log10(double(magnitude))) / 3;
    char ascii[64];
    std::to_chars_result written{};
    if (power == 0) {
        written = std::to_chars(std::begin(ascii), std::end(ascii), n);
    } else {
        const double value = double(n) / std::pow(1000.0, power);
        // Three digits before the point at most, so no thousands separator;
        // anything else is left to QLocale.
        if (!(std::fabs(value) < 1000))
            return QLocale().formattedDataSize(n, precision, QLocale::DataSizeSIFormat);
        written = std::to_chars(std::begin(ascii), std::end(ascii), value, std::chars_format::fixed,
                                qMin(precision, 3 * power));
    }
    if (written.ec != std::errc() || power > 6)
        return QLocale().formattedDataSize(n, precision, QLocale::DataSizeSIFormat);

    const SizeSymbols& symbols = sizeSymbols();
    QString text;
    text.reserve(16);
    for (const char* c = ascii; c != written.ptr; ++c) {
        if (*c == '-')
            text += symbols.minus;
        else if (*c == '.')
            text += symbols.decimal;
        else if (symbols.zero == U'0')
            text += QLatin1Char(*c);
        else
            text += QChar::fromUcs4(symbols.zero + char32_t(*c - '0'));
    }
    text += QLatin1Char(' ');
    text += symbols.units[power];
    return text;
}

} // namespace

namespace Fmt {

QString time(double seconds)
{
    const double rounded = std::round(seconds);
    // Converting NaN, an infinity or anything beyond 64 bits to an integer is
    // undefined; no real duration comes close.
    if (!(std::fabs(rounded) < twoTo63))
        return QStringLiteral("--:--");
    const qint64 total = qint64(rounded);
    const qint64 s = total < 0 ? -total : total;
    const QString sign = total < 0 ? QStringLiteral("-") : QString();
    const qint64 h = s / 3600;
    const qint64 m = s % 3600 / 60;
    const qint64 sec = s % 60;
    if (h == 0)
        return sign + QString::asprintf("%lld:%02lld", qlonglong(m), qlonglong(sec));
    return sign +
           QString::asprintf("%lld:%02lld:%02lld", qlonglong(h), qlonglong(m), qlonglong(sec));
}

QString bytes(double count)
{
    // Truncate toward zero, pinned to ±(2^63 - 1): the formatter takes the
    // absolute value, which 2^63 (negative) doesn't have.
    qint64 n = 0;
    if (std::isnan(count))
        n = 0;
    else if (count >= twoTo63)
        n = std::numeric_limits<qint64>::max();
    else if (count <= -twoTo63)
        n = -std::numeric_limits<qint64>::max();
    else
        n = qint64(count);

    Tier tier = tierOf(n);
    n = roundTo(n, tier.quantum);
    tier = tierOf(n); // rounding may have reached the next unit
    return formattedSize(n, tier.precision);
}

} // namespace Fmt

} // namespace reelcatch
