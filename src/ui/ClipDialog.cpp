#include "ui/ClipDialog.h"

#include "ui/PlainText.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace reelcatch {

namespace {

QLabel* plainLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

} // namespace

ClipDialog::ClipDialog(const VideoItem& video, Preset preset, QWidget* parent)
    : QDialog(parent), m_video(video), m_preset(preset), m_start(new QLineEdit(this)),
      m_end(new QLineEdit(this)), m_message(plainLabel({}, this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Cancel, this)),
      m_download(m_buttons->addButton(tr("Download"), QDialogButtonBox::AcceptRole))
{
    setWindowTitle(tr("Download a Clip"));
    setAccessibleName(tr("Download a Clip"));
    m_start->setObjectName(QStringLiteral("clipStart"));
    m_end->setObjectName(QStringLiteral("clipEnd"));
    m_message->setObjectName(QStringLiteral("clipMessage"));

    auto* title = plainLabel(shownText(video.title()), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    const std::optional<double> length = video.duration();
    auto* lengthText = plainLabel(length ? tr("The video is %1 long.").arg(Clip::time(*length))
                                         : tr("The video\u2019s length is unknown: any end "
                                              "after the start is taken."),
                                  this);
    lengthText->setObjectName(QStringLiteral("clipLength"));

    const QString hint =
        tr("h:mm:ss, m:ss or seconds; a pasted link\u2019s time (t=) is taken too");
    for (QLineEdit* field : {m_start, m_end}) {
        field->setPlaceholderText(tr("h:mm:ss"));
        field->setAccessibleDescription(hint);
        field->setClearButtonEnabled(true);
        connect(field, &QLineEdit::textChanged, this, &ClipDialog::validate);
        // A link pasted, or dropped, comes as one edit longer by more than a
        // character; typed, it is taken once the field is left.
        connect(field, &QLineEdit::textEdited, this, [this, field] {
            takeLinkTime(field, field->property("lastLength").toLongLong());
            field->setProperty("lastLength", field->text().size());
        });
        connect(field, &QLineEdit::editingFinished, this,
                [this, field] { takeLinkTime(field, -1); });
    }
    m_start->setAccessibleName(tr("Start"));
    m_end->setAccessibleName(tr("End"));
    m_start->setText(Clip::time(0));
    if (length)
        m_end->setText(Clip::time(*length));
    for (QLineEdit* field : {m_start, m_end})
        field->setProperty("lastLength", field->text().size());

    auto* form = new QFormLayout;
    auto* startLabel = new QLabel(tr("&Start:"), this);
    startLabel->setBuddy(m_start);
    auto* endLabel = new QLabel(tr("&End:"), this);
    endLabel->setBuddy(m_end);
    form->addRow(startLabel, m_start);
    form->addRow(endLabel, m_end);
    auto* hintText = plainLabel(hint, this);
    hintText->setForegroundRole(QPalette::PlaceholderText);

    m_download->setDefault(true);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addWidget(title);
    column->addWidget(lengthText);
    column->addLayout(form);
    column->addWidget(hintText);
    column->addWidget(m_message);
    column->addStretch();
    column->addWidget(m_buttons);
    resize(420, sizeHint().height());

    validate();
    m_start->setFocus();
    m_start->selectAll();
}

std::optional<double> ClipDialog::fieldTime(const QString& text)
{
    if (const std::optional<double> time = Clip::parseTime(text))
        return time;
    return Clip::linkTime(text);
}

void ClipDialog::takeLinkTime(QLineEdit* field, qsizetype before)
{
    const QString text = field->text();
    if (before >= 0 && text.size() - before <= 1)
        return;
    if (Clip::parseTime(text))
        return;
    if (const std::optional<double> time = Clip::linkTime(text)) {
        field->setText(Clip::time(*time));
        field->setProperty("lastLength", field->text().size());
    }
}

std::optional<ClipRange> ClipDialog::clip() const
{
    const std::optional<double> start = fieldTime(m_start->text());
    const std::optional<double> end = fieldTime(m_end->text());
    if (!start || !end || *end <= *start)
        return std::nullopt;
    // The length shown is rounded to whole seconds: an end in its last
    // second is the video's end.
    const std::optional<double> length = m_video.duration();
    if (length && *end > std::ceil(*length))
        return std::nullopt;
    return ClipRange{*start, length ? std::min(*end, *length) : *end};
}

void ClipDialog::validate()
{
    const std::optional<double> start = fieldTime(m_start->text());
    const std::optional<double> end = fieldTime(m_end->text());
    const std::optional<double> length = m_video.duration();
    QString message;
    if (!start)
        message = tr("Type the start as h:mm:ss, m:ss or seconds.");
    else if (!end)
        message = tr("Type the end as h:mm:ss, m:ss or seconds.");
    else if (*end <= *start)
        message = tr("The end must come after the start.");
    else if (length && *end > std::ceil(*length))
        message =
            tr("The end must be within the video, which is %1 long.").arg(Clip::time(*length));
    else
        message = tr("The clip will be %1 long.").arg(Clip::time(*end - *start));
    m_message->setText(message);
    m_download->setEnabled(clip().has_value());
    m_download->setAccessibleDescription(message);
}

} // namespace reelcatch
