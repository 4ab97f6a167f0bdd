#pragma once

// The installer's own parts: what it knows of one tool, and the job that
// fetches, checks and places it.
#include "engine/ChildProcess.h"
#include "engine/Installer.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QObject>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVersionNumber>

#include <atomic>
#include <functional>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;

namespace reelcatch {

struct Installer::Tool {
    // The bare tool name: the file inside the archive and in the support folder.
    QString name;
    QString url;
    QString destination;
    bool zipped = false;
    // The version query that proves a new copy runs, and what its answer begins with.
    QStringList checkArgs;
    QRegularExpression version;
    // The published checksum file; the download's name in it (empty for a
    // file of one sum); the URL of the file's signature (empty for none).
    QString sumsUrl;
    QString sumsName;
    QString signatureUrl;
};

// One tool, from its published checksum to the swap. Every temporary file
// it makes is gone before `onFinished` is called, and again if the job is
// destroyed half-way.
class Installer::Job : public QObject {
public:
    Job(QNetworkAccessManager* network, const Engine& engine, const InstallerConfig& config,
        Tool which, QObject* parent);
    ~Job() override;

    // Called once, with the outcome; a cancelled job reports an error too.
    std::function<void(Status)> onFinished;
    std::function<void(qint64 received, qint64 total)> onProgress;

    void start();
    // Ends the job as soon as whatever it is waiting for can be stopped; a
    // running unpack is awaited, so `onFinished` may come later.
    void cancel();

private:
    enum class Stage { Idle, Downloading, Verifying, Unpacking, Checking, Finished };

    // Fetches `url` into `file`, or into m_small when `file` is empty, then
    // calls `next`. A checksum or signature cut short is a mismatch.
    void download(const QString& url, const QString& file, std::function<void()> next);
    void readBody();
    void downloaded();
    void stalled();
    void checkRate();
    void verifySignature(const QByteArray& signature);
    void downloadTool();
    void unpack(const QString& archive);
    void check();
    // Runs `program` with the version query.
    void ask(const QString& program);
    void checked(const ChildExit& exit);
    // Places the new copy unless the one in place is as new or newer.
    void keepNewer(const QVersionNumber& inPlace);
    void place();
    void fail(const QString& message) { finish(AppError{message}); }
    void mismatch()
    {
        fail(QCoreApplication::translate("reelcatch::Installer",
                                         "The downloaded %1 doesn't match its published checksum.")
                 .arg(m_tool.name));
    }
    void tooLarge()
    {
        fail(QCoreApplication::translate("reelcatch::Installer",
                                         "The downloaded %1 is larger than expected.")
                 .arg(m_tool.name));
    }
    // The server answered `status` instead of the file.
    void refused(int status);
    void finish(Status status);
    void dropReply();
    void removeTemporaries();
    int httpStatus() const;
    // The body's length as the server announced it; -1 when it did not.
    qint64 announcedLength() const;

    QNetworkAccessManager* m_network;
    const Engine& m_engine;
    const InstallerConfig m_config;
    const Tool m_tool;
    Stage m_stage = Stage::Idle;
    bool m_cancelled = false;

    // The new copy, beside the old one so the final rename swaps in one step.
    QString m_partPath;
    // The work folder: checksums, signature, keyring and any archive.
    QString m_workDir;

    QNetworkReply* m_reply = nullptr;
    QString m_url;
    std::function<void()> m_next;
    QFile m_file;
    QByteArray m_small;
    QCryptographicHash m_hash{QCryptographicHash::Sha256};
    QByteArray m_expectedSum;
    qint64 m_windowBytes = 0;
    // Of an error page's body, which is read and dropped.
    qint64 m_errorBytes = 0;
    QTimer m_stallTimer;
    QTimer m_rateTimer;
    std::shared_ptr<std::atomic_bool> m_unpackCancelled;
    Child* m_process = nullptr;
    QByteArray m_checkOutput;
    QTimer m_checkTimer;
    // The new copy's version, once it answered; whether the copy in place
    // is being asked for its own.
    QVersionNumber m_newVersion;
    bool m_askedInPlace = false;
};

} // namespace reelcatch
