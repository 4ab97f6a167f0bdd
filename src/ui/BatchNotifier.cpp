#include "ui/BatchNotifier.h"

#include "ui/DesktopActions.h"
#include "ui/UiLog.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDir>
#include <QVariantMap>

namespace reelcatch {

BatchNotifier::BatchNotifier(DesktopActions& actions, QDBusConnection bus, QObject* parent)
    : QObject(parent), m_actions(actions), m_bus(std::move(bus))
{
    if (!m_bus.isConnected())
        return;
    const QString name = QString::fromLatin1(service), object = QString::fromLatin1(path);
    m_bus.connect(name, object, name, QStringLiteral("ActionInvoked"), this,
                  SLOT(actionInvoked(uint, QString)));
    m_bus.connect(name, object, name, QStringLiteral("NotificationClosed"), this,
                  SLOT(closed(uint, uint)));
}

QString BatchNotifier::summary(int finished, int failed)
{
    if (failed == 0)
        return tr("%n download(s) finished", nullptr, finished);
    if (finished == 0)
        return tr("%n download(s) failed", nullptr, failed);
    //: Joins "3 downloads finished" and "1 failed".
    return tr("%1, %2").arg(tr("%n download(s) finished", nullptr, finished),
                            tr("%n failed", nullptr, failed));
}

void BatchNotifier::batchEnded(int finished, int failed, const QString& folder)
{
    if (!m_bus.isConnected() || (m_window && m_window->isActiveWindow()))
        return;
    QStringList actions{QStringLiteral("default"), tr("Open Reelcatch")};
    QString body;
    if (finished > 0 && !folder.isEmpty()) {
        actions << QString::fromLatin1(showFolderAction) << tr("Show in Folder");
        // Servers may read the body as markup: a folder's name is only text.
        body = tr("Saved to %1").arg(QDir(folder).dirName().toHtmlEscaped());
    }
    const QVariantMap hints{
        {QStringLiteral("desktop-entry"), QStringLiteral("reelcatch")},
        {QStringLiteral("category"),
         failed > 0 ? QStringLiteral("transfer.error") : QStringLiteral("transfer.complete")}};
    QDBusMessage call =
        QDBusMessage::createMethodCall(QString::fromLatin1(service), QString::fromLatin1(path),
                                       QString::fromLatin1(service), QStringLiteral("Notify"));
    call << QStringLiteral("Reelcatch") << m_last << QStringLiteral("reelcatch")
         << summary(finished, failed) << body << actions << hints << qint32(-1);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, watcher, folder](QDBusPendingCallWatcher*) {
                watcher->deleteLater();
                const QDBusPendingReply<uint> reply = *watcher;
                if (reply.isError()) {
                    qCDebug(lcUi) << "no notification:" << reply.error().message();
                    return;
                }
                m_folders.remove(m_last);
                m_last = reply.value();
                m_folders.insert(m_last, folder);
                emit shown(m_last);
            });
}

void BatchNotifier::actionInvoked(uint id, const QString& action)
{
    const auto folder = m_folders.constFind(id);
    if (folder == m_folders.cend())
        return; // another application's
    if (action == QLatin1String(showFolderAction)) {
        m_actions.openFolder(*folder);
    } else if (action == QLatin1String("default") && m_window) {
        m_window->showNormal();
        m_window->raise();
        m_window->activateWindow();
    }
}

void BatchNotifier::closed(uint id, uint /*reason*/)
{
    m_folders.remove(id);
    if (id == m_last)
        m_last = 0;
}

} // namespace reelcatch
