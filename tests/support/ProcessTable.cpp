#include "ProcessTable.h"

#include <QDir>
#include <QFile>
#include <QHash>

#include <optional>

namespace {

std::optional<ProcessInfo> readStat(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // "pid (name) state ppid pgrp ..."; the name may hold spaces and brackets.
    const QByteArray line = file.readAll();
    const qsizetype open = line.indexOf('(');
    const qsizetype close = line.lastIndexOf(')');
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
    if (open < 0 || close < open || fields.size() < 3)
        return std::nullopt;
    return ProcessInfo{pid, fields[1].toLongLong(), fields[2].toLongLong(), fields[0],
                       line.mid(open + 1, close - open - 1)};
}

} // namespace

QList<ProcessInfo> processTable()
{
    QList<ProcessInfo> table;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& entry : entries)
        if (const std::optional<ProcessInfo> info = readStat(entry.toLongLong()))
            table.append(*info);
    return table;
}

QStringList processesLeft(qint64 ancestor, const QSet<qint64>& groups)
{
    const QList<ProcessInfo> table = processTable();
    QHash<qint64, qint64> parents;
    for (const ProcessInfo& p : table)
        parents.insert(p.pid, p.parent);
    QStringList left;
    for (const ProcessInfo& p : table) {
        bool descends = false;
        // Bounded: a snapshot taken while processes come and go may hold a loop.
        for (qint64 up = p.parent, depth = 0; depth < 64 && up > 1 && !descends; ++depth) {
            descends = up == ancestor;
            up = parents.value(up, 0);
        }
        if (p.pid != ancestor && (descends || groups.contains(p.group)))
            left << QStringLiteral("%1 %2 (%3)")
                        .arg(p.pid)
                        .arg(QString::fromUtf8(p.name), QString::fromLatin1(p.state));
    }
    return left;
}

QStringList processArguments(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/cmdline").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList arguments;
    const QList<QByteArray> parts = file.readAll().split('\0');
    for (const QByteArray& part : parts)
        if (!part.isEmpty())
            arguments << QString::fromLocal8Bit(part);
    return arguments;
}

bool processGone(qint64 pid)
{
    const std::optional<ProcessInfo> info = readStat(pid);
    return !info || info->state == "Z";
}
