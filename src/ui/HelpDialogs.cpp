#include "ui/HelpDialogs.h"

#include "appmodel/AppModel.h"
#include "appmodel/EngineReadiness.h"
#include "engine/Engine.h"
#include "model/Prefs.h"
#include "ui/ThumbnailCache.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace reelcatch {

namespace {

void closeWithCtrlW(QDialog* dialog)
{
    auto* close = new QShortcut(QKeySequence::Close, dialog);
    QObject::connect(close, &QShortcut::activated, dialog, &QDialog::reject);
}

QDialogButtonBox* closeButton(QDialog* dialog)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QLabel* plainLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QString keys(const QKeySequence& sequence)
{
    return sequence.toString(QKeySequence::NativeText);
}

} // namespace

ShortcutsDialog::ShortcutsDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("shortcutsDialog"));
    setWindowTitle(tr("Keyboard Shortcuts"));
    const QList<std::pair<QString, QString>> rows{
        {keys(Qt::Key_Return), tr("Look up the link or search words")},
        {keys(QKeySequence::Open).isEmpty() ? keys(Qt::CTRL | Qt::Key_O) : keys(QKeySequence::Open),
         tr("Look up the links in a text file")},
        {keys(Qt::Key_Escape), tr("Stop the lookup")},
        {keys(Qt::Key_Space), tr("Tick or untick the current result")},
        {keys(Qt::CTRL | Qt::Key_Return), tr("Download the ticked videos")},
        {keys(Qt::Key_Return), tr("Open the file of the current finished download")},
        {keys(Qt::Key_Delete), tr("Remove the current finished download from the list")},
        {keys(Qt::Key_Menu) + QStringLiteral(", ") + keys(Qt::SHIFT | Qt::Key_F10),
         tr("Show what the current row offers")},
        {keys(QKeySequence::Preferences).isEmpty() ? keys(Qt::CTRL | Qt::Key_Comma)
                                                   : keys(QKeySequence::Preferences),
         tr("Settings")},
        {keys(Qt::CTRL | Qt::Key_H), tr("Show the history of finished videos")},
        {keys(Qt::CTRL | Qt::SHIFT | Qt::Key_O),
         tr("History: show the selected video's file in its folder")},
        {keys(Qt::CTRL | Qt::Key_D), tr("History: download the selected video again")},
        {keys(Qt::CTRL | Qt::Key_E), tr("History: export the videos listed as CSV")},
        {keys(QKeySequence::Close) + QStringLiteral(", ") + keys(Qt::Key_Escape),
         tr("Close Settings or this window")},
        {keys(QKeySequence::Quit).isEmpty() ? keys(Qt::CTRL | Qt::Key_Q) : keys(QKeySequence::Quit),
         tr("Quit")},
    };
    auto* table = new QTableWidget(int(rows.size()), 2, this);
    table->setObjectName(QStringLiteral("shortcuts"));
    table->setAccessibleName(tr("Keyboard shortcuts"));
    table->setHorizontalHeaderLabels({tr("Keys"), tr("Action")});
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int row = 0; row < rows.size(); ++row) {
        table->setItem(row, 0, new QTableWidgetItem(rows.at(row).first));
        table->setItem(row, 1, new QTableWidgetItem(rows.at(row).second));
    }
    table->resizeColumnsToContents();
    auto* column = new QVBoxLayout(this);
    column->addWidget(table);
    column->addWidget(closeButton(this));
    closeWithCtrlW(this);
    resize(520, 380);
}

AboutDialog::AboutDialog(AppModel& model, const ThumbnailCache& thumbnails, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(tr("About Reelcatch"));
    auto* column = new QVBoxLayout(this);
    QString version = QCoreApplication::applicationVersion();
    auto* title = plainLabel(
        version.isEmpty() ? QStringLiteral("Reelcatch") : tr("Reelcatch %1").arg(version), this);
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    title->setFont(big);
    column->addWidget(title);
    column->addWidget(plainLabel(tr("Downloads videos from YouTube with yt-dlp."), this));

    auto* form = new QFormLayout;
    const auto add = [&](const QString& name, const QString& value, const char* objectName) {
        QLabel* label = plainLabel(value, this);
        label->setObjectName(QLatin1String(objectName));
        label->setAccessibleName(name);
        form->addRow(name, label);
    };
    const EngineReadiness& readiness = model.readiness();
    add(tr("yt-dlp"), readiness.version().value_or(tr("not installed")), "ytdlpVersion");
    add(tr("deno"), readiness.tools().deno ? tr("installed") : tr("missing"), "denoState");
    add(tr("ffmpeg"), readiness.tools().ffmpeg ? tr("installed") : tr("missing"), "ffmpegState");
    add(tr("Licence"),
        tr("GNU General Public License, version 3 or any later version (GPL-3.0-or-later). "
           "Reelcatch comes with no warranty. yt-dlp, deno and ffmpeg are not part of "
           "Reelcatch and come under their own licences."),
        "licence");
    add(tr("Settings file"), QDir::toNativeSeparators(model.prefs().fileName()), "settingsFile");
    add(tr("Tools folder"), QDir::toNativeSeparators(model.engine().supportDir()), "toolsFolder");
    add(tr("Download list folder"), QDir::toNativeSeparators(model.library().folder()),
        "listFolder");
    add(tr("Thumbnail cache"), QDir::toNativeSeparators(thumbnails.diskCacheDir()),
        "thumbnailCache");
    column->addLayout(form);
    column->addWidget(closeButton(this));
    closeWithCtrlW(this);
    resize(560, sizeHint().height());
}

} // namespace reelcatch
