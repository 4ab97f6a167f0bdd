#pragma once

#include "engine/YtdlpArgs.h"

#include <QList>
#include <QObject>
#include <QString>

namespace reelcatch {

class Engine;
class Prefs;

// One installation of a browser whose cookies yt-dlp can read.
struct CookieSource {
    QString browser; // yt-dlp's name for it: "firefox", "chrome", …
    QString label;   // as the picker shows it: "Firefox", "Firefox (Flatpak)"
    QString root;    // the folder holding its profiles
    // The profile folder handed to yt-dlp; empty where yt-dlp looks itself.
    QString profile;

    // The value of "--cookies-from-browser".
    QString argument() const;
    bool operator==(const CookieSource&) const = default;
};

// The browsers installed for the user of `home` (whose settings folder is
// `configHome`): in their own folders, as Flatpak and as Snap, in the order
// Firefox, Chromium, Chrome, Brave, Edge, Opera, Vivaldi. Reads the disk.
QList<CookieSource> findCookieSources(const QString& home, const QString& configHome);

// The browsers found for the user yt-dlp runs as, and what the stored cookie
// choice amounts to. Lives on the GUI thread; the disk is read on the thread
// pool.
class CookieSources : public QObject {
    Q_OBJECT
public:
    CookieSources(const Engine& engine, Prefs& prefs, QObject* parent = nullptr);
    ~CookieSources() override;

    // Looks again (the stored cookies file too); changed() follows.
    void refresh();
    // Whether a look has ended; until then nothing is found and the stored
    // choice is taken as it is.
    bool isKnown() const { return m_known; }
    const QList<CookieSource>& found() const { return m_found; }

    struct Choice {
        YtdlpArgs::Cookies cookies;
        int source = -1;    // the index in found(), if a browser is in use
        QString lostNote;   // why a stored choice is no longer in use
    };
    Choice choice() const;

    // "Firefox" for "firefox"; empty for a name yt-dlp does not know.
    static QString displayName(const QString& browser);

signals:
    void changed();

private:
    struct Look;

    const Engine& m_engine;
    Prefs& m_prefs;
    QList<CookieSource> m_found;
    QString m_lookedFile; // the cookies file the last look checked
    bool m_fileThere = false;
    bool m_known = false;
    quint64 m_generation = 0;
};

} // namespace reelcatch
