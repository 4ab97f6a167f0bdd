#pragma once

#include <QDialog>

namespace reelcatch {

class AppModel;
class ThumbnailCache;

// The Help menu's small windows: the keyboard shortcuts as a table, and
// "About Reelcatch" with the version, the tools' versions as the engine knows
// them, the licence and where the app keeps its files. Both close with
// Escape or Ctrl+W; every text from outside is shown as plain text.
class ShortcutsDialog : public QDialog {
    Q_OBJECT
public:
    explicit ShortcutsDialog(QWidget* parent = nullptr);
};

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(AppModel& model, const ThumbnailCache& thumbnails, QWidget* parent = nullptr);
};

} // namespace reelcatch
