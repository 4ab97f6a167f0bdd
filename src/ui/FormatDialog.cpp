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
    : QDialog(parent), m_video(video), m_preset(preset),
      m_query(new FormatQuery(
          model.engine(), model.readiness(), [&model] { return model.session(); }, this)),
      m_pages(new QStackedWidget(this)), m_busyText(new QLabel(this)),
      m_failureText(new QLabel(this)), m_tryAgain(new QPushButton(tr("Try Again"), this)),
      m_videoList(formatList(tr("Video"), this)), m_audioList(formatList(tr("Audio"), this)),
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
    failureColumn->addStretch();
    failureColumn->addWidget(m_failureText);
    failureColumn->addWidget(m_tryAgain, 0, Qt::AlignHCenter);
    failureColumn->addStretch();
    connect(m_tryAgain, &QPushButton::clicked, this, &FormatDialog::ask);

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

void FormatDialog::showFailure(const Failure& failure)
{
    m_failureText->setText(shownText(failure.shown));
    m_pages->setCurrentIndex(1);
    m_tryAgain->setFocus();
}

void FormatDialog::showFormats(const FormatList& formats)
{
    m_formats = formats;
    m_videoList->clear();
    m_audioList->clear();

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
        new QListWidgetItem(audioRow(format), m_audioList);
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

    m_videoList->setCurrentRow(pickVideo);
    m_audioList->setCurrentRow(pickAudio);
    m_audioList->setEnabled(!formats.audio.isEmpty());
    for (QAbstractButton* button : m_buttons->buttons())
        if (m_buttons->buttonRole(button) == QDialogButtonBox::AcceptRole)
            button->setEnabled(true);
    m_pages->setCurrentIndex(2);
    m_videoList->setFocus();
}

std::optional<FormatChoice> FormatDialog::choice() const
{
    if (m_pages->currentIndex() != 2)
        return std::nullopt;
    const QListWidgetItem* videoItem = m_videoList->currentItem();
    const int videoIndex = videoItem ? videoItem->data(Qt::UserRole).toInt() : noVideoRow;
    const int audioIndex = m_audioList->currentRow();
    const VideoFormat* video = videoIndex >= 0 && videoIndex < m_formats.video.size()
                                   ? &m_formats.video.at(videoIndex)
                                   : nullptr;
    const AudioFormat* audio = audioIndex >= 0 && audioIndex < m_formats.audio.size()
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
