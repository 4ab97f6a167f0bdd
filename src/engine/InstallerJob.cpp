// The first half of a tool's job: its start, cancel and end, and fetching
// the checksum list, signature and download and checking them
// (InstallerPlace.cpp unpacks, asks and places).
#include "engine/InstallerJob.h"

#include "engine/Log.h"
#include "engine/ToolTrust.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <QThreadPool>
#include <QTimer>
#include <QUuid>

#include <array>
#include <atomic>
#include <cerrno>
#include <filesystem>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <system_error>
#include <utility>
#include <vector>

namespace reelcatch {

namespace {

// Read from the network in pieces of this size, so no download is ever held
// whole in memory.
constexpr qint64 chunkSize = 64 * 1024;
// Checksum lists and signatures are read into memory, up to this size.
constexpr qint64 smallFileLimit = 1024 * 1024;
// The key built in for yt-dlp's checksum list.
const char* const builtInKey = ":/reelcatch/keys/yt-dlp-public.key";

QString newUuid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

std::filesystem::path fsPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// What the installer makes has these modes whatever the umask: folders and
// programs 0755, other files 0644.
constexpr mode_t folderMode = 0755;
constexpr mode_t fileMode = 0644;

// Creates `path` and its missing parents, each with folderMode; the file
// system's description of the failure, if any.
std::optional<QString> makeFolder(const QString& path)
{
    std::error_code error;
    std::filesystem::path missing = fsPath(path);
    std::vector<std::filesystem::path> made;
    for (; !missing.empty() && !std::filesystem::exists(missing, error);
         missing = missing.parent_path()) {
        made.push_back(missing);
        if (missing == missing.parent_path())
            break;
    }
    std::filesystem::create_directories(fsPath(path), error);
    for (const std::filesystem::path& folder : made) {
        if (!error && ::chmod(folder.c_str(), folderMode) != 0)
            error = std::error_code(errno, std::generic_category());
    }
    if (!error)
        return std::nullopt;
    return QCoreApplication::translate("reelcatch::Installer", "Couldn't create the folder %1: %2")
        .arg(path, QString::fromStdString(error.message()));
}

bool openNew(QFile& file)
{
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly) &&
           ::fchmod(file.handle(), fileMode) == 0;
}

// Writes `bytes` to a new file at `path`; the failure, if any.
std::optional<QString> writeWhole(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (openNew(file) && file.write(bytes) == bytes.size() && file.flush())
        return std::nullopt;
    return QCoreApplication::translate("reelcatch::Installer", "Couldn't write %1: %2")
        .arg(path, file.errorString());
}

} // namespace

Installer::Job::Job(QNetworkAccessManager* network, const Engine& engine,
                    const InstallerConfig& config, Tool which, QObject* parent)
    : QObject(parent), m_network(network), m_engine(engine), m_config(config),
      m_tool(std::move(which))
{
    m_stallTimer.setSingleShot(true);
    connect(&m_stallTimer, &QTimer::timeout, this, &Job::stalled);
    connect(&m_rateTimer, &QTimer::timeout, this, &Job::checkRate);
    m_checkTimer.setSingleShot(true);
    connect(&m_checkTimer, &QTimer::timeout, this, [this] {
        if (m_process)
            m_process->stop();
    });
}

Installer::Job::~Job()
{
    if (m_stage == Stage::Finished)
        return;
    // Destroyed half-way (the installer is going away): stop the transfer and
    // clean up without reporting. A running unpack sees the flag and removes
    // whatever it has written itself.
    if (m_unpackCancelled)
        m_unpackCancelled->store(true);
    dropReply();
    removeTemporaries();
}

void Installer::Job::start()
{
    if (m_stage != Stage::Idle)
        return;
    const QString supportDir = QFileInfo(m_tool.destination).path();
    if (const std::optional<QString> error = makeFolder(supportDir))
        return fail(*error);
    m_partPath = supportDir + QStringLiteral("/.") + m_tool.name + QLatin1Char('-') + newUuid() +
                 QStringLiteral(".new");
    // Beside the tools, not in the system's temporary folder: the sweep at
    // start finds what a killed install left there.
    const QString workDir = supportDir + QStringLiteral("/.") + m_tool.name + QLatin1Char('-') +
                            newUuid() + QStringLiteral(".work");
    if (const std::optional<QString> error = makeFolder(workDir))
        return fail(*error);
    m_workDir = workDir;
    // The small files first: a download that can't be checked isn't made.
    download(m_tool.sumsUrl, {}, [this] {
        const QByteArray sums = std::exchange(m_small, {});
        m_expectedSum = ToolTrust::publishedSum(sums, m_tool.sumsName);
        if (m_expectedSum.isEmpty())
            return mismatch();
        if (m_tool.signatureUrl.isEmpty())
            return downloadTool();
        if (const std::optional<QString> error =
                writeWhole(m_workDir + QStringLiteral("/sums"), sums))
            return fail(*error);
        download(m_tool.signatureUrl, {}, [this] { verifySignature(std::exchange(m_small, {})); });
    });
}

void Installer::Job::cancel()
{
    m_cancelled = true;
    switch (m_stage) {
    case Stage::Idle:
    case Stage::Downloading:
    case Stage::Verifying:
        fail(QCoreApplication::translate("reelcatch::Installer", "Cancelled"));
        break;
    case Stage::Unpacking:
        // The worker stops at its next block; its continuation finishes the job.
        m_unpackCancelled->store(true);
        break;
    case Stage::Checking:
        m_process->stop();
        break;
    case Stage::Finished:
        break;
    }
}

void Installer::Job::download(const QString& url, const QString& file, std::function<void()> next)
{
    m_stage = Stage::Downloading;
    m_url = url;
    m_next = std::move(next);
    m_small.clear();
    m_windowBytes = 0;
    m_errorBytes = 0;
    if (!file.isEmpty()) {
        m_file.setFileName(file);
        if (!openNew(m_file))
            return fail(QCoreApplication::translate("reelcatch::Installer", "Couldn't write %1: %2")
                            .arg(file, m_file.errorString()));
    }

    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    qCInfo(lcEngine) << "downloading" << url;
    m_reply = m_network->get(request);
    // Back-pressure: the reply holds at most this much that we haven't written yet.
    m_reply->setReadBufferSize(16 * chunkSize);
    connect(m_reply, &QNetworkReply::readyRead, this, &Job::readBody);
    if (!file.isEmpty())
        connect(m_reply, &QNetworkReply::downloadProgress, this,
                [this](qint64 received, qint64 total) {
                    if (onProgress && httpStatus() == 200)
                        onProgress(received, qMax<qint64>(total, 0));
                });
    connect(m_reply, &QNetworkReply::finished, this, &Job::downloaded);
    if (m_config.stallTimeoutMs > 0)
        m_stallTimer.start(m_config.stallTimeoutMs);
    if (m_config.rateWindowMs > 0)
        m_rateTimer.start(m_config.rateWindowMs);
}

qint64 Installer::Job::announcedLength() const
{
    // A compressed body is announced with its compressed length.
    const QByteArray encoding = m_reply->rawHeader("Content-Encoding").trimmed().toLower();
    if (!encoding.isEmpty() && encoding != "identity")
        return -1;
    bool ok = false;
    const qint64 length = m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&ok);
    return ok ? length : -1;
}

int Installer::Job::httpStatus() const
{
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    return status.isValid() ? status.toInt() : 0;
}

void Installer::Job::readBody()
{
    // Only the final answer's body counts; an error page is read and dropped.
    // It is no progress either: an endless one still ends at the stall
    // limit, and a huge one at the size of a checksum list.
    const int status = httpStatus();
    const bool keep = status == 200;
    if (keep && m_config.stallTimeoutMs > 0)
        m_stallTimer.start(m_config.stallTimeoutMs);
    while (m_reply->bytesAvailable() > 0) {
        const QByteArray chunk = m_reply->read(chunkSize);
        if (chunk.isEmpty())
            break;
        if (!keep) {
            m_errorBytes += chunk.size();
            if (m_errorBytes > smallFileLimit)
                return refused(status);
            continue;
        }
        m_windowBytes += chunk.size();
        if (!m_file.isOpen()) {
            m_small += chunk;
            if (m_small.size() > smallFileLimit)
                return mismatch();
            continue;
        }
        if (m_file.pos() + chunk.size() > m_config.maxToolBytes)
            return tooLarge();
        m_hash.addData(chunk);
        if (m_file.write(chunk) != chunk.size()) {
            return fail(QCoreApplication::translate("reelcatch::Installer", "Couldn't write %1: %2")
                            .arg(m_file.fileName(), m_file.errorString()));
        }
    }
}

void Installer::Job::downloaded()
{
    m_stallTimer.stop();
    m_rateTimer.stop();
    readBody();
    if (m_stage != Stage::Downloading)
        return; // a write failure ended the job
    const int status = httpStatus();
    const QNetworkReply::NetworkError error = m_reply->error();
    const QString errorText = m_reply->errorString();
    const qint64 announced = announcedLength();
    dropReply();

    if (!m_file.isOpen()) {
        // A checksum list or signature that did not come says why; only one
        // that came and does not fit is a mismatch.
        if (error != QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied)
            return fail(QCoreApplication::translate("reelcatch::Installer",
                                                    "Couldn't reach the download site: %1")
                            .arg(errorText));
        if (status != 200)
            return fail(
                QCoreApplication::translate("reelcatch::Installer", "Download failed (HTTP %1): %2")
                    .arg(status)
                    .arg(m_url));
        if (error != QNetworkReply::NoError || (announced >= 0 && m_small.size() != announced))
            return mismatch();
        return std::exchange(m_next, {})();
    }
    if (status != 0 && status != 200)
        return refused(status);
    const bool flushed = m_file.flush();
    const qint64 received = m_file.size();
    m_file.close();
    if (error != QNetworkReply::NoError)
        return fail(errorText);
    if (status != 200)
        return fail(
            QCoreApplication::translate("reelcatch::Installer", "Download failed (HTTP 0): %1")
                .arg(m_url));
    if (!flushed)
        return fail(QCoreApplication::translate("reelcatch::Installer", "Couldn't write %1: %2")
                        .arg(m_file.fileName(), m_file.errorString()));
    // Qt does not always notice a connection that closed before the whole
    // body came; the checksum below catches what this can't.
    if (announced >= 0 && received != announced)
        return fail(QCoreApplication::translate("reelcatch::Installer",
                                                "Download incomplete (%1 of %2 bytes): %3")
                        .arg(received)
                        .arg(announced)
                        .arg(m_url));
    std::exchange(m_next, {})();
}

void Installer::Job::refused(int status)
{
    // A checksum or signature that can't be fetched is a mismatch.
    if (!m_file.isOpen())
        return mismatch();
    fail(QCoreApplication::translate("reelcatch::Installer", "Download failed (HTTP %1): %2")
             .arg(status)
             .arg(m_url));
}

void Installer::Job::stalled()
{
    if (m_stage != Stage::Downloading)
        return;
    if (const int status = httpStatus(); status != 0 && status != 200)
        return refused(status);
    fail(QCoreApplication::translate("reelcatch::Installer",
                                     "Download stalled (nothing received for %1 s): %2")
             .arg(QString::number(m_config.stallTimeoutMs / 1000.0), m_url));
}

void Installer::Job::checkRate()
{
    const qint64 least = m_config.minBytesPerSecond * m_config.rateWindowMs / 1000;
    if (m_stage != Stage::Downloading || std::exchange(m_windowBytes, 0) >= least)
        return;
    fail(QCoreApplication::translate("reelcatch::Installer",
                                     "Download too slow (under %1 bytes/s for %2 s): %3")
             .arg(m_config.minBytesPerSecond)
             .arg(QString::number(m_config.rateWindowMs / 1000.0), m_url));
}

void Installer::Job::verifySignature(const QByteArray& signature)
{
    m_stage = Stage::Verifying;
    const QString gpgv = m_config.gpgv.isEmpty()
                             ? QStandardPaths::findExecutable(QStringLiteral("gpgv"))
                             : m_config.gpgv;
    if (!Engine::isExec(gpgv))
        return fail(
            QCoreApplication::translate("reelcatch::Installer",
                                        "Can't check the downloaded %1: gpgv is missing (install "
                                        "the package gpgv).")
                .arg(m_tool.name));
    QFile key(m_config.signingKey.isEmpty() ? QString::fromLatin1(builtInKey)
                                            : m_config.signingKey);
    const QByteArray keyring =
        key.open(QIODevice::ReadOnly) ? ToolTrust::dearmor(key.readAll()) : QByteArray();
    if (keyring.isEmpty())
        return fail(
            QCoreApplication::translate("reelcatch::Installer", "Couldn't read the signing key %1")
                .arg(key.fileName()));
    const QString keyringPath = m_workDir + QStringLiteral("/keyring.gpg");
    const QString signaturePath = m_workDir + QStringLiteral("/sums.sig");
    std::optional<QString> error = writeWhole(keyringPath, keyring);
    if (!error)
        error = writeWhole(signaturePath, signature);
    if (error)
        return fail(*error);
    m_engine.run(gpgv,
                 {QStringLiteral("--keyring"), keyringPath, signaturePath,
                  m_workDir + QStringLiteral("/sums")},
                 this, [this](const Result<RunResult>& result) {
                     if (m_stage != Stage::Verifying)
                         return;
                     if (!result.ok() || result.value().status != 0) {
                         qCInfo(lcEngine)
                             << "gpgv:"
                             << (result.ok() ? result.value().err : result.error().message);
                         return mismatch();
                     }
                     downloadTool();
                 });
}

void Installer::Job::downloadTool()
{
    QString file = m_partPath;
    if (m_tool.zipped) {
        QString archiveName = QUrl(m_tool.url).fileName();
        if (archiveName.isEmpty())
            archiveName = m_tool.name + QStringLiteral(".zip");
        file = m_workDir + QLatin1Char('/') + archiveName;
    }
    download(m_tool.url, file, [this] {
        if (m_hash.result().toHex() != m_expectedSum)
            return mismatch();
        if (m_tool.zipped)
            unpack(m_file.fileName());
        else
            check();
    });
}

void Installer::Job::finish(Status status)
{
    if (m_stage == Stage::Finished)
        return;
    m_stage = Stage::Finished;
    qCInfo(lcEngine) << "installing" << m_tool.name
                     << (status.ok() ? QStringLiteral("done") : status.error().message);
    m_stallTimer.stop();
    m_rateTimer.stop();
    m_checkTimer.stop();
    dropReply();
    removeTemporaries();
    if (onFinished)
        onFinished(std::move(status));
}

void Installer::Job::dropReply()
{
    if (!m_reply)
        return;
    QNetworkReply* reply = std::exchange(m_reply, nullptr);
    disconnect(reply, nullptr, this, nullptr);
    if (reply->isRunning())
        reply->abort();
    reply->deleteLater();
}

void Installer::Job::removeTemporaries()
{
    if (m_file.isOpen())
        m_file.close();
    // After a successful swap the new copy is no longer at m_partPath.
    if (!m_partPath.isEmpty())
        QFile::remove(m_partPath);
    if (!m_workDir.isEmpty())
        QDir(m_workDir).removeRecursively();
}

} // namespace reelcatch
