#pragma once

#include "ui/FolderChooser.h"

#include <QPointer>
#include <QWidget>

namespace reelcatch {

// The folder chooser of the desktop build: a directory dialog opening in the
// current folder (a file dialog for a file), its accept button labelled as
// asked ("Use Folder"). The dialog belongs to the active window, else to the
// fallback parent.
class DialogFolderChooser : public FolderChooser {
public:
    explicit DialogFolderChooser(QWidget* fallbackParent = nullptr);

    void setFallbackParent(QWidget* parent) { m_fallbackParent = parent; }

    std::optional<QString> chooseDirectory(const QString& startIn,
                                           const QString& acceptLabel) override;
    std::optional<QString> chooseFile(const QString& startIn, const QString& acceptLabel) override;
    std::optional<QString> chooseSaveFile(const QString& startIn, const QString& suggestedName,
                                          const QString& acceptLabel) override;

private:
    enum class Kind { folder, file, saveFile };
    std::optional<QString> ask(Kind kind, const QString& startIn, const QString& acceptLabel);
    QPointer<QWidget> m_fallbackParent;
};

} // namespace reelcatch
