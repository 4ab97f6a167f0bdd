#pragma once

// A scriptable stand-in for yt-dlp (or any other outside tool: ffmpeg,
// ffprobe, deno) that records how it was called.
//
// Installing puts `<dir>/<name>` (mode 0755), a two-line /bin/sh wrapper that
// sets REELCATCH_FAKE_SCRIPT to the script file and `exec`s the compiled fake
// binary with "$@", so the fake sees exactly the caller's arguments. Beside
// the script `<stateDir>/<name>.script` live the files the fake writes:
//   <name>.calls    one JSON array of strings per invocation, appended and
//                   flushed before the fake does anything else (bytes that are
//                   not UTF-8 are recorded as U+FFFD)
//   <name>.pid      written by the "pidfile" command
//   <name>.signals  one line ("TERM", "INT") per SIGTERM/SIGINT received
//
// Script format
// -------------
// One command per line, read and checked in full before anything runs; a
// mistake makes the fake print "fake-ytdlp: line N: ..." on stderr and exit
// 98 (97 when the script can't be read). Empty lines and lines starting with
// "#" are skipped. A command is a word, then one space, then its argument:
// the rest of the line, verbatim (spaces, leading dashes and "\r" included).
//
// Sections: a line starting with "@" begins a section. The first section (in
// file order) whose condition holds runs; otherwise the default section runs.
// Lines before the first header belong to the default section.
//   @default            switch back to the default section
//   @option TEXT        an argument equal to TEXT occurs before any "--"
//   @arg TEXT           any argument equals TEXT
//   @arg-contains TEXT  any argument contains TEXT
//   @call N             this is the Nth recorded call (1 = first) of this fake
//
// Commands ("out-..." write to standard output, "err-..." to standard error;
// relative paths are taken from the script's folder):
//   out TEXT / err TEXT            TEXT and "\n"
//   out-cr TEXT / err-cr TEXT      TEXT and "\r" (progress-style)
//   out-nonl TEXT / err-nonl TEXT  TEXT alone, nothing appended
//   out-esc TEXT / err-esc TEXT    TEXT with \n \r \t \0 \\ \xHH decoded
//   out-hex HEX / err-hex HEX      raw bytes, e.g. "ff fe 41" (spaces ignored)
//   out-b64 B64 / err-b64 B64      raw bytes in base64
//   out-file PATH / err-file PATH  the whole file
//   out-fill N / err-fill N        N filler bytes: 79 "x" then "\n", repeated
//   out-fill N raw                 N bytes of "x", no line breaks
//   out-env NAME                   the variable's value (empty if unset), "\n"
//   buffer on|off                  on: hold output until flush/exit; off
//                                  (default): every command writes at once
//   flush                          write the held output
//   sleep MS                       sleep MS milliseconds (signals don't cut
//                                  it short)
//   pidfile [PATH]                 write the process id and "\n" (default:
//                                  <name>.pid beside the script)
//   on-sigterm MODE / on-sigint MODE
//                                  die (default): die of the signal at once;
//                                  ignore: carry on; exit CODE: exit at once
//                                  with CODE; delay MS: carry on, then die of
//                                  the signal MS ms after the first one came
//                                  (if the script ends sooner, it exits
//                                  normally)
//   raise TERM|KILL|INT|SEGV|ABRT|HUP  flush, then die of that signal
//   mkdir PATH                     create the folder and its parents
//   create-file SIZE PATH          write SIZE bytes of "x" to PATH (parents
//                                  created); PATH may contain spaces
//   exit CODE                      flush held output and exit with CODE
// Reaching the end of the section exits with status 0.

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>


class FakeYtdlp {
public:
    // Installs the wrapper `<dir>/<name>` with an empty script (exit 0, no
    // output). The state files go to `stateDir`, `dir` when empty; both
    // folders are created if missing.
    explicit FakeYtdlp(const QString& dir, const QString& name = QStringLiteral("yt-dlp"),
                       const QString& stateDir = {});

    // The compiled fake binary.
    static QString binaryPath();

    // The wrapper, the one file callers run.
    QString path() const { return m_path; }
    QString scriptPath() const { return m_base + QStringLiteral(".script"); }
    QString callsPath() const { return m_base + QStringLiteral(".calls"); }
    QString pidPath() const { return m_base + QStringLiteral(".pid"); }
    QString signalsPath() const { return m_base + QStringLiteral(".signals"); }

    // The whole script. setScript() replaces raw text and builder lines alike;
    // builder lines added later follow the raw text.
    void setScript(const QString& text);
    QString script() const;

    // Builder: each call appends to the current section (the default one
    // until a section is chosen) and rewrites the script file at once.
    FakeYtdlp& line(const QString& command);
    FakeYtdlp& onOption(const QString& option);
    FakeYtdlp& onArg(const QString& arg);
    FakeYtdlp& onArgContaining(const QString& text);
    FakeYtdlp& onCall(int n);
    FakeYtdlp& otherwise();

    // Text and "\n"; text holding line breaks is passed through base64.
    FakeYtdlp& out(const QString& text);
    FakeYtdlp& err(const QString& text);
    // Text and "\r", like a progress line on a terminal.
    FakeYtdlp& outCr(const QString& text);
    // Exact bytes, nothing appended (large data goes through a data file).
    FakeYtdlp& outBytes(const QByteArray& bytes);
    FakeYtdlp& errBytes(const QByteArray& bytes);
    FakeYtdlp& outFile(const QString& file);
    FakeYtdlp& errFile(const QString& file);
    // The object as one line of compact JSON and "\n", like `yt-dlp -J`.
    FakeYtdlp& printJsonToStdout(const QJsonObject& object);
    FakeYtdlp& fillOut(qint64 bytes);
    FakeYtdlp& fillErr(qint64 bytes);
    FakeYtdlp& sleepMs(int ms);
    FakeYtdlp& flush();
    FakeYtdlp& exitWith(int code);
    FakeYtdlp& writePidFile();
    // "die", "ignore", "exit CODE" or "delay MS".
    FakeYtdlp& onSigterm(const QString& mode);
    FakeYtdlp& ignoreSigtermFor(int ms) { return onSigterm(QStringLiteral("delay %1").arg(ms)); }
    FakeYtdlp& createFile(const QString& path, qint64 size);
    // A section for `--version` (before any "--") that prints the version.
    // The current section is left as it was.
    FakeYtdlp& answerVersion(const QString& version);

    // Every recorded invocation, oldest first.
    QList<QStringList> calls() const;
    int callCount() const { return int(calls().size()); }
    QStringList lastArgs() const;
    void clearCalls();
    // The pid the last "pidfile" wrote, if any.
    std::optional<qint64> pid() const;
    // "TERM"/"INT" per signal received, oldest first.
    QStringList signalsReceived() const;

private:
    struct Section {
        QString header;
        QStringList lines;
    };
    FakeYtdlp& add(const QString& line);
    FakeYtdlp& enter(const QString& header);
    QString dataFile(const QByteArray& bytes);
    void writeScript() const;

    QString m_path;
    QString m_base;
    QString m_raw;
    QList<Section> m_sections; // [0] is the default section
    qsizetype m_current = 0;
    int m_dataFiles = 0;
};
