#include "model/Prefs.h"

#include <QDir>
#include <QStandardPaths>

#include <algorithm>
#include <limits>

namespace reelcatch {

namespace {

// The conversions below accept what a value looks like both in memory (as it
// was written) and after a round trip through the INI file (always text), so
// a read gives the same answer before and after a restart.

std::optional<QString> asString(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::QByteArray:
        return QString::fromUtf8(value.toByteArray());
    case QMetaType::QStringList:
        // An unquoted "a, b" in a hand-edited file comes back as a list.
        return value.toStringList().join(QLatin1Char(','));
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return value.toString();
    default:
        return std::nullopt;
    }
}

std::optional<bool> asBool(const QVariant& value)
{
    if (value.metaType().id() == QMetaType::Bool)
        return value.toBool();
    if (value.metaType().id() != QMetaType::QString &&
        value.metaType().id() != QMetaType::QByteArray)
        return std::nullopt;
    const QString text = value.toString().trimmed();
    if (text.compare(QLatin1StringView("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1StringView("false"), Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

std::optional<int> asInt(const QVariant& value)
{
    constexpr qint64 lowest = std::numeric_limits<int>::min();
    constexpr qint64 highest = std::numeric_limits<int>::max();
    switch (value.metaType().id()) {
    case QMetaType::Int:
        return value.toInt();
    case QMetaType::UInt:
    case QMetaType::ULongLong: {
        const qulonglong n = value.toULongLong();
        if (n > qulonglong(highest))
            return std::nullopt;
        return int(n);
    }
    case QMetaType::LongLong: {
        const qlonglong n = value.toLongLong();
        if (n < lowest || n > highest)
            return std::nullopt;
        return int(n);
    }
    case QMetaType::Double: {
        // A whole number written as a double reads back from the file as "2".
        const double d = value.toDouble();
        if (!(d >= double(lowest) && d <= double(highest)) || d != double(qint64(d)))
            return std::nullopt;
        return int(d);
    }
    case QMetaType::QString:
    case QMetaType::QByteArray: {
        bool ok = false;
        const int n = value.toString().trimmed().toInt(&ok, 10);
        if (!ok)
            return std::nullopt;
        return n;
    }
    default:
        return std::nullopt;
    }
}

} // namespace

std::unique_ptr<Prefs> Prefs::forUser(QObject* parent)
{
    // On Linux Qt's native format is the INI format under the ".conf" name
    // (~/.config/Reelcatch/Reelcatch.conf).
    auto settings =
        std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                    QStringLiteral("Reelcatch"), QStringLiteral("Reelcatch"));
    return std::unique_ptr<Prefs>(new Prefs(std::move(settings), QString(), parent));
}

Prefs::Prefs(const QString& settingsFile, const QString& defaultFolder, QObject* parent)
    : Prefs(std::make_unique<QSettings>(settingsFile, QSettings::IniFormat), defaultFolder, parent)
{}

Prefs::Prefs(std::unique_ptr<QSettings> settings, const QString& defaultFolder, QObject* parent)
    : QObject(parent), m_settings(std::move(settings)), m_defaultFolder(defaultFolder)
{}

Prefs::~Prefs() = default;

std::optional<QVariant> Prefs::raw(const char* name) const
{
    const QString key = QString::fromLatin1(name);
    if (!m_settings->contains(key))
        return std::nullopt;
    QVariant value = m_settings->value(key);
    if (!value.isValid())
        return std::nullopt;
    return value;
}

void Prefs::write(const char* name, const QVariant& value)
{
    const QString key = QString::fromLatin1(name);
    if (value.isValid())
        m_settings->setValue(key, value);
    else
        m_settings->remove(key);
    emit changed(name);
}

QString Prefs::defaultFolder() const
{
    if (!m_defaultFolder.isEmpty())
        return m_defaultFolder;
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    return downloads.isEmpty() ? QDir::homePath() : downloads;
}

QString Prefs::fileName() const
{
    return m_settings->fileName();
}

void Prefs::sync()
{
    m_settings->sync();
}

namespace SettingValue {

std::optional<bool> decode(const QVariant& stored, std::type_identity<bool>)
{
    return asBool(stored);
}

std::optional<int> decode(const QVariant& stored, std::type_identity<int>)
{
    return asInt(stored);
}

std::optional<QString> decode(const QVariant& stored, std::type_identity<QString>)
{
    return asString(stored);
}

std::optional<Preset> decode(const QVariant& stored, std::type_identity<Preset>)
{
    if (const std::optional<QString> raw = asString(stored))
        return Preset::fromRawValue(*raw);
    return std::nullopt;
}

std::optional<QByteArray> decode(const QVariant& stored, std::type_identity<QByteArray>)
{
    if (stored.metaType().id() == QMetaType::QByteArray)
        return stored.toByteArray();
    return std::nullopt;
}

} // namespace SettingValue

} // namespace reelcatch
