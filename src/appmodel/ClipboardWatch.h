#pragma once

#include <QObject>

namespace reelcatch {

class Clipboard;
class Lookup;
class Prefs;

// Picks up a YouTube link the user copied in another application: put into
// the input and looked up, once per copy.
class ClipboardWatch : public QObject {
    Q_OBJECT
public:
    // Whatever the clipboard holds now counts as already seen. A missing
    // clipboard (nullptr) is never looked at.
    ClipboardWatch(Clipboard* clipboard, Prefs& prefs, Lookup& lookup, QObject* parent = nullptr);

    // Looks at the clipboard if it changed since the last look.
    void check();

private:
    Clipboard* m_clipboard;
    Prefs& m_prefs;
    Lookup& m_lookup;
    int m_lastChange = 0;
};

} // namespace reelcatch
