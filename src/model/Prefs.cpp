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

template <typename T, typename Convert>
std::optional<T> firstConvertible(const std::optional<QVariant>& stored, const QVariant& registered,
                                  Convert convert)
{
    if (stored) {
        if (auto value = convert(*stored))
            return value;
    }
    if (registered.isValid())
        return convert(registered);
    return std::nullopt;
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

const QVariantMap& Prefs::defaults()
{
    static const QVariantMap table{
        {PrefKey::preset, Preset(Preset::p1080).rawValue()},
        {PrefKey::h264, true},
        {PrefKey::embedMeta, true},
        {PrefKey::embedThumb, true},
        {PrefKey::subs, false},
        {PrefKey::subLangs, QStringLiteral("en.*,de.*")},
        {PrefKey::sponsor, false},
        {PrefKey::parallel, 2},
        {PrefKey::startGap, 12},
        {PrefKey::autoPaste, true},
        {PrefKey::cookiesFrom, QString()},
        {PrefKey::cookiesProfile, QString()},
        {PrefKey::cookiesFile, QString()},
    };
    return table;
}

void Prefs::registerDefaults()
{
    m_registered = defaults();
}

std::optional<QVariant> Prefs::raw(const QString& key) const
{
    if (!m_settings->contains(key))
        return std::nullopt;
    QVariant value = m_settings->value(key);
    if (!value.isValid())
        return std::nullopt;
    return value;
}

std::optional<QString> Prefs::string(const QString& key) const
{
    return firstConvertible<QString>(raw(key), m_registered.value(key), asString);
}

std::optional<bool> Prefs::boolean(const QString& key) const
{
    return firstConvertible<bool>(raw(key), m_registered.value(key), asBool);
}

std::optional<int> Prefs::integer(const QString& key) const
{
    return firstConvertible<int>(raw(key), m_registered.value(key), asInt);
}

QByteArray Prefs::bytes(const QString& key) const
{
    const std::optional<QVariant> stored = raw(key);
    return stored && stored->metaType().id() == QMetaType::QByteArray ? stored->toByteArray()
                                                                      : QByteArray();
}

void Prefs::setValue(const QString& key, const QVariant& value)
{
    if (!value.isValid()) {
        remove(key);
        return;
    }
    m_settings->setValue(key, value);
    emit valueChanged(key);
    if (key == PrefKey::folder)
        emit folderChanged();
}

void Prefs::remove(const QString& key)
{
    m_settings->remove(key);
    emit valueChanged(key);
    if (key == PrefKey::folder)
        emit folderChanged();
}

// The readers below fall back to the registered values even when nothing has
// been registered yet, so an early read agrees with a later one.

Preset Prefs::preset() const
{
    if (const auto raw = string(PrefKey::preset)) {
        if (const auto preset = Preset::fromRawValue(*raw))
            return *preset;
    }
    return Preset::p1080;
}

bool Prefs::flag(const QString& key) const
{
    return boolean(key).value_or(defaults().value(key).toBool());
}

QString Prefs::subLangs() const
{
    return string(PrefKey::subLangs).value_or(defaults().value(PrefKey::subLangs).toString());
}

QString Prefs::text(const QString& key) const
{
    return string(key).value_or(defaults().value(key).toString());
}

int Prefs::parallelAsStored() const
{
    return integer(PrefKey::parallel).value_or(defaults().value(PrefKey::parallel).toInt());
}

int Prefs::parallel() const
{
    return std::max(parallelAsStored(), 1);
}

int Prefs::startGap() const
{
    return std::clamp(
        integer(PrefKey::startGap).value_or(defaults().value(PrefKey::startGap).toInt()), 0,
        maxStartGap);
}

QString Prefs::folder() const
{
    // An empty stored path names no folder at all; use the default instead.
    if (const auto stored = string(PrefKey::folder); stored && !stored->isEmpty())
        return *stored;
    if (!m_defaultFolder.isEmpty())
        return m_defaultFolder;
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    return downloads.isEmpty() ? QDir::homePath() : downloads;
}

void Prefs::setFolder(const QString& path)
{
    setValue(PrefKey::folder, path);
}

void Prefs::chooseFolder(FolderChooser& chooser)
{
    const auto chosen = chooser.chooseDirectory(folder(), tr("Use Folder"));
    if (!chosen || chosen->isEmpty())
        return;
    setFolder(*chosen);
}

QString Prefs::fileName() const
{
    return m_settings->fileName();
}

void Prefs::sync()
{
    m_settings->sync();
}

} // namespace reelcatch
