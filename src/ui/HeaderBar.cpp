#include "ui/HeaderBar.h"

#include "appmodel/AppModel.h"
#include "model/Prefs.h"
#include "ui/Appearance.h"
#include "ui/BusyIndicator.h"
#include "ui/FolderChooser.h"
#include "ui/Icons.h"
#include "ui/PlainText.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

namespace reelcatch {

namespace {

constexpr int iconSize = 16;
constexpr int folderLabelWidth = 180;

const char* const clearTip = QT_TRANSLATE_NOOP("reelcatch::HeaderBar", "Clear");

} // namespace

InputBox::InputBox(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame);
}

void InputBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    painter.fillPath(shape, palette().color(QPalette::Base));
    painter.setPen(QPen(Appearance::separator(this), 1));
    painter.drawPath(shape);
}

HeaderBar::HeaderBar(AppModel& model, FolderChooser& chooser, QWidget* parent)
    : QWidget(parent), m_model(model), m_chooser(chooser)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 12, 12, 12);
    row->setSpacing(10);

    m_box = new InputBox(this);
    m_box->setAccessibleName(tr("Link field"));
    auto* boxRow = new QHBoxLayout(m_box);
    boxRow->setContentsMargins(10, 8, 10, 8);
    boxRow->setSpacing(8);
    m_linkIcon = new QLabel(m_box);
    m_linkIcon->setFixedSize(iconSize, iconSize);
    m_input = new QLineEdit(m_box);
    m_input->setObjectName(QStringLiteral("input"));
    m_input->setFrame(false);
    m_input->setFont(Appearance::sized(font(), 14));
    m_input->setPlaceholderText(tr("Paste a YouTube link, playlist or channel, or type to search"));
    m_input->setAccessibleName(tr("Link or search words"));
    // A drop anywhere on the window, the input included, goes to the window.
    m_input->setAcceptDrops(false);
    QPalette transparent = m_input->palette();
    transparent.setColor(QPalette::Base, Qt::transparent);
    m_input->setPalette(transparent);
    m_input->installEventFilter(this);
    m_spinner = new BusyIndicator(iconSize, m_box);
    m_spinner->setObjectName(QStringLiteral("inputSpinner"));
    m_clear = new QToolButton(m_box);
    m_clear->setObjectName(QStringLiteral("clear"));
    m_clear->setAutoRaise(true);
    m_clear->setIconSize(QSize(iconSize, iconSize));
    m_clear->setToolTip(tr(clearTip));
    m_clear->setAccessibleName(tr(clearTip));
    m_clear->setFocusPolicy(Qt::NoFocus);
    m_clear->setCursor(Qt::ArrowCursor);
    m_clear->setStyleSheet(QStringLiteral("QToolButton { border: none; padding: 0; }"));
    boxRow->addWidget(m_linkIcon, 0, Qt::AlignVCenter);
    boxRow->addWidget(m_input, 1, Qt::AlignVCenter);
    boxRow->addWidget(m_spinner, 0, Qt::AlignVCenter);
    boxRow->addWidget(m_clear, 0, Qt::AlignVCenter);
    row->addWidget(m_box, 1, Qt::AlignVCenter);

    m_fetch = new QPushButton(tr("Fetch"), this);
    m_fetch->setObjectName(QStringLiteral("fetch"));
    m_fetch->setAutoDefault(false);
    row->addWidget(m_fetch, 0, Qt::AlignVCenter);
    fitFetchButton();

    m_picker = new QComboBox(this);
    m_picker->setObjectName(QStringLiteral("preset"));
    m_picker->setFixedWidth(150);
    m_picker->setToolTip(tr("Quality / format for new downloads"));
    m_picker->setAccessibleName(m_picker->toolTip());
    buildPicker();
    row->addWidget(m_picker, 0, Qt::AlignVCenter);

    m_folder = new QPushButton(this);
    m_folder->setObjectName(QStringLiteral("folder"));
    m_folder->setAutoDefault(false);
    m_folder->setIconSize(QSize(iconSize, iconSize));
    row->addWidget(m_folder, 0, Qt::AlignVCenter);

    refreshIcons();

    // Escape anywhere in the window stops a lookup under way.
    m_stop = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    m_stop->setContext(Qt::WindowShortcut);
    m_stop->setEnabled(false);

    Lookup& lookup = m_model.lookup();
    connect(m_input, &QLineEdit::textEdited, &lookup, &Lookup::setInput);
    connect(&lookup, &Lookup::inputChanged, this, [this] {
        if (m_input->text() != m_model.lookup().input())
            m_input->setText(m_model.lookup().input());
        refresh();
    });
    connect(&lookup, &Lookup::isFetchingChanged, this, &HeaderBar::refresh);
    connect(m_clear, &QToolButton::clicked, this, &HeaderBar::clear);
    connect(m_fetch, &QPushButton::clicked, this, [this] {
        Lookup& current = m_model.lookup();
        if (current.isFetching())
            current.stop();
        else
            current.fetch();
    });
    connect(m_stop, &QShortcut::activated, &lookup, &Lookup::stop);
    connect(m_picker, &QComboBox::currentIndexChanged, this, &HeaderBar::storePreset);
    m_model.prefs().onChange(PrefKey::preset, this, &HeaderBar::showStoredPreset);
    connect(m_folder, &QPushButton::clicked, this,
            [this] { chooseDownloadFolder(m_chooser, m_model.prefs()); });
    m_model.prefs().onChange(PrefKey::folder, this, &HeaderBar::refresh);

    m_input->setText(lookup.input());
    refresh();
}

QString HeaderBar::trimmedOfSpaces(const QString& text)
{
    // Spaces in the Unicode sense and tabs; line breaks are not trimmed.
    const auto isSpace = [](QChar c) {
        return c == QLatin1Char('\t') || c.category() == QChar::Separator_Space;
    };
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isSpace(text.at(begin)))
        ++begin;
    while (end > begin && isSpace(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

Preset HeaderBar::preset() const
{
    return Preset::fromRawValue(m_picker->currentData().toString()).value_or(Preset::p1080);
}

void HeaderBar::buildPicker()
{
    for (bool audio : {false, true}) {
        if (audio)
            m_picker->insertSeparator(m_picker->count());
        for (const Preset& preset : Preset::allCases()) {
            if (preset.isAudio() == audio)
                m_picker->addItem(preset.label(), preset.rawValue());
        }
    }
    showStoredPreset();
}

void HeaderBar::showStoredPreset()
{
    const int index = m_picker->findData(m_model.prefs().value(PrefKey::preset).rawValue());
    if (index < 0 || index == m_picker->currentIndex())
        return;
    const QSignalBlocker blocker(m_picker);
    m_picker->setCurrentIndex(index);
}

void HeaderBar::storePreset()
{
    if (const auto picked = Preset::fromRawValue(m_picker->currentData().toString()))
        m_model.prefs().setValue(PrefKey::preset, *picked);
}

void HeaderBar::clear()
{
    Lookup& lookup = m_model.lookup();
    lookup.setInput(QString());
    lookup.setResults({});
    lookup.setFetchError(std::nullopt);
}

void HeaderBar::refresh()
{
    const Lookup& lookup = m_model.lookup();
    const bool fetching = lookup.isFetching();
    m_spinner->setVisible(fetching);
    m_clear->setVisible(!fetching && !lookup.input().isEmpty());
    // While a lookup runs the button stops it.
    const QString action = fetching ? tr("Stop") : tr("Fetch");
    if (m_fetch->text() != action)
        m_fetch->setText(action);
    m_fetch->setEnabled(fetching || !trimmedOfSpaces(lookup.input()).isEmpty());
    m_stop->setEnabled(fetching);

    const QString folder = QDir::cleanPath(m_model.prefs().value(PrefKey::folder));
    QString name = QFileInfo(folder).fileName();
    if (name.isEmpty())
        name = folder;
    const QString shown =
        m_folder->fontMetrics().elidedText(name, Qt::ElideMiddle, folderLabelWidth);
    const QString tip = tr("Save to: %1").arg(QDir::toNativeSeparators(folder));
    if (m_folder->text() != shown)
        m_folder->setText(shown);
    if (m_folder->accessibleDescription() != tip) {
        m_folder->setToolTip(plainToolTip(tip));
        m_folder->setAccessibleDescription(tip);
    }
}

void HeaderBar::refreshIcons()
{
    m_linkIcon->setPixmap(
        Appearance::tinted(QStringLiteral("link"), iconSize, Appearance::secondary(this), this));
    m_clear->setIcon(QIcon(Appearance::tinted(QStringLiteral("xmark.circle.fill"), iconSize,
                                              Appearance::tertiary(this), this)));
    m_folder->setIcon(Icons::icon(QStringLiteral("folder")));
}

bool HeaderBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_input && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Return looks up whatever is typed, even when Fetch is disabled;
            // Ctrl+Return belongs to the Download button, never to the lookup.
            if (!(key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier)))
                m_model.lookup().fetch();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void HeaderBar::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        refreshIcons();
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitFetchButton();
}

void HeaderBar::fitFetchButton()
{
    if (!m_fetch)
        return;
    const QString shown = m_fetch->text();
    int width = 0;
    for (const QString& text : {tr("Fetch"), tr("Stop")}) {
        m_fetch->setText(text);
        width = std::max(width, m_fetch->sizeHint().width());
    }
    m_fetch->setText(shown);
    m_fetch->setMinimumWidth(width);
}

} // namespace reelcatch
