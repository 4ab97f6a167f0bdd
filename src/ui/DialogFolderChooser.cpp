#include "ui/DialogFolderChooser.h"

#include <QApplication>
#include <QFileDialog>

namespace reelcatch {

DialogFolderChooser::DialogFolderChooser(QWidget* fallbackParent) : m_fallbackParent(fallbackParent)
{}

std::optional<QString> DialogFolderChooser::chooseDirectory(const QString& startIn,
                                                            const QString& acceptLabel)
{
    return ask(Kind::folder, startIn, acceptLabel);
}

std::optional<QString> DialogFolderChooser::chooseFile(const QString& startIn,
                                                       const QString& acceptLabel)
{
    return ask(Kind::file, startIn, acceptLabel);
}

std::optional<QString> DialogFolderChooser::chooseSaveFile(const QString& startIn,
                                                           const QString& suggestedName,
                                                           const QString& acceptLabel)
{
    return ask(Kind::saveFile, startIn + QLatin1Char('/') + suggestedName, acceptLabel);
}

std::optional<QString> DialogFolderChooser::ask(Kind kind, const QString& startIn,
                                                const QString& acceptLabel)
{
    QWidget* parent = QApplication::activeWindow();
    if (!parent)
        parent = m_fallbackParent;
    // On the heap: if the parent goes away while the dialog runs (the
    // application quits), the dialog goes with it and is not deleted twice.
    QPointer<QFileDialog> dialog = new QFileDialog(parent);
    dialog->setObjectName(kind == Kind::folder ? QStringLiteral("folderChooser")
                                               : QStringLiteral("fileChooser"));
    dialog->setLabelText(QFileDialog::Accept, acceptLabel);
    switch (kind) {
    case Kind::folder:
        dialog->setFileMode(QFileDialog::Directory);
        dialog->setOption(QFileDialog::ShowDirsOnly);
        break;
    case Kind::file:
        dialog->setFileMode(QFileDialog::ExistingFile);
        break;
    case Kind::saveFile:
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->selectFile(startIn);
        break;
    }
    if (kind != Kind::saveFile)
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
