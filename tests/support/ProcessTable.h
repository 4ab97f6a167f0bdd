#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QStringList>

// The system's processes as /proc shows them (Linux only).
struct ProcessInfo {
    qint64 pid = 0;
    qint64 parent = 0;
    qint64 group = 0;
    // "R", "S", "Z" and so on.
    QByteArray state;
    QByteArray name;
};

// One snapshot of /proc; processes that end while it is read are skipped.
QList<ProcessInfo> processTable();

// Processes other than `ancestor` itself whose parent chain leads to
// `ancestor`, or that belong to one of `groups`, as "pid name (state)".
QStringList processesLeft(qint64 ancestor, const QSet<qint64>& groups = {});

// The command line of a running process, empty once it has gone.
QStringList processArguments(qint64 pid);

// Whether the process has ended (a zombie waiting to be reaped counts as ended).
bool processGone(qint64 pid);
