#include "ui/FolderChooser.h"

#include "model/Prefs.h"

#include <QCoreApplication>

namespace reelcatch {

void chooseDownloadFolder(FolderChooser& chooser, Prefs& prefs)
{
    const auto chosen = chooser.chooseDirectory(
        prefs.value(PrefKey::folder),
        QCoreApplication::translate("reelcatch::FolderChooser", "Use Folder"));
    if (chosen && !chosen->isEmpty())
        prefs.setValue(PrefKey::folder, *chosen);
}

} // namespace reelcatch
