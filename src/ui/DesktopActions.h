#pragma once

#include <QString>
#include <QUrl>

namespace reelcatch {

// What the rows and the window ask of the desktop. The desktop build uses
// the file manager, the default browser and the clipboard; tests record.
class DesktopActions {
public:
    virtual ~DesktopActions() = default;
    // Shows the file selected in the file manager (or opens its folder).
    virtual void revealFile(const QString& path) = 0;
    // Opens a folder in the file manager.
    virtual void openFolder(const QString& path) = 0;
    // Opens a web address in the default browser; only http and https.
    virtual void openUrl(const QUrl& url) = 0;
    // Puts plain text on the clipboard.
    virtual void copyText(const QString& text) = 0;
};

} // namespace reelcatch
