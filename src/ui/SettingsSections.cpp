// The settings window's sections: what each shows and which key each control writes.
#include "appmodel/AppModel.h"
#include "engine/YtdlpArgs.h"
#include "model/Prefs.h"
#include "ui/FolderChooser.h"
#include "ui/SettingsWidgets.h"
#include "ui/SettingsWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidgetAction>

using namespace Qt::StringLiterals;

namespace reelcatch {

using namespace SettingsWidgets;

namespace {

const char* const h264Text = QT_TRANSLATE_NOOP(
    "reelcatch::SettingsWindow", "Prefer H.264 so files play in any player and on any device");
const char* const h264NoteText =
    QT_TRANSLATE_NOOP("reelcatch::SettingsWindow",
                      "Above 1080p YouTube only offers VP9/AV1. Those play in VLC, mpv and current "
                      "browsers, but not on every older device.");

// SponsorBlock's categories as the settings show them, in the order of
// YtdlpArgs::sponsorCategories.
const char* const sponsorCategoryTexts[] = {
    QT_TRANSLATE_NOOP("reelcatch::SettingsWindow", "Sponsor"),
    QT_TRANSLATE_NOOP("reelcatch::SettingsWindow", "Self-promotion"),
    QT_TRANSLATE_NOOP("reelcatch::SettingsWindow", "Interaction reminder"),
    QT_TRANSLATE_NOOP("reelcatch::SettingsWindow", "Intro"),
    QT_TRANSLATE_NOOP("reelcatch::SettingsWindow", "Outro"),
    QT_TRANSLATE_NOOP("reelcatch::SettingsWindow", "Preview"),
    QT_TRANSLATE_NOOP("reelcatch::SettingsWindow", "Non-music section"),
    QT_TRANSLATE_NOOP("reelcatch::SettingsWindow", "Filler"),
};

} // namespace

QWidget* SettingsWindow::buildSaving()
{
    auto* group = new QGroupBox(tr("Saving"));
    QFormLayout* form = formLayout(group);

    auto* folderRow = new QWidget(group);
    auto* folderLayout = new QHBoxLayout(folderRow);
    folderLayout->setContentsMargins(0, 0, 0, 0);
    m_folderPath = secondaryLabel(QString(), folderRow);
    m_folderPath->setObjectName(QStringLiteral("folderPath"));
    m_folderPath->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The path takes whatever width is left and is shortened in the middle.
    m_folderPath->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_folderPath->installEventFilter(this);
    auto* change = new QPushButton(tr("Change\u2026"), folderRow);
    change->setObjectName(QStringLiteral("changeFolder"));
    connect(change, &QPushButton::clicked, this,
            [this] { chooseDownloadFolder(m_chooser, m_prefs); });
    folderLayout->addWidget(m_folderPath, 1);
    folderLayout->addWidget(change);
    form->addRow(tr("Download folder"), folderRow);
    addNamingRows(form, group);

    m_parallel = new QSpinBox(group);
    m_parallel->setObjectName(QStringLiteral("parallel"));
    m_parallel->setRange(minParallel, maxParallel);
    m_parallel->setAccessibleName(tr("Parallel downloads"));
    connect(m_parallel, &QSpinBox::valueChanged, this,
            [this](int count) { m_prefs.setValue(PrefKey::parallel, count); });
    form->addRow(tr("Parallel downloads"), m_parallel);

    // Spaces the starts of a big batch, which YouTube would otherwise limit.
    m_startGap = new QSpinBox(group);
    m_startGap->setObjectName(QStringLiteral("startGap"));
    m_startGap->setRange(0, PrefKey::maxStartGap);
    m_startGap->setSuffix(tr(" s"));
    m_startGap->setSpecialValueText(tr("Off", "no pause between downloads"));
    m_startGap->setAccessibleName(tr("Pause between downloads, in seconds"));
    connect(m_startGap, &QSpinBox::valueChanged, this,
            [this](int seconds) { m_prefs.setValue(PrefKey::startGap, seconds); });
    form->addRow(tr("Pause between downloads"), m_startGap);

    form->addRow(
        addToggle(tr("Load YouTube links from the clipboard automatically"), PrefKey::autoPaste));
    return group;
}

QWidget* SettingsWindow::buildVideo()
{
    auto* group = new QGroupBox(tr("Video"));
    QFormLayout* form = formLayout(group);

    QCheckBox* h264 = addToggle(tr(h264Text), PrefKey::h264);
    form->addRow(h264);
    // The note sits under the toggle's text, not under its box.
    QLabel* note = captionLabel(tr(h264NoteText), group);
    note->setObjectName(QStringLiteral("h264Note"));
    const int indent = h264->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, h264) +
                       h264->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, h264);
    note->setIndent(indent);
    form->addRow(note);

    // The original track unless another language is asked for.
    m_audioLang = new QComboBox(group);
    m_audioLang->setObjectName(QStringLiteral("audioLang"));
    m_audioLang->setAccessibleName(tr("Audio language"));
    m_audioLang->addItem(tr("Original"), QString());
    for (const QString& code : commonLanguages())
        m_audioLang->addItem(languageName(code), code);
    connect(m_audioLang, &QComboBox::activated, this, [this] {
        m_prefs.setValue(PrefKey::audioLang, m_audioLang->currentData().toString());
    });
    form->addRow(tr("Audio language"), m_audioLang);

    form->addRow(addToggle(tr("Embed subtitles"), PrefKey::subs));
    form->addRow(addToggle(tr("Save subtitles as files (SRT)"), PrefKey::subFiles));

    // The languages and captions, shown while subtitles are wanted either way.
    m_subLangsRow = new QWidget(group);
    m_subLangsRow->setObjectName(QStringLiteral("subLangsRow"));
    auto* subsLayout = new QVBoxLayout(m_subLangsRow);
    subsLayout->setContentsMargins(indent, 0, 0, 0);
    auto* langsLine = new QHBoxLayout;
    auto* langsLabel = new QLabel(tr("Subtitle languages"), m_subLangsRow);
    // A button naming the ticked languages opens the list to tick them in;
    // a stored entry that names none of them (a pattern of yt-dlp's own) is
    // listed as it is.
    m_subLangsButton = new QPushButton(m_subLangsRow);
    m_subLangsButton->setObjectName(QStringLiteral("subLangsButton"));
    m_subLangsButton->setAccessibleName(tr("Subtitle languages"));
    langsLabel->setBuddy(m_subLangsButton);
    auto* popup = new QMenu(m_subLangsButton);
    m_subLangs = new QListWidget(popup);
    m_subLangs->setObjectName(QStringLiteral("subLangs"));
    m_subLangs->setAccessibleName(tr("Subtitle languages"));
    for (const QString& code : commonLanguages()) {
        auto* item = new QListWidgetItem(languageName(code), m_subLangs);
        item->setData(Qt::UserRole, QString(code + u".*"_s));
        item->setCheckState(Qt::Unchecked);
    }
    m_subLangs->setFixedHeight(m_subLangs->sizeHintForRow(0) * 10 + 2 * m_subLangs->frameWidth());
    auto* listAction = new QWidgetAction(popup);
    listAction->setDefaultWidget(m_subLangs);
    popup->addAction(listAction);
    connect(popup, &QMenu::aboutToShow, m_subLangs, qOverload<>(&QWidget::setFocus));
    m_subLangsButton->setMenu(popup);
    connect(m_subLangs, &QListWidget::itemChanged, this, [this] {
        QStringList langs;
        for (int i = 0; i < m_subLangs->count(); ++i)
            if (m_subLangs->item(i)->checkState() == Qt::Checked)
                langs << m_subLangs->item(i)->data(Qt::UserRole).toString();
        m_prefs.setValue(PrefKey::subLangs, langs.join(u','));
    });
    langsLine->addWidget(langsLabel);
    langsLine->addWidget(m_subLangsButton, 1);
    subsLayout->addLayout(langsLine);
    QCheckBox* autoSubs = addToggle(tr("Include automatic captions"), PrefKey::autoSubs);
    autoSubs->setParent(m_subLangsRow);
    subsLayout->addWidget(autoSubs);
    form->addRow(m_subLangsRow);

    m_sponsorMode = new QComboBox(group);
    m_sponsorMode->setObjectName(QStringLiteral("sponsorMode"));
    m_sponsorMode->setAccessibleName(tr("SponsorBlock"));
    m_sponsorMode->setAccessibleDescription(
        tr("What to do with sponsor and other segments viewers have marked"));
    m_sponsorMode->addItem(tr("Off", "SponsorBlock"), u"off"_s);
    m_sponsorMode->addItem(tr("Mark as chapters"), u"mark"_s);
    m_sponsorMode->addItem(tr("Remove"), u"remove"_s);
    connect(m_sponsorMode, &QComboBox::activated, this, [this] {
        m_prefs.setValue(PrefKey::sponsorMode, m_sponsorMode->currentData().toString());
    });
    form->addRow(tr("SponsorBlock"), m_sponsorMode);

    // Which segments, two to a line.
    m_sponsorCatsRow = new QWidget(group);
    m_sponsorCatsRow->setObjectName(QStringLiteral("sponsorCatsRow"));
    auto* cats = new QGridLayout(m_sponsorCatsRow);
    cats->setContentsMargins(indent, 0, 0, 0);
    for (qsizetype i = 0; i < YtdlpArgs::sponsorCategories.size(); ++i) {
        auto* box = new QCheckBox(tr(sponsorCategoryTexts[i]), m_sponsorCatsRow);
        box->setObjectName(u"sponsorCat_"_s + YtdlpArgs::sponsorCategories[i]);
        connect(box, &QCheckBox::toggled, this, &SettingsWindow::sponsorCategoriesPicked);
        cats->addWidget(box, int(i / 2), int(i % 2));
        m_sponsorCats << box;
    }
    form->addRow(m_sponsorCatsRow);
    return group;
}

QWidget* SettingsWindow::buildTags()
{
    auto* group = new QGroupBox(tr("Tags"));
    QFormLayout* form = formLayout(group);
    form->addRow(addToggle(tr("Embed title, channel and date"), PrefKey::embedMeta));
    form->addRow(addToggle(tr("Embed thumbnail as cover art"), PrefKey::embedThumb));
    return group;
}

QWidget* SettingsWindow::buildAccount()
{
    auto* group = new QGroupBox(tr("YouTube account"));
    group->setObjectName(QStringLiteral("accountSection"));
    m_account = group;
    QFormLayout* form = formLayout(group);
    m_cookiesPicker = new QComboBox(group);
    m_cookiesPicker->setObjectName(QStringLiteral("cookiesFrom"));
    m_cookiesPicker->setAccessibleName(tr("Use cookies from"));
    m_cookiesPicker->setAccessibleDescription(tr("The browser or file whose sign-in YouTube sees"));
    connect(m_cookiesPicker, &QComboBox::activated, this, &SettingsWindow::cookiesPicked);
    form->addRow(tr("Use cookies from"), m_cookiesPicker);
    m_cookiesNote = new QLabel(group);
    m_cookiesNote->setObjectName(QStringLiteral("cookiesNote"));
    m_cookiesNote->setWordWrap(true);
    m_cookiesNote->setTextFormat(Qt::PlainText);
    form->addRow(m_cookiesNote);
    form->addRow(captionLabel(tr("Cookies let YouTube see you as signed in. Close YouTube in that "
                                 "browser while downloading if it locks its cookies. YouTube may "
                                 "limit accounts that download a lot."),
                              group));
    return group;
}

QWidget* SettingsWindow::buildEngine()
{
    auto* group = new QGroupBox(tr("Engine"));
    QFormLayout* form = formLayout(group);

    m_ytdlpVersion = valueLabel(QStringLiteral("ytdlpVersion"), group);
    form->addRow(QStringLiteral("yt-dlp"), m_ytdlpVersion);
    m_ffmpegState = valueLabel(QStringLiteral("ffmpegState"), group);
    form->addRow(QStringLiteral("ffmpeg"), m_ffmpegState);
    m_denoState = valueLabel(QStringLiteral("denoState"), group);
    form->addRow(tr("JS runtime (deno)"), m_denoState);

    auto* updateRow = new QWidget(group);
    auto* updateLayout = new QHBoxLayout(updateRow);
    updateLayout->setContentsMargins(0, 4, 0, 0);
    updateLayout->setSpacing(8);
    QLabel* hint = captionLabel(
        tr("YouTube changes often. If downloads start failing, update the engine."), updateRow);
    m_spinner = busySpinner(updateRow);
    m_spinner->setObjectName(QStringLiteral("engineSpinner"));
    // Showing and hiding the indicator leaves the text where it is.
    QSizePolicy keepSpace = m_spinner->sizePolicy();
    keepSpace.setRetainSizeWhenHidden(true);
    m_spinner->setSizePolicy(keepSpace);
    m_updateNow = new QPushButton(tr("Update Now"), updateRow);
    m_updateNow->setObjectName(QStringLiteral("updateNow"));
    connect(m_updateNow, &QPushButton::clicked, this, &SettingsWindow::updateEngine);
    updateLayout->addWidget(hint, 1, Qt::AlignVCenter);
    updateLayout->addWidget(m_spinner, 0, Qt::AlignVCenter);
    updateLayout->addWidget(m_updateNow, 0, Qt::AlignVCenter);
    form->addRow(updateRow);
    return group;
}

void SettingsWindow::sponsorCategoriesPicked()
{
    // A stored name these boxes do not show is kept.
    QStringList picked;
    for (const QString& name : m_prefs.value(PrefKey::sponsorCats).split(u',', Qt::SkipEmptyParts))
        if (!YtdlpArgs::sponsorCategories.contains(name.trimmed()))
            picked << name.trimmed();
    for (qsizetype i = 0; i < m_sponsorCats.size(); ++i)
        if (m_sponsorCats[i]->isChecked())
            picked << YtdlpArgs::sponsorCategories[i];
    m_prefs.setValue(PrefKey::sponsorCats, picked.join(u','));
}

QCheckBox* SettingsWindow::addToggle(const QString& text, const Setting<bool>& key)
{
    auto* toggle = new QCheckBox(text);
    toggle->setObjectName(QLatin1String(key.name));
    // Only subtitles and SponsorBlock are off until the user turns them on.
    connect(toggle, &QCheckBox::toggled, this,
            [this, &key](bool checked) { m_prefs.setValue(key, checked); });
    m_toggles.append({toggle, &key});
    return toggle;
}

} // namespace reelcatch
