#include "ui/SettingsWindow.h"

#include "appmodel/AppModel.h"
#include "engine/YtdlpArgs.h"
#include "model/Prefs.h"
#include "ui/FolderChooser.h"
#include "ui/PlainText.h"
#include "ui/SettingsWidgets.h"
#include "ui/WindowFit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace reelcatch {

namespace {

// What an entry of the cookie picker stands for, besides a found browser's
// index.
constexpr int noCookies = -1;
constexpr int currentFile = -2;
constexpr int chooseFile = -3;

} // namespace

SettingsWindow::SettingsWindow(AppModel& model, FolderChooser& chooser, QWidget* parent)
    : QDialog(parent), m_model(model), m_prefs(model.prefs()), m_chooser(chooser)
{
    setWindowTitle(tr("Settings"));

    // The form scrolls only if it is taller than the screen lets the window be.
    auto* scroll = m_scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget(scroll);
    auto* sections = new QVBoxLayout(content);
    sections->setContentsMargins(14, 8, 14, 10);
    sections->setSpacing(10);
    sections->addWidget(buildSaving());
    sections->addWidget(buildVideo());
    sections->addWidget(buildTags());
    sections->addWidget(buildAccount());
    sections->addWidget(buildNetwork());
    sections->addWidget(buildEngine());
    sections->addStretch(1);
    scroll->setWidget(content);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    scroll->setAccessibleName(tr("Settings"));

    // Escape (the dialog's own) and Ctrl+W close the window; Return in a
    // field presses no button.
    auto* close = new QShortcut(QKeySequence::Close, this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);
    // A spin box's text field is a control of its own to screen readers.
    for (QSpinBox* spin : findChildren<QSpinBox*>())
        if (auto* field = spin->findChild<QLineEdit*>())
            field->setAccessibleName(spin->accessibleName());

    connect(&m_prefs, &Prefs::changed, this, &SettingsWindow::refreshSettings);
    connect(&m_model.cookies(), &CookieSources::changed, this, &SettingsWindow::refreshAccount);
    m_prefs.onChange(PrefKey::folder, this, &SettingsWindow::refreshFolder);
    const EngineReadiness& readiness = m_model.readiness();
    for (auto signal : {&EngineReadiness::busyChanged, &EngineReadiness::versionChanged,
                        &EngineReadiness::toolsChanged})
        connect(&readiness, signal, this, &SettingsWindow::refreshEngine);

    refreshSettings();
    refreshFolder();
    refreshEngine();
    sizeToContent();
}

SettingsWindow::~SettingsWindow() = default;

void SettingsWindow::sizeToContent()
{
    // Room for the scroll bar is kept so that a scrolling form is not cut off.
    const int narrowest = m_scroll->widget()->minimumSizeHint().width() + scrollBarWidth();
    setMinimumWidth(narrowest);
    resize(std::max(preferredWidth, narrowest), 0);
    growToContent();
    // A row shown later (a note, the subtitle languages) makes it taller.
    m_scroll->widget()->installEventFilter(this);
}

int SettingsWindow::scrollBarWidth() const
{
    return m_scroll->verticalScrollBar()->sizeHint().width();
}

void SettingsWindow::growToContent()
{
    QWidget* content = m_scroll->widget();
    const int inner = width() - scrollBarWidth();
    const int needed = content->hasHeightForWidth() ? content->heightForWidth(inner)
                                                    : content->sizeHint().height();
    // Once as tall as the screen lets it be, the window stays: asking for more
    // and being cut back would hide and show the scroll bar, which lays the
    // form out anew and asks again, on and on.
    const int wanted = std::min(needed, WindowFit::room(*this).height());
    if (wanted > height()) {
        resize(width(), wanted);
        WindowFit::fitToScreen(*this);
    }
}

void SettingsWindow::refreshSettings()
{
    for (const auto& [toggle, key] : std::as_const(m_toggles)) {
        const QSignalBlocker quiet(toggle);
        toggle->setChecked(m_prefs.value(*key));
    }

    // Shown as stored, even outside what the stepper itself can set.
    {
        const int parallel = m_prefs.valueAsStored(PrefKey::parallel);
        const QSignalBlocker quiet(m_parallel);
        m_parallel->setRange(std::min(minParallel, parallel), std::max(maxParallel, parallel));
        m_parallel->setValue(parallel);
    }
    {
        const QSignalBlocker quiet(m_startGap);
        m_startGap->setValue(m_prefs.value(PrefKey::startGap));
    }

    // Turning subtitles off only hides the languages; they stay stored.
    m_subLangsRow->setVisible(m_prefs.value(PrefKey::subs) || m_prefs.value(PrefKey::subFiles));
    {
        const QSignalBlocker quiet(m_subLangs);
        QStringList langs = m_prefs.value(PrefKey::subLangs).split(u',', Qt::SkipEmptyParts);
        for (QString& lang : langs)
            lang = lang.trimmed();
        for (int i = 0; i < m_subLangs->count(); ++i) {
            QListWidgetItem* item = m_subLangs->item(i);
            const bool on = langs.removeAll(item->data(Qt::UserRole).toString()) > 0;
            item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
        }
        // What the list lacks goes on top, as stored.
        for (const QString& lang : std::as_const(langs)) {
            auto* item = new QListWidgetItem(lang);
            item->setData(Qt::UserRole, lang);
            item->setCheckState(Qt::Checked);
            m_subLangs->insertItem(0, item);
        }
        QStringList names;
        for (int i = 0; i < m_subLangs->count(); ++i)
            if (m_subLangs->item(i)->checkState() == Qt::Checked)
                names << m_subLangs->item(i)->text();
        m_subLangsButton->setText(names.isEmpty()     ? tr("None", "no subtitle languages")
                                  : names.size() <= 2 ? names.join(u", "_s)
                                                      : names.mid(0, 2).join(u", "_s) + u", …"_s);
    }

    {
        // A language the list lacks is shown by its code.
        const QString audio = m_prefs.value(PrefKey::audioLang);
        if (m_audioLang->findData(audio) < 0)
            m_audioLang->addItem(SettingsWidgets::languageName(audio), audio);
        const QSignalBlocker quiet(m_audioLang);
        m_audioLang->setCurrentIndex(m_audioLang->findData(audio));
    }
    {
        const QSignalBlocker quiet(m_sponsorMode);
        const QString mode = m_prefs.value(PrefKey::sponsorMode);
        m_sponsorMode->setCurrentIndex(m_sponsorMode->findData(mode));
        m_sponsorCatsRow->setVisible(mode != u"off");
        QStringList cats = m_prefs.value(PrefKey::sponsorCats).split(u',');
        cats.replaceInStrings(QStringLiteral(" "), QString());
        for (qsizetype i = 0; i < m_sponsorCats.size(); ++i) {
            const QSignalBlocker quietBox(m_sponsorCats[i]);
            m_sponsorCats[i]->setChecked(cats.contains(YtdlpArgs::sponsorCategories[i]));
        }
    }
    refreshNaming();
    refreshNetwork();
    refreshAccount();
}

void SettingsWindow::refreshAccount()
{
    const CookieSources& sources = m_model.cookies();
    const CookieSources::Choice choice = sources.choice();
    const QSignalBlocker quiet(m_cookiesPicker);
    m_cookiesPicker->clear();
    m_cookiesPicker->addItem(tr("None", "no cookies"), noCookies);
    for (qsizetype i = 0; i < sources.found().size(); ++i)
        m_cookiesPicker->addItem(sources.found().at(i).label, int(i));
    if (!choice.cookies.file.isEmpty()) {
        const QString file = QDir::toNativeSeparators(choice.cookies.file);
        m_cookiesPicker->addItem(QFileInfo(file).fileName(), currentFile);
        m_cookiesPicker->setItemData(m_cookiesPicker->count() - 1, plainToolTip(file),
                                     Qt::ToolTipRole);
    }
    m_cookiesPicker->addItem(tr("A cookies file\u2026"), chooseFile);
    const int shown = !choice.cookies.file.isEmpty() ? currentFile : choice.source;
    m_cookiesPicker->setCurrentIndex(std::max(m_cookiesPicker->findData(shown), 0));
    m_cookiesNote->setText(choice.lostNote);
    m_cookiesNote->setVisible(!choice.lostNote.isEmpty());
}

void SettingsWindow::cookiesPicked(int index)
{
    const int picked = m_cookiesPicker->itemData(index).toInt();
    const QList<CookieSource>& found = m_model.cookies().found();
    if (picked == noCookies) {
        m_prefs.setValue(PrefKey::cookiesFrom, QString());
    } else if (picked >= 0 && picked < found.size()) {
        m_prefs.setValue(PrefKey::cookiesProfile, found.at(picked).profile);
        m_prefs.setValue(PrefKey::cookiesFrom, found.at(picked).browser);
    } else if (picked == chooseFile) {
        const QString current = m_prefs.value(PrefKey::cookiesFile);
        const QString startIn =
            current.isEmpty() ? QDir::homePath() : QFileInfo(current).absolutePath();
        const std::optional<QString> file = m_chooser.chooseFile(startIn, tr("Use File"));
        if (file && !file->isEmpty()) {
            m_prefs.setValue(PrefKey::cookiesFile, *file);
            m_prefs.setValue(PrefKey::cookiesFrom, QStringLiteral("file"));
        }
    }
    // A cancelled choice shows the stored one again.
    refreshAccount();
}

void SettingsWindow::showAccountSection()
{
    m_scroll->ensureWidgetVisible(m_account);
    m_cookiesPicker->setFocus(Qt::OtherFocusReason);
}

void SettingsWindow::refreshFolder()
{
    m_folder = QDir::toNativeSeparators(m_prefs.value(PrefKey::folder));
    m_folderPath->setToolTip(plainToolTip(m_folder));
    m_folderPath->setAccessibleName(m_folder);
    elideFolderPath();
}

void SettingsWindow::elideFolderPath()
{
    const int width = m_folderPath->contentsRect().width();
    m_folderPath->setText(
        m_folderPath->fontMetrics().elidedText(m_folder, Qt::ElideMiddle, std::max(width, 0)));
}

void SettingsWindow::refreshEngine()
{
    const EngineReadiness& readiness = m_model.readiness();
    m_ytdlpVersion->setText(readiness.version().value_or(tr("not installed")));
    m_ffmpegState->setText(readiness.tools().ffmpeg ? tr("installed")
                                                    : tr("installs with your first download"));
    m_denoState->setText(readiness.tools().deno ? tr("installed") : tr("missing"));

    const bool busy = readiness.isBusy();
    m_spinner->setVisible(busy);
    m_updateNow->setEnabled(!busy);
}

void SettingsWindow::updateEngine()
{
    // The run publishes its own progress; a second one can't start meanwhile.
    if (m_model.readiness().isBusy())
        return;
    m_model.readiness().ensure(true);
}

void SettingsWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    refreshSettings();
    refreshFolder();
    refreshEngine();
    // The screen may have changed since the window was last shown.
    WindowFit::fitToScreen(*this);
    // A browser may have been installed or removed meanwhile.
    m_model.cookies().refresh();
}

bool SettingsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_scroll->widget() && event->type() == QEvent::LayoutRequest)
        growToContent();
    if (watched == m_folderPath &&
        (event->type() == QEvent::Resize || event->type() == QEvent::FontChange))
        elideFolderPath();
    return QDialog::eventFilter(watched, event);
}

} // namespace reelcatch
