#include "UiBench.h"

#include "Common.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QLinearGradient>
#include <QNetworkRequest>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

namespace Bench {

PaintTimer::PaintTimer(QWidget* widget) : QObject(widget), m_widget(widget)
{
    widget->installEventFilter(this);
}

bool PaintTimer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_widget || event->type() != QEvent::Paint || m_inside)
        return false;
    // The event is delivered from here, through the filters installed
    // before this one (a scroll area's viewport filter among them), so
    // the time after it is that of the finished paint.
    m_inside = true;
    lastRegion = static_cast<QPaintEvent*>(event)->region();
    const qint64 start = nowNs();
    const qint64 cpu = threadCpuNs();
    QCoreApplication::sendEvent(watched, event);
    const qint64 end = nowNs();
    const qint64 used = threadCpuNs() - cpu;
    m_inside = false;
    if (onPainted)
        onPainted(start, end, used);
    return true;
}

CountingNetwork::CountingNetwork(const QUrl& answerer, QObject* parent)
    : QNetworkAccessManager(parent), m_answerer(answerer)
{}

QNetworkReply* CountingNetwork::createRequest(Operation op, const QNetworkRequest& request,
                                              QIODevice* outgoingData)
{
    m_requested << request.url();
    QNetworkRequest local(request);
    local.setUrl(m_answerer);
    return QNetworkAccessManager::createRequest(op, local, outgoingData);
}

QByteArray thumbnailJpeg()
{
    QImage image(320, 180, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 320, 180);
    gradient.setColorAt(0, QColor(0x20, 0x40, 0x80));
    gradient.setColorAt(1, QColor(0xe0, 0x90, 0x30));
    painter.fillRect(image.rect(), gradient);
    painter.setPen(Qt::white);
    for (int i = 0; i < 12; ++i)
        painter.drawEllipse(QPoint(20 + i * 25, 90 + (i % 3) * 20), 10 + i, 10 + i);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 80);
    return bytes;
}

} // namespace Bench
