#include "ui/ResultsPane.h"

#include "appmodel/AppModel.h"
#include "model/Prefs.h"
#include "ui/Appearance.h"
#include "ui/DesktopActions.h"
#include "ui/OneLineLabel.h"
#include "ui/PlainText.h"
#include "ui/ResultsList.h"
#include "ui/ResultsModel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace reelcatch {

using Appearance::TextStyle;

namespace {

QLabel* centredLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

} // namespace

ResultsPane::ResultsPane(AppModel& model, ThumbnailCache& thumbnails, DesktopActions& actions,
                         std::function<Preset()> currentPreset, QWidget* parent)
    : QWidget(parent), m_model(model), m_currentPreset(std::move(currentPreset)), m_actions(actions)
{
    setObjectName(QStringLiteral("resultsPane"));
    setMinimumHeight(200);
    m_stack = new QStackedLayout(this);
    m_stack->addWidget(buildEmptyState());
    m_stack->addWidget(buildResults(thumbnails, actions));
    restyle();

    const Lookup& lookup = m_model.lookup();
    for (auto signal : {&Lookup::isFetchingChanged, &Lookup::fetchErrorChanged,
                        &Lookup::resultsChanged, &Lookup::resultsTitleChanged})
        connect(&lookup, signal, this, &ResultsPane::refresh);
    // The counts are the set's size: a tick needs no walk of the rows.
    connect(&lookup, &Lookup::selectedChanged, this, &ResultsPane::refresh);
    connect(&lookup, &Lookup::resultsChanged, this, &ResultsPane::findDownloaded);
    connect(&lookup, &Lookup::resultsAdded, this,
            [this](int first) { resultsAdded(first, m_model.lookup().results().size()); });
    connect(&lookup, &Lookup::resultsInserted, this,
            [this](int, int first, int count) { resultsAdded(first, first + count); });
    // A link of several failing, or listed in full, changes the count line.
    connect(&lookup, &Lookup::sectionChanged, this, &ResultsPane::refresh);
    connect(&m_model.library(), &Library::historyChanged, this, &ResultsPane::historyChanged);
    connect(&m_model.library(), &Library::historyRemoved, this, [this](const QList<QString>& ids) {
        // Removed from the history: perhaps the last listed one downloaded.
        const ResultsModel& rows = m_list->results();
        if (m_anyDownloaded && std::any_of(ids.cbegin(), ids.cend(), [&rows](const QString& id) {
                return rows.contains(id);
            }))
            findDownloaded();
    });
    findDownloaded();
}

QWidget* ResultsPane::buildEmptyState()
{
    m_empty = new QWidget(this);
    m_empty->setObjectName(QStringLiteral("resultsEmpty"));
    auto* column = new QVBoxLayout(m_empty);
    column->setContentsMargins(30, 30, 30, 30);
    column->setSpacing(12);
    m_emptyIcon = new QLabel(m_empty);
    m_emptyIcon->setAlignment(Qt::AlignCenter);
    m_emptyError = centredLabel(QString(), m_empty);
    m_emptyError->setObjectName(QStringLiteral("emptyError"));
    m_emptyError->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_emptyError->setCursor(Qt::IBeamCursor);
    m_emptyAction = actionButton(QStringLiteral("emptyErrorAction"), m_empty);
    m_lookingUp = centredLabel(tr("Looking it up\u2026"), m_empty);
    m_lookingUp->setObjectName(QStringLiteral("lookingUp"));
    m_startTitle = centredLabel(tr("Paste a link to get started"), m_empty);
    m_startTitle->setObjectName(QStringLiteral("startTitle"));
    m_startTitle->setFont(Appearance::font(TextStyle::Title3, font()));
    m_startHint =
        centredLabel(tr("Copy a YouTube link anywhere and switch back here, it loads "
                        "automatically.\nYou can also drag a link onto this window, or type "
                        "words to search YouTube."),
                     m_empty);
    m_startHint->setObjectName(QStringLiteral("startHint"));
    m_startHint->setFont(Appearance::font(TextStyle::Callout, font()));

    auto* start = new QVBoxLayout;
    start->setSpacing(6);
    start->addWidget(m_startTitle);
    start->addWidget(m_startHint);

    column->addStretch(1);
    column->addWidget(m_emptyIcon);
    column->addWidget(m_emptyError);
    column->addWidget(m_emptyAction, 0, Qt::AlignHCenter);
    column->addWidget(m_lookingUp);
    column->addLayout(start);
    column->addStretch(1);
    return m_empty;
}

QWidget* ResultsPane::buildResults(ThumbnailCache& thumbnails, DesktopActions& actions)
{
    m_results = new QWidget(this);
    m_results->setObjectName(QStringLiteral("resultsPage"));
    auto* column = new QVBoxLayout(m_results);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(14, 8, 14, 8);
    bar->setSpacing(10);
    auto* heading = new QVBoxLayout;
    heading->setSpacing(1);
    m_title = new OneLineLabel(m_results);
    m_title->setObjectName(QStringLiteral("resultsTitle"));
    m_title->setFont(Appearance::font(TextStyle::Headline, font()));
    m_count = new QLabel(m_results);
    m_count->setObjectName(QStringLiteral("resultsCount"));
    m_count->setFont(Appearance::font(TextStyle::Caption, font()));
    heading->addWidget(m_title);
    heading->addWidget(m_count);
    bar->addLayout(heading, 1);
    m_selectAll = new QPushButton(tr("Select All"), m_results);
    m_selectAll->setObjectName(QStringLiteral("selectAll"));
    m_selectAll->setAutoDefault(false);
    bar->addWidget(m_selectAll, 0, Qt::AlignVCenter);
    m_selectNew = new QPushButton(tr("Select New"), m_results);
    m_selectNew->setObjectName(QStringLiteral("selectNew"));
    m_selectNew->setAutoDefault(false);
    m_selectNew->setToolTip(tr("Tick only the videos not downloaded before"));
    bar->addWidget(m_selectNew, 0, Qt::AlignVCenter);
    m_chooseFormat = new QPushButton(tr("Choose Format\u2026"), m_results);
    m_chooseFormat->setObjectName(QStringLiteral("chooseFormat"));
    m_chooseFormat->setAutoDefault(false);
    m_chooseFormat->setToolTip(tr("Pick the video and audio formats of this video"));
    m_chooseFormat->setAccessibleDescription(m_chooseFormat->toolTip());
    bar->addWidget(m_chooseFormat, 0, Qt::AlignVCenter);
    m_download = new QPushButton(tr("Download"), m_results);
    m_download->setObjectName(QStringLiteral("download"));
    m_download->setAutoDefault(false);
    m_download->setIconSize(QSize(16, 16));
    bar->addWidget(m_download, 0, Qt::AlignVCenter);
    column->addLayout(bar);

    m_error = new QLabel(m_results);
    m_error->setObjectName(QStringLiteral("resultsError"));
    m_error->setFont(Appearance::font(TextStyle::Caption, font()));
    m_error->setWordWrap(true);
    m_error->setTextFormat(Qt::PlainText);
    m_error->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_errorAction = actionButton(QStringLiteral("resultsErrorAction"), m_results);
    auto* errorRow = new QHBoxLayout;
    errorRow->setContentsMargins(14, 0, 14, 6);
    errorRow->addWidget(m_error, 1);
    errorRow->addWidget(m_errorAction, 0, Qt::AlignTop);
    column->addLayout(errorRow);

    m_list = new ResultsList(m_model, thumbnails, m_currentPreset, m_results);
    m_list->setDesktopActions(&actions);
    connect(m_list, &ResultsList::chooseBrowserRequested, this,
            &ResultsPane::chooseBrowserRequested);
    column->addWidget(m_list, 1);

    connect(m_selectAll, &QPushButton::clicked, this, &ResultsPane::toggleAll);
    connect(m_selectNew, &QPushButton::clicked, &m_model.lookup(), &Lookup::selectNew);
    connect(m_chooseFormat, &QPushButton::clicked, this, [this] {
        if (m_model.lookup().results().size() == 1)
            m_list->chooseFormat(m_model.lookup().results().first());
    });
    connect(m_download, &QPushButton::clicked, this,
            [this] { m_model.enqueueSelected(m_currentPreset()); });
    // Ctrl+Return presses Download, from anywhere in the window. A shortcut
    // of its own, since a button's text change resets the button's shortcut;
    // it lives on the results page, so it is off while no results show.
    m_downloadShortcut = new QShortcut(m_results);
    m_downloadShortcut->setKeys(
        {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    m_downloadShortcut->setContext(Qt::WindowShortcut);
    connect(m_downloadShortcut, &QShortcut::activated, m_download, &QPushButton::click);
    m_download->setToolTip(
        tr("Download the ticked videos (%1)")
            .arg(QKeySequence(Qt::CTRL | Qt::Key_Return).toString(QKeySequence::NativeText)));
    return m_results;
}

QPushButton* ResultsPane::actionButton(const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setFlat(true);
    button->setAutoDefault(false);
    button->setCursor(Qt::PointingHandCursor);
    button->hide();
    connect(button, &QPushButton::clicked, this, &ResultsPane::act);
    return button;
}

void ResultsPane::act()
{
    switch (m_action) {
    case Failure::Action::chooseBrowser:
        emit chooseBrowserRequested();
        break;
    case Failure::Action::updateEngine:
        m_model.readiness().ensure(true);
        break;
    case Failure::Action::openFolder:
        m_actions.openFolder(m_model.prefs().value(PrefKey::folder));
        break;
    case Failure::Action::retry:
        m_model.lookup().fetch();
        break;
    case Failure::Action::resumeNow:
    case Failure::Action::none:
        break;
    }
}

QString ResultsPane::countLine(int results, int selected, Listed listed)
{
    const QString videos = listed == Listed::soFar ? tr("%n video(s) so far", nullptr, results)
                           : listed == Listed::stopped
                               ? tr("%n video(s), listing stopped", nullptr, results)
                               : tr("%n video(s)", nullptr, results);
    return videos + QStringLiteral(" \u00B7 ") + tr("%n selected", nullptr, selected);
}

bool ResultsPane::showsResults() const
{
    return m_stack->currentWidget() == m_results;
}

void ResultsPane::toggleAll()
{
    // Counts only: the same test decides the button's title.
    if (m_model.lookup().selected().size() == m_model.lookup().results().size()) {
        m_model.lookup().setSelected({});
        return;
    }
    m_model.lookup().selectAll();
}

void ResultsPane::historyChanged(const QList<QString>& added)
{
    // Only the videos new to the history can make a listed one downloaded.
    const ResultsModel& rows = m_list->results();
    if (!m_anyDownloaded && std::any_of(added.cbegin(), added.cend(),
                                        [&rows](const QString& id) { return rows.contains(id); })) {
        m_anyDownloaded = true;
        refresh();
    }
}

void ResultsPane::findDownloaded()
{
    const Library& library = m_model.library();
    const QList<VideoItem>& results = m_model.lookup().results();
    m_anyDownloaded =
        !library.downloaded().isEmpty() &&
        std::any_of(results.cbegin(), results.cend(),
                    [&library](const VideoItem& item) { return library.isDownloaded(item.id()); });
    refresh();
}

void ResultsPane::resultsAdded(int first, qsizetype end)
{
    // Only the new rows can add a downloaded one.
    const Library& library = m_model.library();
    const QList<VideoItem>& results = m_model.lookup().results();
    if (!m_anyDownloaded && !library.downloaded().isEmpty())
        m_anyDownloaded = std::any_of(
            results.cbegin() + std::min<qsizetype>(first, results.size()),
            results.cbegin() + std::min(end, results.size()),
            [&library](const VideoItem& item) { return library.isDownloaded(item.id()); });
    refresh();
}

void ResultsPane::refresh()
{
    const auto& error = m_model.lookup().fetchError();
    const int results = int(m_model.lookup().results().size());
    const int selected = int(m_model.lookup().selected().size());
    // Several links show their headings, even while none has listed a row.
    const bool listed = results > 0 || !m_model.lookup().sections().isEmpty();

    // The plain sentence shows; yt-dlp's own message is the tooltip. A
    // lookup has no queue to resume: YouTube's limit offers to look again.
    const Failure failure = Failure::of(error.value_or(QString()));
    m_action = !error                                         ? Failure::Action::none
               : failure.action == Failure::Action::resumeNow ? Failure::Action::retry
                                                              : failure.action;
    for (QLabel* label : {m_emptyError, m_error})
        label->setToolTip(failure.shown == error.value_or(QString()) ? QString()
                                                                     : plainToolTip(*error));
    for (QPushButton* button : {m_emptyAction, m_errorAction}) {
        button->setText(Failure::actionText(m_action));
        button->setVisible(m_action != Failure::Action::none &&
                           button->parentWidget() == (listed ? m_results : m_empty));
    }

    if (!listed) {
        m_stack->setCurrentWidget(m_empty);
        const bool fetching = m_model.lookup().isFetching();
        m_emptyError->setVisible(error.has_value());
        m_emptyError->setText(shownText(failure.shown));
        m_lookingUp->setVisible(!error && fetching);
        m_startTitle->setVisible(!error && !fetching);
        m_startHint->setVisible(!error && !fetching);
        return;
    }

    m_stack->setCurrentWidget(m_results);
    m_title->setVisible(!m_model.lookup().resultsTitle().isEmpty());
    m_title->setText(m_model.lookup().resultsTitle());
    const Lookup& lookup = m_model.lookup();
    m_count->setText(countLine(results, selected,
                               lookup.isListing()    ? Listed::soFar
                               : lookup.wasStopped() ? Listed::stopped
                                                     : Listed::all));
    m_selectAll->setVisible(results > 1);
    m_selectAll->setText(selected == results ? tr("Select None") : tr("Select All"));
    m_selectNew->setVisible(m_anyDownloaded);
    // One video found: its formats can be picked from here.
    m_chooseFormat->setVisible(results == 1 && !lookup.isListing());
    m_download->setText(selected > 1 ? tr("Download %1").arg(selected) : tr("Download"));
    m_download->setEnabled(selected > 0);
    m_downloadShortcut->setEnabled(selected > 0);
    m_error->setVisible(error.has_value());
    m_error->setText(shownText(failure.shown));
}

void ResultsPane::restyle()
{
    m_emptyIcon->setPixmap(Appearance::tinted(QStringLiteral("arrow.down.circle"), 52,
                                              Appearance::secondary(this), this));
    Appearance::setTextColor(m_emptyError, Appearance::red());
    Appearance::setTextColor(m_lookingUp, Appearance::secondary(this));
    Appearance::setTextColor(m_startHint, Appearance::secondary(this));
    Appearance::setTextColor(m_count, Appearance::secondary(this));
    Appearance::setTextColor(m_error, Appearance::red());
    for (QPushButton* button : {m_emptyAction, m_errorAction})
        button->setStyleSheet(QStringLiteral("QPushButton { color: %1; border: none; padding: 0; }"
                                             "QPushButton:hover { text-decoration: underline; }")
                                  .arg(palette().color(QPalette::Link).name()));

    // The prominent button: filled with the accent colour.
    const QPalette colours = palette();
    const QColor accent = colours.color(QPalette::Highlight);
    const QColor ink = colours.color(QPalette::HighlightedText);
    QColor faded = accent;
    faded.setAlphaF(0.35f);
    m_download->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; color: %2; border: 1px solid %3;"
                       " border-radius: 6px; padding: 4px 12px; font-weight: 600; }"
                       "QPushButton:hover { background-color: %4; }"
                       "QPushButton:pressed { background-color: %3; }"
                       "QPushButton:disabled { background-color: %5; color: %6; }")
            .arg(accent.name(), ink.name(), accent.darker(115).name(), accent.lighter(110).name(),
                 faded.name(QColor::HexArgb), ink.name()));
    m_download->setIcon(
        QIcon(Appearance::tinted(QStringLiteral("arrow.down.circle.fill"), 16, ink, this)));
}

void ResultsPane::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        restyle();
}

} // namespace reelcatch
