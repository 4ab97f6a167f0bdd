#pragma once

#include <QString>

#include <optional>

namespace reelcatch {

class Prefs;

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
    // A file to write, offered as `suggestedName` in `startIn`. Unless the
    // platform has a dialog for it: that name in the folder chosen.
    virtual std::optional<QString>
    chooseSaveFile(const QString& startIn, const QString& suggestedName, const QString& acceptLabel)
    {
        const std::optional<QString> folder = chooseDirectory(startIn, acceptLabel);
        return folder ? std::optional(*folder + QLatin1Char('/') + suggestedName) : std::nullopt;
    }
};

// Shows the chooser starting in the current download folder with the prompt
// "Use Folder" and stores the chosen folder, if any.
void chooseDownloadFolder(FolderChooser& chooser, Prefs& prefs);

} // namespace reelcatch
