// The second half of a tool's job (InstallerJob.cpp fetches and checks the
// download): unpacking it, asking the new copy (and the one in place) for its
// version, and the swap.
#include "engine/ArchiveUnpack.h"
#include "engine/InstallerJob.h"
#include "engine/Log.h"
#include "engine/ToolTrust.h"

#include <QFile>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <utility>

namespace reelcatch {

void Installer::Job::unpack(const QString& archive)
{
    qCInfo(lcEngine) << "unpacking" << m_tool.name << "from" << archive;
    m_stage = Stage::Unpacking;
    m_unpackCancelled = std::make_shared<std::atomic_bool>(false);
    // A watcher rather than QFuture::then(context, …), whose continuation
    // Qt 6.4 may drop when the task ends while it is being attached.
    auto* watcher = new QFutureWatcher<UnpackOutcome>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, archive] {
        watcher->deleteLater();
        const UnpackOutcome outcome = watcher->result();
        if (m_cancelled || outcome.cancelled)
            return fail(QCoreApplication::translate("reelcatch::Installer", "Cancelled"));
        if (outcome.tooLarge)
            return tooLarge();
        if (!outcome.ok)
            return fail(
                QCoreApplication::translate("reelcatch::Installer", "Couldn't unpack %1: %2")
                    .arg(m_tool.name, outcome.error));
        // The archive has served its purpose; don't keep it while the check runs.
        QFile::remove(archive);
        check();
    });
    watcher->setFuture(QtConcurrent::run(
        unpackArchiveFile, archive, m_tool.name, m_partPath, m_config.maxToolBytes,
        std::shared_ptr<const std::atomic_bool>(m_unpackCancelled)));
}

void Installer::Job::check()
{
    m_stage = Stage::Checking;
    if (::chmod(QFile::encodeName(m_partPath).constData(), 0755) != 0)
        return fail(
            QCoreApplication::translate("reelcatch::Installer", "Couldn't make %1 executable: %2")
                .arg(m_partPath, QString::fromStdString(std::generic_category().message(errno))));

    ask(m_partPath);
}

void Installer::Job::ask(const QString& program)
{
    qCInfo(lcEngine) << "checking" << program << m_tool.checkArgs;
    m_process = m_engine.spawn({program, m_tool.checkArgs, {}, ChildSpec::Output::stream}, this);
    connect(m_process, &Child::output, this, [this](const QByteArray& bytes) {
        if (m_checkOutput.size() < 4096)
            m_checkOutput += bytes;
    });
    connect(m_process, &Child::ended, this, &Job::checked);
    if (m_config.checkTimeoutMs > 0)
        m_checkTimer.start(m_config.checkTimeoutMs);
    m_process->start();
}

void Installer::Job::checked(const ChildExit& exit)
{
    if (m_stage != Stage::Checking)
        return;
    m_checkTimer.stop();
    m_process->deleteLater();
    m_process = nullptr;
    if (m_cancelled)
        return fail(QCoreApplication::translate("reelcatch::Installer", "Cancelled"));
    // Exiting 0 isn't enough: the answer must look like the tool's version.
    const QString answer = QString::fromUtf8(std::exchange(m_checkOutput, {}));
    const bool answered = exit.succeeded() && m_tool.version.match(answer).hasMatch();
    if (m_askedInPlace)
        return keepNewer(answered ? ToolTrust::versionIn(answer) : QVersionNumber());
    if (!answered)
        return fail(
            QCoreApplication::translate("reelcatch::Installer", "The downloaded %1 doesn't run.")
                .arg(m_tool.name));
    m_newVersion = ToolTrust::versionIn(answer);
    if (!Engine::isExec(m_tool.destination))
        return place();
    // The copy in place says its own version; a copy that doesn't answer is replaced.
    m_askedInPlace = true;
    ask(m_tool.destination);
}

void Installer::Job::keepNewer(const QVersionNumber& inPlace)
{
    // Never back to an older version (a stale mirror, a release pulled
    // back); the same one is left as it is.
    if (!inPlace.isNull() && !m_newVersion.isNull() &&
        QVersionNumber::compare(m_newVersion.normalized(), inPlace.normalized()) <= 0) {
        qCInfo(lcEngine) << "keeping" << m_tool.destination << inPlace << "over the downloaded"
                         << m_newVersion;
        // It is as new as what is published: it counts as just updated (the
        // engine's readiness goes by its age), or it would be fetched again
        // at every start.
        ::utimensat(AT_FDCWD, QFile::encodeName(m_tool.destination).constData(), nullptr, 0);
        return finish(Done{});
    }
    place();
}

void Installer::Job::place()
{
    // rename(2) swaps the new copy in at once: the tool is never missing,
    // and a failure leaves the old one as it was.
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(m_partPath).toStdString(),
                            QFile::encodeName(m_tool.destination).toStdString(), error);
    if (error)
        return fail(QCoreApplication::translate("reelcatch::Installer", "Couldn't install %1: %2")
                        .arg(m_tool.name, QString::fromStdString(error.message())));
    finish(Done{});
}

} // namespace reelcatch
