#include "ui/DownloadsPane.h"

#include "appmodel/AppModel.h"
#include "model/Prefs.h"
#include "ui/Appearance.h"
#include "ui/DesktopActions.h"
#include "ui/DownloadsList.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedLayout>
#include <QStyle>
#include <QVBoxLayout>

namespace reelcatch {

using Appearance::TextStyle;

DownloadsPane::DownloadsPane(AppModel& model, ThumbnailCache& thumbnails, DesktopActions& actions,
                             QWidget* parent)
    : QWidget(parent), m_model(model), m_actions(actions)
{
    setObjectName(QStringLiteral("downloadsPane"));
    setMinimumHeight(140);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(14, 8, 14, 8);
    // The toolkit's default spacing (a nested layout would take the column's 0).
    bar->setSpacing(style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing));
    if (bar->spacing() < 0)
        bar->setSpacing(8);
    auto* title = new QLabel(tr("Downloads"), this);
    title->setFont(Appearance::font(TextStyle::Headline, font()));
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("downloadsSummary"));
    m_summary->setFont(Appearance::font(TextStyle::Caption, font()));
    m_openFolder = new QPushButton(tr("Open Folder"), this);
    m_openFolder->setObjectName(QStringLiteral("openFolder"));
    m_openFolder->setAutoDefault(false);
    m_clearFinished = new QPushButton(tr("Clear Finished"), this);
    m_clearFinished->setObjectName(QStringLiteral("clearFinished"));
    m_clearFinished->setAutoDefault(false);
    bar->addWidget(title, 0, Qt::AlignVCenter);
    bar->addWidget(m_summary, 0, Qt::AlignVCenter);
    bar->addStretch(1);
    bar->addWidget(m_openFolder, 0, Qt::AlignVCenter);
    bar->addWidget(m_clearFinished, 0, Qt::AlignVCenter);
    column->addLayout(bar);

    m_stack = new QStackedLayout;
    m_nothing = new QLabel(tr("Nothing here yet."), this);
    m_nothing->setObjectName(QStringLiteral("nothingYet"));
    m_nothing->setAlignment(Qt::AlignCenter);
    m_list = new DownloadsList(m_model, thumbnails, m_actions, this);
    m_stack->addWidget(m_nothing);
    m_stack->addWidget(m_list);
    column->addLayout(m_stack, 1);

    Appearance::setTextColor(m_summary, Appearance::secondary(this));
    Appearance::setTextColor(m_nothing, Appearance::secondary(this));

    connect(m_openFolder, &QPushButton::clicked, this,
            [this] { m_actions.openFolder(m_model.prefs().value(PrefKey::folder)); });
    DownloadQueue& queue = m_model.queue();
    connect(m_clearFinished, &QPushButton::clicked, &queue, &DownloadQueue::clearFinished);
    // Phases change without the list changing; the model's change signal
    // (sent on every start, finish and badge refresh) covers both.
    connect(&queue, &DownloadQueue::countsChanged, this, &DownloadsPane::refresh);
    refresh();
}

QString DownloadsPane::summary(int active, int queued)
{
    QStringList parts;
    if (active > 0)
        parts << tr("%n downloading", nullptr, active);
    if (queued > 0)
        parts << tr("%n queued", nullptr, queued);
    return parts.join(QStringLiteral(" \u00B7 "));
}

bool DownloadsPane::showsList() const
{
    return m_stack->currentWidget() == m_list;
}

void DownloadsPane::refresh()
{
    const DownloadQueue& queue = m_model.queue();
    using Kind = Download::Phase::Kind;
    const int active = queue.count(Kind::downloading) + queue.count(Kind::processing);
    const int queued = queue.count(Kind::queued);
    const bool anyFinished = queue.finishedCount() > 0;
    const QString text = summary(active, queued);
    m_summary->setText(text);
    m_summary->setVisible(!text.isEmpty());
    m_clearFinished->setEnabled(anyFinished);
    m_stack->setCurrentWidget(queue.downloads().isEmpty() ? static_cast<QWidget*>(m_nothing)
                                                            : m_list);
}

void DownloadsPane::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        Appearance::setTextColor(m_summary, Appearance::secondary(this));
        Appearance::setTextColor(m_nothing, Appearance::secondary(this));
    }
}

} // namespace reelcatch
