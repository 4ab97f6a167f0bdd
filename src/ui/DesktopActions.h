#pragma once

#include <QString>
#include <QUrl>

namespace reelcatch {

// What the rows and the window ask of the desktop. The desktop build uses
// the file manager and the default browser; tests record. (Copies go
// through AppModel::clipboard(), which knows them for the application's own.)
class DesktopActions {
public:
    virtual ~DesktopActions() = default;
    // Shows the file selected in the file manager (or opens its folder).
    virtual void revealFile(const QString& path) = 0;
    // Opens a file in the desktop's application for it.
    virtual void openFile(const QString& path) = 0;
    // Opens a folder in the file manager.
    virtual void openFolder(const QString& path) = 0;
    // Opens a web address in the default browser; only http and https.
    virtual void openUrl(const QUrl& url) = 0;
};

} // namespace reelcatch
