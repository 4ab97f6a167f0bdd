#include "ui/BusyIndicator.h"

#include "ui/Appearance.h"

#include <QPainter>

namespace reelcatch {

namespace {
constexpr int spokes = 8;
} // namespace

BusyIndicator::BusyIndicator(int diameter, QWidget* parent) : QWidget(parent), m_diameter(diameter)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_timer.setInterval(90);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_step = (m_step + 1) % spokes;
        update();
    });
}

QSize BusyIndicator::sizeHint() const
{
    return {m_diameter, m_diameter};
}

void BusyIndicator::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(width(), height());
    painter.translate(width() / 2.0, height() / 2.0);
    const qreal outer = side / 2.0;
    const qreal inner = outer * 0.45;
    QPen pen(Appearance::secondary(this));
    pen.setWidthF(qMax(1.5, side / 9.0));
    pen.setCapStyle(Qt::RoundCap);
    for (int i = 0; i < spokes; ++i) {
        // The spoke at the current step is darkest; the ones behind it fade.
        const int age = (m_step - i + spokes) % spokes;
        QColor color = pen.color();
        color.setAlphaF(float(1.0 - age * 0.8 / spokes) * pen.color().alphaF());
        QPen spoke = pen;
        spoke.setColor(color);
        painter.setPen(spoke);
        painter.save();
        painter.rotate(i * 360.0 / spokes);
        painter.drawLine(QPointF(0, -inner), QPointF(0, -outer + pen.widthF() / 2));
        painter.restore();
    }
}

void BusyIndicator::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_timer.start();
}

void BusyIndicator::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_timer.stop();
}

} // namespace reelcatch
