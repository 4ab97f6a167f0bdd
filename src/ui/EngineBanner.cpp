#include "ui/EngineBanner.h"

#include "appmodel/AppModel.h"
#include "ui/Appearance.h"
#include "ui/BusyIndicator.h"
#include "ui/PlainText.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace reelcatch {

namespace {
constexpr int iconSize = 16;
} // namespace

EngineBanner::EngineBanner(AppModel& model, QWidget* parent) : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("engineBanner"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(14, 8, 14, 8);
    row->setSpacing(8);
    m_spinner = new BusyIndicator(iconSize, this);
    m_warning = new QLabel(this);
    m_warning->setFixedSize(iconSize, iconSize);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("engineNote"));
    m_text->setFont(Appearance::font(Appearance::TextStyle::Callout, font()));
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(m_spinner, 0, Qt::AlignVCenter);
    row->addWidget(m_warning, 0, Qt::AlignVCenter);
    row->addWidget(m_text, 1, Qt::AlignVCenter);
    m_retry = new QPushButton(tr("Try Again"), this);
    m_retry->setObjectName(QStringLiteral("engineRetry"));
    m_retry->setAutoDefault(false);
    row->addWidget(m_retry, 0, Qt::AlignVCenter);
    connect(m_retry, &QPushButton::clicked, this, [this] { m_model.readiness().retry(); });
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

    const EngineReadiness& readiness = m_model.readiness();
    connect(&readiness, &EngineReadiness::noteChanged, this, &EngineBanner::refresh);
    connect(&readiness, &EngineReadiness::busyChanged, this, &EngineBanner::refresh);
    m_warning->setPixmap(Appearance::tinted(QStringLiteral("exclamationmark.triangle.fill"),
                                            iconSize, Appearance::orange(), this));
    refresh();
}

void EngineBanner::refresh()
{
    const auto& note = m_model.readiness().note();
    setVisible(note.has_value());
    if (!note)
        return;
    if (const QString shown = shownText(*note); m_text->text() != shown)
        m_text->setText(shown);
    m_spinner->setVisible(m_model.readiness().isBusy());
    m_warning->setVisible(!m_model.readiness().isBusy());
    m_retry->setVisible(m_model.readiness().canRetry());
}

void EngineBanner::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QColor tint = Appearance::orange();
    tint.setAlphaF(0.12f);
    painter.fillRect(rect(), tint);
}

void EngineBanner::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        m_warning->setPixmap(Appearance::tinted(QStringLiteral("exclamationmark.triangle.fill"),
                                                iconSize, Appearance::orange(), this));
}

} // namespace reelcatch
