#include "appmodel/CookieSources.h"

#include "appmodel/AppLog.h"
#include "engine/Engine.h"
#include "model/Prefs.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QtConcurrent>

#include <algorithm>

namespace reelcatch {

namespace {

enum class Kind { native, flatpak, snap };

// Where a browser keeps its profiles. A native folder under `config` is the
// one yt-dlp itself searches (for Firefox ~/.mozilla/firefox), unless
// `explicitProfile` says it needs telling.
struct Location {
    const char* browser;
    Kind kind;
    const char* folder;          // below the home folder, or below `config` when it begins with '@'
    bool explicitProfile = true; // yt-dlp does not look here by itself
};

// clang-format off
constexpr Location locations[] = {
    {"firefox", Kind::native, ".mozilla/firefox", false},
    {"firefox", Kind::native, "@mozilla/firefox"},
    {"firefox", Kind::flatpak, ".var/app/org.mozilla.firefox/.mozilla/firefox"},
    {"firefox", Kind::flatpak, ".var/app/org.mozilla.firefox/config/mozilla/firefox"},
    {"firefox", Kind::snap, "snap/firefox/common/.mozilla/firefox"},
    {"chromium", Kind::native, "@chromium", false},
    {"chromium", Kind::flatpak, ".var/app/org.chromium.Chromium/config/chromium"},
    {"chromium", Kind::snap, "snap/chromium/common/chromium"},
    {"chromium", Kind::snap, "snap/chromium/current/.config/chromium"},
    {"chrome", Kind::native, "@google-chrome", false},
    {"chrome", Kind::flatpak, ".var/app/com.google.Chrome/config/google-chrome"},
    {"brave", Kind::native, "@BraveSoftware/Brave-Browser", false},
    {"brave", Kind::flatpak, ".var/app/com.brave.Browser/config/BraveSoftware/Brave-Browser"},
    {"brave", Kind::snap, "snap/brave/current/.config/BraveSoftware/Brave-Browser"},
    {"edge", Kind::native, "@microsoft-edge", false},
    {"edge", Kind::flatpak, ".var/app/com.microsoft.Edge/config/microsoft-edge"},
    {"opera", Kind::native, "@opera", false},
    {"opera", Kind::flatpak, ".var/app/com.opera.Opera/config/opera"},
    {"opera", Kind::snap, "snap/opera/current/.config/opera"},
    {"vivaldi", Kind::native, "@vivaldi", false},
    {"vivaldi", Kind::flatpak, ".var/app/com.vivaldi.Vivaldi/config/vivaldi"},
    {"vivaldi", Kind::snap, "snap/vivaldi/current/.config/vivaldi"},
};
// clang-format on

const char* const browserNames[][2] = {
    {"firefox", "Firefox"}, {"chromium", "Chromium"}, {"chrome", "Chrome"}, {"brave", "Brave"},
    {"edge", "Edge"},       {"opera", "Opera"},       {"vivaldi", "Vivaldi"},
};

QStringList subfolders(const QString& root)
{
    QStringList found;
    for (const QString& name : QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        found << root + QLatin1Char('/') + name;
    return found;
}

// A Chromium-like browser keeps "Cookies" in each profile ("Default",
// "Profile 1"), newer ones in the profile's "Network"; Opera in its own folder.
bool holdsChromiumCookies(const QString& root)
{
    QStringList folders = subfolders(root);
    folders.prepend(root);
    for (const QString& folder : std::as_const(folders)) {
        if (QFileInfo::exists(folder + QStringLiteral("/Cookies")) ||
            QFileInfo::exists(folder + QStringLiteral("/Network/Cookies")))
            return true;
    }
    return false;
}

bool holdsFirefoxCookies(const QString& folder)
{
    return QFileInfo(folder + QStringLiteral("/cookies.sqlite")).isFile();
}

// A folder name with control characters or line breaks in it (a broken or
// hostile profiles.ini, a folder made to mislead) is never offered: it would
// garble the picker and the arguments handed to yt-dlp.
bool plainPath(const QString& path)
{
    return std::none_of(path.cbegin(), path.cend(), [](QChar c) {
        return c.unicode() < 0x20 || c.unicode() == 0x7f || c.category() == QChar::Other_Control ||
               c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph;
    });
}

// The profiles profiles.ini names as default: first those an installation
// uses ("[Install…]" Default=), then the one marked "Default=1".
QStringList defaultFirefoxProfiles(const QString& root)
{
    QFile file(root + QStringLiteral("/profiles.ini"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList installs, marked;
    QString section, path;
    bool relative = true, isDefault = false;
    const auto closeProfile = [&] {
        if (section.startsWith(QLatin1String("Profile")) && isDefault && !path.isEmpty())
            marked << (relative ? root + QLatin1Char('/') + path : path);
        path.clear(), relative = true, isDefault = false;
    };
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            closeProfile();
            section = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        const QString key = line.left(equals).trimmed(), value = line.mid(equals + 1).trimmed();
        if (section.startsWith(QLatin1String("Install")) && key == QLatin1String("Default"))
            installs << (QDir::isAbsolutePath(value) ? value : root + QLatin1Char('/') + value);
        else if (key == QLatin1String("Path"))
            path = value;
        else if (key == QLatin1String("IsRelative"))
            relative = value != QLatin1String("0");
        else if (key == QLatin1String("Default"))
            isDefault = value == QLatin1String("1");
    }
    closeProfile();
    return installs + marked;
}

// The Firefox profile to read: the default one, else the one whose cookies
// changed last (as yt-dlp picks among profiles itself).
QString firefoxProfile(const QString& root)
{
    for (const QString& profile : defaultFirefoxProfiles(root)) {
        if (plainPath(profile) && holdsFirefoxCookies(profile))
            return QDir::cleanPath(profile);
    }
    QString newest;
    QDateTime newestTime;
    for (const QString& profile : subfolders(root)) {
        const QFileInfo cookies(profile + QStringLiteral("/cookies.sqlite"));
        if (plainPath(profile) && cookies.isFile() &&
            (newest.isEmpty() || cookies.lastModified() > newestTime))
            newest = profile, newestTime = cookies.lastModified();
    }
    return newest;
}

// yt-dlp splits "NAME:PROFILE::CONTAINER" at "::" and expands "$VAR" and "~"
// in a profile; a folder it would read otherwise can't be handed over.
bool passable(const QString& folder)
{
    return !folder.contains(QLatin1String("::")) && !folder.contains(QLatin1Char('$')) &&
           plainPath(folder);
}

} // namespace

struct CookieSources::Look {
    QList<CookieSource> found;
    bool fileThere = false;
};

QString CookieSource::argument() const
{
    return profile.isEmpty() ? browser : browser + QLatin1Char(':') + profile;
}

QString CookieSources::displayName(const QString& browser)
{
    for (const auto& names : browserNames) {
        if (browser == QLatin1String(names[0]))
            return QCoreApplication::translate("reelcatch", names[1]);
    }
    return {};
}

QList<CookieSource> findCookieSources(const QString& home, const QString& configHome)
{
    QList<CookieSource> found;
    const auto taken = [&found](const QString& browser, const QString& label) {
        return std::any_of(found.cbegin(), found.cend(), [&](const CookieSource& source) {
            return source.browser == browser && source.label == label;
        });
    };
    for (const Location& location : locations) {
        const QString browser = QLatin1String(location.browser);
        QString label = CookieSources::displayName(browser);
        if (location.kind != Kind::native)
            label = QCoreApplication::translate("reelcatch",
                                                location.kind == Kind::flatpak
                                                    ? QT_TRANSLATE_NOOP("reelcatch", "%1 (Flatpak)")
                                                    : QT_TRANSLATE_NOOP("reelcatch", "%1 (Snap)"))
                        .arg(label);
        if (taken(browser, label))
            continue; // one entry for each kind of installation
        const QString folder = QString::fromUtf8(location.folder);
        const QString root = QDir::cleanPath(
            folder.startsWith(QLatin1Char('@')) ? configHome + QLatin1Char('/') + folder.mid(1)
                                                : home + QLatin1Char('/') + folder);
        CookieSource source{browser, label, root, {}};
        if (browser == QLatin1String("firefox")) {
            const QString profile = firefoxProfile(root);
            if (profile.isEmpty())
                continue;
            if (location.explicitProfile)
                source.profile = profile;
        } else {
            if (!holdsChromiumCookies(root))
                continue;
            // yt-dlp searches the folder given for the profile used last.
            if (location.explicitProfile)
                source.profile = root;
        }
        if (passable(source.profile))
            found << source;
    }
    return found;
}

CookieSources::CookieSources(const Engine& engine, Prefs& prefs, QObject* parent)
    : QObject(parent), m_engine(engine), m_prefs(prefs)
{
    m_prefs.onChange(PrefKey::cookiesFile, this, &CookieSources::refresh);
    m_prefs.onChange(PrefKey::cookiesFrom, this, &CookieSources::refresh);
}

CookieSources::~CookieSources() = default;

void CookieSources::refresh()
{
    // Where the children look: the home and settings folder they are given.
    const QProcessEnvironment environment = m_engine.environment();
    const QString home = environment.value(QStringLiteral("HOME"), QDir::homePath());
    QString config = environment.value(QStringLiteral("XDG_CONFIG_HOME"));
    if (!QDir::isAbsolutePath(config))
        config = home + QStringLiteral("/.config");
    const QString file = m_prefs.value(PrefKey::cookiesFile);
    const quint64 generation = ++m_generation;
    auto* look = new QFutureWatcher<Look>(this);
    connect(look, &QFutureWatcherBase::finished, this, [this, look, generation, file] {
        look->deleteLater();
        if (generation != m_generation)
            return; // a newer look is under way
        m_found = look->result().found;
        m_lookedFile = file;
        m_fileThere = look->result().fileThere;
        m_known = true;
        qCInfo(lcAppModel) << "cookie sources" << m_found.size();
        emit changed();
    });
    look->setFuture(QtConcurrent::run([home, config, file] {
        return Look{findCookieSources(home, config), QFileInfo(file).isFile()};
    }));
}

CookieSources::Choice CookieSources::choice() const
{
    Choice choice;
    const QString from = m_prefs.value(PrefKey::cookiesFrom);
    if (from == QLatin1String("file")) {
        const QString file = m_prefs.value(PrefKey::cookiesFile);
        if (file.isEmpty())
            return choice;
        // A file chosen since the last look is taken as it is.
        if (!m_known || file != m_lookedFile || m_fileThere)
            choice.cookies.file = file;
        else
            choice.lostNote = tr("The cookies file \u201c%1\u201d is gone; cookies are off.")
                                  .arg(QFileInfo(file).fileName());
        return choice;
    }
    const QString name = displayName(from);
    if (name.isEmpty())
        return choice;
    const QString profile = m_prefs.value(PrefKey::cookiesProfile);
    if (!m_known) {
        choice.cookies.fromBrowser = CookieSource{from, name, {}, profile}.argument();
        return choice;
    }
    // The same installation, even if its default profile has changed since.
    for (qsizetype i = 0; i < m_found.size(); ++i) {
        const CookieSource& source = m_found.at(i);
        const bool same = profile.isEmpty()
                              ? source.profile.isEmpty()
                              : !source.profile.isEmpty() &&
                                    (profile == source.root ||
                                     profile.startsWith(source.root + QLatin1Char('/')));
        if (source.browser == from && same) {
            choice.cookies.fromBrowser = source.argument();
            choice.source = int(i);
            return choice;
        }
    }
    choice.lostNote = tr("%1 is no longer installed; cookies are off.").arg(name);
    return choice;
}

} // namespace reelcatch
