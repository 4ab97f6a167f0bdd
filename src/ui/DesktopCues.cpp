#include "ui/DesktopCues.h"

#include "ui/Canberra.h"

#include <QApplication>
#include <QDBusMessage>
#include <QPainter>
#include <QSystemTrayIcon>
#include <QVariantMap>

namespace reelcatch {

DesktopCues::DesktopCues(QDBusConnection bus, QObject* parent)
    : QObject(parent), m_bus(std::move(bus))
{
    m_sound.setMaxThreadCount(1);
}

DesktopCues::~DesktopCues()
{
    m_sound.waitForDone();
#ifdef REELCATCH_HAVE_CANBERRA
    if (m_context)
        Canberra::get()->destroy(static_cast<ca_context*>(m_context));
#endif
}

void DesktopCues::setBus(const QDBusConnection& bus)
{
    m_bus = bus;
    setCount(m_count);
}

void DesktopCues::setCount(int count)
{
    m_count = qMax(0, count);
    if (m_bus.isConnected()) {
        QDBusMessage update = QDBusMessage::createSignal(
            QString::fromLatin1(entryPath), QStringLiteral("com.canonical.Unity.LauncherEntry"),
            QStringLiteral("Update"));
        update << QString::fromLatin1(appUri)
               << QVariantMap{{QStringLiteral("count"), qint64(m_count)},
                              {QStringLiteral("count-visible"), m_count > 0}};
        m_bus.send(update);
    }
    showOnTray();
}

void DesktopCues::setAttentionWindow(QWidget* window)
{
    m_window = window;
}

void DesktopCues::setTrayIcon(QSystemTrayIcon* tray, const QIcon& base)
{
    m_tray = tray;
    m_trayBase = base;
    showOnTray();
}

void DesktopCues::showOnTray()
{
    if (!m_tray)
        return;
    m_tray->setIcon(badged(m_trayBase, m_count));
    m_tray->setToolTip(trayToolTip(m_count));
}

QString DesktopCues::trayToolTip(int count)
{
    if (count <= 0)
        return QStringLiteral("Reelcatch");
    return tr("Reelcatch \u00B7 %n download(s) left", nullptr, count);
}

QIcon DesktopCues::badged(const QIcon& base, int count)
{
    if (count <= 0)
        return base;
    const QString text = count > 99 ? QStringLiteral("99+") : QString::number(count);
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        base.paint(&painter, pixmap.rect());
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal disc = size * 0.62;
        const QRectF bounds(size - disc, 0, disc, disc);
        painter.setPen(QPen(Qt::white, qMax(1.0, size / 24.0)));
        painter.setBrush(QColor(0xe5, 0x22, 0x22));
        painter.drawEllipse(bounds.adjusted(0.5, 0.5, -0.5, -0.5));
        QFont font = painter.font();
        font.setBold(true);
        const qreal scale = text.size() == 1 ? 0.68 : text.size() == 2 ? 0.52 : 0.4;
        font.setPixelSize(qMax(5, int(disc * scale)));
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(bounds, Qt::AlignCenter, text);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void DesktopCues::playSound()
{
#ifdef REELCATCH_HAVE_CANBERRA
    m_sound.start([this] {
        if (m_soundFailed)
            return;
        const Canberra* ca = Canberra::get();
        auto* context = static_cast<ca_context*>(m_context);
        if (!context) {
            if (!ca || ca->create(&context) != CA_SUCCESS) {
                m_soundFailed = true;
                return;
            }
            ca->changeProps(context, CA_PROP_APPLICATION_NAME, "Reelcatch", CA_PROP_APPLICATION_ID,
                            "reelcatch", CA_PROP_APPLICATION_ICON_NAME, "reelcatch", nullptr);
            m_context = context;
        }
        ca->play(context, 0, CA_PROP_EVENT_ID, "complete", CA_PROP_EVENT_DESCRIPTION,
                 "Downloads finished", nullptr);
    });
#endif
}

void DesktopCues::requestAttention()
{
    if (m_window)
        QApplication::alert(m_window, 0);
}

} // namespace reelcatch
