#include "engine/ToolTrust.h"

#include "engine/Log.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QRegularExpression>

namespace reelcatch::ToolTrust {

QByteArray dearmor(const QByteArray& armoured)
{
    enum { before, headers, body } where = before;
    QByteArray base64;
    for (const QByteArray& raw : armoured.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith("-----"))
            where = where == before ? headers : before;
        else if (where == headers && line.isEmpty())
            where = body;
        else if (where == body && line.startsWith('='))
            where = before; // the checksum line ends the body
        else if (where == body)
            base64 += line;
    }
    const auto decoded =
        QByteArray::fromBase64Encoding(base64, QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? *decoded : QByteArray();
}

QByteArray publishedSum(const QByteArray& sums, const QString& name)
{
    static const QRegularExpression hex(QStringLiteral("^[0-9a-fA-F]{64}$"));
    for (const QByteArray& line : sums.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (!hex.match(QString::fromLatin1(fields[0])).hasMatch())
            continue;
        QByteArray file = fields.value(1);
        if (file.startsWith('*'))
            file.remove(0, 1);
        if (name.isEmpty() || file == name.toUtf8())
            return fields[0].toLower();
    }
    return {};
}

QVersionNumber versionIn(const QString& answer)
{
    static const QRegularExpression numbers(QStringLiteral("\\d+(\\.\\d+)*"));
    return QVersionNumber::fromString(numbers.match(answer).captured());
}

void sweepTemporaries(const QString& supportDir)
{
    static const QRegularExpression ours(
        QStringLiteral("^\\.(yt-dlp|deno|ffmpeg|ffprobe)-[0-9a-f]{8}(-[0-9a-f]{4}){3}-[0-9a-f]{12}"
                       "\\.(new|work)$"));
    const QDateTime cutoff = QDateTime::currentDateTimeUtc().addSecs(-3600);
    QDirIterator it(supportDir,
                    QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (!ours.match(info.fileName()).hasMatch() || info.lastModified() >= cutoff)
            continue;
        // A work folder only as a real folder: never through a link.
        const bool work = info.fileName().endsWith(QLatin1String(".work"));
        if (work != (info.isDir() && !info.isSymLink()))
            continue;
        if (work ? QDir(info.filePath()).removeRecursively() : QFile::remove(info.filePath()))
            qCInfo(lcEngine) << "removed the leftover" << info.filePath();
    }
}

} // namespace reelcatch::ToolTrust
