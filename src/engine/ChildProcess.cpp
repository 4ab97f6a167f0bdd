#include "engine/ChildProcess.h"

#include "engine/LineReader.h"
#include "engine/Log.h"
#include "engine/PacedOutput.h"
#include "engine/ProcessGroup.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

namespace reelcatch {

namespace {

// Only the last error lines of a child are wanted; one that writes there
// without end must not fill the memory. Whole lines older than the last
// mebibyte or so are dropped.
void keepTail(QByteArray& tail, QByteArrayView more)
{
    constexpr qsizetype keep = 1 << 20;
    tail += more;
    if (tail.size() <= 2 * keep)
        return;
    const qsizetype cut = tail.size() - keep;
    const qsizetype lineStart = tail.indexOf('\n', cut);
    tail.remove(0, lineStart < 0 ? cut : lineStart + 1);
}

} // namespace

Child* SystemRunner::create(const ChildSpec& spec, QObject* parent)
{
    return new ChildProcess(spec, parent, m_guard);
}

QString SystemRunner::installedGuard()
{
    const QString dir = QCoreApplication::applicationDirPath();
    for (const QString& path : {dir + QStringLiteral("/reelcatch-guard"),
                                dir + QStringLiteral("/../libexec/reelcatch/reelcatch-guard")}) {
        if (const QFileInfo info(path); info.isFile() && info.isExecutable())
            return info.canonicalFilePath();
    }
    qCWarning(lcEngine) << "reelcatch-guard not found beside" << dir
                        << "nor in its libexec folder: children run without it";
    return {};
}

ChildProcess::ChildProcess(ChildSpec spec, QObject* parent, const QString& guard)
    : Child(parent), m_spec(std::move(spec)), m_process(new QProcess(this))
{
    m_process->setProgram(m_spec.program);
    m_process->setArguments(m_spec.arguments);
    m_process->setProcessEnvironment(m_spec.environment);
    m_process->setStandardInputFile(QProcess::nullDevice());
    m_process->setWorkingDirectory(m_spec.workingDirectory);
    ProcessGroup::setUp(*m_process, guard);

    if (m_spec.output == ChildSpec::Output::lines) {
        m_reader = std::make_unique<LineReader>([this](const QString& text) { emit line(text); });
        m_paced = new PacedOutput(*m_process, m_spec.pause, [this](QByteArrayView bytes) {
            activity();
            m_reader->feed(bytes);
        });
    } else {
        connect(m_process, &QProcess::readyReadStandardOutput, this, [this] {
            activity();
            emit output(m_process->readAllStandardOutput());
        });
        connect(m_process, &QProcess::readyReadStandardError, this, [this] {
            activity();
            keepTail(m_errorTail, m_process->readAllStandardError());
        });
    }

    m_inactivity.setSingleShot(true);
    connect(&m_inactivity, &QTimer::timeout, this, [this] {
        qCInfo(lcEngine) << "no output for" << m_spec.inactivityLimit.count() << "ms, stopping"
                         << m_spec.program;
        m_inactive = true;
        stop();
    });
    m_grace.setSingleShot(true);
    connect(&m_grace, &QTimer::timeout, this, [this] {
        qCInfo(lcEngine) << "still running after the grace period, killing" << m_spec.program;
        ProcessGroup::kill(*m_process);
    });

    connect(m_process, &QProcess::started, this, [this] {
        // The id is gone from the process once it has exited.
        m_leader = m_process->processId();
        qCInfo(lcEngine) << "started" << m_leader << m_spec.program << m_spec.arguments;
    });
    connect(m_process, &QProcess::finished, this, [this](int exitCode) {
        // Nothing the child started outlives it: what is left of its group
        // is asked to stop, and killed should it still be there later.
        ProcessGroup::terminateRemains(m_leader);
        if (ProcessGroup::hasRemains(m_leader)) {
            QTimer::singleShot(gracePeriod, QCoreApplication::instance(),
                               [leader = m_leader] { ProcessGroup::killRemains(leader); });
        }
        if (m_paced)
            m_paced->drain();
        if (m_reader)
            m_reader->flush();
        if (m_spec.output == ChildSpec::Output::stream) {
            emit output(m_process->readAllStandardOutput());
            keepTail(m_errorTail, m_process->readAllStandardError());
        }
        // For a child ended by a signal, Qt reports the signal's number.
        finish({m_inactive ? ChildExit::Kind::inactive : ChildExit::Kind::exited, exitCode, {}});
    });
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        const QString message = m_process->errorString();
        // Reported later, whether Qt tells it during start() or after.
        QMetaObject::invokeMethod(
            this, [this, message] { finish({ChildExit::Kind::failedToStart, -1, message}); },
            Qt::QueuedConnection);
    });
    // Quitting stops whatever still runs.
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &ChildProcess::stop);
}

ChildProcess::~ChildProcess()
{
    m_process->disconnect(this);
    if (m_process->state() != QProcess::NotRunning) {
        qCInfo(lcEngine) << "killing" << m_leader << m_spec.program << "with its owner";
        ProcessGroup::kill(*m_process);
    }
    // QProcess reaps the child it has just seen killed.
}

void ChildProcess::start()
{
    if (m_spec.inactivityLimit.count() > 0)
        m_inactivity.start(m_spec.inactivityLimit);
    m_process->start();
    if (m_paced)
        m_paced->started();
}

void ChildProcess::stop()
{
    if (!isRunning())
        return;
    qCInfo(lcEngine) << "stopping" << m_leader << m_spec.program;
    ProcessGroup::terminate(*m_process);
    if (!m_grace.isActive())
        m_grace.start(gracePeriod);
}

bool ChildProcess::isRunning() const
{
    return m_process->state() != QProcess::NotRunning && !m_ended;
}

void ChildProcess::activity()
{
    if (m_spec.inactivityLimit.count() > 0 && !m_inactive)
        m_inactivity.start(m_spec.inactivityLimit);
}

void ChildProcess::finish(const ChildExit& exit)
{
    if (m_ended)
        return;
    m_ended = true;
    m_inactivity.stop();
    m_grace.stop();
    qCInfo(lcEngine) << "ended" << m_leader << m_spec.program << "kind" << int(exit.kind)
                     << "code" << exit.code << exit.message;
    emit ended(exit);
}

} // namespace reelcatch
