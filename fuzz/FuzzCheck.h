#pragma once

// What the fuzz targets share: a failed property stops the run with a
// message, so that libFuzzer keeps the input as a crash.

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, ...)                                                                 \
    do {                                                                                           \
        if (!(condition))                                                                          \
            fuzzFailure(__FILE__, __LINE__, #condition, QString(__VA_ARGS__));                     \
    } while (false)

[[noreturn]] inline void fuzzFailure(const char* file, int line, const char* condition,
                                     const QString& detail)
{
    std::fprintf(stderr, "%s:%d: property failed: %s\n", file, line, condition);
    if (!detail.isEmpty())
        std::fprintf(stderr, "  %s\n", detail.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

// Text made printable for a failure message: controls and non-ASCII escaped.
inline QString shown(const QString& text)
{
    QString out;
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
            out += c;
        else
            out += QString::asprintf("\\u%04x", unsigned(c.unicode()));
    }
    return out;
}
