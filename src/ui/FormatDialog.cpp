#include "ui/FormatDialog.h"

#include "appmodel/AppModel.h"
#include "appmodel/Fmt.h"
#include "appmodel/FormatQuery.h"
#include "ui/BusyIndicator.h"
#include "ui/PlainText.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <cmath>

namespace reelcatch {

namespace {

// The row of "No video": it has no format id.
constexpr int noVideoRow = -1;
// The audio row of a video format's own sound: no format of its own.
constexpr int ownSoundRow = -1;

QString sizeText(const StreamSize& size)
{
    if (size.bytes <= 0)
        return {};
    const QString bytes = Fmt::bytes(double(size.bytes));
    return size.approximate ? FormatDialog::tr("about %1").arg(bytes) : bytes;
}

QString bitrateText(double kbits)
{
    return kbits > 0 ? FormatDialog::tr("%1 kbit/s").arg(std::lround(kbits)) : QString();
}

QString audioCodecName(const QString& codec)
{
    const QString lower = codec.toLower();
    if (lower.startsWith(QLatin1String("mp4a")) || lower == QLatin1String("aac"))
        return QStringLiteral("AAC");
    if (lower.startsWith(QLatin1String("opus")))
        return QStringLiteral("Opus");
    return codec.section(QLatin1Char('.'), 0, 0);
}

QString joined(QStringList parts)
{
    parts.removeAll(QString());
    return parts.join(QStringLiteral(" \u00b7 "));
}

QListWidget* formatList(const QString& name, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setAccessibleName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    list->setTextElideMode(Qt::ElideRight);
    return list;
}

} // namespace

FormatDialog::FormatDialog(AppModel& model, const VideoItem& video, Preset preset, QWidget* parent)
    : QDialog(parent), m_model(model), m_video(video), m_preset(preset),
      m_query(new FormatQuery(
          model.engine(), model.readiness(), [&model] { return model.session(); }, this)),
      m_pages(new QStackedWidget(this)), m_busyText(new QLabel(this)),
      m_failureText(new QLabel(this)), m_tryAgain(new QPushButton(tr("Try Again"), this)),
      m_failureAction(new QPushButton(this)), m_videoList(formatList(tr("Video"), this)),
      m_audioList(formatList(tr("Audio"), this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Cancel, this))
{
    m_videoList->setObjectName(QStringLiteral("videoFormats"));
    m_audioList->setObjectName(QStringLiteral("audioFormats"));
    m_failureText->setObjectName(QStringLiteral("formatFailure"));
    setWindowTitle(tr("Choose Format"));
    setAccessibleName(tr("Choose Format"));

    auto* title = new QLabel(shownText(video.title()), this);
    title->setTextFormat(Qt::PlainText);
    title->setWordWrap(true);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    // Asking.
    auto* busyPage = new QWidget(m_pages);
    auto* busyRow = new QHBoxLayout(busyPage);
    busyRow->addStretch();
    busyRow->addWidget(new BusyIndicator(16, busyPage));
    m_busyText->setText(tr("Asking yt-dlp which formats this video has\u2026"));
    busyRow->addWidget(m_busyText);
    busyRow->addStretch();

    // Failed.
    auto* failurePage = new QWidget(m_pages);
    auto* failureColumn = new QVBoxLayout(failurePage);
    m_failureText->setTextFormat(Qt::PlainText);
    m_failureText->setWordWrap(true);
    m_failureText->setAlignment(Qt::AlignCenter);
    m_failureText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_failureAction->setObjectName(QStringLiteral("formatFailureAction"));
    m_failureAction->hide();
    auto* failureButtons = new QHBoxLayout;
    failureButtons->addStretch();
    failureButtons->addWidget(m_failureAction);
    failureButtons->addWidget(m_tryAgain);
    failureButtons->addStretch();
    failureColumn->addStretch();
    failureColumn->addWidget(m_failureText);
    failureColumn->addLayout(failureButtons);
    failureColumn->addStretch();
    connect(m_tryAgain, &QPushButton::clicked, this, &FormatDialog::ask);
    connect(m_failureAction, &QPushButton::clicked, this, &FormatDialog::act);

    // Answered.
    auto* listsPage = new QWidget(m_pages);
    auto* lists = new QVBoxLayout(listsPage);
    lists->setContentsMargins(0, 0, 0, 0);
    auto* videoLabel = new QLabel(tr("&Video"), listsPage);
    videoLabel->setBuddy(m_videoList);
    auto* audioLabel = new QLabel(tr("&Audio"), listsPage);
    audioLabel->setBuddy(m_audioList);
    lists->addWidget(videoLabel);
    lists->addWidget(m_videoList, 3);
    lists->addWidget(audioLabel);
    lists->addWidget(m_audioList, 2);

    m_pages->addWidget(busyPage);
    m_pages->addWidget(failurePage);
    m_pages->addWidget(listsPage);

    QPushButton* download = m_buttons->addButton(tr("Download"), QDialogButtonBox::AcceptRole);
    download->setDefault(true);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &FormatDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addWidget(title);
    column->addWidget(m_pages, 1);
    column->addWidget(m_buttons);
    resize(560, 480);

    connect(m_query, &FormatQuery::answered, this, &FormatDialog::showFormats);
    connect(m_query, &FormatQuery::failed, this, &FormatDialog::showFailure);
    connect(m_videoList, &QListWidget::currentRowChanged, this, &FormatDialog::videoPicked);
    connect(m_audioList, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item && item->data(Qt::UserRole).toInt() != ownSoundRow)
            m_audioPick = item->data(Qt::UserRole).toInt();
    });
    ask();
}

bool FormatDialog::isAsking() const
{
    return m_query->isRunning();
}

void FormatDialog::ask()
{
    m_pages->setCurrentIndex(0);
    m_buttons->button(QDialogButtonBox::Cancel)->setFocus();
    for (QAbstractButton* button : m_buttons->buttons())
        if (m_buttons->buttonRole(button) == QDialogButtonBox::AcceptRole)
            button->setEnabled(false);
    m_query->start(m_video.url());
}

void FormatDialog::reject()
{
    m_query->stop();
    QDialog::reject();
}

void FormatDialog::showFailure(const Failure& failure, const QString& message)
{
    m_failureText->setText(shownText(failure.shown));
    m_failureText->setToolTip(failure.shown == message ? QString() : plainToolTip(message));
    // Nothing here waits to resume: YouTube's limit, like any other
    // failure without a remedy of its own, leaves Try Again.
    m_action =
        failure.action == Failure::Action::resumeNow || failure.action == Failure::Action::retry
            ? Failure::Action::none
            : failure.action;
    m_failureAction->setText(Failure::actionText(m_action));
    m_failureAction->setVisible(m_action != Failure::Action::none);
    m_pages->setCurrentIndex(1);
    (m_action != Failure::Action::none ? m_failureAction : m_tryAgain)->setFocus();
}

void FormatDialog::act()
{
    switch (m_action) {
    case Failure::Action::chooseBrowser:
        emit chooseBrowserRequested();
        break;
    case Failure::Action::updateEngine:
        m_model.readiness().ensure(true);
        break;
    case Failure::Action::openFolder:
        emit openFolderRequested();
        break;
    case Failure::Action::resumeNow:
    case Failure::Action::retry:
    case Failure::Action::none:
        break;
    }
}

void FormatDialog::showFormats(const FormatList& formats)
{
    m_formats = formats;
    m_audioList->clear();
    m_videoList->clear();

    const std::optional<int> height = m_preset.height();
    int pickVideo = -1;
    for (int i = 0; i < formats.video.size(); ++i) {
        const VideoFormat& format = formats.video.at(i);
        auto* item = new QListWidgetItem(videoRow(format), m_videoList);
        item->setData(Qt::UserRole, i);
        if (pickVideo < 0 && (!height || (format.height > 0 && format.height <= *height)))
            pickVideo = i;
    }
    if (pickVideo < 0)
        pickVideo = int(formats.video.size()) - 1;
    if (!formats.audio.isEmpty()) {
        auto* item = new QListWidgetItem(tr("No video \u2014 audio only"), m_videoList);
        item->setData(Qt::UserRole, noVideoRow);
        if (m_preset.isAudio() || formats.video.isEmpty())
            pickVideo = m_videoList->count() - 1;
    }

    int pickAudio = -1;
    for (int i = 0; i < formats.audio.size(); ++i) {
        const AudioFormat& format = formats.audio.at(i);
        auto* item = new QListWidgetItem(audioRow(format), m_audioList);
        item->setData(Qt::UserRole, i);
        if (pickAudio < 0 && format.kind == AudioFormat::Kind::original)
            pickAudio = i;
    }
    for (int i = 0; pickAudio < 0 && i < formats.audio.size(); ++i) {
        const AudioFormat::Kind kind = formats.audio.at(i).kind;
        if (kind == AudioFormat::Kind::plain)
            pickAudio = i;
    }
    if (pickAudio < 0 && !formats.audio.isEmpty())
        pickAudio = 0;

    m_audioPick = pickAudio;
    m_videoList->setCurrentRow(pickVideo);
    videoPicked();
    // Return takes the formats picked: Cancel, focused while asking, may
    // still count as the default when the window was not active to see
    // the focus leave it.
    for (QAbstractButton* button : m_buttons->buttons()) {
        if (m_buttons->buttonRole(button) != QDialogButtonBox::AcceptRole)
            continue;
        button->setEnabled(true);
        if (auto* push = qobject_cast<QPushButton*>(button))
            push->setDefault(true);
    }
    m_pages->setCurrentIndex(2);
    m_videoList->setFocus();
}

const VideoFormat* FormatDialog::pickedVideo() const
{
    const QListWidgetItem* item = m_videoList->currentItem();
    const int index = item ? item->data(Qt::UserRole).toInt() : noVideoRow;
    return index >= 0 && index < m_formats.video.size() ? &m_formats.video.at(index) : nullptr;
}

void FormatDialog::videoPicked()
{
    const VideoFormat* video = pickedVideo();
    const bool ownSound = video && video->hasAudio;
    const QListWidgetItem* first = m_audioList->item(0);
    const bool listed = first && first->data(Qt::UserRole).toInt() == ownSoundRow;
    const int pick = m_audioPick;
    if (ownSound && !listed) {
        auto* item = new QListWidgetItem(tr("Its own sound"));
        item->setData(Qt::UserRole, ownSoundRow);
        m_audioList->insertItem(0, item);
    } else if (!ownSound && listed) {
        delete m_audioList->takeItem(0);
    }
    // yt-dlp merges no second sound into a format that has one: the other
    // tracks stay listed, but cannot be picked with it.
    for (int row = ownSound ? 1 : 0; row < m_audioList->count(); ++row) {
        QListWidgetItem* item = m_audioList->item(row);
        item->setFlags(ownSound ? item->flags() & ~Qt::ItemIsEnabled
                                : item->flags() | Qt::ItemIsEnabled);
        item->setToolTip(ownSound ? tr("This video format has its own sound.") : QString());
    }
    m_audioList->setCurrentRow(ownSound ? 0 : pick);
    m_audioPick = pick;
    m_audioList->setEnabled(m_audioList->count() > 0);
}

std::optional<FormatChoice> FormatDialog::choice() const
{
    if (m_pages->currentIndex() != 2)
        return std::nullopt;
    const VideoFormat* video = pickedVideo();
    const QListWidgetItem* audioItem = m_audioList->currentItem();
    const int audioIndex = audioItem ? audioItem->data(Qt::UserRole).toInt() : ownSoundRow;
    const AudioFormat* audio =
        audioIndex >= 0 && audioIndex < m_formats.audio.size() && !(video && video->hasAudio)
            ? &m_formats.audio.at(audioIndex)
            : nullptr;
    if (video && audio)
        return FormatChoice{video->id + QLatin1Char('+') + audio->id,
                            tr("%1 + %2").arg(video->description(), audio->description())};
    if (video)
        return FormatChoice{video->id, video->description()};
    if (audio)
        return FormatChoice{audio->id, audio->description()};
    return std::nullopt;
}

QString FormatDialog::videoRow(const VideoFormat& format)
{
    return joined({format.description(), format.ext, sizeText(format.size),
                   bitrateText(format.vbr > 0 ? format.vbr : format.tbr)});
}

QString FormatDialog::audioRow(const AudioFormat& format)
{
    return joined({format.description(), audioCodecName(format.acodec), bitrateText(format.abr),
                   sizeText(format.size)});
}

} // namespace reelcatch
