#pragma once

#include "model/Network.h"
#include "model/Preset.h"

#include <QByteArray>
#include <QLocale>
#include <QObject>
#include <QSettings>
#include <QString>
#include <QVariant>

#include <algorithm>
#include <memory>
#include <optional>
#include <type_traits>

namespace reelcatch {

class Prefs;

// One setting: its name in the settings file, what it reads as while nothing
// usable of its type is stored, and the rule every read goes through (none:
// the value as read). The key object is the setting's identity: listeners
// subscribe to it, and its name is never compared as text.
template <typename T> struct Setting {
    const char* name;
    T fallback;
    T (*rule)(const T& read, const Prefs& prefs) = nullptr;
};

// How a setting's value looks in the store. A read accepts what a value looks
// like both in memory (as it was written) and after a round trip through the
// INI file (always text), so it gives the same answer before and after a
// restart; nothing when the stored value is not of the setting's type.
namespace SettingValue {
std::optional<bool> decode(const QVariant& stored, std::type_identity<bool>);
std::optional<int> decode(const QVariant& stored, std::type_identity<int>);
std::optional<QString> decode(const QVariant& stored, std::type_identity<QString>);
std::optional<Preset> decode(const QVariant& stored, std::type_identity<Preset>);
// Saved binary state only as such.
std::optional<QByteArray> decode(const QVariant& stored, std::type_identity<QByteArray>);
inline QVariant encode(bool value)
{
    return value;
}
inline QVariant encode(int value)
{
    return value;
}
inline QVariant encode(const QString& value)
{
    return value;
}
inline QVariant encode(Preset value)
{
    return value.rawValue();
}
inline QVariant encode(const QByteArray& value)
{
    return value;
}
} // namespace SettingValue

// The application's persistent settings: a per-user INI store. Defaults live
// in the keys (PrefKey below) and are never written to the file. Values are
// read at the moment of use, so no caching happens here.
class Prefs : public QObject {
    Q_OBJECT
public:
    // The user's own store (~/.config/Reelcatch/Reelcatch.conf).
    static std::unique_ptr<Prefs> forUser(QObject* parent = nullptr);

    // A store in the given INI file. defaultFolder is the folder used while
    // none is stored; empty means the user's Downloads directory.
    explicit Prefs(const QString& settingsFile, const QString& defaultFolder = {},
                   QObject* parent = nullptr);
    ~Prefs() override;

    // The setting as stored, else its fallback, with its rule applied.
    template <typename T> T value(const Setting<T>& key) const
    {
        T read = valueAsStored(key);
        return key.rule ? key.rule(read, *this) : read;
    }
    // The same without the rule (a form shows what is stored as it is).
    template <typename T> T valueAsStored(const Setting<T>& key) const
    {
        if (const std::optional<QVariant> stored = raw(key.name))
            return SettingValue::decode(*stored, std::type_identity<T>()).value_or(key.fallback);
        return key.fallback;
    }
    // Stores the value (as given: rules apply when it is read) and tells the
    // key's listeners.
    template <typename T> void setValue(const Setting<T>& key, const std::type_identity_t<T>& value)
    {
        write(key.name, SettingValue::encode(value));
    }
    template <typename T> void remove(const Setting<T>& key) { write(key.name, QVariant()); }

    // Calls `slot` (a member function of `receiver`, or any callable) after
    // each write of `key`, and of no other key, while `receiver` lives.
    template <typename T, typename Receiver, typename Slot>
    QMetaObject::Connection onChange(const Setting<T>& key, Receiver* receiver, Slot slot)
    {
        return connect(this, &Prefs::changed, receiver,
                       [name = key.name, receiver, slot](const char* written) {
                           if (written != name)
                               return;
                           if constexpr (std::is_member_function_pointer_v<Slot>) {
                               (receiver->*slot)();
                           } else {
                               (void)receiver; // the connection's context only
                               slot();
                           }
                       });
    }

    // The folder downloads go to while none is stored: the one given, else
    // the user's Downloads directory, else the home directory.
    QString defaultFolder() const;

    QString fileName() const;
    void sync();

signals:
    // A key has been written through this object; `key` is its key's name
    // pointer (see onChange(), which compares it by identity).
    void changed(const char* key);

private:
    Prefs(std::unique_ptr<QSettings> settings, const QString& defaultFolder, QObject* parent);
    std::optional<QVariant> raw(const char* name) const;
    // Stores the value, or removes the key for an invalid one, and announces it.
    void write(const char* name, const QVariant& value);

    std::unique_ptr<QSettings> m_settings;
    QString m_defaultFolder;
};

// Every setting the application stores. Adding one is a line here and its use.
namespace PrefKey {
inline constexpr int maxStartGap = 60;
inline constexpr int maxRateLimit = 1000;

inline constexpr Setting<Preset> preset{"preset", Preset::p1080};
inline constexpr Setting<bool> h264{"h264", true};
inline constexpr Setting<bool> embedMeta{"embedMeta", true};
inline constexpr Setting<bool> embedThumb{"embedThumb", true};
inline constexpr Setting<bool> subs{"subs", false};
// Subtitle languages as yt-dlp reads them ("en.*,de.*"); while none are
// stored, the system's language (English for none).
inline const Setting<QString> subLangs{
    "subLangs", QString(), [](const QString& langs, const Prefs&) {
        if (!langs.isEmpty())
            return langs;
        const QLocale::Language system = QLocale::system().language();
        QString code = system == QLocale::C || system == QLocale::AnyLanguage
                           ? QString()
                           : QLocale::languageToCode(system, QLocale::ISO639Part1);
        return (code.isEmpty() ? QStringLiteral("en") : code) + QStringLiteral(".*");
    }};
// YouTube's automatic captions besides the subtitles people wrote.
inline constexpr Setting<bool> autoSubs{"autoSubs", false};
// The subtitles as SRT files next to the video (also without "subs").
inline constexpr Setting<bool> subFiles{"subFiles", false};
// The audio track's language as a code ("de"); empty: the video's original.
inline const Setting<QString> audioLang{"audioLang", QString()};
// SponsorBlock's segments: "off", "mark" (as chapters) or "remove"; while
// none of those is stored, "remove" when the older toggle below is on.
inline constexpr Setting<bool> sponsor{"sponsor", false};
inline const Setting<QString> sponsorMode{
    "sponsorMode", QString(), [](const QString& mode, const Prefs& prefs) {
        if (mode == u"off" || mode == u"mark" || mode == u"remove")
            return mode;
        return prefs.value(sponsor) ? QStringLiteral("remove") : QStringLiteral("off");
    }};
// Which segments, by SponsorBlock's names, comma-separated.
inline const Setting<QString> sponsorCats{"sponsorCats",
                                          QStringLiteral("sponsor,selfpromo,interaction")};
// At least one download at a time.
inline constexpr Setting<int> parallel{"parallel", 2,
                                       [](const int& n, const Prefs&) { return std::max(n, 1); }};
// The seconds between the starts of downloads once a batch is under way
// (0: no pause).
inline constexpr Setting<int> startGap{
    "startGap", 12, [](const int& s, const Prefs&) { return std::clamp(s, 0, maxStartGap); }};
inline constexpr Setting<bool> autoPaste{"autoPaste", true};
// The download folder; an empty path names no folder, so the default applies.
// Not checked.
inline const Setting<QString> folder{"folder", QString(),
                                     [](const QString& path, const Prefs& prefs) {
                                         return path.isEmpty() ? prefs.defaultFolder() : path;
                                     }};
// Where yt-dlp takes sign-in cookies from: "" (nowhere), a browser
// ("firefox", "chromium", "chrome", "brave", "edge", "opera", "vivaldi") or
// "file"; the browser's profile folder (empty for its own default); the file.
// As given, not checked.
inline const Setting<QString> cookiesFrom{"cookiesFrom", QString()};
inline const Setting<QString> cookiesProfile{"cookiesProfile", QString()};
inline const Setting<QString> cookiesFile{"cookiesFile", QString()};
// How files are named: FileNaming's style by its stored name (none: "Title
// [id]"), the user's own template for "custom", and whether playlist and
// channel downloads go to a numbered folder of their own.
inline const Setting<QString> nameStyle{"nameStyle", QString()};
inline const Setting<QString> nameCustom{"nameCustom", QString()};
inline constexpr Setting<bool> playlistFolders{"playlistFolders", false};
// The proxy every yt-dlp run goes through (empty: none); one that is not a
// proxy address reads as none.
inline const Setting<QString> proxy{"proxy", QString(), [](const QString& address, const Prefs&) {
                                        return Network::proxyProblem(address) ? QString()
                                                                              : address.trimmed();
                                    }};
// The most each download may fetch, in MB/s (0: no limit).
inline constexpr Setting<int> rateLimit{
    "rateLimit", 0, [](const int& mb, const Prefs&) { return std::clamp(mb, 0, maxRateLimit); }};
// The main window's size and place and its splitter's sizes, as Qt saves
// them (empty: the window's own layout applies until one is stored).
inline const Setting<QByteArray> windowGeometry{"windowGeometry", QByteArray()};
inline const Setting<QByteArray> splitterState{"splitterState", QByteArray()};
} // namespace PrefKey

} // namespace reelcatch
