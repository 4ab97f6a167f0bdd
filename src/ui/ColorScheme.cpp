#include "ui/ColorScheme.h"

#include "ui/Appearance.h"
#include "ui/UiLog.h"

#include <QApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace reelcatch {

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString appearanceGroup = QStringLiteral("org.freedesktop.appearance");
const QString schemeKey = QStringLiteral("color-scheme");

// The setting's value: a uint, inside one variant (ReadOne, SettingChanged)
// or two (Read). Anything else counts as no preference.
ColorScheme::Preference preferenceOf(QVariant value)
{
    while (value.metaType() == QMetaType::fromType<QDBusVariant>())
        value = qvariant_cast<QDBusVariant>(value).variant();
    if (value.metaType() != QMetaType::fromType<uint>())
        return ColorScheme::Preference::None;
    switch (value.toUInt()) {
    case 1:
        return ColorScheme::Preference::Dark;
    case 2:
        return ColorScheme::Preference::Light;
    default:
        return ColorScheme::Preference::None;
    }
}

} // namespace

ColorScheme::ColorScheme(const QDBusConnection& bus, QObject* parent)
    : QObject(parent), m_bus(bus), m_platform(QApplication::palette())
{
    Appearance::applyPalette(m_platform);
    if (!m_bus.isConnected()) {
        qCDebug(lcUi) << "no session bus: the platform palette stays";
        settle();
        return;
    }
    // Any sender: a match on the portal's well-known name is only routed once
    // the bus has told the connection who owns it, and a change sent before
    // that would be lost.
    m_bus.connect(QString(), portalPath, settingsInterface, QStringLiteral("SettingChanged"),
                  this, SLOT(onSettingChanged(QDBusMessage)));
    ask(QStringLiteral("ReadOne"));
}

void ColorScheme::ask(const QString& method)
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(portalService, portalPath, settingsInterface, method);
    call << appearanceGroup << schemeKey;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, method](QDBusPendingCallWatcher* finished) { answered(finished, method); });
}

void ColorScheme::answered(QDBusPendingCallWatcher* call, const QString& method)
{
    call->deleteLater();
    const QDBusPendingReply<QDBusVariant> reply = *call;
    if (reply.isError()) {
        // Portals before version 2 only have Read.
        if (method == QLatin1StringView("ReadOne") &&
            reply.error().type() == QDBusError::UnknownMethod) {
            ask(QStringLiteral("Read"));
            return;
        }
        qCDebug(lcUi) << "no colour scheme from the desktop portal:" << reply.error().message();
    } else if (!m_heardChange) {
        // A change heard meanwhile is newer than this answer.
        apply(preferenceOf(QVariant::fromValue(reply.value())));
    }
    settle();
}

void ColorScheme::onSettingChanged(const QDBusMessage& message)
{
    // Taken as a whole message: a slot with a QDBusVariant parameter is never
    // called when connected before that type is first used in the process.
    const QList<QVariant> args = message.arguments();
    if (args.size() != 3 || args[0].toString() != appearanceGroup ||
        args[1].toString() != schemeKey)
        return;
    m_heardChange = true;
    apply(preferenceOf(args[2]));
}

void ColorScheme::apply(Preference preference)
{
    m_preference = preference;
    const bool platformDark = Appearance::isDark(m_platform);
    QPalette wanted = m_platform;
    if (preference == Preference::Dark && !platformDark)
        wanted = Appearance::darkPalette();
    else if (preference == Preference::Light && platformDark)
        wanted = Appearance::lightPalette();
    // Setting the palette sends every widget ApplicationPaletteChange and
    // PaletteChange, which is what repaints and recolours them.
    Appearance::applyPalette(wanted);
    emit preferenceChanged(preference);
}

void ColorScheme::settle()
{
    if (m_settled)
        return;
    m_settled = true;
    emit settled();
}

} // namespace reelcatch
