#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QPalette>

class QDBusPendingCallWatcher;
class QDBusMessage;

namespace reelcatch {

// Follows the desktop's light or dark preference, which the desktop portal
// keeps as its org.freedesktop.appearance color-scheme setting.
//
// The setting is read without waiting (the window shows meanwhile) and
// followed as it changes. When the desktop prefers dark and the platform's
// palette is light, or the other way round, the application takes the
// matching palette of Appearance; with no portal, no preference or one the
// platform palette already matches, the platform palette stays.
class ColorScheme : public QObject {
    Q_OBJECT
public:
    enum class Preference { None, Dark, Light };

    explicit ColorScheme(const QDBusConnection& bus, QObject* parent = nullptr);

    Preference preference() const { return m_preference; }
    // True once the first answer (or the lack of one) has been applied.
    bool isSettled() const { return m_settled; }

signals:
    // The first answer, or the lack of one, has been applied.
    void settled();
    // A preference from the portal has been applied.
    void preferenceChanged(ColorScheme::Preference preference);

private slots:
    void onSettingChanged(const QDBusMessage& message);

private:
    void ask(const QString& method);
    void answered(QDBusPendingCallWatcher* call, const QString& method);
    void apply(Preference preference);
    void settle();

    QDBusConnection m_bus;
    QPalette m_platform;
    Preference m_preference = Preference::None;
    bool m_settled = false;
    bool m_heardChange = false;
};

} // namespace reelcatch
