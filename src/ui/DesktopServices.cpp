#include "ui/DesktopServices.h"

#include "ui/UiLog.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QFileInfo>

namespace reelcatch {

namespace {
// A file manager that doesn't answer within this time counts as absent.
constexpr int revealTimeoutMs = 5000;
} // namespace

DesktopServices::DesktopServices(QDBusConnection bus, QObject* parent)
    : QObject(parent), m_bus(std::move(bus))
{}

void DesktopServices::revealFile(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    // A file moved or deleted since: its folder still opens.
    if (!m_bus.isConnected() || !QFileInfo::exists(path)) {
        openFolder(folder);
        emit revealAnswered(false);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    // Every byte but the unreserved ones and "/" escaped, as file managers
    // expect ("[" and "]" included, which yt-dlp puts in every file name).
    const QString uri =
        QStringLiteral("file://") +
        QString::fromLatin1(QUrl::toPercentEncoding(QFileInfo(path).absoluteFilePath(), "/"));
    call << QStringList{uri} << QString();
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, revealTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, folder, watcher] {
        watcher->deleteLater();
        const bool shown = !watcher->isError();
        if (!shown) {
            qCInfo(lcUi) << "the file manager did not answer:" << watcher->error().message();
            openFolder(folder);
        }
        emit revealAnswered(shown);
    });
}

void DesktopServices::openFile(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void DesktopServices::openFolder(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool DesktopServices::isWebAddress(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

void DesktopServices::openUrl(const QUrl& url)
{
    if (isWebAddress(url))
        QDesktopServices::openUrl(url);
}

} // namespace reelcatch
