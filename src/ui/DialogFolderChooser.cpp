#include "ui/DialogFolderChooser.h"

#include <QApplication>
#include <QFileDialog>

namespace reelcatch {

DialogFolderChooser::DialogFolderChooser(QWidget* fallbackParent) : m_fallbackParent(fallbackParent)
{}

std::optional<QString> DialogFolderChooser::chooseDirectory(const QString& startIn,
                                                            const QString& acceptLabel)
{
    return ask(true, startIn, acceptLabel);
}

std::optional<QString> DialogFolderChooser::chooseFile(const QString& startIn,
                                                       const QString& acceptLabel)
{
    return ask(false, startIn, acceptLabel);
}

std::optional<QString> DialogFolderChooser::ask(bool folder, const QString& startIn,
                                                const QString& acceptLabel)
{
    QWidget* parent = QApplication::activeWindow();
    if (!parent)
        parent = m_fallbackParent;
    // On the heap: if the parent goes away while the dialog runs (the
    // application quits), the dialog goes with it and is not deleted twice.
    QPointer<QFileDialog> dialog = new QFileDialog(parent);
    dialog->setObjectName(folder ? QStringLiteral("folderChooser") : QStringLiteral("fileChooser"));
    if (folder) {
        dialog->setFileMode(QFileDialog::Directory);
        dialog->setOption(QFileDialog::ShowDirsOnly);
    } else {
        dialog->setFileMode(QFileDialog::ExistingFile);
    }
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setLabelText(QFileDialog::Accept, acceptLabel);
    dialog->setDirectory(startIn);
    const int answer = dialog->exec();
    if (!dialog)
        return std::nullopt;
    const QStringList chosen = dialog->selectedFiles();
    delete dialog;
    if (answer != QDialog::Accepted || chosen.isEmpty())
        return std::nullopt;
    return chosen.first();
}

} // namespace reelcatch
