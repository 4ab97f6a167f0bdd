#include "ui/SettingsWindow.h"

#include "appmodel/AppModel.h"
#include "model/Prefs.h"
#include "ui/PlainText.h"
#include "ui/WindowFit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace reelcatch {

namespace {

const char* const keyProperty = "reelcatchPrefKey";

// What an entry of the cookie picker stands for, besides a found browser's
// index.
constexpr int noCookies = -1;
constexpr int currentFile = -2;
constexpr int chooseFile = -3;

// What a key reads as when the store holds nothing usable for it.

const char* const h264Text = QT_TRANSLATE_NOOP(
    "reelcatch::SettingsWindow", "Prefer H.264 so files play in any player and on any device");
const char* const h264NoteText =
    QT_TRANSLATE_NOOP("reelcatch::SettingsWindow",
                      "Above 1080p YouTube only offers VP9/AV1. Those play in VLC, mpv and current "
                      "browsers, but not on every older device.");

// A small indeterminate progress indicator: ticks around a circle, the
// brightest one running round while the widget is shown.
class BusySpinner : public QWidget {
public:
    explicit BusySpinner(QWidget* parent) : QWidget(parent)
    {
        setFixedSize(16, 16);
        m_timer.setInterval(80);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            m_step = (m_step + 1) % ticks;
            update();
        });
    }

protected:
    void showEvent(QShowEvent*) override { m_timer.start(); }
    void hideEvent(QHideEvent*) override { m_timer.stop(); }
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(width() / 2.0, height() / 2.0);
        const double radius = std::min(width(), height()) / 2.0;
        QPen pen;
        pen.setWidthF(radius * 0.24);
        pen.setCapStyle(Qt::RoundCap);
        for (int i = 0; i < ticks; ++i) {
            // The tick at the current step is opaque; those behind it fade.
            const int behind = (m_step - i + ticks) % ticks;
            QColor colour = palette().color(QPalette::WindowText);
            colour.setAlphaF(float(1.0 - 0.8 * behind / ticks));
            pen.setColor(colour);
            painter.setPen(pen);
            painter.save();
            painter.rotate(360.0 * i / ticks);
            painter.drawLine(QPointF(0, -radius * 0.45), QPointF(0, -radius * 0.85));
            painter.restore();
        }
    }

private:
    static constexpr int ticks = 8;
    QTimer m_timer;
    int m_step = 0;
};

// The caption font: a step smaller than the window's own.
QFont captionFont(QFont font)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(std::max(7.0, font.pointSizeF() * 0.9));
    else if (font.pixelSize() > 0)
        font.setPixelSize(std::max(9, int(font.pixelSize() * 0.9)));
    return font;
}

QLabel* secondaryLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

QLabel* captionLabel(const QString& text, QWidget* parent)
{
    QLabel* label = secondaryLabel(text, parent);
    label->setFont(captionFont(label->font()));
    label->setWordWrap(true);
    return label;
}

// A labelled value, trailing like the values of a settings form.
QLabel* valueLabel(const QString& name, QWidget* parent)
{
    QLabel* label = secondaryLabel(QString(), parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QFormLayout* formLayout(QWidget* parent)
{
    auto* form = new QFormLayout(parent);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form->setFormAlignment(Qt::AlignLeft | Qt::AlignTop);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);
    form->setContentsMargins(12, 6, 12, 8);
    form->setVerticalSpacing(6);
    return form;
}

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

    connect(&m_prefs, &Prefs::valueChanged, this, &SettingsWindow::refreshSettings);
    connect(&m_model.cookies(), &CookieSources::changed, this, &SettingsWindow::refreshAccount);
    connect(&m_prefs, &Prefs::folderChanged, this, &SettingsWindow::refreshFolder);
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
    if (needed > height()) {
        resize(width(), needed);
        WindowFit::fitToScreen(*this);
    }
}

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
    connect(change, &QPushButton::clicked, this, [this] { m_prefs.chooseFolder(m_chooser); });
    folderLayout->addWidget(m_folderPath, 1);
    folderLayout->addWidget(change);
    form->addRow(tr("Download folder"), folderRow);

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
    m_startGap->setRange(0, Prefs::maxStartGap);
    m_startGap->setSuffix(tr(" s"));
    m_startGap->setSpecialValueText(tr("Off"));
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

    form->addRow(addToggle(tr("Embed subtitles"), PrefKey::subs));

    m_subLangsRow = new QWidget(group);
    m_subLangsRow->setObjectName(QStringLiteral("subLangsRow"));
    auto* langsLayout = new QHBoxLayout(m_subLangsRow);
    langsLayout->setContentsMargins(indent, 0, 0, 0);
    auto* langsLabel = new QLabel(tr("Subtitle languages"), m_subLangsRow);
    m_subLangs = new QLineEdit(m_subLangsRow);
    m_subLangs->setObjectName(QStringLiteral("subLangs"));
    langsLabel->setBuddy(m_subLangs);
    // Stored as typed; yt-dlp judges the list.
    connect(m_subLangs, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_prefs.setValue(PrefKey::subLangs, text); });
    langsLayout->addWidget(langsLabel);
    langsLayout->addWidget(m_subLangs, 1);
    form->addRow(m_subLangsRow);

    form->addRow(addToggle(tr("Cut sponsor segments (SponsorBlock)"), PrefKey::sponsor));
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
    m_cookiesPicker->setObjectName(PrefKey::cookiesFrom);
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
    m_spinner = new BusySpinner(updateRow);
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

QCheckBox* SettingsWindow::addToggle(const QString& text, const QString& key)
{
    auto* toggle = new QCheckBox(text);
    toggle->setObjectName(key);
    toggle->setProperty(keyProperty, key);
    // Only subtitles and SponsorBlock are off until the user turns them on.
    connect(toggle, &QCheckBox::toggled, this,
            [this, key](bool checked) { m_prefs.setValue(key, checked); });
    m_toggles.append(toggle);
    return toggle;
}

void SettingsWindow::refreshSettings()
{
    for (QCheckBox* toggle : std::as_const(m_toggles)) {
        const QString key = toggle->property(keyProperty).toString();
        const QSignalBlocker quiet(toggle);
        toggle->setChecked(m_prefs.flag(key));
    }

    // Shown as stored, even outside what the stepper itself can set.
    {
        const int parallel = m_prefs.parallelAsStored();
        const QSignalBlocker quiet(m_parallel);
        m_parallel->setRange(std::min(minParallel, parallel), std::max(maxParallel, parallel));
        m_parallel->setValue(parallel);
    }
    {
        const QSignalBlocker quiet(m_startGap);
        m_startGap->setValue(m_prefs.startGap());
    }

    // Turning subtitles off only hides the languages; they stay stored.
    m_subLangsRow->setVisible(m_prefs.subs());
    const QString langs = m_prefs.subLangs();
    if (m_subLangs->text() != langs)
        m_subLangs->setText(langs);
    refreshAccount();
}

void SettingsWindow::refreshAccount()
{
    const CookieSources& sources = m_model.cookies();
    const CookieSources::Choice choice = sources.choice();
    const QSignalBlocker quiet(m_cookiesPicker);
    m_cookiesPicker->clear();
    m_cookiesPicker->addItem(tr("None"), noCookies);
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
        const QString current = m_prefs.cookiesFile();
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
    m_folder = QDir::toNativeSeparators(m_prefs.folder());
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
