#pragma once

#include <QObject>
#include <QString>

#include <optional>

namespace reelcatch {

class Clipboard;
class Lookup;
class Prefs;

// Picks up a YouTube link (or several) the user copied in another application: put into
// the input and looked up, once per copy. The application's own copies go
// through copy() and are never taken for one.
class ClipboardWatch : public QObject {
    Q_OBJECT
public:
    // Whatever the clipboard holds now counts as already seen. A missing
    // clipboard (nullptr) is never looked at.
    ClipboardWatch(Clipboard* clipboard, Prefs& prefs, Lookup& lookup, QObject* parent = nullptr);

    // Looks at the clipboard if it changed since the last look.
    void check();
    // What the clipboard holds now counts as seen: called as the
    // application loses the focus, so that what the user copied in its own
    // windows (a link in a text field) is not taken for another's copy.
    void markSeen();
    // Puts text on the clipboard for the user (a row's link, an error):
    // every copy the application makes goes through here.
    void copy(const QString& text);

private:
    Clipboard* m_clipboard;
    Prefs& m_prefs;
    Lookup& m_lookup;
    int m_lastChange = 0;
    // The last copy made here, until the clipboard holds something else:
    // the desktop may report it after the next look.
    std::optional<QString> m_ownCopy;
};

} // namespace reelcatch
