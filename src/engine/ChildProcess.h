#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <chrono>
#include <memory>

class QProcess;

namespace reelcatch {

class LineReader;
class PacedOutput;

// What to run and how to read it.
struct ChildSpec {
    QString program;
    QStringList arguments;
    QProcessEnvironment environment;

    enum class Output {
        // Standard output as it arrives (output()), standard error kept as a
        // bounded tail (errorTail()).
        stream,
        // Both streams merged in the order written, cut into trimmed lines
        // (line()), read through a paced pipe `pause` apart.
        lines,
    };
    Output output = Output::stream;
    std::chrono::milliseconds pause{0};
    // The child is stopped, and ends as inactive, once it has written nothing
    // on either stream for this long; zero for no limit.
    std::chrono::milliseconds inactivityLimit{0};
    // Where the child starts; empty for the application's own. It must exist.
    QString workingDirectory{};
};

// How a child ended.
struct ChildExit {
    enum class Kind {
        exited,        // ran and ended; `code` is its status
        failedToStart, // never ran; `message` says why
        inactive,      // stopped after the inactivity limit
    };
    Kind kind = Kind::exited;
    // The exit status; for a child ended by a signal, the signal's number.
    int code = 0;
    QString message;

    bool succeeded() const { return kind == Kind::exited && code == 0; }
};

// One child process, from start to end. Every child leads a process group of
// its own, run under reelcatch-guard where there is one (ProcessGroup.h), so
// nothing it starts outlives the application. Ends exactly once, through ended(), unless it is
// destroyed first, which kills its group.
class Child : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Starts the child; the outcome, even a failure to start, arrives later
    // through ended(), never from within this call.
    virtual void start() = 0;
    // Asks the group to stop (SIGTERM) and makes sure of it (SIGKILL) after
    // the grace period. The end still arrives through ended().
    virtual void stop() = 0;
    virtual bool isRunning() const = 0;
    // The last mebibyte or so of standard error, in whole lines (stream output).
    virtual QByteArray errorTail() const = 0;

    static constexpr std::chrono::milliseconds gracePeriod{3000};

signals:
    // Output::stream: a piece of standard output.
    void output(const QByteArray& bytes);
    // Output::lines: one trimmed, non-empty line of either stream.
    void line(const QString& text);
    void ended(const reelcatch::ChildExit& exit);
};

// Makes children. The application uses SystemRunner; tests stand in their own.
class ProcessRunner {
public:
    virtual ~ProcessRunner() = default;
    // A child for `spec`, not started yet, owned by `parent`.
    virtual Child* create(const ChildSpec& spec, QObject* parent) = 0;
};

class SystemRunner final : public ProcessRunner {
public:
    // `guard`: the path of reelcatch-guard, empty to run children directly.
    explicit SystemRunner(QString guard = {}) : m_guard(std::move(guard)) {}
    Child* create(const ChildSpec& spec, QObject* parent) override;

    // The guard installed with the application: beside its executable (as
    // built) or in its libexec folder; empty, and logged, when missing.
    static QString installedGuard();

private:
    QString m_guard;
};

// The real thing: a QProcess and everything it needs.
class ChildProcess final : public Child {
    Q_OBJECT
public:
    // `guard` as for SystemRunner.
    ChildProcess(ChildSpec spec, QObject* parent = nullptr, const QString& guard = {});
    ~ChildProcess() override;

    void start() override;
    void stop() override;
    bool isRunning() const override;
    QByteArray errorTail() const override { return m_errorTail; }
    // The group leader's: the guard's where there is one.
    qint64 processId() const { return m_leader; }

private:
    void activity();
    void finish(const ChildExit& exit);

    ChildSpec m_spec;
    QProcess* m_process = nullptr;
    PacedOutput* m_paced = nullptr;
    std::unique_ptr<LineReader> m_reader;
    QByteArray m_errorTail;
    QTimer m_inactivity;
    QTimer m_grace;
    qint64 m_leader = 0;
    bool m_inactive = false;
    bool m_ended = false;
};

} // namespace reelcatch
