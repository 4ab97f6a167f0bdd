#pragma once

#include "model/Preset.h"

#include <QObject>
#include <QSettings>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <memory>
#include <optional>

namespace reelcatch {

// Shows the platform's folder chooser. The desktop build implements it with a
// directory dialog; tests answer it themselves.
class FolderChooser {
public:
    virtual ~FolderChooser() = default;
    // Returns the chosen directory path, or nothing when the user cancelled.
    virtual std::optional<QString> chooseDirectory(const QString& startIn,
                                                   const QString& acceptLabel) = 0;
    // The same for an existing file.
    virtual std::optional<QString> chooseFile(const QString& startIn,
                                              const QString& acceptLabel) = 0;
};

// The user-defaults keys.
namespace PrefKey {
inline const QString preset = QStringLiteral("preset");
inline const QString h264 = QStringLiteral("h264");
inline const QString embedMeta = QStringLiteral("embedMeta");
inline const QString embedThumb = QStringLiteral("embedThumb");
inline const QString subs = QStringLiteral("subs");
inline const QString subLangs = QStringLiteral("subLangs");
inline const QString sponsor = QStringLiteral("sponsor");
inline const QString parallel = QStringLiteral("parallel");
inline const QString startGap = QStringLiteral("startGap");
inline const QString autoPaste = QStringLiteral("autoPaste");
inline const QString folder = QStringLiteral("folder");
// Where yt-dlp takes sign-in cookies from: "" (nowhere), a browser
// ("firefox", "chromium", "chrome", "brave", "edge", "opera", "vivaldi") or
// "file"; the browser's profile folder (empty for its own default); the file.
inline const QString cookiesFrom = QStringLiteral("cookiesFrom");
inline const QString cookiesProfile = QStringLiteral("cookiesProfile");
inline const QString cookiesFile = QStringLiteral("cookiesFile");
// The main window's size and place and its splitter's sizes, as Qt saves
// them (no default: the window's own layout applies until one is stored).
inline const QString windowGeometry = QStringLiteral("windowGeometry");
inline const QString splitterState = QStringLiteral("splitterState");
} // namespace PrefKey

// The application's persistent settings: a per-user INI store plus defaults
// registered in memory at every start (and never written to the file).
// Values are read at the moment of use, so no caching happens here.
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

    // The registered defaults (every key but `folder` and the window's), typed: the one
    // place a setting's default is written down.
    static const QVariantMap& defaults();
    // Registers the defaults; reads made before this fall back to the same values.
    void registerDefaults();

    // Typed reads. Nothing when neither a stored nor a registered value of
    // that type exists.
    std::optional<QString> string(const QString& key) const;
    std::optional<bool> boolean(const QString& key) const;
    std::optional<int> integer(const QString& key) const;
    // Saved binary state as stored, else empty.
    QByteArray bytes(const QString& key) const;

    void setValue(const QString& key, const QVariant& value);
    void remove(const QString& key);

    // Reads with the readers' rules applied, falling back to defaults().
    // A switch (h264, embedMeta, embedThumb, subs, sponsor, autoPaste).
    bool flag(const QString& key) const;
    Preset preset() const; // stored raw value, else p1080
    bool h264() const { return flag(PrefKey::h264); }
    bool embedMeta() const { return flag(PrefKey::embedMeta); }
    bool embedThumb() const { return flag(PrefKey::embedThumb); }
    bool subs() const { return flag(PrefKey::subs); }
    QString subLangs() const;
    bool sponsor() const { return flag(PrefKey::sponsor); }
    // The stored number of parallel downloads, as stored.
    int parallelAsStored() const;
    // The same, at least 1.
    int parallel() const;
    bool autoPaste() const { return flag(PrefKey::autoPaste); }
    // The cookie keys as stored, else "" (as given, not checked).
    QString cookiesFrom() const { return text(PrefKey::cookiesFrom); }
    QString cookiesProfile() const { return text(PrefKey::cookiesProfile); }
    QString cookiesFile() const { return text(PrefKey::cookiesFile); }
    // The seconds between the starts of downloads once a batch is under
    // way, 0 to 60 (0: no pause).
    int startGap() const;
    static constexpr int maxStartGap = 60;

    // The download folder: the stored path, else the default folder. Not checked.
    QString folder() const;
    void setFolder(const QString& path);
    // Shows the chooser starting in the current folder with the prompt
    // "Use Folder"; stores and announces the chosen folder, if any.
    void chooseFolder(FolderChooser& chooser);

    QString fileName() const;
    void sync();

signals:
    // The download folder has been changed by chooseFolder() or setFolder().
    void folderChanged();
    // Any key has been written through this object.
    void valueChanged(const QString& key);

private:
    Prefs(std::unique_ptr<QSettings> settings, const QString& defaultFolder, QObject* parent);
    std::optional<QVariant> raw(const QString& key) const;
    QString text(const QString& key) const;

    std::unique_ptr<QSettings> m_settings;
    QVariantMap m_registered;
    QString m_defaultFolder;
};

} // namespace reelcatch
